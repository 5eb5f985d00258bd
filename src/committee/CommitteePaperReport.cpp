#include "committee/CommitteePaperReport.h"

#include "report/ReportTexts.h"
#include "seats/LotTexts.h"

namespace {
constexpr int FirstMarkColumn = 4800;
constexpr int MarkSpacing = 400;
} // namespace

int CommitteePaperReport::markSpacing(int parties)
{
    if (parties < 2)
        return MarkSpacing;
    const int room = (9900 - FirstMarkColumn) / (parties - 1);
    return room < MarkSpacing ? room : MarkSpacing;
}

void CommitteePaperReport::begin(const SeatResult& run)
{
    const int n = run.partyCount;
    beginPrintout();
    m_prt.PrtPosNoll();
    m_prt.PrtPosLagg(600);
    m_prt.PrtPosLagg(1000);
    m_prt.PrtPosLagg(4400);
    m_prt.PrtPosLagg(FirstMarkColumn);
    const int spacing = markSpacing(n);
    for (int i = 2; i <= n; ++i)
        m_prt.PrtPosLagg(FirstMarkColumn + spacing * (i - 1));
    headerLines(run.heading);

    beginLine();
    m_prt.PrtVanster(1, QStringLiteral("Fullmäktige"));
    nextItem();
    m_prt.PrtVanster(3, QStringLiteral("Valsamverkan - ") + m_runLetter);

    beginLine();
    m_prt.PrtMitt(1, QStringLiteral("Valsit"));
    nextItem();
    m_prt.PrtVanster(2, QStringLiteral("Partinamn"));
    nextItem();
    m_prt.PrtVanster(3, QStringLiteral("PartiID"));

    m_prt.PrtNormalStr(8);
    for (int i = 1; i <= n; ++i) {
        const SeatResult::Party& party = run.parties[i];
        beginLine();
        m_prt.PrtMitt(1, QString::number(party.value));
        nextItem();
        m_prt.PrtVanster(2, party.name);
        nextItem();
        m_prt.PrtMitt(3, party.code);
        for (int j = 1; j < i; ++j) {
            nextItem();
            m_prt.PrtMitt(j + 3, ReportTexts::pairMark(m_input.marked(j, i)));
        }
        nextItem();
        m_prt.PrtMitt(i + 3, party.code);
    }

    m_prt.PrtNed(220);
    m_frame.breakBeforeLine();
    m_prt.PrtRad(TieNote);

    resultPositions();
}

void CommitteePaperReport::result(const SeatResult& result)
{
    m_prt.PrtNormalStr(11);
    const int height = estimatedListHeight(result.listCount, result.seats);
    m_prt.PrtNed(220);
    if (result.hasComparisonText)
        comparisonList(result.comparisonText, 8, height);
    breakBeforeLists(height);
    for (int p = 1; p <= result.listCount; ++p) {
        const SeatResult::List& list = result.lists[p];
        seatList(list.name, list.seatCount, list.seat, list.tied);
    }
    if (result.showTies)
        noteLines(LotTexts::lines(result));
    counterAndRule(result.takesLots ? 0 : result.counter);
}

void CommitteePaperReport::closingLine(const QString& text)
{
    m_prt.PrtNed(220);
    m_prt.PrtFet(9);
    m_frame.breakBeforeLine();
    m_prt.PrtRad(text);
}

void CommitteePaperReport::end(const Summary& summary)
{
    if (summary.undecidedTies)
        closingLine(LotTexts::allCombinationsNote());
    if (!summary.stoppedLine.isEmpty())
        closingLine(summary.stoppedLine);
    finish();
}
