#pragma once

#include "report/PaperReport.h"

class ValsitBer;

// The committee report on paper: the input section once per run and one result block
// per combination, laid out on A4 pages.
class CommitteePaperReport : public PaperReport
{
public:
    explicit CommitteePaperReport(ValsitBer& engine) : m_engine(engine) {}

    void SkrivUtIndata();
    void SkrivUtPresentera();
    // A line of its own in bold at the margin, below the last result block.
    void closingLine(const QString& text);

    // The pair-mark columns: 400 twips apart, squeezed when the parties would not fit
    // inside the right edge.
    static int markSpacing(int parties);

private:
    ValsitBer& m_engine;
};
