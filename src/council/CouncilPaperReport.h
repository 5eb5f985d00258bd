#pragma once

#include "report/PaperReport.h"

class RostBer;

// The council report on paper: input section, district table, tie note and result
// list, laid out on A4 pages.
class CouncilPaperReport : public PaperReport
{
public:
    explicit CouncilPaperReport(const RostBer& engine) : m_engine(engine) {}

    void SkrivUtIndata();
    void districtHeading();
    void districtLine();
    void tieNote();
    void SkrivUtPresentera();

    // The district table's columns: 900 twips apart, squeezed (with the votes in a
    // smaller font) when the parties would not fit inside the right edge.
    static int districtSpacing(int parties);

private:
    const RostBer& m_engine;
    int m_districtSize = 11;
};
