#pragma once

#include <QSet>
#include <QString>

// A short code for a party the result file names without an abbreviation (small local
// parties of 2022 on): the initials of its name, or the start of a one-word name, in
// capitals ("Kommunens Väl" KV, "Norrbypartiet" NOR), made unique among the codes already
// taken with a digit. The party keeps its full name beside it.
class PartyCode
{
public:
    static constexpr int MaxLength = 6;

    // `taken` holds the codes in use, in capitals; the new code is added to it.
    static QString fromName(const QString& name, const QString& fallback, QSet<QString>& taken);
};
