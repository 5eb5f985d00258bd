// The data control: bound entry fields, Validate (action and save flag), Reposition, and
// the files it refuses to open.
#include "TemplateCopy.h"

#include "council/CouncilEntry.h"
#include "data/DataControl.h"
#include "data/DbError.h"
#include "data/ElectionDatabase.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QSqlQuery>
#include <QtTest>

namespace {

const DataSource partyQuery = CouncilEntry::partyQuery();

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

int storedVotes(const QString& path, const QString& code)
{
    ElectionDatabase db(path);
    QSqlQuery q(db.database());
    q.prepare("SELECT Roster FROM Partier WHERE PartiID = ?");
    q.addBindValue(code);
    if (!q.exec() || !q.next())
        return -1;
    return q.value(0).toInt();
}

} // namespace

class TestDataControl : public QObject
{
    Q_OBJECT

private:
    struct Window
    {
        DataControl data;
        QLineEdit code;
        QLineEdit votes;
        QLineEdit name;
        QList<QPair<int, int>> validates; // action, save
        int repositions = 0;
        bool refuse = false;
    };

    void setUp(Window& w, const QString& path)
    {
        w.data.setDatabaseName(path);
        w.data.setRecordSource(partyQuery);
        w.data.bind(&w.code, "PartiID");
        w.data.bind(&w.votes, "Roster");
        w.data.bind(&w.name, "PartiNamn");
        connect(&w.data, &DataControl::Validate, this, [&w](int& action, int& save) {
            w.validates.append({action, save});
            if (w.refuse && action == Recordset::ActionUpdate) {
                action = 0;
                save = 0;
            }
        });
        connect(&w.data, &DataControl::Reposition, this, [&w] { ++w.repositions; });
        w.data.Refresh();
    }

private Q_SLOTS:
    void boundFieldsFollowTheCurrentRecord()
    {
        TemplateCopy copy;
        Window w;
        setUp(w, copy.path());
        QCOMPARE(w.code.text(), QString("S"));
        QCOMPARE(w.votes.text(), QString("0"));
        QCOMPARE(w.name.text(), QString("Socialdemokraterna"));
        w.data.Recordset().MoveLast();
        QCOMPARE(w.code.text(), QString("L"));
        QCOMPARE(w.validates.last(), qMakePair(int(Recordset::ActionMoveLast), 0));
        w.data.Recordset().MoveNext();
        QCOMPARE(w.code.text(), QString()); // past the end: nothing to show
        QVERIFY(w.repositions >= 3);
    }

    void typedTextIsStoredOnUpdate()
    {
        TemplateCopy copy;
        Window w;
        setUp(w, copy.path());
        w.data.Recordset().FindFirst("PartiID", "M");
        w.data.Recordset().Edit();
        w.votes.setText("5123");
        w.data.Recordset().Update();
        QCOMPARE(w.validates.last(), qMakePair(int(Recordset::ActionUpdate), 1));
        QCOMPARE(w.data.Recordset().EditMode(), int(Recordset::dbEditNone));
        QCOMPARE(storedVotes(copy.path(), "M"), 5123);
        QVERIFY(!w.data.boundDataChanged());
    }

    void refusedSaveStaysPending()
    {
        TemplateCopy copy;
        Window w;
        setUp(w, copy.path());
        w.refuse = true;
        w.data.Recordset().Edit();
        w.votes.setText("77");
        w.data.Recordset().Update();
        QCOMPARE(w.data.Recordset().EditMode(), int(Recordset::dbEditInProgress));
        QCOMPARE(w.votes.text(), QString("77"));
        QCOMPARE(storedVotes(copy.path(), "S"), 0);
        w.refuse = false;
        w.data.Recordset().Update();
        QCOMPARE(storedVotes(copy.path(), "S"), 77);
    }

    void newRecordKeepsAnIdSetFromCode()
    {
        TemplateCopy copy;
        Window w;
        setUp(w, copy.path());
        w.data.Recordset().AddNew();
        QCOMPARE(w.code.text(), QString());
        w.data.Recordset().Fields("PartiID").setValue("NY");
        QCOMPARE(w.code.text(), QString("NY")); // shown at once
        w.name.setText("Nya partiet");
        w.votes.setText("12");
        w.data.Recordset().Update();
        QCOMPARE(w.data.Recordset().RecordCount(), 9);
        QCOMPARE(storedVotes(copy.path(), "NY"), 12);
    }

    void leavingAChangedRecordStoresIt()
    {
        TemplateCopy copy;
        Window w;
        setUp(w, copy.path());
        w.data.Recordset().Edit();
        w.votes.setText("300");
        w.data.Recordset().MoveNext();
        QCOMPARE(w.validates.last(), qMakePair(int(Recordset::ActionMoveNext), 1));
        QCOMPARE(storedVotes(copy.path(), "S"), 300);
        QCOMPARE(w.code.text(), QString("SD"));
    }

    void failedStoreKeepsTheTyping()
    {
        TemplateCopy copy;
        Window w;
        setUp(w, copy.path());
        w.data.Recordset().AddNew();
        w.code.setText("M");
        w.name.setText("Dubblett");
        int error = 0;
        try {
            w.data.Recordset().Update();
        } catch (const DbError& e) {
            error = e.Number();
        }
        QCOMPARE(error, int(DbError::DuplicateKey));
        QCOMPARE(w.data.Recordset().EditMode(), int(Recordset::dbEditAdd));
        QCOMPARE(w.code.text(), QString("M"));
        QCOMPARE(w.name.text(), QString("Dubblett"));
    }

    void checkBoxBinding()
    {
        TemplateCopy copy;
        DataControl data;
        QCheckBox seats;
        data.setDatabaseName(copy.path());
        data.setRecordSource(partyQuery);
        data.bind(&seats, "PartiValRes");
        data.Refresh();
        QVERIFY(!seats.isChecked());
        data.Recordset().Edit();
        seats.setChecked(true);
        data.Recordset().Update();
        QCOMPARE(data.Recordset().Fields("PartiValRes").Value().toInt(), 1);
        QVERIFY(seats.isChecked());
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("kind");
        QTest::newRow("empty file") << QByteArray() << int(ElectionDatabase::EmptyFile);
        QTest::newRow("text file")
            << QByteArray("PartiID;Roster\nS;100\n") << int(ElectionDatabase::NotDatabase);
        QByteArray jet(2048, '\0');
        jet.replace(0, 19, QByteArray("\x00\x01\x00\x00Standard Jet DB", 19));
        QTest::newRow("old Jet file") << jet << int(ElectionDatabase::JetFile);
        QTest::newRow("SQLite without the tables")
            << QByteArray("sqlite") << int(ElectionDatabase::WrongTables);
    }

    // A file that is not an election database is refused and left byte for byte as it was.
    void refusedFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("Annat.mdb");
        if (content == "sqlite") {
            const QString made =
                ElectionDatabase::createFromSchema(path, "CREATE TABLE Annat (x INTEGER);");
            QVERIFY(!made.isEmpty()); // the schema lacks the election tables, so nothing is left
            QVERIFY(!QFile::exists(path));
            QString name = "valsit-test-plain";
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
                db.setDatabaseName(path);
                QVERIFY(db.open());
                QSqlQuery(db).exec("CREATE TABLE Annat (x INTEGER)");
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const QByteArray before = fileHash(path);
        QCOMPARE(int(ElectionDatabase::inspect(path)), kind);
        QVERIFY(!ElectionDatabase::refusalText(ElectionDatabase::FileKind(kind), path).isEmpty());

        DataControl data;
        data.setDatabaseName(path);
        data.setRecordSource(partyQuery);
        int error = 0;
        try {
            data.Refresh();
        } catch (const DbError& e) {
            error = e.Number();
        }
        QCOMPARE(error, int(DbError::UnrecognisedFormat));
        QCOMPARE(fileHash(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Annat.mdb"});
    }

    void missingFileIsNotCreated()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Saknas.mdb");
        DataControl data;
        data.setDatabaseName(path);
        data.setRecordSource(partyQuery);
        int error = 0;
        try {
            data.Refresh();
        } catch (const DbError& e) {
            error = e.Number();
        }
        QCOMPARE(error, int(DbError::FileNotFound));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(int(ElectionDatabase::inspect(path)), int(ElectionDatabase::Missing));
    }

    // A write cut off half way (power failure, crash) leaves the file with a journal.
    // The database is still accepted, and the first open puts it back as it was before
    // the write began.
    void interruptedWriteIsRecovered()
    {
        TemplateCopy copy;
        const QString crashed = copy.filePath("Krasch.mdb");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "writer");
            db.setDatabaseName(copy.path());
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("PRAGMA cache_size = 1")); // let the write reach the file early
            QVERIFY(q.exec("BEGIN"));
            for (int i = 1; i <= 300; ++i)
                QVERIFY(q.exec(QString("INSERT INTO Distrikt (DistrID, DistrNr, DistrNamn) "
                                       "VALUES (%1, %1, '%2')")
                                   .arg(i)
                                   .arg(QString(40, 'x'))));
            QVERIFY(q.exec("UPDATE Partier SET Roster = 99"));
            QVERIFY(QFile::exists(copy.path() + "-journal"));
            QVERIFY(QFile::copy(copy.path(), crashed));
            QVERIFY(QFile::copy(copy.path() + "-journal", crashed + "-journal"));
            QVERIFY(q.exec("ROLLBACK"));
            q.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase("writer");
        QVERIFY(fileHash(crashed) != fileHash(copy.path())); // half written

        QCOMPARE(int(ElectionDatabase::inspect(crashed)), int(ElectionDatabase::ElectionFile));
        DataControl data;
        data.setDatabaseName(crashed);
        data.setRecordSource("SELECT DistrID, DistrNr, DistrNamn FROM Distrikt");
        data.Refresh();
        QCOMPARE(data.Recordset().RecordCount(), 0);
        QCOMPARE(storedVotes(crashed, "S"), 0);
    }

    // A database another program holds locked gives a Swedish refusal once the wait is
    // over, and the change stays pending for a second try.
    void lockedFileRefusesWrites()
    {
        TemplateCopy copy;
        DataControl data;
        data.setDatabaseName(copy.path());
        data.setRecordSource(partyQuery);
        data.Refresh();
        {
            // Another program holds a write lock for the whole attempt.
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "locker");
            other.setDatabaseName(copy.path());
            QVERIFY(other.open());
            QSqlQuery(other).exec("BEGIN EXCLUSIVE");
            data.Recordset().Edit();
            data.Recordset().Fields("Roster").setValue(5);
            int error = 0;
            try {
                data.Recordset().Update();
            } catch (const DbError& e) {
                error = e.Number();
                QVERIFY(e.Description().startsWith("Databasen används just nu"));
            }
            QCOMPARE(error, int(DbError::Locked));
            QCOMPARE(data.Recordset().EditMode(), int(Recordset::dbEditInProgress));
            QSqlQuery(other).exec("ROLLBACK");
            other.close();
        }
        QSqlDatabase::removeDatabase("locker");
        data.Recordset().Update(); // the lock has gone: the same change goes through
        QCOMPARE(storedVotes(copy.path(), "S"), 5);
    }
};

QTEST_MAIN(TestDataControl)
#include "tst_datacontrol.moc"
