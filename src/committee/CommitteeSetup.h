#pragma once

#include "committee/CommitteeInput.h"
#include "seats/SeatSetup.h"

#include <QtGlobal>

// The committee calculation as the windows set it up: the parties with their council
// seats, the committee's seats, the heading, the report switches and the cooperation:
// SamvSW(0) the mode (0 none, 2 all combinations, anything else fixed groups), SamvSW(k)
// the mark of pair k (1 = may cooperate). input() is the value ValsitBer takes. The
// setup also counts the runs, whose letters the reports carry.
class CommitteeSetup : public SeatSetup
{
public:
    static constexpr int PairSlots = 122;

    int MaxSamv() const { return m_maxSamv; }
    void setSamvSW(int x, qint16 value);
    qint16 SamvSW(int x);

    // The rule in a few words, for the report's source line: "d'Hondt utan samverkan",
    // "d'Hondt med fast samverkan", "d'Hondt, alla kombinationer av samverkan".
    QString ruleText() const;

    // The size of the run the setup describes, as the windows announce it.
    int AntalResultat() const;
    int AntalSidor() const;

    // Parties 1..AntPartier with their council seats, seats, cooperation, heading and
    // report switches (the lot lines shown when `showLots`).
    CommitteeInput input(bool showLots) const;

    int runNumber() const { return m_runCounter; }
    // Advances the run letter: one input section, one run.
    int nextRunNumber() { return ++m_runCounter; }
    // Puts the run counter back, so that the same calculation written again (a screen
    // report saved as PDF) carries the letter it was shown with.
    void setRunNumber(int run) { m_runCounter = run; }

private:
    int m_maxSamv = 120;
    qint16 m_samvSW[PairSlots] = {};
    int m_runCounter = 0;
};
