// The main window, driven as a user would: menus, the heading, the database commands,
// "&Fortsätt" for each calculation, and exit. Dialogs are answered by the fake message
// service; the database is a copy of the template; the settings are isolated.
#include "FakeMessageService.h"
#include "FixedClock.h"
#include "Rows.h"
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

QWidget* standIn(const QString& name)
{
    auto* w = new QWidget;
    w->setObjectName(name);
    w->resize(200, 100);
    return w;
}

// "&Fortsätt" saves the calculation, gives both engines their counts and hands over.
struct ProceedCase
{
    const char* name;
    const char* stored;   // ChkNmnd as stored
    const char* menuItem; // clicked before proceeding, or empty
    const char* window;
    const char* saved;
};
const ProceedCase proceeds[] = {
    {"committee", "0", "", "frmB_Valresultat", "0"},
    {"council", "1", "", "frmE_PrelRes", "1"},
    {"council chosen in the menu", "0", "mnuPrelFullm", "frmE_PrelRes", "1"},
    {"committee chosen in the menu", "1", "mnuNmndmnd", "frmB_Valresultat", "0"},
};

struct HeadingCase
{
    const char* name;
    const char* stored;
    const char* answer; // nullptr: cancelled
    const char* proposed;
    const char* caption;
};
const HeadingCase headings[] = {
    {"place name proposed alone", "för Uppsala", "Kiruna", "Uppsala", "för Kiruna"},
    {"one character", "för Uppsala", "K", "Uppsala", "för Rubrik"},
    {"empty answer", "för Uppsala", "", "Uppsala", "för Rubrik"},
    {"cancel", "för Uppsala", nullptr, "Uppsala", "för Uppsala"},
    {"& shown as typed", "för Bygg & Miljö", "Bygg & Miljö 2", "Bygg & Miljö",
     "för Bygg & Miljö 2"},
    {"caption without för", "Valet 2026", "Mora", "Valet 2026", "för Mora"},
    {"only what follows the first för", "för Bor för Tor", "Ö", "Bor för Tor", "för Rubrik"},
};

} // namespace

class TestFrmAStart : public QObject
{
    Q_OBJECT
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
        return w && QTest::qWaitForWindowActive(w) ? w : nullptr;
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
        return "<no " + QString(name) + ">";
    }
    void registerShellWindowsForTest()
    {
        registry().registerWindow("frmA_Start", [this] { return new frmA_Start(m_services); });
        registry().registerWindow("frmB_Valresultat", [] { return standIn("frmB_Valresultat"); });
        registry().registerWindow("frmE_PrelRes", [] { return standIn("frmE_PrelRes"); });
    }
    QString inOther(const char* name)
    {
        QFile::copy(TemplateCopy::templatePath(), m_other->filePath(name));
        return AppGlobals::joinPath(m_other->path(), name);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_sandbox = std::make_unique<SettingsSandbox>();
        registerShellWindowsForTest();
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

    // The first start: the template beside the program, the default counts, the committee
    // calculation, today's date, new engines.
    void firstStart()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        QVERIFY(m_messages.shown.isEmpty());
        QCOMPARE(w->windowTitle() + '|' + text(w, "lblVersion"), QString("Valsit|Version 4.0.6"));
        QCOMPARE(text(w, "mnuRecentFile"), m_program->path());
        QCOMPARE(w->AntFullm() * 100 + w->AntNmnd(), 4111);
        QVERIFY(item(w, "mnuNmndmnd")->isChecked() && !item(w, "mnuPrelFullm")->isChecked());
        QCOMPARE(text(w, "mnuForHeader"), QString("för RUBRIK"));
        QCOMPARE(g().BestDatum + '|' + g().OrgNamn, QString("2026-09-13|Kommunen"));
        QVERIFY(m_services.council && m_services.committee);
    }

    void proceed_data() { addRows(proceeds); }
    void proceed()
    {
        const ProceedCase& c = row(proceeds);
        SettingsSandbox::setRaw("ChkNmnd", c.stored);
        SettingsSandbox::setRaw("MndFullm", " 29 ");
        SettingsSandbox::setRaw("MndNmnd", "9");
        frmA_Start* w = load();
        QVERIFY(w);
        if (*c.menuItem)
            click(w, "mnuOption", c.menuItem);
        QVERIFY(item(w, "mnuNmndmnd")->isChecked() != item(w, "mnuPrelFullm")->isChecked());
        QCOMPARE(text(w, "mnuOption"), QByteArray(c.saved) == "0"
                                           ? QString("Beräkning av nämnd-valsit")
                                           : QString("Beräkning av preliminär fullmäktige"));
        QPointer<frmA_Start> main(w);
        clickNext(w);
        flushDeletes();
        QVERIFY(main.isNull()); // unloaded
        QCOMPARE(registry().shown, (QStringList{"frmA_Start", c.window}));
        QCOMPARE(SettingsStore().value("ChkNmnd"), QString(c.saved));
        QCOMPARE(m_services.council->AntValsit() * 100 + m_services.committee->AntValsit(), 2909);
        QVERIFY(m_messages.shown.isEmpty());
    }

    // A count that is no number gives the default; the engines are new at every load.
    void countsAndEngines()
    {
        SettingsSandbox::setRaw("MndFullm", "fyrtio");
        SettingsSandbox::setRaw("MndNmnd", "");
        frmA_Start* w = load();
        QVERIFY(w);
        const RostBer* council = m_services.council.get();
        clickNext(w);
        QCOMPARE(m_services.council->AntValsit() * 100 + m_services.committee->AntValsit(), 4111);
        flushDeletes();
        QVERIFY(load());
        QVERIFY(m_services.council.get() != council);
        QVERIFY(m_messages.shown.isEmpty());
    }

    void heading_data() { addRows(headings); }
    void heading()
    {
        const HeadingCase& c = row(headings);
        if (*c.stored)
            SettingsSandbox::setRaw("ForHeader", c.stored);
        frmA_Start* w = load();
        QVERIFY(w);
        m_messages.inputs.enqueue(c.answer ? std::optional<QString>(c.answer) : std::nullopt);
        click(w, "mnuForHeader");
        QCOMPARE(m_messages.inputBoxes.size(), 1);
        QCOMPARE(m_messages.inputBoxes[0].prompt,
                 QString("Ange rubrik på utskriften för beräkningen. T ex Zuveride-Dod"));
        QCOMPARE(m_messages.inputBoxes[0].title, QString("Valsitberäkning för"));
        QCOMPARE(m_messages.inputBoxes[0].defaultText, QString(c.proposed));
        // The menu bar shows what iconText() gives: the caption without shortcut marks.
        QCOMPARE(item(w, "mnuForHeader")->iconText(), QString(c.caption));
        QCOMPARE(SettingsStore().value("ForHeader"), QString(c.caption));
    }

    // Below 480 pixels the user is told, and the window cannot be kept maximised.
    void screenCheck()
    {
        for (int height : {480, 479}) {
            m_services.screenHeight = [height] { return height; };
            m_messages.reset();
            frmA_Start* w = load();
            QVERIFY(w);
            const bool ok = height == 480;
            QCOMPARE(g().SkarmOK, ok);
            QCOMPARE(m_messages.texts(),
                     ok ? QStringList()
                        : QStringList{"Skärmen har sämre upplösning än systemets baskrav på "
                                      "800x600. Detta kan betyda att systemet åker ut pga att "
                                      "data inte får plats. Ställ in skärmens upplösning mha "
                                      "'Kontrollpanelen'"});
            w->setWindowState(Qt::WindowMaximized);
            QTRY_COMPARE(w->isMaximized(), ok);
            QCOMPARE(g().FormLage, qint16(ok ? 2 : 0));
            cleanup();
        }
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

    // A working database gone at the activation: the user is told and chooses another;
    // with the template gone too, the program ends.
    void missingDatabaseAtActivation()
    {
        SettingsSandbox::setRaw("ValsitNmn", "Borta.mdb");
        const QString missing =
            "Databasen 'Borta.mdb' finns inte i sökvägen " + m_program->folder() + " Hämta databas";
        const QString chosen = m_program->addCopy("Uppsala.mdb");
        m_messages.files.enqueue(chosen);
        frmA_Start* w = load();
        QVERIFY(w);
        QCOMPARE(m_messages.texts(), QStringList{missing});
        QCOMPARE(text(w, "mnuRecentFile"), chosen);
        QCOMPARE(text(w, "mnuForHeader"), QString("för Uppsala"));
        QCOMPARE(SettingsStore().value("ValsitNmn"), QString("Uppsala.mdb"));
        cleanup();

        SettingsSandbox::setRaw("ValsitNmn", "Borta.mdb");
        m_messages.reset();
        QVERIFY(QFile::remove(m_program->path()));
        QPointer<frmA_Start> main = qobject_cast<frmA_Start*>(registry().show("frmA_Start"));
        QTRY_COMPARE(m_messages.shown.size(), 4);
        QCOMPARE(m_messages.texts().first(), missing);
        QVERIFY(m_messages.texts().last().startsWith("Databasen 'Valsit.mdb' finns inte i "
                                                     "sökvägen " +
                                                     m_program->folder() +
                                                     "\r\nInstallationen är förstörd"));
        flushDeletes();
        QVERIFY(main.isNull() || !main->isVisible());
    }

    // Fetching and creating: the menus show the working database and its heading; the
    // dialogs do not start the activation again; a file that is no election database is
    // refused and left as it was; a new database stays the working one at the next load.
    void databaseCommands()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        m_messages.window = w;
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
        QCOMPARE(QFileInfo(path).size(), qint64(31));
        m_messages.reset();

        m_messages.files.enqueue(inOther("Mora.mdb"));
        inOther("Valsit.mdb");
        click(w, "mnuDataBas", "mnuHmtaNyLnk");
        QCOMPARE(text(w, "mnuRecentFile"), AppGlobals::joinPath(m_other->path(), "Mora.mdb"));
        QCOMPARE(text(w, "mnuForHeader"), QString("för Mora"));
        QCOMPARE(SettingsStore().value("ValsitKat"), m_other->path());
        m_messages.inputs.enqueue("Kiruna");
        click(w, "mnuDataBas", "mnuSkapaNyDB");
        QCOMPARE(m_messages.fileDialogs.size(), 1);
        const QString created = AppGlobals::joinPath(m_other->path(), "Kiruna.mdb");
        QCOMPARE(text(w, "mnuRecentFile"), created);
        QCOMPARE(text(w, "mnuForHeader"), QString("för Kiruna"));
        item(w, "mnuRecentFile")->setText("något annat");
        click(w, "mnuDataBas", "mnuRecentFile");
        QCOMPARE(text(w, "mnuRecentFile"), created);

        clickNext(w);
        flushDeletes();
        frmA_Start* again = load();
        QVERIFY(again);
        QCOMPARE(text(again, "mnuRecentFile"), created);
        QCOMPARE(g().DBSokVag, created);
        QCOMPARE(text(again, "mnuForHeader"), QString("för Kiruna"));
        m_messages.inputs.enqueue("Kiruna");
        click(again, "mnuDataBas", "mnuSkapaNyDB");
        QCOMPARE(m_messages.texts(), QStringList{"Databasen 'Kiruna.mdb' finns redan i sökvägen " +
                                                 m_other->path() + " "});
    }

    void organisationName()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        m_messages.inputs.enqueue("  Mora kommun ");
        click(w, "mnuOrgNamn");
        QCOMPARE(m_messages.inputBoxes.last().defaultText, QString("Kommunen"));
        QCOMPARE(SettingsStore().value("OrgNamn"), QString("Mora kommun"));
        m_messages.inputs.enqueue(""); // cancelled: the name stays
        click(w, "mnuOrgNamn");
        g().OrgNamn.clear();
        clickNext(w);
        flushDeletes();
        QVERIFY(load());
        QCOMPARE(g().OrgNamn, QString("Mora kommun"));
    }

    // A window that is not there is a program error; the information window opens beside
    // the main window and stays when the user proceeds.
    void missingWindowsAndInformation()
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
        QPointer<QWidget> info;
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->objectName() == "frmAB_ProdInfo")
                info = t;
        QVERIFY(w->isVisible());
        registry().unregisterWindow("frmB_Valresultat");
        QPointer<frmA_Start> main(w);
        m_messages.reset();
        clickNext(w);
        flushDeletes();
        registerShellWindowsForTest();
        QVERIFY(!main.isNull() && main->isVisible());
        QCOMPARE(m_messages.texts(),
                 QStringList{"Programfel: fönstret 'frmB_Valresultat' saknas."});
        clickNext(w);
        flushDeletes();
        QVERIFY(!info.isNull() && info->isVisible());
    }

    void exitClosesEveryWindow()
    {
        for (bool fromFrame : {false, true}) {
            frmA_Start* w = load();
            QVERIFY(w);
            registry().registerWindow("frmAB_ProdInfo", [] { return standIn("frmAB_ProdInfo"); });
            QPointer<QWidget> info = registry().show("frmAB_ProdInfo");
            QPointer<frmA_Start> main(w);
            fromFrame ? (void)w->close() : click(w, "mnuExit");
            flushDeletes();
            QVERIFY(info.isNull() || !info->isVisible());
            QVERIFY(main.isNull() || !main->isVisible());
            cleanup();
        }
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
};

QTEST_MAIN(TestFrmAStart)
#include "tst_frmA_Start.moc"
