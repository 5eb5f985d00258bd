// Choosing the working database (with its fallbacks and messages), reading it from the
// settings, and creating a new database from the template.
#include "FakeMessageService.h"
#include "Rows.h"
#include "SettingsSandbox.h"
#include "TemplateCopy.h"

#include "data/DataControl.h"
#include "data/DatabaseChooser.h"
#include "data/ElectionDatabase.h"
#include "shell/AppGlobals.h"
#include "shell/SettingsStore.h"

#include <QCryptographicHash>
#include <QtTest>

namespace {

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

QString join(const QString& folder, const QString& name)
{
    return AppGlobals::joinPath(folder, name);
}

struct SplitCase
{
    const char* name;
    const char* path;
    const char* kat;
    const char* nmn;
};
const SplitCase splits[] = {
    {"plain", "/val/Uppsala.mdb", "/val", "Uppsala.mdb"},
    {"upper case", "/val/UPPSALA.MDB", "/val", "UPPSALA.MDB"},
    {"folder with blank", "/val 2026/Kommun.mdb", "/val 2026", "Kommun.mdb"},
    {"no .mdb", "/val/Uppsala.txt", "0", "0"},
    {"no separator", "Uppsala.mdb", "0", "0"},
    {"empty", "", "0", "0"},
};

struct AcceptCase
{
    const char* name;
    const char* file;
    const char* heading; // empty: unchanged
};
const AcceptCase accepts[] = {
    {"Uppsala", "Uppsala.mdb", "för Uppsala"},
    {"lower case", "uppsala.mdb", "för uppsala"},
    {"template name elsewhere", "Valsit.mdb", ""},
    {"template name, other case", "VALSIT.mdb", ""},
};

// The fallbacks: the chosen file, then the previous database, then the template in the
// program's folder, then the end. Messages: {other} {work} {program} for the folders.
const QString toPrevious = "' finns inte i sökvägen %1\r\n Programmet återgår till föregående "
                           "använd databas\r\nDatabasen 'Prev.mdb' i sökvägen {work}";
const QString toTemplate = "Databasen 'Prev.mdb' finns inte i sökvägen {work}\r\n Programmet "
                           "återgår till databasmallen\r\n'Valsit.mdb' i sökvägen {program}";
const QString noTemplate = "Databasen 'Valsit.mdb' finns inte i sökvägen {program}\r\n"
                           "Installationen är förstörd och måste göras om. Programmet avslutas. ";
struct FallbackCase
{
    const char* name;
    const char* chosen; // in the other folder
    bool previousThere, templateThere, result, toPrevious;
    QStringList messages;
};
const FallbackCase fallbacksCases[] = {
    {"missing file",
     "Borta.mdb",
     true,
     true,
     true,
     true,
     {"Databasen 'Borta.mdb" + toPrevious.arg("{other}")}},
    {"path without .mdb",
     "lista.txt",
     true,
     true,
     true,
     true,
     {"Databasen '0" + toPrevious.arg("0")}},
    {"previous gone too",
     "Borta.mdb",
     false,
     true,
     true,
     false,
     {"Databasen 'Borta.mdb" + toPrevious.arg("{other}"), toTemplate}},
    {"template gone too",
     "Borta.mdb",
     false,
     false,
     false,
     false,
     {"Databasen 'Borta.mdb" + toPrevious.arg("{other}"), toTemplate, noTemplate}},
};

struct ForeignCase
{
    const char* name;
    QByteArray content;
    const char* reason;
};
const ForeignCase foreign[] = {
    {"old Jet file", QByteArray("\x00\x01\x00\x00Standard Jet DB", 19) + QByteArray(4096, '\0'),
     "äldre programversion"},
    {"text file", "S;Socialdemokraterna;1200\n", "är ingen databas"},
    {"empty file", QByteArray(), "är tom"},
};

struct CreateCase
{
    const char* name;
    const char* answer;
    const char* created;
};
const CreateCase creates[] = {
    {"name", "Uppsala", "Uppsala"},
    {"empty answer", "", "Test"},
    {"one character", "U", "Test"},
    {"two characters", "Ed", "Ed"},
};

struct RefusedCase
{
    const char* name;
    const char* answer; // nullptr: the user cancels
    bool templateInFolder;
    const char* message; // {work} for the folder
};
const RefusedCase refused[] = {
    {"no template in the database folder", "Uppsala", false,
     "Databasen 'Valsit.mdb' finns inte i sökvägen {work} "},
    {"name in use", "Prev", true, "Databasen 'Prev.mdb' finns redan i sökvägen {work} "},
    {"path in the name", "../Uppsala", true,
     "Namnet '../Uppsala' får inte innehålla tecknen / eller \\. Ange bara ett namn, t ex "
     "Uppsala"},
    {"cancelled", nullptr, true, ""},
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
    QString other(const QString& name) { return join(m_other->path(), name); }
    void useWorking(const QString& folder, const QString& name)
    {
        g().DBKat = folder;
        g().DBNmn = name;
        g().setDBSokVagFromParts();
    }
    void verifyWorking(const QString& folder, const QString& name)
    {
        QCOMPARE(g().DBKat, folder);
        QCOMPARE(g().DBNmn, name);
        QCOMPARE(g().DBSokVag, join(folder, name));
    }
    void verifyNothingSaved()
    {
        QVERIFY(!SettingsSandbox::contains("ValsitKat"));
        QVERIFY(!SettingsSandbox::contains("ValsitNmn"));
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

    void splitPath_data() { addRows(splits); }
    void splitPath()
    {
        const SplitCase& c = row(splits);
        QString folder, name;
        DatabaseChooser::splitPath(c.path, &folder, &name);
        QCOMPARE(folder + '|' + name, QString(c.kat) + '|' + c.nmn);
    }

    // A usable choice becomes the working database, is saved, and names the heading.
    void choiceAccepted_data() { addRows(accepts); }
    void choiceAccepted()
    {
        const AcceptCase& c = row(accepts);
        QVERIFY(QFile::copy(TemplateCopy::templatePath(), other(c.file)));
        m_messages.files.enqueue(other(c.file));
        QString got = "unchanged";
        QVERIFY(chooser().ValjDatabas(&got));
        QCOMPARE(m_messages.fileDialogs.size(), 1);
        QCOMPARE(m_messages.fileDialogs[0].defaultText, m_work->path());
        QCOMPARE(m_messages.fileDialogs[0].filters, QStringList{"Valsit Database (*.mdb)"});
        QVERIFY(m_messages.shown.isEmpty());
        verifyWorking(m_other->path(), c.file);
        QCOMPARE(m_settings.value("ValsitKat"), m_other->path());
        QCOMPARE(m_settings.value("ValsitNmn"), QString(c.file));
        QCOMPARE(got, *c.heading ? QString(c.heading) : "unchanged");
        QCOMPARE(SettingsSandbox::contains("ForHeader"), *c.heading != 0);
    }

    // Cancel changes nothing, not a heading typed by the user either. Working on the
    // template beside the program, the dialog opens where a database was chosen last.
    void cancelAndTheFolderLastUsed()
    {
        m_settings.setValue("ForHeader", "för Bygg & Miljö");
        QString heading = "unchanged";
        QVERIFY(chooser().ValjDatabas(&heading));
        QCOMPARE(g().DBSokVag, m_work->path());
        verifyNothingSaved();
        QCOMPARE(heading, QString("unchanged"));
        QCOMPARE(m_settings.value("ForHeader"), QString("för Bygg & Miljö"));

        QVERIFY(QFile::copy(TemplateCopy::templatePath(), other("Mora.mdb")));
        m_messages.files.enqueue(other("Mora.mdb"));
        QVERIFY(chooser().ValjDatabas(nullptr));
        useWorking(m_program->folder(), "Valsit.mdb");
        QVERIFY(chooser().ValjDatabas(nullptr)); // cancelled
        QCOMPARE(m_messages.fileDialogs.last().defaultText, m_other->path());
        QCOMPARE(g().DBSokVag, m_program->path());
        QVERIFY(m_messages.shown.isEmpty());
    }

    void fallbacks_data() { addRows(fallbacksCases); }
    void fallbacks()
    {
        const FallbackCase& c = row(fallbacksCases);
        if (QString(c.chosen).endsWith(".txt")) {
            QFile f(other(c.chosen));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("text") == 4);
        }
        if (!c.previousThere)
            QVERIFY(QFile::remove(m_work->path()));
        if (!c.templateThere)
            QVERIFY(QFile::remove(m_program->path()));
        m_messages.files.enqueue(other(c.chosen));
        QCOMPARE(chooser().ValjDatabas(nullptr), c.result);
        QStringList expected;
        for (QString m : c.messages)
            expected.append(m.replace("{other}", m_other->path())
                                .replace("{work}", m_work->folder())
                                .replace("{program}", m_program->folder()));
        QCOMPARE(m_messages.texts(), expected);
        for (const FakeMessageService::Shown& s : m_messages.shown)
            QCOMPARE(s.icon, MessageService::NoIcon);
        if (c.toPrevious)
            verifyWorking(m_work->folder(), "Prev.mdb");
        else
            verifyWorking(m_program->folder(), "Valsit.mdb");
        verifyNothingSaved();
    }

    // A file with the right name that is no election database is refused and left as it
    // was; the working database stays.
    void notAnElectionDatabase_data() { addRows(foreign); }
    void notAnElectionDatabase()
    {
        const ForeignCase& c = row(foreign);
        const QString path = other("Gammal.mdb");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(c.content);
        f.close();
        const QByteArray before = fileHash(path);
        m_messages.files.enqueue(path);
        QString heading = "unchanged";
        QVERIFY(chooser().ValjDatabas(&heading));
        QCOMPARE(m_messages.shown.size(), 1);
        const QString text = m_messages.shown[0].text;
        QVERIFY2(text.startsWith("Filen 'Gammal.mdb' i sökvägen " + m_other->path() +
                                 " kan inte användas som valdatabas."),
                 qPrintable(text));
        QVERIFY2(text.contains(c.reason), qPrintable(text));
        QVERIFY2(text.endsWith("Programmet fortsätter med databasen 'Prev.mdb' i sökvägen " +
                               m_work->folder()),
                 qPrintable(text));
        QCOMPARE(g().DBSokVag, m_work->path());
        QCOMPARE(heading, QString("unchanged"));
        verifyNothingSaved();
        QCOMPARE(fileHash(path), before);
        QCOMPARE(QDir(m_other->path()).entryList(QDir::Files), QStringList{"Gammal.mdb"});
    }

    void createNew_data() { addRows(creates); }
    void createNew()
    {
        const CreateCase& c = row(creates);
        QVERIFY(!m_work->addCopy("Valsit.mdb").isEmpty());
        m_messages.inputs.enqueue(QString(c.answer));
        QString heading;
        QVERIFY(chooser().SkapaNyDB(&heading));
        QCOMPARE(m_messages.inputBoxes.size(), 1);
        QCOMPARE(m_messages.inputBoxes[0].prompt,
                 QString("Ange namn på den nya databasen. T ex Uppsala"));
        QCOMPARE(m_messages.inputBoxes[0].title, QString("Namn på ny databas"));
        QCOMPARE(m_messages.inputBoxes[0].defaultText, QString("Test"));
        QVERIFY(m_messages.shown.isEmpty());
        const QString name = QString(c.created) + ".mdb";
        QVERIFY(ElectionDatabase::isElectionDatabase(join(m_work->folder(), name)));
        verifyWorking(m_work->folder(), name);
        QCOMPARE(heading, "för " + QString(c.created));
        QCOMPARE(m_settings.value("ForHeader"), heading);
        // The new database stays the working one at the next load.
        QCOMPARE(m_settings.value("ValsitKat"), m_work->folder());
        QCOMPARE(m_settings.value("ValsitNmn"), name);
    }

    void createNewRefused_data() { addRows(refused); }
    void createNewRefused()
    {
        const RefusedCase& c = row(refused);
        if (c.templateInFolder)
            QVERIFY(!m_work->addCopy("Valsit.mdb").isEmpty());
        const QStringList before = QDir(m_work->folder()).entryList(QDir::Files);
        m_messages.inputs.enqueue(c.answer ? std::optional<QString>(c.answer) : std::nullopt);
        QString heading = "unchanged";
        QVERIFY(!chooser().SkapaNyDB(&heading));
        QCOMPARE(m_messages.texts(),
                 *c.message ? QStringList{QString(c.message).replace("{work}", m_work->folder())}
                            : QStringList());
        QCOMPARE(QDir(m_work->folder()).entryList(QDir::Files), before);
        QVERIFY(!QFile::exists(m_work->folder() + "/../Uppsala.mdb"));
        QCOMPARE(g().DBSokVag, m_work->path());
        QCOMPARE(heading, QString("unchanged"));
        QVERIFY(!SettingsSandbox::contains("ForHeader"));
        verifyNothingSaved();
    }

    // A template installed read-only still gives a database the user can write to.
    void createdFromReadOnlyTemplateIsWritable()
    {
        const QString templ = m_work->addCopy("Valsit.mdb");
        QVERIFY(QFile::setPermissions(templ, QFile::ReadOwner | QFile::ReadGroup));
        m_messages.inputs.enqueue("Kiruna");
        QVERIFY(chooser().SkapaNyDB(nullptr));
        QVERIFY(QFile::permissions(g().DBSokVag) & QFile::WriteOwner);
        DataControl data;
        data.setDatabaseName(g().DBSokVag);
        data.setRecordSource("Partier");
        data.Refresh();
        data.Recordset().Edit();
        data.Recordset().Fields("Roster").setValue(10);
        data.Recordset().Update();
        QCOMPARE(data.Recordset().Fields("Roster").Value().toInt(), 10);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseChooser)
#include "tst_DatabaseChooser.moc"
