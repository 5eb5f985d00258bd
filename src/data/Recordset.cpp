#include "data/Recordset.h"

#include "data/DbError.h"
#include "data/DbErrorText.h"
#include "data/ElectionDatabase.h"
#include "data/FieldValue.h"
#include "data/RecordsetListener.h"
#include "data/TableSchema.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QString quoted(const QString& identifier)
{
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

DbError noCurrentRecord()
{
    return DbError(DbError::NoCurrentRecord, QStringLiteral("Det finns ingen aktuell post."));
}

} // namespace

Recordset::Recordset() = default;

Recordset::~Recordset() = default;

void Recordset::open(std::shared_ptr<ElectionDatabase> database, const DataSource& source)
{
    close();
    const QString sql = source.sql();
    QSqlQuery q(database->database());
    q.setForwardOnly(true);
    if (!q.exec(sql))
        throw DbError(DbError::EngineFailure, QStringLiteral("Frågan kunde inte köras: %1\n%2")
                                                  .arg(q.lastError().databaseText(), sql));

    const QSqlRecord record = q.record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i));

    // What the table says about each column: type, size, default and key. A query is
    // read-only; its columns are typed as the file declares them.
    const TableSchema schema = source.isTable()
                                   ? TableSchema::read(database->database(), source.tableName())
                                   : TableSchema();
    m_names = names;
    m_types.fill(dbText, names.size());
    m_maxLengths.fill(0, names.size());
    m_defaults.fill(QVariant(), names.size());
    bool allInTable = !schema.columns().isEmpty();
    for (int i = 0; i < names.size(); ++i) {
        const TableSchema::Column* column = schema.find(names[i]);
        if (!column) {
            allInTable = false;
            // A query's column: numbers where the file's declared type says so.
            const int id = record.field(i).metaType().id();
            if (id == QMetaType::Int || id == QMetaType::LongLong)
                m_types[i] = dbLong;
            else if (id == QMetaType::Double)
                m_types[i] = dbDouble;
            continue;
        }
        m_types[i] = column->type;
        m_maxLengths[i] = column->maxLength;
        if (column->key)
            m_keyColumns.append(i);
    }
    const int keysInTable = schema.keyCount();
    m_updatable =
        source.isTable() && allInTable && keysInTable > 0 && m_keyColumns.size() == keysInTable;
    m_table = source.tableName();
    m_source = source;
    m_database = std::move(database);

    for (int i = 0; i < names.size(); ++i) {
        const TableSchema::Column* column = schema.find(names[i]);
        if (column && column->defaultValue.isValid()) {
            try {
                m_defaults[i] = convert(i, column->defaultValue);
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
    m_dataVersion = dataVersion();
    notifyContent();
    notifyReposition();
}

qint64 Recordset::dataVersion() const
{
    QSqlQuery q(m_database->database());
    if (!q.exec(QStringLiteral("PRAGMA data_version")) || !q.next())
        throw DbError(
            DbError::EngineFailure,
            DbErrorText::describe(QStringLiteral("Databasen kunde inte läsas"), q.lastError()));
    return q.value(0).toLongLong();
}

bool Recordset::changedElsewhere()
{
    if (!m_database)
        return false;
    const qint64 now = dataVersion();
    if (now == m_dataVersion)
        return false; // only this connection wrote, and it keeps the rows in step
    const auto line = [](const QVector<QVariant>& values) {
        QStringList fields;
        for (const QVariant& v : values)
            fields.append(v.isNull() ? QStringLiteral("\x01") : v.toString());
        return fields.join(QLatin1Char('\t'));
    };
    QStringList held;
    for (const Row& row : std::as_const(m_rows))
        held.append(line(row.values));
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    if (!q.exec(m_source.sql()))
        throw DbError(
            DbError::EngineFailure,
            DbErrorText::describe(QStringLiteral("Databasen kunde inte läsas"), q.lastError()));
    QStringList onDisk;
    const int columns = q.record().count();
    while (q.next()) {
        QVector<QVariant> values;
        for (int i = 0; i < columns; ++i)
            values.append(q.value(i));
        onDisk.append(line(values));
    }
    held.sort();
    onDisk.sort();
    m_dataVersion = now;
    return held != onDisk;
}

void Recordset::close()
{
    m_database.reset();
    m_source = DataSource();
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

void Recordset::Reread()
{
    // Whatever was pending is dropped, the record shows as stored.
    if (m_editMode == dbEditAdd)
        dropPending();
    requireCurrent();
    dropPending();
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
        if (FieldValue::same(m_buffer[i], stored.values[i]))
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
    return FieldValue::convert(m_types[column], m_maxLengths[column], value);
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

Recordset::Field Recordset::Fields(const QString& name)
{
    const int column = fieldIndex(name);
    if (column < 0)
        throw DbError(DbError::ItemNotFound,
                      QStringLiteral("Objektet finns inte i samlingen: '%1'.").arg(name));
    return Field(this, column);
}

Recordset::Field Recordset::Fields(int index)
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

QString Recordset::Field::Name() const
{
    return m_recordset->fieldName(m_column);
}

int Recordset::Field::Type() const
{
    return m_recordset->fieldType(m_column);
}

QVariant Recordset::Field::Value() const
{
    return m_recordset->value(m_column);
}

void Recordset::Field::setValue(const QVariant& value)
{
    m_recordset->setValue(m_column, value);
}
