#pragma once

#include "council/CouncilInput.h"
#include "seats/SeatScreenReport.h"

// The council report in the result window: the parties with their votes and the rule,
// the votes of every district when asked for, the tie note and the result block.
class CouncilScreenReport : public SeatScreenReport
{
public:
    CouncilScreenReport(ReportWindow* window, const ReportHeader& header,
                        const CouncilInput& input);

    void begin(const SeatResult& run) override;
    void result(const SeatResult& result) override;
    void end(const Summary&) override {}

private:
    const CouncilInput& m_input;
};
