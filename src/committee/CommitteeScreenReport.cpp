#include "committee/CommitteeScreenReport.h"

#include "report/ReportTexts.h"
#include "report/TextNumbers.h"
#include "seats/LotTexts.h"

CommitteeScreenReport::CommitteeScreenReport(ReportWindow* window, const ReportHeader& header,
                                             const CommitteeInput& input, const QString& runLetter)
    : SeatScreenReport(window, header), m_input(input), m_runLetter(runLetter)
{
}

void CommitteeScreenReport::begin(const SeatResult& run)
{
    m_screen.setTabTable(qMin(qMax(run.seats, run.partyCount) + 3, 29), {15, 40, 10}, 6);
    writeReportHeading(run.heading);
    m_screen.TextFet(7);
    m_screen.LaggTillRad(QStringLiteral("Fullmäktige\t\tValsamverkan - ") + m_runLetter);
    m_screen.LaggTillRad(QStringLiteral("Valsit\tPartinamn\tPartiID"));
    m_screen.TextNormal(7);
    for (int i = 1; i <= run.partyCount; ++i) {
        const SeatResult::Party& party = run.parties[i];
        m_line.resize(0);
        TextNumbers::appendInt(m_line, party.value);
        m_line.append(QLatin1Char('\t'));
        m_line.append(party.name);
        m_line.append(QLatin1Char('\t'));
        m_line.append(party.code);
        m_line.append(QLatin1Char('\t'));
        for (int j = 1; j < i; ++j) {
            m_line.append(ReportTexts::pairMark(m_input.marked(j, i)));
            m_line.append(QLatin1Char('\t'));
        }
        m_line.append(party.code);
        m_screen.LaggTillRad(m_line);
    }
    m_screen.LaggTillRad(QStringLiteral(" "));
    m_screen.LaggTillRad(ReportTexts::tieNote());
}

void CommitteeScreenReport::result(const SeatResult& result)
{
    writeResult(result, 9);
}

void CommitteeScreenReport::end(const Summary& summary)
{
    if (summary.undecidedTies) {
        m_screen.TextNormal(8);
        m_screen.LaggTillRad(QStringLiteral(" "));
        m_screen.LaggTillRad(LotTexts::allCombinationsNote());
    }
    if (!summary.stoppedLine.isEmpty()) {
        m_screen.TextFet(9);
        m_screen.LaggTillRad(QStringLiteral(" "));
        m_screen.LaggTillRad(summary.stoppedLine);
    }
}
