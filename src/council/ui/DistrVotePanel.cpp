#include "council/ui/DistrVotePanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QLineEdit* cell(const QString& name, const QColor& colour, bool readOnly, int width)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setReadOnly(readOnly);
    box->setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
    if (width > 0)
        box->setFixedWidth(width);
    return box;
}

} // namespace

DistrVotePanel::DistrVotePanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Valresultat per distrikt"), parent)
{
    setObjectName(QStringLiteral("Frame5"));
    auto* layout = new QVBoxLayout(this);

    auto* frame6 = new QGroupBox(QStringLiteral("Välj distrikt"), this);
    frame6->setObjectName(QStringLiteral("Frame6"));
    auto* choice = new QHBoxLayout(frame6);
    m_cboDistr = new QComboBox(frame6);
    m_cboDistr->setObjectName(QStringLiteral("cboDistr"));
    m_cboDistr->setMinimumContentsLength(24);
    m_cboDistrID = new QComboBox(frame6);
    m_cboDistrID->setObjectName(QStringLiteral("cboDistrID"));
    m_cboDistrID->hide();
    choice->addWidget(m_cboDistr);
    choice->addStretch(1);
    layout->addWidget(frame6);

    m_frame7 = new QGroupBox(QStringLiteral("Ange röster per parti för distriktet"), this);
    m_frame7->setObjectName(QStringLiteral("Frame7"));
    auto* frameLayout = new QVBoxLayout(m_frame7);
    auto* scroll = new QScrollArea(m_frame7);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* rows = new QWidget;
    auto* grid = new QGridLayout(rows);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("PartiID")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Antal röster")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Partiets namn")), 0, 2);
    const QColor grey(0xE0, 0xE0, 0xE0);
    const QColor lightYellow(0xFF, 0xFF, 0xC0);
    for (int i = 1; i <= Rows; ++i) {
        m_text5[i] = cell(QStringLiteral("Text5(%1)").arg(i), grey, true, 70);
        m_text3[i] = cell(QStringLiteral("Text3(%1)").arg(i), lightYellow, false, 90);
        m_text4[i] = cell(QStringLiteral("Text4(%1)").arg(i), grey, true, 0);
        m_text3[i]->setAlignment(Qt::AlignRight);
        grid->addWidget(m_text5[i], i, 0);
        grid->addWidget(m_text3[i], i, 1);
        grid->addWidget(m_text4[i], i, 2);
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(Rows + 1, 1);
    scroll->setWidget(rows);
    frameLayout->addWidget(scroll);
    layout->addWidget(m_frame7, 1);
}

void DistrVotePanel::showRows(int count)
{
    m_shownRows = qBound(0, count, int(Rows));
    for (int i = 1; i <= Rows; ++i) {
        const bool on = i <= m_shownRows;
        m_text5[i]->setVisible(on);
        m_text3[i]->setVisible(on);
        m_text4[i]->setVisible(on);
    }
}
