#pragma once

#include "seats/SeatResult.h"
#include "seats/TieBook.h"

#include <QString>

// One share of seats by the modified odd-number method as a step of a larger run: the
// council engine's own allocation, ties marked as it marks them, with no report. Any
// count of seats from 1 and of parties from 1 is taken, since a constituency may be small
// and few parties may pass the threshold.
class OddNumberShare
{
public:
    // Shares `seats` among votes[0..count-1] (party codes[i], in the result's list i + 1)
    // with the first divisor in tenths (14 or 12) and the threshold in hundredths of a
    // percent.
    const SeatResult& share(const qint32* votes, const QString* codes, int count, int seats,
                            int firstDivisorTenths, int thresholdHundredths);

private:
    SeatResult m_result;
    TieBook m_ties;
};
