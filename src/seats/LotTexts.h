#pragma once

#include "seats/SeatResult.h"

#include <QString>
#include <QStringList>

// The lines under a result that say where comparison numbers were equal, whether a lot
// decides who gets a seat or only the order of seats, and what became of every lot. The
// screen and the paper reports print the same lines.
namespace LotTexts {

// None when the result has no tie and no lot. A combination of an all-combinations run
// (which takes no lot) names only its tie that decides who gets a seat.
QStringList lines(const SeatResult& result);
// The line closing an all-combinations run where some combination has such a tie.
QString allCombinationsNote();
// A list as the lines name it: the party's code, or its members' codes ("S / V").
QString listLabel(const SeatResult& result, int list);
// "Plats 7" or "Platserna 4–5".
QString seatsText(int first, int last);
// How a lot was drawn: "dragen för hand av Anna Berg 2026-09-14 21:30 (note)".
QString howDrawn(const SeatLot& lot);

} // namespace LotTexts
