#pragma once

#include "committee/CommitteeInput.h"
#include "report/PaperReport.h"
#include "seats/SeatReport.h"

// The committee report on paper: the input section once per run and one result block
// per combination, laid out on A4 pages.
class CommitteePaperReport : public PaperReport, public SeatReport
{
public:
    // The input whose pair marks the input section shows (it must outlive the run), and
    // the run's letter.
    CommitteePaperReport(const CommitteeInput& input, const QString& runLetter)
        : m_input(input), m_runLetter(runLetter)
    {
    }

    void begin(const SeatResult& run) override;
    void result(const SeatResult& result) override;
    void end(const Summary& summary) override;

    // The pair-mark columns: 400 twips apart, squeezed when the parties would not fit
    // inside the right edge.
    static int markSpacing(int parties);

private:
    // A line of its own in bold at the margin, below the last result block.
    void closingLine(const QString& text);

    const CommitteeInput& m_input;
    QString m_runLetter;
};
