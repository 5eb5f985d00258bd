#pragma once

#include <QString>

// Texts both reports, on screen and on paper, print the same.
namespace ReportTexts {

// "* efter valsitnummer ..." explaining the tie mark (two blanks at the end).
const QString& tieNote();
// The mark of a pair in a committee report's input section: "X" when the pair may
// cooperate, else a no-break space.
const QString& pairMark(bool marked);

} // namespace ReportTexts
