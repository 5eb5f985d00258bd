// The election file as the election: its own settings (and how an older file takes the
// user's), the check on open, the database's error texts in Swedish, the fingerprint of the
// council's input, a list that sees another program's change, and council seats stored
// only from the input the file holds.
#include "CouncilSession.h"
#include "Rows.h"

#include "council/CouncilEntry.h"
#include "council/CouncilFingerprint.h"
#include "council/CouncilFromFile.h"
#include "council/CouncilSeatStore.h"
#include "data/DataControl.h"
#include "data/DbErrorText.h"
#include "data/ElectionDatabase.h"
#include "data/ElectionSettings.h"
#include "shell/EngineError.h"
#include "shell/SettingsStore.h"

#include <QSqlError>
#include <QtTest>

namespace {

// An older file (no settings table) takes what the user last used, once.
struct MigrationCase
{
    const char *name, *file, *fullm, *nmnd, *header, *divisor, *sparr, *today;
    int seats, committee;
    const char* heading;
    ElectionSettings::Rules rules;
};
const MigrationCase migrations[] = {
    {"first start", "Valsit.mdb", "", "", "", "", "", "", 41, 11, "för RUBRIK",
     ElectionSettings::Rules::Today},
    {"last used", "Valsit.mdb", "49", "13", "för Arvika", "1.4", "0", "0", 49, 13, "för Arvika",
     ElectionSettings::Rules::Older},
    {"own rules", "VALSIT.MDB", "45", "9", "för Kiruna", "1.2", "4", "0", 45, 9, "för Kiruna",
     ElectionSettings::Rules::Own},
    {"today's with constituencies", "Valsit.mdb", "61", "11", "", "1.2", "3", "", 61, 11,
     "för RUBRIK", ElectionSettings::Rules::Today},
    {"file named: its name", "Mora.mdb", "400", "x", "för Arvika", "", "", "1", 41, 11, "för Mora",
     ElectionSettings::Rules::Today},
};

// What becomes of the file and whether it may be used; the file is never written.
struct VerifyCase
{
    const char* name;
    QByteArray content; // "mdb": the template; "broken": with a broken index; "cut": half of it
    ElectionDatabase::FileKind kind;
};
const VerifyCase verifies[] = {
    {"template", "mdb", ElectionDatabase::ElectionFile},
    {"index broken", "broken", ElectionDatabase::Damaged},
    {"cut short", "cut", ElectionDatabase::Damaged},
    {"text", "S;1200\n", ElectionDatabase::NotDatabase},
    {"empty", "", ElectionDatabase::EmptyFile},
};

struct ErrorCase
{
    const char* name;
    int code;
    const char* text;
};
const ErrorCase errors[] = {
    {"disk full", 13,
     "Sparat: disken är full. Frigör utrymme på disken (eller spara databasen på "
     "en annan disk) och försök igen. (felkod 13)"},
    {"locked", 5,
     "Sparat: databasen används just nu av ett annat program eller fönster. Försök "
     "igen om en stund. (felkod 5)"},
    {"cannot read, extended code", 266,
     "Sparat: filen kan inte läsas eller skrivas. Kontrollera att disken eller nätverksmappen är "
     "tillgänglig och försök igen. (felkod 266)"},
    {"damaged", 11,
     "Sparat: databasfilen är skadad. Återställ den från en säkerhetskopia. "
     "(felkod 11)"},
};

// A change to the file, and whether the council seats depend on it.
struct InputCase
{
    const char *name, *sql;
    bool counts;
};
const InputCase inputs[] = {
    {"votes", "UPDATE Partier SET Roster = 301 WHERE PartiID = 'M'", true},
    {"district votes", "UPDATE DistrRoster SET Roster = 5", true},
    {"seats", "UPDATE Valinstallningar SET MandatFullm = 45", true},
    {"rules", "UPDATE Valinstallningar SET Regler = 'Äldre'", true},
    {"lot",
     "INSERT INTO Lottning (Slag, Plats, PartiID, Fingeravtryck, Programlottad) "
     "VALUES ('Fullmäktige', 3, 'S', 'ab', 1)",
     true},
    {"constituency", "INSERT INTO Valkretsar VALUES (1, 'Norra', 20)", true},
    {"party name", "UPDATE Partier SET PartiNamn = 'Nya M' WHERE PartiID = 'M'", false},
    {"heading", "UPDATE Valinstallningar SET Rubrik = 'för Ö'", false},
    {"committee lot",
     "INSERT INTO Lottning (Slag, Plats, PartiID, Fingeravtryck, Programlottad) "
     "VALUES ('Nämnd', 3, 'S', 'ab', 1)",
     false},
};

} // namespace

class TestElectionFile : public QObject
{
    Q_OBJECT

    CouncilSession s;

    QString seats()
    {
        return s.column("SELECT PartiID || PartiValRes FROM Partier ORDER BY 1").join(' ');
    }

private Q_SLOTS:
    void initTestCase() { s.initTestCase(); }
    void init()
    {
        QVERIFY(s.init());
        s.setParties({"S:Socialdemokraterna:500", "M:Moderaterna:300", "V:Vänsterpartiet:100",
                      "KD:Kristdemokraterna:0"});
        s.addDistrict(1, 1, "Norr");
        s.exec("INSERT INTO DistrRoster VALUES ('S', 1, 500)");
    }
    void cleanup() { s.cleanup(); }

    void migration_data() { addRows(migrations); }
    void migration()
    {
        const MigrationCase& c = row(migrations);
        QTemporaryDir dir;
        const QString path = dir.filePath(c.file);
        QVERIFY(QFile::copy(TemplateCopy::templatePath(), path));
        QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
        ElectionDatabase(path).write("x", ElectionDatabase::Delete, "DROP TABLE Valinstallningar",
                                     {});
        const char* keys[] = {"MndFullm",      "MndNmnd", "ForHeader",
                              "ForstaDivisor", "Sparr",   "GallandeRegler"};
        const char* values[] = {c.fullm, c.nmnd, c.header, c.divisor, c.sparr, c.today};
        for (int i = 0; i < 6; ++i)
            SettingsSandbox::setRaw(keys[i], values[i]);
        bool migrated = false;
        const ElectionSettings first = ElectionSettings::open(path, SettingsStore(), &migrated);
        QVERIFY(migrated);
        QCOMPARE(QString::number(first.councilSeats) + '|' + QString::number(first.committeeSeats) +
                     '|' + first.heading,
                 QString("%1|%2|%3").arg(c.seats).arg(c.committee).arg(c.heading));
        QCOMPARE(first.rules, c.rules);
        // Once: the user's later values are not the file's.
        SettingsSandbox::setRaw("MndFullm", "77");
        QVERIFY(ElectionSettings::open(path, SettingsStore(), &migrated) == first && !migrated);
    }

    void verify_data() { addRows(verifies); }
    void verify()
    {
        const VerifyCase& c = row(verifies);
        const QString path = s.db->filePath("Fil.mdb");
        if (c.content == "mdb" || c.content == "broken" || c.content == "cut")
            QVERIFY(QFile::copy(s.db->path(), path));
        if (c.content == "broken")
            QVERIFY(TemplateCopy::breakIndex(path));
        else if (c.content == "cut")
            QVERIFY(QFile::resize(path, QFileInfo(path).size() / 2));
        else if (c.content != "mdb") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(c.content) == c.content.size());
        }
        const QByteArray before = TemplateCopy::bytes(path);
        QCOMPARE(ElectionDatabase::verify(path), c.kind);
        QCOMPARE(TemplateCopy::bytes(path), before);
    }

    void errorTexts_data() { addRows(errors); }
    void errorTexts()
    {
        const ErrorCase& c = row(errors);
        const QSqlError error("driver", "database or disk is full", QSqlError::StatementError,
                              QString::number(c.code));
        QCOMPARE(DbErrorText::describe("Sparat", error), QString(c.text));
    }

    void fingerprint_data() { addRows(inputs); }
    void fingerprint()
    {
        const InputCase& c = row(inputs);
        ElectionDatabase election(s.db->path());
        const QString before = CouncilFingerprint::of(election);
        s.exec(c.sql);
        QCOMPARE(CouncilFingerprint::of(election) != before, c.counts);
    }

    // A list sees a change made by another connection, not its own writes nor a write that
    // left its rows as they were.
    void changedElsewhere()
    {
        DataControl data;
        data.setDatabaseName(s.db->path());
        data.setRecordSource(CouncilEntry::partyQuery());
        data.Refresh();
        data.Recordset().Edit();
        data.Recordset().Fields("Roster").setValue(501);
        data.Recordset().Update();
        s.exec("UPDATE Partier SET Roster = Roster");
        QVERIFY(!data.changedElsewhere());
        s.exec("UPDATE Partier SET Roster = 7 WHERE PartiID = 'V'");
        QVERIFY(data.changedElsewhere());
    }

    // Stored seats are those of the input the file holds when they are stored, with its
    // fingerprint; a result from an input the file no longer holds is never stored.
    void storeSeats()
    {
        const auto db = std::make_shared<ElectionDatabase>(s.db->path());
        const CouncilFromFile::Outcome old = CouncilFromFile::calculate(db);
        QCOMPARE(CouncilFromFile::seatsText(old), QString("S 23, M 14, V 4"));
        s.exec("UPDATE Partier SET Roster = 900 WHERE PartiID = 'V'");
        QVERIFY_THROWS_EXCEPTION(EngineError, CouncilSeatStore::store(*db, old, QDateTime()));
        QCOMPARE(seats(), QString("KD0 M0 S0 V0"));
        s.exec("UPDATE Partier SET PartiValRes = 9");
        const CouncilFromFile::Outcome now = CouncilFromFile::calculate(db);
        CouncilSeatStore::store(*db, now, QDateTime(QDate(2026, 9, 14), QTime(21, 5)));
        QCOMPARE(
            seats() + '|' + CouncilSeatStore::storedText(now),
            QString("KD9 M7 S12 V22|Mandaten för V 22, S 12, M 7 har lagrats som antal valsit i "
                    "fullmäktige."));
        QString at;
        QVERIFY(CouncilSeatStore::matchesInput(*db, &at));
        QCOMPARE(at, QString("2026-09-14T21:05:00"));
        s.exec("UPDATE Valinstallningar SET MandatFullm = 45");
        QVERIFY(!CouncilSeatStore::matchesInput(*db));
    }
};

QTEST_MAIN(TestElectionFile)
#include "tst_ElectionFile.moc"
