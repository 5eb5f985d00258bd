#pragma once

#include "seats/SeatResult.h"

#include <QDateTime>
#include <QStringList>
#include <QVector>

class RandomSource;

// Lots for one tie group of a result: drawn by the program, or recorded as drawn by hand.
// Either way each seat the group gives gets one lot, with the group's fingerprint.
namespace LotDraw {

// The groups that decide who gets a seat and that no lot has decided yet.
QVector<int> openGroups(const SeatResult& result);
// The seats group g gives out (the first that many of its tied lists get one).
int seatsGiven(const SeatResult& result, int g);

// A fair draw: every order of the tied lists equally likely; the first lists drawn take
// the seats in order.
QVector<SeatLot> byProgram(const SeatResult& result, int g, RandomSource& random,
                           const QDateTime& when);
// The winners as drawn by hand (list numbers, one per seat given, in seat order).
QVector<SeatLot> byHand(const SeatResult& result, int g, const QVector<int>& winners,
                        const QString& drawnBy, const QDateTime& when, const QString& note);

// A code that names the list in a lot: the party's own, or the first member's.
QString codeOfList(const SeatResult& result, int list);

} // namespace LotDraw
