#include "cli/CommitteeJsonReport.h"

#include "cli/LotOption.h"
#include <QTextStream>

void CommitteeJsonReport::begin(const SeatResult& run)
{
    m_out << "{\n    \"kind\": \"committee\",\n    \"seats\": " << run.seats
          << ",\n    \"mode\": \"" << m_mode << "\",\n    \"combinations\": [";
    if (m_next)
        m_next->begin(run);
}

void CommitteeJsonReport::result(const SeatResult& result)
{
    if (m_next)
        m_next->result(result);
    LotOption::checkApplied(result);
    m_out << (result.counter > 1 ? ",\n        " : "\n        ") << m_writer.write(result);
}

void CommitteeJsonReport::end(const Summary& summary)
{
    if (m_next)
        m_next->end(summary);
}
