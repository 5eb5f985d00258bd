#include "cli/CsvTable.h"

#include "cli/CalcError.h"

#include <QFile>
#include <QFileInfo>

namespace {

QStringList splitLine(const QString& line, QChar separator, bool* ok)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    *ok = true;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else if (c == separator) {
            fields.append(field.trimmed());
            field.clear();
        } else {
            field += c;
        }
    }
    if (quoted)
        *ok = false;
    fields.append(field.trimmed());
    return fields;
}

} // namespace

CsvTable CsvTable::read(const QString& path, const QStringList& columns)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw CalcError(QStringLiteral("filen %1 finns inte").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw CalcError(
            QStringLiteral("filen %1 kan inte läsas: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return parse(path, text, columns);
}

CsvTable CsvTable::parse(const QString& name, const QString& text, const QStringList& columns)
{
    CsvTable table;
    table.m_name = name;
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool headerSeen = false;
    QChar separator = QLatin1Char(',');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        if (!headerSeen) {
            if (!line.contains(QLatin1Char(',')) && line.contains(QLatin1Char(';')))
                separator = QLatin1Char(';');
            bool ok = true;
            const QStringList header = splitLine(line, separator, &ok);
            QStringList lowered;
            for (const QString& h : header)
                lowered.append(h.toLower());
            if (!ok || lowered != columns)
                throw CalcError(QStringLiteral("%1: rubrikraden ska vara %2, inte %3")
                                    .arg(name, columns.join(QLatin1Char(',')), line.trimmed()));
            headerSeen = true;
            continue;
        }
        bool ok = true;
        const QStringList fields = splitLine(line, separator, &ok);
        if (!ok)
            throw CalcError(
                QStringLiteral("%1 rad %2: citattecken avslutas inte").arg(name).arg(i + 1));
        if (fields.size() != columns.size())
            throw CalcError(QStringLiteral("%1 rad %2: %3 fält, %4 väntade")
                                .arg(name)
                                .arg(i + 1)
                                .arg(fields.size())
                                .arg(columns.size()));
        table.m_rows.append({i + 1, fields});
    }
    if (!headerSeen)
        throw CalcError(QStringLiteral("%1: filen är tom, rubrikraden %2 saknas")
                            .arg(name, columns.join(QLatin1Char(','))));
    return table;
}

qint32 CsvTable::count(const Row& row, int column, const QString& what) const
{
    const QString& text = row.fields.at(column);
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || text.startsWith(QLatin1Char('+')))
        throw CalcError(QStringLiteral("%1 rad %2: %3 \"%4\" är inget heltal")
                            .arg(m_name)
                            .arg(row.lineNumber)
                            .arg(what, text));
    if (value < 0)
        throw CalcError(QStringLiteral("%1 rad %2: %3 får inte vara negativt (%4)")
                            .arg(m_name)
                            .arg(row.lineNumber)
                            .arg(what, text));
    if (value > 2147483647LL)
        throw CalcError(QStringLiteral("%1 rad %2: %3 %4 är för stort")
                            .arg(m_name)
                            .arg(row.lineNumber)
                            .arg(what, text));
    return qint32(value);
}
