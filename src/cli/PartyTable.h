#pragma once

#include <QString>
#include <QVector>

// The parties of a run as read from a CSV file: code, name and one count (votes or
// council seats), in slot order. Checked: 2 to 16 parties, unique non-empty codes.
struct PartyTable
{
    struct Party
    {
        QString code;
        QString name;
        qint32 value;
    };

    QVector<Party> parties;

    // Throws CalcError.
    static PartyTable read(const QString& path, const QString& valueColumn, const QString& what);
    // The slot (1-based) of a code, or 0. Exact match first, then regardless of case.
    int slotOf(const QString& code) const;
};
