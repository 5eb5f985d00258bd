#include "data/DataSource.h"

namespace {

QString quoted(const QString& identifier)
{
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

bool isBareName(const QString& text)
{
    if (text.isEmpty() || text.at(0).isDigit())
        return false;
    for (const QChar c : text)
        if (!(c == QLatin1Char('_') || (c.unicode() < 128 && c.isLetterOrNumber())))
            return false;
    return true;
}

} // namespace

DataSource::DataSource(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (isBareName(trimmed))
        m_table = trimmed;
    else
        m_query = text;
}

DataSource DataSource::table(const QString& table, const QStringList& columns,
                             const QString& orderBy)
{
    DataSource source;
    source.m_table = table;
    source.m_columns = columns;
    source.m_orderBy = orderBy;
    return source;
}

DataSource DataSource::query(const QString& sql)
{
    DataSource source;
    source.m_query = sql;
    return source;
}

QString DataSource::sql() const
{
    if (!isTable())
        return m_query;
    QStringList names;
    for (const QString& c : m_columns)
        names.append(quoted(c));
    QString sql = QStringLiteral("SELECT ") +
                  (names.isEmpty() ? QStringLiteral("*") : names.join(QStringLiteral(", "))) +
                  QStringLiteral(" FROM ") + quoted(m_table);
    if (!m_orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + m_orderBy;
    return sql;
}
