#pragma once

#include "seats/ReportChoices.h"
#include "seats/SeatLot.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QtGlobal>

#include <set>

// Everything a committee calculation depends on, as one value: the parties with their
// council seats, the committee's seats, how the parties cooperate and which pairs may,
// the lots, the heading and the report choices. ValsitBer computes its results from it
// and nothing else.
struct CommitteeInput
{
    enum class Cooperation {
        None,            // every party stands alone
        Fixed,           // the marked pairs stand together as fixed groups
        AllCombinations, // every grouping the marked pairs allow, one result each
    };
    struct Party
    {
        QString code;
        QString name;
        qint32 councilSeats = 0;
    };

    // An all-combinations run takes at most this many parties.
    static constexpr int MaxPartiesAllCombinations = 9;

    // Pair i < j (party slots from 1) has the number (j - 1)(j - 2)/2 + i: (1,2) = 1,
    // (1,3) = 2, (2,3) = 3, ...
    static int pairNumber(int i, int j) { return (j - 1) * (j - 2) / 2 + i; }

    QVector<Party> parties;
    int seats = 0;
    Cooperation cooperation = Cooperation::None;
    std::set<int> marks; // the pair numbers that may cooperate
    QString heading;
    ReportChoices report;
    QVector<SeatLot> lots;

    bool marked(int i, int j) const { return marks.count(pairNumber(i, j)) > 0; }

    // SHA-256 (hex) over every field above in a fixed form.
    QByteArray fingerprint() const;
};
