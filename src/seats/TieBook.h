#pragma once

#include "seats/SeatResult.h"

// Keeps the tie groups of one allocation and the lots that decide them. An engine calls
// start() before its first seat, open() at a seat where the highest comparison number is
// shared and no group is open, lotWinner() at every seat of an open group, finish() after
// its last seat. Nothing here allocates per seat: the groups and the seat table are fixed
// in size, and the lots are met once per group.
//
// A lot is applied only where it still fits: the group it names must decide who gets a
// seat, have the fingerprint the lot was drawn for, and every seat the group gives must
// have a lot naming a distinct tied list. Otherwise the group's lots are void (or not
// needed, where the group only orders seats) and the seats go in slot order, as without.
class TieBook
{
public:
    // takeLots false: the groups are found, no lot is applied (result.lots is emptied).
    void start(SeatResult& result, int seatsToGive, const QVector<SeatLot>& lots, bool takeLots);
    bool inGroup(int seat) const { return seat <= m_groupLast; }
    // A group of `count` lists tied at `seat` on `number`, in slot order.
    void open(SeatResult& result, int seat, const int* tied, int count, double number);
    // The list a lot gives `seat` to, or 0 when no lot decides it.
    int lotWinner(int seat) const { return m_lotWinner[seat]; }
    void finish(SeatResult& result);

    // The fingerprint of a tie: the seats to give, the rule, the first seat and every
    // tied list's code (or name), value and seats held, hashed the same on every machine.
    static quint64 fingerprint(const SeatResult& result, int seatsToGive, int seat, const int* tied,
                               int count);
    // The list the party `code` stood in (case does not matter), or 0.
    static int listOfCode(const SeatResult& result, const QString& code);

private:
    void applyLots(SeatResult& result, SeatResult::TieGroup& group);

    int m_seatsToGive = 0;
    int m_groupLast = 0;
    int m_lotWinner[SeatResult::MaxSeats + 2] = {};
};
