#pragma once

#include "council/CouncilInput.h"
#include "seats/ReportChoices.h"
#include "seats/SeatResult.h"

#include <QString>
#include <QVector>

class TieBook;

// The engine of the preliminary council calculation, a function of its input: shares the
// council seats among the parties by the modified odd-number method (first divisor 1.4 or
// 1.2, then 3, 5, 7, ...) above the threshold, and marks every seat won on a comparison
// number equal to another party's (lots must be drawn). It writes no report: the
// renderers (CouncilScreenReport, CouncilPaperReport, the JSON writer) read the result.
class RostBer
{
public:
    // What one allocation follows beside the lists it shares among.
    struct Rules
    {
        int seats = 0;
        int firstDivisorTenths = 14;
        int thresholdHundredths = 0;
        ReportChoices::Comparison comparison = ReportChoices::Comparison::None;
        bool showTies = false;
        const QVector<SeatLot>* lots = nullptr; // none: tied seats go in slot order
    };

    // The whole calculation of `input` into `result`, filled in place: the run's parties,
    // one list per party, the seats, the comparison-number list when asked for, the tie
    // groups and lots, and the comparison with the published seats.
    static void calculate(const CouncilInput& input, SeatResult& result);

    // The allocation alone among result's lists 1..listCount, for a run that shares seats
    // several times over (the constituencies). Touches no heap.
    static void allocate(SeatResult& result, TieBook& ties, const Rules& rules);

    // The line naming the rule used, for the report's input section.
    static QString rulesText(const CouncilInput& input);
};
