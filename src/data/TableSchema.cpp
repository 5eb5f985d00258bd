#include "data/TableSchema.h"

#include "data/FieldValue.h"

#include <QSqlDatabase>
#include <QSqlQuery>

TableSchema TableSchema::read(const QSqlDatabase& database, const QString& table)
{
    TableSchema schema;
    QString quotedName = table;
    quotedName.replace(QLatin1Char('"'), QLatin1String("\"\""));
    QSqlQuery info(database);
    info.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(quotedName));
    while (info.next()) {
        Column c;
        c.name = info.value(1).toString();
        const QString declared = info.value(2).toString();
        c.type = FieldValue::typeOfDeclaration(declared);
        c.maxLength = FieldValue::maxLengthOfDeclaration(declared);
        QString dflt = info.value(4).toString().trimmed();
        if (dflt.size() >= 2 && dflt.startsWith(QLatin1Char('\'')) &&
            dflt.endsWith(QLatin1Char('\'')))
            dflt = dflt.mid(1, dflt.size() - 2);
        if (!info.value(4).isNull())
            c.defaultValue = dflt;
        c.key = info.value(5).toInt() > 0;
        schema.m_columns.append(c);
    }
    return schema;
}

const TableSchema::Column* TableSchema::find(const QString& name) const
{
    for (const Column& c : m_columns)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

int TableSchema::keyCount() const
{
    int keys = 0;
    for (const Column& c : m_columns)
        keys += c.key ? 1 : 0;
    return keys;
}
