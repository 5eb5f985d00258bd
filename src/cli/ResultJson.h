#pragma once

#include <QJsonArray>
#include <QJsonObject>

struct SeatResult;

// valsit-calc's JSON of a result. Qt writes the numbers, so they carry a decimal point
// whatever the locale.
namespace ResultJson {
// A list's seats: [{"number": 1, "tie": true}, ...].
QJsonArray seats(const SeatResult& result, int list);
// The council's whole answer: kind, seats, rule, parties and comparison numbers.
QJsonObject council(const SeatResult& result);
} // namespace ResultJson
