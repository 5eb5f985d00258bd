#include "council/RostBer.h"

#include "council/PublishedSeats.h"

#include "report/ReportTexts.h"
#include "report/TextNumbers.h"
#include "shell/MessageService.h"

#include <cmath>
#include <stdexcept>

namespace {

void checkSubscript(int x)
{
    if (x < 0 || x >= RostBer::Slots)
        throw std::out_of_range("Index utanför tillåtet intervall");
}

} // namespace

RostBer::RostBer(MessageService& messages) : SeatEngineBase(messages) {}

void RostBer::setRoster(int x, qint32 value)
{
    if (x < 0) {
        message(QStringLiteral("Röster kan bara lagras med positiva värden"));
        x = 0;
    }
    checkSubscript(x);
    m_roster[x] = value;
}

qint32 RostBer::Roster(int x) const
{
    checkSubscript(x);
    return m_roster[x];
}

void RostBer::setDRoster(int x, qint32 value)
{
    if (x < 0) {
        message(QStringLiteral("Röster kan bara lagras med positiva värden"));
        x = 0;
    }
    checkSubscript(x);
    m_dRoster[x] = value;
}

qint32 RostBer::DRoster(int x) const
{
    checkSubscript(x);
    return m_dRoster[x];
}

void RostBer::setForstaDivisor(double value)
{
    const long tenths = std::lround(value * 10.0);
    if (std::isfinite(value) && std::fabs(value * 10.0 - double(tenths)) < 1e-9 &&
        (tenths == 14 || tenths == 12)) {
        m_firstDivisorTenths = int(tenths);
        return;
    }
    message(QStringLiteral("'Första divisor' måste vara 1,4 eller 1,2"));
    m_firstDivisorTenths = 14;
}

void RostBer::setSparr(double percent)
{
    if (std::isfinite(percent) && percent >= 0.0 && percent <= 100.0) {
        m_thresholdHundredths = int(std::lround(percent * 100.0));
        return;
    }
    message(QStringLiteral("'Spärr' måste vara mellan 0 och 100 procent"));
    m_thresholdHundredths = 0;
}

QString RostBer::rulesText() const
{
    const QChar point = TextNumbers::localeDecimalPoint();
    QString text = QStringLiteral("Beräknat med första divisor ");
    TextNumbers::appendInt(text, m_firstDivisorTenths / 10);
    text.append(point);
    TextNumbers::appendInt(text, m_firstDivisorTenths % 10);
    if (m_thresholdHundredths > 0) {
        text.append(QStringLiteral(" och spärr "));
        TextNumbers::appendGeneral(text, m_thresholdHundredths / 100.0, point);
        text.append(QStringLiteral(" % av rösterna"));
    } else {
        text.append(QStringLiteral(" utan spärr"));
    }
    // Without a threshold there is no threshold for the other votes to count in.
    for (int i = 1; i <= m_result.partyCount; ++i)
        if (isOthersLine(m_result.parties[i].code))
            text.append(QStringLiteral(". ") + OthersCode +
                        (m_thresholdHundredths > 0
                             ? QStringLiteral(" (övriga giltiga röster) räknas med i spärren men "
                                              "får inga mandat")
                             : QStringLiteral(" (övriga giltiga röster) får inga mandat")));
    return text;
}

bool RostBer::isOthersLine(const QString& code)
{
    return code.compare(OthersCode, Qt::CaseInsensitive) == 0;
}

// --- The calculation ----------------------------------------------------------------

void RostBer::setResultRule()
{
    SeatResult::Rule& rule = m_result.rule;
    rule.method = SeatResult::Method::ModifiedOddNumber;
    rule.firstDivisorTenths = m_firstDivisorTenths;
    rule.thresholdHundredths = m_thresholdHundredths;
    rule.text = rulesText();
}

void RostBer::BearbBest()
{
    m_result.counter = 0;
    startResult(m_roster);
    setResultRule();
    for (int i = 0; i <= m_antPartier; ++i)
        m_dRoster[i] = 0;
    if (!m_skrivUtSW)
        VisaIndata();
    else
        SkrivUtIndata();
    if (m_visaDistriktSW)
        writeDistrictHeading();
}

void RostBer::BearbBest1()
{
    if (!m_visaDistriktSW)
        return;
    writeDistrictLine();
    for (int i = 0; i <= m_antPartier; ++i)
        m_dRoster[i] = 0;
}

void RostBer::BearbBest2()
{
    writeTieNote();
    BeraknaOchVisa();
    if (m_skrivUtSW)
        m_paper.finish();
}

void RostBer::BeraknaOchVisa()
{
    HamtaArbetslista();
    ++m_result.counter;
    FordelaPlatser();
    m_result.closingLines = PublishedSeats::comparison(m_result, m_published);
    if (!m_skrivUtSW)
        VisaResultat();
    else
        SkrivUtPresentera();
}

void RostBer::Fordela()
{
    HamtaArbetslista();
    FordelaPlatser();
}

// Every party stands as a list of its own, in slot order.
void RostBer::HamtaArbetslista()
{
    startResult(m_roster);
    setResultRule();
    m_result.listCount = 0;
    if (m_antPartier < 1)
        return;
    for (int i = 1; i <= m_antPartier; ++i) {
        SeatResult::List& list = m_result.lists[i];
        list.name = m_partiNamn[i];
        list.code = m_partiID[i];
        list.value = m_roster[i];
    }
    m_result.listCount = m_antPartier;
}

// Comparison numbers are compared exactly: a party with v votes and m seats has the
// comparison number v / d(m), where d(0) = 7/5 (or 6/5) and d(m) = 2m + 1. With the
// divisor as num/den, v1·den1·num2 against v2·den2·num1 decides in integers; doubles
// would, for example, make 700 / 1.4 a hair larger than 1500 / 3 and miss the tie.
void RostBer::FordelaPlatser()
{
    SeatResult::List* lists = m_result.lists;
    const int n = m_result.listCount;
    for (int row = 0; row <= m_antPartier && row < Slots; ++row)
        lists[row].seatCount = 0;
    startComparisonList();
    const int seatsToGive = qMin(qMax(m_antValsit, 1), int(MaxSeats));
    startTies(seatsToGive, true);
    if (n < 1)
        return;

    // The threshold: parties below the share take no seat. When no party reaches it
    // (no votes at all), every party stays in, so the seats are still given out.
    qint64 total = 0;
    for (int i = 1; i <= n; ++i)
        total += lists[i].value;
    bool anyEligible = false;
    for (int i = 1; i <= n; ++i) {
        lists[i].eligible = !isOthersLine(lists[i].code) &&
                            (m_thresholdHundredths == 0 ||
                             lists[i].value * 10000 >= qint64(m_thresholdHundredths) * total);
        anyEligible = anyEligible || lists[i].eligible;
    }
    if (!anyEligible)
        for (int i = 1; i <= n; ++i)
            lists[i].eligible = !isOthersLine(lists[i].code);

    const qint64 firstNum = m_firstDivisorTenths / 2; // 1.4 = 7/5, 1.2 = 6/5
    const qint64 firstDen = 5;
    const double firstDivisor = m_firstDivisorTenths / 10.0;
    const QChar point = TextNumbers::localeDecimalPoint();

    for (int s = 1;; ++s) {
        int winner = 0;
        qint64 winNum = 1, winDen = 1;
        bool tie = false;
        for (int j = 1; j <= n; ++j) {
            if (!lists[j].eligible)
                continue;
            const int m = lists[j].seatCount;
            const qint64 num = m == 0 ? firstNum : 2 * qint64(m) + 1;
            const qint64 den = m == 0 ? firstDen : 1;
            if (winner == 0) {
                winner = j;
                winNum = num;
                winDen = den;
                continue;
            }
            const qint64 mine = lists[j].value * den * winNum;
            const qint64 best = lists[winner].value * winDen * num;
            if (mine == best) {
                tie = true;
            } else if (mine > best) {
                winner = j;
                winNum = num;
                winDen = den;
                tie = false;
            }
        }
        if (tie && !m_ties.inGroup(s)) {
            int tied[SeatResult::MaxLists + 1];
            int count = 0;
            for (int j = 1; j <= n; ++j) {
                const int m = lists[j].seatCount;
                const qint64 num = m == 0 ? firstNum : 2 * qint64(m) + 1;
                const qint64 den = m == 0 ? firstDen : 1;
                if (lists[j].eligible &&
                    lists[j].value * den * winNum == lists[winner].value * winDen * num)
                    tied[count++] = j;
            }
            const int m = lists[winner].seatCount;
            m_ties.open(m_result, s, tied, count,
                        double(lists[winner].value) / (m == 0 ? firstDivisor : double(2 * m + 1)));
        }
        if (m_ties.inGroup(s) && m_ties.lotWinner(s) != 0)
            winner = m_ties.lotWinner(s);
        SeatResult::List& won = lists[winner];
        const int m = won.seatCount;
        const double value = double(won.value) / (m == 0 ? firstDivisor : double(2 * m + 1));
        m_result.winningNumber[s] = value;
        m_result.winningList[s] = winner;
        if (m_berTalSW)
            appendComparison(s, value, point);
        const int count = ++won.seatCount;
        won.seat[count] = s;
        won.tied[count] = tie;
        if (s >= seatsToGive) {
            for (int i = 1; i <= n; ++i)
                m_partiValRes[i] = lists[i].seatCount;
            m_ties.finish(m_result);
            return;
        }
    }
}

// --- Screen report ------------------------------------------------------------------

void RostBer::VisaIndata()
{
    m_screen.setTabTable(3, {50, 20, 30}, 0);
    writeReportHeading();
    m_screen.TextFet(7);
    m_screen.LaggTillRad(QStringLiteral("Partinamn\tPartiID\tAntal röster"));
    m_screen.TextNormal(7);
    for (int i = 1; i <= m_result.partyCount; ++i) {
        const SeatResult::Party& party = m_result.parties[i];
        m_line.resize(0);
        m_line.append(party.name);
        m_line.append(QLatin1Char('\t'));
        m_line.append(party.code);
        m_line.append(QLatin1Char('\t'));
        TextNumbers::appendInt(m_line, party.value);
        m_screen.LaggTillRad(m_line);
    }
    m_screen.LaggTillRad(m_result.rule.text);
}

void RostBer::writeDistrictHeading()
{
    if (m_skrivUtSW) {
        m_paper.districtHeading(m_result);
        return;
    }
    m_screen.LaggTillRad(QStringLiteral(" "));
    // A stop for every party: an imported election may have up to sixteen.
    m_screen.setTabTable(qMax(10, m_antPartier + 1), {50}, 12);
    QString heading = QStringLiteral("Distrikt namn/röster per parti");
    for (int i = 1; i <= m_antPartier; ++i)
        heading += QLatin1Char('\t') + m_partiID[i];
    m_screen.TextFet(7);
    m_screen.LaggTillRad(heading);
    m_screen.TextNormal(9);
}

void RostBer::writeDistrictLine()
{
    if (m_skrivUtSW) {
        m_paper.districtLine(m_distrikt, m_dRoster, m_antPartier);
        return;
    }
    m_line.resize(0);
    m_line.append(m_distrikt);
    for (int i = 1; i <= m_antPartier; ++i) {
        m_line.append(QLatin1Char('\t'));
        TextNumbers::appendInt(m_line, m_dRoster[i]);
    }
    m_screen.LaggTillRad(m_line);
}

void RostBer::writeTieNote()
{
    if (m_skrivUtSW) {
        m_paper.tieNote();
        return;
    }
    m_screen.LaggTillRad(QStringLiteral(" "));
    m_screen.TextNormal(7);
    m_screen.LaggTillRad(ReportTexts::tieNote());
}

void RostBer::VisaResultat()
{
    writeResult(8);
}

// --- Paper report -------------------------------------------------------------------

void RostBer::SkrivUtIndata()
{
    m_paper.setHeader(m_header);
    m_paper.SkrivUtIndata(m_result);
}

void RostBer::SkrivUtPresentera()
{
    m_paper.SkrivUtPresentera(m_result);
}
