// Choosing the working database (with its fallbacks and messages), reading it from the
// settings, creating a new database from the template, where that template lives, and the
// next free id of a table: numeric or from the alphabet without I and U.
#include "FakeMessageService.h"
#include "Rows.h"
#include "SettingsSandbox.h"
#include "TemplateCopy.h"

#include "data/DatabaseChooser.h"
#include "data/ElectionDatabase.h"
#include "data/HmtaNyttID.h"
#include "data/ProgramFolder.h"
#include "shell/AppGlobals.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QSqlQuery>
#include <QtTest>

namespace {

// What the user picks in the file dialog (in another folder): a copy of the template, a file
// that is missing or is no election database, or a cancel; the working database and the
// template beside the program may be gone. A usable choice becomes the working database and
// is saved (its heading comes with it); anything else is told, the file is left byte for byte,
// and the previous database, then the template, stays; with both gone the program ends.
struct ChoiceCase
{
    const char *name, *file; // nullptr: cancelled
    QByteArray
        content; // "mdb": a copy of the template; "broken": one with a broken index; "-": none
    bool previousThere, templateThere;
    const char* refusal;
};
const QByteArray jet = QByteArray("\x00\x01\x00\x00Standard Jet DB", 19) + QByteArray(4096, '\0');
const ChoiceCase choices[] = {
    {"Uppsala", "Uppsala.mdb", "mdb", true, true, ""},
    {"template name, other case", "VALSIT.MDB", "mdb", true, true, ""},
    {"cancelled", nullptr, "-", true, true, ""},
    {"missing file", "Borta.mdb", "-", true, true, ""},
    {"path without .mdb", "lista.txt", "text", true, true, ""},
    {"previous gone too", "Borta.mdb", "-", false, true, ""},
    {"template gone too", "Borta.mdb", "-", false, false, ""},
    {"old Jet file", "Gammal.mdb", jet, true, true,
     "Filen 'Gammal.mdb' är en databas från en äldre programversion och kan inte användas direkt. "
     "Skapa en ny databas och för över partierna."},
    {"text file", "Gammal.mdb", "S;Socialdemokraterna;1200\n", true, true,
     "Filen 'Gammal.mdb' är ingen databas."},
    {"empty file", "Gammal.mdb", "", true, true,
     "Filen 'Gammal.mdb' är tom och är ingen valdatabas."},
    {"index broken", "Gammal.mdb", "broken", true, true,
     "Databasen 'Gammal.mdb' är skadad och kan inte användas; den har inte ändrats. Hämta en "
     "säkerhetskopia av filen (en kopia du sparat, eller en tidigare version från "
     "säkerhetskopieringen av mappen {other}), lägg den i stället för den skadade och välj den "
     "med \"Hämta databas\"."},
};

// answer nullptr: the user cancels; created empty: refused; {work}: the folder in the message
struct CreateCase
{
    const char *name, *answer, *created, *message;
};
const CreateCase creates[] = {
    {"name", "Uppsala", "Uppsala", ""},
    {"empty answer", "", "Test", ""},
    {"one character", "U", "Test", ""},
    {"two characters", "Ed", "Ed", ""},
    {"name in use", "Prev", "", "Databasen 'Prev.mdb' finns redan i sökvägen {work} "},
    {"path in the name", "../Uppsala", "",
     "Namnet '../Uppsala' får inte innehålla tecknen / eller \\. Ange bara ett namn, t ex Uppsala"},
    {"cancelled", nullptr, "", ""},
    {"no template shipped", "Uppsala", "",
     "Databasmallen 'Valsit.mdb' finns inte i sökvägen {shipped}. Installera programmet på nytt."},
};

const QString wrongChars = "Nuvarande ID har felaktiga tecken. Godkända tecken är: ";
struct IdCase
{
    const char *name, *highest;
    int length;
    const char *kind, *next;
    QString message;
};
const IdCase ids[] = {
    {"A 9 to A", "009", 3, "A", "00A", ""},
    {"A Y to Z, the last character", "00Y", 3, "A", "00Z", ""},
    {"A skips I", "00H", 3, "A", "00J", ""},
    {"A skips U", "00T", 3, "A", "00V", ""},
    {"A 0ZZ carries twice", "0ZZ", 3, "A", "100", ""},
    {"A ZZZ grows", "ZZZ", 3, "A", "0000", ""},
    {"A padded", "7", 3, "A", "008", ""},
    {"A empty table", " ", 3, "A", "001", ""},
    {"N 099", "099", 3, "N", "100", ""},
    {"N 999 grows", "999", 3, "N", "0000", ""},
    {"N letter refused", "0A1", 3, "N", "102", wrongChars + "0123456789 Nuvarande ID är: 0A1"},
    {"A lower case refused", "00a", 3, "A", "000",
     wrongChars + "0123456789ABCDEFGHJKLMNOPQRSTVWXYZ Nuvarande ID är: 00a"},
    {"unknown kind uses A", "00Z", 3, "E", "010",
     "Parameter 3 till HmtaNyttID skall vara 'A' eller 'N' är:E"},
    {"length above 10", "5", 12, "N", "0000000006",
     "Parameter 2 till HmtaNyttID får inte vara större än '10' är:12"},
    {"ten places carry out", "9999999999", 10, "N", "0000000000",
     "Längden av ID får inte vara större än '10' är:11"},
    {"longer id counts its first places", "1234", 2, "N", "13", ""},
};
} // namespace

class TestDatabaseChooser : public QObject
{
    Q_OBJECT

    std::unique_ptr<SettingsSandbox> m_sandbox;
    FakeMessageService m_messages;
    SettingsStore m_settings;
    // The program's folder (holding the template) and the folder of the working database.
    std::unique_ptr<TemplateCopy> m_program;
    std::unique_ptr<TemplateCopy> m_work;
    std::unique_ptr<QTemporaryDir> m_other;

    AppGlobals& g() { return AppGlobals::instance(); }
    DatabaseChooser chooser() { return DatabaseChooser(g(), m_messages, m_settings); }
    QString other(const QString& name) { return AppGlobals::joinPath(m_other->path(), name); }
    void useWorking(const QString& folder, const QString& name)
    {
        g().DBKat = folder;
        g().DBNmn = name;
        g().setDBSokVagFromParts();
    }
    void verifyWorking(const QString& folder, const QString& name)
    {
        QCOMPARE(g().DBKat + '|' + g().DBNmn + '|' + g().DBSokVag,
                 folder + '|' + name + '|' + AppGlobals::joinPath(folder, name));
    }
    void verifyNothingSaved()
    {
        QVERIFY(!SettingsSandbox::contains("ValsitKat") && !SettingsSandbox::contains("ValsitNmn"));
    }

private Q_SLOTS:
    void initTestCase() { m_sandbox = std::make_unique<SettingsSandbox>(); }

    void init()
    {
        SettingsSandbox::clear();
        m_messages.reset();
        m_program = std::make_unique<TemplateCopy>();
        m_work = std::make_unique<TemplateCopy>("Prev.mdb");
        m_other = std::make_unique<QTemporaryDir>();
        QVERIFY(m_program->isValid() && m_work->isValid());
        g().programKat = m_program->folder();
        useWorking(m_work->folder(), "Prev.mdb");
    }

    // Nothing stored (or zeros) gives the template beside the program; a stored choice is
    // read with its blanks trimmed.
    void loadFromSettings()
    {
        chooser().loadFromSettings();
        verifyWorking(m_program->folder(), "Valsit.mdb");
        SettingsSandbox::setRaw("ValsitKat", "0");
        SettingsSandbox::setRaw("ValsitNmn", " 0 ");
        chooser().loadFromSettings();
        verifyWorking(m_program->folder(), "Valsit.mdb");
        SettingsSandbox::setRaw("ValsitKat", " " + m_work->folder() + " ");
        SettingsSandbox::setRaw("ValsitNmn", " Kiruna.mdb ");
        chooser().loadFromSettings();
        verifyWorking(m_work->folder(), "Kiruna.mdb");
    }

    void choose_data() { addRows(choices); }
    void choose()
    {
        const ChoiceCase& c = row(choices);
        const QString path = c.file ? other(c.file) : QString(), work = m_work->folder();
        const bool accepted = c.content == "mdb";
        QFile f(path);
        if (accepted || c.content == "broken")
            QVERIFY(QFile::copy(TemplateCopy::templatePath(), path));
        if (c.content == "broken")
            QVERIFY(TemplateCopy::breakIndex(path));
        else if (!accepted && c.content != "-")
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(c.content) == c.content.size());
        f.close();
        if (!c.previousThere)
            QVERIFY(QFile::remove(m_work->path()));
        if (!c.templateThere)
            QVERIFY(QFile::remove(m_program->path()));
        m_messages.files.enqueue(path);
        const QByteArray before = TemplateCopy::bytes(path);
        QCOMPARE(chooser().ValjDatabas(), c.templateThere);
        QCOMPARE(m_messages.fileDialogs.size(), 1);
        QCOMPARE(m_messages.fileDialogs[0].defaultText, m_work->path());
        QCOMPARE(m_messages.fileDialogs[0].filters, QStringList{"Valsit-databas (*.mdb)"});
        const bool program = !c.previousThere;
        QStringList expected{
            "Databasen '" + QString(c.file) + "' finns inte i sökvägen " + m_other->path() +
                "\r\n Programmet återgår till föregående använd databas\r\nDatabasen 'Prev.mdb' "
                "i sökvägen " +
                work,
            "Databasen 'Prev.mdb' finns inte i sökvägen " + work +
                "\r\n Programmet återgår till databasmallen\r\n'Valsit.mdb' i sökvägen " +
                m_program->folder(),
            "Databasen 'Valsit.mdb' finns inte i sökvägen " + m_program->folder() +
                "\r\nInstallationen är förstörd och måste göras om. Programmet avslutas. "};
        expected = expected.mid(0, accepted || !c.file ? 0 : 1 + program + !c.templateThere);
        if (*c.refusal)
            expected = {"Filen 'Gammal.mdb' i sökvägen " + m_other->path() +
                        " kan inte användas som valdatabas.\r\n" +
                        QString(c.refusal).replace("{other}", m_other->path()) +
                        "\r\nProgrammet fortsätter med databasen 'Prev.mdb' i sökvägen " + work};
        QCOMPARE(m_messages.texts(), expected);
        for (const FakeMessageService::Shown& s : m_messages.shown)
            QCOMPARE(s.icon, MessageService::NoIcon);
        if (accepted) {
            verifyWorking(m_other->path(), c.file);
            QCOMPARE(m_settings.value("ValsitKat") + '|' + m_settings.value("ValsitNmn"),
                     m_other->path() + '|' + c.file);
        } else {
            verifyWorking(program ? m_program->folder() : work,
                          program ? "Valsit.mdb" : "Prev.mdb");
            verifyNothingSaved();
        }
        QVERIFY(!SettingsSandbox::contains("ForHeader"));
        QCOMPARE(TemplateCopy::bytes(path), before);
        QCOMPARE(QDir(m_other->path()).entryList(QDir::Files).size(), c.content == "-" ? 0 : 1);
    }

    // Working on the template beside the program, the dialog opens where a database was
    // chosen last.
    void dialogOpensInTheFolderLastUsed()
    {
        QVERIFY(QFile::copy(TemplateCopy::templatePath(), other("Mora.mdb")));
        m_messages.files.enqueue(other("Mora.mdb"));
        QVERIFY(chooser().ValjDatabas());
        useWorking(m_program->folder(), "Valsit.mdb");
        QVERIFY(chooser().ValjDatabas()); // cancelled
        QCOMPARE(m_messages.fileDialogs.last().defaultText + '|' + g().DBSokVag,
                 m_other->path() + '|' + m_program->path());
        QVERIFY(m_messages.shown.isEmpty());
    }

    // A new database is made in the working folder from the template shipped with the
    // program, never from the working election (which may be named Valsit.mdb too), and stays
    // the working one at the next load; a refusal leaves the folder, the working database and
    // the settings as they were.
    void createNew_data() { addRows(creates); }
    void createNew()
    {
        const CreateCase& c = row(creates);
        // The working election beside it holds votes, a district, a lot and published seats.
        ElectionDatabase working(m_work->addCopy("Valsit.mdb"));
        for (const char* sql :
             {"UPDATE Partier SET Roster = 100, PartiValRes = 3",
              "INSERT INTO Distrikt (DistrID, DistrNr, DistrNamn) VALUES (1, 1, 'Ön')",
              "INSERT INTO Lottning (Slag, Plats, PartiID, Fingeravtryck, Programlottad) VALUES "
              "('Nämnd', 1, 'S', 'ab', 1)",
              "INSERT INTO Publicerat VALUES ('S', 0, 3, 0)"})
            working.write("Partier", ElectionDatabase::Update, sql, {});
        // A template installed read-only still gives a database the user can write to.
        QTemporaryDir shipped;
        g().templatePath = shipped.filePath("Valsit.mdb");
        if (!QByteArray(c.name).startsWith("no template"))
            QVERIFY(QFile::copy(TemplateCopy::templatePath(), g().templatePath) &&
                    QFile::setPermissions(g().templatePath, QFile::ReadOwner));
        const QStringList before = QDir(m_work->folder()).entryList(QDir::Files);
        m_messages.inputs.enqueue(c.answer ? std::optional<QString>(c.answer) : std::nullopt);
        const bool created = chooser().SkapaNyDB();
        g().templatePath.clear();
        QCOMPARE(created, *c.created != 0);
        QCOMPARE(m_messages.texts(),
                 *c.message ? QStringList{QString(c.message)
                                              .replace("{work}", m_work->folder())
                                              .replace("{shipped}",
                                                       QDir::toNativeSeparators(shipped.path()))}
                            : QStringList());
        if (!*c.created) {
            QCOMPARE(QDir(m_work->folder()).entryList(QDir::Files), before);
            QVERIFY(!QFile::exists(m_work->folder() + "/../Uppsala.mdb"));
            QCOMPARE(g().DBSokVag, m_work->path());
            verifyNothingSaved();
            return;
        }
        QCOMPARE(m_messages.inputBoxes[0].prompt + '|' + m_messages.inputBoxes[0].title + '|' +
                     m_messages.inputBoxes[0].defaultText,
                 QString("Ange namn på den nya databasen. T ex Uppsala|Namn på ny databas|Test"));
        const QString name = QString(c.created) + ".mdb";
        {
            ElectionDatabase fresh(g().DBSokVag);
            QSqlQuery q("SELECT (SELECT COUNT(*) FROM Partier) || '|' || "
                        "((SELECT SUM(Roster) + SUM(PartiValRes) FROM Partier) + "
                        "(SELECT COUNT(*) FROM Distrikt) + (SELECT COUNT(*) FROM Lottning) + "
                        "(SELECT COUNT(*) FROM Publicerat)) || '|' || Rubrik FROM "
                        "Valinstallningar",
                        fresh.database());
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(), "8|0|för " + QString(c.created));
        }
        QVERIFY(ElectionDatabase::isElectionDatabase(g().DBSokVag));
        QVERIFY(QFile::permissions(g().DBSokVag) & QFile::WriteOwner);
        QVERIFY(ElectionDatabase(g().DBSokVag)
                    .write("Partier", ElectionDatabase::Update, "UPDATE Partier SET Roster = 1", {})
                    .rowsAffected > 0);
        verifyWorking(m_work->folder(), name);

        QCOMPARE(m_settings.value("ValsitKat") + '|' + m_settings.value("ValsitNmn"),
                 m_work->folder() + '|' + name);
    }

    // Run from the build the program works beside itself, even without a template.
    // Installed, it copies the read-only shipped template once into the user's folder and
    // never again over the user's votes; a failure is told and leaves no half template.
    void programFolder()
    {
        QTemporaryDir user, empty, prefix;
        for (const QString& build : {m_program->folder(), empty.path()}) {
            const ProgramFolder::Folders f = ProgramFolder::resolve(build, user.path() + "/V");
            QCOMPARE(f.working, QDir::toNativeSeparators(build));
            QVERIFY(f.problem.isEmpty() && !QFileInfo::exists(user.path() + "/V"));
        }
        QVERIFY(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("share/valsit"));
        const QString bin = prefix.path() + "/bin", shipped = prefix.path() + "/share/valsit";
        QVERIFY(QFile::copy(TemplateCopy::templatePath(), shipped + "/Valsit.mdb"));
        QFile::setPermissions(shipped + "/Valsit.mdb", QFile::ReadOwner | QFile::ReadGroup);
        const QByteArray before = TemplateCopy::bytes(shipped + "/Valsit.mdb");
        const QString userDir = user.path() + "/Dokument/Valsit";
        const ProgramFolder::Folders f = ProgramFolder::resolve(bin, userDir);
        QVERIFY2(f.problem.isEmpty(), qPrintable(f.problem));
        QCOMPARE(f.working, QDir::toNativeSeparators(userDir));
        QCOMPARE(QDir(f.shipped).canonicalPath(), QDir(shipped).canonicalPath());
        const QString working = userDir + "/Valsit.mdb";
        ElectionDatabase(working).write(
            "Partier", ElectionDatabase::Insert,
            "INSERT INTO Partier (PartiID, PartiNamn) VALUES ('ÅP', 'Å')", {});
        const QByteArray votes = TemplateCopy::bytes(working);
        QCOMPARE(ProgramFolder::resolve(bin, userDir).working, f.working);
        QCOMPARE(TemplateCopy::bytes(working), votes);
        QCOMPARE(TemplateCopy::bytes(shipped + "/Valsit.mdb"), before);
        QVERIFY(!QFileInfo::exists(working + ".tmp"));

        const QString blocker = user.path() + "/Fil"; // a file where the folder should be
        QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
        const ProgramFolder::Folders g = ProgramFolder::resolve(bin, blocker);
        QVERIFY(g.problem.startsWith("Mappen "));
        QCOMPARE(g.working, QDir::toNativeSeparators(bin));
        const QString other = user.path() + "/Annan";
        QVERIFY(QDir().mkpath(other + "/Valsit.mdb.tmp")); // the copy cannot be written
        QVERIFY(ProgramFolder::resolve(bin, other).problem.startsWith("Databasmallen kunde inte"));
        QVERIFY(!QFileInfo::exists(other + "/Valsit.mdb"));
    }

    void nextId_data() { addRows(ids); }
    void nextId()
    {
        const IdCase& c = row(ids);
        FakeMessageService service;
        QCOMPARE(HmtaNyttID(service, c.highest, c.length, c.kind), QString(c.next));
        QCOMPARE(service.texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        for (const FakeMessageService::Shown& s : service.shown)
            QCOMPARE(s.icon, MessageService::NoIcon);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseChooser)
#include "tst_DatabaseChooser.moc"
