#pragma once

#include "seats/SeatReport.h"

class ProgressIndicator;

// A report that moves a progress bar as the results pass on their way to another report:
// the bar's maximum is the estimate at the start (raised when a run makes more), its
// value the result's running number, and at the end of a run not stopped the maximum.
class ProgressReport : public SeatReport
{
public:
    // No bar: the results only pass.
    ProgressReport(SeatReport& report, ProgressIndicator* bar, int estimate)
        : m_report(report), m_bar(bar), m_estimate(estimate)
    {
    }

    void begin(const SeatResult& run) override;
    void result(const SeatResult& result) override;
    void end(const Summary& summary) override;

private:
    SeatReport& m_report;
    ProgressIndicator* m_bar;
    int m_estimate;
};
