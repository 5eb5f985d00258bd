#pragma once

#include <QMap>
#include <QString>
#include <QtGlobal>

// Votes per party code plus the others, as a level of a result file states them or as
// its parts add up; compared to tell a whole file from a damaged one.
struct ResultTotals
{
    QMap<QString, qint64> votes;
    qint64 others = 0;

    void add(const ResultTotals& part)
    {
        for (auto it = part.votes.cbegin(); it != part.votes.cend(); ++it)
            votes[it.key()] += it.value();
        others += part.others;
    }
    // The first party (or "övriga") whose votes differ, empty when all agree. A party
    // missing on one side counts as 0.
    QString firstDifference(const ResultTotals& other) const
    {
        QMap<QString, qint64> keys = votes;
        for (auto it = other.votes.cbegin(); it != other.votes.cend(); ++it)
            keys.insert(it.key(), 0);
        for (auto it = keys.cbegin(); it != keys.cend(); ++it)
            if (votes.value(it.key()) != other.votes.value(it.key()))
                return it.key();
        return others == other.others ? QString() : QStringLiteral("övriga");
    }
};
