#pragma once

#include "data/ResultFile.h"

#include <QString>

// Reads any of Valmyndigheten's council result files the program knows, by content: the
// XML of 2010 to 2018, the zip of 2022 and later, or one of the two JSON files inside
// such a zip (the other is looked for beside it). Throws ResultFileError.
class ResultFileReader
{
public:
    static ResultFile read(const QString& path);
};
