#pragma once

#include "seats/SeatLot.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

// One allocation as the reports and valsit-calc read it: the run's parties, the lists
// that stood (a party alone, or a group of cooperating parties), each list's seats in the
// order won with their tie marks, the comparison number of every seat and the run's rule.
//
// An engine owns one and fills it in place for every calculation (the all-combinations
// run makes tens of thousands), so the tables are fixed in size and nothing in a run
// allocates per seat.
struct SeatResult
{
    static constexpr int MaxSeats = 350;
    static constexpr int MaxParties = 17; // slots 1..17
    static constexpr int MaxLists = 24;   // lists 1..24

    enum class Method { ModifiedOddNumber, DHondt };

    struct Rule
    {
        Method method = Method::ModifiedOddNumber;
        int firstDivisorTenths = 14; // 14 or 12 for the council; 10 for d'Hondt
        int thresholdHundredths = 0; // share of all votes, in hundredths of a percent
        QString text;                // the report's line naming the rule (empty: none to name)
        double firstDivisor() const { return firstDivisorTenths / 10.0; }
        double threshold() const { return thresholdHundredths / 100.0; }
    };

    struct Party
    {
        QString code;
        QString name;
        qint64 value = 0; // votes (council) or council seats (committee)
        int list = 0;     // the list the party stood in
    };

    struct List
    {
        QString name; // a party's name, or its members' codes (" S / V / ") for a group
        QString code; // the party's code; empty for a group
        qint64 value = 0;
        bool eligible = true; // reached the threshold
        int seatCount = 0;
        qint32 seat[MaxSeats + 1] = {}; // 1..seatCount: seat numbers in the order won
        bool tied[MaxSeats + 1] = {};   // the seat's comparison number equalled another's
    };

    QString heading;
    Rule rule;
    int seats = 0; // seats to share, as asked
    int partyCount = 0;
    Party parties[MaxParties + 1];
    int listCount = 0;
    List lists[MaxLists + 1];
    // The comparison number that won seat s (1..seats) and the list that won it.
    double winningNumber[MaxSeats + 1] = {};
    int winningList[MaxSeats + 1] = {};
    // The comparison-number list as the reports print it, when it was asked for.
    bool hasComparisonText = false;
    QString comparisonText;
    // The running number of this calculation within the run.
    int counter = 0;

    // Seats where two or more lists had the same, highest comparison number. The tied
    // lists take the seats firstSeat..lastSeat one each; when lastSeat lies past the last
    // seat to give, the group decides who gets a seat (a lot is needed), else it only
    // decides the order of seats every tied list gets.
    struct TieGroup
    {
        int firstSeat = 0;
        int lastSeat = 0;
        int listCount = 0;
        int lists[MaxLists + 1] = {}; // 0..listCount-1, in slot order
        double number = 0;
        bool decides = false;
        bool decidedByLot = false;
        quint64 fingerprint = 0;
    };
    static constexpr int MaxTieGroups = MaxSeats / 2 + 1;
    int tieGroupCount = 0;
    TieGroup tieGroups[MaxTieGroups];
    // Whether the reports show the ties and lots under the result.
    bool showTies = false;
    // Whether this run takes lots (an all-combinations run takes none).
    bool takesLots = true;
    // The lots handed to the engine, with what became of each.
    QVector<SeatLot> lots;
    // Lines the reports write under the result (the council's comparison with the seats
    // Valmyndigheten published); none for most runs.
    QStringList closingLines;
};
