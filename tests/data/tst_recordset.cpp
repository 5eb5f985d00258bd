// The record set over the election database: moves, positions, bookmarks, searching,
// adding, changing and deleting, Null, and the refusals the program reacts to.
#include "TemplateCopy.h"

#include "council/CouncilEntry.h"
#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "data/Recordset.h"

#include <QSqlQuery>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const DataSource partyQuery = CouncilEntry::partyQuery();
const DataSource districtQuery = CouncilEntry::districtQuery();
const DataSource voteRows = DataSource::table(
    QStringLiteral("DistrRoster"),
    {QStringLiteral("PartiID"), QStringLiteral("DistrID"), QStringLiteral("Roster")},
    QStringLiteral("DistrID, PartiID ASC"));

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
    auto db = std::make_shared<ElectionDatabase>(path);
    QSqlQuery q(db->database());
    if (!q.exec(sql) || !q.next())
        return QStringLiteral("<no row>");
    return q.value(0);
}

} // namespace

Q_DECLARE_METATYPE(DataSource)

class TestRecordset : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TemplateCopy> m_copy;
    std::shared_ptr<ElectionDatabase> m_db;

    void exec(const QString& sql)
    {
        QSqlQuery q(m_db->database());
        QVERIFY2(q.exec(sql), qPrintable(sql));
    }

    // Two districts, and votes for S and M in district 1.
    void addDistrictVotes()
    {
        exec("INSERT INTO Distrikt (DistrID, DistrNr, DistrNamn) VALUES (1, 1, 'Norra'), (2, 2, "
             "'Södra')");
        exec("INSERT INTO DistrRoster (PartiID, DistrID, Roster) VALUES ('S', 1, 100), ('M', 1, "
             "50)");
    }

private Q_SLOTS:
    void init()
    {
        m_copy = std::make_unique<TemplateCopy>();
        QVERIFY2(m_copy->isValid(), qPrintable(TemplateCopy::templatePath()));
        m_db = std::make_shared<ElectionDatabase>(m_copy->path());
    }

    void cleanup()
    {
        m_db.reset();
        m_copy.reset();
    }

    void templateHoldsTheParliamentParties()
    {
        Recordset rs;
        rs.open(m_db,
                QStringLiteral("SELECT PartiID, PartiNamn, Roster, PartiValRes FROM Partier"));
        QStringList codes;
        for (; !rs.Eof(); rs.MoveNext()) {
            codes.append(rs.Fields("PartiID").Value().toString());
            QVERIFY(!rs.Fields("PartiNamn").Value().toString().isEmpty());
            QCOMPARE(rs.Fields("Roster").Value().toInt(), 0);
            QCOMPARE(rs.Fields("PartiValRes").Value().toInt(), 0);
        }
        QCOMPARE(codes, (QStringList{"S", "SD", "M", "V", "C", "KD", "MP", "L"}));
    }

    void everyQueryOfTheWindowsRuns_data()
    {
        QTest::addColumn<DataSource>("source");
        QTest::addColumn<int>("records");
        QTest::addColumn<bool>("updatable");
        QTest::newRow("committee")
            << DataSource::table("Partier", {"PartiID", "PartiValRes", "PartiNamn"},
                                 "PartiValRes DESC")
            << 8 << true;
        QTest::newRow("council") << partyQuery << 8 << true;
        QTest::newRow("districts") << districtQuery << 2 << true;
        QTest::newRow("by name") << CouncilEntry::districtQuery("DistrNamn") << 2 << true;
        QTest::newRow("district votes") << voteRows << 2 << true;
        QTest::newRow("without the whole key")
            << DataSource::table("DistrRoster", {"PartiID", "Roster"}, "PartiID ASC") << 2 << false;
        QTest::newRow("table") << DataSource("Partier") << 8 << true;
        // Written as a query, even of plain fields with the key, it is only read.
        QTest::newRow("query") << DataSource("SELECT PartiID, Roster FROM Partier") << 8 << false;
    }

    void everyQueryOfTheWindowsRuns()
    {
        QFETCH(DataSource, source);
        QFETCH(int, records);
        QFETCH(bool, updatable);
        addDistrictVotes();
        Recordset rs;
        rs.open(m_db, source);
        QCOMPARE(rs.RecordCount(), records);
        QCOMPARE(rs.isUpdatable(), updatable);
        QCOMPARE(rs.AbsolutePosition(), records > 0 ? 0 : -1);
    }

    void movesAndPositions()
    {
        exec("UPDATE Partier SET Roster = 800 - rowid * 10");
        Recordset rs;
        rs.open(m_db, partyQuery);
        QCOMPARE(rs.RecordCount(), 8);
        QVERIFY(!rs.Bof() && !rs.Eof());
        QCOMPARE(rs.Fields("PartiID").Value().toString(), QString("S"));
        rs.MoveNext();
        QCOMPARE(rs.AbsolutePosition(), 1);
        QCOMPARE(rs.Fields("PartiID").Value().toString(), QString("SD"));
        rs.MoveLast();
        QCOMPARE(rs.AbsolutePosition(), 7);
        QCOMPARE(rs.Fields("PartiID").Value().toString(), QString("L"));
        rs.MoveNext();
        QVERIFY(rs.Eof());
        QCOMPARE(rs.AbsolutePosition(), -1);
        QCOMPARE(errorOf([&] { rs.MoveNext(); }), int(DbError::NoCurrentRecord));
        QCOMPARE(errorOf([&] { rs.Fields("PartiID").Value(); }), int(DbError::NoCurrentRecord));
        rs.MovePrevious();
        QCOMPARE(rs.AbsolutePosition(), 7);
        rs.MoveFirst();
        rs.MovePrevious();
        QVERIFY(rs.Bof());
        QCOMPARE(errorOf([&] { rs.MovePrevious(); }), int(DbError::NoCurrentRecord));
        rs.MoveFirst();
        rs.Move(0);
        QCOMPARE(rs.AbsolutePosition(), 0);
    }

    void emptyResultSet()
    {
        Recordset rs;
        rs.open(m_db, districtQuery);
        QVERIFY(rs.Eof() && rs.Bof());
        QCOMPARE(rs.RecordCount(), 0);
        QCOMPARE(rs.AbsolutePosition(), -1);
        QCOMPARE(errorOf([&] { rs.MoveFirst(); }), int(DbError::NoCurrentRecord));
        QCOMPARE(errorOf([&] { rs.MoveLast(); }), int(DbError::NoCurrentRecord));
        QCOMPARE(errorOf([&] { rs.Bookmark(); }), int(DbError::NoCurrentRecord));
        QCOMPARE(errorOf([&] { rs.Edit(); }), int(DbError::NoCurrentRecord));
        QCOMPARE(rs.Fields("DistrID").Type(), int(Recordset::dbLong));
    }

    void fieldTypes()
    {
        Recordset rs;
        rs.open(m_db, partyQuery);
        QCOMPARE(rs.Fields("PartiID").Type(), int(Recordset::dbText));
        QCOMPARE(rs.Fields("PartiNamn").Type(), int(Recordset::dbText));
        QCOMPARE(rs.Fields("Roster").Type(), int(Recordset::dbLong));
        QCOMPARE(rs.Fields(3).Name(), QString("PartiValRes"));
        QCOMPARE(errorOf([&] { rs.Fields("Valsit"); }), int(DbError::ItemNotFound));
    }

    void bookmarks()
    {
        Recordset rs;
        rs.open(m_db, partyQuery);
        rs.MoveNext();
        rs.MoveNext();
        const Recordset::BookmarkValue mark = rs.Bookmark();
        const QString code = rs.Fields("PartiID").Value().toString();
        rs.MoveLast();
        rs.setBookmark(mark);
        QCOMPARE(rs.Fields("PartiID").Value().toString(), code);
        QCOMPARE(rs.AbsolutePosition(), 2);
        QCOMPARE(errorOf([&] { rs.setBookmark(0); }), int(DbError::InvalidBookmark));
        QCOMPARE(rs.AbsolutePosition(), 2);
    }

    void findFirst_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("found"); // empty: NoMatch

        QTest::newRow("code") << "PartiID" << QVariant("MP") << "MP";
        QTest::newRow("case does not matter") << "PartiID" << QVariant("kd") << "KD";
        QTest::newRow("code with quote") << "PartiID" << QVariant("O'K") << "O'K";
        QTest::newRow("quote cannot widen the search")
            << "PartiID" << QVariant("X' OR 'a'='a") << "";
        QTest::newRow("unknown code") << "PartiID" << QVariant("Q") << "";
        QTest::newRow("empty code") << "PartiID" << QVariant("") << "";
        QTest::newRow("number") << "Roster" << QVariant(7) << "O'K";
        QTest::newRow("number as text") << "Roster" << QVariant(" 7 ") << "O'K";
        QTest::newRow("text in number field") << "Roster" << QVariant("sju") << "";
        QTest::newRow("null name matches nothing") << "PartiNamn" << QVariant() << "";
    }

    void findFirst()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(QString, found);
        exec("INSERT INTO Partier (PartiID, PartiNamn, Roster) VALUES ('O''K', NULL, 7)");
        Recordset rs;
        rs.open(m_db, partyQuery);
        rs.MoveLast();
        const int before = rs.AbsolutePosition();
        rs.FindFirst(field, value);
        QCOMPARE(rs.NoMatch(), found.isEmpty());
        if (found.isEmpty())
            QCOMPARE(rs.AbsolutePosition(), before);
        else
            QCOMPARE(rs.Fields("PartiID").Value().toString(), found);
    }

    void addNewPutsTheRecordLastAndReturns()
    {
        Recordset rs;
        rs.open(m_db, partyQuery);
        rs.MoveNext();
        const QString current = rs.Fields("PartiID").Value().toString();
        rs.AddNew();
        QCOMPARE(rs.EditMode(), int(Recordset::dbEditAdd));
        QVERIFY(rs.Fields("PartiID").isNull());
        QCOMPARE(rs.Fields("Roster").Value().toInt(), 0); // the field's default
        rs.Fields("PartiID").setValue("FI");
        rs.Fields("PartiNamn").setValue("Feministiskt initiativ");
        rs.Fields("Roster").setValue("1234");
        rs.Update();
        QCOMPARE(rs.EditMode(), int(Recordset::dbEditNone));
        QCOMPARE(rs.RecordCount(), 9);
        QCOMPARE(rs.Fields("PartiID").Value().toString(), current);
        rs.MoveLast();
        QCOMPARE(rs.Fields("PartiID").Value().toString(), QString("FI"));
        QCOMPARE(rs.Fields("Roster").Value(), QVariant(1234));
        QCOMPARE(readBack(m_copy->path(), "SELECT Roster FROM Partier WHERE PartiID='FI'").toInt(),
                 1234);
    }

    void editAndCancel()
    {
        Recordset rs;
        rs.open(m_db, partyQuery);
        rs.FindFirst("PartiID", "V");
        rs.Edit();
        QCOMPARE(rs.EditMode(), int(Recordset::dbEditInProgress));
        rs.Fields("Roster").setValue(4321);
        QCOMPARE(rs.Fields("Roster").Value().toInt(), 4321);
        rs.CancelUpdate();
        QCOMPARE(rs.EditMode(), int(Recordset::dbEditNone));
        QCOMPARE(rs.Fields("Roster").Value().toInt(), 0);

        rs.Edit();
        rs.Fields("Roster").setValue(4321);
        rs.Update();
        QCOMPARE(rs.Fields("PartiID").Value().toString(), QString("V"));
        QCOMPARE(rs.Fields("Roster").Value().toInt(), 4321);
        QCOMPARE(readBack(m_copy->path(), "SELECT Roster FROM Partier WHERE PartiID='V'").toInt(),
                 4321);

        // Moving away from a pending change without storing it drops it.
        rs.Edit();
        rs.Fields("Roster").setValue(1);
        rs.MoveFirst();
        QCOMPARE(rs.EditMode(), int(Recordset::dbEditNone));
        QCOMPARE(readBack(m_copy->path(), "SELECT Roster FROM Partier WHERE PartiID='V'").toInt(),
                 4321);
    }

    void nullValues()
    {
        Recordset rs;
        rs.open(m_db, partyQuery);
        rs.FindFirst("PartiID", "C");
        rs.Edit();
        rs.Fields("PartiNamn").setValue("");
        rs.Fields("Roster").setValue(QVariant());
        rs.Fields("PartiValRes").setValue("  ");
        rs.Update();
        QVERIFY(rs.Fields("PartiNamn").isNull());
        QVERIFY(!rs.Fields("Roster").Value().isValid());
        QVERIFY(rs.Fields("PartiValRes").isNull());
        QVERIFY(
            readBack(m_copy->path(),
                     "SELECT PartiNamn IS NULL AND Roster IS NULL FROM Partier WHERE PartiID='C'")
                .toBool());
    }

    void valuesThatDoNotFit_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("error");
        QTest::newRow("text as votes")
            << "Roster" << QVariant("många") << int(DbError::TypeConversion);
        QTest::newRow("votes beyond 32 bits")
            << "Roster" << QVariant("9999999999") << int(DbError::TypeConversion);
        QTest::newRow("code of 7 characters")
            << "PartiID" << QVariant("ABCDEFG") << int(DbError::FieldTooSmall);
        QTest::newRow("name of 31 characters")
            << "PartiNamn" << QVariant(QString(31, 'x')) << int(DbError::FieldTooSmall);
    }

    void valuesThatDoNotFit()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(int, error);
        Recordset rs;
        rs.open(m_db, partyQuery);
        rs.Edit();
        const QVariant before = rs.Fields(field).Value();
        QCOMPARE(errorOf([&] { rs.Fields(field).setValue(value); }), error);
        QCOMPARE(rs.Fields(field).Value(), before);
        QCOMPARE(rs.EditMode(), int(Recordset::dbEditInProgress));
    }

    void misuse()
    {
        Recordset rs;
        rs.open(m_db, partyQuery);
        QCOMPARE(errorOf([&] { rs.Update(); }), int(DbError::UpdateWithoutEdit));
        QCOMPARE(errorOf([&] { rs.CancelUpdate(); }), int(DbError::UpdateWithoutEdit));
        QCOMPARE(errorOf([&] { rs.Fields("Roster").setValue(1); }),
                 int(DbError::UpdateWithoutEdit));

        Recordset sums;
        sums.open(m_db, QStringLiteral("SELECT PartiID, Roster * 2 FROM Partier"));
        QVERIFY(!sums.isUpdatable());
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
        QCOMPARE(rs.Fields("PartiID").Value().toString(), QString("SD"));
        QCOMPARE(rs.AbsolutePosition(), 0);

        rs.MoveNext();
        rs.MoveNext(); // V
        QCOMPARE(rs.Fields("PartiID").Value().toString(), QString("V"));
        rs.Delete();
        rs.MovePrevious();
        QCOMPARE(rs.Fields("PartiID").Value().toString(), QString("M"));
        QCOMPARE(readBack(m_copy->path(), "SELECT count(*) FROM Partier").toInt(), 6);
    }

    // Each refused write leaves the file, the record set and the pending change as they
    // were, and ends its transaction: the next write (here from another connection and
    // then from the same record set) goes through.
    void refusals_data()
    {
        QTest::addColumn<DataSource>("source");
        QTest::addColumn<QString>("find");   // PartiID or DistrID of the record to act on
        QTest::addColumn<QString>("action"); // add, change, delete
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("error");
        const DataSource districts = districtQuery;
        const DataSource votes = voteRows;

        QTest::newRow("new party with a code in use")
            << partyQuery << ""
            << "add"
            << "PartiID" << QVariant("M") << int(DbError::DuplicateKey);
        QTest::newRow("code in use, other case")
            << partyQuery << ""
            << "add"
            << "PartiID" << QVariant("mp") << int(DbError::DuplicateKey);
        QTest::newRow("party renamed to a code in use")
            << partyQuery << "C"
            << "change"
            << "PartiID" << QVariant("L") << int(DbError::DuplicateKey);
        QTest::newRow("new district with an id in use")
            << districts << ""
            << "add"
            << "DistrID" << QVariant(2) << int(DbError::DuplicateKey);
        QTest::newRow("second vote row for a party and district")
            << votes << ""
            << "add"
            << "PartiID" << QVariant("S") << int(DbError::DuplicateKey);
        QTest::newRow("party with district votes deleted")
            << partyQuery << "S"
            << "delete"
            << "" << QVariant() << int(DbError::RelatedRecordsExist);
        QTest::newRow("district with votes deleted")
            << districts << "1"
            << "delete"
            << "" << QVariant() << int(DbError::RelatedRecordsExist);
        QTest::newRow("code of a party with votes changed")
            << partyQuery << "M"
            << "change"
            << "PartiID" << QVariant("MOD") << int(DbError::RelatedRecordsExist);
        QTest::newRow("votes for an unknown party")
            << votes << ""
            << "add"
            << "PartiID" << QVariant("ZZ") << int(DbError::RelatedRecordRequired);
        QTest::newRow("new party without a code")
            << partyQuery << ""
            << "add"
            << "PartiNamn" << QVariant("Utan kod") << int(DbError::NullKey);
        QTest::newRow("negative votes") << partyQuery << "KD"
                                        << "change"
                                        << "Roster" << QVariant(-5) << int(DbError::ValidationRule);
    }

    void refusals()
    {
        QFETCH(DataSource, source);
        QFETCH(QString, find);
        QFETCH(QString, action);
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(int, error);
        addDistrictVotes();
        const auto snapshot = [&] {
            return readBack(m_copy->path(), "SELECT group_concat(x, '|') FROM (SELECT PartiID || "
                                            "':' || ifnull(Roster, '-') AS x FROM Partier "
                                            "UNION ALL SELECT 'd' || DistrID FROM Distrikt "
                                            "UNION ALL SELECT PartiID || '@' || DistrID || '=' || "
                                            "Roster FROM DistrRoster)")
                .toString();
        };
        const QString before = snapshot();

        Recordset rs;
        rs.open(m_db, source);
        if (!find.isEmpty())
            rs.FindFirst(rs.Fields(0).Name(), find);
        QVERIFY(!rs.NoMatch());
        const int count = rs.RecordCount();
        const int position = rs.AbsolutePosition();
        int mode = Recordset::dbEditNone;
        if (action == "add") {
            rs.AddNew();
            if (rs.fieldIndex("DistrID") >= 0 && field != "DistrID")
                rs.Fields("DistrID").setValue(1);
            rs.Fields(field).setValue(value);
            mode = Recordset::dbEditAdd;
        } else if (action == "change") {
            rs.Edit();
            rs.Fields(field).setValue(value);
            mode = Recordset::dbEditInProgress;
        }

        const int got = errorOf([&] {
            if (action == "delete")
                rs.Delete();
            else
                rs.Update();
        });
        QCOMPARE(got, error);
        QCOMPARE(rs.EditMode(), mode);
        QCOMPARE(rs.RecordCount(), count);
        if (mode == Recordset::dbEditNone)
            QCOMPARE(rs.AbsolutePosition(), position);
        else
            QCOMPARE(rs.Fields(field).Value(),
                     value.typeId() == QMetaType::QString ? QVariant(value.toString()) : value);
        QCOMPARE(snapshot(), before);

        // No transaction was left open: another connection writes, then this one.
        {
            auto other = std::make_shared<ElectionDatabase>(m_copy->path());
            QSqlQuery q(other->database());
            QVERIFY(q.exec("UPDATE Partier SET PartiValRes = 3 WHERE PartiID = 'SD'"));
        }
        if (mode != Recordset::dbEditNone)
            rs.CancelUpdate();
        Recordset parties;
        parties.open(m_db, partyQuery);
        parties.FindFirst("PartiID", "V");
        parties.Edit();
        parties.Fields("PartiValRes").setValue(9);
        parties.Update();
        QCOMPARE(
            readBack(m_copy->path(), "SELECT PartiValRes FROM Partier WHERE PartiID='V'").toInt(),
            9);
        QCOMPARE(
            readBack(m_copy->path(), "SELECT PartiValRes FROM Partier WHERE PartiID='SD'").toInt(),
            3);
    }

    void valueAtReadsWithoutMoving()
    {
        Recordset rs;
        rs.open(m_db, partyQuery);
        rs.MoveNext();
        QCOMPARE(rs.valueAt(7, 0).toString(), QString("L"));
        QVERIFY(!rs.valueAt(8, 0).isValid());
        QCOMPARE(rs.AbsolutePosition(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRecordset)
#include "tst_recordset.moc"
