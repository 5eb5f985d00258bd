#include "SeatText.h"

#include "committee/ValsitBer.h"
#include "council/RostBer.h"

#include <QStringList>

namespace SeatText {

QString council(const RostBer& engine, int row)
{
    QStringList seats;
    for (int k = 1; k <= engine.seatCount(row); ++k)
        seats.append(QString::number(engine.seatNumber(row, k)) +
                     (engine.seatTied(row, k) ? QStringLiteral("*") : QString()));
    return seats.join(QLatin1Char(','));
}

QString committee(const ValsitBer& engine, int list)
{
    QStringList seats;
    for (int m = 1; m <= engine.seatCount(list); ++m)
        seats.append(QString::number(engine.seatNumber(list, m)) +
                     (engine.seatTied(list, m) ? QStringLiteral("*") : QString()));
    return seats.join(QLatin1Char(','));
}

} // namespace SeatText
