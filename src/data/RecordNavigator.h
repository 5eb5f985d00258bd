#pragma once

#include "data/NavButtons.h"
#include "data/Recordset.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <optional>

class DataControl;
class MessageService;
class NavigatorView;

// The record navigator of the entry windows, without widgets: over a data control it
// moves, adds, changes, saves, deletes and undoes, decides which of its nine buttons are
// enabled, says when the entry fields are locked, finds records by id and makes the id of
// a new record. What it decides is shown through a NavigatorView (DAOdataCtl shows it on
// a window's controls).
//
// Every database error inside an action is caught and shown; the action ends and a
// pending change stays pending.
class RecordNavigator : public QObject
{
    Q_OBJECT
public:
    enum IdKind { IdUnknown = 0, IdNumeric = 1, IdText = 2 };
    // The button indexes of the actions.
    enum Action { MoveFirst, MovePrevious, MoveNext, MoveLast, New, Change, Save, Delete, Undo };

    explicit RecordNavigator(MessageService& messages, QObject* parent = nullptr);

    void setView(NavigatorView* view) { m_view = view; }
    void setDAOCtl(DataControl* control);
    void setDBName(const QString& path) { m_dbName = path; }
    void setRecordSource(const DataSource& source) { m_recordSource = source; }
    void setIDField(const QString& field) { m_idField = field; }
    QString IDField() const { return m_idField; }
    // The fields that name a record to the user ("S, Socialdemokraterna") in the
    // question before it is deleted.
    void setCaptionFields(const QStringList& fields) { m_captionFields = fields; }
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
    // The current id as text, whatever its kind; empty before the kind is known.
    QString currentIdText() const;
    // Makes the record with this id (as text) current, whatever the id's kind.
    void goToIdText(const QString& id);

    // Performs the action of button `Index` (0 to 8); the first call opens the data control.
    void StartDBC(int Index);
    // True when no change or addition is pending. Otherwise the user is asked to save
    // or undo it first ("Avbryt" keeps it pending): true once that is done.
    bool EndDBC();
    // How EndDBC saves or undoes: as the window's own button would (a panel that shows
    // or hides fields around an action); by default StartDBC.
    void setActionRunner(std::function<void(int)> run) { m_runAction = std::move(run); }
    bool FindIDN(qint32 xID);
    bool FindIDA(const QString& xID);
    void navigateButtons(NavButtons enabled);

    // A change or an addition is waiting for "Spara" or "Ångra".
    bool isPending() const;
    // The buttons as last shown.
    NavButtons buttons() const { return m_buttons; }
    // The buttons enabled in a situation.
    static NavButtons patternFor(int recordCount, int position, bool pending);

private:
    Recordset& rs() const;
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
    void setLabel(const QString& text);
    void reportError(int number, const QString& description);
    QString currentCaption();
    template <typename Body> bool guarded(Body body);

    MessageService& m_messages;
    NavigatorView* m_view = nullptr;
    QPointer<DataControl> m_ctl;
    QString m_dbName;
    DataSource m_recordSource;
    QString m_idField;
    QStringList m_captionFields;
    std::function<void(int)> m_runAction;
    qint16 m_nyttIDLngd = 4;
    QString m_nyttIDTyp = QStringLiteral("A");
    NavButtons m_buttons;

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
