#include "committee/ui/frmB_Valresultat.h"

#include "committee/CommitteeEntry.h"
#include "committee/ValsitBer.h"
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
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
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
// Longest text of Text1(1) .. Text1(4).
const int limits[] = {0, 6, 30, 3, 3};

ValsitBer& engine()
{
    return *AppGlobals::instance().ValsitBerObj;
}

int twips(int t)
{
    return WindowStateRule::toPixels(t);
}

} // namespace

frmB_Valresultat::frmB_Valresultat(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmB_Valresultat"));
    setWindowTitle(QStringLiteral("Valsit - Valresultat (Valsit i Fullmäktige)"));
    m_grid = std::make_unique<StyraFlexGrid>(messages());
    m_grid->setFormName(this);
    m_keys.setFormName(this);

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    auto* frame1 = new QGroupBox(QStringLiteral("Antal valsit i fullmäktige per parti"), central);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* layout = new QVBoxLayout(frame1);
    auto* fields = new QGridLayout;
    const QStringList captions = {QString(), QStringLiteral("PartiID"), QStringLiteral("Partinamn"),
                                  QStringLiteral("Antal valsit")};
    for (int i = 1; i <= 3; ++i) {
        m_text1[i] = new QLineEdit(frame1);
        m_text1[i]->setObjectName(QStringLiteral("Text1(%1)").arg(i));
        m_text1[i]->setReadOnly(true); // browsing until "Ny" or "Ändra"
        DAOdataCtl::setControlTag(m_text1[i], QStringLiteral("1"));
        auto* caption = new QLabel(captions[i], frame1);
        caption->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        fields->addWidget(caption, 0, i - 1);
        fields->addWidget(m_text1[i], 1, i - 1);
    }
    m_text1[1]->setMaximumWidth(twips(1100));
    m_text1[3]->setMaximumWidth(twips(1100));
    m_text1[3]->setAlignment(Qt::AlignRight);
    fields->setColumnStretch(1, 1);
    m_lblMsg = new QLabel(QStringLiteral(" "), frame1);
    m_lblMsg->setObjectName(QStringLiteral("lblMsg"));
    fields->addWidget(m_lblMsg, 1, 3);
    layout->addLayout(fields);
    layout->addWidget(buildButtonRow(frame1));
    auto* position = new QHBoxLayout;
    m_lblButt1 = new QLabel(QStringLiteral("lblButt1"), frame1);
    m_lblButt1->setObjectName(QStringLiteral("lblButt1"));
    m_progressBar1 = new QProgressBar(frame1);
    m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar1->setTextVisible(false);
    position->addWidget(m_lblButt1);
    position->addWidget(m_progressBar1, 1);
    layout->addLayout(position);
    m_grid1 = new QTableWidget(frame1);
    m_grid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid1->verticalHeader()->hide();
    m_grid1->horizontalHeader()->setStretchLastSection(true);
    m_grid1->viewport()->installEventFilter(this);
    m_grid1->horizontalHeader()->installEventFilter(this);
    layout->addWidget(m_grid1, 1);
    outer->addWidget(frame1, 1);

    // Below the list: seats to distribute, cooperation, comparison numbers, screen or
    // paper, and "&Fortsätt".
    auto* bottom = new QHBoxLayout;
    auto* frame2 = new QGroupBox(QStringLiteral("Nämndvalsit att fördela"), central);
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

    m_check1 = new QCheckBox(QStringLiteral("Valsamverkan"), central);
    m_check1->setObjectName(QStringLiteral("Check1"));
    bottom->addWidget(m_check1);

    auto* fRedJmf = new QGroupBox(QStringLiteral("Redovisa jämförelsetal"), central);
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
                [i] { engine().setBerTalAntDec(i == 0 ? 0 : 1); });
    bottom->addWidget(fRedJmf);

    auto* frame3 = new QGroupBox(central);
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
    auto* cmdNext = new QPushButton(QStringLiteral("&Fortsätt"), central);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setAutoDefault(false);
    connect(cmdNext, &QPushButton::clicked, this, &frmB_Valresultat::cmdNext_Click);
    bottom->addWidget(cmdNext, 0, Qt::AlignBottom);
    outer->addLayout(bottom);
    setCentralWidget(central);

    QAction* exit = menuBar()->addAction(QStringLiteral("Avsluta"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &frmB_Valresultat::mnuExit_Click);
    RedigeraMenu::addTo(menuBar())->setObjectName(QStringLiteral("mnuEdit"));

    m_data1 = new DataControl(this);
    m_data1->setObjectName(QStringLiteral("Data1"));
    m_data1->setDatabaseName(AppGlobals::instance().DBSokVag);
    m_data1->bind(m_text1[1], QStringLiteral("PartiID"));
    m_data1->bind(m_text1[2], QStringLiteral("PartiNamn"));
    m_data1->bind(m_text1[3], QStringLiteral("PartiValRes"));
    connect(m_data1, &DataControl::Validate, this, &frmB_Valresultat::Data1_Validate);

    m_keys.hook(m_text1[1], &Key2TextBox::txtAlphaNum);
    m_keys.hook(m_text1[3], &Key2TextBox::txt0_9);
    m_keys.hook(m_text1[4], &Key2TextBox::txt0_9);
    for (int i = 1; i <= 4; ++i) {
        MarkeraOnFocus::attach(m_text1[i], m_keys);
        connect(m_text1[i], &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
    }

    m_stateRule = new WindowStateRule(this, 7240, 6000);
    resize(m_stateRule->minimumPixels().expandedTo(QSize(760, 620)));
    m_stateRule->applyOnLoad();
}

frmB_Valresultat::~frmB_Valresultat() = default;

MessageService& frmB_Valresultat::messages() const
{
    return *AppGlobals::instance().messages;
}

QWidget* frmB_Valresultat::buildButtonRow(QWidget* parent)
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
        button->setObjectName(QStringLiteral("cmdButt1(%1)").arg(i));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdButt1_Click(i); });
        layout->addWidget(button);
    }
    return row;
}

bool frmB_Valresultat::event(QEvent* event)
{
    const bool result = QMainWindow::event(event);
    // Built afresh for every visit, so the activation runs once: later activations come
    // from the window's own message boxes and must not reset what the user does.
    bool deferred = false;
    if (m_firstActivation.starts(event, &deferred)) {
        if (deferred)
            QTimer::singleShot(0, this, &frmB_Valresultat::Form_Activate);
        else
            Form_Activate();
    }
    return result;
}

void frmB_Valresultat::Form_Activate()
{
    m_firstActivation.markDone();
    ValsitBer& e = engine();
    m_valideringOK = true;
    m_text1[4]->setText(QString::number(e.AntValsit()).trimmed());
    m_check1->setChecked(e.SamvSW(0) != 0);
    m_check2->setChecked(e.BerTalSW());
    m_option1[e.SkrivUtSW() ? 1 : 0]->setChecked(true);
    m_antDec[e.BerTalAntDec() != 0 ? 1 : 0]->setChecked(true);

    if (!m_nav) {
        m_nav = new DAOdataCtl(messages(), this);
        m_nav->setButtons(QStringLiteral("cmdButt1"));
        m_nav->setLabelToUpdate(m_lblButt1->text());
        m_nav->setTag(QStringLiteral("1"));
        m_nav->setProgressBar(m_progressBar1);
        m_nav->setFormName(this);
        m_nav->setDAOCtl(m_data1);
        m_nav->setDBName(AppGlobals::instance().DBSokVag);
        m_nav->setRecordSource(CommitteeEntry::partyQuery());
        m_nav->setIDField(QStringLiteral("PartiID"));
        m_nav->setNyttIDTyp(QStringLiteral("E"));
    }
    m_nav->StartDBC(0);
    m_lblMsg->setText(QStringLiteral(" "));
    cmdButt1_Click(0);
}

void frmB_Valresultat::cmdButt1_Click(int Index)
{
    if (Index == 7 && m_data1->isOpen() && m_data1->Recordset().RecordCount() < 2) {
        messages().msgBox(QStringLiteral("Du kan inte ta bort alla poster.") + crlf +
                              QStringLiteral("Gör ändring i stället"),
                          MessageService::Ok, MessageService::NoIcon, AppInfo::appNamn());
        return;
    }
    m_text1[3]->setFocus();
    m_nav->StartDBC(Index);
    switch (Index) {
    case 0:
    case 1:
    case 2:
    case 3:
        if (m_valideringOK) {
            m_aktPartiID = m_nav->AktIDA();
            Ref_MSFlexGrid1();
        }
        break;
    case 5:
        m_text1[1]->hide(); // a party's code is not changed
        break;
    case 6:
        if (m_valideringOK) {
            m_text1[1]->show();
            m_aktPartiID = m_nav->AktIDA();
            Ref_MSFlexGrid1();
        }
        break;
    case 7:
        m_aktPartiID = m_nav->AktIDA();
        Ref_MSFlexGrid1();
        break;
    case 8:
        m_text1[1]->show();
        break;
    default:
        break;
    }
}

void frmB_Valresultat::info(const QString& text, QLineEdit* focus)
{
    messages().msgBox(text, MessageService::Ok, MessageService::Information, AppInfo::appNamn());
    if (focus)
        focus->setFocus();
}

void frmB_Valresultat::Data1_Validate(int& Action, int& Save)
{
    m_valideringOK = true;
    if (Action != 6)
        return;
    const auto refuse = [&](const QString& text, int field) {
        info(text, m_text1[field]);
        m_valideringOK = false;
        Action = 0;
        Save = 0;
    };
    const auto bad = [](const QLineEdit* box, int limit) {
        return box->text().isEmpty() || box->text().size() > limit;
    };
    if (bad(m_text1[1], 6)) {
        refuse(QStringLiteral("Ange 'Parti kod' - max 6 tecken"), 1);
        return;
    }
    m_aktPartiID = m_text1[1]->text();
    if (bad(m_text1[2], 30)) {
        refuse(QStringLiteral("Ange 'Partinamn' - max 30 tecken"), 2);
        return;
    }
    if (bad(m_text1[3], 3)) {
        refuse(QStringLiteral("Ange 'Valresultat' - max 3 tecken"), 3);
        return;
    }
    if (m_text1[3]->text() == QLatin1String("0"))
        info(QStringLiteral("Parti med 0 valsit kan inte ingå"), m_text1[3]);
}

void frmB_Valresultat::Text1_Change(int Index)
{
    const int length = int(m_text1[Index]->text().size());
    m_lblMsg->setText(length > limits[Index]
                          ? QStringLiteral("Fältet får bara innehålla ") +
                                QString::number(limits[Index]) + QStringLiteral(" tecken")
                          : QString::number(length));
}

void frmB_Valresultat::Ref_MSFlexGrid1()
{
    try {
        // The grid helper works on the focused list.
        m_grid1->setFocus();
        const bool open = m_data1->isOpen();
        const Recordset* rs = open ? &m_data1->Recordset() : nullptr;
        const QStringList headings = {QStringLiteral("PartiID"), QStringLiteral("PartiValRes"),
                                      QStringLiteral("Partinamn")};
        const int rows = rs ? rs->RecordCount() : 0;
        m_grid1->clearContents();
        m_grid1->setColumnCount(3);
        m_grid1->setHorizontalHeaderLabels(headings);
        m_grid1->setRowCount(rows);
        const Qt::Alignment aligns[] = {Qt::AlignCenter, Qt::AlignCenter,
                                        Qt::AlignLeft | Qt::AlignVCenter};
        for (int c = 0; c < 3; ++c) {
            const int column = rs ? rs->fieldIndex(headings[c]) : -1;
            for (int r = 0; r < rows; ++r) {
                const QVariant v = column >= 0 ? rs->valueAt(r, column) : QVariant();
                auto* item = new QTableWidgetItem(v.isValid() ? v.toString() : QString());
                item->setTextAlignment(aligns[c]);
                m_grid1->setItem(r, c, item);
            }
        }
        m_grid1->setColumnWidth(0, twips(900));
        m_grid1->setColumnWidth(1, twips(1100));
        // Rows as the list counts them: the heading is row 0.
        if (!m_aktPartiID.trimmed().isEmpty() && rows + 1 >= 3) {
            const qint32 column = m_grid->VilkenKol(QStringLiteral("PartiID"));
            if (column == 99)
                return;
            for (int r = 0; r < rows; ++r) {
                if (m_grid1->item(r, column)->text() == m_aktPartiID) {
                    m_grid->MarkeraRad(r + 1);
                    break;
                }
            }
        }
    } catch (const DbError& e) {
        messages().msgBox(objectName() + QStringLiteral(": Ref_MSFlexGrid1: ") +
                              QString::number(e.Number()) + QLatin1Char(' ') + e.Description(),
                          MessageService::Ok, MessageService::Exclamation,
                          AppInfo::productName() + QStringLiteral(" Version ") +
                              AppInfo::version());
    }
}

bool frmB_Valresultat::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        unsetCursor();
    } else if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_grid1->horizontalHeader()) {
            setCursor(Qt::SizeHorCursor); // the columns can be sized
        } else if (watched == m_grid1->viewport()) {
            gridMouseDown(static_cast<QMouseEvent*>(event)->pos());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmB_Valresultat::gridMouseDown(const QPoint& pos)
{
    auto* saveButton = findChild<QPushButton*>(QStringLiteral("cmdButt1(6)"));
    const int row = m_grid1->rowAt(pos.y());
    // While a change is pending the list ignores the mouse.
    if (m_nav && saveButton && !saveButton->isEnabled() && row >= 0) {
        const qint32 column = m_grid->VilkenKol(QStringLiteral("PartiID"));
        if (column != 99 && m_grid1->item(row, column)) {
            const QString code = m_grid1->item(row, column)->text();
            m_grid1->setCurrentCell(row, column);
            m_aktPartiID = code;
            m_nav->setAktIDA(code);
        }
        Ref_MSFlexGrid1();
    }
}

void frmB_Valresultat::cmdNext_Click()
{
    // A party change not yet saved would be left out and lost with the window.
    if (m_nav && !m_nav->EndDBC())
        return;
    ValsitBer& e = engine();
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
    e.setAntValsit(count);
    SettingsStore settings;
    settings.setValue(QStringLiteral("MndNmnd"), seats.trimmed());

    if (!m_data1->isOpen() ||
        CommitteeEntry::loadParties(m_data1->Recordset(), e, messages(), AppInfo::appNamn()) !=
            CommitteeEntry::Loaded)
        return;
    const bool cooperation = m_check1->isChecked();
    if (!cooperation) {
        for (int k = 1; k <= e.MaxSamv(); ++k)
            e.setSamvSW(k, 0);
    } else if (e.AntPartier() < 3) {
        info(QStringLiteral("Det måste finnas fler än 2 partier för samverkansberäkning"), nullptr);
        return;
    }
    e.setBerTalSW(m_check2->isChecked());
    e.setSkrivUtSW(m_option1[1]->isChecked());
    e.setRubrik1(CommitteeEntry::HamtaRubrik(settings.value(QStringLiteral("ForHeader"))));
    e.setSamvSW(0, cooperation ? 1 : 0);
    const QString next = cooperation     ? QStringLiteral("frmC_Samverkan")
                         : e.SkrivUtSW() ? QStringLiteral("frmD_SkrivUt")
                                         : QStringLiteral("frmD_VisaSkrivUt");
    WindowRegistry::instance().handOver(this, next);
}

void frmB_Valresultat::mnuExit_Click()
{
    if (m_nav && !m_nav->EndDBC())
        return;
    WindowRegistry::instance().handOver(this, QStringLiteral("frmA_Start"));
}

void frmB_Valresultat::closeEvent(QCloseEvent* event)
{
    if (WindowRegistry::isUnloadingFromCode(this)) {
        QMainWindow::closeEvent(event);
        return;
    }
    if (m_nav && !m_nav->EndDBC()) {
        event->ignore();
        return;
    }
    // Closed by the user from the title bar: the same as "Avsluta".
    QMainWindow::closeEvent(event);
    WindowRegistry::instance().show(QStringLiteral("frmA_Start"));
}
