#pragma once

#include "council/ValkretsReportText.h"
#include "report/PaperReport.h"

// The report of a run with constituencies on A4 pages: the header lines, then the
// report's lines in columns; a long last cell (seat numbers, the comparison-number list)
// is wrapped inside the right edge, and every line is checked against the page's end.
class ValkretsPaperReport : public PaperReport
{
public:
    // The whole printout, ended. Throws EngineError when no printer was given.
    void print(const ReportHeader& header, const QString& heading,
               const QVector<ValkretsReportText::Line>& lines);

private:
    void cells(const QString& text);
};
