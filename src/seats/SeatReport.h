#pragma once

#include "seats/SeatResult.h"

#include <QString>

// A report of a calculation, on whatever target (the result window's screen report, a
// printer or PDF, JSON): the one shape every renderer has. A run calls begin() once with
// the run's start (heading, rule, parties), result() for every result (one for the
// council, one per combination for a committee) and end() once after the last.
class SeatReport
{
public:
    // How a run ended, for the lines that close its report.
    struct Summary
    {
        // Some combination of an all-combinations run had a tie deciding who gets a seat,
        // and the report lists ties and lots: say that no lot was taken.
        bool undecidedTies = false;
        // Not empty: the run was stopped, and this line says after how many of how many.
        QString stoppedLine;
    };

    virtual ~SeatReport() = default;
    virtual void begin(const SeatResult& run) = 0;
    virtual void result(const SeatResult& result) = 0;
    virtual void end(const Summary& summary) = 0;

    // A run of one result: begin, the result, end.
    void write(const SeatResult& result)
    {
        begin(result);
        this->result(result);
        end(Summary());
    }
};
