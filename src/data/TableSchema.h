#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

class QSqlDatabase;

// What a table of the election database declares about its columns: type, size,
// default and whether the column is part of the primary key.
class TableSchema
{
public:
    struct Column
    {
        QString name;
        int type = 0;      // FieldValue::Type
        int maxLength = 0; // 0: no limit
        QVariant defaultValue;
        bool key = false;
    };

    // The columns of the table as the file declares them (none for an unknown table).
    static TableSchema read(const QSqlDatabase& database, const QString& table);

    const QVector<Column>& columns() const { return m_columns; }
    // The column of the name, regardless of case; nullptr when there is none.
    const Column* find(const QString& name) const;
    int keyCount() const;

private:
    QVector<Column> m_columns;
};
