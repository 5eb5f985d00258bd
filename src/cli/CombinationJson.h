#pragma once

#include "cli/CalcOptions.h"

#include <QString>

struct SeatResult;

// One committee combination as a line of JSON, written by hand into a buffer that is
// kept between combinations: an all-combinations run writes tens of thousands, and
// building a QJsonObject for each costs many times the text report's time. Its number;
// its lists, each with its parties, council seats, the seat numbers won ("seats") and
// those of them won on an equal comparison number ("tiedSeats"); only as asked for, the
// list that won each seat ("seatLists") and its comparison number ("comparisonNumbers",
// written as the text report writes them: the general form, or two decimals); its ties
// and lots.
class CombinationJson
{
public:
    explicit CombinationJson(CalcOptions::Comparison comparison) : m_comparison(comparison) {}

    // The JSON of the result's combination, valid until the next call.
    const QString& write(const SeatResult& result);

    static void appendString(QString& out, const QString& text);

private:
    CalcOptions::Comparison m_comparison;
    QString m_buffer;
};
