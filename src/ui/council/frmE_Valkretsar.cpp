#include "ui/council/frmE_Valkretsar.h"

#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "data/ElectionSettings.h"
#include "shell/AppGlobals.h"
#include "shell/MessageService.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString dbPath()
{
    return AppGlobals::instance().DBSokVag;
}

QString noneText()
{
    return QStringLiteral("(ingen valkrets)");
}

} // namespace

frmE_Valkretsar::frmE_Valkretsar(AppServices& services, QWidget* parent)
    : WindowBase(services, QStringLiteral("frmE_Valkretsar"), QStringLiteral("Valsit - Valkretsar"),
                 FirstActivationOnly, parent)
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(new QLabel(
        QStringLiteral("Valkretsar och deras fasta mandat (ändra genom att skriva i tabellen)"),
        central));
    m_tblValkretsar = new QTableWidget(0, 3, central);
    m_tblValkretsar->setObjectName(QStringLiteral("tblValkretsar"));
    m_tblValkretsar->setHorizontalHeaderLabels(
        {QStringLiteral("Kod"), QStringLiteral("Valkrets"), QStringLiteral("Fasta mandat")});
    m_tblValkretsar->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_tblValkretsar->verticalHeader()->hide();
    m_tblValkretsar->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tblValkretsar->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(m_tblValkretsar, 1);
    auto* buttons = new QHBoxLayout;
    m_cmdNyValkrets = new QPushButton(QStringLiteral("&Ny valkrets"), central);
    m_cmdNyValkrets->setObjectName(QStringLiteral("cmdNyValkrets"));
    m_cmdTaBort = new QPushButton(QStringLiteral("&Ta bort valkrets"), central);
    m_cmdTaBort->setObjectName(QStringLiteral("cmdTaBort"));
    buttons->addWidget(m_cmdNyValkrets);
    buttons->addWidget(m_cmdTaBort);
    buttons->addStretch();
    layout->addLayout(buttons);
    m_lblSumma = new QLabel(QStringLiteral(" "), central);
    m_lblSumma->setObjectName(QStringLiteral("lblSumma"));
    m_lblSumma->setWordWrap(true);
    layout->addWidget(m_lblSumma);
    layout->addWidget(new QLabel(QStringLiteral("Distriktens valkrets"), central));
    m_tblDistrikt = new QTableWidget(0, 2, central);
    m_tblDistrikt->setObjectName(QStringLiteral("tblDistrikt"));
    m_tblDistrikt->setHorizontalHeaderLabels(
        {QStringLiteral("Distrikt"), QStringLiteral("Valkrets")});
    m_tblDistrikt->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_tblDistrikt->verticalHeader()->hide();
    m_tblDistrikt->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_tblDistrikt, 2);
    setCentralWidget(central);

    addMenuItem(menuBar(), QStringLiteral("Avsluta"), "mnuExit", &frmE_Valkretsar::mnuExit_Click);
    onClicked(m_cmdNyValkrets, &frmE_Valkretsar::cmdNyValkrets_Click);
    onClicked(m_cmdTaBort, &frmE_Valkretsar::cmdTaBort_Click);
    connect(m_tblValkretsar, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { guard([this, item] { valkretsChanged(item); }); });
    setReturnWindow(QStringLiteral("frmE_PrelRes"));

    setDesignSize(7240, 6000);
    applyWindowState(QSize(560, 560));
}

QComboBox* frmE_Valkretsar::cboValkrets(int districtRow) const
{
    return qobject_cast<QComboBox*>(m_tblDistrikt->cellWidget(districtRow, 1));
}

void frmE_Valkretsar::onActivate()
{
    reload();
}

void frmE_Valkretsar::reload()
{
    try {
        ElectionDatabase election(dbPath());
        ValkretsStore store(election);
        m_valkretsar = store.constituencies();
        m_placements = store.placements();
    } catch (const DbError& e) {
        dbError(QStringLiteral("Valkretsarna kunde inte läsas. ") + e.Description());
        return;
    }
    m_loading = true;
    m_tblValkretsar->setRowCount(int(m_valkretsar.size()));
    for (int row = 0; row < m_valkretsar.size(); ++row) {
        const ValkretsStore::Valkrets& v = m_valkretsar.at(row);
        auto* code = new QTableWidgetItem(QString::number(v.id));
        code->setFlags(code->flags() & ~Qt::ItemIsEditable);
        m_tblValkretsar->setItem(row, 0, code);
        m_tblValkretsar->setItem(row, 1, new QTableWidgetItem(v.name));
        m_tblValkretsar->setItem(row, 2, new QTableWidgetItem(QString::number(v.fixedSeats)));
    }
    m_tblDistrikt->setRowCount(int(m_placements.size()));
    for (int row = 0; row < m_placements.size(); ++row) {
        const ValkretsStore::Placement& p = m_placements.at(row);
        m_tblDistrikt->setItem(row, 0, new QTableWidgetItem(p.name));
        auto* choice = new QComboBox(m_tblDistrikt);
        choice->setObjectName(QStringLiteral("cboValkrets(%1)").arg(row));
        choice->addItem(noneText());
        for (const ValkretsStore::Valkrets& v : m_valkretsar) {
            choice->addItem(v.name);
            if (v.id == p.valkretsId)
                choice->setCurrentIndex(choice->count() - 1);
        }
        connect(choice, qOverload<int>(&QComboBox::activated), this, [this, row](int index) {
            guard([this, row, index] { placeDistrict(row, index); });
        });
        m_tblDistrikt->setCellWidget(row, 1, choice);
    }
    m_loading = false;
    showSum();
}

void frmE_Valkretsar::showSum()
{
    int fixed = 0;
    for (const ValkretsStore::Valkrets& v : m_valkretsar)
        fixed += v.fixedSeats;
    int unplaced = 0;
    for (const ValkretsStore::Placement& p : m_placements)
        unplaced += p.valkretsId == 0 ? 1 : 0;
    QString text = m_valkretsar.isEmpty()
                       ? QStringLiteral("Inga valkretsar: kommunen beräknas utan valkretsar.")
                       : QStringLiteral("Fasta mandat tillsammans: %1.").arg(fixed);
    int seats = 0;
    try {
        ElectionDatabase db(AppGlobals::instance().DBSokVag);
        seats = ElectionSettings::read(db).councilSeats;
    } catch (const DbError&) {
        seats = 0; // the sum is shown without the share of the seats
    }
    if (!m_valkretsar.isEmpty() && seats > 0)
        text += QStringLiteral(" Av fullmäktiges %1 mandat ska %2 vara fasta med gällande regler "
                               "(nio tiondelar, avrundat nedåt) och alla %1 med äldre regler.")
                    .arg(seats)
                    .arg(seats * 9 / 10);
    if (!m_valkretsar.isEmpty() && unplaced > 0)
        text += QStringLiteral(" %1 distrikt saknar valkrets.").arg(unplaced);
    m_lblSumma->setText(text);
}

void frmE_Valkretsar::cmdNyValkrets_Click()
{
    const Command command(this);
    bool accepted = false;
    const QString name = messages()
                             .inputBox(QStringLiteral("Valkretsens namn:"),
                                       AppGlobals::instance().AppNamn, QString(), &accepted)
                             .trimmed();
    if (!accepted)
        return;
    if (name.isEmpty() || name.size() > 50) {
        info(QStringLiteral("Ange valkretsens namn, högst 50 tecken"));
        return;
    }
    const QString seats = messages().inputBox(QStringLiteral("Valkretsens fasta mandat:"),
                                              AppGlobals::instance().AppNamn, QString(), &accepted);
    if (!accepted)
        return;
    bool ok = false;
    const int fixed = seats.trimmed().toInt(&ok);
    if (!ok || fixed < 1 || fixed > 350) {
        info(QStringLiteral("Ange de fasta mandaten som ett heltal mellan 1 och 350"));
        return;
    }
    try {
        ElectionDatabase election(dbPath());
        ValkretsStore(election).add(name, fixed);
    } catch (const DbError& e) {
        dbError(QStringLiteral("Valkretsen kunde inte läggas till. ") + e.Description());
    }
    reload();
}

void frmE_Valkretsar::cmdTaBort_Click()
{
    const int row = m_tblValkretsar->currentRow();
    if (row < 0 || row >= m_valkretsar.size()) {
        info(QStringLiteral("Välj först den valkrets som ska tas bort"));
        return;
    }
    const Command command(this);
    const ValkretsStore::Valkrets v = m_valkretsar.at(row);
    if (messages().msgBox(QStringLiteral("Ta bort valkretsen %1? Dess distrikt blir utan "
                                         "valkrets.")
                              .arg(v.name),
                          MessageService::YesNo, MessageService::Question,
                          AppGlobals::instance().AppNamn,
                          MessageService::SecondButton) != MessageService::AnswerYes)
        return;
    try {
        ElectionDatabase election(dbPath());
        ValkretsStore(election).remove(v.id);
    } catch (const DbError& e) {
        dbError(QStringLiteral("Valkretsen kunde inte tas bort. ") + e.Description());
    }
    reload();
}

void frmE_Valkretsar::valkretsChanged(QTableWidgetItem* item)
{
    if (m_loading || !item || item->row() >= m_valkretsar.size())
        return;
    ValkretsStore::Valkrets v = m_valkretsar.at(item->row());
    const QString text = item->text().trimmed();
    if (item->column() == 1) {
        if (text.isEmpty() || text.size() > 50) {
            info(QStringLiteral("Ange valkretsens namn, högst 50 tecken"));
            reload();
            return;
        }
        v.name = text;
    } else if (item->column() == 2) {
        bool ok = false;
        v.fixedSeats = text.toInt(&ok);
        if (!ok || v.fixedSeats < 1 || v.fixedSeats > 350) {
            info(QStringLiteral("Ange de fasta mandaten som ett heltal mellan 1 och 350"));
            reload();
            return;
        }
    }
    try {
        ElectionDatabase election(dbPath());
        ValkretsStore(election).update(v);
    } catch (const DbError& e) {
        dbError(QStringLiteral("Valkretsen kunde inte ändras. ") + e.Description());
    }
    // Reloaded after the table has finished with the edited item.
    QMetaObject::invokeMethod(
        this, [this] { guard([this] { reload(); }); }, Qt::QueuedConnection);
}

void frmE_Valkretsar::placeDistrict(int row, int index)
{
    if (row < 0 || row >= m_placements.size())
        return;
    const qint32 id =
        index >= 1 && index <= m_valkretsar.size() ? m_valkretsar.at(index - 1).id : 0;
    try {
        ElectionDatabase election(dbPath());
        ValkretsStore(election).place(m_placements.at(row).districtId, id);
        m_placements[row].valkretsId = id;
    } catch (const DbError& e) {
        dbError(QStringLiteral("Distriktets valkrets kunde inte sparas. ") + e.Description());
        reload();
        return;
    }
    showSum();
}

void frmE_Valkretsar::mnuExit_Click()
{
    handOverBack();
}
