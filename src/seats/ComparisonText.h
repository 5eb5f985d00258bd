#pragma once

#include "seats/ReportChoices.h"
#include "seats/SeatResult.h"

#include <QChar>

// The comparison-number list of a result as the reports print it, built while the seats
// are shared: "ValsitNr=(Jämförelsetal)", then ", s=(number)" per seat, with two decimals
// or in full as the report choice says. Nothing is written when no list is asked for.
class ComparisonText
{
public:
    static void start(SeatResult& result, ReportChoices::Comparison choice);
    static void append(SeatResult& result, ReportChoices::Comparison choice, int seat, double value,
                       QChar decimalPoint);
};
