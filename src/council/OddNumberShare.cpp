#include "council/OddNumberShare.h"

OddNumberShare::OddNumberShare(MessageService& messages) : RostBer(messages)
{
    m_minValsit = 1;
    m_minPartier = 1;
}

const SeatResult& OddNumberShare::share(const qint32* votes, const QString* codes, int count,
                                        int seats, int firstDivisorTenths, int thresholdHundredths)
{
    setAntPartier(count);
    setAntValsit(seats);
    setForstaDivisor(firstDivisorTenths / 10.0);
    setSparr(thresholdHundredths / 100.0);
    for (int i = 1; i <= count; ++i) {
        setPartiID(i, codes[i - 1]);
        setRoster(i, votes[i - 1]);
    }
    Fordela();
    return result();
}
