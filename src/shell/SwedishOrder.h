#pragma once

#include <QString>

// Swedish alphabetical order, the same in the program and in valsit-calc whatever the
// machine's locale: case does not count, Å, Ä and Ö come after Z in that order, and
// other accented letters go with their base letter (é as e, ü as y, æ as ä, ø as ö).
// Names equal but for case or accents are ordered all the same (plain before accented,
// lower case before upper), so sorting is stable from one run to the next.
class SwedishOrder
{
public:
    static int compare(const QString& a, const QString& b);
    static bool lessThan(const QString& a, const QString& b) { return compare(a, b) < 0; }
    bool operator()(const QString& a, const QString& b) const { return lessThan(a, b); }
};
