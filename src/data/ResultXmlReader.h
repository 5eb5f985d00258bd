#pragma once

#include "data/ResultFile.h"

#include <QByteArray>

// Reads a municipal council result file of 2010 to 2018 (XML, ISO-8859-1): the party
// dictionary, the municipality with its seats, its constituencies and their voting and
// collection districts, each with its parties' votes (registered small parties nested
// among the other valid votes become parties of their own; votes written by hand are
// others). Checks that every level adds up and that the file is a council election.
// Throws ResultFileError.
class ResultXmlReader
{
public:
    static ResultFile read(const QByteArray& data);
};
