#pragma once

#include "cli/CombinationJson.h"
#include "seats/SeatReport.h"

class QTextStream;

// valsit-calc committee --format json: one document whose combinations are written as
// they are made (all combinations of nine parties would not fit in memory as one
// document), each checked against the lots given. Results pass on to `next` (the paper
// report with --pdf) when there is one.
class CommitteeJsonReport : public SeatReport
{
public:
    CommitteeJsonReport(QTextStream& out, const char* mode, CalcOptions::Comparison comparison,
                        SeatReport* next)
        : m_out(out), m_mode(mode), m_writer(comparison), m_next(next)
    {
    }

    void begin(const SeatResult& run) override;
    void result(const SeatResult& result) override;
    void end(const Summary& summary) override;

private:
    QTextStream& m_out;
    const char* m_mode;
    CombinationJson m_writer;
    SeatReport* m_next;
};
