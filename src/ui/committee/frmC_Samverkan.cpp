#include "ui/committee/frmC_Samverkan.h"

#include "ui/shell/AppServices.h"

#include "committee/CommitteeEntry.h"
#include "committee/CommitteeSetup.h"
#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "data/ElectionSettings.h"
#include "shell/AppGlobals.h"
#include "ui/editing/RedigeraMenu.h"
#include "ui/shell/WindowStateRule.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// The grid's columns: seats, name, code, then one column per party of the matrix.
constexpr int SeatsColumn = 0;
constexpr int NameColumn = 1;
constexpr int CodeColumn = 2;
constexpr int FirstMatrixColumn = 3;

QLineEdit* cell(const QString& name, int width, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setFixedWidth(width);
    return box;
}

} // namespace

// Filled once per visit: later activations come from its own message box.
frmC_Samverkan::frmC_Samverkan(AppServices& appServices, QWidget* parent)
    : WindowBase(appServices, QStringLiteral("frmC_Samverkan"),
                 QStringLiteral("Valsit - Valsitfördelning / Samverkan"), FirstActivationOnly,
                 parent)
{

    auto* matrix = new QWidget;
    auto* grid = new QGridLayout(matrix);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    auto* label1 = new QLabel(QStringLiteral("Val-\nresultat"), matrix);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(QStringLiteral("Politiskt parti"), matrix);
    label2->setObjectName(QStringLiteral("Label2"));
    grid->addWidget(label1, 0, SeatsColumn, Qt::AlignBottom);
    grid->addWidget(label2, 0, NameColumn, Qt::AlignBottom);
    const int codeWidth = WindowStateRule::toPixels(700);
    for (int i = 1; i <= Rows; ++i) {
        const QString index = QStringLiteral("(%1)").arg(i);
        m_text1[i] = cell(QStringLiteral("Text1") + index, WindowStateRule::toPixels(700), matrix);
        m_text1[i]->setAlignment(Qt::AlignRight);
        m_text2[i] = cell(QStringLiteral("Text2") + index, WindowStateRule::toPixels(2800), matrix);
        m_text3[i] = cell(QStringLiteral("Text3") + index, codeWidth, matrix);
        m_text4[i] = cell(QStringLiteral("Text4") + index, codeWidth, matrix);
        m_text4[i]->setAlignment(Qt::AlignCenter);
        grid->addWidget(m_text1[i], i, SeatsColumn);
        grid->addWidget(m_text2[i], i, NameColumn);
        grid->addWidget(m_text3[i], i, CodeColumn);
        grid->addWidget(m_text4[i], i, FirstMatrixColumn + i - 1);
        for (int j = 1; j < i; ++j) {
            const int k = CommitteeInput::pairNumber(j, i);
            m_check1[k] = new QCheckBox(matrix);
            m_check1[k]->setObjectName(QStringLiteral("Check1(%1)").arg(k));
            m_check1[k]->setToolTip(QStringLiteral("Par %1").arg(k));
            grid->addWidget(m_check1[k], i, FirstMatrixColumn + j - 1, Qt::AlignCenter);
        }
    }
    grid->setColumnStretch(FirstMatrixColumn + Rows, 1);
    grid->setRowStretch(Rows + 1, 1);

    auto* scroll = new QScrollArea;
    scroll->setWidget(matrix);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* label3 = new QLabel(
        QStringLiteral("Markera alla samverkanspunkter\nsom skall ingå i redovisningen"), central);
    label3->setObjectName(QStringLiteral("Label3"));
    layout->addWidget(label3);
    auto* line1 = new QFrame(central);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    layout->addWidget(line1);
    layout->addWidget(scroll, 1);
    // What a mark means depends on the mode below; the line says it for the mode chosen.
    m_lblMening = new QLabel(central);
    m_lblMening->setObjectName(QStringLiteral("lblMening"));
    m_lblMening->setWordWrap(true);
    layout->addWidget(m_lblMening);
    auto* bottom = new QHBoxLayout;
    for (const bool on : {true, false}) {
        auto* button = new QPushButton(
            on ? QStringLiteral("&Markera alla") : QStringLiteral("A&vmarkera alla"), central);
        button->setObjectName(on ? QStringLiteral("cmdMarkeraAlla")
                                 : QStringLiteral("cmdAvmarkeraAlla"));
        button->setAutoDefault(false);
        connectGuarded(button, &QPushButton::clicked, [this, on] { markAll(on); });
        bottom->addWidget(button);
    }
    m_check2 = new QCheckBox(QStringLiteral("Alla markerade kombinationer"), central);
    m_check2->setObjectName(QStringLiteral("Check2"));
    onClicked(m_check2, &frmC_Samverkan::Check2_Click);
    connect(m_check2, &QCheckBox::toggled, this, &frmC_Samverkan::explainMarks);
    explainMarks();
    m_cmdNext = new QPushButton(QStringLiteral("&Fortsätt"), central);
    m_cmdNext->setObjectName(QStringLiteral("cmdNext"));
    m_cmdNext->setAutoDefault(false);
    onClicked(m_cmdNext, &frmC_Samverkan::cmdNext_Click);
    bottom->addWidget(m_check2);
    bottom->addStretch(1);
    bottom->addWidget(m_cmdNext);
    layout->addLayout(bottom);
    setCentralWidget(central);

    addMenuItem(menuBar(), QStringLiteral("Avsluta"), "mnuExit", &frmC_Samverkan::mnuExit_Click);
    RedigeraMenu::addTo(menuBar(), messages())->setObjectName(QStringLiteral("mnuEdit"));
    setReturnWindow(QStringLiteral("frmB_Valresultat"));

    setDesignSize(6000, 4000);
    applyWindowState(QSize(820, 640));
}

void frmC_Samverkan::onActivate()
{
    CommitteeSetup* e = engine();
    if (!e)
        return;
    const int n = e->AntPartier();
    for (int i = 1; i <= Rows; ++i) {
        const bool used = i <= n;
        for (QLineEdit* box : {m_text1[i], m_text2[i], m_text3[i], m_text4[i]})
            box->setVisible(used);
        if (!used)
            continue;
        m_text1[i]->setText(QString::number(e->PartiValRes(i)));
        m_text2[i]->setText(e->PartiNamn(i));
        m_text3[i]->setText(e->PartiID(i));
        m_text4[i]->setText(e->PartiID(i));
    }
    DimSamvSW();
    for (int k = 1; k <= Boxes; ++k)
        m_check1[k]->setChecked(e->SamvSW(k) == 1);
    try {
        ElectionDatabase db(AppGlobals::instance().DBSokVag);
        m_check2->setChecked(ElectionSettings::read(db).cooperation ==
                                 ElectionSettings::Cooperation::AllCombinations &&
                             n <= CommitteeInput::MaxPartiesAllCombinations);
    } catch (const DbError& err) {
        dbError(QStringLiteral("Valets inställningar kunde inte läsas. ") + err.Description());
    }
}

void frmC_Samverkan::DimSamvSW()
{
    CommitteeSetup* e = engine();
    if (!e)
        return;
    const int n = e->AntPartier();
    const int pairs = n * (n - 1) / 2;
    for (int k = 1; k <= Boxes; ++k) {
        m_check1[k]->setVisible(k <= pairs);
        if (k > pairs)
            e->setSamvSW(k, 0);
    }
}

void frmC_Samverkan::explainMarks()
{
    m_lblMening->setText(
        m_check2->isChecked()
            ? QStringLiteral("Alla markerade kombinationer: en markering betyder att de två "
                             "partierna får samverka. Varje sätt att bilda listor av de "
                             "markerade paren prövas och redovisas för sig.")
            : QStringLiteral("Fast samverkan: en markering betyder att de två partierna "
                             "samverkar. Markerade par hänger ihop, så M-C, M-KD och M-L blir "
                             "en lista M/C/KD/L."));
}

void frmC_Samverkan::markAll(bool on)
{
    for (int k = 1; k <= Boxes; ++k) {
        if (m_check1[k]->isVisibleTo(this))
            m_check1[k]->setChecked(on);
    }
}

void frmC_Samverkan::Check2_Click()
{
    CommitteeSetup* e = engine();
    if (!m_check2->isChecked() || !e ||
        e->AntPartier() <= CommitteeInput::MaxPartiesAllCombinations)
        return;
    notice(QStringLiteral("Det går inte praktiskt att köra Alla kombinationer\r\n"
                          "när fler än 9 partier finns registrerade"));
    m_check2->setChecked(false);
}

void frmC_Samverkan::cmdNext_Click()
{
    CommitteeSetup* e = engine();
    if (!e)
        return;
    e->setSamvSW(0, m_check2->isChecked() ? 2 : 1);
    for (int k = 1; k <= e->MaxSamv() && k <= Boxes; ++k)
        e->setSamvSW(k, m_check1[k]->isChecked() ? 1 : 0);
    // The marks are the election's: the next calculation of this election starts from them.
    const QStringList pairs = CommitteeEntry::markedPairs(*e);
    const bool all = m_check2->isChecked();
    try {
        ElectionSettings::update(AppGlobals::instance().DBSokVag, [&](ElectionSettings& s) {
            s.cooperation = all ? ElectionSettings::Cooperation::AllCombinations
                                : ElectionSettings::Cooperation::Fixed;
            s.cooperationPairs = pairs;
        });
    } catch (const DbError& err) {
        dbError(QStringLiteral("Samverkan kunde inte sparas i databasen. ") + err.Description());
        return;
    }
    handOver(e->SkrivUtSW() ? QStringLiteral("frmD_SkrivUt") : QStringLiteral("frmD_VisaSkrivUt"));
}

void frmC_Samverkan::mnuExit_Click()
{
    handOverBack();
}

CommitteeSetup* frmC_Samverkan::engine() const
{
    return services().committee.get();
}
