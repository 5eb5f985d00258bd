#pragma once

#include <QString>

// Texts both reports, on screen and on paper, print the same.
namespace ReportTexts {

// "* efter valsitnummer ..." explaining the tie mark (two blanks at the end).
const QString& tieNote();

} // namespace ReportTexts
