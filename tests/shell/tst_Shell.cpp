// The shell: the main window driven as a user would (menus, heading, database commands,
// "&Fortsätt", exit), the product information and its RTF reader, the settings, the Swedish
// order of names, and the message service on real Qt dialogs answered while they are open.
#include "CouncilSession.h"
#include "Rows.h"
#include "WindowDriver.h"

#include "committee/CommitteeSetup.h"
#include "council/CouncilSetup.h"
#include "data/ElectionDatabase.h"
#include "data/ElectionSettings.h"
#include "shell/AppGlobals.h"
#include "shell/RtfReader.h"
#include "shell/SettingsStore.h"
#include "shell/SwedishOrder.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/HelpWindow.h"
#include "ui/shell/QtMessageService.h"
#include "ui/shell/SwedishTranslations.h"
#include "ui/shell/WindowRegistry.h"
#include "ui/shell/frmAB_ProdInfo.h"
#include "ui/shell/frmA_Start.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QtTest>
#include <QtWidgets>

#include <functional>

using namespace WindowDriver;

namespace {

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
    const char *name, *stored, *menuItem, *saved; // ChkNmnd stored and saved; the menu item used
};
const ProceedCase proceeds[] = {
    {"committee at the first start", "", "", "0"},
    {"council", "1", "", "1"},
    {"council chosen in the menu", "0", "mnuPrelFullm", "1"},
    {"committee chosen in the menu", "1", "mnuNmndmnd", "0"},
};

struct HeadingCase
{
    const char *name, *stored, *answer, *proposed, *caption; // answer nullptr: cancelled
};
const HeadingCase headings[] = {
    {"place name proposed alone", "för Uppsala", "Kiruna", "Uppsala", "för Kiruna"},
    {"cancel", "för Uppsala", nullptr, "Uppsala", "för Uppsala"},
    {"& shown as typed", "för Bygg & Miljö", "Bygg & Miljö 2", "Bygg & Miljö",
     "för Bygg & Miljö 2"},
    {"caption without för", "Valet 2026", "Mora", "Valet 2026", "för Mora"},
    {"only what follows the first för", "för Bor för Tor", "Ö", "Bor för Tor", "för Rubrik"},
};

// Runs `answer` on the modal dialog as soon as it is open.
void whenOpen(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, [answer] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            answer(dialog);
        else
            whenOpen(answer); // not shown yet: try again on the next round
    });
}

struct CountCase
{
    const char *name, *stored;
    int fullm;
};
const CountCase countsCases[] = {
    {"number", "29", 29},         {"blanks around", "  61 ", 61},
    {"letters", "fyrtioett", 41}, {"empty", "", 41},
    {"decimal", "41,5", 41},      {"too large for 32 bits", "99999999999", 41},
};

struct OrderCase
{
    const char *name, *first, *second;
};
// Å, Ä and Ö after Z, case counting last: also the districts' order in tst_DistrRosterStore.
const OrderCase orders[] = {
    {"Ä after Å, whatever follows", "Åsa", "Äby"},
    {"é as e", "Ekeby", "Émåla"},
    {"ü as y", "Ühla", "Yxby"},
    {"æ as ä", "Åby", "Æby"},
    {"ø as ö", "Äby", "Øby"},
    {"shorter first", "Ab", "abc"},
    {"then plain before accented", "Ema", "Éma"},
    {"then lower case before upper", "åby", "Åby"},
};

struct BoxCase
{
    const char* name;
    MessageService::Buttons buttons;
    MessageService::DefaultButton defaultButton;
    Qt::Key key;
    MessageService::Answer answer;
    const char* shownButtons; // sorted
};
using M = MessageService;
const BoxCase boxes[] = {
    {"OK by Enter", M::Ok, M::FirstButton, Qt::Key_Return, M::AnswerOk, "OK"},
    {"Yes/No, No is default", M::YesNo, M::SecondButton, Qt::Key_Return, M::AnswerNo, "&Ja &Nej"},
    {"Yes/No, Yes is default", M::YesNo, M::FirstButton, Qt::Key_Return, M::AnswerYes, "&Ja &Nej"},
    {"Escape: the last button", M::OkCancel, M::FirstButton, Qt::Key_Escape, M::AnswerCancel,
     "Avbryt OK"},
};

struct RtfCase
{
    const char *name, *rtf, *text;
};
const RtfCase rtfCases[] = {
    {"paragraphs, Windows-1252", "{\\rtf1\\ansi Hej\\par V\\'e4rlden \\'96 \\'c5\\'f6}",
     "Hej\nVärlden – Åö"},
    {"unicode with its fallback", "{\\rtf1 \\u229?r \\u-3913?}", "år \uF0B7"},
    {"uc2 skips two", "{\\rtf1\\uc2 \\u246\\'3f\\'3fl}", "öl"},
    {"destinations skipped",
     "{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue0;}{\\*\\generator "
     "Writer;}{\\info{\\title T}}{\\*\\unknown x}Text}",
     "Text"},
    // toPlainText shows the no-break space as a blank
    {"escaped characters", "{\\rtf1 a\\\\b\\{c\\}\\~d}", "a\\b{c} d"},
    {"tab, line, source breaks", "{\\rtf1 a\\tab b\r\n\\line c}", "a\tb\nc"},
    {"not RTF", "Hej", "oförändrad"},
};
} // namespace

class TestShell : public QObject
{
    Q_OBJECT
    std::unique_ptr<SettingsSandbox> m_sandbox;
    FakeMessageService m_messages;
    FixedClock m_clock;
    AppServices m_services{m_messages, m_clock};
    std::unique_ptr<TemplateCopy> m_program;

    AppGlobals& g() { return AppGlobals::instance(); }
    WindowRegistry& registry() { return WindowRegistry::instance(); }
    static void sql(const QString& path, const QString& statement, const QVariantList& values = {})
    {
        ElectionDatabase(path).write("Valinstallningar", ElectionDatabase::Update, statement,
                                     values);
    }

    // Loads the main window as the program does and waits for its activation.
    frmA_Start* load()
    {
        auto* w = qobject_cast<frmA_Start*>(registry().show("frmA_Start"));
        return w && CouncilSession::waitActive(w) ? w : nullptr;
    }
    void clickNext(frmA_Start* w)
    {
        click(w, "cmdNext");
        CouncilSession::settle();
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
        m_messages.whileOpen = nullptr;
        m_program = std::make_unique<TemplateCopy>();
        QVERIFY(m_program->isValid());
        g().programKat = m_program->folder();
        g().FormLage = AppGlobals::FormState::Normal;
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
        CouncilSession::settle();
    }

    void proceed_data() { addRows(proceeds); }
    void proceed()
    {
        const ProceedCase& c = row(proceeds);
        if (*c.stored)
            SettingsSandbox::setRaw("ChkNmnd", c.stored);
        // A file of an older version takes the counts the user last used, once.
        SettingsSandbox::setRaw("MndFullm", " 29 ");
        SettingsSandbox::setRaw("MndNmnd", "9");
        sql(m_program->path(), "DROP TABLE Valinstallningar");
        frmA_Start* w = load();
        QVERIFY(w);
        QCOMPARE(w->statusBar()->currentMessage(), ElectionSettings::migratedText("Valsit.mdb"));
        const CouncilSetup* council = m_services.council.get();
        QCOMPARE(menuTitle(w, "mnuRecentFile") + '|' + g().BestDatum,
                 m_program->path() + "|2026-09-13");
        if (*c.menuItem)
            trigger(w, c.menuItem);
        QVERIFY(child<QAction>(w, "mnuNmndmnd")->isChecked() !=
                child<QAction>(w, "mnuPrelFullm")->isChecked());
        const bool committee = QByteArray(c.saved) == "0";
        QCOMPARE(menuTitle(w, "mnuOption"),
                 committee ? "Beräkning av nämnd-valsit" : "Beräkning av preliminär fullmäktige");
        QPointer<frmA_Start> main(w);
        clickNext(w);
        QVERIFY(main.isNull()); // unloaded
        QCOMPARE(registry().shown,
                 (QStringList{"frmA_Start", committee ? "frmB_Valresultat" : "frmE_PrelRes"}));
        QCOMPARE(SettingsStore().value("ChkNmnd"), QString(c.saved));
        QCOMPARE(m_services.council->AntValsit() * 100 + m_services.committee->AntValsit(), 2909);
        QVERIFY(m_messages.shown.isEmpty());
        QVERIFY(load());
        QVERIFY(m_services.council.get() != council); // new setups at every load
    }

    void heading_data() { addRows(headings); }
    void heading()
    {
        const HeadingCase& c = row(headings);
        sql(m_program->path(), "UPDATE Valinstallningar SET Rubrik = ?", {c.stored});
        frmA_Start* w = load();
        QVERIFY(w);
        m_messages.inputs.enqueue(c.answer ? std::optional<QString>(c.answer) : std::nullopt);
        trigger(w, "mnuForHeader");
        const FakeMessageService::Asked asked = m_messages.inputBoxes.value(0);
        QCOMPARE(asked.prompt, "Ange rubrik på utskriften för beräkningen. T ex Zuveride-Dod");
        // The menu bar shows what iconText() gives: the caption without shortcut marks.
        QCOMPARE(
            asked.title + '|' + asked.defaultText + '|' +
                child<QAction>(w, "mnuForHeader")->iconText() + '|' +
                [this] {
                    ElectionDatabase db(m_program->path());
                    return ElectionSettings::read(db).heading;
                }(),
            "Valsitberäkning för|" + QString(c.proposed) + '|' + c.caption + '|' + c.caption);
    }

    // Below 480 pixels the user is told, and the window cannot be kept maximised.
    void screenCheck()
    {
        for (bool ok : {true, false}) {
            m_services.screenHeight = [ok] { return ok ? 480 : 479; };
            m_messages.reset();
            frmA_Start* w = load();
            QVERIFY(w);
            QCOMPARE(g().SkarmOK, ok);
            QCOMPARE(m_messages.texts().join('|'),
                     ok ? ""
                        : "Skärmen har sämre upplösning än systemets baskrav på "
                          "800x600. Detta kan betyda att systemet åker ut pga att "
                          "data inte får plats. Ställ in skärmens upplösning mha "
                          "'Kontrollpanelen'");
            w->setWindowState(Qt::WindowMaximized);
            QTRY_COMPARE(w->isMaximized(), ok);
            QCOMPARE(g().FormLage,
                     ok ? AppGlobals::FormState::Maximised : AppGlobals::FormState::Normal);
            cleanup();
        }
    }

    // A working database gone at the activation: the user is told and chooses another;
    // with the template gone too, the program ends.
    void missingDatabaseAtActivation()
    {
        const QString missing =
            "Databasen 'Borta.mdb' finns inte i sökvägen " + m_program->folder() + " Hämta databas";
        SettingsSandbox::setRaw("ValsitNmn", "Borta.mdb");
        m_messages.files.enqueue(m_program->addCopy("Uppsala.mdb"));
        frmA_Start* w = load();
        QVERIFY(w);
        QCOMPARE(m_messages.texts(), QStringList{missing});
        QCOMPARE(menuTitle(w, "mnuForHeader") + '|' + SettingsStore().value("ValsitNmn"),
                 QString("för RUBRIK|Uppsala.mdb"));
        cleanup();
        SettingsSandbox::setRaw("ValsitNmn", "Borta.mdb");
        m_messages.reset();
        QVERIFY(QFile::remove(m_program->path()));
        QPointer<QWidget> main = registry().show("frmA_Start");
        QTRY_COMPARE(m_messages.shown.size(), 4);
        QCOMPARE(m_messages.texts().first(), missing);
        QVERIFY(m_messages.texts().last().contains("\r\nInstallationen är förstörd"));
        CouncilSession::settle();
        QVERIFY(main.isNull() || !main->isVisible());
    }

    // Fetching and creating: the menus show the working database and its heading; the
    // dialogs do not start the activation again; a new database and the organisation's
    // name (trimmed; a cancel keeps it) stay at the next load.
    void databaseCommands()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        // Real dialogs give the main window back its activation when they close.
        m_messages.whileOpen = [w = QPointer<QWidget>(w)] {
            QEvent activate(QEvent::WindowActivate);
            if (w)
                QCoreApplication::sendEvent(w, &activate);
        };
        QTemporaryDir other;
        const QString mora = AppGlobals::joinPath(other.path(), "Mora.mdb");
        QVERIFY(QFile::copy(TemplateCopy::templatePath(), mora));
        QVERIFY(QFile::copy(TemplateCopy::templatePath(), other.filePath("Valsit.mdb")));
        const auto titles = [](QWidget* window) {
            return menuTitle(window, "mnuRecentFile") + '|' + menuTitle(window, "mnuForHeader");
        };
        m_messages.files.enqueue(mora);
        trigger(w, "mnuHmtaNyLnk");
        QCOMPARE(titles(w), mora + "|för RUBRIK");
        m_messages.inputs.enqueue("Kiruna");
        trigger(w, "mnuSkapaNyDB");
        const QString created = AppGlobals::joinPath(other.path(), "Kiruna.mdb");
        QCOMPARE(titles(w) + '|' + QString::number(m_messages.fileDialogs.size()),
                 created + "|för Kiruna|1");
        QVERIFY(m_messages.shown.isEmpty());
        m_messages.inputs.enqueue("  Mora kommun ");
        trigger(w, "mnuOrgNamn");
        QCOMPARE(m_messages.inputBoxes.last().defaultText, QString("Kommunen"));
        m_messages.inputs.enqueue(""); // cancelled: the name stays
        trigger(w, "mnuOrgNamn");
        g().OrgNamn.clear();

        clickNext(w);
        frmA_Start* again = load();
        QVERIFY(again);
        QCOMPARE(titles(again) + '|' + g().DBSokVag + '|' + g().OrgNamn,
                 created + "|för Kiruna|" + created + "|Mora kommun");
    }

    // Each election file keeps its own seats and heading across "Hämta databas". A damaged
    // working file is refused at the start, left as it was, and another is chosen.
    void electionsKeepTheirOwn()
    {
        const QString arvika = m_program->addCopy("Arvika.mdb"),
                      kiruna = m_program->addCopy("Kiruna.mdb"),
                      broken = m_program->addCopy("Trasig.mdb");
        sql(arvika, "UPDATE Valinstallningar SET MandatFullm = 49, Rubrik = 'för Arvika'");
        sql(kiruna, "UPDATE Valinstallningar SET MandatFullm = 45, MandatNamnd = 9, "
                    "Rubrik = 'för Kiruna'");
        QVERIFY(TemplateCopy::breakIndex(broken));
        const QByteArray before = TemplateCopy::bytes(broken);
        SettingsSandbox::setRaw("ValsitNmn", "Trasig.mdb");
        m_messages.files.enqueue(arvika);
        frmA_Start* w = load();
        QVERIFY(w);
        QCOMPARE(m_messages.texts().join('|'),
                 ElectionDatabase::refusalText(ElectionDatabase::Damaged, broken) +
                     "\r\nVälj en annan databas.");
        QCOMPARE(m_messages.shown.value(0).icon, MessageService::Critical);
        QCOMPARE(TemplateCopy::bytes(broken), before);
        QStringList seen;
        for (const QString& file : {kiruna, arvika}) {
            seen << QString::number(w->AntFullm()) + ' ' + menuTitle(w, "mnuForHeader");
            m_messages.files.enqueue(file);
            trigger(w, "mnuHmtaNyLnk");
        }
        seen << QString::number(w->AntFullm()) + ' ' + menuTitle(w, "mnuForHeader");
        QCOMPARE(seen.join('|'), QString("49 för Arvika|45 för Kiruna|49 för Arvika"));
    }

    // A window that is not there is a program error; the information window opens beside
    // the main window and stays when the user proceeds.
    void missingWindowsAndInformation()
    {
        frmA_Start* w = load();
        QVERIFY(w);
        trigger(w, "mnuInfo");
        QCOMPARE(m_messages.texts().join('|'), "Programfel: fönstret 'frmAB_ProdInfo' saknas.");
        registry().registerWindow("frmAB_ProdInfo", [] { return standIn("frmAB_ProdInfo"); });
        trigger(w, "mnuInfo");
        QPointer<QWidget> info = CouncilSession::openWindow("frmAB_ProdInfo");
        registry().unregisterWindow("frmB_Valresultat");
        clickNext(w);
        registerShellWindowsForTest();
        QVERIFY(w->isVisible());
        QCOMPARE(m_messages.texts().mid(1).join('|'),
                 "Programfel: fönstret 'frmB_Valresultat' saknas.");
        clickNext(w);
        QVERIFY(!info.isNull() && info->isVisible());
    }

    // "Avsluta" and the frame's close both close every window, but stop at a window with
    // a change pending, which refuses to close: the program runs on.
    void exitClosesEveryWindow()
    {
        for (int way = 0; way < 3; ++way) {
            registry().registerWindow("frmAB_ProdInfo", [way] {
                return standIn(way == 2 ? "stubborn" : "frmAB_ProdInfo");
            });
            QPointer<frmA_Start> main(load());
            QVERIFY(main);
            QPointer<QWidget> other = registry().show("frmAB_ProdInfo");
            way == 1 ? (void)main->close() : trigger(main, "mnuExit");
            CouncilSession::settle();
            QCOMPARE(!other.isNull() && other->isVisible(), way == 2);
            if (way < 2)
                QVERIFY(main.isNull() || !main->isVisible());
            cleanup();
        }
    }

    // Kept under Tovrelia/Valsit in the user's home; reading a default writes nothing;
    // values are trimmed both ways.
    void settingsStore()
    {
        QCOMPARE(SettingsStore().value("ForHeader"), QString("för RUBRIK"));
        QVERIFY(!SettingsSandbox::contains("ForHeader"));
        SettingsStore().setValue("ValsitNmn", " Kiruna.mdb  ");
        const QString file = SettingsSandbox::settingsFile();
        QVERIFY(file.startsWith(QDir::homePath()) && file.contains("Tovrelia/Valsit."));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text) &&
                f.readAll().contains("[Valsit]\nValsitNmn=Kiruna.mdb\n"));
        SettingsSandbox::setRaw("ForHeader", "  för Kiruna \t");
        QCOMPARE(SettingsStore().value("ForHeader"), QString("för Kiruna"));
        SettingsSandbox::setRaw("ForHeader", "   ");
        QCOMPARE(SettingsStore().value("ForHeader"), QString("för RUBRIK"));
    }

    // The seat counts fall back to their defaults (41 and 11) on anything but a number.
    void counts_data() { addRows(countsCases); }
    void counts()
    {
        const CountCase& c = row(countsCases);
        SettingsSandbox::setRaw("MndFullm", c.stored);
        SettingsSandbox::setRaw("MndNmnd", c.stored);
        QCOMPARE(SettingsStore().number("MndFullm"), c.fullm);
        QCOMPARE(SettingsStore().number("MndNmnd"), c.fullm == 41 ? 11 : c.fullm);
    }

    void swedishOrder_data() { addRows(orders); }
    void swedishOrder()
    {
        const OrderCase& c = row(orders);
        QVERIFY(SwedishOrder::compare(c.first, c.second) < 0);
        QVERIFY(SwedishOrder::compare(c.second, c.first) > 0);
    }

    void messageBox_data() { addRows(boxes); }
    void messageBox()
    {
        const BoxCase& c = row(boxes);
        QStringList seen;
        whenOpen([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            QStringList buttons;
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            buttons.sort();
            seen << box->text() << box->windowTitle() << QString::number(box->icon())
                 << buttons.join(' ');
            QTest::keyClick(box, c.key);
        });
        QtMessageService service;
        QCOMPARE(service.msgBox("Vill du fullfölja borttaget av raden?\r\nRad 2", c.buttons,
                                MessageService::Question, "Valsit", c.defaultButton),
                 c.answer);
        QCOMPARE(seen, (QStringList{"Vill du fullfölja borttaget av raden?\nRad 2", "Valsit",
                                    QString::number(QMessageBox::Question), c.shownButtons}));
    }

    // The input box gives the proposed text when left as it is, the file dialogs the chosen
    // path (the save dialog speaking Swedish and proposing the given file); a cancel gives
    // nothing.
    void inputAndFileDialogs()
    {
        QtMessageService service;
        QTemporaryDir dir;
        const QString path = dir.filePath("Mora.mdb"), pdf = dir.filePath("Valsit.pdf");
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        for (bool accept : {true, false}) {
            QStringList seen;
            const auto answer = [&](QWidget* dialog, const QStringList& shown) {
                seen << shown << dialog->windowTitle();
                accept ? static_cast<QDialog*>(dialog)->accept()
                       : static_cast<QDialog*>(dialog)->reject();
            };
            whenOpen([&](QWidget* d) { answer(d, {qobject_cast<QInputDialog*>(d)->labelText()}); });
            bool accepted = !accept;
            const QString got =
                service.inputBox("Ange rubrik", "Valsitberäkning för", "Uppsala", &accepted);
            QCOMPARE(got + QString::number(accepted), accept ? "Uppsala1" : "0");
#ifdef Q_OS_WIN
            QSKIP("Windows' own file dialogs are no Qt widgets a test can answer");
#endif
            whenOpen([&](QWidget* d) { answer(d, qobject_cast<QFileDialog*>(d)->nameFilters()); });
            QCOMPARE(service.fileOpen("Hämta databas", path, {"Valsit-databas (*.mdb)"}),
                     accept ? path : QString());
            whenOpen([&](QWidget* d) {
                auto* box = qobject_cast<QFileDialog*>(d);
                answer(d, {box->labelText(QFileDialog::Accept), box->selectedFiles().value(0)});
            });
            QCOMPARE(service.fileSave("Spara resultatet som PDF", pdf, {"PDF-filer (*.pdf)"}),
                     accept ? pdf : QString());
            QCOMPARE(seen,
                     (QStringList{"Ange rubrik", "Valsitberäkning för", "Valsit-databas (*.mdb)",
                                  "Hämta databas", "Spara", pdf, "Spara resultatet som PDF"}));
        }
    }

    // What word processors write: the text comes out, the rest is skipped.
    void rtfReader_data()
    {
        addRows(rtfCases);
    }
    void rtfReader()
    {
        const RtfCase& c = row(rtfCases);
        QTextDocument doc;
        doc.setPlainText("oförändrad");
        QCOMPARE(RtfReader::read(c.rtf, doc), QString(c.text) != "oförändrad");
        QCOMPARE(doc.toPlainText(), QString(c.text));
    }

    // The document as it is built next to the program reads, with the version filled in;
    // the window reads it at every activation: missing, not RTF, then present.
    void productInformation()
    {
        QFile built(QDir(QCoreApplication::applicationDirPath()).filePath("XDInfoSV.rtf"));
        QVERIFY(built.open(QIODevice::ReadOnly));
        QTextDocument doc;
        QVERIFY(RtfReader::read(built.readAll(), doc));
        QVERIFY(doc.toPlainText().contains("Version " VALSIT_VERSION));
        QVERIFY(doc.toPlainText().contains("Stjärnan * och lottning"));

        QTemporaryDir folder;
        g().programKat = folder.path();
        auto* w = new frmAB_ProdInfo(m_services);
        w->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<QWidget> guard(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const auto shown = [w] { return w->findChild<QTextEdit*>("rtfPInfo")->toPlainText(); };
        QVERIFY(shown().startsWith("Produktinformationen saknas: filen "));
        for (const QByteArray content :
             {"Vanlig text", "{\\rtf1 Valsit \\'e4r ett program\\par}"}) {
            QFile file(folder.filePath("XDInfoSV.rtf"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
            file.close();
            w->Form_Activate();
            QVERIFY(content.startsWith('{') ? shown().trimmed() == "Valsit är ett program"
                                            : shown().endsWith("är inte ett RTF-dokument."));
        }
        QCOMPARE(m_messages.texts(), QStringList());
        QTest::mouseClick(w->findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
        QTRY_VERIFY(!guard);
    }

    // F1 in any window opens the handbook built next to the program, at the page about
    // that window; every window's page is there.
    void handbook()
    {
        g().programKat = QCoreApplication::applicationDirPath();
        g().shareKat.clear();
        for (const char* window : {"frmA_Start", "frmE_PrelRes", "frmE_Valkretsar",
                                   "frmB_Valresultat", "frmD_VisaSkrivUt", "frmED_SkrivUt"})
            QVERIFY2(QFileInfo::exists(HelpWindow::folder() + '/' + HelpWindow::pageFor(window)),
                     window);
        auto* w = new frmAB_ProdInfo(m_services);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
        QVERIFY(CouncilSession::waitActive(w));
        QTest::keyClick(w, Qt::Key_F1);
        HelpWindow* help = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            help = help ? help : qobject_cast<HelpWindow*>(top);
        QVERIFY(help && help->isVisible());
        QVERIFY2(help->browser()->toPlainText().contains("Innehåll"),
                 qPrintable(help->browser()->toPlainText()));
        help->close();
        w->close();
    }

    // Last: the translations stay installed. Qt's own dialogs speak Swedish, their
    // standard buttons included.
    void swedishTranslations()
    {
        QVERIFY(SwedishTranslations::install(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QString("Skriv ut"));
        QCOMPARE(QCoreApplication::translate("QPrintWidget", "&Name:"), QString("&Namn:"));
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::Save).buttons().value(0)->text(), "Spara");
    }
};

QTEST_MAIN(TestShell)
#include "tst_Shell.moc"
