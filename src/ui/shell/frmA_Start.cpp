#include "ui/shell/frmA_Start.h"

#include "committee/CommitteeSetup.h"
#include "council/CouncilSetup.h"
#include "data/DatabaseChooser.h"
#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "data/ElectionSettings.h"
#include "report/ReportHeader.h"
#include "shell/AppGlobals.h"
#include "shell/AppInfo.h"
#include "shell/Clock.h"
#include "shell/MessageService.h"
#include "shell/SettingsStore.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/WindowRegistry.h"
#include "ui/shell/WindowStateRule.h"

#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// A caption shows a heading or a path as typed: a lone "&" would mark a shortcut letter
// and vanish ("Bygg & Miljö").
void setCaption(QAction* item, QString text)
{
    item->setText(text.replace(QLatin1Char('&'), QLatin1String("&&")));
}

QString caption(const QAction* item)
{
    return item->text().replace(QLatin1String("&&"), QLatin1String("&"));
}

} // namespace

frmA_Start::frmA_Start(AppServices& appServices, QWidget* parent)
    : WindowBase(appServices, QStringLiteral("frmA_Start"), AppInfo::productName(), EveryActivation,
                 parent)
{
    buildControls();
    buildMenus();
    // The design size of the window, which it keeps as its smallest normal size.
    setDesignSize(9600, 4800);
    resize(stateRule()->minimumPixels());
    Form_Load();
}

frmA_Start::~frmA_Start() = default;

void frmA_Start::buildControls()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 12, 12, 2); // "&Fortsätt" sits 30 twips above the bottom

    auto* head = new QHBoxLayout;
    m_picIcon = new QLabel(central);
    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_picIcon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    m_lblTitle = new QLabel(central);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = m_lblTitle->font();
    titleFont.setPointSize(titleFont.pointSize() * 2);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);
    head->addWidget(m_picIcon);
    head->addWidget(m_lblTitle, 1);
    layout->addLayout(head);

    m_lblVersion = new QLabel(central);
    m_lblVersion->setObjectName(QStringLiteral("lblVersion"));
    layout->addWidget(m_lblVersion);

    auto* line = new QFrame(central);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);

    m_lblDisclaimer = new QLabel(central);
    m_lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    m_lblDisclaimer->setWordWrap(true);
    m_lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblDisclaimer->setText(QStringLiteral(
        "Valsit räknar fram en preliminär fördelning av mandaten i fullmäktige och av "
        "valsiten i nämnder. Kontrollera alltid resultatet mot det fastställda valresultatet "
        "innan det används. Där en plats markeras med * ska lotten avgöra."));
    layout->addWidget(m_lblDisclaimer, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    m_cmdNext = new QPushButton(QStringLiteral("&Fortsätt"), central);
    m_cmdNext->setObjectName(QStringLiteral("cmdNext"));
    m_cmdNext->setDefault(true);
    bottom->addWidget(m_cmdNext);
    layout->addLayout(bottom);
    setCentralWidget(central);

    onClicked(m_cmdNext, &frmA_Start::cmdNext_Click);
}

void frmA_Start::buildMenus()
{
    QMenuBar* bar = menuBar();

    m_mnuExit = addMenuItem(bar, QStringLiteral("Avsluta"), "mnuExit", &frmA_Start::mnuExit_Click);
    m_mnuInfo =
        addMenuItem(bar, QStringLiteral("Information"), "mnuInfo", &frmA_Start::mnuInfo_Click);

    m_mnuOption = addNamedMenu(bar, QStringLiteral("Beräkning av nämnd-valsit"), "mnuOption");
    m_mnuNmndmnd = addMenuItem(m_mnuOption, QStringLiteral("Nämndvalsit"), "mnuNmndmnd",
                               &frmA_Start::mnuNmndmnd_Click);
    m_mnuPrelFullm = addMenuItem(m_mnuOption, QStringLiteral("Preliminär fullmäktige"),
                                 "mnuPrelFullm", &frmA_Start::mnuPrelFullm_Click);
    m_mnuNmndmnd->setCheckable(true);
    m_mnuPrelFullm->setCheckable(true);

    m_mnuDataBas = addNamedMenu(bar, QStringLiteral("DataBas"), "mnuDataBas");
    m_mnuHmtaNyLnk = addMenuItem(m_mnuDataBas, QStringLiteral("Hämta databas"), "mnuHmtaNyLnk",
                                 &frmA_Start::mnuHmtaNyLnk_Click);
    m_mnuSkapaNyDB = addMenuItem(m_mnuDataBas, QStringLiteral("Skapa Ny databas"), "mnuSkapaNyDB",
                                 &frmA_Start::mnuSkapaNyDB_Click);
    m_mnuRecentFile = addMenuItem(m_mnuDataBas, QStringLiteral(" "), "mnuRecentFile",
                                  &frmA_Start::mnuRecentFile_Click);

    m_mnuForHeader = addMenuItem(bar, QStringLiteral("för RUBRIK"), "mnuForHeader",
                                 &frmA_Start::mnuForHeader_Click);
    // Where the organisation printed in the reports is set (kept as the setting OrgNamn).
    m_mnuOrgNamn = addMenuItem(bar, QStringLiteral("Organisation"), "mnuOrgNamn",
                               &frmA_Start::mnuOrgNamn_Click);
}

void frmA_Start::Form_Load()
{
    AppGlobals& globals = AppGlobals::instance();
    SettingsStore settings;

    // 480 pixels is 7200 twips at 15 twips per pixel.
    if (services().screenHeight() < 480) {
        globals.SkarmOK = false;
        messages().msgBox(
            QStringLiteral("Skärmen har sämre upplösning än systemets baskrav på 800x600. ") +
                QStringLiteral(
                    "Detta kan betyda att systemet åker ut pga att data inte får plats. ") +
                QStringLiteral("Ställ in skärmens upplösning mha 'Kontrollpanelen'"),
            MessageService::Ok, MessageService::NoIcon, globals.AppNamn);
    } else {
        globals.SkarmOK = true;
    }

    applyWindowState();

    globals.OrgNamn = settings.value(QStringLiteral("OrgNamn"));
    globals.BestDatum = ReportHeader::dateText(services().clock.today());
    m_lblTitle->setText(AppInfo::productName());
    m_lblVersion->setText(QStringLiteral("Version ") + AppInfo::version());

    DatabaseChooser(globals, messages(), settings).loadFromSettings();

    services().renewSetups();
    globals.AppNamn = AppInfo::appNamn();

    // The seats and the heading are the election's: read from the file at activation.
    const ElectionSettings defaults;
    m_antFullm = defaults.councilSeats;
    m_antNmnd = defaults.committeeSeats;
    // Stored as the design has it: "0" for the committee, "1" for the council.
    m_committeeChosen = settings.value(QStringLiteral("ChkNmnd")) == QLatin1String("0");
    setCaption(m_mnuForHeader, defaults.heading);
}

bool frmA_Start::ensureUsableDatabase()
{
    AppGlobals& globals = AppGlobals::instance();
    const QString path = AppGlobals::joinPath(globals.DBKat, globals.DBNmn);
    // SQLite's check reads the whole file: once, when the file becomes the working
    // election, not at every return from an entry window. A file that has gone since is
    // looked for again.
    if (path == globals.DBVerified && QFileInfo(path).isFile())
        return true;
    const ElectionDatabase::FileKind kind = ElectionDatabase::verify(path);
    if (kind == ElectionDatabase::ElectionFile) {
        globals.DBVerified = path;
        return true;
    }
    if (kind == ElectionDatabase::Missing)
        messages().msgBox(QStringLiteral("Databasen '") + globals.DBNmn +
                              QStringLiteral("' finns inte i sökvägen ") + globals.DBKat +
                              QStringLiteral(" Hämta databas"),
                          MessageService::Ok, MessageService::NoIcon, globals.AppNamn);
    else
        messages().msgBox(ElectionDatabase::refusalText(kind, path) +
                              QStringLiteral("\r\nVälj en annan databas."),
                          MessageService::Ok, MessageService::Critical, globals.AppNamn);
    SettingsStore settings;
    if (!DatabaseChooser(globals, messages(), settings).ValjDatabas())
        return false;
    // The chooser has checked what it chose.
    globals.DBVerified = globals.DBSokVag;
    return true;
}

void frmA_Start::showElection()
{
    AppGlobals& globals = AppGlobals::instance();
    try {
        bool migrated = false;
        const ElectionSettings election =
            ElectionSettings::open(globals.DBSokVag, SettingsStore(), &migrated);
        m_antFullm = election.councilSeats;
        m_antNmnd = election.committeeSeats;
        setCaption(m_mnuForHeader, election.heading);
        if (migrated)
            statusBar()->showMessage(ElectionSettings::migratedText(globals.DBNmn));
    } catch (const DbError& e) {
        dbError(QStringLiteral("Valets inställningar kunde inte läsas. ") + e.Description());
    }
}

void frmA_Start::onActivate()
{
    // The window becomes active again when one of its own dialogs closes; a command is
    // then half done (the choice of database has set DBKat and DBNmn to "0" while its
    // dialog is open), so its activation waits for the command to finish it (Command).
    AppGlobals& globals = AppGlobals::instance();
    if (!ensureUsableDatabase()) {
        mnuExit_Click();
        return;
    }
    setCaption(m_mnuRecentFile, globals.DBSokVag);
    showElection();
    if (m_committeeChosen)
        mnuNmndmnd_Click();
    else
        mnuPrelFullm_Click();
}

void frmA_Start::mnuNmndmnd_Click()
{
    if (!menuOn(m_mnuNmndmnd))
        return;
    m_mnuNmndmnd->setChecked(true);
    m_mnuPrelFullm->setChecked(false);
    m_mnuOption->setTitle(QStringLiteral("Beräkning av nämnd-valsit"));
    m_committeeChosen = true;
}

void frmA_Start::mnuPrelFullm_Click()
{
    if (!menuOn(m_mnuPrelFullm))
        return;
    m_mnuPrelFullm->setChecked(true);
    m_mnuNmndmnd->setChecked(false);
    m_mnuOption->setTitle(QStringLiteral("Beräkning av preliminär fullmäktige"));
    m_committeeChosen = false;
}

void frmA_Start::mnuHmtaNyLnk_Click()
{
    const Command command(this);
    if (!menuOn(m_mnuHmtaNyLnk))
        return;
    SettingsStore settings;
    if (!DatabaseChooser(AppGlobals::instance(), messages(), settings).ValjDatabas())
        return;
    setCaption(m_mnuRecentFile, AppGlobals::instance().DBSokVag);
    Form_Activate();
}

void frmA_Start::mnuSkapaNyDB_Click()
{
    const Command command(this);
    if (!menuOn(m_mnuSkapaNyDB))
        return;
    SettingsStore settings;
    if (!DatabaseChooser(AppGlobals::instance(), messages(), settings).SkapaNyDB())
        return;
    setCaption(m_mnuRecentFile, AppGlobals::instance().DBSokVag);
    Form_Activate();
}

void frmA_Start::mnuRecentFile_Click()
{
    if (!menuOn(m_mnuRecentFile))
        return;
    setCaption(m_mnuRecentFile, AppGlobals::instance().DBSokVag);
}

void frmA_Start::mnuForHeader_Click()
{
    const Command command(this);
    if (!menuOn(m_mnuForHeader))
        return;
    QString proposed = caption(m_mnuForHeader);
    const int at = proposed.indexOf(QStringLiteral("för "));
    if (at >= 0)
        proposed = proposed.mid(at + 4);
    proposed = proposed.trimmed();

    bool accepted = false;
    QString answer = messages().inputBox(
        QStringLiteral("Ange rubrik på utskriften för beräkningen. T ex Zuveride-Dod"),
        QStringLiteral("Valsitberäkning för"), proposed, &accepted);
    if (!accepted)
        return; // cancelled: the heading stays
    if (answer.size() < 2)
        answer = QStringLiteral("Rubrik");
    const QString heading = (QStringLiteral("för ") + answer).trimmed();
    try {
        ElectionSettings::update(AppGlobals::instance().DBSokVag,
                                 [&](ElectionSettings& s) { s.heading = heading; });
    } catch (const DbError& e) {
        dbError(QStringLiteral("Rubriken kunde inte sparas i databasen. ") + e.Description());
        return;
    }
    setCaption(m_mnuForHeader, heading);
}

void frmA_Start::mnuOrgNamn_Click()
{
    const Command command(this);
    if (!menuOn(m_mnuOrgNamn))
        return;
    AppGlobals& globals = AppGlobals::instance();
    const QString answer =
        messages()
            .inputBox(QStringLiteral("Ange namnet på organisationen som skrivs i rapporterna. T ex "
                                     "Uppsala kommun"),
                      QStringLiteral("Organisation"), globals.OrgNamn)
            .trimmed();
    if (answer.isEmpty())
        return; // cancelled: the name stays
    globals.OrgNamn = answer;
    SettingsStore().setValue(QStringLiteral("OrgNamn"), answer);
}

void frmA_Start::mnuInfo_Click()
{
    const Command command(this);
    if (!menuOn(m_mnuInfo))
        return;
    showWindow(QStringLiteral("frmAB_ProdInfo"));
}

void frmA_Start::mnuExit_Click()
{
    WindowRegistry::exitProgram();
}

void frmA_Start::cmdNext_Click()
{
    const Command command(this);
    SettingsStore().setValue(QStringLiteral("ChkNmnd"),
                             m_committeeChosen ? QStringLiteral("0") : QStringLiteral("1"));
    services().committee->setAntValsit(m_antNmnd);
    services().council->setAntValsit(m_antFullm);
    const QString next = m_mnuNmndmnd->isChecked() ? QStringLiteral("frmB_Valresultat")
                                                   : QStringLiteral("frmE_PrelRes");
    handOver(next);
}

bool frmA_Start::queryUnload()
{
    return WindowRegistry::exitProgram(this);
}
