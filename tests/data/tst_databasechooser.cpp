// Choosing the working database (with its fallbacks and messages), reading it from the
// settings, and creating a new database from the template.
#include "FakeMessageService.h"
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

const QString crlf = "\r\n";

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QString join(const QString& folder, const QString& name)
{
    return AppGlobals::joinPath(folder, name);
}

} // namespace

class TestDatabaseChooser : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SettingsSandbox> m_sandbox;
    FakeMessageService m_messages;
    SettingsStore m_settings;
    // The program's folder (holding the template) and the folder of the working database.
    std::unique_ptr<TemplateCopy> m_program;
    std::unique_ptr<TemplateCopy> m_work;
    std::unique_ptr<QTemporaryDir> m_other;

    AppGlobals& g() { return AppGlobals::instance(); }
    DatabaseChooser chooser() { return DatabaseChooser(g(), m_messages, m_settings); }

    void useWorking(const QString& folder, const QString& name)
    {
        g().DBKat = folder;
        g().DBNmn = name;
        g().setDBSokVagFromParts();
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

    void loadFromSettings_data()
    {
        QTest::addColumn<QString>("kat");
        QTest::addColumn<QString>("nmn");
        QTest::addColumn<bool>("inProgramFolder");
        QTest::addColumn<QString>("expectedNmn");
        QTest::newRow("first start") << ""
                                     << "" << true << "Valsit.mdb";
        QTest::newRow("zeros") << "0"
                               << " 0 " << true << "Valsit.mdb";
        QTest::newRow("stored") << "work"
                                << " Kiruna.mdb " << false << "Kiruna.mdb";
    }

    void loadFromSettings()
    {
        QFETCH(QString, kat);
        QFETCH(QString, nmn);
        QFETCH(bool, inProgramFolder);
        QFETCH(QString, expectedNmn);
        if (!kat.isEmpty())
            SettingsSandbox::setRaw("ValsitKat",
                                    kat == "work" ? " " + m_work->folder() + " " : kat);
        if (!nmn.isEmpty())
            SettingsSandbox::setRaw("ValsitNmn", nmn);
        chooser().loadFromSettings();
        const QString folder = inProgramFolder ? m_program->folder() : m_work->folder();
        QCOMPARE(g().DBKat, folder);
        QCOMPARE(g().DBNmn, expectedNmn);
        QCOMPARE(g().DBSokVag, join(folder, expectedNmn));
    }

    void splitPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kat");
        QTest::addColumn<QString>("nmn");
        QTest::newRow("plain") << "/val/Uppsala.mdb"
                               << "/val"
                               << "Uppsala.mdb";
        QTest::newRow("lower case") << "/val/uppsala.mdb"
                                    << "/val"
                                    << "uppsala.mdb";
        QTest::newRow("upper case") << "/val/UPPSALA.MDB"
                                    << "/val"
                                    << "UPPSALA.MDB";
        QTest::newRow("folder with blank") << "/val 2026/Kommun.mdb"
                                           << "/val 2026"
                                           << "Kommun.mdb";
        QTest::newRow("no .mdb") << "/val/Uppsala.txt"
                                 << "0"
                                 << "0";
        QTest::newRow("no separator") << "Uppsala.mdb"
                                      << "0"
                                      << "0";
        QTest::newRow("empty") << ""
                               << "0"
                               << "0";
    }

    void splitPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, kat);
        QFETCH(QString, nmn);
        QString folder, name;
        DatabaseChooser::splitPath(path, &folder, &name);
        QCOMPARE(folder, kat);
        QCOMPARE(name, nmn);
    }

    // A usable choice becomes the working database, is saved, and names the heading.
    void choiceAccepted_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("heading"); // empty: unchanged
        QTest::newRow("Uppsala") << "Uppsala.mdb"
                                 << "för Uppsala";
        QTest::newRow("lower case") << "uppsala.mdb"
                                    << "för uppsala";
        QTest::newRow("template name elsewhere") << "Valsit.mdb"
                                                 << "";
        QTest::newRow("template name, other case") << "VALSIT.mdb"
                                                   << "";
    }

    void choiceAccepted()
    {
        QFETCH(QString, file);
        QFETCH(QString, heading);
        QVERIFY(QFile::copy(TemplateCopy::templatePath(), join(m_other->path(), file)));
        m_messages.files.enqueue(join(m_other->path(), file));
        QString got = "unchanged";
        QVERIFY(chooser().ValjDatabas(&got));
        QCOMPARE(m_messages.fileDialogs.size(), 1);
        QCOMPARE(m_messages.fileDialogs[0].defaultText, join(m_work->folder(), "Prev.mdb"));
        QCOMPARE(m_messages.fileDialogs[0].filters, QStringList{"Valsit Database (*.mdb)"});
        QVERIFY(m_messages.shown.isEmpty());
        QCOMPARE(g().DBKat, m_other->path());
        QCOMPARE(g().DBNmn, file);
        QCOMPARE(g().DBSokVag, join(m_other->path(), file));
        QCOMPARE(m_settings.value("ValsitKat"), m_other->path());
        QCOMPARE(m_settings.value("ValsitNmn"), file);
        QCOMPARE(got, heading.isEmpty() ? QString("unchanged") : heading);
        QCOMPARE(SettingsSandbox::contains("ForHeader"), !heading.isEmpty());
        if (!heading.isEmpty())
            QCOMPARE(m_settings.value("ForHeader"), heading);
    }

    // Cancel changes nothing: not the database, not a heading typed by the user.
    void cancelledDialogChangesNothing()
    {
        m_settings.setValue("ForHeader", "för Bygg & Miljö");
        QString heading = "unchanged";
        QVERIFY(chooser().ValjDatabas(&heading));
        QVERIFY(m_messages.shown.isEmpty());
        QCOMPARE(g().DBSokVag, m_work->path());
        QVERIFY(!SettingsSandbox::contains("ValsitNmn"));
        QCOMPARE(heading, QString("unchanged"));
        QCOMPARE(m_settings.value("ForHeader"), QString("för Bygg & Miljö"));
    }

    // Working on the template next to the program, the dialog opens where the user
    // chose a database last, not in the program's folder.
    void dialogOpensInTheFolderLastUsed()
    {
        QVERIFY(QFile::copy(TemplateCopy::templatePath(), join(m_other->path(), "Mora.mdb")));
        m_messages.files.enqueue(join(m_other->path(), "Mora.mdb"));
        QVERIFY(chooser().ValjDatabas(nullptr));
        useWorking(m_program->folder(), "Valsit.mdb");
        QVERIFY(chooser().ValjDatabas(nullptr)); // cancelled
        QCOMPARE(m_messages.fileDialogs.last().defaultText, m_other->path());
        QCOMPARE(g().DBSokVag, m_program->path());
    }

    // The fallbacks: the chosen file, then the previous database, then the template in
    // the program's folder, then the end.
    void fallbacks_data()
    {
        QTest::addColumn<QString>("chosen"); // relative to the other folder
        QTest::addColumn<bool>("previousThere");
        QTest::addColumn<bool>("templateThere");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("where");        // "previous", "template"
        QTest::addColumn<QStringList>("messages"); // with placeholders {other} {work} {program}

        const QString back = "{nmn}' finns inte i sökvägen {kat}" + crlf +
                             " Programmet återgår till föregående använd databas" + crlf +
                             "Databasen 'Prev.mdb' i sökvägen {work}";
        QTest::newRow("missing file")
            << "Borta.mdb" << true << true << true << "previous"
            << QStringList{"Databasen 'Borta.mdb' finns inte i sökvägen {other}" + crlf +
                           " Programmet återgår till föregående använd databas" + crlf +
                           "Databasen 'Prev.mdb' i sökvägen {work}"};
        QTest::newRow("path without .mdb")
            << "lista.txt" << true << true << true << "previous"
            << QStringList{"Databasen '0' finns inte i sökvägen 0" + crlf +
                           " Programmet återgår till föregående använd databas" + crlf +
                           "Databasen 'Prev.mdb' i sökvägen {work}"};
        QTest::newRow("previous gone too")
            << "Borta.mdb" << false << true << true << "template"
            << QStringList{"Databasen 'Borta.mdb' finns inte i sökvägen {other}" + crlf +
                               " Programmet återgår till föregående använd databas" + crlf +
                               "Databasen 'Prev.mdb' i sökvägen {work}",
                           "Databasen 'Prev.mdb' finns inte i sökvägen {work}" + crlf +
                               " Programmet återgår till databasmallen" + crlf +
                               "'Valsit.mdb' i sökvägen {program}"};
        QTest::newRow("template gone too")
            << "Borta.mdb" << false << false << false << "template"
            << QStringList{
                   "Databasen 'Borta.mdb' finns inte i sökvägen {other}" + crlf +
                       " Programmet återgår till föregående använd databas" + crlf +
                       "Databasen 'Prev.mdb' i sökvägen {work}",
                   "Databasen 'Prev.mdb' finns inte i sökvägen {work}" + crlf +
                       " Programmet återgår till databasmallen" + crlf +
                       "'Valsit.mdb' i sökvägen {program}",
                   "Databasen 'Valsit.mdb' finns inte i sökvägen {program}" + crlf +
                       "Installationen är förstörd och måste göras om. Programmet avslutas. "};
    }

    void fallbacks()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, previousThere);
        QFETCH(bool, templateThere);
        QFETCH(bool, result);
        QFETCH(QString, where);
        QFETCH(QStringList, messages);
        if (chosen.endsWith(".txt"))
            writeFile(join(m_other->path(), chosen), "text");
        if (!previousThere)
            QVERIFY(QFile::remove(m_work->path()));
        if (!templateThere)
            QVERIFY(QFile::remove(m_program->path()));
        m_messages.files.enqueue(join(m_other->path(), chosen));

        QCOMPARE(chooser().ValjDatabas(nullptr), result);
        QStringList expected;
        for (QString m : messages)
            expected.append(m.replace("{other}", m_other->path())
                                .replace("{work}", m_work->folder())
                                .replace("{program}", m_program->folder()));
        QCOMPARE(m_messages.texts(), expected);
        for (const FakeMessageService::Shown& s : m_messages.shown) {
            QCOMPARE(s.buttons, MessageService::Ok);
            QCOMPARE(s.icon, MessageService::NoIcon);
        }
        const QString folder = where == "previous" ? m_work->folder() : m_program->folder();
        const QString name = where == "previous" ? "Prev.mdb" : "Valsit.mdb";
        QCOMPARE(g().DBKat, folder);
        QCOMPARE(g().DBNmn, name);
        QCOMPARE(g().DBSokVag, join(folder, name));
        QVERIFY(!SettingsSandbox::contains("ValsitKat"));
        QVERIFY(!SettingsSandbox::contains("ValsitNmn"));
    }

    // A file with the right name that is no election database is refused and left as it
    // was; the working database stays.
    void notAnElectionDatabase_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QByteArray jet(4096, '\0');
        jet.replace(0, 19, QByteArray("\x00\x01\x00\x00Standard Jet DB", 19));
        QTest::newRow("old Jet file") << jet << "äldre programversion";
        QTest::newRow("text file")
            << QByteArray("S;Socialdemokraterna;1200\n") << "är ingen databas";
        QTest::newRow("empty file") << QByteArray() << "är tom";
    }

    void notAnElectionDatabase()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString path = join(m_other->path(), "Gammal.mdb");
        writeFile(path, content);
        const QByteArray before = fileHash(path);
        m_messages.files.enqueue(path);
        QString heading = "unchanged";

        QVERIFY(chooser().ValjDatabas(&heading));
        QCOMPARE(m_messages.shown.size(), 1);
        const QString text = m_messages.shown[0].text;
        QVERIFY2(text.startsWith("Filen 'Gammal.mdb' i sökvägen " + m_other->path() +
                                 " kan inte användas som valdatabas."),
                 qPrintable(text));
        QVERIFY2(text.contains(reason), qPrintable(text));
        QVERIFY2(text.endsWith("Programmet fortsätter med databasen 'Prev.mdb' i sökvägen " +
                               m_work->folder()),
                 qPrintable(text));
        QCOMPARE(g().DBSokVag, m_work->path());
        QCOMPARE(heading, QString("unchanged"));
        QVERIFY(!SettingsSandbox::contains("ValsitNmn"));
        QCOMPARE(fileHash(path), before);
        QCOMPARE(QDir(m_other->path()).entryList(QDir::Files), QStringList{"Gammal.mdb"});
    }

    void createNew_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("name");
        QTest::newRow("name") << "Uppsala"
                              << "Uppsala";
        QTest::newRow("empty answer") << ""
                                      << "Test";
        QTest::newRow("one character") << "U"
                                       << "Test";
        QTest::newRow("two characters") << "Ed"
                                        << "Ed";
    }

    void createNew()
    {
        QFETCH(QString, answer);
        QFETCH(QString, name);
        QVERIFY(!m_work->addCopy("Valsit.mdb").isEmpty());
        m_messages.inputs.enqueue(answer);
        QString heading;
        QVERIFY(chooser().SkapaNyDB(&heading));
        QCOMPARE(m_messages.inputBoxes.size(), 1);
        QCOMPARE(m_messages.inputBoxes[0].prompt,
                 QString("Ange namn på den nya databasen. T ex Uppsala"));
        QCOMPARE(m_messages.inputBoxes[0].title, QString("Namn på ny databas"));
        QCOMPARE(m_messages.inputBoxes[0].defaultText, QString("Test"));
        QVERIFY(m_messages.shown.isEmpty());

        const QString path = join(m_work->folder(), name + ".mdb");
        QVERIFY(ElectionDatabase::isElectionDatabase(path));
        QCOMPARE(g().DBNmn, name + ".mdb");
        QCOMPARE(g().DBSokVag, path);
        QCOMPARE(g().DBKat, m_work->folder());
        QCOMPARE(heading, "för " + name);
        QCOMPARE(m_settings.value("ForHeader"), "för " + name);
        // The new database stays the working one at the next load.
        QCOMPARE(m_settings.value("ValsitKat"), m_work->folder());
        QCOMPARE(m_settings.value("ValsitNmn"), name + ".mdb");
    }

    void createNewRefused_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("templateInFolder");
        QTest::addColumn<QString>("message"); // {work} for the folder
        QTest::newRow("no template in the database folder")
            << "Uppsala" << false << "Databasen 'Valsit.mdb' finns inte i sökvägen {work} ";
        QTest::newRow("name in use")
            << "Prev" << true << "Databasen 'Prev.mdb' finns redan i sökvägen {work} ";
        QTest::newRow("path in the name") << "../Uppsala" << true
                                          << "Namnet '../Uppsala' får inte innehålla tecknen / "
                                             "eller \\. Ange bara ett namn, t ex Uppsala";
        QTest::newRow("cancelled") << QString() << true << QString(); // no message
    }

    void createNewRefused()
    {
        QFETCH(QString, answer);
        QFETCH(bool, templateInFolder);
        QFETCH(QString, message);
        if (templateInFolder)
            QVERIFY(!m_work->addCopy("Valsit.mdb").isEmpty());
        const QStringList before = QDir(m_work->folder()).entryList(QDir::Files);
        m_messages.inputs.enqueue(answer.isNull() ? std::nullopt : std::optional<QString>(answer));
        QString heading = "unchanged";
        QVERIFY(!chooser().SkapaNyDB(&heading));
        QCOMPARE(m_messages.texts(),
                 message.isNull() ? QStringList()
                                  : QStringList{message.replace("{work}", m_work->folder())});
        QCOMPARE(QDir(m_work->folder()).entryList(QDir::Files), before);
        QVERIFY(!QFile::exists(m_work->folder() + "/../Uppsala.mdb"));
        QCOMPARE(g().DBSokVag, m_work->path());
        QCOMPARE(heading, QString("unchanged"));
        QVERIFY(!SettingsSandbox::contains("ForHeader"));
        QVERIFY(!SettingsSandbox::contains("ValsitNmn"));
    }

    void createTestTwice()
    {
        QVERIFY(!m_work->addCopy("Valsit.mdb").isEmpty());
        QVERIFY(chooser().SkapaNyDB(nullptr));
        QVERIFY(m_messages.shown.isEmpty());
        QVERIFY(!chooser().SkapaNyDB(nullptr));
        QCOMPARE(m_messages.texts(), QStringList{"Databasen 'Test.mdb' finns redan i sökvägen " +
                                                 m_work->folder() + " "});
    }

    // A template installed read-only still gives a database the user can write to.
    void createdFromReadOnlyTemplateIsWritable()
    {
        const QString templ = m_work->addCopy("Valsit.mdb");
        QVERIFY(
            QFile::setPermissions(templ, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
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
#include "tst_databasechooser.moc"
