#pragma once

#include "data/ResultFileError.h"

#include <QString>
#include <QtGlobal>

// Counts no municipality can have: a result file that states more is damaged or made up,
// and is refused before any of its numbers reach a calculation (whose counts are 32-bit).
namespace ResultLimits {

constexpr qint64 MaxVotes = 10'000'000;
constexpr qint64 MaxSeats = 350;
// The largest real file is under 3 MB; anything far larger is not a result file, and is
// refused before it is read into memory.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

inline qint64 votes(qint64 n, const QString& where)
{
    if (n > MaxVotes)
        throw ResultFileError(
            QStringLiteral("Filen anger %1 röster (%2); så många röster har ingen kommun. Filen "
                           "kan inte användas.")
                .arg(n)
                .arg(where));
    return n;
}

inline int seats(qint64 n, const QString& where)
{
    if (n > MaxSeats)
        throw ResultFileError(
            QStringLiteral("Filen anger %1 mandat (%2); en kommun har högst %3. Filen kan inte "
                           "användas.")
                .arg(n)
                .arg(where)
                .arg(MaxSeats));
    return int(n);
}

} // namespace ResultLimits
