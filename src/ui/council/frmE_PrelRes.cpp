#include "ui/council/frmE_PrelRes.h"

#include "data/ElectionDatabase.h"
#include "ui/shell/AppServices.h"

#include "council/CouncilEntry.h"
#include "council/CouncilFromFile.h"
#include "council/CouncilRules.h"
#include "council/CouncilSeatStore.h"
#include "council/CouncilSetup.h"
#include "council/DistrRosterStore.h"
#include "council/ImportedVotes.h"
#include "council/ResultImport.h"
#include "council/ValkretsRun.h"
#include "council/ValkretsStore.h"
#include "data/DataControl.h"
#include "data/DbError.h"
#include "data/ElectionSettings.h"
#include "data/ResultFileError.h"
#include "data/ResultFileReader.h"
#include "shell/AppGlobals.h"
#include "shell/Clock.h"
#include "shell/EngineError.h"
#include "shell/MessageService.h"
#include "shell/SettingsStore.h"
#include "ui/council/DistrRegisterPanel.h"
#include "ui/council/DistrVotePanel.h"
#include "ui/council/PartyPanel.h"
#include "ui/editing/DAOdataCtl.h"
#include "ui/editing/RedigeraMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

} // namespace

frmE_PrelRes::frmE_PrelRes(AppServices& appServices, QWidget* parent)
    : WindowBase(appServices, QStringLiteral("frmE_PrelRes"),
                 QStringLiteral("Valsit - Preliminär Fullmäktige"), FirstActivationOnly, parent)
{
    m_keys.setFormName(this);

    auto* central = new QWidget(this);
    auto* stack = new QGridLayout(central);
    stack->setContentsMargins(twips(20), twips(60), twips(20), twips(20));
    m_frame1 = new PartyPanel(messages(), m_keys, central);
    m_frame4 = new DistrRegisterPanel(messages(), m_keys, central);
    m_frame5 = new DistrVotePanel(messages(), m_keys, central);
    m_frame5->setMessageLabel(m_frame1->message());
    // The district panels lie over the party panel.
    for (QGroupBox* panel : {static_cast<QGroupBox*>(m_frame1), static_cast<QGroupBox*>(m_frame4),
                             static_cast<QGroupBox*>(m_frame5)}) {
        panel->setAutoFillBackground(true);
        stack->addWidget(panel, 0, 0);
    }
    m_frame4->hide();
    m_frame5->hide();
    setCentralWidget(central);
    buildMenus();

    onClicked(m_frame1->cmdNext(), &frmE_PrelRes::cmdNext_Click);
    for (int i = 0; i < 2; ++i)
        connectGuarded(m_frame1->antDec(i), &QRadioButton::clicked,
                       [this, i] { engine().setBerTalAntDec(i == 0 ? 0 : 1); });
    // The panels' own handlers run inside the window's guard.
    const auto guarded = [this](const std::function<void()>& handler) { guard(handler); };
    m_frame1->setGuard(guarded);
    m_frame4->setGuard(guarded);
    m_frame5->setGuard(guarded);
    setReturnWindow(QStringLiteral("frmA_Start"));

    setDesignSize(7240, 6000);
    applyWindowState(QSize(760, 620));
}

frmE_PrelRes::~frmE_PrelRes() = default;

QString frmE_PrelRes::currentPartyCode() const
{
    return m_frame1->currentId();
}

qint32 frmE_PrelRes::currentDistrictId() const
{
    return m_frame4->currentId().toInt();
}

qint32 frmE_PrelRes::selectedDistrictId() const
{
    return m_frame5->selectedDistrictId();
}

bool frmE_PrelRes::validationPassed() const
{
    return m_frame1->validationPassed();
}

// ---- Menus, activation and leaving ---------------------------------------------------

void frmE_PrelRes::buildMenus()
{
    QMenuBar* bar = menuBar();
    const auto named = [](QAction* action, const char* name) {
        action->setObjectName(QLatin1String(name));
        return action;
    };
    m_mnuExit = named(bar->addAction(QStringLiteral("Avsluta")), "mnuExit");
    onTriggered(m_mnuExit, &frmE_PrelRes::mnuExit_Click);
    m_mnuUpdMnd = named(bar->addAction(QStringLiteral("Lagra framräknade valsit")), "mnuUpdMnd");
    m_mnuUpdMnd->setEnabled(false);
    onTriggered(m_mnuUpdMnd, &frmE_PrelRes::mnuUpdMnd_Click);

    m_mnuDistrTot = bar->addMenu(QStringLiteral("TOTALT"));
    m_mnuDistrTot->setObjectName(QStringLiteral("mnuDistrTot"));
    m_mnuDistrTot->menuAction()->setObjectName(QStringLiteral("mnuDistrTot"));
    m_mnuTotalt = named(m_mnuDistrTot->addAction(QStringLiteral("TOTALT")), "mnuTotalt");
    m_mnuDistrikt = named(m_mnuDistrTot->addAction(QStringLiteral("Distrikt")), "mnuDistrikt");
    m_mnuTotalt->setCheckable(true);
    m_mnuDistrikt->setCheckable(true);
    m_mnuTotalt->setChecked(true);
    onTriggered(m_mnuTotalt, &frmE_PrelRes::mnuTotalt_Click);
    onTriggered(m_mnuDistrikt, &frmE_PrelRes::mnuDistrikt_Click);

    m_mnuUpdDistrRost = bar->addMenu(QStringLiteral("Lagra Röster"));
    m_mnuUpdDistrRost->menuAction()->setEnabled(false);
    m_mnuUpdDistrRost->setObjectName(QStringLiteral("mnuUpdDistrRost"));
    m_mnuUpdDistrRost->menuAction()->setObjectName(QStringLiteral("mnuUpdDistrRost"));
    m_mnuUpdRost =
        named(m_mnuUpdDistrRost->addAction(QStringLiteral("Lagra Röster")), "mnuUpdRost");
    m_mnuUpdDistr =
        named(m_mnuUpdDistrRost->addAction(QStringLiteral("Uppdatera Distrikt")), "mnuUpdDistr");
    m_mnuUpdRost->setCheckable(true);
    m_mnuUpdDistr->setCheckable(true);
    m_mnuUpdRost->setChecked(true);
    onTriggered(m_mnuUpdRost, &frmE_PrelRes::mnuUpdRost_Click);
    onTriggered(m_mnuUpdDistr, &frmE_PrelRes::mnuUpdDistr_Click);

    m_mnuHamtaValresultat =
        named(bar->addAction(QStringLiteral("Hämta valresultat…")), "mnuHamtaValresultat");
    onTriggered(m_mnuHamtaValresultat, &frmE_PrelRes::mnuHamtaValresultat_Click);
    m_mnuValkretsar = named(bar->addAction(QStringLiteral("Valkretsar")), "mnuValkretsar");
    onTriggered(m_mnuValkretsar, &frmE_PrelRes::mnuValkretsar_Click);

    RedigeraMenu* edit = RedigeraMenu::addTo(bar, messages());
    edit->setObjectName(QStringLiteral("mnuEdit"));
}

void frmE_PrelRes::onActivate()
{
    CouncilSetup& rost = engine();
    m_frame1->setValidationPassed(true);
    readElection();
    m_frame1->text1(4)->setText(QString::number(m_election.councilSeats));
    m_frame1->check1()->setChecked(m_election.districtReport);
    m_frame1->check2()->setChecked(rost.BerTalSW());
    m_frame1->antDec(rost.BerTalAntDec() != 0 ? 1 : 0)->setChecked(true);
    m_frame1->option1(rost.SkrivUtSW() ? 1 : 0)->setChecked(true);

    // With constituencies today's rules have a threshold of 3 %, without them 2 %.
    m_valkretsar = false;
    try {
        ElectionDatabase election(AppGlobals::instance().DBSokVag);
        m_valkretsar = ValkretsStore(election).hasConstituencies();
    } catch (const DbError& e) {
        dbError(QStringLiteral("Valkretsarna kunde inte läsas. ") + e.Description());
    }
    m_frame1->setValkretsar(m_valkretsar);
    m_frame1->setRules(CouncilRules::of(m_election, m_valkretsar));
    setWindowTitle(m_valkretsar ? QStringLiteral("Valsit - Preliminär Fullmäktige (med valkretsar)")
                                : QStringLiteral("Valsit - Preliminär Fullmäktige"));

    if (!m_sourcesSet) {
        const QString db = AppGlobals::instance().DBSokVag;
        m_frame1->setSource(db, CouncilEntry::partyQuery(), QStringLiteral("PartiID"),
                            QStringLiteral("E"));
        m_frame4->setSource(db, CouncilEntry::districtQuery(), QStringLiteral("DistrID"),
                            QStringLiteral("N"));
        m_frame5->setDatabase(db);
        m_sourcesSet = true;
    }
    m_frame1->navigator().StartDBC(0);
    m_frame1->message()->setText(QStringLiteral(" "));
    cmdButt1_Click(0);

    switchMenu(m_mnuUpdMnd, QStringLiteral("Lagra framräknade valsit"),
               rost.PartiValRes(0) >= 1 || rost.PartiValRes(1) >= 1);

    m_frame4->navigator().StartDBC(0);
    m_frame4->message()->setText(QStringLiteral(" "));
    m_frame5->frame7()->hide();
    mnuTotalt_Click();
}

void frmE_PrelRes::mnuExit_Click()
{
    if (!menuOn(m_mnuExit))
        return;
    // A district change left pending would be lost with the window, like a party change.
    if (!m_frame1->navigator().EndDBC())
        return;
    if (!m_frame4->navigator().EndDBC())
        return;
    handOverBack();
}

bool frmE_PrelRes::queryUnload()
{
    // Closed by the user from the title bar: the same as "Avsluta".
    return menuOn(m_mnuExit) && m_frame1->navigator().EndDBC() && m_frame4->navigator().EndDBC();
}

void frmE_PrelRes::cmdButt1_Click(int Index)
{
    m_frame1->click(Index);
}

void frmE_PrelRes::cmdButt2_Click(int Index)
{
    m_frame4->click(Index);
}

void frmE_PrelRes::cboDistr_Click(int listIndex)
{
    m_frame5->choose(listIndex);
}

void frmE_PrelRes::mnuValkretsar_Click()
{
    // Not while district votes are on screen: they are stored on the way back to totals.
    if (!menuOn(m_mnuExit))
        return;
    if (!m_frame1->navigator().EndDBC() || !m_frame4->navigator().EndDBC())
        return;
    handOver(QStringLiteral("frmE_Valkretsar"));
}

// ---- Proceed and stored seats ---------------------------------------------------------

bool frmE_PrelRes::readRules(double* sparr)
{
    if (!CouncilRules::parseSparr(m_frame1->txtSparr()->text(), sparr)) {
        info(QStringLiteral(
            "Ange 'Spärr i procent' som ett tal mellan 0 och 100 (0 = ingen spärr)"));
        m_frame1->txtSparr()->setFocus();
        return false;
    }
    return true;
}

void frmE_PrelRes::cmdNext_Click()
{
    // A party change not yet saved would be left out of the calculation and lost with
    // the window: the user finishes it first.
    if (!m_frame1->navigator().EndDBC())
        return;
    if (showChangesMadeElsewhere())
        return;
    CouncilSetup& rost = engine();
    const QString seats = m_frame1->text1(4)->text();
    if (seats.size() < 1 || seats.size() > 3) {
        info(QStringLiteral("Ange 'Fullmäktigevalsit att fördela' - max 3 tecken"));
        m_frame1->text1(4)->setFocus();
        return;
    }
    // A pasted non-number is out of range like any other count.
    bool isNumber = false;
    const int count = seats.trimmed().toInt(&isNumber);
    if (!isNumber || count < rost.MinValsit() || count > rost.MaxValsit()) {
        info(QStringLiteral("Antal valsit skall vara mellan ") + QString::number(rost.MinValsit()) +
             QStringLiteral(" och ") + QString::number(rost.MaxValsit()));
        m_frame1->text1(4)->setFocus();
        return;
    }
    double sparr = 0;
    if (!readRules(&sparr))
        return;
    CouncilRules rules;
    rules.forstaDivisor = m_frame1->cboForstaDivisor()->currentIndex() == 1 ? 1.2 : 1.4;
    rules.sparr = sparr;
    const bool districts = m_frame1->check1()->checkState() != Qt::Unchecked;
    // The seats, rules and district choice are the election's: kept in its file.
    try {
        m_election =
            ElectionSettings::update(AppGlobals::instance().DBSokVag, [&](ElectionSettings& s) {
                s.councilSeats = count;
                rules.storeIn(s, m_valkretsar);
                s.districtReport = districts;
            });
    } catch (const DbError& e) {
        dbError(QStringLiteral("Mandaten och reglerna kunde inte sparas i databasen. ") +
                e.Description());
        return;
    }
    rost.setAntValsit(count);
    rules.applyTo(rost);

    if (!m_frame1->data().isOpen())
        return;
    QString refusal;
    if (CouncilEntry::loadParties(m_frame1->data().Recordset(), rost, true, &refusal) !=
        CouncilEntry::Loaded) {
        messages().msgBox(refusal, MessageService::Ok, MessageService::Information,
                          AppGlobals::instance().AppNamn);
        return;
    }

    rost.setVisaDistriktSW(districts);
    rost.setBerTalSW(m_frame1->check2()->checkState() != Qt::Unchecked);
    rost.setSkrivUtSW(m_frame1->option1(1)->isChecked());
    rost.setRubrik1(CouncilEntry::HamtaRubrik(m_election.heading));

    // With constituencies the fixed seats and the districts are checked before any run.
    if (m_valkretsar) {
        QString problem;
        try {
            ElectionDatabase election(AppGlobals::instance().DBSokVag);
            problem = ValkretsRun::check(rost, election);
        } catch (const DbError& e) {
            problem = e.Description();
        }
        if (!problem.isEmpty()) {
            info(QStringLiteral("Mandaten kan inte fördelas med valkretsar: ") + problem);
            return;
        }
    }

    const QString next =
        rost.SkrivUtSW() ? QStringLiteral("frmED_SkrivUt") : QStringLiteral("frmED_VisaSkrivUt");
    handOver(next);
}

void frmE_PrelRes::mnuUpdMnd_Click()
{
    if (!menuOn(m_mnuUpdMnd))
        return;
    const Command command(this);
    // Calculated again from the file as it is now: the report on screen may be older
    // than the votes, seats or rules the file holds.
    std::shared_ptr<ElectionDatabase> db;
    CouncilFromFile::Outcome outcome;
    try {
        db = std::make_shared<ElectionDatabase>(AppGlobals::instance().DBSokVag);
        outcome = CouncilFromFile::calculate(db);
    } catch (const DbError& e) {
        dbError(QStringLiteral("Mandaten kunde inte räknas fram; ingenting har lagrats. ") +
                e.Description());
        return;
    } catch (const EngineError& e) {
        dbError(e.message() + QStringLiteral(" Ingenting har lagrats."));
        return;
    }
    if (outcome.fingerprint != services().councilReportInput) {
        const QString question =
            QStringLiteral("Rösterna, mandaten eller reglerna i databasen har ändrats sedan "
                           "rapporten räknades fram. Beräknat på det som databasen innehåller "
                           "nu blir mandaten:\r\n%1\r\nVill du lagra dessa mandat som antal "
                           "valsit i fullmäktige?")
                .arg(CouncilFromFile::seatsText(outcome));
        if (messages().msgBox(question, MessageService::YesNo, MessageService::Question,
                              AppGlobals::instance().AppNamn,
                              MessageService::SecondButton) != MessageService::AnswerYes)
            return;
    }
    try {
        CouncilSeatStore::store(*db, outcome, services().clock.now());
    } catch (const DbError& e) {
        dbError(QStringLiteral("De framräknade valsiten kunde inte lagras. ") + e.Description());
        return;
    } catch (const EngineError& e) {
        dbError(e.message());
        return;
    }
    switchMenu(m_mnuUpdMnd, QStringLiteral("Lagra framräknade valsit"), false);
    m_frame1->data().Refresh();
    cmdButt1_Click(0);
    notice(CouncilSeatStore::storedText(outcome));
}

void frmE_PrelRes::readElection()
{
    try {
        m_election = ElectionSettings::open(AppGlobals::instance().DBSokVag, SettingsStore());
    } catch (const DbError& e) {
        dbError(QStringLiteral("Valets inställningar kunde inte läsas. ") + e.Description());
    }
}

bool frmE_PrelRes::showChangesMadeElsewhere()
{
    const ElectionSettings shown = m_election;
    bool partiesChanged = false;
    try {
        partiesChanged = m_frame1->data().changedElsewhere();
    } catch (const DbError& e) {
        dbError(QStringLiteral("Partierna kunde inte läsas. ") + e.Description());
        return true;
    }
    readElection();
    const bool settingsChanged =
        m_election.councilSeats != shown.councilSeats || m_election.rules != shown.rules ||
        m_election.firstDivisor != shown.firstDivisor || m_election.threshold != shown.threshold ||
        m_election.districtReport != shown.districtReport;
    if (!partiesChanged && !settingsChanged)
        return false;
    // What the file holds now is shown, and the user looks at it before anything is
    // calculated from it.
    if (partiesChanged) {
        m_frame1->data().Refresh();
        cmdButt1_Click(0);
    }
    if (settingsChanged) {
        m_frame1->text1(4)->setText(QString::number(m_election.councilSeats));
        m_frame1->check1()->setChecked(m_election.districtReport);
        m_frame1->setRules(CouncilRules::of(m_election, m_valkretsar));
    }
    notice(QStringLiteral("Databasen har ändrats av ett annat program eller fönster sedan "
                          "fönstret visade den. Fönstret visar nu det som finns i databasen. "
                          "Kontrollera uppgifterna och tryck på Fortsätt igen."));
    return true;
}

// ---- The district half --------------------------------------------------------------

void frmE_PrelRes::mnuDistrikt_Click()
{
    if (!menuOn(m_mnuDistrTot))
        return;
    // The party list is read again on the way back: a change pending in it would be lost.
    if (!m_frame1->navigator().EndDBC())
        return;
    switchMenu(m_mnuUpdDistrRost, QStringLiteral("Lagra Röster"), true);
    m_mnuDistrikt->setChecked(true);
    m_mnuTotalt->setChecked(false);
    switchMenu(m_mnuDistrTot, QStringLiteral("Distrikt"), true);
    switchMenu(m_mnuExit, QStringLiteral("Avsluta"), false);
    m_mnuValkretsar->setEnabled(false); // it waits for totals mode, as "Avsluta" does
    if (!LaddaPartierDistr())
        return;
    m_frame4->hide();
    m_frame5->show();
    m_frame5->raise();
    m_frame5->frame7()->hide();
    LaddaDistrikt();
}

void frmE_PrelRes::mnuTotalt_Click()
{
    if (!menuOn(m_mnuDistrTot))
        return;
    // The votes on screen are stored first; if they cannot be, the user stays with them.
    if (!m_frame5->storeAndHide())
        return;
    if (!SummeraDistrRoster())
        return;
    switchMenu(m_mnuUpdDistrRost, QStringLiteral("Lagra Röster"), false);
    m_mnuTotalt->setChecked(true);
    m_mnuDistrikt->setChecked(false);
    switchMenu(m_mnuDistrTot, QStringLiteral("TOTALT"), true);
    switchMenu(m_mnuExit, QStringLiteral("Avsluta"), true);
    m_mnuValkretsar->setEnabled(true);
    m_frame4->hide();
    m_frame5->hide();
}

void frmE_PrelRes::mnuUpdRost_Click()
{
    // Its menu is blank, and so switched off, in totals mode.
    if (!menuOn(m_mnuUpdDistrRost))
        return;
    // The register is read again by name: a district change pending in it would be lost.
    if (!m_frame4->navigator().EndDBC())
        return;
    LaddaDistrikt();
    m_mnuUpdRost->setChecked(true);
    m_mnuUpdDistr->setChecked(false);
    switchMenu(m_mnuUpdDistrRost, QStringLiteral("Lagra Röster"), true);
    switchMenu(m_mnuDistrTot, QStringLiteral("Distrikt"), true);
    m_frame5->show();
    m_frame5->raise();
    m_frame4->hide();
}

void frmE_PrelRes::mnuUpdDistr_Click()
{
    if (!menuOn(m_mnuUpdDistrRost))
        return;
    if (!m_frame5->storeAndHide())
        return;
    m_mnuUpdDistr->setChecked(true);
    m_mnuUpdRost->setChecked(false);
    switchMenu(m_mnuUpdDistrRost, QStringLiteral("Uppdatera Distrikt"), true);
    switchMenu(m_mnuDistrTot, QStringLiteral("Distrikt"), false);
    m_frame4->show();
    m_frame4->raise();
    m_frame5->hide();
    cmdButt2_Click(0);
}

bool frmE_PrelRes::LaddaPartierDistr()
{
    // The rows are filled straight from the party list. The engine keeps the parties of
    // its last calculation, so "Lagra framräknade valsit" still stores each party's own
    // seats after a visit to district mode.
    DataControl& parties = m_frame1->data();
    if (!parties.isOpen())
        return false;
    const int count = parties.Recordset().RecordCount();
    CouncilSetup& rost = engine();
    if (count > rost.MaxPartier()) {
        info(QStringLiteral("Antal partier får vara högst ") + QString::number(rost.MaxPartier()));
        return false;
    }
    if (count < rost.MinPartier()) {
        info(QStringLiteral("Antal partier med valsit får vara lägst ") +
             QString::number(rost.MinPartier()));
        return false;
    }
    m_frame5->loadRows(parties.Recordset());
    m_rowsLoaded = true;
    return true;
}

bool frmE_PrelRes::LaddaDistrikt()
{
    QList<DistrRosterStore::District> districts;
    try {
        ElectionDatabase election(AppGlobals::instance().DBSokVag);
        districts = DistrRosterStore(election).districtsByName();
    } catch (const DbError& e) {
        dbError(QStringLiteral("Distrikten kunde inte läsas. ") + e.Description());
        return true;
    }
    // The register lists the districts by name from now on, as the choice does.
    const DataSource byName =
        CouncilEntry::districtQuery(QStringLiteral("DistrNamn COLLATE SVENSKA"));
    m_frame4->navigator().setRecordSource(byName);
    m_frame4->data().setRecordSource(byName);
    try {
        m_frame4->data().Refresh();
    } catch (const DbError& e) {
        dbError(QStringLiteral("Distrikten kunde inte läsas. ") + e.Description());
    }
    m_frame5->setDistricts(districts);
    return true;
}

bool frmE_PrelRes::SummeraDistrRoster()
{
    if (!m_rowsLoaded)
        return true; // district mode not entered: nothing to sum
    try {
        ElectionDatabase election(AppGlobals::instance().DBSokVag);
        DistrRosterStore store(election);
        const QList<DistrRosterStore::TotalChange> changes = store.totalChanges(m_frame5->codes());
        // A total typed or corrected by hand is replaced only when the user agrees.
        if (!changes.isEmpty()) {
            QString text = QStringLiteral("Distriktens summor skiljer sig från partiernas "
                                          "totala röster:");
            for (const DistrRosterStore::TotalChange& c : changes)
                text += QStringLiteral("\r\n") + c.partiID + QStringLiteral(": ") +
                        QString::number(c.total) + QStringLiteral(" blir ") +
                        QString::number(c.sum);
            text += QStringLiteral("\r\nVill du ersätta de totala rösterna med distriktens "
                                   "summor?");
            if (messages().msgBox(text, MessageService::YesNo, MessageService::Question,
                                  AppGlobals::instance().AppNamn,
                                  MessageService::SecondButton) == MessageService::AnswerYes)
                store.replaceTotals(changes);
        }
        m_frame1->data().Refresh();
    } catch (const DbError& e) {
        dbError(QStringLiteral("Partiernas totala röster kunde inte summeras. ") + e.Description());
        return false;
    }
    cmdButt1_Click(0);
    return true;
}

CouncilSetup& frmE_PrelRes::engine() const
{
    return *services().council;
}

// Valmyndighetens resultatfil: read and checked first, shown, and only on Ja put in the
// database (all in one transaction) with the seats to share.
void frmE_PrelRes::mnuHamtaValresultat_Click()
{
    const Command command(this);
    if (!m_frame1->navigator().EndDBC() || !m_frame4->navigator().EndDBC())
        return;
    // The dialog opens where the last result file came from, else in the election's folder.
    static QString lastFolder;
    const QString start = !lastFolder.isEmpty() && QFileInfo(lastFolder).isDir()
                              ? lastFolder
                              : QFileInfo(AppGlobals::instance().DBSokVag).absolutePath();
    const QString path =
        messages().fileOpen(QStringLiteral("Hämta valresultat"), start,
                            {QStringLiteral("Valmyndighetens resultatfiler (*.xml *.zip *.json)"),
                             QStringLiteral("Alla filer (*)")});
    if (path.isEmpty())
        return;
    lastFolder = QFileInfo(path).absolutePath();
    ResultFile file;
    ImportedVotes votes;
    try {
        file = ResultFileReader::read(path);
        votes = ImportedVotes::from(file);
    } catch (const ResultFileError& e) {
        info(e.message() + QStringLiteral("\nIngenting har ändrats."));
        return;
    }
    const QString question =
        ResultImport::summary(file, votes) + QStringLiteral("\n\n") + ResultImport::question(file);
    if (messages().msgBox(question, MessageService::YesNo, MessageService::Question,
                          QStringLiteral("Hämta valresultat"),
                          MessageService::SecondButton) != MessageService::AnswerYes)
        return;
    try {
        // The election's own rules come with it; the user may change them afterwards.
        ElectionDatabase election(AppGlobals::instance().DBSokVag);
        ResultImport::apply(election, votes, ResultImport::rules(file));
    } catch (const DbError& e) {
        dbError(QStringLiteral("Valresultatet kunde inte hämtas; databasen är oförändrad. ") +
                e.Description());
        return;
    }
    engine().setAntValsit(votes.seats);
    // The panels read the new parties and districts afresh.
    m_frame1->data().Refresh();
    m_frame4->data().Refresh();
    Form_Activate();
    notice(QStringLiteral("Valresultatet för %1 är hämtat: %2 partier och %3 valdistrikt. "
                          "Regler efter valets datum: %4.")
               .arg(file.municipalityName)
               .arg(votes.parties.size())
               .arg(votes.districts.size())
               .arg(ResultImport::rulesText(file)));
}
