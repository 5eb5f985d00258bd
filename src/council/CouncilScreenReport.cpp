#include "council/CouncilScreenReport.h"

#include "report/ReportTexts.h"
#include "report/TextNumbers.h"

CouncilScreenReport::CouncilScreenReport(ReportWindow* window, const ReportHeader& header,
                                         const CouncilInput& input)
    : SeatScreenReport(window, header), m_input(input)
{
}

void CouncilScreenReport::begin(const SeatResult& run)
{
    m_screen.setTabTable(3, {50, 20, 30}, 0);
    writeReportHeading(run.heading);
    m_screen.TextFet(7);
    m_screen.LaggTillRad(QStringLiteral("Partinamn\tPartiID\tAntal röster"));
    m_screen.TextNormal(7);
    for (int i = 1; i <= run.partyCount; ++i) {
        const SeatResult::Party& party = run.parties[i];
        m_line.resize(0);
        m_line.append(party.name);
        m_line.append(QLatin1Char('\t'));
        m_line.append(party.code);
        m_line.append(QLatin1Char('\t'));
        TextNumbers::appendInt(m_line, party.value);
        m_screen.LaggTillRad(m_line);
    }
    m_screen.LaggTillRad(run.rule.text);

    const int n = run.partyCount;
    if (m_input.showDistricts) {
        m_screen.LaggTillRad(QStringLiteral(" "));
        // A stop for every party: an imported election may have up to sixteen.
        m_screen.setTabTable(qMax(10, n + 1), {50}, 12);
        QString heading = QStringLiteral("Distrikt namn/röster per parti");
        for (int i = 1; i <= n; ++i)
            heading += QLatin1Char('\t') + run.parties[i].code;
        m_screen.TextFet(7);
        m_screen.LaggTillRad(heading);
        m_screen.TextNormal(9);
        for (const CouncilInput::District& d : m_input.districts) {
            m_line.resize(0);
            m_line.append(d.name);
            for (int i = 0; i < n; ++i) {
                m_line.append(QLatin1Char('\t'));
                TextNumbers::appendInt(m_line, i < d.votes.size() ? d.votes.at(i) : 0);
            }
            m_screen.LaggTillRad(m_line);
        }
    }
    m_screen.LaggTillRad(QStringLiteral(" "));
    m_screen.TextNormal(7);
    m_screen.LaggTillRad(ReportTexts::tieNote());
}

void CouncilScreenReport::result(const SeatResult& result)
{
    writeResult(result, 8);
}
