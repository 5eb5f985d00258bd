#pragma once

#include "council/OddNumberShare.h"
#include "council/ValkretsResult.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The council calculation of a municipality divided into constituencies (valkretsar).
//
// Before 2018 (first divisor 1,4, no threshold) each constituency shares its own seats by
// its own votes. From 2018 (first divisor 1,2 and a threshold) the whole municipality's
// votes decide each party's total, each constituency shares its fixed seats among the
// parties that passed the threshold, a party with more fixed seats than its total hands
// the surplus back, and the rest of every party's total is placed as adjustment seats
// where its votes divided by 2n + 1 are highest.
//
// Every share is the council engine's own allocation; the steps of their own (handing
// back and placing adjustment seats) compare comparison numbers exactly in integers.
// A choice made between equal numbers is marked as a tie: there a lot must decide.
class ValkretsBer
{
public:
    struct Constituency
    {
        QString name;
        int fixedSeats = 0;
        QVector<qint32> votes; // per party, in the order of the codes
    };
    struct Input
    {
        int seats = 0;
        int firstDivisorTenths = 12;   // 14: the older rules
        int thresholdHundredths = 300; // only from 2018
        QStringList codes;
        QStringList names;
        QVector<Constituency> constituencies;
    };

    static ValkretsResult::Rules rulesOf(int firstDivisorTenths)
    {
        return firstDivisorTenths == 14 ? ValkretsResult::Rules::Older
                                        : ValkretsResult::Rules::Current;
    }
    // The fixed seats the constituencies must add up to: all the seats under the older
    // rules, nine tenths rounded down from 2018.
    static int fixedSeatsFor(ValkretsResult::Rules rules, int seats)
    {
        return rules == ValkretsResult::Rules::Older ? seats : seats * 9 / 10;
    }
    // What makes the input unusable, in Swedish for the user; empty when it can be run.
    static QString check(const Input& input);

    // Throws EngineError with the text of check() when the input is unusable.
    const ValkretsResult& calculate(const Input& input);
    const ValkretsResult& result() const { return m_result; }

private:
    void start(const Input& input);
    void shareConstituency(int k, int firstDivisorTenths, const QVector<int>& parties);
    void shareOlder();
    void shareCurrent();
    void handBackSurplus();
    void placeAdjustmentSeats();

    OddNumberShare m_share;
    ValkretsResult m_result;
    QVector<qint32> m_votes; // one share's votes and party codes, reused
    QVector<QString> m_codes;
};
