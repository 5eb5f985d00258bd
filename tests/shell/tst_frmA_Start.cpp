// The main window, driven as a user would: menus, the heading, the database commands,
// "&Fortsätt" for each calculation, and exit. Dialogs are answered by the fake message
// service; the database is a copy of the template; the settings are isolated.
#include "FakeMessageService.h"
#include "FixedClock.h"
#include "Rows.h"
#include "SettingsSandbox.h"
#include "TemplateCopy.h"
#include "WindowDriver.h"

#include "committee/ValsitBer.h"
#include "council/RostBer.h"
#include "shell/AppGlobals.h"
#include "shell/SettingsStore.h"
#include "shell/ui/AppServices.h"
#include "shell/ui/WindowRegistry.h"
#include "shell/ui/frmA_Start.h"

#include <QAction>
#include <QCloseEvent>
#include <QPointer>
#include <QtTest>

using namespace WindowDriver;

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
    auto* w = name == "stubborn" ? new StubbornWindow : new QWidget;
    w->setObjectName(name);
    w->resize(200, 100);
    return w;
}

// "&Fortsätt" saves the calculation, gives both engines their counts and hands over; at
// the first start the template beside the program is the working database.
struct ProceedCase
{
    const char* name;
    const char* stored;   // ChkNmnd as stored
    const char* menuItem; // triggered before proceeding, or empty
    const char* window;
    const char* saved;
};
const ProceedCase proceeds[] = {
    {"committee at the first start", "", "", "frmB_Valresultat", "0"},
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
    bool checked(QWidget* w, const char* name) { return w->findChild<QAction*>(name)->isChecked(); }
    void clickNext(frmA_Start* w)
    {
        click(w, "cmdNext");
        flushDeletes();
    }
    void registerShellWindowsForTest()
    {
        registry().registerWindow("frmA_Start", [this] { return new frmA_Start(m_services); });
        registry().registerWindow("frmB_Valresultat", [] { return standIn("frmB_Valresultat"); });
        registry().registerWindow("frmE_PrelRes", [] { return standIn("frmE_PrelRes"); });
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

    void proceed_data() { addRows(proceeds); }
    void proceed()
    {
        const ProceedCase& c = row(proceeds);
        if (*c.stored)
            SettingsSandbox::setRaw("ChkNmnd", c.stored);
        SettingsSandbox::setRaw("MndFullm", " 29 ");
        SettingsSandbox::setRaw("MndNmnd", "9");
        frmA_Start* w = load();
        QVERIFY(w);
        const RostBer* council = m_services.council.get();
        QCOMPARE(menuTitle(w, "mnuRecentFile") + '|' + g().BestDatum,
                 m_program->path() + "|2026-09-13");
        if (*c.menuItem)
            trigger(w, c.menuItem);
        QVERIFY(checked(w, "mnuNmndmnd") != checked(w, "mnuPrelFullm"));
        QCOMPARE(menuTitle(w, "mnuOption"), QByteArray(c.saved) == "0"
                                                ? QString("Beräkning av nämnd-valsit")
                                                : QString("Beräkning av preliminär fullmäktige"));
        QPointer<frmA_Start> main(w);
        clickNext(w);
        QVERIFY(main.isNull()); // unloaded
        QCOMPARE(registry().shown, (QStringList{"frmA_Start", c.window}));
        QCOMPARE(SettingsStore().value("ChkNmnd"), QString(c.saved));
        QCOMPARE(m_services.council->AntValsit() * 100 + m_services.committee->AntValsit(), 2909);
        QVERIFY(m_messages.shown.isEmpty());
        QVERIFY(load());
        QVERIFY(m_services.council.get() != council); // new engines at every load
    }

    void heading_data() { addRows(headings); }
    void heading()
    {
        const HeadingCase& c = row(headings);
        SettingsSandbox::setRaw("ForHeader", c.stored);
        frmA_Start* w = load();
        QVERIFY(w);
        m_messages.inputs.enqueue(c.answer ? std::optional<QString>(c.answer) : std::nullopt);
        trigger(w, "mnuForHeader");
        QCOMPARE(m_messages.inputBoxes.size(), 1);
        QCOMPARE(
            m_messages.inputBoxes[0].prompt + '|' + m_messages.inputBoxes[0].title,
            "Ange rubrik på utskriften för beräkningen. T ex Zuveride-Dod|Valsitberäkning för");
        QCOMPARE(m_messages.inputBoxes[0].defaultText, QString(c.proposed));
        // The menu bar shows what iconText() gives: the caption without shortcut marks.
        QCOMPARE(w->findChild<QAction*>("mnuForHeader")->iconText(), QString(c.caption));
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

    // A working database gone at the activation: the user is told and chooses another;
    // with the template gone too, the program ends.
    void missingDatabaseAtActivation()
    {
        const QString missing =
            "Databasen 'Borta.mdb' finns inte i sökvägen " + m_program->folder() + " Hämta databas";
        for (bool templateThere : {true, false}) {
            SettingsSandbox::setRaw("ValsitNmn", "Borta.mdb");
            m_messages.reset();
            if (templateThere) {
                m_messages.files.enqueue(m_program->addCopy("Uppsala.mdb"));
                frmA_Start* w = load();
                QVERIFY(w);
                QCOMPARE(m_messages.texts(), QStringList{missing});
                QCOMPARE(menuTitle(w, "mnuForHeader"), QString("för Uppsala"));
                QCOMPARE(SettingsStore().value("ValsitNmn"), QString("Uppsala.mdb"));
                cleanup();
                continue;
            }
            QVERIFY(QFile::remove(m_program->path()));
            QPointer<QWidget> main = registry().show("frmA_Start");
            QTRY_COMPARE(m_messages.shown.size(), 4);
            QCOMPARE(m_messages.texts().first(), missing);
            QVERIFY(m_messages.texts().last().contains("\r\nInstallationen är förstörd"));
            flushDeletes();
            QVERIFY(main.isNull() || !main->isVisible());
        }
    }

    // Fetching and creating: the menus show the working database and its heading; the
    // dialogs do not start the activation again; a new database stays the working one at
    // the next load.
    void databaseCommands()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        m_messages.window = w;
        const QString mora = AppGlobals::joinPath(m_other->path(), "Mora.mdb");
        QVERIFY(QFile::copy(TemplateCopy::templatePath(), mora));
        QVERIFY(QFile::copy(TemplateCopy::templatePath(), m_other->filePath("Valsit.mdb")));
        m_messages.files.enqueue(mora);
        trigger(w, "mnuHmtaNyLnk");
        QCOMPARE(menuTitle(w, "mnuRecentFile"), mora);
        QCOMPARE(menuTitle(w, "mnuForHeader"), QString("för Mora"));
        m_messages.inputs.enqueue("Kiruna");
        trigger(w, "mnuSkapaNyDB");
        QCOMPARE(m_messages.fileDialogs.size(), 1);
        const QString created = AppGlobals::joinPath(m_other->path(), "Kiruna.mdb");
        QCOMPARE(menuTitle(w, "mnuRecentFile"), created);
        QCOMPARE(menuTitle(w, "mnuForHeader"), QString("för Kiruna"));
        w->findChild<QAction*>("mnuRecentFile")->setText("något annat");
        trigger(w, "mnuRecentFile");
        QCOMPARE(menuTitle(w, "mnuRecentFile"), created);
        QVERIFY(m_messages.shown.isEmpty());

        clickNext(w);
        frmA_Start* again = load();
        QVERIFY(again);
        QCOMPARE(menuTitle(again, "mnuRecentFile") + '|' + g().DBSokVag, created + '|' + created);
        QCOMPARE(menuTitle(again, "mnuForHeader"), QString("för Kiruna"));
    }

    void organisationName()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        m_messages.inputs.enqueue("  Mora kommun ");
        trigger(w, "mnuOrgNamn");
        QCOMPARE(m_messages.inputBoxes.last().defaultText, QString("Kommunen"));
        m_messages.inputs.enqueue(""); // cancelled: the name stays
        trigger(w, "mnuOrgNamn");
        g().OrgNamn.clear();
        clickNext(w);
        QVERIFY(load());
        QCOMPARE(g().OrgNamn, QString("Mora kommun"));
    }

    // A window that is not there is a program error; the information window opens beside
    // the main window and stays when the user proceeds.
    void missingWindowsAndInformation()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        trigger(w, "mnuInfo");
        QCOMPARE(m_messages.texts(), QStringList{"Programfel: fönstret 'frmAB_ProdInfo' saknas."});
        registry().registerWindow("frmAB_ProdInfo", [] { return standIn("frmAB_ProdInfo"); });
        trigger(w, "mnuInfo");
        QCOMPARE(registry().shown.last(), QString("frmAB_ProdInfo"));
        QPointer<QWidget> info;
        for (QWidget* t : QApplication::topLevelWidgets())
            info = t->objectName() == "frmAB_ProdInfo" ? t : info.data();
        registry().unregisterWindow("frmB_Valresultat");
        m_messages.reset();
        clickNext(w);
        registerShellWindowsForTest();
        QVERIFY(w->isVisible());
        QCOMPARE(m_messages.texts(),
                 QStringList{"Programfel: fönstret 'frmB_Valresultat' saknas."});
        clickNext(w);
        QVERIFY(!info.isNull() && info->isVisible());
    }

    // "Avsluta" and the frame's close both close every window, but stop at a window with
    // a change pending, which refuses to close: the program runs on.
    void exitClosesEveryWindow()
    {
        registry().registerWindow("frmAB_ProdInfo", [] { return standIn("frmAB_ProdInfo"); });
        for (int way = 0; way < 3; ++way) {
            QPointer<frmA_Start> main(load());
            QVERIFY(main);
            if (way == 2)
                registry().registerWindow("frmAB_ProdInfo", [] { return standIn("stubborn"); });
            QPointer<QWidget> other = registry().show("frmAB_ProdInfo");
            way == 1 ? (void)main->close() : trigger(main, "mnuExit");
            flushDeletes();
            QCOMPARE(!other.isNull() && other->isVisible(), way == 2);
            if (way < 2)
                QVERIFY(main.isNull() || !main->isVisible());
            if (other)
                other->hide();
            cleanup();
        }
    }
};

QTEST_MAIN(TestFrmAStart)
#include "tst_frmA_Start.moc"
