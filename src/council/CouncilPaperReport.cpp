#include "council/CouncilPaperReport.h"

#include "seats/LotTexts.h"

namespace {
constexpr int FirstDistrictColumn = 3600;
constexpr int DistrictSpacing = 900;
} // namespace

void CouncilPaperReport::SkrivUtIndata(const SeatResult& run)
{
    beginPrintout();
    m_prt.PrtPosNoll();
    m_prt.PrtPosLagg(200);
    m_prt.PrtPosLagg(4400);
    m_prt.PrtPosLagg(6200);
    headerLines(run.heading);

    beginLine();
    m_prt.PrtVanster(1, QStringLiteral("Partinamn"));
    nextItem();
    m_prt.PrtMitt(2, QStringLiteral("PartiID"));
    nextItem();
    m_prt.PrtHoger(3, QStringLiteral("Antal röster"));

    m_prt.PrtNormalStr(11);
    for (int i = 1; i <= run.partyCount; ++i) {
        const SeatResult::Party& party = run.parties[i];
        beginLine();
        m_prt.PrtVanster(1, party.name);
        nextItem();
        m_prt.PrtMitt(2, party.code);
        nextItem();
        m_prt.PrtHoger(3, QString::number(party.value));
    }
    // The rule the calculation used, as on screen.
    // Wrapped to the frame: the rule with the other votes does not fit one line.
    if (!run.rule.text.isEmpty()) {
        m_prt.PrtDela(0, run.rule.text);
        for (int i = 1; i <= m_prt.wrappedCount(); ++i) {
            m_frame.breakBeforeLine();
            m_prt.PrtRad(m_prt.wrappedLine(i));
        }
    }
}

int CouncilPaperReport::districtSpacing(int parties)
{
    if (parties < 2)
        return DistrictSpacing;
    const int room = (9900 - FirstDistrictColumn) / (parties - 1);
    return room < DistrictSpacing ? room : DistrictSpacing;
}

void CouncilPaperReport::districtHeading(const SeatResult& run)
{
    const int n = run.partyCount;
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
        m_prt.PrtHoger(i + 1, run.parties[i].code);
    }
    m_prt.PrtNormalStr(m_districtSize);
}

void CouncilPaperReport::districtLine(const QString& district, const QVector<qint32>& votes,
                                      int parties)
{
    // The style and positions are those the heading set.
    beginLine();
    m_prt.PrtVanster(1, district);
    for (int i = 0; i < parties; ++i) {
        nextItem();
        m_prt.PrtHoger(i + 2, QString::number(i < votes.size() ? votes.at(i) : 0));
    }
}

void CouncilPaperReport::tieNote()
{
    m_prt.PrtNed(220);
    m_prt.PrtFet(8);
    m_frame.breakBeforeLine();
    m_prt.PrtRad(TieNote);
}

void CouncilPaperReport::begin(const SeatResult& run)
{
    SkrivUtIndata(run);
    if (m_input.showDistricts) {
        districtHeading(run);
        for (const CouncilInput::District& d : m_input.districts)
            districtLine(d.name, d.votes, run.partyCount);
    }
    tieNote();
}

void CouncilPaperReport::result(const SeatResult& result)
{
    resultPositions();
    m_prt.PrtNormalStr(11);
    const int height = estimatedListHeight(result.listCount, result.seats);
    m_prt.PrtNed(220);
    if (result.hasComparisonText)
        comparisonList(result.comparisonText, 9, height);
    breakBeforeLists(height);
    for (int p = 1; p <= result.listCount; ++p) {
        const SeatResult::List& list = result.lists[p];
        seatList(list.name, list.seatCount, list.seat, list.tied);
    }
    if (result.showTies)
        noteLines(LotTexts::lines(result));
    if (!result.closingLines.isEmpty())
        noteLines(result.closingLines);
    counterAndRule(result.takesLots ? 0 : result.counter);
}
