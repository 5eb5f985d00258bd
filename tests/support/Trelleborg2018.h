#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Trelleborg's council election of 2018, from Valmyndigheten's final count
// (slutresultat_1287K.xml): 51 seats, two constituencies of 24 and 21 fixed seats, the
// votes of every party per constituency, and the published seats per constituency
// (fixed, "+" adjustment) in the order of the codes. V has 2,99 % and takes no seat.
namespace Trelleborg2018 {

inline QStringList codes()
{
    return {"M", "C", "L", "KD", "S", "V", "MP", "SD", "FI", "SÖS", "MED", "K", "DjuP", "TRP"};
}
inline QStringList constituencies()
{
    return {"Trelleborgs Första", "Trelleborgs Andra"};
}
inline QVector<int> fixedSeats()
{
    return {24, 21};
}
inline QVector<QVector<int>> votes()
{
    return {{3392, 788, 741, 620, 3637, 473, 541, 4079, 22, 639, 47, 36, 42, 15},
            {2982, 658, 537, 766, 3069, 382, 559, 3152, 15, 1331, 15, 24, 14, 15}};
}
inline QString publishedSeats()
{
    return QStringLiteral("6 1+1 1 1 6+1 0 1 7 0 1 0 0 0 0|5+1 1 1 1+1 5 0 1 5+1 0 2+1 0 0 0 0");
}
// The CSV of valsit-calc --constituencies.
inline QString csv()
{
    QString out = QStringLiteral("constituency,fixed_seats,code,name,votes\n");
    for (int k = 0; k < 2; ++k)
        for (int p = 0; p < codes().size(); ++p)
            out += QStringLiteral("%1,%2,%3,,%4\n")
                       .arg(constituencies().at(k))
                       .arg(fixedSeats().at(k))
                       .arg(codes().at(p))
                       .arg(votes().at(k).at(p));
    return out;
}

} // namespace Trelleborg2018
