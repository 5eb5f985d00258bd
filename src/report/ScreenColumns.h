#pragma once

#include <QString>

// How wide the columns of a screen report's seat lines must be. The lines are written in
// Times New Roman 9 (metric-compatible Liberation Serif on Linux); a column narrower than
// its text lets the text run past the tab stop, and the next number then follows it
// without a gap ("1 3 4*" reads as 13 and 4). The widths come from the widest number a
// run can print, with room to spare.
namespace ScreenColumns {

// The width of `text` in Times New Roman at `points`, in millimetres.
double timesWidthMm(const QString& text, int points);
// The column of " Antal: n", of "Valsit: " with the first seat number, and of every
// further seat number, for a run that gives at most `seats` seats; never narrower than
// the report's own widths (15, 11 and 7 mm).
int antalMm(int seats);
int valsitMm(int seats);
int seatMm(int seats);

} // namespace ScreenColumns
