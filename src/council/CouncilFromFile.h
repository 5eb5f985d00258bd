#pragma once

#include "report/ReportHeader.h"

#include <QString>
#include <QVector>

class MessageService;
class Printer;
class ReportWindow;
class RostBer;

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

    // Sets the engine up from the file: seats, rules, heading, district choice, parties.
    // Empty when it can run, else why not, in Swedish. Throws DbError.
    static QString prepare(RostBer& engine, const QString& dbPath, MessageService& messages);
    // Runs the prepared engine: on `printer` when given, else on the engine's screen window
    // (`window`). A file with constituencies gets their calculation.
    static void run(RostBer& engine, const QString& dbPath, const ReportHeader& header,
                    ReportWindow* window, Printer* printer = nullptr);
    // Prepares and runs without a report; throws EngineError when the input cannot be
    // calculated or the file changed while it was read, DbError when it cannot be read.
    static Outcome calculate(const QString& dbPath, MessageService& messages);

    // The parties that won seats: "S 18, M 10, KD 3"
    static QString seatsText(const Outcome& outcome);
};
