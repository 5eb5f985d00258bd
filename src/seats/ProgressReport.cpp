#include "seats/ProgressReport.h"

#include "report/ProgressIndicator.h"

void ProgressReport::begin(const SeatResult& run)
{
    if (m_bar)
        m_bar->setMaximum(m_estimate);
    m_report.begin(run);
}

void ProgressReport::result(const SeatResult& result)
{
    if (m_bar) {
        if (m_bar->maximum() < result.counter)
            m_bar->setMaximum(result.counter);
        m_bar->setValue(result.counter);
    }
    m_report.result(result);
}

void ProgressReport::end(const Summary& summary)
{
    m_report.end(summary);
    // A stopped run's bar stays where it stopped.
    if (m_bar && summary.stoppedLine.isEmpty())
        m_bar->setValue(m_bar->maximum());
}
