#pragma once

#include "data/DataSource.h"
#include "ui/editing/StyraFlexGrid.h"

#include <QGroupBox>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class DAOdataCtl;
class DataControl;
class MessageService;
class QGridLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QVBoxLayout;
class RecordTableModel;

// A framed record editor of an entry window: the entry fields bound to the record, the
// navigator's nine buttons, its position label and bar, and the list of all records,
// wired to one data control and one record navigator. The window adds its fields, names
// the list's columns, gives the source and routes nothing: the buttons and the list act
// through the panel. What the window adds of its own goes below the list (body()).
//
// As the entry windows want it: a move, a save or a deletion takes the current record's
// id as the panel's current id and marks its row in the list, unless the last validation
// refused the record; while a change or an addition is pending, a press on the list does
// nothing.
class RecordPanel : public QGroupBox
{
    Q_OBJECT
public:
    // The objectNames of the controls, the design names of the window.
    struct Names
    {
        QString frame;   // "Frame1"
        QString buttons; // "cmdButt1": the buttons are "cmdButt1(0)" to "cmdButt1(8)"
        QString label;   // "lblButt1"
        QString bar;     // "ProgressBar1"
        QString list;    // "MSFlexGrid1"
        QString data;    // "Data1"
        QString message; // "lblMsg1"
    };

    RecordPanel(MessageService& messages, const QString& caption, const Names& names,
                QWidget* parent = nullptr);
    ~RecordPanel() override;

    // An entry field bound to `field`, captioned above, locked until "Ny" or "Ändra". It
    // takes at most `limit` characters; while it is typed in, the message label says how
    // many of them are used. A `maxWidthTwips` of 0 lets the field take the room that is
    // left. The fields are gone through with Tab in the order they are added.
    QLineEdit* addField(const QString& name, const QString& caption, const QString& field,
                        int limit, int maxWidthTwips = 0);
    // A further control locked and unlocked with the fields (a check box, for instance).
    void addEntryControl(QWidget* control);
    // The list's columns (record fields, headed by `captions`), the widths in twips of
    // all but the last, which takes the rest, and their alignments.
    void setList(const QStringList& fields, const QStringList& captions,
                 const QList<int>& widthsTwips, const QList<Qt::Alignment>& alignments);
    // The navigator's source. Nothing is read until the first action.
    void setSource(const QString& dbPath, const DataSource& source, const QString& idField,
                   const QString& nyttIDTyp);

    // Takes the focus before every action (the field the user most likely types in).
    void setFocusField(QLineEdit* field) { m_focusField = field; }
    // Hidden while a record is changed, so that its key cannot be.
    void setKeyField(QLineEdit* field) { m_keyField = field; }
    // "Ta bort" is refused while fewer than two records are left.
    void setKeepsLastRecord(bool keep) { m_keepsLastRecord = keep; }
    // Runs the panel's handlers (button clicks, list presses) inside the window's guard.
    using Guard = std::function<void(const std::function<void()>&)>;
    void setGuard(Guard guard) { m_guard = std::move(guard); }

    // The action of button `index` (0 to 8), as a click on it.
    void click(int index);
    // Marks the current record's row in the list.
    void refreshList();
    // Makes the record with this id current, as a press on its row does.
    void goToId(const QString& id);

    QString currentId() const { return m_currentId; }
    void setCurrentId(const QString& id) { m_currentId = id; }
    bool validationPassed() const { return m_validationPassed; }
    // Set false by the window's validation when it refuses the record; every validation
    // starts out passed.
    void setValidationPassed(bool passed) { m_validationPassed = passed; }
    // Shows the length of a field's text in the message label.
    void showLength(const QString& text, int limit);

    DAOdataCtl& navigator() const { return *m_navigator; }
    DataControl& data() const { return *m_data; }
    QTableView* list() const { return m_list; }
    RecordTableModel* model() const { return m_model; }
    QPushButton* button(int index) const { return m_buttons.value(index); }
    QLabel* positionLabel() const { return m_label; }
    QProgressBar* progressBar() const { return m_bar; }
    QLabel* message() const { return m_message; }
    QVBoxLayout* body() const { return m_body; }

Q_SIGNALS:
    // After the navigator performed the action of a button.
    void acted(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void guarded(const std::function<void()>& handler);
    void takeCurrentId();
    bool listMarksCurrent() const;
    void listPressed(const QPoint& pos);

    MessageService& m_messages;
    Names m_names;
    DataControl* m_data;
    DAOdataCtl* m_navigator;
    RecordTableModel* m_model = nullptr;
    StyraFlexGrid m_grid;
    QGridLayout* m_fields;
    QVBoxLayout* m_body;
    QList<QPushButton*> m_buttons;
    QList<QWidget*> m_entries;
    QList<int> m_widths;
    QLabel* m_label;
    QProgressBar* m_bar;
    QLabel* m_message;
    QTableView* m_list;
    QLineEdit* m_focusField = nullptr;
    QLineEdit* m_keyField = nullptr;
    QLineEdit* m_lastField = nullptr;
    bool m_keepsLastRecord = false;
    Guard m_guard;
    QString m_currentId;
    bool m_validationPassed = true;
};
