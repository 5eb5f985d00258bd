#pragma once

#include "council/CouncilInput.h"
#include "seats/SeatSetup.h"

#include <QtGlobal>

// The council calculation as the windows set it up: the parties with their votes, the
// seats, the rules, the heading and the report switches. input() is the value RostBer
// takes; the run adds the districts, lots and published seats it reads from the file.
class CouncilSetup : public SeatSetup
{
public:
    void setRoster(int x, qint32 value);
    qint32 Roster(int x) const;

    bool VisaDistriktSW() const { return m_visaDistriktSW; }
    void setVisaDistriktSW(bool on) { m_visaDistriktSW = on; }

    // Current Swedish rules beyond the classic method: the first divisor (1.4 or 1.2)
    // and a threshold in percent of all votes entered (0 = none).
    double ForstaDivisor() const { return m_firstDivisorTenths / 10.0; }
    void setForstaDivisor(double value);
    double Sparr() const { return m_thresholdHundredths / 100.0; }
    void setSparr(double percent);

    // The rule in a few words, for the report's source line: "första divisor 1.2 och spärr
    // 2 %", "första divisor 1.4 utan spärr".
    QString ruleText() const;

    // Parties 1..AntPartier with their votes, seats, rules, heading and report switches
    // (the lot lines shown when `showLots`).
    CouncilInput input(bool showLots) const;
    // After a run: every party's seats as PartiValRes, for "Lagra framräknade valsit".
    void takeSeats(const SeatResult& result);

private:
    qint32 m_roster[Slots] = {};
    bool m_visaDistriktSW = false;
    int m_firstDivisorTenths = 14;
    int m_thresholdHundredths = 0;
};
