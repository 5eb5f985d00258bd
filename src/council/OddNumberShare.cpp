#include "council/OddNumberShare.h"

#include "council/RostBer.h"

const SeatResult& OddNumberShare::share(const qint32* votes, const QString* codes, int count,
                                        int seats, int firstDivisorTenths, int thresholdHundredths)
{
    const int n = qBound(1, count, int(SeatResult::MaxParties) - 1);
    m_result.seats = qBound(1, seats, int(SeatResult::MaxSeats));
    m_result.partyCount = n;
    m_result.listCount = n;
    for (int i = 1; i <= n; ++i) {
        m_result.parties[i].code = codes[i - 1];
        m_result.parties[i].value = votes[i - 1];
        m_result.parties[i].list = i;
        SeatResult::List& list = m_result.lists[i];
        list.code = codes[i - 1];
        list.value = votes[i - 1];
    }
    m_result.rule.method = SeatResult::Method::ModifiedOddNumber;
    m_result.rule.firstDivisorTenths = firstDivisorTenths;
    m_result.rule.thresholdHundredths = thresholdHundredths;

    RostBer::Rules rules;
    rules.seats = m_result.seats;
    rules.firstDivisorTenths = firstDivisorTenths;
    rules.thresholdHundredths = thresholdHundredths;
    RostBer::allocate(m_result, m_ties, rules);
    return m_result;
}
