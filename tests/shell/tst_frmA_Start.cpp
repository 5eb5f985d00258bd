// The main window, driven as a user would: menus, the heading, the database commands,
// "&Fortsätt" for each calculation, and exit. Dialogs are answered by the fake message
// service; the database is a copy of the template; the settings are isolated.
#include "FakeMessageService.h"
#include "FixedClock.h"
#include "SettingsSandbox.h"
#include "TemplateCopy.h"

#include "committee/ValsitBer.h"
#include "council/RostBer.h"
#include "shell/AppGlobals.h"
#include "shell/SettingsStore.h"
#include "shell/ui/AppServices.h"
#include "shell/ui/WindowRegistry.h"
#include "shell/ui/frmA_Start.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

const QString crlf = "\r\n";

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Real dialogs give the main window back its activation when they close; this fake does
// the same while its dialog is "open".
class ActivatingFakeMessageService : public FakeMessageService
{
public:
    QPointer<QWidget> window;

    QString fileOpen(const QString& title, const QString& directory,
                     const QStringList& filters) override
    {
        reactivate();
        return FakeMessageService::fileOpen(title, directory, filters);
    }
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                     bool* accepted) override
    {
        reactivate();
        return FakeMessageService::inputBox(prompt, title, defaultText, accepted);
    }

private:
    void reactivate()
    {
        if (window) {
            QEvent activate(QEvent::WindowActivate);
            QCoreApplication::sendEvent(window, &activate);
        }
    }
};

// A window with a change pending, which refuses to close.
class StubbornWindow : public QWidget
{
protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

} // namespace

class TestFrmAStart : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SettingsSandbox> m_sandbox;
    ActivatingFakeMessageService m_messages;
    FixedClock m_clock;
    AppServices m_services{m_messages, m_clock};
    std::unique_ptr<TemplateCopy> m_program;
    std::unique_ptr<QTemporaryDir> m_other;

    AppGlobals& g() { return AppGlobals::instance(); }
    WindowRegistry& registry() { return WindowRegistry::instance(); }

    // Loads the main window as the program does and waits for its activation.
    frmA_Start* load()
    {
        auto* w = qobject_cast<frmA_Start*>(registry().show("frmA_Start"));
        if (w && !QTest::qWaitForWindowActive(w))
            return nullptr;
        return w;
    }

    QAction* item(QWidget* w, const char* name) { return w->findChild<QAction*>(name); }

    // Opens a menu of the menu bar with the mouse and clicks one of its items; a menu-bar
    // item without a menu is clicked directly.
    void click(frmA_Start* w, const char* menuName, const char* itemName = nullptr)
    {
        QMenuBar* bar = w->menuBar();
        QAction* top = item(w, menuName);
        QVERIFY2(top, menuName);
        const QRect place = bar->actionGeometry(top);
        if (!itemName && place.isEmpty()) {
            top->trigger(); // a long caption pushed it into the bar's overflow menu
            return;
        }
        QTest::mouseClick(bar, Qt::LeftButton, {}, place.center());
        if (!itemName)
            return;
        QMenu* menu = top->menu();
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        QAction* entry = item(w, itemName);
        QVERIFY2(entry, itemName);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
        QTRY_VERIFY(!menu->isVisible());
    }

    void clickNext(frmA_Start* w)
    {
        auto* next = w->findChild<QPushButton*>("cmdNext");
        QVERIFY(next);
        QCOMPARE(next->text(), QString("&Fortsätt"));
        QTest::mouseClick(next, Qt::LeftButton);
    }

    static QString text(QWidget* w, const char* name)
    {
        if (auto* label = w->findChild<QLabel*>(name))
            return label->text();
        if (auto* action = w->findChild<QAction*>(name))
            return action->text();
        if (auto* menu = w->findChild<QMenu*>(name))
            return menu->title();
        return "<no " + QString(name) + ">";
    }

    static QWidget* standIn(const QString& name)
    {
        auto* w = new QWidget;
        w->setObjectName(name);
        w->resize(200, 100);
        return w;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_sandbox = std::make_unique<SettingsSandbox>();
        registerShellWindowsForTest();
    }

    void registerShellWindowsForTest()
    {
        registry().registerWindow("frmA_Start", [this] { return new frmA_Start(m_services); });
        registry().registerWindow("frmB_Valresultat", [] { return standIn("frmB_Valresultat"); });
        registry().registerWindow("frmE_PrelRes", [] { return standIn("frmE_PrelRes"); });
    }

    void init()
    {
        SettingsSandbox::clear();
        m_messages.reset();
        m_messages.window = nullptr;
        m_program = std::make_unique<TemplateCopy>();
        m_other = std::make_unique<QTemporaryDir>();
        QVERIFY(m_program->isValid());
        g().programKat = m_program->folder();
        g().FormLage = 0;
        g().SkarmOK = true;
        m_services.screenHeight = [] { return 768; };
        registry().shown.clear();
        registry().unregisterWindow("frmAB_ProdInfo");
    }

    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->inherits("QMenu")) {
                WindowRegistry::unload(w);
                w->deleteLater();
            }
        }
        flushDeletes();
    }

    void firstStart()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        QVERIFY(m_messages.shown.isEmpty());
        QCOMPARE(w->windowTitle(), QString("Valsit"));
        QCOMPARE(text(w, "lblTitle"), QString("Valsit"));
        QCOMPARE(text(w, "lblVersion"), QString("Version 4.0.6"));
        QCOMPARE(g().DBSokVag, m_program->path());
        QCOMPARE(text(w, "mnuRecentFile"), m_program->path());
        QCOMPARE(w->AntFullm(), 41);
        QCOMPARE(w->AntNmnd(), 11);
        QVERIFY(item(w, "mnuNmndmnd")->isChecked());
        QVERIFY(!item(w, "mnuPrelFullm")->isChecked());
        QCOMPARE(text(w, "mnuOption"), QString("Beräkning av nämnd-valsit"));
        QCOMPARE(text(w, "mnuForHeader"), QString("för RUBRIK"));
        QCOMPARE(text(w, "mnuExit"), QString("Avsluta"));
        QCOMPARE(text(w, "mnuInfo"), QString("Information"));
        QCOMPARE(text(w, "mnuDataBas"), QString("DataBas"));
        QCOMPARE(text(w, "mnuHmtaNyLnk"), QString("Hämta databas"));
        QCOMPARE(text(w, "mnuSkapaNyDB"), QString("Skapa Ny databas"));
        QCOMPARE(g().AppNamn, QString("Valsit"));
        QCOMPARE(g().BestDatum, QString("2026-09-13"));
        QCOMPARE(g().OrgNamn, QString("Kommunen"));
        QVERIFY(m_services.council && m_services.committee);
    }

    // "&Fortsätt" saves the calculation, gives both engines their counts and hands over.
    void proceed_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("menuItem"); // clicked before proceeding, or empty
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("saved");
        QTest::newRow("committee") << "0"
                                   << ""
                                   << "frmB_Valresultat"
                                   << "0";
        QTest::newRow("council") << "1"
                                 << ""
                                 << "frmE_PrelRes"
                                 << "1";
        QTest::newRow("any other value is council") << "7"
                                                    << ""
                                                    << "frmE_PrelRes"
                                                    << "1";
        QTest::newRow("council chosen in the menu") << "0"
                                                    << "mnuPrelFullm"
                                                    << "frmE_PrelRes"
                                                    << "1";
        QTest::newRow("committee chosen in the menu") << "1"
                                                      << "mnuNmndmnd"
                                                      << "frmB_Valresultat"
                                                      << "0";
    }

    void proceed()
    {
        QFETCH(QString, stored);
        QFETCH(QString, menuItem);
        QFETCH(QString, window);
        QFETCH(QString, saved);
        SettingsSandbox::setRaw("ChkNmnd", stored);
        SettingsSandbox::setRaw("MndFullm", " 29 ");
        SettingsSandbox::setRaw("MndNmnd", "9");
        frmA_Start* w = load();
        QVERIFY(w);
        if (!menuItem.isEmpty())
            click(w, "mnuOption", menuItem.toLatin1().constData());
        QVERIFY(item(w, "mnuNmndmnd")->isChecked() != item(w, "mnuPrelFullm")->isChecked());
        QCOMPARE(text(w, "mnuOption"), saved == "0"
                                           ? QString("Beräkning av nämnd-valsit")
                                           : QString("Beräkning av preliminär fullmäktige"));
        QPointer<frmA_Start> main(w);
        clickNext(w);
        flushDeletes();
        QVERIFY(main.isNull()); // unloaded
        QCOMPARE(registry().shown, (QStringList{"frmA_Start", window}));
        bool visible = false;
        for (QWidget* t : QApplication::topLevelWidgets())
            visible = visible || (t->objectName() == window && t->isVisible());
        QVERIFY(visible);
        QCOMPARE(SettingsStore().value("ChkNmnd"), saved);
        QCOMPARE(m_services.council->AntValsit(), 29);
        QCOMPARE(m_services.committee->AntValsit(), 9);
        QVERIFY(m_messages.shown.isEmpty());
    }

    void countThatIsNotANumber()
    {
        SettingsSandbox::setRaw("MndFullm", "fyrtio");
        SettingsSandbox::setRaw("MndNmnd", "");
        frmA_Start* w = load();
        QVERIFY(w);
        QCOMPARE(w->AntFullm(), 41);
        QCOMPARE(w->AntNmnd(), 11);
        clickNext(w);
        QCOMPARE(m_services.council->AntValsit(), 41);
        QCOMPARE(m_services.committee->AntValsit(), 11);
        QVERIFY(m_messages.shown.isEmpty());
    }

    void enginesAreNewAtEveryLoad()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        const RostBer* council = m_services.council.get();
        const ValsitBer* committee = m_services.committee.get();
        clickNext(w);
        flushDeletes();
        QVERIFY(load());
        QVERIFY(m_services.council.get() != council);
        QVERIFY(m_services.committee.get() != committee);
    }

    void heading_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("caption");
        QTest::newRow("place name proposed alone") << "för Uppsala"
                                                   << "Kiruna"
                                                   << "Uppsala"
                                                   << "för Kiruna";
        QTest::newRow("default heading") << ""
                                         << "Gnesta"
                                         << "RUBRIK"
                                         << "för Gnesta";
        QTest::newRow("one character") << "för Uppsala"
                                       << "K"
                                       << "Uppsala"
                                       << "för Rubrik";
        QTest::newRow("empty answer") << "för Uppsala"
                                      << ""
                                      << "Uppsala"
                                      << "för Rubrik";
        QTest::newRow("cancel") << "för Uppsala" << QString() << "Uppsala"
                                << "för Uppsala";
        QTest::newRow("& shown as typed") << "för Bygg & Miljö"
                                          << "Bygg & Miljö 2"
                                          << "Bygg & Miljö"
                                          << "för Bygg & Miljö 2";
        QTest::newRow("caption without för") << "Valet 2026"
                                             << "Mora"
                                             << "Valet 2026"
                                             << "för Mora";
        QTest::newRow("only what follows the first för") << "för Bor för Tor"
                                                         << "Ö"
                                                         << "Bor för Tor"
                                                         << "för Rubrik";
    }

    void heading()
    {
        QFETCH(QString, stored);
        QFETCH(QString, answer);
        QFETCH(QString, proposed);
        QFETCH(QString, caption);
        if (!stored.isEmpty())
            SettingsSandbox::setRaw("ForHeader", stored);
        frmA_Start* w = load();
        QVERIFY(w);
        m_messages.inputs.enqueue(answer.isNull() ? std::nullopt : std::optional<QString>(answer));
        click(w, "mnuForHeader");
        QCOMPARE(m_messages.inputBoxes.size(), 1);
        QCOMPARE(m_messages.inputBoxes[0].prompt,
                 QString("Ange rubrik på utskriften för beräkningen. T ex Zuveride-Dod"));
        QCOMPARE(m_messages.inputBoxes[0].title, QString("Valsitberäkning för"));
        QCOMPARE(m_messages.inputBoxes[0].defaultText, proposed);
        // The menu bar shows what iconText() gives: the caption without shortcut marks.
        QCOMPARE(item(w, "mnuForHeader")->iconText(), caption);
        QCOMPARE(SettingsStore().value("ForHeader"), caption);
    }

    void screenCheck_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("ok");
        QTest::newRow("479 pixels") << 479 << false;
        QTest::newRow("480 pixels") << 480 << true;
    }

    void screenCheck()
    {
        QFETCH(int, height);
        QFETCH(bool, ok);
        m_services.screenHeight = [height] { return height; };
        frmA_Start* w = load();
        QVERIFY(w);
        QCOMPARE(g().SkarmOK, ok);
        if (ok) {
            QVERIFY(m_messages.shown.isEmpty());
        } else {
            QCOMPARE(
                m_messages.texts(),
                QStringList{"Skärmen har sämre upplösning än systemets baskrav på 800x600. "
                            "Detta kan betyda att systemet åker ut pga att data inte får plats. "
                            "Ställ in skärmens upplösning mha 'Kontrollpanelen'"});
            QCOMPARE(m_messages.shown[0].icon, MessageService::NoIcon);
        }
        // On a small screen the window cannot be kept maximised.
        w->setWindowState(Qt::WindowMaximized);
        QTRY_COMPARE(w->isMaximized(), ok);
        QCOMPARE(g().FormLage, qint16(ok ? 2 : 0));
    }

    void windowStateCarriesOver()
    {
        g().FormLage = 2;
        frmA_Start* w = load();
        QVERIFY(w);
        QVERIFY(w->isMaximized());
        w->setWindowState(Qt::WindowNoState);
        QTRY_COMPARE(g().FormLage, qint16(0));
        w->resize(50, 40); // below the smallest normal size
        QTRY_VERIFY(w->width() >= 640 && w->height() >= 320);
        w->setWindowState(Qt::WindowMinimized);
        QCOMPARE(g().FormLage, qint16(0)); // minimised is never carried over
    }

    void missingDatabaseAtActivation()
    {
        SettingsSandbox::setRaw("ValsitNmn", "Borta.mdb");
        const QString chosen = m_program->addCopy("Uppsala.mdb");
        m_messages.files.enqueue(chosen);
        frmA_Start* w = load();
        QVERIFY(w);
        QCOMPARE(m_messages.texts(), QStringList{"Databasen 'Borta.mdb' finns inte i sökvägen " +
                                                 m_program->folder() + " Hämta databas"});
        QCOMPARE(text(w, "mnuRecentFile"), chosen);
        QCOMPARE(text(w, "mnuForHeader"), QString("för Uppsala"));
        QCOMPARE(SettingsStore().value("ValsitNmn"), QString("Uppsala.mdb"));
        QVERIFY(item(w, "mnuNmndmnd")->isChecked());
    }

    void installationDestroyedEndsTheProgram()
    {
        SettingsSandbox::setRaw("ValsitNmn", "Borta.mdb");
        QVERIFY(QFile::remove(m_program->path()));
        auto* w = qobject_cast<frmA_Start*>(registry().show("frmA_Start"));
        QPointer<frmA_Start> main(w);
        QTRY_COMPARE(m_messages.shown.size(), 4);
        QCOMPARE(m_messages.texts().first(), "Databasen 'Borta.mdb' finns inte i sökvägen " +
                                                 m_program->folder() + " Hämta databas");
        QVERIFY(m_messages.texts().last().startsWith(
            "Databasen 'Valsit.mdb' finns inte i sökvägen " + m_program->folder() + crlf +
            "Installationen är förstörd"));
        flushDeletes();
        QVERIFY(main.isNull() || !main->isVisible());
    }

    void fetchDatabase()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        QVERIFY(QFile::copy(TemplateCopy::templatePath(), m_other->filePath("Mora.mdb")));
        const QString chosen = AppGlobals::joinPath(m_other->path(), "Mora.mdb");
        m_messages.files.enqueue(chosen);
        click(w, "mnuDataBas", "mnuHmtaNyLnk");
        QVERIFY(m_messages.shown.isEmpty());
        QCOMPARE(text(w, "mnuRecentFile"), chosen);
        QCOMPARE(text(w, "mnuForHeader"), QString("för Mora"));
        QCOMPARE(SettingsStore().value("ValsitKat"), m_other->path());
        QCOMPARE(SettingsStore().value("ValsitNmn"), QString("Mora.mdb"));
    }

    void dialogsDoNotRestartTheActivation()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        m_messages.window = w;
        QVERIFY(QFile::copy(TemplateCopy::templatePath(), m_other->filePath("Mora.mdb")));
        QVERIFY(QFile::copy(TemplateCopy::templatePath(), m_other->filePath("Valsit.mdb")));
        m_messages.files.enqueue(m_other->filePath("Mora.mdb"));
        click(w, "mnuDataBas", "mnuHmtaNyLnk");
        m_messages.inputs.enqueue("Kiruna");
        click(w, "mnuDataBas", "mnuSkapaNyDB");
        QCOMPARE(m_messages.texts(), QStringList());
        QCOMPARE(m_messages.fileDialogs.size(), 1);
        QCOMPARE(text(w, "mnuRecentFile"), AppGlobals::joinPath(m_other->path(), "Kiruna.mdb"));
    }

    void fetchRefusesAFileThatIsNoElectionDatabase()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        const QString path = m_other->filePath("Gammal.mdb");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Standard Jet DB? no: just text\n");
        f.close();
        m_messages.files.enqueue(path);
        click(w, "mnuDataBas", "mnuHmtaNyLnk");
        QCOMPARE(m_messages.shown.size(), 1);
        QVERIFY(m_messages.shown[0].text.contains("kan inte användas som valdatabas"));
        QCOMPARE(text(w, "mnuRecentFile"), m_program->path());
        QCOMPARE(g().DBSokVag, m_program->path());
        QCOMPARE(text(w, "mnuForHeader"), QString("för RUBRIK"));
        QCOMPARE(QFileInfo(path).size(), qint64(31));
    }

    // A new database stays the working one when the main window loads again.
    void createNewDatabaseThenReturn()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        m_messages.inputs.enqueue("Uppsala");
        click(w, "mnuDataBas", "mnuSkapaNyDB");
        const QString created = AppGlobals::joinPath(m_program->folder(), "Uppsala.mdb");
        QVERIFY(QFile::exists(created));
        QCOMPARE(text(w, "mnuRecentFile"), created);
        QCOMPARE(text(w, "mnuForHeader"), QString("för Uppsala"));
        QCOMPARE(g().DBSokVag, created);

        clickNext(w);
        flushDeletes();
        frmA_Start* again = load();
        QVERIFY(again);
        QCOMPARE(text(again, "mnuRecentFile"), created);
        QCOMPARE(g().DBSokVag, created);
        QCOMPARE(text(again, "mnuForHeader"), QString("för Uppsala"));

        m_messages.inputs.enqueue("Uppsala");
        click(again, "mnuDataBas", "mnuSkapaNyDB");
        QCOMPARE(m_messages.texts(), QStringList{"Databasen 'Uppsala.mdb' finns redan i sökvägen " +
                                                 m_program->folder() + " "});
    }

    void recentFileShowsTheWorkingDatabase()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        item(w, "mnuRecentFile")->setText("något annat");
        click(w, "mnuDataBas", "mnuRecentFile");
        QCOMPARE(text(w, "mnuRecentFile"), m_program->path());
    }

    void organisationName()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        m_messages.inputs.enqueue("  Mora kommun ");
        click(w, "mnuOrgNamn");
        QCOMPARE(m_messages.inputBoxes.last().defaultText, QString("Kommunen"));
        QCOMPARE(g().OrgNamn, QString("Mora kommun"));
        QCOMPARE(SettingsStore().value("OrgNamn"), QString("Mora kommun"));
        m_messages.inputs.enqueue(""); // cancelled: the name stays
        click(w, "mnuOrgNamn");
        QCOMPARE(g().OrgNamn, QString("Mora kommun"));
        g().OrgNamn.clear();
        clickNext(w);
        flushDeletes();
        QVERIFY(load());
        QCOMPARE(g().OrgNamn, QString("Mora kommun"));
    }

    void information()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        click(w, "mnuInfo");
        QCOMPARE(m_messages.texts(), QStringList{"Programfel: fönstret 'frmAB_ProdInfo' saknas."});
        QCOMPARE(m_messages.shown[0].icon, MessageService::Exclamation);
        QCOMPARE(m_messages.shown[0].title, QString("Valsit Version 4.0.6"));
        registry().registerWindow("frmAB_ProdInfo", [] { return standIn("frmAB_ProdInfo"); });
        click(w, "mnuInfo");
        QCOMPARE(registry().shown.last(), QString("frmAB_ProdInfo"));
        QVERIFY(w->isVisible()); // modeless beside the main window
    }

    void exitClosesEveryWindow_data()
    {
        QTest::addColumn<bool>("fromFrame");
        QTest::newRow("menu Avsluta") << false;
        QTest::newRow("window frame") << true;
    }

    void exitClosesEveryWindow()
    {
        QFETCH(bool, fromFrame);
        frmA_Start* w = load();
        QVERIFY(w);
        registry().registerWindow("frmAB_ProdInfo", [] { return standIn("frmAB_ProdInfo"); });
        QPointer<QWidget> info = registry().show("frmAB_ProdInfo");
        QPointer<frmA_Start> main(w);
        if (fromFrame)
            w->close();
        else
            click(w, "mnuExit");
        flushDeletes();
        QVERIFY(info.isNull() || !info->isVisible());
        QVERIFY(main.isNull() || !main->isVisible());
    }

    void exitStopsAtAWindowThatWillNotClose()
    {
        QPointer<frmA_Start> main(load());
        QVERIFY(main);
        registry().registerWindow("frmB_Valresultat", [] { return new StubbornWindow; });
        QPointer<QWidget> stubborn = registry().show("frmB_Valresultat");
        click(main, "mnuExit");
        flushDeletes();
        registerShellWindowsForTest();
        QVERIFY(!stubborn.isNull() && stubborn->isVisible()); // the program runs on
        if (main)
            WindowRegistry::unload(main);
        stubborn->hide();
        stubborn->deleteLater();
    }

    void proceedingLeavesOtherWindowsOpen()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        registry().registerWindow("frmAB_ProdInfo", [] { return standIn("frmAB_ProdInfo"); });
        QPointer<QWidget> info = registry().show("frmAB_ProdInfo");
        clickNext(w);
        flushDeletes();
        QVERIFY(!info.isNull() && info->isVisible());
    }

    void missingEntryWindowKeepsTheMainWindow()
    {
        registry().unregisterWindow("frmE_PrelRes");
        SettingsSandbox::setRaw("ChkNmnd", "1");
        frmA_Start* w = load();
        QVERIFY(w);
        QPointer<frmA_Start> main(w);
        clickNext(w);
        flushDeletes();
        registerShellWindowsForTest();
        QVERIFY(!main.isNull() && main->isVisible());
        QCOMPARE(m_messages.texts(), QStringList{"Programfel: fönstret 'frmE_PrelRes' saknas."});
    }
};

QTEST_MAIN(TestFrmAStart)
#include "tst_frmA_Start.moc"
