#pragma once

#include "report/ReportHeader.h"

#include <QString>
#include <QVector>

#include <memory>

class CouncilSetup;
class ElectionDatabase;
class Printer;
class ReportWindow;

// The council calculation made from an election file alone, as the vote entry window
// makes it: the parties with votes, largest first; the seats, rules, heading and district
// choice of the election (ElectionSettings); its constituencies, lots and published seats.
// "Lagra framräknade valsit" calculates this way before it stores, so what it stores is
// what the file holds now, and valsit-calc --database gives what the window would.
class CouncilFromFile
{
public:
    struct PartySeats
    {
        QString code;
        int seats = 0;
    };
    struct Outcome
    {
        QVector<PartySeats> parties; // in the calculation's order
        QString fingerprint;         // of the input (CouncilFingerprint)
    };

    // Sets the calculation up from the file: seats, rules, heading, district choice, parties.
    // Empty when it can run, else why not, in Swedish. Throws DbError.
    static QString prepare(CouncilSetup& setup, const std::shared_ptr<ElectionDatabase>& db);
    // Runs the prepared calculation: on `printer` when given, else into `window`. A file with
    // constituencies gets their calculation. The seats go back to the setup.
    static void run(CouncilSetup& setup, ElectionDatabase& db, const ReportHeader& header,
                    ReportWindow* window, Printer* printer = nullptr);
    // Prepares and runs without a report, all in one read of the file, so the fingerprint
    // is that of what was calculated. Throws EngineError when the input cannot be
    // calculated, DbError when the file cannot be read.
    static Outcome calculate(const std::shared_ptr<ElectionDatabase>& db);

    // The parties that won seats: "S 18, M 10, KD 3"
    static QString seatsText(const Outcome& outcome);
};
