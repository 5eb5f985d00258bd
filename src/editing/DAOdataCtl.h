#pragma once

#include "data/Recordset.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtGlobal>
#include <optional>

class DataControl;
class MessageService;
class QProgressBar;
class QWidget;

// The record navigator of the entry windows: turns a data control, the window's row of
// nine buttons (first, previous, next, last, "Ny", "Ändra", "Spara", "Ta bort", "Ångra"),
// a position label, a progress bar and the entry controls that carry its tag into a
// browser and editor of one table or query. It moves, adds, changes, saves, deletes and
// undoes, decides which buttons are enabled, locks and unlocks the entry controls, finds
// records by id and makes the id of a new record.
//
// The window's controls are found by objectName: the buttons as "<Buttons>(0)" to
// "<Buttons>(8)", the label as LabelToUpdate. The entry controls are those whose dynamic
// property "Tag" (see setControlTag) equals the navigator's Tag. The window creates them
// locked (read-only, white): the navigator unlocks them while a change is pending.
//
// Every database error inside an action is caught and shown; the action ends and a
// pending change stays pending.
class DAOdataCtl : public QObject
{
    Q_OBJECT
public:
    enum IdKind { IdUnknown = 0, IdNumeric = 1, IdText = 2 };

    explicit DAOdataCtl(MessageService& messages, QObject* parent = nullptr);

    void setDAOCtl(DataControl* control);
    void setDBName(const QString& path) { m_dbName = path; }
    void setRecordSource(const QString& source) { m_recordSource = source; }
    void setIDField(const QString& field) { m_idField = field; }
    void setFormName(QWidget* form) { m_form = form; }
    void setButtons(const QString& name) { m_buttons = name; }
    void setLabelToUpdate(const QString& name) { m_labelToUpdate = name; }
    void setProgressBar(QProgressBar* bar);
    void setTag(const QString& tag) { m_tag = tag; }
    // 1 to 10; anything else is refused with a message and 4 is taken.
    void setNyttIDLngd(qint16 length);
    // "A", "N" or "E"; anything else is refused with a message and "A" is taken.
    void setNyttIDTyp(const QString& kind);

    qint32 IDFldTyp() const { return m_idKind; }
    // The current id. Reading or writing the one that does not fit the id field's kind
    // shows a message (and reads "" or 0). Writing makes that record current.
    QString AktIDA();
    void setAktIDA(const QString& id);
    qint32 AktIDN();
    void setAktIDN(qint32 id);

    // Performs the action of button `Index` (0 to 8); the first call opens the data control.
    void StartDBC(int Index);
    // True when no change or addition is pending; otherwise tells the user so.
    bool EndDBC();
    bool FindIDN(qint32 xID);
    bool FindIDA(const QString& xID);
    // Enables button i of the array when character i of the pattern is "1".
    void navigateButtons(const QString& sButtonString);

    // Marks a control of the window as an entry control of the navigator with this tag.
    static void setControlTag(QWidget* control, const QString& tag);
    static QString controlTag(const QWidget* control);

    // The button patterns, by situation.
    static QString patternFor(int recordCount, int position, bool pending);

private:
    Recordset& rs();
    bool pending();
    bool open();
    void scanHighestId();
    void act(int index);
    void moveAction(int index);
    void addAction();
    void changeAction();
    void saveAction();
    void deleteAction();
    void undoAction();
    void takeCurrentId();
    void clearCurrentId();
    void goBackToCurrentId();
    bool currentIdMatches(const QVariant& value) const;
    QVariant currentIdValue() const;
    bool find(const QVariant& id, const QString& shown);
    void refreshState(std::optional<bool> lock = std::nullopt);
    void lockControls(bool lock);
    void setLabel(const QString& text);
    void reportError(int number, const QString& description);
    template <typename Body> bool guarded(Body body);

    MessageService& m_messages;
    QPointer<DataControl> m_ctl;
    QPointer<QWidget> m_form;
    QPointer<QProgressBar> m_progressBar;
    QString m_dbName;
    QString m_recordSource;
    QString m_idField;
    QString m_buttons;
    QString m_labelToUpdate;
    QString m_tag;
    qint16 m_nyttIDLngd = 4;
    QString m_nyttIDTyp = QStringLiteral("A");

    int m_idKind = IdUnknown;
    QString m_aktIDA;
    qint32 m_aktIDN = 0;
    bool m_opened = false;
    int m_recordCount = 0;
    std::optional<Recordset::BookmarkValue> m_savedPosition;
    qint32 m_highestN = 0;
    qint32 m_previousHighestN = 0;
    QString m_highestA = QStringLiteral(" ");
    QString m_previousHighestA = QStringLiteral(" ");
};
