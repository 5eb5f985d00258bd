#pragma once

#include "data/ResultFile.h"

#include <QByteArray>

// Reads a municipal council result of 2022 and later: the votes per voting district
// (`…_rostfordelning_<kod>_KF.json`) and the municipality with its constituencies and
// seats (`…_mandatfordelning_<kod>_KF.json`), of 2022 and 2026 alike. Numbers may be
// written as strings and fields may be null; a byte-order mark is skipped. Districts not
// yet counted are left out (the file says how many there are); seats not yet decided
// leave the parties without published seats. Refuses a rehearsal file ("test": true),
// another election, counts no municipality can have, a party or district twice and votes
// that do not add up. Throws ResultFileError.
class ResultJsonReader
{
public:
    static ResultFile read(const QByteArray& votes, const QByteArray& seats);
};
