#pragma once

#include "data/ResultFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Reads any of Valmyndigheten's council result files the program knows, by content: the
// XML of 2010 to 2018, the zip of 2022 and later, or one of the two JSON files inside
// such a zip (the other is looked for beside it). Only a regular file of at most
// ResultLimits::MaxFileBytes is read. Signatures beside the JSON files are checked
// against `keys` (PEM certificates or public keys; the shipped ones by default).
// Throws ResultFileError.
class ResultFileReader
{
public:
    static ResultFile read(const QString& path);
    static ResultFile read(const QString& path, const QList<QByteArray>& keys);
};
