#pragma once

#include "committee/CommitteeInput.h"
#include "seats/SeatScreenReport.h"

// The committee report in the result window: the parties with their council seats and
// the pair marks under the run's letter, then one result block per combination and the
// closing lines of the run.
class CommitteeScreenReport : public SeatScreenReport
{
public:
    CommitteeScreenReport(ReportWindow* window, const ReportHeader& header,
                          const CommitteeInput& input, const QString& runLetter);

    void begin(const SeatResult& run) override;
    void result(const SeatResult& result) override;
    void end(const Summary& summary) override;

private:
    const CommitteeInput& m_input;
    QString m_runLetter;
};
