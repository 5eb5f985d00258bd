#pragma once

#include "council/ValkretsReportText.h"
#include "report/ReportHeader.h"
#include "report/ScreenReport.h"

class ReportWindow;

// The report of a run with constituencies in the result window's rich text: the header
// lines as every council report has them, then the report's lines with their tab stops.
class ValkretsScreenReport
{
public:
    explicit ValkretsScreenReport(ReportWindow* window) { m_screen.setFormName(window); }
    void write(const ReportHeader& header, const QString& heading,
               const QVector<ValkretsReportText::Line>& lines);

private:
    ScreenReport m_screen;
};
