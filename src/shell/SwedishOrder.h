#pragma once

#include <QString>
#include <QStringView>

// The order of a Swedish index: Å, Ä and Ö after Z, upper and lower case alike. Names of
// districts are listed this way wherever the program sorts them.
class SwedishOrder
{
public:
    // Below 0 when a comes first, 0 when they sort alike, above 0 when b comes first.
    static int compare(QStringView a, QStringView b);
    static bool lessThan(const QString& a, const QString& b) { return compare(a, b) < 0; }
};
