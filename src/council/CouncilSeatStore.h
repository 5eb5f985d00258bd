#pragma once

#include "council/CouncilFromFile.h"

#include <QDateTime>
#include <QString>

class ElectionDatabase;

// Stores a council result as the parties' council seats (Partier.PartiValRes), the input
// of the committee calculation, together with the fingerprint of the input it came from
// (ElectionSettings). One transaction, in which the input is checked once more: a result
// whose input the file no longer holds is never stored.
class CouncilSeatStore
{
public:
    // Parties of the result get their seats; a party that took no part keeps its own.
    // Throws EngineError when the file's input differs from the outcome's, DbError on
    // failure.
    static void store(ElectionDatabase& db, const CouncilFromFile::Outcome& outcome,
                      const QDateTime& when);
    // What the user is told: "Mandaten för S 18, M 10 har lagrats som antal valsit i
    // fullmäktige."
    static QString storedText(const CouncilFromFile::Outcome& outcome);
    // True when the council seats in the file were stored from the input it holds now, or
    // were not stored by a calculation at all (typed, or from an older version).
    static bool matchesInput(ElectionDatabase& db, QString* storedAt = nullptr);
};
