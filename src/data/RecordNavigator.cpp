#include "data/RecordNavigator.h"

#include "data/DataControl.h"
#include "data/DbError.h"
#include "data/HmtaNyttID.h"
#include "data/NavigatorView.h"
#include "shell/AppInfo.h"
#include "shell/MessageService.h"

#include <QCoreApplication>
#include <exception>

namespace {
const QString crlf = QStringLiteral("\r\n");

// Up to this many records a record is found again by walking from the first one; above
// it, by a search.
const int walkLimit = 10;

QString executableName()
{
    return QCoreApplication::applicationName();
}

QString versionTitle()
{
    return AppInfo::productName() + QStringLiteral(" Version ") + AppInfo::version();
}
} // namespace

RecordNavigator::RecordNavigator(MessageService& messages, QObject* parent)
    : QObject(parent), m_messages(messages)
{
}

void RecordNavigator::setDAOCtl(DataControl* control)
{
    m_ctl = control;
    if (control)
        control->setRecordsetType(1);
}

void RecordNavigator::setNyttIDLngd(qint16 length)
{
    if (length < 1 || length > 10) {
        m_messages.msgBox(QStringLiteral("Värdet får bara vara mellan 1-10"), MessageService::Ok,
                          MessageService::NoIcon, AppInfo::appNamn());
        length = 4;
    }
    m_nyttIDLngd = length;
}

void RecordNavigator::setNyttIDTyp(const QString& kind)
{
    if (kind != QLatin1String("A") && kind != QLatin1String("N") && kind != QLatin1String("E")) {
        m_messages.msgBox(QStringLiteral("Värdet får bara vara 'A', 'N' eller 'E'"),
                          MessageService::Ok, MessageService::NoIcon, AppInfo::appNamn());
        m_nyttIDTyp = QStringLiteral("A");
        return;
    }
    m_nyttIDTyp = kind;
}

// ---- Properties of the current id ----

QString RecordNavigator::AktIDA()
{
    if (m_idKind != IdText) {
        m_messages.msgBox(QStringLiteral("Denna property kan inte användas") + crlf +
                              QStringLiteral("eftersom ID-fältet inte är String.") + crlf +
                              QStringLiteral("Försök med property 'AktIDN' i stället"),
                          MessageService::Ok, MessageService::NoIcon, AppInfo::appNamn());
        return QString();
    }
    return m_aktIDA;
}

void RecordNavigator::setAktIDA(const QString& id)
{
    if (m_idKind != IdText) {
        AktIDA(); // the same message as a read
        return;
    }
    m_aktIDA = id;
    if (m_ctl)
        guarded([this] { goBackToCurrentId(); });
}

qint32 RecordNavigator::AktIDN()
{
    if (m_idKind != IdNumeric) {
        m_messages.msgBox(QStringLiteral("Denna property kan inte användas") + crlf +
                              QStringLiteral("eftersom ID-fältet inte är Long.") + crlf +
                              QStringLiteral("Försök med property 'AktIDA' i stället"),
                          MessageService::Ok, MessageService::NoIcon, AppInfo::appNamn());
        return 0;
    }
    return m_aktIDN;
}

void RecordNavigator::setAktIDN(qint32 id)
{
    if (m_idKind != IdNumeric) {
        AktIDN();
        return;
    }
    m_aktIDN = id;
    if (m_ctl)
        guarded([this] { goBackToCurrentId(); });
}

QString RecordNavigator::currentIdText() const
{
    if (m_idKind == IdNumeric)
        return QString::number(m_aktIDN);
    return m_idKind == IdText ? m_aktIDA : QString();
}

void RecordNavigator::goToIdText(const QString& id)
{
    if (m_idKind == IdNumeric)
        setAktIDN(id.trimmed().toInt());
    else if (m_idKind == IdText)
        setAktIDA(id);
}

// ---- Error handling ----

template <typename Body> bool RecordNavigator::guarded(Body body)
{
    try {
        body();
        return true;
    } catch (const DbError& e) {
        reportError(e.Number(), e.Description());
    } catch (const std::exception& e) {
        reportError(0, QString::fromUtf8(e.what()));
    }
    return false;
}

void RecordNavigator::reportError(int number, const QString& description)
{
    const QString head = QStringLiteral("Fel nummer: ") + QString::number(number) + crlf;
    if (number == DbError::RelatedRecordsExist || number == DbError::DuplicateKey) {
        // The two refusals a user causes and can mend: said plainly.
        m_messages.msgBox(head + description, MessageService::Ok, MessageService::NoIcon,
                          AppInfo::appNamn());
        return;
    }
    m_messages.msgBox(head + QStringLiteral("Högsta ID= Num (") + QString::number(m_highestN) +
                          QStringLiteral(") / Alphanum (") + m_highestA + QStringLiteral(")") +
                          crlf + QStringLiteral("Aktuellt ID= Num (") + QString::number(m_aktIDN) +
                          QStringLiteral(") / Alphanum (") + m_aktIDA + QStringLiteral(")") + crlf +
                          description,
                      MessageService::Ok, MessageService::Exclamation, versionTitle());
}

// ---- Actions ----

Recordset& RecordNavigator::rs() const
{
    return m_ctl->Recordset();
}

bool RecordNavigator::isPending() const
{
    return m_ctl && rs().EditMode() != Recordset::dbEditNone;
}

void RecordNavigator::StartDBC(int Index)
{
    guarded([this, Index] {
        if ((!m_opened || !m_ctl) && !open())
            return;
        act(Index);
    });
}

bool RecordNavigator::open()
{
    if (!m_ctl) {
        m_messages.msgBox(QStringLiteral("'DBName'-property är inte korrekt"), MessageService::Ok,
                          MessageService::NoIcon, AppInfo::appNamn());
        return false;
    }
    m_ctl->setDatabaseName(m_dbName);
    m_ctl->setRecordSource(m_recordSource);
    m_ctl->Refresh();
    m_recordCount = rs().RecordCount();

    // The id's kind comes from the table's definition, not from a record, so that the
    // first "Ny" in an empty table works as every later one.
    const int column = rs().fieldIndex(m_idField);
    if (column >= 0) {
        const int type = rs().fieldType(column);
        if (type >= Recordset::dbInteger && type <= Recordset::dbDouble) {
            m_idKind = IdNumeric;
        } else if (type == Recordset::dbText) {
            m_idKind = IdText;
        } else {
            m_messages.msgBox(QStringLiteral("'IDField' är varken Long eller String") +
                                  QStringLiteral("'IDField' är: ") + QString::number(type),
                              MessageService::Ok, MessageService::Critical, executableName());
        }
    }

    m_opened = true;
    if (m_idKind == IdUnknown) {
        m_messages.msgBox(QStringLiteral("'ID Fält' är inte definierat"), MessageService::Ok,
                          MessageService::NoIcon, AppInfo::appNamn());
        return false;
    }
    scanHighestId();
    return true;
}

void RecordNavigator::scanHighestId()
{
    // Read row by row without moving, so the scan raises no events in the window; the
    // first record stays current.
    const int column = rs().fieldIndex(m_idField);
    bool currentMet = false;
    if (m_idKind == IdNumeric) {
        qint32 highest = 0;
        for (int row = 0; row < rs().RecordCount(); ++row) {
            const QVariant v = rs().valueAt(row, column);
            if (!v.isValid())
                continue;
            highest = qMax(highest, qint32(v.toLongLong()));
            currentMet = currentMet || qint32(v.toLongLong()) == m_aktIDN;
        }
        m_highestN = highest;
        m_previousHighestN = highest;
        if (!currentMet)
            m_aktIDN = highest;
    } else {
        QString highest = QStringLiteral(" ");
        for (int row = 0; row < rs().RecordCount(); ++row) {
            const QVariant v = rs().valueAt(row, column);
            if (!v.isValid())
                continue;
            const QString id = v.toString();
            if (id > highest)
                highest = id;
            currentMet = currentMet || id == m_aktIDA;
        }
        m_highestA = highest;
        m_previousHighestA = highest;
        if (!currentMet)
            m_aktIDA = highest;
    }
}

void RecordNavigator::act(int index)
{
    switch (index) {
    case 0:
    case 1:
    case 2:
    case 3:
        moveAction(index);
        break;
    case 4:
        addAction();
        break;
    case 5:
        changeAction();
        break;
    case 6:
        saveAction();
        break;
    case 7:
        deleteAction();
        break;
    case 8:
        undoAction();
        break;
    default:
        break;
    }
}

void RecordNavigator::moveAction(int index)
{
    // Over an empty result set there is nowhere to go; the window still calls "|<<" when
    // it opens, so that must not be an error.
    if (rs().RecordCount() > 0) {
        switch (index) {
        case 0:
            rs().MoveFirst();
            break;
        case 1:
            rs().MovePrevious();
            if (rs().Bof())
                rs().MoveFirst();
            break;
        case 2:
            rs().MoveNext();
            if (rs().Eof())
                rs().MoveLast();
            break;
        default:
            rs().MoveLast();
            break;
        }
        takeCurrentId();
    }
    refreshState();
}

void RecordNavigator::addAction()
{
    if (isPending())
        return;
    m_savedPosition.reset();
    if (m_recordCount > 0 && rs().AbsolutePosition() >= 0)
        m_savedPosition = rs().Bookmark();
    rs().AddNew();
    m_previousHighestN = m_highestN;
    m_previousHighestA = m_highestA;
    if (m_idKind == IdNumeric) {
        const qint32 id = m_highestN + 1;
        m_highestN = id;
        rs().Fields(m_idField).setValue(id);
        m_aktIDN = id;
    } else if (m_nyttIDTyp != QLatin1String("E")) {
        const QString id = HmtaNyttID(m_messages, m_highestA, m_nyttIDLngd, m_nyttIDTyp);
        m_highestA = id;
        rs().Fields(m_idField).setValue(id);
        m_aktIDA = id;
    }
    refreshState();
    setLabel(QStringLiteral("Lägger till ny rad"));
}

void RecordNavigator::changeAction()
{
    if (isPending())
        return;
    m_savedPosition = rs().Bookmark();
    rs().Edit();
    refreshState();
    setLabel(QStringLiteral("Ändring"));
}

void RecordNavigator::saveAction()
{
    if (isPending()) {
        const bool adding = rs().EditMode() == Recordset::dbEditAdd;
        rs().Update();
        if (isPending())
            return; // the window's validation refused the record: it stays as typed
        m_recordCount = rs().RecordCount();
        if (adding)
            rs().MoveLast();
        else
            rs().Reread();
        refreshState(true);
    } else if (rs().AbsolutePosition() >= 0) {
        rs().Reread();
    }
    if (rs().AbsolutePosition() >= 0)
        takeCurrentId();
    m_ctl->Refresh();
    m_recordCount = rs().RecordCount();
    refreshState(true);
    goBackToCurrentId();
}

void RecordNavigator::deleteAction()
{
    // Default on "Nej": a slip of the Enter key must not delete a party.
    const QString caption = currentCaption();
    const MessageService::Answer answer = m_messages.msgBox(
        caption.isEmpty() ? QStringLiteral("Vill du fullfölja borttaget av raden?")
                          : QStringLiteral("Vill du fullfölja borttaget av raden ") + caption +
                                QStringLiteral("?"),
        MessageService::YesNo, MessageService::Question, AppInfo::appNamn(),
        MessageService::SecondButton);
    if (answer == MessageService::AnswerYes) {
        const bool wasFirst = rs().AbsolutePosition() <= 0;
        rs().Delete();
        m_recordCount = rs().RecordCount();
        if (m_recordCount > 0) {
            if (wasFirst)
                rs().MoveFirst();
            else
                rs().MovePrevious();
            takeCurrentId();
        } else {
            clearCurrentId();
        }
    }
    m_ctl->Refresh();
    m_recordCount = rs().RecordCount();
    refreshState();
    goBackToCurrentId();
}

void RecordNavigator::undoAction()
{
    bool droppedAddition = false;
    if (isPending()) {
        droppedAddition = rs().EditMode() == Recordset::dbEditAdd;
        rs().CancelUpdate();
        if (m_savedPosition)
            rs().setBookmark(*m_savedPosition);
    } else if (rs().AbsolutePosition() >= 0) {
        rs().Reread();
    }
    if (rs().AbsolutePosition() >= 0)
        takeCurrentId();
    else if (m_recordCount == 0)
        clearCurrentId();
    refreshState(true);
    // Only an abandoned addition gives its id back. Undoing a change must keep the
    // highest id: it may belong to a record added and saved since, and handing it out
    // again would make the next addition a duplicate.
    if (droppedAddition) {
        m_highestN = m_previousHighestN;
        m_highestA = m_previousHighestA;
    }
}

// ---- The current id ----

void RecordNavigator::takeCurrentId()
{
    const QVariant v = rs().Fields(m_idField).Value();
    if (m_idKind == IdNumeric)
        m_aktIDN = v.isValid() ? qint32(v.toLongLong()) : 0;
    else if (m_idKind == IdText)
        m_aktIDA = v.isValid() ? v.toString() : QString();
}

void RecordNavigator::clearCurrentId()
{
    if (m_idKind == IdNumeric)
        m_aktIDN = 0;
    else
        m_aktIDA = QStringLiteral(" ");
}

QVariant RecordNavigator::currentIdValue() const
{
    return m_idKind == IdNumeric ? QVariant(m_aktIDN) : QVariant(m_aktIDA);
}

bool RecordNavigator::currentIdMatches(const QVariant& value) const
{
    if (!value.isValid())
        return false;
    if (m_idKind == IdNumeric)
        return qint32(value.toLongLong()) == m_aktIDN;
    // Party codes are unique without regard to case, as the search finds them.
    return value.toString().compare(m_aktIDA, Qt::CaseInsensitive) == 0;
}

void RecordNavigator::goBackToCurrentId()
{
    const int count = rs().RecordCount();
    if (count > walkLimit) {
        rs().FindFirst(m_idField, currentIdValue());
        if (rs().NoMatch())
            rs().MoveFirst();
        takeCurrentId();
    } else if (count > 0) {
        rs().MoveFirst();
        while (!rs().Eof() && !currentIdMatches(rs().Fields(m_idField).Value()))
            rs().MoveNext();
        if (rs().Eof())
            rs().MoveFirst();
        takeCurrentId();
    } else {
        clearCurrentId();
    }
    refreshState();
}

bool RecordNavigator::FindIDN(qint32 xID)
{
    return find(QVariant(xID), QString::number(xID));
}

bool RecordNavigator::FindIDA(const QString& xID)
{
    return find(QVariant(xID), xID);
}

bool RecordNavigator::find(const QVariant& id, const QString& shown)
{
    bool found = false;
    guarded([&] {
        if ((!m_opened || !m_ctl) && !open())
            return;
        rs().FindFirst(m_idField, id);
        if (rs().NoMatch()) {
            m_messages.msgBox(m_idField + QStringLiteral(" = ") + shown + QStringLiteral(" saknas"),
                              MessageService::Ok, MessageService::NoIcon, AppInfo::appNamn());
            return;
        }
        // The found record is the current one from now on, for save, delete and undo.
        takeCurrentId();
        refreshState();
        found = true;
    });
    return found;
}

bool RecordNavigator::EndDBC()
{
    if (isPending()) {
        // "Avbryt" is the default: Enter changes nothing the user has not chosen.
        const MessageService::Answer answer =
            m_messages.msgBox(QStringLiteral("Du måste avsluta den påbörjade förändringen") +
                                  QStringLiteral("\r\nSpara eller ångra den?"),
                              MessageService::SaveUndoCancel, MessageService::Information,
                              executableName(), MessageService::ThirdButton);
        const int action = answer == MessageService::AnswerYes  ? Save
                           : answer == MessageService::AnswerNo ? Undo
                                                                : -1;
        // A refusal of the window's check keeps the change pending.
        if (action >= 0 && m_runAction)
            m_runAction(action);
        else if (action >= 0)
            StartDBC(action);
        return !isPending();
    }
    return true;
}

QString RecordNavigator::currentCaption()
{
    QStringList parts;
    guarded([&] {
        if (!m_ctl || m_recordCount == 0 || rs().AbsolutePosition() < 0)
            return;
        for (const QString& field : m_captionFields) {
            const QString text = rs().Fields(field).Value().toString().trimmed();
            if (!text.isEmpty())
                parts.append(text);
        }
    });
    return parts.join(QStringLiteral(", "));
}

// ---- The state display ----

NavButtons RecordNavigator::patternFor(int recordCount, int position, bool isPending)
{
    using B = NavButtons;
    if (isPending)
        return {B::Save, B::Undo};
    if (recordCount <= 0)
        return {B::New};
    if (recordCount == 1)
        return {B::New, B::Change, B::Delete};
    if (position <= 0)
        return {B::Next, B::Last, B::New, B::Change, B::Delete};
    if (position >= recordCount - 1)
        return {B::First, B::Previous, B::New, B::Change, B::Delete};
    return {B::First, B::Previous, B::Next, B::Last, B::New, B::Change, B::Delete};
}

void RecordNavigator::refreshState(std::optional<bool> lock)
{
    const int count = rs().RecordCount();
    const int position = rs().AbsolutePosition();
    if (!isPending()) {
        // Past the end counts as the last record, before the start as the first.
        const int shownPosition = rs().Eof() && count > 0 ? count - 1 : position;
        navigateButtons(patternFor(count, shownPosition, false));
        if (lock && m_view)
            m_view->lockEntries(*lock);
    } else {
        if (m_view)
            m_view->lockEntries(false);
        navigateButtons(patternFor(count, position, true));
    }
    // An empty set gives a bar at 0 of 1, not the busy bar of a maximum of 0.
    if (m_view)
        m_view->showProgress(qBound(0, position + 1, qMax(count, 1)), qMax(count, 1));
    setLabel(QStringLiteral("%1 (%2)").arg(position + 1).arg(count));
}

void RecordNavigator::navigateButtons(NavButtons enabled)
{
    // No events are let through here: an action runs to its end before the next click.
    m_buttons = enabled;
    if (m_view)
        m_view->enableButtons(enabled);
}

void RecordNavigator::setLabel(const QString& text)
{
    if (m_view)
        m_view->showPosition(text);
}
