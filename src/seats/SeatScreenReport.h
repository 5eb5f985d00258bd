#pragma once

#include "report/ReportHeader.h"
#include "report/ScreenReport.h"
#include "seats/SeatReport.h"

#include <QString>

class ReportWindow;

// What the council's and the committee's screen reports write the same way: the heading,
// a result block (comparison-number list, every list's seat lines, the ties and lots,
// the closing lines, the counter line). Written into the rich-text control of the given
// result window; nothing when there is none.
class SeatScreenReport : public SeatReport
{
protected:
    SeatScreenReport(ReportWindow* window, const ReportHeader& header);

    // Header line, "för" and the heading when there is one, then a blank line.
    void writeReportHeading(const QString& heading);
    // The result block after a blank line in the given size.
    void writeResult(const SeatResult& result, int blankLineSize);

    ScreenReport m_screen;
    ReportHeader m_header;
    QString m_line;

private:
    // A list's line: name, count and seat numbers ("*" when tied), ten to a line, further
    // lines starting with three TABs.
    void writeSeatLines(const SeatResult::List& list);
    void writeTieLines(const SeatResult& result);
    // The counter directly followed by 87 dashes.
    void writeCounterLine(const SeatResult& result);
};
