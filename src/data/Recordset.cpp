#include "data/Recordset.h"

#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "data/RecordsetListener.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <limits>

namespace {

QString quoted(const QString& identifier)
{
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

int typeOfDeclaration(const QString& declared)
{
    const QString upper = declared.toUpper();
    if (upper.contains(QLatin1String("SMALLINT")))
        return Recordset::dbInteger;
    if (upper.contains(QLatin1String("INT")))
        return Recordset::dbLong;
    if (upper.contains(QLatin1String("CURRENCY")) || upper.contains(QLatin1String("MONEY")))
        return Recordset::dbCurrency;
    if (upper.contains(QLatin1String("REAL")) || upper.contains(QLatin1String("FLOA")) ||
        upper.contains(QLatin1String("DOUB")))
        return Recordset::dbDouble;
    return Recordset::dbText;
}

int maxLengthOfDeclaration(const QString& declared)
{
    static const QRegularExpression size(QStringLiteral("CHAR\\s*\\(\\s*(\\d+)\\s*\\)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = size.match(declared);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

bool isNumericType(int type)
{
    return type >= Recordset::dbInteger && type <= Recordset::dbDouble;
}

bool sameValue(const QVariant& a, const QVariant& b)
{
    if (!a.isValid() || !b.isValid())
        return a.isValid() == b.isValid();
    if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
        return a.toString() == b.toString();
    return a == b;
}

DbError noCurrentRecord()
{
    return DbError(DbError::NoCurrentRecord, QStringLiteral("Det finns ingen aktuell post."));
}

} // namespace

Recordset::Recordset() = default;

Recordset::~Recordset() = default;

void Recordset::open(std::shared_ptr<ElectionDatabase> database, const QString& source)
{
    close();
    const QString trimmed = source.trimmed();
    static const QRegularExpression bareName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    static const QRegularExpression simpleSelect(
        QStringLiteral("^SELECT\\s+(.+?)\\s+FROM\\s+([A-Za-z_][A-Za-z0-9_]*)"
                       "(\\s+(WHERE|ORDER)\\b.*)?$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);

    QString sql = source;
    QString table;
    bool plainColumns = false;
    if (bareName.match(trimmed).hasMatch()) {
        table = trimmed;
        sql = QStringLiteral("SELECT * FROM ") + quoted(trimmed);
        plainColumns = true;
    } else if (const QRegularExpressionMatch m = simpleSelect.match(trimmed); m.hasMatch()) {
        table = m.captured(2);
        const QString columns = m.captured(1);
        // Expressions, aliases and DISTINCT make fields that cannot be written back.
        static const QRegularExpression complex(QStringLiteral("[()]|\\bAS\\b|\\bDISTINCT\\b|\\*"),
                                                QRegularExpression::CaseInsensitiveOption);
        plainColumns = !complex.match(columns).hasMatch();
    }

    QSqlQuery q(database->database());
    q.setForwardOnly(true);
    if (!q.exec(sql))
        throw DbError(DbError::EngineFailure, QStringLiteral("Frågan kunde inte köras: %1\n%2")
                                                  .arg(q.lastError().databaseText(), source));

    const QSqlRecord record = q.record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i));

    // What the base table says about each column: type, size, default and key.
    struct ColumnInfo
    {
        int type = dbText;
        int maxLength = 0;
        QVariant defaultValue;
        bool key = false;
    };
    QHash<QString, ColumnInfo> tableColumns;
    if (!table.isEmpty()) {
        QSqlQuery info(database->database());
        info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table)));
        while (info.next()) {
            ColumnInfo c;
            const QString declared = info.value(2).toString();
            c.type = typeOfDeclaration(declared);
            c.maxLength = maxLengthOfDeclaration(declared);
            QString dflt = info.value(4).toString().trimmed();
            if (dflt.size() >= 2 && dflt.startsWith(QLatin1Char('\'')) &&
                dflt.endsWith(QLatin1Char('\'')))
                dflt = dflt.mid(1, dflt.size() - 2);
            if (!info.value(4).isNull())
                c.defaultValue = dflt;
            c.key = info.value(5).toInt() > 0;
            tableColumns.insert(info.value(1).toString().toLower(), c);
        }
    }

    m_names = names;
    m_types.fill(dbText, names.size());
    m_maxLengths.fill(0, names.size());
    m_defaults.fill(QVariant(), names.size());
    bool allInTable = !tableColumns.isEmpty();
    for (int i = 0; i < names.size(); ++i) {
        const auto it = tableColumns.constFind(names[i].toLower());
        if (it == tableColumns.constEnd()) {
            allInTable = false;
            continue;
        }
        m_types[i] = it->type;
        m_maxLengths[i] = it->maxLength;
        if (it->key)
            m_keyColumns.append(i);
    }
    int keysInTable = 0;
    for (const ColumnInfo& c : tableColumns)
        keysInTable += c.key ? 1 : 0;
    m_updatable =
        plainColumns && allInTable && keysInTable > 0 && m_keyColumns.size() == keysInTable;
    m_table = table;
    m_source = source;
    m_database = std::move(database);

    for (int i = 0; i < names.size(); ++i) {
        const auto it = tableColumns.constFind(names[i].toLower());
        if (it != tableColumns.constEnd() && it->defaultValue.isValid()) {
            try {
                m_defaults[i] = convert(i, it->defaultValue);
            } catch (const DbError&) {
                // A default that does not fit its own field is left out; the file still
                // applies it when the record is stored.
            }
        }
    }

    while (q.next()) {
        Row row;
        row.mark = m_nextMark++;
        row.values.reserve(names.size());
        for (int i = 0; i < names.size(); ++i) {
            const QVariant v = q.value(i);
            if (v.isNull()) {
                row.values.append(QVariant());
                continue;
            }
            try {
                row.values.append(convert(i, v));
            } catch (const DbError&) {
                row.values.append(v); // shown as stored, even if it breaks the field's type
            }
        }
        m_rows.append(row);
    }
    m_pos = m_rows.isEmpty() ? -1 : 0;
    notifyContent();
    notifyReposition();
}

void Recordset::close()
{
    m_database.reset();
    m_source.clear();
    m_table.clear();
    m_updatable = false;
    m_names.clear();
    m_types.clear();
    m_maxLengths.clear();
    m_defaults.clear();
    m_keyColumns.clear();
    m_rows.clear();
    m_pos = -1;
    m_currentDeleted = false;
    m_noMatch = false;
    m_editMode = dbEditNone;
    m_buffer.clear();
    m_posBeforeAdd = -1;
    m_deletedBeforeAdd = false;
}

bool Recordset::hasCurrent() const
{
    return !m_currentDeleted && m_pos >= 0 && m_pos < m_rows.size();
}

void Recordset::requireCurrent() const
{
    if (m_currentDeleted && m_database)
        throw DbError(DbError::RecordDeleted, QStringLiteral("Posten är borttagen."));
    if (!hasCurrent())
        throw noCurrentRecord();
}

void Recordset::requireUpdatable() const
{
    if (!m_database || !m_updatable)
        throw DbError(DbError::ReadOnly,
                      QStringLiteral("Det går inte att uppdatera. Databasen eller objektet är "
                                     "skrivskyddat."));
}

bool Recordset::Eof() const
{
    return m_rows.isEmpty() || (!m_currentDeleted && m_pos >= m_rows.size());
}

bool Recordset::Bof() const
{
    return m_rows.isEmpty() || (!m_currentDeleted && m_pos < 0);
}

int Recordset::AbsolutePosition() const
{
    return hasCurrent() ? m_pos : -1;
}

bool Recordset::leave(int action)
{
    RecordsetListener::Verdict verdict;
    if (m_listener)
        verdict = m_listener->beforeLeave(action);
    if (!verdict.proceed)
        return false;
    if (m_editMode != dbEditNone && action != ActionUpdate) {
        if (verdict.save)
            writePending();
        else
            dropPending();
    }
    return true;
}

void Recordset::dropPending()
{
    if (m_editMode == dbEditAdd) {
        m_pos = m_posBeforeAdd;
        m_currentDeleted = m_deletedBeforeAdd;
    }
    m_editMode = dbEditNone;
    m_buffer.clear();
}

void Recordset::MoveFirst()
{
    if (!leave(ActionMoveFirst))
        return;
    if (m_rows.isEmpty())
        throw noCurrentRecord();
    m_pos = 0;
    m_currentDeleted = false;
    notifyReposition();
}

void Recordset::MoveLast()
{
    if (!leave(ActionMoveLast))
        return;
    if (m_rows.isEmpty())
        throw noCurrentRecord();
    m_pos = m_rows.size() - 1;
    m_currentDeleted = false;
    notifyReposition();
}

void Recordset::MoveNext()
{
    if (Eof())
        throw noCurrentRecord();
    if (!leave(ActionMoveNext))
        return;
    if (m_currentDeleted)
        m_currentDeleted = false; // the row after the deleted one already sits at m_pos
    else
        ++m_pos;
    m_pos = qMin(m_pos, int(m_rows.size()));
    notifyReposition();
}

void Recordset::MovePrevious()
{
    if (Bof())
        throw noCurrentRecord();
    if (!leave(ActionMovePrevious))
        return;
    m_currentDeleted = false;
    m_pos = qMax(m_pos - 1, -1);
    notifyReposition();
}

void Recordset::Move(int rows)
{
    if (rows == 0) {
        // Re-read: whatever was pending is dropped, the record shows as stored.
        if (m_editMode == dbEditAdd)
            dropPending();
        requireCurrent();
        dropPending();
        notifyReposition();
        return;
    }
    if ((rows > 0 && Eof()) || (rows < 0 && Bof()))
        throw noCurrentRecord();
    if (!leave(rows > 0 ? ActionMoveNext : ActionMovePrevious))
        return;
    int target = m_pos + rows;
    if (m_currentDeleted && rows > 0)
        target -= 1;
    m_currentDeleted = false;
    m_pos = qBound(-1, target, int(m_rows.size()));
    notifyReposition();
}

Recordset::BookmarkValue Recordset::Bookmark() const
{
    requireCurrent();
    return m_rows[m_pos].mark;
}

void Recordset::setBookmark(BookmarkValue mark)
{
    int index = -1;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].mark == mark) {
            index = i;
            break;
        }
    }
    if (index < 0)
        throw DbError(DbError::InvalidBookmark, QStringLiteral("Inte ett giltigt bokmärke."));
    if (!leave(ActionBookmark))
        return;
    // Leaving may have stored a pending record, which never moves existing rows.
    m_pos = index;
    m_currentDeleted = false;
    notifyReposition();
}

void Recordset::FindFirst(const QString& field, const QVariant& value)
{
    const int column = fieldIndex(field);
    if (column < 0)
        throw DbError(DbError::ItemNotFound,
                      QStringLiteral("Objektet finns inte i samlingen: '%1'.").arg(field));
    if (!leave(ActionFind))
        return;
    QVariant wanted;
    try {
        wanted = convert(column, value);
    } catch (const DbError&) {
        wanted = QVariant(); // a text sought in a number field matches nothing
    }
    m_noMatch = true;
    if (!wanted.isValid())
        return;
    for (int i = 0; i < m_rows.size(); ++i) {
        const QVariant& have = m_rows[i].values[column];
        if (!have.isValid())
            continue;
        const bool equal =
            m_types[column] == dbText
                ? have.toString().compare(wanted.toString(), Qt::CaseInsensitive) == 0
                : have == wanted;
        if (equal) {
            m_noMatch = false;
            m_pos = i;
            m_currentDeleted = false;
            notifyReposition();
            return;
        }
    }
}

void Recordset::AddNew()
{
    requireUpdatable();
    if (!leave(ActionAddNew))
        return;
    m_posBeforeAdd = m_pos;
    m_deletedBeforeAdd = m_currentDeleted;
    m_buffer = m_defaults;
    m_editMode = dbEditAdd;
    notifyReposition();
}

void Recordset::Edit()
{
    requireUpdatable();
    if (m_editMode == dbEditAdd)
        dropPending();
    requireCurrent();
    m_buffer = m_rows[m_pos].values;
    m_editMode = dbEditInProgress;
}

void Recordset::Update()
{
    if (m_editMode == dbEditNone)
        throw DbError(DbError::UpdateWithoutEdit,
                      QStringLiteral("Update eller CancelUpdate utan AddNew eller Edit."));
    if (m_listener && !m_listener->beforeLeave(ActionUpdate).proceed)
        return; // refused by the window: the change stays pending
    writePending();
}

void Recordset::CancelUpdate()
{
    if (m_editMode == dbEditNone)
        throw DbError(DbError::UpdateWithoutEdit,
                      QStringLiteral("Update eller CancelUpdate utan AddNew eller Edit."));
    dropPending();
    notifyReposition();
}

void Recordset::Delete()
{
    requireUpdatable();
    if (m_editMode == dbEditAdd)
        dropPending();
    requireCurrent();
    if (!leave(ActionDelete))
        return;
    requireCurrent();

    QStringList where;
    QVariantList values;
    for (int column : m_keyColumns) {
        where.append(quoted(m_names[column]) + QStringLiteral(" = ?"));
        values.append(m_rows[m_pos].values[column]);
    }
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE %2")
                            .arg(quoted(m_table), where.join(QStringLiteral(" AND ")));
    const ElectionDatabase::WriteResult result =
        m_database->write(m_table, ElectionDatabase::Delete, sql, values);
    if (result.rowsAffected == 0)
        throw DbError(DbError::RecordDeleted, QStringLiteral("Posten är borttagen."));
    m_rows.removeAt(m_pos);
    m_currentDeleted = true;
    notifyContent();
}

void Recordset::writePending()
{
    if (m_editMode == dbEditAdd) {
        QStringList columns;
        QStringList marks;
        QVariantList values;
        for (int i = 0; i < m_names.size(); ++i) {
            if (!m_buffer[i].isValid())
                continue;
            columns.append(quoted(m_names[i]));
            marks.append(QStringLiteral("?"));
            values.append(m_buffer[i]);
        }
        const QString sql =
            columns.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(m_table))
                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(quoted(m_table), columns.join(QStringLiteral(", ")),
                                         marks.join(QStringLiteral(", ")));
        const ElectionDatabase::WriteResult result =
            m_database->write(m_table, ElectionDatabase::Insert, sql, values);
        Row row;
        row.mark = m_nextMark++;
        row.values = reread({QStringLiteral("rowid")}, {result.lastInsertId});
        if (row.values.isEmpty())
            row.values = m_buffer;
        m_rows.append(row);
        m_editMode = dbEditNone;
        m_buffer.clear();
        m_pos = m_posBeforeAdd;
        m_currentDeleted = m_deletedBeforeAdd;
        notifyContent();
        notifyReposition();
        return;
    }

    // A change of an existing record: only the fields that differ are written.
    const Row& stored = m_rows[m_pos];
    QStringList assignments;
    QVariantList values;
    for (int i = 0; i < m_names.size(); ++i) {
        if (sameValue(m_buffer[i], stored.values[i]))
            continue;
        assignments.append(quoted(m_names[i]) + QStringLiteral(" = ?"));
        values.append(m_buffer[i]);
    }
    if (!assignments.isEmpty()) {
        QStringList where;
        QStringList keyNames;
        QVariantList newKey;
        for (int column : m_keyColumns) {
            where.append(quoted(m_names[column]) + QStringLiteral(" = ?"));
            values.append(stored.values[column]);
            keyNames.append(m_names[column]);
            newKey.append(m_buffer[column]);
        }
        const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                .arg(quoted(m_table), assignments.join(QStringLiteral(", ")),
                                     where.join(QStringLiteral(" AND ")));
        const ElectionDatabase::WriteResult result =
            m_database->write(m_table, ElectionDatabase::Update, sql, values);
        if (result.rowsAffected == 0)
            throw DbError(DbError::RecordDeleted, QStringLiteral("Posten är borttagen."));
        const QVector<QVariant> fresh = reread(keyNames, newKey);
        m_rows[m_pos].values = fresh.isEmpty() ? m_buffer : fresh;
        m_editMode = dbEditNone;
        m_buffer.clear();
        notifyContent();
        notifyReposition();
        return;
    }
    m_editMode = dbEditNone;
    m_buffer.clear();
    notifyReposition();
}

QVector<QVariant> Recordset::reread(const QStringList& whereColumns,
                                    const QVariantList& whereValues) const
{
    QStringList columns;
    for (const QString& name : m_names)
        columns.append(quoted(name));
    QStringList where;
    for (const QString& name : whereColumns)
        where.append(quoted(name) + QStringLiteral(" = ?"));
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3")
                  .arg(columns.join(QStringLiteral(", ")), quoted(m_table),
                       where.join(QStringLiteral(" AND "))));
    for (const QVariant& v : whereValues)
        q.addBindValue(v);
    QVector<QVariant> values;
    if (!q.exec() || !q.next())
        return values;
    for (int i = 0; i < m_names.size(); ++i) {
        const QVariant v = q.value(i);
        if (v.isNull()) {
            values.append(QVariant());
            continue;
        }
        try {
            values.append(convert(i, v));
        } catch (const DbError&) {
            values.append(v);
        }
    }
    return values;
}

QVariant Recordset::convert(int column, const QVariant& value) const
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    const int type = m_types[column];
    const bool isText = value.typeId() == QMetaType::QString;
    if (!isNumericType(type)) {
        const QString text = value.toString();
        if (text.isEmpty())
            return QVariant();
        if (m_maxLengths[column] > 0 && text.size() > m_maxLengths[column])
            throw DbError(DbError::FieldTooSmall,
                          QStringLiteral("Fältet är för litet för den mängd data du försöker "
                                         "lägga till. Försök att infoga eller klistra in "
                                         "mindre data."));
        return text;
    }

    const DbError conversion(DbError::TypeConversion, QStringLiteral("Datatypkonverteringsfel."));
    double number = 0;
    if (isText) {
        QString text = value.toString().trimmed();
        if (text.isEmpty())
            return QVariant();
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        number = text.toDouble(&ok);
        if (!ok)
            throw conversion;
    } else if (value.typeId() == QMetaType::Bool) {
        number = value.toBool() ? 1 : 0;
    } else {
        bool ok = false;
        number = value.toDouble(&ok);
        if (!ok)
            throw conversion;
    }
    if (type == dbDouble || type == dbSingle || type == dbCurrency)
        return number;
    const double rounded = qRound64(number);
    const double limit = type == dbInteger ? 32767.0 : double(std::numeric_limits<int>::max());
    if (rounded > limit || rounded < -limit - 1)
        throw conversion;
    return int(rounded);
}

int Recordset::fieldIndex(const QString& name) const
{
    for (int i = 0; i < m_names.size(); ++i) {
        if (m_names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void Recordset::checkColumn(int column) const
{
    if (column < 0 || column >= m_names.size())
        throw DbError(DbError::ItemNotFound,
                      QStringLiteral("Objektet finns inte i samlingen: '%1'.").arg(column));
}

Field Recordset::Fields(const QString& name)
{
    const int column = fieldIndex(name);
    if (column < 0)
        throw DbError(DbError::ItemNotFound,
                      QStringLiteral("Objektet finns inte i samlingen: '%1'.").arg(name));
    return Field(this, column);
}

Field Recordset::Fields(int index)
{
    checkColumn(index);
    return Field(this, index);
}

QString Recordset::fieldName(int column) const
{
    checkColumn(column);
    return m_names[column];
}

int Recordset::fieldType(int column) const
{
    checkColumn(column);
    return m_types[column];
}

QVariant Recordset::valueAt(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_names.size())
        return QVariant();
    return m_rows[row].values[column];
}

QVariant Recordset::value(int column) const
{
    checkColumn(column);
    if (m_editMode != dbEditNone)
        return m_buffer[column];
    requireCurrent();
    return m_rows[m_pos].values[column];
}

void Recordset::setValue(int column, const QVariant& value)
{
    checkColumn(column);
    if (m_editMode == dbEditNone)
        throw DbError(DbError::UpdateWithoutEdit,
                      QStringLiteral("Update eller CancelUpdate utan AddNew eller Edit."));
    m_buffer[column] = convert(column, value);
    if (m_listener)
        m_listener->afterFieldSet(column);
}

void Recordset::notifyReposition()
{
    if (m_listener)
        m_listener->afterReposition();
}

void Recordset::notifyContent()
{
    if (m_listener)
        m_listener->afterContentChanged();
}
