#include "committee/CommitteePaperReport.h"

#include "committee/ValsitBer.h"

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

void CommitteePaperReport::SkrivUtIndata()
{
    const int n = m_engine.AntPartier();
    beginPrintout();
    m_prt.PrtPosNoll();
    m_prt.PrtPosLagg(600);
    m_prt.PrtPosLagg(1000);
    m_prt.PrtPosLagg(4400);
    m_prt.PrtPosLagg(FirstMarkColumn);
    const int spacing = markSpacing(n);
    for (int i = 2; i <= n; ++i)
        m_prt.PrtPosLagg(FirstMarkColumn + spacing * (i - 1));
    headerLines(m_engine.Rubrik1());

    beginLine();
    m_prt.PrtVanster(1, QStringLiteral("Fullmäktige"));
    nextItem();
    // One input section, one run: the letter goes up whichever medium the run is on.
    const int run = m_engine.nextRunNumber();
    m_prt.PrtVanster(3, QStringLiteral("Valsamverkan - ") + ValsitBer::runLetterText(run));

    beginLine();
    m_prt.PrtMitt(1, QStringLiteral("Valsit"));
    nextItem();
    m_prt.PrtVanster(2, QStringLiteral("Partinamn"));
    nextItem();
    m_prt.PrtVanster(3, QStringLiteral("PartiID"));

    m_prt.PrtNormalStr(8);
    for (int i = 1; i <= n; ++i) {
        beginLine();
        m_prt.PrtMitt(1, QString::number(m_engine.partiValResAt(i)));
        nextItem();
        m_prt.PrtVanster(2, m_engine.partiNamnAt(i));
        nextItem();
        m_prt.PrtMitt(3, m_engine.partiIdAt(i));
        for (int j = 1; j < i; ++j) {
            nextItem();
            m_prt.PrtMitt(j + 3, m_engine.markText(ValsitBer::pairNumber(j, i)));
        }
        nextItem();
        m_prt.PrtMitt(i + 3, m_engine.partiIdAt(i));
    }

    m_prt.PrtNed(220);
    m_frame.breakBeforeLine();
    m_prt.PrtRad(TieNote);

    resultPositions();
}

void CommitteePaperReport::SkrivUtPresentera()
{
    m_prt.PrtNormalStr(11);
    const int height = estimatedListHeight(m_engine.listCount(), m_engine.AntValsit());
    m_prt.PrtNed(220);
    if (m_engine.BerTalSW())
        comparisonList(m_engine.comparisonList(), 8, height);
    breakBeforeLists(height);
    for (int list = 1; list <= m_engine.listCount(); ++list) {
        seatList(
            m_engine.listName(list), m_engine.seatCount(list),
            [&](int m) { return m_engine.seatNumber(list, m); },
            [&](int m) { return m_engine.seatTied(list, m); });
    }
    counterAndRule(m_engine.resultCounter());
}

void CommitteePaperReport::closingLine(const QString& text)
{
    m_prt.PrtNed(220);
    m_prt.PrtFet(9);
    m_frame.breakBeforeLine();
    m_prt.PrtRad(text);
}
