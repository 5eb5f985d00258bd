#include "cli/CsvTable.h"

#include "cli/CalcError.h"
#include "data/ResultLimits.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Windows-1252 where it differs from Latin-1: 0x80..0x9F (0 where the code page has no
// character).
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// A file from Swedish Excel is Windows-1252 unless saved as UTF-8 (with a byte-order
// mark). Anything that is valid UTF-8 is read as such, anything else as Windows-1252;
// a byte that is neither is refused rather than turned into a replacement character.
QString decodeText(const QString& path, const QByteArray& bytes)
{
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bom ? bytes.mid(3) : bytes);
    if (!utf8.hasError())
        return text;
    if (bom)
        throw CalcError(
            QStringLiteral("filen %1 är märkt som UTF-8 men innehåller ogiltiga tecken").arg(path));
    QString latin;
    latin.reserve(bytes.size());
    for (const char byte : bytes) {
        const uchar b = uchar(byte);
        const char16_t c = b >= 0x80 && b < 0xA0 ? Cp1252High[b - 0x80] : char16_t(b);
        if (c == 0)
            throw CalcError(
                QStringLiteral("filen %1 är varken UTF-8 eller Windows-1252 (byte 0x%2)")
                    .arg(path)
                    .arg(b, 2, 16, QLatin1Char('0')));
        latin.append(QChar(c));
    }
    return latin;
}

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
    const QFileInfo info(path);
    if (!info.exists())
        throw CalcError(QStringLiteral("filen %1 finns inte").arg(path));
    // A pipe or device would be read for ever; no table of a municipality comes near 64 MB.
    if (!info.isFile())
        throw CalcError(QStringLiteral("%1 är ingen vanlig fil").arg(path));
    if (info.size() > ResultLimits::MaxFileBytes)
        throw CalcError(QStringLiteral("filen %1 är för stor (högst %2 MB)")
                            .arg(path)
                            .arg(ResultLimits::MaxFileBytes / (1024 * 1024)));
    if (!file.open(QIODevice::ReadOnly))
        throw CalcError(QStringLiteral("filen %1 kan inte läsas").arg(path));
    return parse(path, decodeText(path, file.read(ResultLimits::MaxFileBytes)), columns);
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
