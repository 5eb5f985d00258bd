#pragma once

#include "seats/SeatReport.h"

#include <functional>

// A report that only hands every result to a function and counts the calls: for tests
// that read the results of a run rather than a report's text.
struct Collect : SeatReport
{
    std::function<void(const SeatResult&)> each;
    int begun = 0;
    int results = 0;
    Summary summary;

    void begin(const SeatResult&) override { ++begun; }
    void result(const SeatResult& result) override
    {
        ++results;
        if (each)
            each(result);
    }
    void end(const Summary& s) override { summary = s; }
};
