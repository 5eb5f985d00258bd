#pragma once

#include "council/CouncilInput.h"
#include "report/PaperReport.h"
#include "seats/SeatReport.h"

// The council report on paper: input section, district table, tie note and result
// list, laid out on A4 pages, from the result and the districts of the input.
class CouncilPaperReport : public PaperReport, public SeatReport
{
public:
    // The input whose districts the report lists (when it asks for them); it must outlive
    // the run.
    explicit CouncilPaperReport(const CouncilInput& input) : m_input(input) {}

    void begin(const SeatResult& run) override;
    void result(const SeatResult& result) override;
    void end(const Summary&) override { finish(); }

    // The district table's columns: 900 twips apart, squeezed (with the votes in a
    // smaller font) when the parties would not fit inside the right edge.
    static int districtSpacing(int parties);

private:
    // The parties with their votes, and the rule the calculation used.
    void SkrivUtIndata(const SeatResult& run);
    void districtHeading(const SeatResult& run);
    // One district: its name and the votes of the first `parties` parties.
    void districtLine(const QString& district, const QVector<qint32>& votes, int parties);
    void tieNote();

    const CouncilInput& m_input;
    int m_districtSize = 11;
};
