#include "seats/SeatEngineBase.h"

#include "report/TextNumbers.h"

SeatEngineBase::SeatEngineBase(MessageService& messages) : m_corrections(messages)
{
    // The defaults are those of the members; applying them here is the same as applying
    // them at the first call of a member. The buffers are grown once, not per line.
    m_lineBuffer.reserve(1024);
    m_line.reserve(256);
}

void SeatEngineBase::setAntValsit(int value)
{
    m_antValsit = m_corrections.count(value, m_minValsit, m_maxValsit, "Antal Valsit");
}

void SeatEngineBase::setAntPartier(int value)
{
    m_antPartier = m_corrections.count(value, m_minPartier, m_maxPartier, "Antal Partier");
}

void SeatEngineBase::setPartiID(int x, const QString& value)
{
    m_partiID[m_corrections.letSlot(x, 1, 1, m_maxPartier, "PartiID")] = value;
}

QString SeatEngineBase::PartiID(int x)
{
    return m_partiID[m_corrections.getSlot(x, m_maxPartier, "PartiID")];
}

void SeatEngineBase::setPartiNamn(int x, const QString& value)
{
    m_partiNamn[m_corrections.letSlot(x, 1, 1, m_maxPartier, "PartiNamn")] = value;
}

QString SeatEngineBase::PartiNamn(int x)
{
    return m_partiNamn[m_corrections.getSlot(x, m_maxPartier, "PartiNamn")];
}

void SeatEngineBase::setPartiValRes(int x, qint32 value)
{
    m_partiValRes[m_corrections.letSlot(x, 1, 1, m_maxPartier, "PartiValRes")] = value;
}

qint32 SeatEngineBase::PartiValRes(int x)
{
    return m_partiValRes[m_corrections.getSlot(x, m_maxPartier, "PartiValRes")];
}

void SeatEngineBase::startComparisonList()
{
    m_lineBuffer.resize(0);
    m_lineBuffer.append(QStringLiteral("ValsitNr=(Jämförelsetal)"));
}

void SeatEngineBase::appendComparison(int seat, double value, QChar decimalPoint)
{
    m_lineBuffer.append(QLatin1String(", "));
    TextNumbers::appendInt(m_lineBuffer, seat);
    m_lineBuffer.append(QLatin1String("=("));
    if (m_berTalAntDec != 0)
        TextNumbers::appendFixed2(m_lineBuffer, value, decimalPoint);
    else
        TextNumbers::appendGeneral(m_lineBuffer, value, decimalPoint);
    m_lineBuffer.append(QLatin1Char(')'));
}

void SeatEngineBase::writeReportHeading()
{
    m_screen.TextNormal(7);
    m_screen.LaggTillRad(m_header.orderLine());
    if (m_rubrik1.size() > 1) {
        m_screen.LaggTillRad(QStringLiteral("för"));
        m_screen.TextFet(11);
        m_screen.LaggTillRad(m_rubrik1);
    }
    m_screen.LaggTillRad(QStringLiteral(" "));
}

void SeatEngineBase::writeSeatLines(const QString& name, const qint32* seats, const qint16* ties)
{
    const int count = seats[0];
    m_line.resize(0);
    m_line.append(name);
    m_line.append(QLatin1String("\t Antal: "));
    TextNumbers::appendInt(m_line, count);
    m_line.append(QLatin1String("\tValsit: "));
    for (int k = 1; k <= count; ++k) {
        TextNumbers::appendInt(m_line, seats[k]);
        if (ties[k])
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

void SeatEngineBase::writeCounterLine(int counter)
{
    m_line.resize(0);
    TextNumbers::appendInt(m_line, counter);
    m_line.append(QLatin1String("-------------------------------------------------------------"
                                "--------------------------"));
    m_screen.LaggTillRad(m_line);
}
