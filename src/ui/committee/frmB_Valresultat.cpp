#include "ui/committee/frmB_Valresultat.h"

#include "data/ElectionDatabase.h"
#include "ui/shell/AppServices.h"

#include "committee/CommitteeEntry.h"
#include "committee/CommitteeSetup.h"
#include "council/CouncilSeatStore.h"
#include "data/DataControl.h"
#include "data/DbError.h"
#include "shell/AppGlobals.h"
#include "shell/AppInfo.h"
#include "shell/MessageService.h"
#include "shell/SettingsStore.h"
#include "ui/editing/DAOdataCtl.h"
#include "ui/editing/MarkeraOnFocus.h"
#include "ui/editing/RecordPanel.h"
#include "ui/editing/RedigeraMenu.h"

#include <QCheckBox>
#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Longest text of Text1(1) .. Text1(4).
const int limits[] = {0, 6, 30, 3, 3};

} // namespace

// Built afresh for every visit, so the activation runs once: later activations come from
// the window's own message boxes and must not reset what the user does.
frmB_Valresultat::frmB_Valresultat(AppServices& appServices, QWidget* parent)
    : WindowBase(appServices, QStringLiteral("frmB_Valresultat"),
                 QStringLiteral("Valsit - Valresultat (Valsit i Fullmäktige)"), FirstActivationOnly,
                 parent)
{
    m_keys.setFormName(this);

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    m_frame1 = new RecordPanel(messages(), QStringLiteral("Antal valsit i fullmäktige per parti"),
                               {QStringLiteral("Frame1"), QStringLiteral("cmdButt1"),
                                QStringLiteral("lblButt1"), QStringLiteral("ProgressBar1"),
                                QStringLiteral("MSFlexGrid1"), QStringLiteral("Data1"),
                                QStringLiteral("lblMsg")},
                               central);
    m_text1[1] = m_frame1->addField(QStringLiteral("Text1(1)"), QStringLiteral("Parti kod"),
                                    QStringLiteral("PartiID"), limits[1], 1100);
    m_text1[2] = m_frame1->addField(QStringLiteral("Text1(2)"), QStringLiteral("Partinamn"),
                                    QStringLiteral("PartiNamn"), limits[2]);
    m_text1[3] = m_frame1->addField(QStringLiteral("Text1(3)"), QStringLiteral("Antal valsit"),
                                    QStringLiteral("PartiValRes"), limits[3], 1100);
    m_text1[3]->setAlignment(Qt::AlignRight);
    m_frame1->setGuard([this](const std::function<void()>& handler) { guard(handler); });
    m_frame1->setKeyField(m_text1[1]);
    m_frame1->setFocusField(m_text1[3]);
    m_frame1->setKeepsLastRecord(true);
    m_frame1->navigator().setCaptionFields(
        {QStringLiteral("PartiID"), QStringLiteral("PartiNamn")});
    m_frame1->setList(
        {QStringLiteral("PartiID"), QStringLiteral("PartiValRes"), QStringLiteral("Partinamn")},
        {QStringLiteral("Parti kod"), QStringLiteral("Valsit"), QStringLiteral("Partinamn")},
        {900, 1100}, {Qt::AlignCenter, Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter});
    connect(&m_frame1->data(), &DataControl::Validate, this, &frmB_Valresultat::Data1_Validate);
    // Says when the council seats below were stored from other votes than the file holds.
    m_lblMandatKalla = new QLabel(central);
    m_lblMandatKalla->setObjectName(QStringLiteral("lblMandatKalla"));
    m_lblMandatKalla->setWordWrap(true);
    m_lblMandatKalla->setStyleSheet(QStringLiteral("color: #a00000;"));
    m_lblMandatKalla->hide();
    outer->addWidget(m_lblMandatKalla);
    outer->addWidget(m_frame1, 1);
    buildChoices(central, outer);
    setCentralWidget(central);

    addMenuItem(menuBar(), QStringLiteral("Avsluta"), "mnuExit", &frmB_Valresultat::mnuExit_Click);
    RedigeraMenu::addTo(menuBar(), messages())->setObjectName(QStringLiteral("mnuEdit"));

    m_keys.hook(m_text1[1], &Key2TextBox::txtAlphaNum);
    m_keys.hook(m_text1[3], &Key2TextBox::txt0_9);
    m_keys.hook(m_text1[4], &Key2TextBox::txt0_9);
    for (int i = 1; i <= 4; ++i)
        MarkeraOnFocus::attach(m_text1[i], m_keys);
    connect(m_text1[4], &QLineEdit::textEdited, this,
            [this](const QString& text) { m_frame1->showLength(text, limits[4]); });

    setReturnWindow(QStringLiteral("frmA_Start"));
    setDesignSize(7240, 6000);
    applyWindowState(QSize(760, 620));
}

frmB_Valresultat::~frmB_Valresultat() = default;

void frmB_Valresultat::buildChoices(QWidget* parent, QVBoxLayout* layout)
{
    // Below the list: seats to distribute, cooperation, comparison numbers, screen or
    // paper, and "&Fortsätt".
    auto* bottom = new QHBoxLayout;
    auto* frame2 = new QGroupBox(QStringLiteral("Nämndvalsit att fördela"), parent);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* seats = new QVBoxLayout(frame2);
    m_text1[4] = new QLineEdit(frame2);
    m_text1[4]->setObjectName(QStringLiteral("Text1(4)"));
    m_text1[4]->setMaximumWidth(twips(900));
    m_text1[4]->setAlignment(Qt::AlignRight);
    seats->addWidget(m_text1[4]);
    auto* label2 = new QLabel(QStringLiteral("Ange siffra mellan 5 och 350"), frame2);
    label2->setObjectName(QStringLiteral("Label2"));
    seats->addWidget(label2);
    bottom->addWidget(frame2);

    m_check1 = new QCheckBox(QStringLiteral("Valsamverkan"), parent);
    m_check1->setObjectName(QStringLiteral("Check1"));
    bottom->addWidget(m_check1);

    auto* fRedJmf = new QGroupBox(QStringLiteral("Redovisa jämförelsetal"), parent);
    fRedJmf->setObjectName(QStringLiteral("fRedJmf"));
    auto* jmf = new QVBoxLayout(fRedJmf);
    m_check2 = new QCheckBox(QStringLiteral("Skriv ut jämförelsetalen"), fRedJmf);
    m_check2->setObjectName(QStringLiteral("Check2"));
    m_antDec[0] = new QRadioButton(QStringLiteral("alla decimaler"), fRedJmf);
    m_antDec[0]->setObjectName(QStringLiteral("AntDec(0)"));
    m_antDec[1] = new QRadioButton(QStringLiteral("två decimaler"), fRedJmf);
    m_antDec[1]->setObjectName(QStringLiteral("AntDec(1)"));
    jmf->addWidget(m_check2);
    jmf->addWidget(m_antDec[0]);
    jmf->addWidget(m_antDec[1]);
    for (int i = 0; i < 2; ++i)
        connect(m_antDec[i], &QRadioButton::clicked, this,
                [this, i] { engine().setBerTalAntDec(i == 0 ? 0 : 1); });
    bottom->addWidget(fRedJmf);

    auto* frame3 = new QGroupBox(parent);
    frame3->setObjectName(QStringLiteral("Frame3"));
    auto* where = new QVBoxLayout(frame3);
    m_option1[0] = new QRadioButton(QStringLiteral("Visa"), frame3);
    m_option1[0]->setObjectName(QStringLiteral("Option1(0)"));
    m_option1[1] = new QRadioButton(QStringLiteral("Skriv ut"), frame3);
    m_option1[1]->setObjectName(QStringLiteral("Option1(1)"));
    m_option1[0]->setChecked(true);
    where->addWidget(m_option1[0]);
    where->addWidget(m_option1[1]);
    bottom->addWidget(frame3);
    bottom->addStretch(1);
    auto* cmdNext = new QPushButton(QStringLiteral("&Fortsätt"), parent);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setAutoDefault(false);
    onClicked(cmdNext, &frmB_Valresultat::cmdNext_Click);
    bottom->addWidget(cmdNext, 0, Qt::AlignBottom);
    layout->addLayout(bottom);
}

void frmB_Valresultat::onActivate()
{
    CommitteeSetup& e = engine();
    m_frame1->setValidationPassed(true);
    readElection();
    m_text1[4]->setText(QString::number(m_election.committeeSeats));
    m_check1->setChecked(m_election.cooperation != ElectionSettings::Cooperation::None);
    m_check2->setChecked(e.BerTalSW());
    m_option1[e.SkrivUtSW() ? 1 : 0]->setChecked(true);
    m_antDec[e.BerTalAntDec() != 0 ? 1 : 0]->setChecked(true);
    if (!m_sourceSet) {
        m_frame1->setSource(AppGlobals::instance().DBSokVag, CommitteeEntry::partyQuery(),
                            QStringLiteral("PartiID"), QStringLiteral("E"));
        m_sourceSet = true;
    }
    m_frame1->navigator().StartDBC(0);
    m_frame1->message()->setText(QStringLiteral(" "));
    cmdButt1_Click(0);
    showSeatSource();
}

void frmB_Valresultat::readElection()
{
    try {
        m_election = ElectionSettings::open(AppGlobals::instance().DBSokVag, SettingsStore());
    } catch (const DbError& e) {
        dbError(QStringLiteral("Valets inställningar kunde inte läsas. ") + e.Description());
    }
}

void frmB_Valresultat::showSeatSource()
{
    QString storedAt;
    bool matches = true;
    try {
        ElectionDatabase election(AppGlobals::instance().DBSokVag);
        matches = CouncilSeatStore::matchesInput(election, &storedAt);
    } catch (const DbError&) {
        matches = true; // the list itself reports a file it cannot read
    }
    m_lblMandatKalla->setVisible(!matches);
    if (!matches)
        m_lblMandatKalla->setText(
            QStringLiteral("OBS! Mandaten i fullmäktige lagrades %1 från andra röster, mandat "
                           "eller regler än databasen nu innehåller. Räkna fram fullmäktige på "
                           "nytt och lagra mandaten, eller kontrollera antalen nedan.")
                .arg(QDateTime::fromString(storedAt, Qt::ISODate)
                         .toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
}

bool frmB_Valresultat::showChangesMadeElsewhere()
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
    const bool settingsChanged = m_election.committeeSeats != shown.committeeSeats ||
                                 m_election.cooperation != shown.cooperation ||
                                 m_election.cooperationPairs != shown.cooperationPairs;
    if (!partiesChanged && !settingsChanged)
        return false;
    if (partiesChanged) {
        m_frame1->data().Refresh();
        cmdButt1_Click(0);
        showSeatSource();
    }
    if (settingsChanged) {
        m_text1[4]->setText(QString::number(m_election.committeeSeats));
        m_check1->setChecked(m_election.cooperation != ElectionSettings::Cooperation::None);
    }
    notice(QStringLiteral("Databasen har ändrats av ett annat program eller fönster sedan "
                          "fönstret visade den. Fönstret visar nu det som finns i databasen. "
                          "Kontrollera uppgifterna och tryck på Fortsätt igen."));
    return true;
}

void frmB_Valresultat::cmdButt1_Click(int Index)
{
    m_frame1->click(Index);
}

void frmB_Valresultat::info(const QString& text, QLineEdit* focus)
{
    WindowBase::info(text);
    if (focus)
        focus->setFocus();
}

void frmB_Valresultat::Data1_Validate(int& Action, int& Save)
{
    if (Action != 6)
        return;
    const auto refuse = [&](const QString& text, int field) {
        info(text, m_text1[field]);
        m_frame1->setValidationPassed(false);
        Action = 0;
        Save = 0;
    };
    const auto bad = [](const QLineEdit* box, int limit) {
        return box->text().isEmpty() || box->text().size() > limit;
    };
    if (bad(m_text1[1], limits[1])) {
        refuse(QStringLiteral("Ange 'Parti kod' - max 6 tecken"), 1);
        return;
    }
    m_frame1->setCurrentId(m_text1[1]->text());
    if (bad(m_text1[2], limits[2])) {
        refuse(QStringLiteral("Ange 'Partinamn' - max 30 tecken"), 2);
        return;
    }
    if (bad(m_text1[3], limits[3])) {
        refuse(QStringLiteral("Ange 'Valresultat' - max 3 tecken"), 3);
        return;
    }
    if (m_text1[3]->text() == QLatin1String("0"))
        info(QStringLiteral("Parti med 0 valsit kan inte ingå"), m_text1[3]);
}

void frmB_Valresultat::cmdNext_Click()
{
    // A party change not yet saved would be left out and lost with the window.
    if (!m_frame1->navigator().EndDBC())
        return;
    if (showChangesMadeElsewhere())
        return;
    CommitteeSetup& e = engine();
    const QString seats = m_text1[4]->text();
    if (seats.isEmpty() || seats.size() > 3) {
        info(QStringLiteral("Ange 'Nämndvalsit att fördela' - max 3 tecken"), m_text1[4]);
        return;
    }
    // A pasted non-number is out of range like any other count.
    bool isNumber = false;
    const int count = seats.trimmed().toInt(&isNumber);
    if (!isNumber || count > e.MaxValsit() || count < e.MinValsit()) {
        info(QStringLiteral("Antal valsit skall vara mellan ") + QString::number(e.MinValsit()) +
                 QStringLiteral(" och ") + QString::number(e.MaxValsit()),
             m_text1[4]);
        return;
    }
    const bool cooperation = m_check1->isChecked();
    // The seats and the choice of cooperation are the election's: kept in its file. The
    // marks themselves are set in the cooperation window.
    try {
        m_election =
            ElectionSettings::update(AppGlobals::instance().DBSokVag, [&](ElectionSettings& s) {
                s.committeeSeats = count;
                if (!cooperation)
                    s.cooperation = ElectionSettings::Cooperation::None;
                else if (s.cooperation == ElectionSettings::Cooperation::None)
                    s.cooperation = ElectionSettings::Cooperation::Fixed;
            });
    } catch (const DbError& err) {
        dbError(QStringLiteral("Nämndvalsiten kunde inte sparas i databasen. ") +
                err.Description());
        return;
    }
    e.setAntValsit(count);

    if (!m_frame1->data().isOpen())
        return;
    QString refusal;
    if (CommitteeEntry::loadParties(m_frame1->data().Recordset(), e, &refusal) !=
        CommitteeEntry::Loaded) {
        messages().msgBox(refusal, MessageService::Ok, MessageService::Information,
                          AppInfo::appNamn());
        return;
    }
    CommitteeEntry::applyMarks(e, cooperation ? m_election.cooperationPairs : QStringList());
    if (cooperation && e.AntPartier() < 3) {
        info(QStringLiteral("Det måste finnas fler än 2 partier för samverkansberäkning"), nullptr);
        return;
    }
    e.setBerTalSW(m_check2->isChecked());
    e.setSkrivUtSW(m_option1[1]->isChecked());
    e.setRubrik1(CommitteeEntry::HamtaRubrik(m_election.heading));
    e.setSamvSW(0, cooperation ? 1 : 0);
    const QString next = cooperation     ? QStringLiteral("frmC_Samverkan")
                         : e.SkrivUtSW() ? QStringLiteral("frmD_SkrivUt")
                                         : QStringLiteral("frmD_VisaSkrivUt");
    handOver(next);
}

void frmB_Valresultat::mnuExit_Click()
{
    if (m_frame1->navigator().EndDBC())
        handOverBack();
}

bool frmB_Valresultat::queryUnload()
{
    // A pending change would be lost with the window: the user finishes it first.
    return m_frame1->navigator().EndDBC();
}

CommitteeSetup& frmB_Valresultat::engine() const
{
    return *services().committee;
}
