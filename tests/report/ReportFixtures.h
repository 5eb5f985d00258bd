#pragma once

// Inputs for the report tests, with a fixed report header.

#include "committee/CommitteeInput.h"
#include "council/CouncilInput.h"
#include "report/ReportHeader.h"

#include <QString>
#include <vector>

namespace ReportFixtures {

struct Party
{
    QString code;
    QString name;
    qint32 value; // votes (council) or council seats (committee)
};

inline ReportHeader header()
{
    return {QStringLiteral("Åby kommun"), QStringLiteral("2026-09-14")};
}

inline CouncilInput council(int seats, const std::vector<Party>& parties,
                            const QString& heading = QString())
{
    CouncilInput in;
    in.seats = seats;
    for (const Party& p : parties)
        in.parties.append({p.code, p.name, p.value});
    in.heading = heading;
    return in;
}

// No cooperation unless the pairs are marked afterwards.
inline CommitteeInput committee(int seats, const std::vector<Party>& parties,
                                const QString& heading = QString())
{
    CommitteeInput in;
    in.seats = seats;
    for (const Party& p : parties)
        in.parties.append({p.code, p.name, p.value});
    in.heading = heading;
    return in;
}

} // namespace ReportFixtures
