#include "seats/SeatEngineBase.h"

#include "report/ScreenColumns.h"
#include "report/TextNumbers.h"
#include "seats/LotTexts.h"

SeatEngineBase::SeatEngineBase(MessageService& messages) : m_corrections(messages)
{
    // The defaults are those of the members; applying them here is the same as applying
    // them at the first call of a member. The buffers are grown once, not per line.
    m_result.comparisonText.reserve(1024);
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

void SeatEngineBase::startResult(const qint32* values)
{
    m_result.heading = m_rubrik1;
    m_result.seats = m_antValsit;
    m_result.partyCount = m_antPartier;
    for (int i = 1; i <= m_antPartier; ++i) {
        SeatResult::Party& party = m_result.parties[i];
        party.code = m_partiID[i];
        party.name = m_partiNamn[i];
        party.value = values[i];
        party.list = i;
    }
}

void SeatEngineBase::startComparisonList()
{
    m_result.hasComparisonText = m_berTalSW;
    m_result.comparisonText.resize(0);
    if (m_berTalSW)
        m_result.comparisonText.append(QStringLiteral("ValsitNr=(Jämförelsetal)"));
}

void SeatEngineBase::appendComparison(int seat, double value, QChar decimalPoint)
{
    QString& text = m_result.comparisonText;
    text.append(QLatin1String(", "));
    TextNumbers::appendInt(text, seat);
    text.append(QLatin1String("=("));
    if (m_berTalAntDec != 0)
        TextNumbers::appendFixed2(text, value, decimalPoint);
    else
        TextNumbers::appendGeneral(text, value, decimalPoint);
    text.append(QLatin1Char(')'));
}

void SeatEngineBase::writeReportHeading()
{
    m_screen.TextNormal(7);
    for (const QString& line : m_header.lines())
        m_screen.LaggTillRad(line);
    if (m_rubrik1.size() > 1) {
        m_screen.LaggTillRad(QStringLiteral("för"));
        m_screen.TextFet(11);
        m_screen.LaggTillRad(m_rubrik1);
    }
    m_screen.LaggTillRad(QStringLiteral(" "));
}

void SeatEngineBase::writeSeatLines(const SeatResult::List& list)
{
    const int count = list.seatCount;
    m_line.resize(0);
    m_line.append(list.name);
    m_line.append(QLatin1String("\t Antal: "));
    TextNumbers::appendInt(m_line, count);
    m_line.append(QLatin1String("\tValsit: "));
    for (int k = 1; k <= count; ++k) {
        TextNumbers::appendInt(m_line, list.seat[k]);
        if (list.tied[k])
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
    // Only the results of an all-combinations run are counted; a single result ends
    // with the dashes alone.
    if (!m_result.takesLots)
        TextNumbers::appendInt(m_line, counter);
    m_line.append(QLatin1String("-------------------------------------------------------------"
                                "--------------------------"));
    m_screen.LaggTillRad(m_line);
}

void SeatEngineBase::writeResult(int blankLineSize)
{
    m_screen.TextNormal(blankLineSize);
    m_screen.LaggTillRad(QStringLiteral(" "));
    if (m_berTalSW) {
        m_screen.LaggTillRad(m_result.comparisonText);
        m_screen.LaggTillRad(QStringLiteral(" "));
    }
    // Columns wide enough for the widest seat number, so numbers never run together.
    m_screen.setTabTable(
        qMin(qMax(m_antValsit, m_antPartier) + 3, 29),
        {40, ScreenColumns::antalMm(m_antValsit), ScreenColumns::valsitMm(m_antValsit)},
        ScreenColumns::seatMm(m_antValsit));
    m_screen.TextNormal(9);
    for (int list = 1; list <= m_result.listCount; ++list)
        writeSeatLines(m_result.lists[list]);
    writeTieLines();
    if (!m_result.closingLines.isEmpty()) {
        m_screen.LaggTillRad(QStringLiteral(" "));
        for (const QString& line : m_result.closingLines)
            m_screen.LaggTillRad(line);
    }
    writeCounterLine(m_result.counter);
}

void SeatEngineBase::startTies(int seatsToGive, bool takeLots)
{
    m_result.showTies = m_visaLottSW;
    m_ties.start(m_result, seatsToGive, m_lots, takeLots);
}

void SeatEngineBase::writeTieLines()
{
    if (!m_result.showTies || (m_result.tieGroupCount == 0 && m_result.lots.isEmpty()))
        return;
    m_screen.TextNormal(8);
    m_screen.LaggTillRad(QStringLiteral(" "));
    for (const QString& line : LotTexts::lines(m_result))
        m_screen.LaggTillRad(line);
    m_screen.TextNormal(9);
}
