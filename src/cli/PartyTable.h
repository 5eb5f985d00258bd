#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The parties of a run as read from a CSV file: code, name and one count (votes or
// council seats), in slot order; rows with a count of 0 take no slot. Checked: 2 to 16
// parties with a count, unique non-empty codes.
struct PartyTable
{
    struct Party
    {
        QString code;
        QString name;
        qint32 value;
    };

    QVector<Party> parties;
    // Codes of the rows with a count of 0: listed, but given no slot.
    QStringList withoutValue;

    // Throws CalcError.
    static PartyTable read(const QString& path, const QString& valueColumn, const QString& what);
    // The slot (1-based) of a code, or 0. Exact match first, then regardless of case.
    int slotOf(const QString& code) const;
};
