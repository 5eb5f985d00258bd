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
#include "shell/MessageService.h"
#include "shell/SettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
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
#include <QVBoxLayout>

namespace {

const QString crlf = QStringLiteral("\r\n");

RostBer& engine()
{
    return *AppGlobals::instance().RostBerObj;
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

frmE_PrelRes::frmE_PrelRes(QWidget* parent)
    : WindowBase(QStringLiteral("frmE_PrelRes"), QStringLiteral("Valsit - Preliminär Fullmäktige"),
                 FirstActivationOnly, parent)
{
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
        connectGuarded(votes, &QLineEdit::textChanged, [this, i] { Text3_Change(i); });
    }
    connect(m_frame5->cboDistr(), qOverload<int>(&QComboBox::activated), this,
            [this](int listIndex) { guard([&] { cboDistr_Click(listIndex); }); });
    setReturnWindow(QStringLiteral("frmA_Start"));

    setDesignSize(7240, 6000);
    applyWindowState(QSize(760, 620));
}

frmE_PrelRes::~frmE_PrelRes() = default;

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
        connectGuarded(button, &QPushButton::clicked, [this, handler, i] { (this->*handler)(i); });
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
        connectGuarded(m_antDec[i], &QRadioButton::clicked, [this, i] { AntDec_Click(i); });
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
    m_cboForstaDivisor = new QComboBox(fRegler);
    m_cboForstaDivisor->setObjectName(QStringLiteral("cboForstaDivisor"));
    m_cboForstaDivisor->addItem(QStringLiteral("1,4"));
    m_cboForstaDivisor->addItem(QStringLiteral("1,2"));
    m_txtSparr = textBox(QStringLiteral("txtSparr"), fRegler);
    m_txtSparr->setMaximumWidth(twips(900));
    m_txtSparr->setAlignment(Qt::AlignRight);
    rules->addWidget(label(QStringLiteral("Första divisor"), fRegler), 0, 0);
    rules->addWidget(m_cboForstaDivisor, 0, 1);
    rules->addWidget(label(QStringLiteral("Spärr i procent (0 = ingen)"), fRegler), 1, 0);
    rules->addWidget(m_txtSparr, 1, 1);
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
    onClicked(m_cmdNext, &frmE_PrelRes::cmdNext_Click);
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
        connectGuarded(m_text1[i], &QLineEdit::textChanged, [this, i] { Text1_Change(i); });
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
        connectGuarded(m_text2[i], &QLineEdit::textChanged, [this, i] { Text2_Change(i); });
        MarkeraOnFocus::attach(m_text2[i], m_keys);
    }
    m_text2[1]->setMaximumWidth(twips(1100));
    m_keys.hook(m_text2[1], &Key2TextBox::txtAlphaNum);
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
    onTriggered(m_mnuExit, &frmE_PrelRes::mnuExit_Click);
    m_mnuUpdMnd = named(bar->addAction(QStringLiteral(" ")), "mnuUpdMnd");
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
    onTriggered(m_mnuUpdRost, &frmE_PrelRes::mnuUpdRost_Click);
    onTriggered(m_mnuUpdDistr, &frmE_PrelRes::mnuUpdDistr_Click);

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

void frmE_PrelRes::onActivate()
{
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
    handOverBack();
}

bool frmE_PrelRes::queryUnload()
{
    // Closed by the user from the title bar: the same as "Avsluta".
    return menuOn(m_mnuExit->text()) && (!m_nav1 || m_nav1->EndDBC()) &&
           (!m_nav2 || m_nav2->EndDBC());
}

// ---- The party panel ----------------------------------------------------------------

void frmE_PrelRes::cmdButt1_Click(int Index)
{
    if (Index == 7 && m_data1->isOpen() && m_data1->Recordset().RecordCount() < 2) {
        notice(QStringLiteral("Du kan inte ta bort alla poster.") + crlf +
               QStringLiteral("Gör ändring i stället"));
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

bool frmE_PrelRes::filterEvent(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (!press && !release)
        return WindowBase::filterEvent(watched, event);
    if (release) {
        unsetCursor();
        return WindowBase::filterEvent(watched, event);
    }
    for (QTableWidget* grid : {m_grid1, m_grid2}) {
        if (watched == grid->horizontalHeader()) {
            // The heading row: the pointer shows that the columns can be sized.
            setCursor(Qt::SizeHorCursor);
            return WindowBase::filterEvent(watched, event);
        }
        if (watched == grid->viewport()) {
            gridMouseDown(grid, grid == m_grid1, static_cast<QMouseEvent*>(event)->pos());
            return true;
        }
    }
    return WindowBase::filterEvent(watched, event);
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
    handOver(next);
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
                                          "ORDER BY DistrNamn ");
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
        notice(QStringLiteral("Du har inte valt distrikt"));
        return;
    }
    QGroupBox* frame7 = m_frame5->frame7();
    if (frame7->isVisibleTo(m_frame5)) {
        if (!LagraDistrRoster())
            return;
    } else {
        frame7->show();
    }
    m_frame5->cboDistrID()->setCurrentIndex(listIndex);
    m_valtDistrID = m_frame5->cboDistrID()->itemText(listIndex).toInt();

    QList<DistrRosterStore::Votes> votes;
    try {
        votes = DistrRosterStore(AppGlobals::instance().DBSokVag).votesOf(m_valtDistrID);
    } catch (const DbError& e) {
        dbError(QStringLiteral("Distriktets röster kunde inte läsas. ") + e.Description());
    }
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
    m_frame5->roster(1)->setFocus();
}

bool frmE_PrelRes::LagraDistrRoster()
{
    QList<DistrRosterStore::Votes> votes;
    for (int i = 1; i <= m_frame5->shownRows(); ++i) {
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
    try {
        DistrRosterStore(AppGlobals::instance().DBSokVag).store(m_valtDistrID, votes);
    } catch (const DbError& e) {
        dbError(QStringLiteral("Distriktets röster kunde inte lagras. ") + e.Description());
        return false;
    }
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
        DistrRosterStore(AppGlobals::instance().DBSokVag).sumIntoTotals(codes);
        m_data1->Refresh();
    } catch (const DbError& e) {
        dbError(QStringLiteral("Partiernas totala röster kunde inte summeras. ") + e.Description());
        return false;
    }
    cmdButt1_Click(0);
    return true;
}

void frmE_PrelRes::cmdButt2_Click(int Index)
{
    if (Index == 7 && m_data2->isOpen() && m_data2->Recordset().RecordCount() < 2) {
        notice(QStringLiteral("Du kan inte ta bort alla poster.") + crlf +
               QStringLiteral("Gör ändring i stället"));
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
