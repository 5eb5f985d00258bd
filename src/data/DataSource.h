#pragma once

#include <QString>
#include <QStringList>

// What a record set reads. Either a table: all or the named columns of one table in a
// given order, which the record set can write back (it includes the table's primary
// key); or a query as given, which is read-only. Which one is said, not guessed from the
// text.
//
// A plain text converts: a bare table name is that table, anything else a read-only query.
class DataSource
{
public:
    DataSource() = default;
    DataSource(const QString& text); // NOLINT: the data control's text property converts
    DataSource(const char* text) : DataSource(QString::fromUtf8(text)) {}

    // Columns empty: every column. orderBy is an ORDER BY list ("DistrNr, DistrNamn ASC").
    static DataSource table(const QString& table, const QStringList& columns = {},
                            const QString& orderBy = {});
    static DataSource query(const QString& sql);

    bool isTable() const { return !m_table.isEmpty(); }
    const QString& tableName() const { return m_table; }
    const QStringList& columns() const { return m_columns; }
    // The SELECT the record set runs.
    QString sql() const;
    // The source as a text, for messages.
    QString text() const { return sql(); }

    bool operator==(const DataSource& other) const
    {
        return m_table == other.m_table && m_columns == other.m_columns &&
               m_orderBy == other.m_orderBy && m_query == other.m_query;
    }
    bool operator!=(const DataSource& other) const { return !(*this == other); }

private:
    QString m_table;
    QStringList m_columns;
    QString m_orderBy;
    QString m_query;
};
