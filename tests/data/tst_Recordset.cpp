// The record set over the election database, the data control that binds it to entry
// fields and the list model over it: moves, searching, adding, changing and deleting, and
// the refusals that keep the file whole.
#include "Rows.h"
#include "TemplateCopy.h"

#include "council/CouncilEntry.h"
#include "data/DataControl.h"
#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "data/RecordTableModel.h"
#include "data/Recordset.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QLineEdit>
#include <QSqlQuery>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const DataSource partyQuery = CouncilEntry::partyQuery();
const DataSource districtQuery = CouncilEntry::districtQuery();
const DataSource voteRows =
    DataSource::table("DistrRoster", {"PartiID", "DistrID", "Roster"}, "DistrID, PartiID ASC");

int errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const DbError& e) {
        return e.Number();
    }
    return 0;
}

// Reads one value straight from the file on a connection of its own.
QVariant readBack(const QString& path, const QString& sql)
{
    ElectionDatabase db(path);
    QSqlQuery q(db.database());
    if (!q.exec(sql) || !q.next())
        return QStringLiteral("<no row>");
    return q.value(0);
}

int votesOf(const QString& path, const char* code)
{
    return readBack(path,
                    QStringLiteral("SELECT Roster FROM Partier WHERE PartiID = '%1'").arg(code))
        .toInt();
}

struct QueryCase
{
    const char* name;
    DataSource source;
    int records;
    bool updatable;
};
const QueryCase queries[] = {
    {"district votes", voteRows, 2, true},
    {"without the whole key", DataSource::table("DistrRoster", {"PartiID", "Roster"}, "PartiID"), 2,
     false},
    {"table", DataSource("Partier"), 8, true},
    // Written as a query, even of plain fields with the key, it is only read.
    {"query", DataSource("SELECT PartiID, Roster FROM Partier"), 8, false},
};

struct FindCase
{
    const char* name;
    const char* field;
    QVariant value;
    const char* found; // empty: NoMatch
};
const FindCase finds[] = {
    {"code", "PartiID", "MP", "MP"},
    {"case does not matter", "PartiID", "kd", "KD"},
    {"code with quote", "PartiID", "O'K", "O'K"},
    {"quote cannot widen the search", "PartiID", "X' OR 'a'='a", ""},
    {"empty code", "PartiID", "", ""},
    {"number", "Roster", 7, "O'K"},
    {"number as text", "Roster", " 7 ", "O'K"},
    {"text in number field", "Roster", "sju", ""},
    {"null name matches nothing", "PartiNamn", QVariant(), ""},
};

struct FitCase
{
    const char* name;
    const char* field;
    QVariant value;
    int error; // 0: stored as it is
};
const FitCase fits[] = {
    {"text as votes", "Roster", "många", DbError::TypeConversion},
    {"votes beyond 32 bits", "Roster", "9999999999", DbError::TypeConversion},
    {"code of 7 characters", "PartiID", "ABCDEFG", DbError::FieldTooSmall},
    {"name of 31 characters", "PartiNamn", QString(31, 'x'), DbError::FieldTooSmall},
    {"code of 6 characters", "PartiID", "ABCDEF", 0},
    {"name of 30 characters", "PartiNamn", QString(30, 'x'), 0},
};

// Each refused write leaves the file, the record set and the pending change as they were.
struct RefusalCase
{
    const char* name;
    DataSource source;
    const char* find;   // PartiID or DistrID of the record to act on
    const char* action; // add, change, delete
    const char* field;
    QVariant value;
    int error;
};
const RefusalCase refusalsCases[] = {
    {"new party with a code in use", partyQuery, "", "add", "PartiID", "M", DbError::DuplicateKey},
    {"party renamed to a code in use", partyQuery, "C", "change", "PartiID", "L",
     DbError::DuplicateKey},
    {"new district with an id in use", districtQuery, "", "add", "DistrID", 2,
     DbError::DuplicateKey},
    {"second vote row", voteRows, "", "add", "PartiID", "S", DbError::DuplicateKey},
    {"party with district votes deleted", partyQuery, "S", "delete", "", QVariant(),
     DbError::RelatedRecordsExist},
    {"district with votes deleted", districtQuery, "1", "delete", "", QVariant(),
     DbError::RelatedRecordsExist},
    {"code of a party with votes changed", partyQuery, "M", "change", "PartiID", "MOD",
     DbError::RelatedRecordsExist},
    {"votes for an unknown party", voteRows, "", "add", "PartiID", "ZZ",
     DbError::RelatedRecordRequired},
    {"votes moved to an unknown party", voteRows, "", "change", "PartiID", "ZZ",
     DbError::RelatedRecordRequired},
    {"new party without a code", partyQuery, "", "add", "PartiNamn", "Utan kod", DbError::NullKey},
    {"negative votes", partyQuery, "KD", "change", "Roster", -5, DbError::ValidationRule},
};

struct FileCase
{
    const char* name;
    QByteArray content; // "sqlite": an SQLite file without the election tables
    ElectionDatabase::FileKind kind;
};
const FileCase files[] = {
    {"empty file", QByteArray(), ElectionDatabase::EmptyFile},
    {"text file", "PartiID;Roster\nS;100\n", ElectionDatabase::NotDatabase},
    {"old Jet file", QByteArray("\x00\x01\x00\x00Standard Jet DB", 19) + QByteArray(2048, '\0'),
     ElectionDatabase::JetFile},
    {"SQLite without the tables", "sqlite", ElectionDatabase::WrongTables},
};

} // namespace

// Entry fields bound to the party table through a data control, as a window binds them.
struct BoundWindow
{
    explicit BoundWindow(const QString& path)
    {
        data.setDatabaseName(path);
        data.setRecordSource(partyQuery);
        data.bind(&code, "PartiID");
        data.bind(&votes, "Roster");
        data.bind(&name, "PartiNamn");
        data.bind(&seats, "PartiValRes");
        QObject::connect(&data, &DataControl::Validate, [this](int& action, int& save) {
            validates.append({action, save});
            if (refuse && action == Recordset::ActionUpdate)
                action = save = 0;
        });
        data.Refresh();
    }
    Recordset& rs() { return data.Recordset(); }

    DataControl data;
    QLineEdit code, votes, name;
    QCheckBox seats;
    QList<QPair<int, int>> validates; // action, save
    bool refuse = false;
};

class tst_Recordset : public QObject
{
    Q_OBJECT
    std::unique_ptr<TemplateCopy> m_copy;
    std::shared_ptr<ElectionDatabase> m_db;

    QString path() const { return m_copy->path(); }
    void exec(const QString& sql)
    {
        QSqlQuery q(m_db->database());
        QVERIFY2(q.exec(sql), qPrintable(sql));
    }
    // Two districts, and votes for S and M in district 1.
    void addDistrictVotes()
    {
        exec("INSERT INTO Distrikt VALUES (1, 1, 'Norra'), (2, 2, 'Södra')");
        exec("INSERT INTO DistrRoster VALUES ('S', 1, 100), ('M', 1, 50)");
    }
    QString partyAt(Recordset& rs) { return rs.Fields("PartiID").Value().toString(); }

private Q_SLOTS:
    void init()
    {
        m_copy = std::make_unique<TemplateCopy>();
        QVERIFY(m_copy->isValid());
        m_db = std::make_shared<ElectionDatabase>(path());
    }
    void cleanup()
    {
        m_db.reset();
        m_copy.reset();
    }

    void everyQueryOfTheWindowsRuns_data() { addRows(queries); }
    void everyQueryOfTheWindowsRuns()
    {
        const QueryCase& c = row(queries);
        addDistrictVotes();
        Recordset rs;
        rs.open(m_db, c.source);
        QCOMPARE(rs.RecordCount(), c.records);
        QCOMPARE(rs.isUpdatable(), c.updatable);
        QCOMPARE(rs.AbsolutePosition(), 0);
    }

    void movesPositionsAndBookmarks()
    {
        Recordset rs;
        rs.open(m_db, partyQuery);
        QVERIFY(!rs.Bof() && !rs.Eof());
        rs.MoveNext();
        QCOMPARE(rs.AbsolutePosition(), 1);
        QCOMPARE(partyAt(rs), QString("SD"));
        const Recordset::BookmarkValue mark = rs.Bookmark();
        rs.MoveLast();
        QCOMPARE(rs.AbsolutePosition(), 7);
        QCOMPARE(partyAt(rs), QString("L"));
        QCOMPARE(rs.valueAt(1, 0).toString(), QString("SD")); // read without moving
        QVERIFY(!rs.valueAt(8, 0).isValid());
        rs.MoveNext();
        QVERIFY(rs.Eof());
        QCOMPARE(rs.AbsolutePosition(), -1);
        QCOMPARE(errorOf([&] { rs.MoveNext(); }), int(DbError::NoCurrentRecord));
        QCOMPARE(errorOf([&] { rs.Fields("PartiID").Value(); }), int(DbError::NoCurrentRecord));
        rs.MovePrevious();
        QCOMPARE(rs.AbsolutePosition(), 7);
        rs.setBookmark(mark);
        QCOMPARE(partyAt(rs), QString("SD"));
        QCOMPARE(errorOf([&] { rs.setBookmark(0); }), int(DbError::InvalidBookmark));
        QCOMPARE(rs.AbsolutePosition(), 1);
        rs.MoveFirst();
        rs.MovePrevious();
        QVERIFY(rs.Bof());
        QCOMPARE(errorOf([&] { rs.MovePrevious(); }), int(DbError::NoCurrentRecord));
        QCOMPARE(rs.Fields("Roster").Type(), int(Recordset::dbLong));
        QCOMPARE(rs.Fields(3).Name(), QString("PartiValRes"));
        QCOMPARE(errorOf([&] { rs.Fields("Valsit"); }), int(DbError::ItemNotFound));
    }

    void findFirst_data() { addRows(finds); }
    void findFirst()
    {
        const FindCase& c = row(finds);
        exec("INSERT INTO Partier (PartiID, PartiNamn, Roster) VALUES ('O''K', NULL, 7)");
        Recordset rs;
        rs.open(m_db, partyQuery);
        rs.MoveLast();
        rs.MovePrevious();
        rs.FindFirst(c.field, c.value);
        QCOMPARE(rs.NoMatch(), !*c.found);
        if (*c.found)
            QCOMPARE(partyAt(rs), QString(c.found));
        else
            QCOMPARE(rs.AbsolutePosition(), 7);
    }

    // An addition goes last and the record set returns to where it was; a cancelled change
    // and a change left pending by a move are not stored; blanks are stored as nulls.
    void addEditCancelAndNulls()
    {
        Recordset rs;
        rs.open(m_db, partyQuery);
        rs.MoveNext();
        rs.AddNew();
        QCOMPARE(rs.EditMode(), int(Recordset::dbEditAdd));
        QVERIFY(rs.Fields("PartiID").isNull());
        QCOMPARE(rs.Fields("Roster").Value().toInt(), 0); // the field's default
        rs.Fields("PartiID").setValue("FI");
        rs.Fields("Roster").setValue("1234");
        rs.Update();
        QCOMPARE(rs.EditMode(), int(Recordset::dbEditNone));
        QCOMPARE(partyAt(rs) + QString::number(rs.RecordCount()), QString("SD9"));
        rs.MoveLast();
        QCOMPARE(rs.Fields("Roster").Value(), QVariant(1234));
        QCOMPARE(votesOf(path(), "FI"), 1234);

        rs.FindFirst("PartiID", "V");
        rs.Edit();
        QCOMPARE(rs.EditMode(), int(Recordset::dbEditInProgress));
        rs.Fields("Roster").setValue(4321);
        rs.CancelUpdate();
        QCOMPARE(rs.EditMode(), int(Recordset::dbEditNone));
        QCOMPARE(rs.Fields("Roster").Value().toInt(), 0);
        rs.Edit();
        rs.Fields("Roster").setValue(4321);
        rs.Update();
        QCOMPARE(partyAt(rs), QString("V"));
        rs.Edit();
        rs.Fields("Roster").setValue(1);
        rs.MoveFirst();
        QCOMPARE(rs.EditMode(), int(Recordset::dbEditNone));
        QCOMPARE(votesOf(path(), "V"), 4321);

        rs.FindFirst("PartiID", "C");
        rs.Edit();
        rs.Fields("PartiNamn").setValue("");
        rs.Fields("Roster").setValue(QVariant());
        rs.Fields("PartiValRes").setValue("  ");
        rs.Update();
        QVERIFY(rs.Fields("PartiNamn").isNull() && rs.Fields("PartiValRes").isNull());
        QVERIFY(!rs.Fields("Roster").Value().isValid());
        QVERIFY(readBack(path(), "SELECT PartiNamn IS NULL AND Roster IS NULL FROM Partier "
                                 "WHERE PartiID = 'C'")
                    .toBool());
    }

    // A value that does not fit is refused and the pending change kept; one of exactly the
    // field's size is stored whole.
    void valuesThatDoNotFit_data() { addRows(fits); }
    void valuesThatDoNotFit()
    {
        const FitCase& c = row(fits);
        Recordset rs;
        rs.open(m_db, partyQuery);
        rs.Edit();
        const QVariant before = rs.Fields(c.field).Value();
        QCOMPARE(errorOf([&] { rs.Fields(c.field).setValue(c.value); }), c.error);
        QCOMPARE(rs.EditMode(), int(Recordset::dbEditInProgress));
        if (c.error) {
            QCOMPARE(rs.Fields(c.field).Value(), before);
            return;
        }
        rs.Update();
        QCOMPARE(
            readBack(path(), QStringLiteral("SELECT %1 FROM Partier WHERE rowid = 1").arg(c.field)),
            c.value);
    }

    // Moves in an empty set, writes without Edit or AddNew, and writes to a query: refused.
    void misuse()
    {
        Recordset none;
        none.open(m_db, districtQuery);
        QVERIFY(none.Eof() && none.Bof() && none.RecordCount() == 0);
        QCOMPARE(none.AbsolutePosition(), -1);
        for (auto action : std::initializer_list<std::function<void()>>{
                 [&] { none.MoveFirst(); }, [&] { none.MoveLast(); }, [&] { none.Bookmark(); },
                 [&] { none.Edit(); }})
            QCOMPARE(errorOf(action), int(DbError::NoCurrentRecord));
        Recordset rs;
        rs.open(m_db, partyQuery);
        QCOMPARE(errorOf([&] { rs.Update(); }), int(DbError::UpdateWithoutEdit));
        QCOMPARE(errorOf([&] { rs.CancelUpdate(); }), int(DbError::UpdateWithoutEdit));
        QCOMPARE(errorOf([&] { rs.Fields("Roster").setValue(1); }),
                 int(DbError::UpdateWithoutEdit));
        Recordset sums;
        sums.open(m_db, QStringLiteral("SELECT PartiID, Roster * 2 FROM Partier"));
        QCOMPARE(errorOf([&] { sums.Edit(); }), int(DbError::ReadOnly));
        QCOMPARE(errorOf([&] { sums.AddNew(); }), int(DbError::ReadOnly));
        QCOMPARE(errorOf([&] { sums.Delete(); }), int(DbError::ReadOnly));
    }

    void deleteAndMoveOn()
    {
        Recordset rs;
        rs.open(m_db, partyQuery);
        rs.Delete(); // the first, S
        QCOMPARE(rs.RecordCount(), 7);
        QCOMPARE(errorOf([&] { rs.Fields("PartiID").Value(); }), int(DbError::RecordDeleted));
        rs.MoveNext();
        QCOMPARE(partyAt(rs), QString("SD"));
        QCOMPARE(rs.AbsolutePosition(), 0);
        rs.MoveNext();
        rs.MoveNext(); // V
        rs.Delete();
        rs.MovePrevious();
        QCOMPARE(partyAt(rs), QString("M"));
        QCOMPARE(readBack(path(), "SELECT count(*) FROM Partier").toInt(), 6);
    }

    // A refused write leaves the file, the record set and the pending change as they were,
    // and ends its transaction: another connection can write at once, and this one can
    // begin anew.
    void refusals_data() { addRows(refusalsCases); }
    void refusals()
    {
        const RefusalCase& c = row(refusalsCases);
        addDistrictVotes();
        const auto snapshot = [&] {
            return readBack(path(), "SELECT group_concat(x, '|') FROM (SELECT PartiID || ':' || "
                                    "ifnull(Roster, '-') AS x FROM Partier UNION ALL SELECT 'd' "
                                    "|| DistrID FROM Distrikt UNION ALL SELECT PartiID || '@' || "
                                    "DistrID || '=' || Roster FROM DistrRoster)")
                .toString();
        };
        const QString before = snapshot();
        const QString action = c.action;
        Recordset rs;
        rs.open(m_db, c.source);
        if (*c.find)
            rs.FindFirst(rs.Fields(0).Name(), c.find);
        QVERIFY(!rs.NoMatch());
        const int count = rs.RecordCount();
        const int position = rs.AbsolutePosition();
        int mode = Recordset::dbEditNone;
        if (action == "add") {
            rs.AddNew();
            if (rs.fieldIndex("DistrID") >= 0 && QByteArray(c.field) != "DistrID")
                rs.Fields("DistrID").setValue(1);
            rs.Fields(c.field).setValue(c.value);
            mode = Recordset::dbEditAdd;
        } else if (action == "change") {
            rs.Edit();
            rs.Fields(c.field).setValue(c.value);
            mode = Recordset::dbEditInProgress;
        }
        QCOMPARE(errorOf([&] { action == "delete" ? rs.Delete() : rs.Update(); }), c.error);
        QCOMPARE(rs.EditMode(), mode);
        QCOMPARE(rs.RecordCount(), count);
        if (mode == Recordset::dbEditNone)
            QCOMPARE(rs.AbsolutePosition(), position);
        else
            QCOMPARE(rs.Fields(c.field).Value().toString(), c.value.toString());
        QCOMPARE(snapshot(), before);

        ElectionDatabase other(path());
        QVERIFY(QSqlQuery(other.database()).exec("UPDATE Partier SET PartiValRes = 3"));
        QVERIFY(m_db->database().transaction()); // none is left open on this one either
        QVERIFY(m_db->database().rollback());
    }

    // Bound fields follow the current record; typing is stored on Update or on leaving the
    // record; a save the window refuses, or that fails, keeps the typing pending.
    void boundFields()
    {
        BoundWindow w(path());
        QCOMPARE(w.code.text() + w.votes.text() + w.name.text(), "S0Socialdemokraterna");
        QVERIFY(!w.seats.isChecked());
        w.rs().Edit();
        w.votes.setText("300");
        w.seats.setChecked(true);
        w.rs().MoveNext();
        QCOMPARE(w.validates.last(), qMakePair(int(Recordset::ActionMoveNext), 1));
        QCOMPARE(votesOf(path(), "S"), 300);
        QCOMPARE(readBack(path(), "SELECT PartiValRes FROM Partier WHERE PartiID = 'S'"), 1);
        QCOMPARE(w.code.text(), QString("SD"));

        w.refuse = true;
        w.rs().Edit();
        w.votes.setText("77");
        w.rs().Update();
        QCOMPARE(w.rs().EditMode(), int(Recordset::dbEditInProgress));
        QCOMPARE(w.votes.text(), QString("77"));
        QCOMPARE(votesOf(path(), "SD"), 0);
        w.refuse = false;
        w.rs().Update();
        QCOMPARE(w.validates.last(), qMakePair(int(Recordset::ActionUpdate), 1));
        QCOMPARE(votesOf(path(), "SD"), 77);
        QVERIFY(!w.data.boundDataChanged());

        w.rs().AddNew();
        QCOMPARE(w.code.text(), QString());
        w.rs().Fields("PartiID").setValue("M"); // set from code: shown at once
        QCOMPARE(w.code.text(), QString("M"));
        w.name.setText("Dubblett"); // a code in use is refused: refusals, tst_DAOdataCtl
        w.code.setText("NY");
        w.rs().Update();
        QCOMPARE(w.rs().RecordCount(), 9);
        w.rs().MoveLast();
        QCOMPARE(w.name.text(), QString("Dubblett"));
        w.rs().MoveNext();
        QCOMPARE(w.code.text(), QString()); // past the end: nothing to show
    }

    // The list model follows every re-read, addition and deletion (Qt's model tester
    // watching throughout).
    void listModelFollowsTheRecordSet()
    {
        exec("INSERT INTO Distrikt VALUES (1, 20, 'Norra'), (2, 10, NULL)");
        auto* data = new DataControl;
        data->setDatabaseName(path());
        data->setRecordSource(
            DataSource::table("Distrikt", {"DistrID", "DistrNr", "DistrNamn"}, "DistrNr"));
        // A field the source lacks gives an empty column, not a failure.
        RecordTableModel model(data, {"DistrNamn", "DistrNr", "Saknas"});
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const auto column = [&model](int c) {
            QStringList values;
            for (int r = 0; r < model.rowCount(); ++r)
                values << model.index(r, c).data().toString();
            return values.join('|');
        };
        QCOMPARE(model.rowCount(), 0); // not opened yet
        data->Refresh();
        QCOMPARE(column(0) + column(2), QString("|Norra|"));
        QCOMPARE(model.findRow(1, "20"), 1);
        QCOMPARE(model.findRow(1, "30"), -1);
        Recordset& rs = data->Recordset();
        rs.AddNew();
        rs.Fields("DistrID").setValue(3);
        rs.Fields("DistrNr").setValue(5);
        rs.Fields("DistrNamn").setValue("Södra");
        QCOMPARE(model.rowCount(), 2); // nothing shows before it is stored
        rs.Update();
        QCOMPARE(column(0), QString("|Norra|Södra")); // added last
        rs.MoveFirst();
        rs.Delete();
        QCOMPARE(column(0), QString("Norra|Södra"));
        data->Refresh(); // re-read in the source's order
        QCOMPARE(column(1), QString("5|20"));
        delete data;
        QCOMPARE(model.rowCount(), 0);
    }

    // A file that is not an election database is refused and left byte for byte; a file
    // that is not there is not created.
    void refusedFiles_data() { addRows(files); }
    void refusedFiles()
    {
        const FileCase& c = row(files);
        QTemporaryDir dir;
        const QString file = dir.filePath("Annat.mdb");
        if (c.content == "sqlite") {
            QVERIFY(!ElectionDatabase::createFromSchema(file, "CREATE TABLE Annat (x);").isEmpty());
            QVERIFY(!QFile::exists(file)); // the schema lacks the election tables
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "plain");
                db.setDatabaseName(file);
                QVERIFY(db.open());
                QSqlQuery(db).exec("CREATE TABLE Annat (x INTEGER)");
            }
            QSqlDatabase::removeDatabase("plain");
        } else {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(c.content);
        }
        const QByteArray before = TemplateCopy::bytes(file);
        QCOMPARE(ElectionDatabase::inspect(file), c.kind);
        QVERIFY(!ElectionDatabase::refusalText(c.kind, file).isEmpty());
        for (const QString& name : {file, dir.filePath("Saknas.mdb")}) {
            DataControl data;
            data.setDatabaseName(name);
            data.setRecordSource(partyQuery);
            QCOMPARE(errorOf([&] { data.Refresh(); }),
                     int(name == file ? DbError::UnrecognisedFormat : DbError::FileNotFound));
        }
        QCOMPARE(TemplateCopy::bytes(file), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Annat.mdb"});
        QCOMPARE(ElectionDatabase::inspect(dir.filePath("Saknas.mdb")), ElectionDatabase::Missing);
    }

    // A write cut off half way (power failure, crash) leaves the file with a journal. The
    // database is still accepted, and the first open puts it back as before the write.
    void interruptedWriteIsRecovered()
    {
        m_db.reset();
        const QString crashed = m_copy->filePath("Krasch.mdb");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "writer");
            db.setDatabaseName(path());
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("PRAGMA cache_size = 1")); // let the write reach the file early
            QVERIFY(q.exec("BEGIN"));
            for (int i = 1; i <= 300; ++i)
                QVERIFY(q.exec(QString("INSERT INTO Distrikt VALUES (%1, %1, '%2')")
                                   .arg(i)
                                   .arg(QString(40, 'x'))));
            QVERIFY(q.exec("UPDATE Partier SET Roster = 99"));
            QVERIFY(QFile::copy(path(), crashed));
            QVERIFY(QFile::copy(path() + "-journal", crashed + "-journal"));
            QVERIFY(q.exec("ROLLBACK"));
        }
        QSqlDatabase::removeDatabase("writer");
        QVERIFY(TemplateCopy::bytes(crashed) != TemplateCopy::bytes(path())); // half written
        QCOMPARE(ElectionDatabase::inspect(crashed), ElectionDatabase::ElectionFile);
        DataControl data;
        data.setDatabaseName(crashed);
        data.setRecordSource("SELECT DistrID, DistrNr, DistrNamn FROM Distrikt");
        data.Refresh();
        QCOMPARE(data.Recordset().RecordCount(), 0);
        QCOMPARE(votesOf(crashed, "S"), 0);
    }

    // A database another program holds locked gives a Swedish refusal once the wait is
    // over, and the change stays pending for a second try.
    void lockedFileRefusesWrites()
    {
        BoundWindow w(path());
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "locker");
            other.setDatabaseName(path());
            QVERIFY(other.open());
            QSqlQuery(other).exec("BEGIN EXCLUSIVE");
            w.rs().Edit();
            w.votes.setText("5");
            try {
                w.rs().Update();
                QFAIL("stored past the lock");
            } catch (const DbError& e) {
                QCOMPARE(e.Number(), int(DbError::Locked));
                QVERIFY(e.Description().startsWith("Databasen används just nu"));
            }
            QCOMPARE(w.rs().EditMode(), int(Recordset::dbEditInProgress));
            QSqlQuery(other).exec("ROLLBACK");
        }
        QSqlDatabase::removeDatabase("locker");
        w.rs().Update(); // the lock has gone: the same change goes through
        QCOMPARE(votesOf(path(), "S"), 5);
    }
};

QTEST_MAIN(tst_Recordset)
#include "tst_Recordset.moc"
