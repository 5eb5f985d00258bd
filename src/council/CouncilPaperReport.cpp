#include "council/CouncilPaperReport.h"

#include "council/RostBer.h"

namespace {
constexpr int FirstDistrictColumn = 3600;
constexpr int DistrictSpacing = 900;
} // namespace

void CouncilPaperReport::SkrivUtIndata()
{
    beginPrintout();
    m_prt.PrtPosNoll();
    m_prt.PrtPosLagg(200);
    m_prt.PrtPosLagg(4400);
    m_prt.PrtPosLagg(6200);
    headerLines(m_engine.Rubrik1());

    beginLine();
    m_prt.PrtVanster(1, QStringLiteral("Partinamn"));
    nextItem();
    m_prt.PrtMitt(2, QStringLiteral("PartiID"));
    nextItem();
    m_prt.PrtHoger(3, QStringLiteral("Antal röster"));

    m_prt.PrtNormalStr(11);
    for (int i = 1; i <= m_engine.AntPartier(); ++i) {
        beginLine();
        m_prt.PrtVanster(1, m_engine.partiNamnAt(i));
        nextItem();
        m_prt.PrtMitt(2, m_engine.partiIdAt(i));
        nextItem();
        m_prt.PrtHoger(3, QString::number(m_engine.Roster(i)));
    }
    // A calculation on other rules than the classic ones says so, as on screen.
    const QString rules = m_engine.rulesText();
    if (!rules.isEmpty()) {
        m_frame.breakBeforeLine();
        m_prt.PrtRad(rules);
    }
}

int CouncilPaperReport::districtSpacing(int parties)
{
    if (parties < 2)
        return DistrictSpacing;
    const int room = (9900 - FirstDistrictColumn) / (parties - 1);
    return room < DistrictSpacing ? room : DistrictSpacing;
}

void CouncilPaperReport::districtHeading()
{
    const int n = m_engine.AntPartier();
    const int spacing = districtSpacing(n);
    // Squeezed columns take the votes in 8 point, so five digits still fit between them.
    m_districtSize = spacing < DistrictSpacing ? 8 : 11;

    m_prt.PrtNed(220);
    m_prt.PrtPosNoll();
    m_prt.PrtPosLagg(200);
    for (int i = 1; i <= n; ++i)
        m_prt.PrtPosLagg(FirstDistrictColumn + spacing * (i - 1));
    m_prt.PrtFet(8);
    beginLine();
    m_prt.PrtVanster(1, QStringLiteral("Distrikt namn/röster per parti"));
    for (int i = 1; i <= n; ++i) {
        nextItem();
        m_prt.PrtHoger(i + 1, m_engine.partiIdAt(i));
    }
    m_prt.PrtNormalStr(m_districtSize);
}

void CouncilPaperReport::districtLine()
{
    // The style and positions are those the heading set.
    beginLine();
    m_prt.PrtVanster(1, m_engine.Distrikt());
    for (int i = 1; i <= m_engine.AntPartier(); ++i) {
        nextItem();
        m_prt.PrtHoger(i + 1, QString::number(m_engine.DRoster(i)));
    }
}

void CouncilPaperReport::tieNote()
{
    m_prt.PrtNed(220);
    m_prt.PrtFet(8);
    m_frame.breakBeforeLine();
    m_prt.PrtRad(TieNote);
}

void CouncilPaperReport::SkrivUtPresentera()
{
    resultPositions();
    m_prt.PrtNormalStr(11);
    const int height = estimatedListHeight(m_engine.workCount(), m_engine.AntValsit());
    m_prt.PrtNed(220);
    if (m_engine.BerTalSW())
        comparisonList(m_engine.comparisonList(), 9, height);
    breakBeforeLists(height);
    for (int p = 1; p <= m_engine.workCount(); ++p) {
        seatList(
            m_engine.workName(p), m_engine.seatCount(p),
            [&](int k) { return m_engine.seatNumber(p, k); },
            [&](int k) { return m_engine.seatTied(p, k); });
    }
    counterAndRule(m_engine.calcCounter());
}
