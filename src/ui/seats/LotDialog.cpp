#include "ui/seats/LotDialog.h"

#include "seats/LotDraw.h"
#include "seats/LotTexts.h"
#include "shell/AppInfo.h"
#include "shell/MessageService.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LotDialog::LotDialog(const SeatResult& result, const QVector<int>& groups, const QDateTime& now,
                     MessageService& messages, QWidget* parent)
    : QDialog(parent), m_result(result), m_groups(groups), m_messages(messages)
{
    setObjectName(QStringLiteral("frmLottning"));
    setWindowTitle(QStringLiteral("Valsit - Lottning"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("Lika jämförelsetal avgör vem som får en plats. "
                                            "Ange lotten som den drogs för hand, eller låt "
                                            "programmet lotta."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_cboTie = new QComboBox(this);
    m_cboTie->setObjectName(QStringLiteral("cboTie"));
    for (int g : m_groups) {
        const SeatResult::TieGroup& group = m_result.tieGroups[g];
        QStringList names;
        for (int k = 0; k < group.listCount; ++k)
            names.append(LotTexts::listLabel(m_result, group.lists[k]));
        m_cboTie->addItem(
            LotTexts::seatsText(group.firstSeat,
                                group.firstSeat + LotDraw::seatsGiven(m_result, g) - 1) +
            QStringLiteral(": ") + names.join(QStringLiteral(", ")));
    }
    layout->addWidget(m_cboTie);

    m_seatBox = new QWidget(this);
    m_seatLayout = new QVBoxLayout(m_seatBox);
    m_seatLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_seatBox);

    auto* form = new QFormLayout;
    m_txtDragenAv = new QLineEdit(this);
    m_txtDragenAv->setObjectName(QStringLiteral("txtDragenAv"));
    m_dtTidpunkt = new QDateTimeEdit(now, this);
    m_dtTidpunkt->setObjectName(QStringLiteral("dtTidpunkt"));
    m_dtTidpunkt->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    m_txtAnteckning = new QLineEdit(this);
    m_txtAnteckning->setObjectName(QStringLiteral("txtAnteckning"));
    form->addRow(QStringLiteral("Dragen av:"), m_txtDragenAv);
    form->addRow(QStringLiteral("Tidpunkt:"), m_dtTidpunkt);
    form->addRow(QStringLiteral("Anteckning:"), m_txtAnteckning);
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    m_cmdSpara = new QPushButton(QStringLiteral("Spara lotten"), this);
    m_cmdSpara->setObjectName(QStringLiteral("cmdSpara"));
    m_cmdProgram = new QPushButton(QStringLiteral("Låt programmet lotta"), this);
    m_cmdProgram->setObjectName(QStringLiteral("cmdProgram"));
    m_cmdAvbryt = new QPushButton(QStringLiteral("Avbryt"), this);
    m_cmdAvbryt->setObjectName(QStringLiteral("cmdAvbryt"));
    buttons->addWidget(m_cmdSpara);
    buttons->addWidget(m_cmdProgram);
    buttons->addStretch(1);
    buttons->addWidget(m_cmdAvbryt);
    layout->addLayout(buttons);

    connect(m_cboTie, &QComboBox::currentIndexChanged, this, [this] { fillSeats(); });
    connect(m_cmdSpara, &QPushButton::clicked, this, [this] { cmdSpara_Click(); });
    connect(m_cmdProgram, &QPushButton::clicked, this, [this] { cmdProgram_Click(); });
    connect(m_cmdAvbryt, &QPushButton::clicked, this, &QDialog::reject);
    fillSeats();
}

int LotDialog::group() const
{
    return m_groups.value(m_cboTie->currentIndex(), -1);
}

void LotDialog::fillSeats()
{
    qDeleteAll(m_seatRows);
    m_seatRows.clear();
    m_cboSeat.clear();
    const int g = group();
    if (g < 0)
        return;
    const SeatResult::TieGroup& tie = m_result.tieGroups[g];
    for (int k = 0; k < LotDraw::seatsGiven(m_result, g); ++k) {
        auto* row = new QWidget(m_seatBox);
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->addWidget(new QLabel(
            QStringLiteral("Plats %1 gick genom lotten till:").arg(tie.firstSeat + k), row));
        auto* box = new QComboBox(row);
        box->setObjectName(QStringLiteral("cboSeat(%1)").arg(k));
        for (int j = 0; j < tie.listCount; ++j)
            box->addItem(LotTexts::listLabel(m_result, tie.lists[j]), tie.lists[j]);
        box->setPlaceholderText(QStringLiteral("(välj lista)"));
        box->setCurrentIndex(-1);
        rowLayout->addWidget(box, 1);
        m_seatLayout->addWidget(row);
        m_seatRows.append(row);
        m_cboSeat.append(box);
    }
}

QVector<int> LotDialog::winners() const
{
    QVector<int> lists;
    for (const QComboBox* box : m_cboSeat)
        lists.append(box->currentData().toInt());
    return lists;
}

QString LotDialog::drawnBy() const
{
    return m_txtDragenAv->text().trimmed();
}

QDateTime LotDialog::drawnAt() const
{
    return m_dtTidpunkt->dateTime();
}

QString LotDialog::note() const
{
    return m_txtAnteckning->text().trimmed();
}

void LotDialog::cmdSpara_Click()
{
    QString problem;
    const QVector<int> lists = winners();
    for (int k = 0; k < lists.size() && problem.isEmpty(); ++k) {
        if (lists.at(k) == 0)
            problem = QStringLiteral("Ange vilken lista som fick varje plats.");
        for (int j = 0; j < k && problem.isEmpty(); ++j)
            if (lists.at(j) == lists.at(k))
                problem = QStringLiteral("En lista kan bara få en av platserna.");
    }
    if (problem.isEmpty() && drawnBy().isEmpty())
        problem = QStringLiteral("Ange vem som drog lotten.");
    if (!problem.isEmpty()) {
        m_messages.msgBox(problem, MessageService::Ok, MessageService::Information,
                          AppInfo::appNamn());
        return;
    }
    m_choice = Choice::ByHand;
    accept();
}

void LotDialog::cmdProgram_Click()
{
    // A drawn lot is stored at once and decides the seat: the user says so first.
    if (m_messages.msgBox(QStringLiteral("Vill du att programmet lottar nu?\r\n") +
                              m_cboTie->currentText() +
                              QStringLiteral("\r\nLotten sparas i valdatabasen."),
                          MessageService::YesNo, MessageService::Question, AppInfo::appNamn(),
                          MessageService::SecondButton) != MessageService::AnswerYes)
        return;
    m_choice = Choice::ByProgram;
    accept();
}
