#include "council/ui/frmE_PrelRes.h"

#include "council/CouncilEntry.h"
#include "council/CouncilRules.h"
#include "council/DistrRosterStore.h"
#include "council/RostBer.h"
#include "council/ui/DistrVotePanel.h"
#include "data/DataControl.h"
#include "data/DbError.h"
#include "editing/DAOdataCtl.h"
#include "editing/MarkeraOnFocus.h"
#include "editing/RedigeraMenu.h"
#include "editing/StyraFlexGrid.h"
#include "shell/AppGlobals.h"
#include "shell/AppInfo.h"
#include "shell/MessageService.h"
#include "shell/SettingsStore.h"
#include "shell/ui/WindowRegistry.h"
#include "shell/ui/WindowStateRule.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString crlf = QStringLiteral("\r\n");

// A menu whose caption is a single blank counts as switched off.
bool menuOn(const QString& caption)
{
    return caption.size() >= 3;
}

RostBer& engine()
{
    return *AppGlobals::instance().RostBerObj;
}

int twips(int t)
{
    return WindowStateRule::toPixels(t);
}

QLineEdit* textBox(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

QLabel* label(const QString& text, QWidget* parent, const QString& name = QString())
{
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

QTableWidget* recordList(const QString& name, QWidget* parent)
{
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(name);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

QString lengthText(int length, int limit)
{
    if (length > limit)
        return QStringLiteral("Fältet får bara innehålla ") + QString::number(limit) +
               QStringLiteral(" tecken");
    return QString::number(length);
}

} // namespace

frmE_PrelRes::frmE_PrelRes(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmE_PrelRes"));
    setWindowTitle(QStringLiteral("Valsit - Preliminär Fullmäktige"));
    m_grid = std::make_unique<StyraFlexGrid>(messages());
    m_grid->setFormName(this);
    m_keys.setFormName(this);

    auto* central = new QWidget(this);
    auto* stack = new QGridLayout(central);
    stack->setContentsMargins(twips(20), twips(60), twips(20), twips(20));
    m_frame1 = buildPartyPanel();
    m_frame4 = buildRegisterPanel();
    m_frame5 = new DistrVotePanel(central);
    // The district panels lie over the party panel.
    for (QGroupBox* panel :
         {m_frame1, static_cast<QGroupBox*>(m_frame4), static_cast<QGroupBox*>(m_frame5)}) {
        panel->setParent(central);
        panel->setAutoFillBackground(true);
        stack->addWidget(panel, 0, 0);
    }
    m_frame4->hide();
    m_frame5->hide();
    setCentralWidget(central);
    buildMenus();

    for (int i = 1; i <= DistrVotePanel::Rows; ++i) {
        QLineEdit* votes = m_frame5->roster(i);
        m_keys.hook(votes, &Key2TextBox::txt0_9);
        MarkeraOnFocus::attach(votes, m_keys);
        connect(votes, &QLineEdit::textChanged, this, [this, i] { Text3_Change(i); });
        // Only the cells the user types in are stored: merely looking at a district must
        // not make every party a party with a district count.
        connect(votes, &QLineEdit::textEdited, this, [this, i] { m_typedRows.insert(i); });
    }
    connect(m_frame5->cboDistr(), qOverload<int>(&QComboBox::activated), this,
            &frmE_PrelRes::cboDistr_Click);

    m_stateRule = new WindowStateRule(this, 7240, 6000);
    resize(m_stateRule->minimumPixels().expandedTo(QSize(760, 620)));
    m_stateRule->applyOnLoad();
}

frmE_PrelRes::~frmE_PrelRes() = default;

MessageService& frmE_PrelRes::messages() const
{
    return *AppGlobals::instance().messages;
}

// ---- Building the window ----------------------------------------------------------

QWidget* frmE_PrelRes::buildButtonRow(const QString& name, QWidget* parent,
                                      void (frmE_PrelRes::*handler)(int))
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    const QStringList captions = {
        QStringLiteral("|<<"),   QStringLiteral("<"),       QStringLiteral(">"),
        QStringLiteral(">>|"),   QStringLiteral("Ny"),      QStringLiteral("Ändra"),
        QStringLiteral("Spara"), QStringLiteral("Ta bort"), QStringLiteral("Ångra")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QPushButton(captions[i], row);
        button->setObjectName(name + QStringLiteral("(%1)").arg(i));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, handler, i] { (this->*handler)(i); });
        layout->addWidget(button);
    }
    return row;
}

QGroupBox* frmE_PrelRes::buildPartyPanel()
{
    auto* frame = new QGroupBox(QStringLiteral("Antal röster per parti"));
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* layout = new QVBoxLayout(frame);

    auto* fields = new QGridLayout;
    const QStringList captions = {QString(), QStringLiteral("PartiID"), QStringLiteral("Partinamn"),
                                  QStringLiteral("Antal röster")};
    for (int i = 1; i <= 3; ++i) {
        m_text1[i] = textBox(QStringLiteral("Text1(%1)").arg(i), frame);
        m_text1[i]->setReadOnly(true); // browsing until "Ny" or "Ändra"
        DAOdataCtl::setControlTag(m_text1[i], QStringLiteral("1"));
        fields->addWidget(label(captions[i], frame), 0, i - 1);
        fields->addWidget(m_text1[i], 1, i - 1);
    }
    m_text1[1]->setMaximumWidth(twips(1100));
    m_text1[3]->setMaximumWidth(twips(1500));
    m_text1[3]->setAlignment(Qt::AlignRight);
    fields->setColumnStretch(1, 1);
    m_lblMsg1 = label(QStringLiteral(" "), frame, QStringLiteral("lblMsg1"));
    fields->addWidget(m_lblMsg1, 1, 3);
    layout->addLayout(fields);

    layout->addWidget(
        buildButtonRow(QStringLiteral("cmdButt1"), frame, &frmE_PrelRes::cmdButt1_Click));
    auto* position = new QHBoxLayout;
    m_lblButt1 = label(QStringLiteral("lblButt1"), frame, QStringLiteral("lblButt1"));
    m_progressBar1 = new QProgressBar(frame);
    m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar1->setTextVisible(false);
    position->addWidget(m_lblButt1);
    position->addWidget(m_progressBar1, 1);
    layout->addLayout(position);

    m_grid1 = recordList(QStringLiteral("MSFlexGrid1"), frame);
    layout->addWidget(m_grid1, 1);
    m_grid1->viewport()->installEventFilter(this);
    m_grid1->horizontalHeader()->installEventFilter(this);

    // Along the bottom: comparison numbers, districts, seats, rules, screen or paper,
    // and "&Fortsätt".
    auto* bottom = new QHBoxLayout;
    auto* fRedJmf = new QGroupBox(QStringLiteral("Redovisa jämförelsetal"), frame);
    fRedJmf->setObjectName(QStringLiteral("fRedJmf"));
    auto* jmf = new QVBoxLayout(fRedJmf);
    m_check2 = new QCheckBox(QStringLiteral("Skriv ut jämförelsetalen"), fRedJmf);
    m_check2->setObjectName(QStringLiteral("Check2"));
    m_antDec[0] = new QRadioButton(QStringLiteral("alla decimaler"), fRedJmf);
    m_antDec[0]->setObjectName(QStringLiteral("AntDec(0)"));
    m_antDec[1] = new QRadioButton(QStringLiteral("två decimaler"), fRedJmf);
    m_antDec[1]->setObjectName(QStringLiteral("AntDec(1)"));
    m_antDec[1]->setChecked(true);
    jmf->addWidget(m_check2);
    jmf->addWidget(m_antDec[0]);
    jmf->addWidget(m_antDec[1]);
    for (int i = 0; i < 2; ++i)
        connect(m_antDec[i], &QRadioButton::clicked, this, [this, i] { AntDec_Click(i); });
    bottom->addWidget(fRedJmf);

    auto* middle = new QVBoxLayout;
    m_check1 = new QCheckBox(QStringLiteral("Redovisa Distrikt"), frame);
    m_check1->setObjectName(QStringLiteral("Check1"));
    middle->addWidget(m_check1);
    auto* frame2 = new QGroupBox(QStringLiteral("Fullmäktigevalsit att fördela"), frame);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* seats = new QHBoxLayout(frame2);
    m_text1[4] = textBox(QStringLiteral("Text1(4)"), frame2);
    m_text1[4]->setMaximumWidth(twips(900));
    m_text1[4]->setAlignment(Qt::AlignRight);
    QPalette yellow = m_text1[4]->palette();
    yellow.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0x80));
    m_text1[4]->setPalette(yellow);
    seats->addWidget(m_text1[4]);
    seats->addWidget(label(QStringLiteral("Ange siffra mellan 5 och 350"), frame2));
    middle->addWidget(frame2);
    bottom->addLayout(middle);

    auto* fRegler = new QGroupBox(QStringLiteral("Regler"), frame);
    fRegler->setObjectName(QStringLiteral("fRegler"));
    auto* rules = new QGridLayout(fRegler);
    // The rules by name; only "Egna värden" lets the user set the two values.
    m_cboRegler = new QComboBox(fRegler);
    m_cboRegler->setObjectName(QStringLiteral("cboRegler"));
    for (CouncilRules::Named named : {CouncilRules::Today, CouncilRules::Older, CouncilRules::Own})
        m_cboRegler->addItem(CouncilRules::namedText(named));
    connect(m_cboRegler, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &frmE_PrelRes::cboRegler_Change);
    rules->addWidget(m_cboRegler, 0, 0, 1, 2);
    m_cboForstaDivisor = new QComboBox(fRegler);
    m_cboForstaDivisor->setObjectName(QStringLiteral("cboForstaDivisor"));
    m_cboForstaDivisor->addItem(QStringLiteral("1,4"));
    m_cboForstaDivisor->addItem(QStringLiteral("1,2"));
    m_txtSparr = textBox(QStringLiteral("txtSparr"), fRegler);
    m_txtSparr->setMaximumWidth(twips(900));
    m_txtSparr->setAlignment(Qt::AlignRight);
    rules->addWidget(label(QStringLiteral("Första divisor"), fRegler), 1, 0);
    rules->addWidget(m_cboForstaDivisor, 1, 1);
    rules->addWidget(label(QStringLiteral("Spärr i procent (0 = ingen)"), fRegler), 2, 0);
    rules->addWidget(m_txtSparr, 2, 1);
    bottom->addWidget(fRegler);

    auto* frame3 = new QGroupBox(frame);
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
    m_cmdNext = new QPushButton(QStringLiteral("&Fortsätt"), frame);
    m_cmdNext->setObjectName(QStringLiteral("cmdNext"));
    m_cmdNext->setAutoDefault(false);
    connect(m_cmdNext, &QPushButton::clicked, this, &frmE_PrelRes::cmdNext_Click);
    bottom->addWidget(m_cmdNext, 0, Qt::AlignBottom);
    layout->addLayout(bottom);

    m_data1 = new DataControl(this);
    m_data1->setObjectName(QStringLiteral("Data1"));
    m_data1->setDatabaseName(AppGlobals::instance().DBSokVag);
    m_data1->bind(m_text1[1], QStringLiteral("PartiID"));
    m_data1->bind(m_text1[2], QStringLiteral("PartiNamn"));
    m_data1->bind(m_text1[3], QStringLiteral("Roster"));
    connect(m_data1, &DataControl::Validate, this, &frmE_PrelRes::Data1_Validate);

    m_keys.hook(m_text1[1], &Key2TextBox::txtAlphaNum);
    m_keys.hook(m_text1[3], &Key2TextBox::txt0_9);
    m_keys.hook(m_text1[4], &Key2TextBox::txt0_9);
    for (int i = 1; i <= 4; ++i) {
        MarkeraOnFocus::attach(m_text1[i], m_keys);
        connect(m_text1[i], &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
    }
    return frame;
}

QGroupBox* frmE_PrelRes::buildRegisterPanel()
{
    auto* frame = new QGroupBox(QStringLiteral("Lägg till / Ändra / Ta bort distrikt"));
    frame->setObjectName(QStringLiteral("Frame4"));
    auto* layout = new QVBoxLayout(frame);
    auto* fields = new QGridLayout;
    const QStringList captions = {QString(), QStringLiteral("DistrNr"),
                                  QStringLiteral("Distrikt namn")};
    for (int i = 1; i <= 2; ++i) {
        m_text2[i] = textBox(QStringLiteral("Text2(%1)").arg(i), frame);
        m_text2[i]->setReadOnly(true);
        DAOdataCtl::setControlTag(m_text2[i], QStringLiteral("2"));
        fields->addWidget(label(captions[i], frame), 0, i - 1);
        fields->addWidget(m_text2[i], 1, i - 1);
        connect(m_text2[i], &QLineEdit::textChanged, this, [this, i] { Text2_Change(i); });
        MarkeraOnFocus::attach(m_text2[i], m_keys);
    }
    m_text2[1]->setMaximumWidth(twips(1100));
    // The district number is a number in the database: letters would only be refused
    // later, as a program error.
    m_keys.hook(m_text2[1], &Key2TextBox::txt0_9);
    fields->setColumnStretch(1, 1);
    m_lblMsg2 = label(QStringLiteral(" "), frame, QStringLiteral("lblMsg2"));
    fields->addWidget(m_lblMsg2, 1, 2);
    layout->addLayout(fields);
    layout->addWidget(
        buildButtonRow(QStringLiteral("cmdButt2"), frame, &frmE_PrelRes::cmdButt2_Click));
    auto* position = new QHBoxLayout;
    m_lblButt2 = label(QStringLiteral("lblButt2"), frame, QStringLiteral("lblButt2"));
    m_progressBar2 = new QProgressBar(frame);
    m_progressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    m_progressBar2->setTextVisible(false);
    position->addWidget(m_lblButt2);
    position->addWidget(m_progressBar2, 1);
    layout->addLayout(position);
    m_grid2 = recordList(QStringLiteral("MSFlexGrid2"), frame);
    m_grid2->horizontalHeader()->setMinimumSectionSize(1); // the id column is all but hidden
    layout->addWidget(m_grid2, 1);
    m_grid2->viewport()->installEventFilter(this);
    m_grid2->horizontalHeader()->installEventFilter(this);

    m_data2 = new DataControl(this);
    m_data2->setObjectName(QStringLiteral("Data2"));
    m_data2->setDatabaseName(AppGlobals::instance().DBSokVag);
    m_data2->bind(m_text2[1], QStringLiteral("DistrNr"));
    m_data2->bind(m_text2[2], QStringLiteral("DistrNamn"));
    return frame;
}

void frmE_PrelRes::buildMenus()
{
    QMenuBar* bar = menuBar();
    const auto named = [](QAction* action, const char* name) {
        action->setObjectName(QLatin1String(name));
        return action;
    };
    m_mnuExit = named(bar->addAction(QStringLiteral("Avsluta")), "mnuExit");
    connect(m_mnuExit, &QAction::triggered, this, &frmE_PrelRes::mnuExit_Click);
    m_mnuUpdMnd = named(bar->addAction(QStringLiteral(" ")), "mnuUpdMnd");
    connect(m_mnuUpdMnd, &QAction::triggered, this, &frmE_PrelRes::mnuUpdMnd_Click);

    m_mnuDistrTot = bar->addMenu(QStringLiteral("TOTALT"));
    m_mnuDistrTot->setObjectName(QStringLiteral("mnuDistrTot"));
    m_mnuDistrTot->menuAction()->setObjectName(QStringLiteral("mnuDistrTot"));
    m_mnuTotalt = named(m_mnuDistrTot->addAction(QStringLiteral("TOTALT")), "mnuTotalt");
    m_mnuDistrikt = named(m_mnuDistrTot->addAction(QStringLiteral("Distrikt")), "mnuDistrikt");
    m_mnuTotalt->setCheckable(true);
    m_mnuDistrikt->setCheckable(true);
    m_mnuTotalt->setChecked(true);
    connect(m_mnuTotalt, &QAction::triggered, this, &frmE_PrelRes::mnuTotalt_Click);
    connect(m_mnuDistrikt, &QAction::triggered, this, &frmE_PrelRes::mnuDistrikt_Click);

    m_mnuUpdDistrRost = bar->addMenu(QStringLiteral(" "));
    m_mnuUpdDistrRost->setObjectName(QStringLiteral("mnuUpdDistrRost"));
    m_mnuUpdDistrRost->menuAction()->setObjectName(QStringLiteral("mnuUpdDistrRost"));
    m_mnuUpdRost =
        named(m_mnuUpdDistrRost->addAction(QStringLiteral("Lagra Röster")), "mnuUpdRost");
    m_mnuUpdDistr =
        named(m_mnuUpdDistrRost->addAction(QStringLiteral("Uppdatera Distrikt")), "mnuUpdDistr");
    m_mnuUpdRost->setCheckable(true);
    m_mnuUpdDistr->setCheckable(true);
    m_mnuUpdRost->setChecked(true);
    connect(m_mnuUpdRost, &QAction::triggered, this, &frmE_PrelRes::mnuUpdRost_Click);
    connect(m_mnuUpdDistr, &QAction::triggered, this, &frmE_PrelRes::mnuUpdDistr_Click);

    RedigeraMenu* edit = RedigeraMenu::addTo(bar);
    edit->setObjectName(QStringLiteral("mnuEdit"));
}

void frmE_PrelRes::buildNavigators()
{
    const QString db = AppGlobals::instance().DBSokVag;
    m_nav1 = new DAOdataCtl(messages(), this);
    m_nav1->setButtons(QStringLiteral("cmdButt1"));
    m_nav1->setLabelToUpdate(m_lblButt1->text());
    m_nav1->setTag(QStringLiteral("1"));
    m_nav1->setProgressBar(m_progressBar1);
    m_nav1->setFormName(this);
    m_nav1->setDAOCtl(m_data1);
    m_nav1->setDBName(db);
    m_nav1->setRecordSource(CouncilEntry::partyQuery());
    m_nav1->setIDField(QStringLiteral("PartiID"));
    m_nav1->setNyttIDTyp(QStringLiteral("E"));

    m_nav2 = new DAOdataCtl(messages(), this);
    m_nav2->setButtons(QStringLiteral("cmdButt2"));
    m_nav2->setLabelToUpdate(m_lblButt2->text());
    m_nav2->setTag(QStringLiteral("2"));
    m_nav2->setProgressBar(m_progressBar2);
    m_nav2->setFormName(this);
    m_nav2->setDAOCtl(m_data2);
    m_nav2->setDBName(db);
    m_nav2->setRecordSource(CouncilEntry::districtQuery());
    m_nav2->setIDField(QStringLiteral("DistrID"));
    m_nav2->setNyttIDTyp(QStringLiteral("N"));
}

// ---- Activation and leaving ---------------------------------------------------------

bool frmE_PrelRes::event(QEvent* event)
{
    const bool result = QMainWindow::event(event);
    // The window is built afresh for every visit, so its activation runs once: later
    // activations come from its own message boxes and must not reset what the user does.
    // A window the platform does not activate at once (focus-stealing prevention, no
    // window manager) is still filled: the first show runs the activation too.
    bool deferred = false;
    if (m_firstActivation.starts(event, &deferred)) {
        if (deferred)
            QTimer::singleShot(0, this, &frmE_PrelRes::Form_Activate);
        else
            Form_Activate();
    }
    return result;
}

void frmE_PrelRes::Form_Activate()
{
    m_firstActivation.markDone();
    RostBer& rost = engine();
    m_valideringOK = true;
    m_text1[4]->setText(QString::number(rost.AntValsit()).trimmed());
    m_check1->setChecked(rost.VisaDistriktSW());
    m_check2->setChecked(rost.BerTalSW());
    m_antDec[rost.BerTalAntDec() != 0 ? 1 : 0]->setChecked(true);
    m_option1[rost.SkrivUtSW() ? 1 : 0]->setChecked(true);

    const CouncilRules rules = CouncilRules::load(SettingsStore());
    m_cboForstaDivisor->setCurrentIndex(std::lround(rules.forstaDivisor * 10) == 12 ? 1 : 0);
    m_txtSparr->setText(CouncilRules::sparrText(rules.sparr));
    m_cboRegler->setCurrentIndex(rules.named());
    cboRegler_Change(rules.named());

    if (!m_nav1)
        buildNavigators();
    m_nav1->StartDBC(0);
    m_lblMsg1->setText(QStringLiteral(" "));
    cmdButt1_Click(0);

    m_mnuUpdMnd->setText(rost.PartiValRes(0) >= 1 || rost.PartiValRes(1) >= 1
                             ? QStringLiteral("Lagra framräknade valsit")
                             : QStringLiteral(" "));

    m_nav2->StartDBC(0);
    m_lblMsg2->setText(QStringLiteral(" "));
    m_frame5->frame7()->hide();
    mnuTotalt_Click();
}

void frmE_PrelRes::mnuExit_Click()
{
    if (!menuOn(m_mnuExit->text()))
        return;
    // A district change left pending would be lost with the window, like a party change.
    if (m_nav1 && !m_nav1->EndDBC())
        return;
    if (m_nav2 && !m_nav2->EndDBC())
        return;
    WindowRegistry::instance().handOver(this, QStringLiteral("frmA_Start"));
}

void frmE_PrelRes::closeEvent(QCloseEvent* event)
{
    if (WindowRegistry::isUnloadingFromCode(this)) {
        QMainWindow::closeEvent(event);
        return;
    }
    const bool mayLeave =
        menuOn(m_mnuExit->text()) && (!m_nav1 || m_nav1->EndDBC()) && (!m_nav2 || m_nav2->EndDBC());
    if (!mayLeave) {
        event->ignore();
        return;
    }
    // Closed by the user from the title bar: the same as "Avsluta".
    QMainWindow::closeEvent(event);
    WindowRegistry::instance().show(QStringLiteral("frmA_Start"));
}

// ---- The party panel ----------------------------------------------------------------

void frmE_PrelRes::cmdButt1_Click(int Index)
{
    if (Index == 7 && m_data1->isOpen() && m_data1->Recordset().RecordCount() < 2) {
        messages().msgBox(QStringLiteral("Du kan inte ta bort alla poster.") + crlf +
                              QStringLiteral("Gör ändring i stället"),
                          MessageService::Ok, MessageService::NoIcon, AppInfo::appNamn());
        return;
    }
    m_text1[3]->setFocus();
    m_nav1->StartDBC(Index);
    switch (Index) {
    case 0:
    case 1:
    case 2:
    case 3:
        if (m_valideringOK) {
            m_aktPartiID = m_nav1->AktIDA();
            Ref_MSFlexGrid1();
        }
        break;
    case 5:
        m_text1[1]->hide(); // a party's code is not changed
        break;
    case 6:
        if (m_valideringOK) {
            m_text1[1]->show();
            m_aktPartiID = m_nav1->AktIDA();
            Ref_MSFlexGrid1();
        }
        break;
    case 7:
        m_aktPartiID = m_nav1->AktIDA();
        Ref_MSFlexGrid1();
        break;
    case 8:
        m_text1[1]->show();
        break;
    default:
        break;
    }
}

void frmE_PrelRes::Data1_Validate(int& Action, int& Save)
{
    m_valideringOK = true;
    if (Action != 6)
        return;
    const auto refuse = [&](const QString& text, int field) {
        info(text);
        m_text1[field]->setFocus();
        m_valideringOK = false;
        Action = 0;
        Save = 0;
    };
    if (m_text1[1]->text().isEmpty()) {
        refuse(QStringLiteral("Ange 'Parti kod'"), 1);
        return;
    }
    m_aktPartiID = m_text1[1]->text();
    if (m_text1[2]->text().isEmpty()) {
        refuse(QStringLiteral("Ange 'Partinamn'"), 2);
        return;
    }
    if (m_text1[3]->text().isEmpty()) {
        refuse(QStringLiteral("Ange 'Antal röster'"), 3);
        return;
    }
    if (m_text1[3]->text() == QLatin1String("0")) {
        info(QStringLiteral("Parti med 0 valsit kan inte ingå"));
        m_text1[3]->setFocus();
    }
}

void frmE_PrelRes::Text1_Change(int Index)
{
    static const int limits[] = {0, 6, 30, 7, 3};
    if (Index < 1 || Index > 4) {
        m_lblMsg1->setText(QStringLiteral(" "));
        return;
    }
    m_lblMsg1->setText(lengthText(int(m_text1[Index]->text().size()), limits[Index]));
}

void frmE_PrelRes::AntDec_Click(int Index)
{
    engine().setBerTalAntDec(Index == 0 ? 0 : 1);
}

void frmE_PrelRes::fillGrid(QTableWidget* grid, DataControl* data, const QStringList& fields)
{
    const bool open = data->isOpen();
    Recordset* rs = open ? &data->Recordset() : nullptr;
    const int rows = rs ? rs->RecordCount() : 0;
    grid->clearContents();
    grid->setColumnCount(int(fields.size()));
    grid->setHorizontalHeaderLabels(fields);
    grid->setRowCount(rows);
    for (int c = 0; c < fields.size(); ++c) {
        const int column = rs ? rs->fieldIndex(fields[c]) : -1;
        for (int r = 0; r < rows; ++r) {
            const QVariant v = column >= 0 ? rs->valueAt(r, column) : QVariant();
            grid->setItem(r, c, new QTableWidgetItem(v.isValid() ? v.toString() : QString()));
        }
    }
}

void frmE_PrelRes::Ref_MSFlexGrid1()
{
    try {
        m_grid1->setFocus();
        fillGrid(
            m_grid1, m_data1,
            {QStringLiteral("PartiID"), QStringLiteral("Roster"), QStringLiteral("Partinamn")});
        m_grid1->setColumnWidth(0, twips(900));
        m_grid1->setColumnWidth(1, twips(1100));
        const Qt::Alignment aligns[] = {Qt::AlignCenter, Qt::AlignCenter,
                                        Qt::AlignLeft | Qt::AlignVCenter};
        for (int r = 0; r < m_grid1->rowCount(); ++r)
            for (int c = 0; c < 3; ++c)
                m_grid1->item(r, c)->setTextAlignment(aligns[c]);
        // Rows as the list counts them: the heading is row 0.
        if (!m_aktPartiID.trimmed().isEmpty() && m_grid1->rowCount() + 1 >= 3) {
            const qint32 column = m_grid->VilkenKol(QStringLiteral("PartiID"));
            if (column == 99)
                return;
            for (int r = 0; r < m_grid1->rowCount(); ++r) {
                if (m_grid1->item(r, column)->text() == m_aktPartiID) {
                    m_grid->MarkeraRad(r + 1);
                    break;
                }
            }
        }
    } catch (const DbError& e) {
        programError(objectName() + QStringLiteral(": Ref_MSFlexGrid1: ") +
                     QString::number(e.Number()) + QLatin1Char(' ') + e.Description());
    }
}

bool frmE_PrelRes::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (!press && !release)
        return QMainWindow::eventFilter(watched, event);
    if (release) {
        unsetCursor();
        return QMainWindow::eventFilter(watched, event);
    }
    for (QTableWidget* grid : {m_grid1, m_grid2}) {
        if (watched == grid->horizontalHeader()) {
            // The heading row: the pointer shows that the columns can be sized.
            setCursor(Qt::SizeHorCursor);
            return QMainWindow::eventFilter(watched, event);
        }
        if (watched == grid->viewport()) {
            gridMouseDown(grid, grid == m_grid1, static_cast<QMouseEvent*>(event)->pos());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmE_PrelRes::gridMouseDown(QTableWidget* grid, bool partyList, const QPoint& pos)
{
    DAOdataCtl* nav = partyList ? m_nav1 : m_nav2;
    const QString save = partyList ? QStringLiteral("cmdButt1(6)") : QStringLiteral("cmdButt2(6)");
    auto* saveButton = findChild<QPushButton*>(save);
    const int row = grid->rowAt(pos.y());
    if (nav && saveButton && !saveButton->isEnabled() && row >= 0) {
        // Errors of a click end its handling silently: the list is laid out again below.
        try {
            grid->setFocus();
            const QString heading =
                partyList ? QStringLiteral("PartiID") : QStringLiteral("DistrID");
            const qint32 column = m_grid->VilkenKol(heading);
            if (column != 99 && grid->item(row, column)) {
                const QString code = grid->item(row, column)->text();
                grid->setCurrentCell(row, column);
                m_grid->MarkeraRad(row + 1);
                if (partyList) {
                    m_aktPartiID = code;
                    nav->setAktIDA(code);
                } else {
                    m_aktDistrID = code.toInt();
                    nav->setAktIDN(m_aktDistrID);
                }
            }
        } catch (...) {
        }
    }
    if (partyList)
        Ref_MSFlexGrid1();
    else
        Ref_MSFlexGrid2();
}

// ---- Proceed and stored seats ---------------------------------------------------------

void frmE_PrelRes::cboRegler_Change(int Index)
{
    const auto named = static_cast<CouncilRules::Named>(Index);
    if (named != CouncilRules::Own) {
        const CouncilRules rules = CouncilRules::of(named);
        m_cboForstaDivisor->setCurrentIndex(std::lround(rules.forstaDivisor * 10) == 12 ? 1 : 0);
        m_txtSparr->setText(CouncilRules::sparrText(rules.sparr));
    }
    m_cboForstaDivisor->setEnabled(named == CouncilRules::Own);
    m_txtSparr->setEnabled(named == CouncilRules::Own);
}

bool frmE_PrelRes::readRules(double* sparr)
{
    if (!CouncilRules::parseSparr(m_txtSparr->text(), sparr)) {
        info(QStringLiteral(
            "Ange 'Spärr i procent' som ett tal mellan 0 och 100 (0 = ingen spärr)"));
        m_txtSparr->setFocus();
        return false;
    }
    return true;
}

void frmE_PrelRes::cmdNext_Click()
{
    // A party change not yet saved would be left out of the calculation and lost with
    // the window: the user finishes it first.
    if (m_nav1 && !m_nav1->EndDBC())
        return;
    RostBer& rost = engine();
    const QString seats = m_text1[4]->text();
    if (seats.size() < 1 || seats.size() > 3) {
        info(QStringLiteral("Ange 'Fullmäktigevalsit att fördela' - max 3 tecken"));
        m_text1[4]->setFocus();
        return;
    }
    // A pasted non-number is out of range like any other count.
    bool isNumber = false;
    const int count = seats.trimmed().toInt(&isNumber);
    if (!isNumber || count < rost.MinValsit() || count > rost.MaxValsit()) {
        info(QStringLiteral("Antal valsit skall vara mellan ") + QString::number(rost.MinValsit()) +
             QStringLiteral(" och ") + QString::number(rost.MaxValsit()));
        m_text1[4]->setFocus();
        return;
    }
    rost.setAntValsit(count);
    SettingsStore settings;
    settings.setValue(QStringLiteral("MndFullm"), seats.trimmed());

    double sparr = 0;
    if (!readRules(&sparr))
        return;
    CouncilRules rules;
    rules.forstaDivisor = m_cboForstaDivisor->currentIndex() == 1 ? 1.2 : 1.4;
    rules.sparr = sparr;
    rules.save(settings);
    rules.applyTo(rost);

    if (!m_data1->isOpen())
        return;
    if (CouncilEntry::loadParties(m_data1->Recordset(), rost, true, messages(),
                                  AppGlobals::instance().AppNamn) != CouncilEntry::Loaded)
        return;

    rost.setVisaDistriktSW(m_check1->checkState() != Qt::Unchecked);
    rost.setBerTalSW(m_check2->checkState() != Qt::Unchecked);
    rost.setSkrivUtSW(m_option1[1]->isChecked());
    rost.setRubrik1(CouncilEntry::HamtaRubrik(settings.value(QStringLiteral("ForHeader"))));

    const QString next =
        rost.SkrivUtSW() ? QStringLiteral("frmED_SkrivUt") : QStringLiteral("frmED_VisaSkrivUt");
    if (!WindowRegistry::instance().contains(next)) {
        programError(QStringLiteral("Programfel: fönstret '") + next + QStringLiteral("' saknas."));
        return;
    }
    WindowRegistry::instance().handOver(this, next);
}

void frmE_PrelRes::mnuUpdMnd_Click()
{
    if (!menuOn(m_mnuUpdMnd->text()))
        return;
    try {
        CouncilEntry::storeSeats(AppGlobals::instance().DBSokVag, engine());
    } catch (const DbError& e) {
        dbError(QStringLiteral("De framräknade valsiten kunde inte lagras. ") + e.Description());
        return;
    }
    m_mnuUpdMnd->setText(QStringLiteral(" "));
}

// ---- The district half --------------------------------------------------------------

void frmE_PrelRes::mnuDistrikt_Click()
{
    if (!menuOn(m_mnuDistrTot->title()))
        return;
    // The party list is read again on the way back: a change pending in it would be lost.
    if (m_nav1 && !m_nav1->EndDBC())
        return;
    m_mnuUpdDistrRost->setTitle(QStringLiteral("Lagra Röster"));
    m_mnuDistrikt->setChecked(true);
    m_mnuTotalt->setChecked(false);
    m_mnuDistrTot->setTitle(QStringLiteral("Distrikt"));
    m_mnuExit->setText(QStringLiteral(" "));
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
    if (!menuOn(m_mnuDistrTot->title()))
        return;
    // The votes on screen are stored first; if they cannot be, the user stays with them.
    if (m_frame5->frame7()->isVisibleTo(m_frame5)) {
        if (!LagraDistrRoster())
            return;
        m_frame5->frame7()->hide();
    }
    if (!SummeraDistrRoster())
        return;
    m_mnuUpdDistrRost->setTitle(QStringLiteral(" "));
    m_mnuTotalt->setChecked(true);
    m_mnuDistrikt->setChecked(false);
    m_mnuDistrTot->setTitle(QStringLiteral("TOTALT"));
    m_mnuExit->setText(QStringLiteral("Avsluta"));
    m_frame4->hide();
    m_frame5->hide();
}

void frmE_PrelRes::mnuUpdRost_Click()
{
    // Its menu is blank, and so switched off, in totals mode.
    if (!menuOn(m_mnuUpdDistrRost->title()))
        return;
    // The register is read again by name: a district change pending in it would be lost.
    if (m_nav2 && !m_nav2->EndDBC())
        return;
    LaddaDistrikt();
    m_mnuUpdRost->setChecked(true);
    m_mnuUpdDistr->setChecked(false);
    m_mnuUpdDistrRost->setTitle(QStringLiteral("Lagra Röster"));
    m_mnuDistrTot->setTitle(QStringLiteral("Distrikt"));
    m_frame5->show();
    m_frame5->raise();
    m_frame4->hide();
}

void frmE_PrelRes::mnuUpdDistr_Click()
{
    if (!menuOn(m_mnuUpdDistrRost->title()))
        return;
    if (m_frame5->frame7()->isVisibleTo(m_frame5)) {
        if (!LagraDistrRoster())
            return;
        m_frame5->frame7()->hide();
    }
    m_mnuUpdDistr->setChecked(true);
    m_mnuUpdRost->setChecked(false);
    m_mnuUpdDistrRost->setTitle(QStringLiteral("Uppdatera Distrikt"));
    m_mnuDistrTot->setTitle(QStringLiteral(" "));
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
    if (!m_data1->isOpen())
        return false;
    const Recordset& rs = m_data1->Recordset();
    const int count = rs.RecordCount();
    RostBer& rost = engine();
    if (count > rost.MaxPartierF()) {
        info(QStringLiteral("Antal partier får vara högst ") + QString::number(rost.MaxPartierF()));
        return false;
    }
    if (count < rost.MinPartier()) {
        info(QStringLiteral("Antal partier med valsit får vara lägst ") +
             QString::number(rost.MinPartier()));
        return false;
    }
    const int idColumn = rs.fieldIndex(QStringLiteral("PartiID"));
    const int nameColumn = rs.fieldIndex(QStringLiteral("PartiNamn"));
    for (int i = 1; i <= DistrVotePanel::Rows; ++i) {
        const bool used = i <= count;
        const QVariant id = used ? rs.valueAt(i - 1, idColumn) : QVariant();
        const QVariant name = used ? rs.valueAt(i - 1, nameColumn) : QVariant();
        m_frame5->partiID(i)->setText(id.isValid() && !id.isNull() ? id.toString()
                                                                   : QString(used ? " " : ""));
        m_frame5->partiNamn(i)->setText(
            name.isValid() && !name.isNull() ? name.toString() : QString(used ? " " : ""));
    }
    // Every party gets a row that shows, a party added since the last visit included.
    m_frame5->showRows(count);
    m_rowsLoaded = true;
    return true;
}

bool frmE_PrelRes::LaddaDistrikt()
{
    QList<DistrRosterStore::District> districts;
    try {
        districts = DistrRosterStore(AppGlobals::instance().DBSokVag).districtsByName();
    } catch (const DbError& e) {
        dbError(QStringLiteral("Distrikten kunde inte läsas. ") + e.Description());
        return true;
    }
    // The register lists the districts by name from now on, as the choice does.
    const QString byName = QStringLiteral("SELECT DistrID, DistrNr, DistrNamn FROM Distrikt "
                                          "ORDER BY DistrNamn COLLATE SVENSKA");
    m_nav2->setRecordSource(byName);
    m_data2->setRecordSource(byName);
    try {
        m_data2->Refresh();
    } catch (const DbError& e) {
        dbError(QStringLiteral("Distrikten kunde inte läsas. ") + e.Description());
    }
    QComboBox* names = m_frame5->cboDistr();
    QComboBox* ids = m_frame5->cboDistrID();
    names->clear();
    ids->clear();
    for (const DistrRosterStore::District& d : districts) {
        names->addItem(d.name);
        ids->addItem(QString::number(d.id));
    }
    names->setCurrentIndex(-1);
    return true;
}

void frmE_PrelRes::cboDistr_Click(int listIndex)
{
    if (listIndex < 0) {
        messages().msgBox(QStringLiteral("Du har inte valt distrikt"), MessageService::Ok,
                          MessageService::NoIcon, AppInfo::appNamn());
        return;
    }
    QGroupBox* frame7 = m_frame5->frame7();
    const bool shown = frame7->isVisibleTo(m_frame5);
    // The list goes back to the district on screen when the new one cannot be shown.
    const auto stayOnShown = [this, shown] {
        m_frame5->cboDistr()->setCurrentIndex(
            shown ? m_frame5->cboDistrID()->findText(QString::number(m_valtDistrID)) : -1);
    };
    if (shown && !LagraDistrRoster()) {
        stayOnShown();
        return;
    }
    const qint32 chosenID = m_frame5->cboDistrID()->itemText(listIndex).toInt();
    QList<DistrRosterStore::Votes> votes;
    try {
        votes = DistrRosterStore(AppGlobals::instance().DBSokVag).votesOf(chosenID);
    } catch (const DbError& e) {
        // Zeros on screen would be stored over the real votes later.
        dbError(QStringLiteral("Distriktets röster kunde inte läsas. ") + e.Description());
        stayOnShown();
        return;
    }
    frame7->show();
    m_frame5->cboDistrID()->setCurrentIndex(listIndex);
    m_valtDistrID = chosenID;
    for (int i = 1; i <= DistrVotePanel::Rows; ++i)
        m_frame5->roster(i)->setText(QStringLiteral("0"));
    for (const DistrRosterStore::Votes& v : votes) {
        for (int i = 1; i <= DistrVotePanel::Rows; ++i) {
            if (m_frame5->partiID(i)->text() == v.partiID) {
                m_frame5->roster(i)->setText(QString::number(v.roster));
                break;
            }
        }
    }
    m_typedRows.clear();
    m_frame5->roster(1)->setFocus();
}

bool frmE_PrelRes::LagraDistrRoster()
{
    QList<DistrRosterStore::Votes> votes;
    for (int i = 1; i <= m_frame5->shownRows(); ++i) {
        if (!m_typedRows.contains(i))
            continue;
        bool ok = false;
        const qint32 roster = m_frame5->roster(i)->text().trimmed().toInt(&ok);
        if (!ok) {
            info(QStringLiteral("Antal röster för '") + m_frame5->partiID(i)->text().trimmed() +
                 QStringLiteral("' är inget giltigt tal. Rösterna har inte lagrats."));
            m_frame5->roster(i)->setFocus();
            return false;
        }
        votes.append({m_frame5->partiID(i)->text(), roster});
    }
    if (votes.isEmpty())
        return true; // nothing typed: nothing to store
    try {
        DistrRosterStore(AppGlobals::instance().DBSokVag).store(m_valtDistrID, votes);
    } catch (const DbError& e) {
        dbError(QStringLiteral("Distriktets röster kunde inte lagras. ") + e.Description());
        return false;
    }
    m_typedRows.clear();
    return true;
}

bool frmE_PrelRes::SummeraDistrRoster()
{
    if (!m_rowsLoaded)
        return true; // district mode not entered: nothing to sum
    QStringList codes;
    for (int i = 1; i <= m_frame5->shownRows(); ++i)
        codes.append(m_frame5->partiID(i)->text());
    try {
        DistrRosterStore store(AppGlobals::instance().DBSokVag);
        const QList<DistrRosterStore::TotalChange> changes = store.totalChanges(codes);
        // A total typed or corrected by hand is replaced only when the user agrees.
        if (!changes.isEmpty()) {
            QString text = QStringLiteral("Distriktens summor skiljer sig från partiernas "
                                          "totala röster:");
            for (const DistrRosterStore::TotalChange& c : changes)
                text += crlf + c.partiID + QStringLiteral(": ") + QString::number(c.total) +
                        QStringLiteral(" blir ") + QString::number(c.sum);
            text += crlf + QStringLiteral("Vill du ersätta de totala rösterna med distriktens "
                                          "summor?");
            if (messages().msgBox(text, MessageService::YesNo, MessageService::Question,
                                  AppGlobals::instance().AppNamn,
                                  MessageService::SecondButton) == MessageService::AnswerYes)
                store.replaceTotals(changes);
        }
    } catch (const DbError& e) {
        dbError(QStringLiteral("Partiernas totala röster kunde inte summeras. ") + e.Description());
        return false;
    }
    m_data1->Refresh();
    cmdButt1_Click(0);
    return true;
}

void frmE_PrelRes::cmdButt2_Click(int Index)
{
    if (Index == 7 && m_data2->isOpen() && m_data2->Recordset().RecordCount() < 2) {
        messages().msgBox(QStringLiteral("Du kan inte ta bort alla poster.") + crlf +
                              QStringLiteral("Gör ändring i stället"),
                          MessageService::Ok, MessageService::NoIcon, AppInfo::appNamn());
        return;
    }
    m_text2[1]->setFocus();
    m_nav2->StartDBC(Index);
    switch (Index) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 6:
        if (m_valideringOK) {
            m_aktDistrID = m_nav2->AktIDN();
            Ref_MSFlexGrid2();
        }
        break;
    case 7:
        m_aktDistrID = m_nav2->AktIDN();
        Ref_MSFlexGrid2();
        break;
    default:
        break;
    }
}

void frmE_PrelRes::Ref_MSFlexGrid2()
{
    try {
        m_grid2->setFocus();
        fillGrid(
            m_grid2, m_data2,
            {QStringLiteral("DistrID"), QStringLiteral("DistrNr"), QStringLiteral("DistrNamn")});
        m_grid2->setColumnWidth(0, twips(10) + 1);
        m_grid2->setColumnWidth(1, twips(1100));
        const Qt::Alignment aligns[] = {Qt::AlignCenter, Qt::AlignCenter,
                                        Qt::AlignLeft | Qt::AlignVCenter};
        for (int r = 0; r < m_grid2->rowCount(); ++r)
            for (int c = 0; c < 3; ++c)
                m_grid2->item(r, c)->setTextAlignment(aligns[c]);
        if (m_aktDistrID > 0 && m_grid2->rowCount() + 1 >= 3) {
            const qint32 column = m_grid->VilkenKol(QStringLiteral("DistrID"));
            if (column == 99)
                return;
            const QString id = QString::number(m_aktDistrID);
            for (int r = 0; r < m_grid2->rowCount(); ++r) {
                if (m_grid2->item(r, column)->text() == id) {
                    m_grid->MarkeraRad(r + 1);
                    break;
                }
            }
        }
    } catch (const DbError& e) {
        programError(objectName() + QStringLiteral(": Ref_MSFlexGrid2: ") +
                     QString::number(e.Number()) + QLatin1Char(' ') + e.Description());
    }
}

void frmE_PrelRes::Text2_Change(int Index)
{
    static const int limits[] = {0, 6, 50};
    if (Index < 1 || Index > 2) {
        m_lblMsg2->setText(QStringLiteral(" "));
        return;
    }
    m_lblMsg2->setText(lengthText(int(m_text2[Index]->text().size()), limits[Index]));
}

void frmE_PrelRes::Text3_Change(int Index)
{
    if (Index < 1 || Index > DistrVotePanel::Rows) {
        m_lblMsg1->setText(QStringLiteral(" "));
        return;
    }
    QLineEdit* box = m_frame5->roster(Index);
    if (box->text().isEmpty()) {
        box->setText(QStringLiteral("0")); // runs this again with the "0"
        return;
    }
    m_lblMsg1->setText(lengthText(int(box->text().size()), 7));
}

// ---- Messages -------------------------------------------------------------------------

void frmE_PrelRes::info(const QString& text)
{
    messages().msgBox(text, MessageService::Ok, MessageService::Information,
                      AppGlobals::instance().AppNamn);
}

void frmE_PrelRes::dbError(const QString& text)
{
    messages().msgBox(text, MessageService::Ok, MessageService::Critical,
                      AppGlobals::instance().AppNamn);
}

void frmE_PrelRes::programError(const QString& text)
{
    messages().msgBox(text, MessageService::Ok, MessageService::Exclamation,
                      AppInfo::productName() + QStringLiteral(" Version ") + AppInfo::version());
}
