#pragma once

#include "report/PaperReport.h"
#include "seats/SeatResult.h"

// The council report on paper: input section, district table, tie note and result
// list, laid out on A4 pages, from the engine's result and the district votes it is
// handed.
class CouncilPaperReport : public PaperReport
{
public:
    // The parties with their votes, and the rule the calculation used.
    void SkrivUtIndata(const SeatResult& run);
    void districtHeading(const SeatResult& run);
    // One district: its name and the votes of parties 1..parties.
    void districtLine(const QString& district, const qint32* votes, int parties);
    void tieNote();
    void SkrivUtPresentera(const SeatResult& result);

    // The district table's columns: 900 twips apart, squeezed (with the votes in a
    // smaller font) when the parties would not fit inside the right edge.
    static int districtSpacing(int parties);

private:
    int m_districtSize = 11;
};
