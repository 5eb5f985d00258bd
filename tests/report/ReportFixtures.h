#pragma once

// Engines set up for the paper report tests, with a fixed report header.

#include "FakeMessageService.h"
#include "committee/ValsitBer.h"
#include "council/RostBer.h"
#include "report/ReportHeader.h"

#include <QString>
#include <QStringList>
#include <type_traits>
#include <utility>
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

// Either engine with the parties' votes (council) or council seats (committee); a committee
// with no pair marked.
template <typename Engine>
void load(Engine& engine, int seats, const std::vector<Party>& parties,
          const QString& heading = QString())
{
    engine.setReportHeader(header());
    engine.setAntValsit(seats);
    engine.setAntPartier(int(parties.size()));
    for (int i = 1; i <= int(parties.size()); ++i) {
        engine.setPartiID(i, parties[i - 1].code);
        engine.setPartiNamn(i, parties[i - 1].name);
        if constexpr (std::is_same_v<Engine, RostBer>)
            engine.setRoster(i, parties[i - 1].value);
        else
            engine.setPartiValRes(i, parties[i - 1].value);
    }
    engine.setRubrik1(heading);
    if constexpr (std::is_same_v<Engine, ValsitBer>) {
        for (int k = 1; k <= engine.MaxSamv(); ++k)
            engine.setSamvSW(k, 0);
        engine.setSamvSW(0, 0);
    }
}
// The standard calling order; districts as (name, votes per slot).
inline void runCouncil(RostBer& engine,
                       const std::vector<std::pair<QString, std::vector<qint32>>>& districts = {})
{
    engine.BearbBest();
    for (const auto& d : districts) {
        engine.setDistrikt(d.first);
        for (int i = 0; i < int(d.second.size()); ++i)
            engine.setDRoster(i + 1, d.second[i]);
        engine.BearbBest1();
    }
    engine.BearbBest2();
}

// Mode 1 (fixed) or 2 (all combinations) with the given pairs marked.
inline void markPairs(ValsitBer& engine, qint16 mode, const std::vector<int>& pairs)
{
    for (int k : pairs)
        engine.setSamvSW(k, 1);
    engine.setSamvSW(0, mode);
}

inline void runCommittee(ValsitBer& engine)
{
    engine.AntalResultat();
    engine.BearbBest();
}

} // namespace ReportFixtures
