#include "report/PaperReport.h"

#include "report/Printer.h"
#include "report/ReportTexts.h"
#include "shell/EngineError.h"

#include <cmath>

const QString PaperReport::TieNote = ReportTexts::tieNote();

namespace {
// Whole number, halves to the even neighbour.
int roundEven(double value)
{
    return int(std::nearbyint(value));
}
} // namespace

void PaperReport::setPrinter(Printer* printer)
{
    m_printer = printer;
    m_prt.setPrinter(printer);
}

void PaperReport::beginPrintout()
{
    if (!m_printer)
        throw EngineError(QStringLiteral("Ingen skrivare är vald för utskriften."));
    m_frame.SkrivarInit();
    m_frame.SidStart();
}

void PaperReport::finish()
{
    if (m_printer)
        m_prt.PrtSlut();
}

void PaperReport::headerLines(const QString& heading)
{
    m_prt.PrtFet(8);
    for (const QString& line : m_frame.header().lines())
        m_prt.PrtRad(line);
    if (heading.size() > 1) {
        m_prt.PrtRad(QStringLiteral("för"));
        m_prt.PrtFet(11);
        m_prt.PrtVanster(1, heading);
        m_prt.PrtNed(220);
        m_prt.PrtFet(8);
    } else {
        m_prt.PrtNed(220);
    }
}

void PaperReport::beginLine()
{
    m_frame.breakBeforeLine();
    m_prt.PrtSparaY();
}

void PaperReport::resultPositions()
{
    m_prt.PrtPosNoll();
    m_prt.PrtPosLagg(200);
    m_prt.PrtPosLagg(3200);
    m_prt.PrtPosLagg(4300);
    for (int x = 5350; x <= 9400; x += 450)
        m_prt.PrtPosLagg(x);
}

int PaperReport::estimatedListHeight(int lists, int seats)
{
    const double line = m_prt.textHeight(QStringLiteral("Text"));
    return roundEven(line * (lists + roundEven(seats / 10.0 + 1)));
}

void PaperReport::comparisonList(const QString& text, int size, int listHeight)
{
    m_prt.PrtNormalStr(size);
    m_prt.PrtDela(0, text);
    m_prt.lineHeight = int(m_prt.textHeight(QStringLiteral("Text")));
    if (m_prt.currentY() + listHeight + 260 + m_prt.wrappedCount() * m_prt.lineHeight >
        m_prt.bottomLimit) {
        m_frame.NySida();
        m_prt.PrtNormalStr(size);
    }
    for (int i = 1; i <= m_prt.wrappedCount(); ++i) {
        m_frame.breakBeforeLine();
        m_prt.PrtRad(m_prt.wrappedLine(i));
    }
    m_prt.PrtNed(100);
}

void PaperReport::breakBeforeLists(int listHeight)
{
    m_prt.PrtNormalStr(11);
    if (m_prt.currentY() + listHeight + 100 > m_prt.bottomLimit) {
        m_frame.NySida();
        m_prt.PrtNormalStr(11);
    }
}

void PaperReport::seatList(const QString& name, int count, const qint32* seats, const bool* tied)
{
    beginLine();
    m_prt.PrtVanster(1, name.trimmed());
    nextItem();
    m_prt.PrtVanster(2, QStringLiteral(" Antal: ") + QString::number(count));
    nextItem();
    m_prt.PrtVanster(3, QStringLiteral("Valsit: "));
    int column = 4;
    for (int k = 1; k <= count; ++k) {
        if (column > 13) {
            // Ten numbers to a line: the next ones start a line of their own, below the
            // last one printed.
            column = 4;
            beginLine();
        } else {
            nextItem();
        }
        m_text.resize(0);
        m_text.append(QString::number(seats[k]));
        if (tied[k])
            m_text.append(QLatin1Char('*'));
        m_prt.PrtMitt(column, m_text);
        ++column;
    }
}

void PaperReport::noteLines(const QStringList& lines)
{
    if (lines.isEmpty())
        return;
    m_prt.PrtNed(100);
    for (const QString& line : lines) {
        m_prt.PrtNormalStr(9);
        m_prt.PrtDela(0, line);
        for (int i = 1; i <= m_prt.wrappedCount(); ++i) {
            m_frame.breakBeforeLine();
            m_prt.PrtRad(m_prt.wrappedLine(i));
        }
    }
}

void PaperReport::counterAndRule(int counter)
{
    m_prt.PrtFet(8);
    m_frame.breakBeforeLine();
    if (counter > 0)
        m_prt.PrtRad(QString::number(counter));
    else
        m_prt.PrtNed(int(m_prt.textHeight(QStringLiteral("Text"))));
    m_prt.PrtLinje(m_prt.currentY());
}
