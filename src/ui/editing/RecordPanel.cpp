#include "ui/editing/RecordPanel.h"

#include "data/DataControl.h"
#include "data/RecordTableModel.h"
#include "shell/AppInfo.h"
#include "shell/MessageService.h"
#include "ui/editing/DAOdataCtl.h"
#include "ui/editing/RefusedKey.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// A twip is 1/15 pixel at 96 dpi.
int twips(int t)
{
    return qMax(1, (t + 14) / 15);
}

// The message label sits to the right of every field.
const int messageColumn = 20;

} // namespace

RecordPanel::RecordPanel(MessageService& messages, const QString& caption, const Names& names,
                         QWidget* parent)
    : QGroupBox(caption, parent), m_messages(messages), m_names(names), m_grid(messages)
{
    setObjectName(names.frame);
    auto* layout = new QVBoxLayout(this);

    m_fields = new QGridLayout;
    m_message = new QLabel(QStringLiteral(" "), this);
    m_message->setObjectName(names.message);
    m_fields->addWidget(m_message, 1, messageColumn);
    layout->addLayout(m_fields);

    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    const QStringList captions = {
        QStringLiteral("|<<"),   QStringLiteral("<"),       QStringLiteral(">"),
        QStringLiteral(">>|"),   QStringLiteral("Ny"),      QStringLiteral("Ändra"),
        QStringLiteral("Spara"), QStringLiteral("Ta bort"), QStringLiteral("Ångra")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QPushButton(captions[i], this);
        button->setObjectName(names.buttons + QStringLiteral("(%1)").arg(i));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, i] { guarded([this, i] { click(i); }); });
        row->addWidget(button);
        m_buttons.append(button);
    }
    layout->addLayout(row);

    auto* position = new QHBoxLayout;
    // The label shows its own name until the navigator first shows a position.
    m_label = new QLabel(names.label, this);
    m_label->setObjectName(names.label);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(names.bar);
    m_bar->setTextVisible(false);
    position->addWidget(m_label);
    position->addWidget(m_bar, 1);
    layout->addLayout(position);

    m_list = new QTableView(this);
    m_list->setObjectName(names.list);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->horizontalHeader()->setMinimumSectionSize(1); // an id column can be all but hidden
    // Tab leaves the list for the next control instead of walking its cells.
    m_list->setTabKeyNavigation(false);
    m_list->viewport()->installEventFilter(this);
    m_list->horizontalHeader()->installEventFilter(this);
    layout->addWidget(m_list, 1);

    m_body = new QVBoxLayout;
    layout->addLayout(m_body);

    m_data = new DataControl(this);
    m_data->setObjectName(names.data);
    // Every validation starts out passed; the window's own check, connected later, may
    // refuse the record.
    connect(m_data, &DataControl::Validate, this, [this] { m_validationPassed = true; });

    m_navigator = new DAOdataCtl(messages, this);
    QList<QAbstractButton*> buttons;
    for (QPushButton* b : m_buttons)
        buttons.append(b);
    m_navigator->setButtons(buttons);
    m_navigator->setLabelToUpdate(m_label);
    m_navigator->setProgressBar(m_bar);
    m_navigator->setDAOCtl(m_data);
    // A change finished from "Du måste avsluta ..." is finished as by the buttons.
    m_navigator->setActionRunner([this](int index) { click(index); });

    // Enter saves the record being edited, as "Spara"; Esc drops the change, as "Ångra".
    // Anywhere in the panel, and only while that button is enabled.
    const auto key = [this](const QKeySequence& sequence, int index) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, index] {
            if (m_buttons[index]->isEnabled())
                guarded([this, index] { click(index); });
        });
    };
    key(QKeySequence(Qt::Key_Return), RecordNavigator::Save);
    key(QKeySequence(Qt::Key_Enter), RecordNavigator::Save);
    key(QKeySequence(Qt::Key_Escape), RecordNavigator::Undo);
}

RecordPanel::~RecordPanel() = default;

QLineEdit* RecordPanel::addField(const QString& name, const QString& caption, const QString& field,
                                 int limit, int maxWidthTwips)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setReadOnly(true); // browsing until "Ny" or "Ändra"
    const int column = int(m_entries.size());
    m_fields->addWidget(new QLabel(caption, this), 0, column);
    m_fields->addWidget(box, 1, column);
    if (maxWidthTwips > 0)
        box->setMaximumWidth(twips(maxWidthTwips));
    else
        m_fields->setColumnStretch(column, 1);
    m_data->bind(box, field);
    // A longer text would be refused by the database at "Spara", so it cannot be typed.
    box->setMaxLength(limit);
    box->installEventFilter(this);
    // Tab goes through the fields in reading order, then on to the buttons.
    if (m_lastField)
        QWidget::setTabOrder(m_lastField, box);
    QWidget::setTabOrder(box, m_buttons.first());
    m_lastField = box;
    addEntryControl(box);
    connect(box, &QLineEdit::textEdited, this,
            [this, limit](const QString& text) { showLength(text, limit); });
    return box;
}

void RecordPanel::addEntryControl(QWidget* control)
{
    m_entries.append(control);
    m_navigator->setEntryControls(m_entries);
}

void RecordPanel::setList(const QStringList& fields, const QStringList& captions,
                          const QList<int>& widthsTwips, const QList<Qt::Alignment>& alignments)
{
    delete m_model;
    m_model = new RecordTableModel(m_data, fields, this);
    m_model->setAlignments(alignments);
    m_model->setCaptions(captions);
    m_list->setModel(m_model);
    m_widths = widthsTwips;
}

void RecordPanel::setSource(const QString& dbPath, const DataSource& source, const QString& idField,
                            const QString& nyttIDTyp)
{
    m_data->setDatabaseName(dbPath);
    m_navigator->setDBName(dbPath);
    m_navigator->setRecordSource(source);
    m_navigator->setIDField(idField);
    m_navigator->setNyttIDTyp(nyttIDTyp);
}

void RecordPanel::showLength(const QString& text, int limit)
{
    if (text.size() > limit)
        m_message->setText(QStringLiteral("Fältet får bara innehålla ") + QString::number(limit) +
                           QStringLiteral(" tecken"));
    else
        m_message->setText(QStringLiteral("%1 av %2 tecken").arg(text.size()).arg(limit));
}

void RecordPanel::click(int index)
{
    if (index == RecordNavigator::Delete && m_keepsLastRecord && m_data->isOpen() &&
        m_data->Recordset().RecordCount() < 2) {
        m_messages.msgBox(QStringLiteral("Du kan inte ta bort alla poster.\r\n"
                                         "Gör ändring i stället"),
                          MessageService::Ok, MessageService::NoIcon, AppInfo::appNamn());
        return;
    }
    if (m_focusField)
        m_focusField->setFocus();
    // A saved or deleted record does not send the rows around under the mouse: the list
    // keeps its order until the window is next opened.
    const bool keepOrder =
        m_model && (index == RecordNavigator::Save || index == RecordNavigator::Delete);
    if (keepOrder)
        m_model->setKeepOrder(true, m_model->keyColumn(m_navigator->IDField()));
    m_navigator->StartDBC(index);
    if (keepOrder)
        m_model->setKeepOrder(false);
    m_message->setText(QStringLiteral(" "));
    switch (index) {
    case RecordNavigator::New:
        // A new record is typed from its first field on.
        for (QWidget* entry : m_entries) {
            auto* box = qobject_cast<QLineEdit*>(entry);
            if (box && box->isVisible() && !box->isReadOnly()) {
                box->setFocus();
                break;
            }
        }
        break;
    case RecordNavigator::MoveFirst:
    case RecordNavigator::MovePrevious:
    case RecordNavigator::MoveNext:
    case RecordNavigator::MoveLast:
        if (m_validationPassed)
            takeCurrentId();
        break;
    case RecordNavigator::Change:
        if (m_keyField)
            m_keyField->hide();
        break;
    case RecordNavigator::Save:
        if (m_validationPassed) {
            if (m_keyField)
                m_keyField->show();
            takeCurrentId();
        }
        break;
    case RecordNavigator::Delete:
        takeCurrentId();
        break;
    case RecordNavigator::Undo:
        if (m_keyField)
            m_keyField->show();
        break;
    default:
        break;
    }
    Q_EMIT acted(index);
}

void RecordPanel::guarded(const std::function<void()>& handler)
{
    if (m_guard)
        m_guard(handler);
    else
        handler();
}

void RecordPanel::takeCurrentId()
{
    m_currentId = m_navigator->currentIdText();
    refreshList();
}

bool RecordPanel::listMarksCurrent() const
{
    if (m_navigator->IDFldTyp() == RecordNavigator::IdNumeric)
        return m_currentId.toInt() > 0;
    return !m_currentId.trimmed().isEmpty();
}

void RecordPanel::refreshList()
{
    m_list->setFocus();
    for (int c = 0; c < m_widths.size(); ++c)
        m_list->setColumnWidth(c, twips(m_widths[c]));
    // Rows as the list counts them: the heading is row 0, so three rows are two records.
    if (!m_model || !listMarksCurrent() || m_model->rowCount() + 1 < 3)
        return;
    m_grid.setFormName(window());
    const std::optional<int> column = m_grid.VilkenKol(m_navigator->IDField());
    if (!column)
        return;
    const int row = m_model->findRow(*column, m_currentId);
    if (row >= 0)
        m_grid.MarkeraRad(row + 1);
}

void RecordPanel::goToId(const QString& id)
{
    m_currentId = id;
    m_navigator->goToIdText(id);
}

bool RecordPanel::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress && box) {
        // A field that is full refuses more, and says so.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!box->isReadOnly() && !key->text().isEmpty() && key->text().at(0).isPrint() &&
            !box->hasSelectedText() && box->text().size() >= box->maxLength()) {
            showLength(box->text() + key->text(), box->maxLength());
            RefusedKey::tell(box, m_message->text() + QLatin1Char('.'));
        }
        return QGroupBox::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        window()->unsetCursor();
    } else if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_list->horizontalHeader()) {
            // The heading row: the pointer shows that the columns can be sized.
            window()->setCursor(Qt::SizeHorCursor);
        } else if (watched == m_list->viewport()) {
            const QPoint pos = static_cast<QMouseEvent*>(event)->pos();
            guarded([this, pos] { listPressed(pos); });
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void RecordPanel::listPressed(const QPoint& pos)
{
    const int row = m_list->rowAt(pos.y());
    // While a change is pending the list stays as it is.
    if (m_model && row >= 0 && !m_navigator->buttons().isEnabled(NavButtons::Save)) {
        m_list->setFocus();
        m_grid.setFormName(window());
        if (const std::optional<int> column = m_grid.VilkenKol(m_navigator->IDField())) {
            m_list->setCurrentIndex(m_model->index(row, *column));
            m_grid.MarkeraRad(row + 1);
            goToId(m_model->index(row, *column).data().toString());
        }
    }
    refreshList();
}
