#include "seats/SeatScreenReport.h"

#include "report/ScreenColumns.h"
#include "report/TextNumbers.h"
#include "seats/LotTexts.h"

SeatScreenReport::SeatScreenReport(ReportWindow* window, const ReportHeader& header)
    : m_header(header)
{
    m_screen.setFormName(window);
    m_line.reserve(256); // grown once, not per line
}

void SeatScreenReport::writeReportHeading(const QString& heading)
{
    m_screen.TextNormal(7);
    for (const QString& line : m_header.lines())
        m_screen.LaggTillRad(line);
    if (heading.size() > 1) {
        m_screen.LaggTillRad(QStringLiteral("för"));
        m_screen.TextFet(11);
        m_screen.LaggTillRad(heading);
    }
    m_screen.LaggTillRad(QStringLiteral(" "));
}

void SeatScreenReport::writeSeatLines(const SeatResult::List& list)
{
    const int count = list.seatCount;
    m_line.resize(0);
    m_line.append(list.name);
    m_line.append(QLatin1String("\t Antal: "));
    TextNumbers::appendInt(m_line, count);
    m_line.append(QLatin1String("\tValsit: "));
    for (int k = 1; k <= count; ++k) {
        TextNumbers::appendInt(m_line, list.seat[k]);
        if (list.tied[k])
            m_line.append(QLatin1Char('*'));
        m_line.append(QLatin1Char('\t'));
        if (k % 10 == 0) {
            m_screen.LaggTillRad(m_line);
            m_line.resize(0);
            m_line.append(QLatin1String("\t\t\t"));
        }
    }
    m_screen.LaggTillRad(m_line);
}

void SeatScreenReport::writeCounterLine(const SeatResult& result)
{
    m_line.resize(0);
    // Only the results of an all-combinations run are counted; a single result ends
    // with the dashes alone.
    if (!result.takesLots)
        TextNumbers::appendInt(m_line, result.counter);
    m_line.append(QLatin1String("-------------------------------------------------------------"
                                "--------------------------"));
    m_screen.LaggTillRad(m_line);
}

void SeatScreenReport::writeResult(const SeatResult& result, int blankLineSize)
{
    m_screen.TextNormal(blankLineSize);
    m_screen.LaggTillRad(QStringLiteral(" "));
    if (result.hasComparisonText) {
        m_screen.LaggTillRad(result.comparisonText);
        m_screen.LaggTillRad(QStringLiteral(" "));
    }
    // Columns wide enough for the widest seat number, so numbers never run together.
    m_screen.setTabTable(
        qMin(qMax(result.seats, result.partyCount) + 3, 29),
        {40, ScreenColumns::antalMm(result.seats), ScreenColumns::valsitMm(result.seats)},
        ScreenColumns::seatMm(result.seats));
    m_screen.TextNormal(9);
    for (int list = 1; list <= result.listCount; ++list)
        writeSeatLines(result.lists[list]);
    writeTieLines(result);
    if (!result.closingLines.isEmpty()) {
        m_screen.LaggTillRad(QStringLiteral(" "));
        for (const QString& line : result.closingLines)
            m_screen.LaggTillRad(line);
    }
    writeCounterLine(result);
}

void SeatScreenReport::writeTieLines(const SeatResult& result)
{
    if (!result.showTies || (result.tieGroupCount == 0 && result.lots.isEmpty()))
        return;
    m_screen.TextNormal(8);
    m_screen.LaggTillRad(QStringLiteral(" "));
    for (const QString& line : LotTexts::lines(result))
        m_screen.LaggTillRad(line);
    m_screen.TextNormal(9);
}
