#include "council/ValkretsPaperReport.h"

#include <QStringList>

void ValkretsPaperReport::print(const ReportHeader& header, const QString& heading,
                                const QVector<ValkretsReportText::Line>& lines)
{
    setHeader(header);
    beginPrintout();
    m_prt.PrtPosNoll();
    for (int x : {200, 3400, 4500, 5500, 6700, 7900})
        m_prt.PrtPosLagg(x);
    headerLines(heading);
    // The bold line over a table's rows: a table that goes on over a page takes it along.
    QString tableHeading;
    for (const ValkretsReportText::Line& line : lines) {
        switch (line.kind) {
        case ValkretsReportText::Kind::Blank:
            tableHeading.clear();
            m_prt.PrtNed(160);
            continue;
        case ValkretsReportText::Kind::Numbers:
            tableHeading.clear();
            comparisonList(line.text, 8, 0);
            continue;
        case ValkretsReportText::Kind::Heading:
            tableHeading.clear();
            m_prt.PrtFet(11);
            break;
        case ValkretsReportText::Kind::Bold:
            tableHeading = line.text;
            m_prt.PrtFet(9);
            break;
        case ValkretsReportText::Kind::Normal:
            m_prt.PrtNormalStr(10);
            if (!tableHeading.isEmpty() && m_frame.breakBeforeLine()) {
                m_prt.PrtFet(9);
                cells(tableHeading);
                m_prt.PrtNormalStr(10);
            }
            break;
        }
        cells(line.text);
    }
    finish();
}

// The cells at the positions 1, 2, ...; the last one wrapped inside the right edge.
void ValkretsPaperReport::cells(const QString& text)
{
    QStringList parts = text.split(QLatin1Char('\t'));
    if (parts.last().isEmpty())
        parts.last() = QStringLiteral(" "); // the last item ends the line
    const int last = int(parts.size());
    if (last == 1) {
        m_prt.PrtDela(1, parts.first());
        for (int i = 1; i <= m_prt.wrappedCount(); ++i) {
            beginLine();
            m_prt.PrtVanster(1, m_prt.wrappedLine(i));
        }
        return;
    }
    beginLine();
    for (int col = 1; col < last; ++col) {
        m_prt.PrtVanster(col, parts.at(col - 1));
        nextItem();
    }
    m_prt.PrtDela(last, parts.at(last - 1));
    for (int i = 1; i <= m_prt.wrappedCount(); ++i) {
        if (i > 1)
            beginLine();
        m_prt.PrtVanster(last, m_prt.wrappedLine(i));
    }
}
