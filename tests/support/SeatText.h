#pragma once

#include "seats/SeatResult.h"

#include <QString>
#include <QStringList>

// A list's seats as text, "1*,3*,5": the seat numbers in the order won, "*" where the seat
// carries the tie mark. Makes allocation tables easy to read. For either engine's result.
namespace SeatText {
inline QString of(const SeatResult& result, int list)
{
    QStringList seats;
    const SeatResult::List& l = result.lists[list];
    for (int k = 1; k <= l.seatCount; ++k)
        seats.append(QString::number(l.seat[k]) + (l.tied[k] ? QStringLiteral("*") : QString()));
    return seats.join(QLatin1Char(','));
}
} // namespace SeatText
