#include "seats/SeatSetup.h"

void SeatSetup::setAntValsit(int value)
{
    m_antValsit = m_corrections.count(value, m_minValsit, m_maxValsit, "Antal Valsit");
}

void SeatSetup::setAntPartier(int value)
{
    m_antPartier = m_corrections.count(value, m_minPartier, m_maxPartier, "Antal Partier");
}

void SeatSetup::setPartiID(int x, const QString& value)
{
    m_partiID[m_corrections.letSlot(x, 1, 1, m_maxPartier, "PartiID")] = value;
}

QString SeatSetup::PartiID(int x)
{
    return m_partiID[m_corrections.getSlot(x, m_maxPartier, "PartiID")];
}

void SeatSetup::setPartiNamn(int x, const QString& value)
{
    m_partiNamn[m_corrections.letSlot(x, 1, 1, m_maxPartier, "PartiNamn")] = value;
}

QString SeatSetup::PartiNamn(int x)
{
    return m_partiNamn[m_corrections.getSlot(x, m_maxPartier, "PartiNamn")];
}

void SeatSetup::setPartiValRes(int x, qint32 value)
{
    m_partiValRes[m_corrections.letSlot(x, 1, 1, m_maxPartier, "PartiValRes")] = value;
}

qint32 SeatSetup::PartiValRes(int x)
{
    return m_partiValRes[m_corrections.getSlot(x, m_maxPartier, "PartiValRes")];
}

ReportChoices SeatSetup::reportChoices(bool showLots) const
{
    ReportChoices choices;
    choices.comparison = !m_berTalSW           ? ReportChoices::Comparison::None
                         : m_berTalAntDec != 0 ? ReportChoices::Comparison::TwoDecimals
                                               : ReportChoices::Comparison::Full;
    choices.showLots = showLots;
    return choices;
}
