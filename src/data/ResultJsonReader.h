#pragma once

#include "data/ResultFile.h"

#include <QByteArray>

// Reads a municipal council result of 2022 and later: the votes per voting district
// (`…_rostfordelning_<kod>_KF.json`) and the municipality with its constituencies and
// seats (`…_mandatfordelning_<kod>_KF.json`). Numbers may be written as strings and
// fields may be null. Refuses another election, a district not yet counted and votes that
// do not add up. Throws ResultFileError.
class ResultJsonReader
{
public:
    static ResultFile read(const QByteArray& votes, const QByteArray& seats);
};
