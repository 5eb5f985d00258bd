#include "cli/PartyTable.h"

#include "cli/CalcError.h"
#include "cli/CsvTable.h"

PartyTable PartyTable::read(const QString& path, const QString& valueColumn, const QString& what)
{
    const CsvTable csv =
        CsvTable::read(path, {QStringLiteral("code"), QStringLiteral("name"), valueColumn});
    PartyTable table;
    for (const CsvTable::Row& row : csv.rows()) {
        const QString& code = row.fields.at(0);
        if (code.isEmpty())
            throw CalcError(
                QStringLiteral("%1 rad %2: partiets kod saknas").arg(path).arg(row.lineNumber));
        for (const Party& p : table.parties)
            if (p.code.compare(code, Qt::CaseInsensitive) == 0)
                throw CalcError(QStringLiteral("%1 rad %2: koden %3 finns redan")
                                    .arg(path)
                                    .arg(row.lineNumber)
                                    .arg(code));
        for (const QString& other : table.withoutValue)
            if (other.compare(code, Qt::CaseInsensitive) == 0)
                throw CalcError(QStringLiteral("%1 rad %2: koden %3 finns redan")
                                    .arg(path)
                                    .arg(row.lineNumber)
                                    .arg(code));
        // A party on the ballot that got nothing takes no slot, so only parties that
        // count are held against the limit of 16.
        const qint32 value = csv.count(row, 2, what);
        if (value == 0)
            table.withoutValue.append(code);
        else
            table.parties.append({code, row.fields.at(1), value});
    }
    const int n = int(table.parties.size());
    if (n < 2)
        throw CalcError(QStringLiteral("%1: för få partier (%2), minst 2").arg(path).arg(n));
    if (n > 16)
        throw CalcError(QStringLiteral("%1: för många partier (%2), högst 16").arg(path).arg(n));
    return table;
}

int PartyTable::slotOf(const QString& code) const
{
    for (int i = 0; i < parties.size(); ++i)
        if (parties.at(i).code == code)
            return i + 1;
    for (int i = 0; i < parties.size(); ++i)
        if (parties.at(i).code.compare(code, Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}
