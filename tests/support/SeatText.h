#pragma once

#include <QString>

class RostBer;
class ValsitBer;

// A party's or list's seats as text, "1*,3*,5": the seat numbers in the order won, "*"
// where the seat carries the tie mark. Makes allocation tables easy to read.
namespace SeatText {
QString council(const RostBer& engine, int row);
QString committee(const ValsitBer& engine, int list);
} // namespace SeatText
