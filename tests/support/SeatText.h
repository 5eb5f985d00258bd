#pragma once

#include <QString>
#include <QStringList>

// A party's or list's seats as text, "1*,3*,5": the seat numbers in the order won, "*"
// where the seat carries the tie mark. Makes allocation tables easy to read. For either
// engine.
namespace SeatText {
template <typename Engine> QString of(const Engine& engine, int list)
{
    QStringList seats;
    for (int k = 1; k <= engine.seatCount(list); ++k)
        seats.append(QString::number(engine.seatNumber(list, k)) +
                     (engine.seatTied(list, k) ? QStringLiteral("*") : QString()));
    return seats.join(QLatin1Char(','));
}
} // namespace SeatText
