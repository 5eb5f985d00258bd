#include "ui/council/DistrVotePanel.h"

#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "data/Recordset.h"
#include "shell/AppInfo.h"
#include "shell/MessageService.h"
#include "ui/editing/Key2TextBox.h"
#include "ui/editing/MarkeraOnFocus.h"
#include "ui/editing/RefusedKey.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
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

DistrVotePanel::DistrVotePanel(MessageService& messages, const Key2TextBox& keys, QWidget* parent)
    : QGroupBox(QStringLiteral("Valresultat per distrikt"), parent), m_messages(messages)
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
    // The choice keeps its height while the votes are hidden; the room below stays empty.
    frame6->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
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
    grid->addWidget(new QLabel(QStringLiteral("Parti kod")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Antal röster")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Partiets namn")), 0, 2);
    const QColor grey(0xE0, 0xE0, 0xE0);
    const QColor lightYellow(0xFF, 0xFF, 0xC0);
    for (int i = 1; i <= Rows; ++i) {
        m_text5[i] = cell(QStringLiteral("Text5(%1)").arg(i), grey, true, 70);
        m_text3[i] = cell(QStringLiteral("Text3(%1)").arg(i), lightYellow, false, 90);
        m_text4[i] = cell(QStringLiteral("Text4(%1)").arg(i), grey, true, 0);
        m_text3[i]->setAlignment(Qt::AlignRight);
        keys.hook(m_text3[i], &Key2TextBox::txt0_9);
        // As the party's votes: at most 9 999 999, so a count cannot outgrow what is stored.
        m_text3[i]->setMaxLength(7);
        m_text3[i]->installEventFilter(this);
        MarkeraOnFocus::attach(m_text3[i], keys);
        connect(m_text3[i], &QLineEdit::textChanged, this, [this, i] { rosterChanged(i); });
        // Only the cells the user types in are stored: merely looking at a district must
        // not make every party a party with a district count.
        connect(m_text3[i], &QLineEdit::textEdited, this, [this, i] { m_typedRows.insert(i); });
        grid->addWidget(m_text5[i], i, 0);
        grid->addWidget(m_text3[i], i, 1);
        grid->addWidget(m_text4[i], i, 2);
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(Rows + 1, 1);
    scroll->setWidget(rows);
    frameLayout->addWidget(scroll);
    layout->addWidget(m_frame7, 1);
    layout->addStretch(0);
    connect(m_cboDistr, qOverload<int>(&QComboBox::activated), this, [this](int listIndex) {
        if (m_guard)
            m_guard([this, listIndex] { choose(listIndex); });
        else
            choose(listIndex);
    });
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

void DistrVotePanel::setMessageLabel(QLabel* label)
{
    m_message = label;
}

void DistrVotePanel::loadRows(const Recordset& parties)
{
    const int count = parties.RecordCount();
    const int idColumn = parties.fieldIndex(QStringLiteral("PartiID"));
    const int nameColumn = parties.fieldIndex(QStringLiteral("PartiNamn"));
    for (int i = 1; i <= Rows; ++i) {
        const bool used = i <= count;
        const QVariant id = used ? parties.valueAt(i - 1, idColumn) : QVariant();
        const QVariant name = used ? parties.valueAt(i - 1, nameColumn) : QVariant();
        const QString empty = used ? QStringLiteral(" ") : QString();
        m_text5[i]->setText(id.isValid() && !id.isNull() ? id.toString() : empty);
        m_text4[i]->setText(name.isValid() && !name.isNull() ? name.toString() : empty);
    }
    // Every party gets a row that shows, a party added since the last visit included.
    showRows(count);
}

QStringList DistrVotePanel::codes() const
{
    QStringList list;
    for (int i = 1; i <= m_shownRows; ++i)
        list.append(m_text5[i]->text());
    return list;
}

void DistrVotePanel::setDistricts(const QList<DistrRosterStore::District>& districts)
{
    m_cboDistr->clear();
    m_cboDistrID->clear();
    for (const DistrRosterStore::District& d : districts) {
        m_cboDistr->addItem(d.name);
        m_cboDistrID->addItem(QString::number(d.id));
    }
    m_cboDistr->setCurrentIndex(-1);
}

bool DistrVotePanel::votesShown() const
{
    return m_frame7->isVisibleTo(this);
}

void DistrVotePanel::choose(int listIndex)
{
    if (listIndex < 0) {
        m_messages.msgBox(QStringLiteral("Du har inte valt distrikt"), MessageService::Ok,
                          MessageService::NoIcon, AppInfo::appNamn());
        return;
    }
    const bool shown = votesShown();
    // The list goes back to the district on screen when the new one cannot be shown.
    const auto stayOnShown = [this, shown] {
        m_cboDistr->setCurrentIndex(shown ? m_cboDistrID->findText(QString::number(m_valtDistrID))
                                          : -1);
    };
    if (shown && !store()) {
        stayOnShown();
        return;
    }
    const qint32 chosenID = m_cboDistrID->itemText(listIndex).toInt();
    QList<DistrRosterStore::Votes> votes;
    try {
        ElectionDatabase election(m_dbPath);
        votes = DistrRosterStore(election).votesOf(chosenID);
    } catch (const DbError& e) {
        // Zeros on screen would be stored over the real votes later.
        dbError(QStringLiteral("Distriktets röster kunde inte läsas. ") + e.Description());
        stayOnShown();
        return;
    }
    m_frame7->show();
    m_cboDistrID->setCurrentIndex(listIndex);
    m_valtDistrID = chosenID;
    for (int i = 1; i <= Rows; ++i)
        m_text3[i]->setText(QStringLiteral("0"));
    for (const DistrRosterStore::Votes& v : votes) {
        for (int i = 1; i <= Rows; ++i) {
            if (m_text5[i]->text() == v.partiID) {
                m_text3[i]->setText(QString::number(v.roster));
                break;
            }
        }
    }
    m_typedRows.clear();
    m_text3[1]->setFocus();
}

bool DistrVotePanel::store()
{
    QList<DistrRosterStore::Votes> votes;
    for (int i = 1; i <= m_shownRows; ++i) {
        if (!m_typedRows.contains(i))
            continue;
        bool ok = false;
        const qint32 roster = m_text3[i]->text().trimmed().toInt(&ok);
        if (!ok) {
            info(QStringLiteral("Antal röster för '") + m_text5[i]->text().trimmed() +
                 QStringLiteral("' är inget giltigt tal. Rösterna har inte lagrats."));
            m_text3[i]->setFocus();
            return false;
        }
        votes.append({m_text5[i]->text(), roster});
    }
    if (votes.isEmpty())
        return true; // nothing typed: nothing to store
    try {
        ElectionDatabase election(m_dbPath);
        DistrRosterStore(election).store(m_valtDistrID, votes);
    } catch (const DbError& e) {
        dbError(QStringLiteral("Distriktets röster kunde inte lagras. ") + e.Description());
        return false;
    }
    m_typedRows.clear();
    return true;
}

bool DistrVotePanel::storeAndHide()
{
    if (!votesShown())
        return true;
    if (!store())
        return false;
    m_frame7->hide();
    return true;
}

void DistrVotePanel::rosterChanged(int row)
{
    QLineEdit* box = m_text3[row];
    if (box->text().isEmpty()) {
        box->setText(QStringLiteral("0")); // runs this again with the "0"
        return;
    }
    if (!m_message)
        return;
    m_message->setText(box->text().size() > 7
                           ? QStringLiteral("Fältet får bara innehålla 7 tecken")
                           : QStringLiteral("%1 av 7 tecken").arg(box->text().size()));
}

void DistrVotePanel::info(const QString& text)
{
    m_messages.msgBox(text, MessageService::Ok, MessageService::Information, AppInfo::appNamn());
}

void DistrVotePanel::dbError(const QString& text)
{
    m_messages.msgBox(text, MessageService::Ok, MessageService::Critical, AppInfo::appNamn());
}

bool DistrVotePanel::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->text().at(0).isDigit() && !box->hasSelectedText() &&
            box->text().size() >= box->maxLength()) {
            const QString full =
                QStringLiteral("Fältet får bara innehålla %1 tecken").arg(box->maxLength());
            if (m_message)
                m_message->setText(full);
            RefusedKey::tell(box, full + QLatin1Char('.'));
        }
    }
    return QGroupBox::eventFilter(watched, event);
}
