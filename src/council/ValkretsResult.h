#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

// A council run with constituencies, as the reports and valsit-calc read it: every
// party's total, each constituency's fixed seats in the order won, the surplus fixed seats
// handed back and the adjustment seats with the constituency each went to. Parties and
// constituencies are indexed from 0 in the order they were given.
struct ValkretsResult
{
    // Before 2018 every constituency shares its own seats (1,4, no threshold); from 2018
    // the whole municipality decides each party's total, the constituencies share the
    // fixed seats and adjustment seats make up the difference.
    enum class Rules { Older, Current };

    struct Party
    {
        QString code;
        QString name;
        qint64 votes = 0;      // in the whole municipality
        bool takesPart = true; // reached the threshold
        bool others = false;   // the valid votes of no party: never a seat
        int total = 0;
        bool totalTied = false; // its last seat of the whole municipality was won on a tie
        int fixed = 0;          // after any surplus was handed back
        int adjustment = 0;
    };

    // A fixed seat: the constituency's seat number and the comparison number that won it.
    struct Seat
    {
        int number = 0;
        int party = 0;
        double value = 0;
        bool tied = false;
        bool handedBack = false; // came to this party when another gave back a surplus seat
    };

    struct Constituency
    {
        QString name;
        int fixedSeats = 0;
        QVector<qint32> votes; // per party
        QVector<int> fixed;    // per party
        QVector<int> adjustment;
        QVector<Seat> seats; // in the order won; a handed-back seat keeps its number
    };

    // A surplus fixed seat given back by `from` in a constituency and won there by `to`.
    struct HandBack
    {
        int constituency = 0;
        int number = 0;
        int from = 0;
        int to = 0;
        double fromValue = 0; // the comparison number it was won with
        double toValue = 0;
        bool tied = false; // either choice was made between equal comparison numbers
    };

    struct AdjustmentSeat
    {
        int party = 0;
        int constituency = 0;
        double value = 0; // the party's votes there divided by (2n + 1)
        bool tied = false;
    };

    Rules rules = Rules::Current;
    int seats = 0;
    int firstDivisorTenths = 12;
    int thresholdHundredths = 0;
    QVector<Party> parties;
    QVector<Constituency> constituencies;
    QVector<HandBack> handBacks;
    QVector<AdjustmentSeat> adjustmentSeats;

    int fixedSeats() const
    {
        int sum = 0;
        for (const Constituency& c : constituencies)
            sum += c.fixedSeats;
        return sum;
    }
};
