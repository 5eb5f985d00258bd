#pragma once

#include <QString>

class QWidget;

// A key that a field refuses is not dropped in silence: a short beep, and the status line
// of the field's window says why, so "4,5" does not quietly become 45.
namespace RefusedKey {
void tell(QWidget* field, const QString& why);
// The reason for a character a filter refused: the filter is asked what it takes.
QString reason(QChar refused, bool digitsOnly);
} // namespace RefusedKey
