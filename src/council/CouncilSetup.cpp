#include "council/CouncilSetup.h"

#include "report/TextNumbers.h"

#include <cmath>
#include <stdexcept>

namespace {

void checkSubscript(int x)
{
    if (x < 0 || x >= SeatSetup::Slots)
        throw std::out_of_range("Index utanför tillåtet intervall");
}

} // namespace

void CouncilSetup::setRoster(int x, qint32 value)
{
    if (x < 0) {
        m_corrections.message(QStringLiteral("Röster kan bara lagras med positiva värden"));
        x = 0;
    }
    checkSubscript(x);
    m_roster[x] = value;
}

qint32 CouncilSetup::Roster(int x) const
{
    checkSubscript(x);
    return m_roster[x];
}

void CouncilSetup::setForstaDivisor(double value)
{
    const long tenths = std::lround(value * 10.0);
    if (std::isfinite(value) && std::fabs(value * 10.0 - double(tenths)) < 1e-9 &&
        (tenths == 14 || tenths == 12)) {
        m_firstDivisorTenths = int(tenths);
        return;
    }
    m_corrections.message(QStringLiteral("'Första divisor' måste vara 1,4 eller 1,2"));
    m_firstDivisorTenths = 14;
}

void CouncilSetup::setSparr(double percent)
{
    if (std::isfinite(percent) && percent >= 0.0 && percent <= 100.0) {
        m_thresholdHundredths = int(std::lround(percent * 100.0));
        return;
    }
    m_corrections.message(QStringLiteral("'Spärr' måste vara mellan 0 och 100 procent"));
    m_thresholdHundredths = 0;
}

CouncilInput CouncilSetup::input(bool showLots) const
{
    CouncilInput in;
    for (int i = 1; i <= m_antPartier; ++i)
        in.parties.append({m_partiID[i], m_partiNamn[i], m_roster[i]});
    in.seats = m_antValsit;
    in.firstDivisorTenths = m_firstDivisorTenths;
    in.thresholdHundredths = m_thresholdHundredths;
    in.heading = m_rubrik1;
    in.report = reportChoices(showLots);
    in.showDistricts = m_visaDistriktSW;
    return in;
}

void CouncilSetup::takeSeats(const SeatResult& result)
{
    for (int i = 1; i <= result.listCount && i < Slots; ++i)
        m_partiValRes[i] = result.lists[i].seatCount;
}

QString CouncilSetup::ruleText() const
{
    const QChar point = TextNumbers::localeDecimalPoint();
    QString text = QStringLiteral("första divisor ");
    TextNumbers::appendInt(text, m_firstDivisorTenths / 10);
    text.append(point);
    TextNumbers::appendInt(text, m_firstDivisorTenths % 10);
    if (m_thresholdHundredths <= 0)
        return text + QStringLiteral(" utan spärr");
    text.append(QStringLiteral(" och spärr "));
    TextNumbers::appendGeneral(text, m_thresholdHundredths / 100.0, point);
    return text + QStringLiteral(" %");
}
