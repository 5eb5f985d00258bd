#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

// Number-to-text for long report runs: writes into an existing buffer, so appending a
// number allocates nothing once the buffer has grown.
namespace TextNumbers {

// A plain integer, no blanks or grouping.
void appendInt(QString& out, qint64 value);

// The pattern "0.00": two decimals, halves away from zero, no grouping.
void appendFixed2(QString& out, double value, QChar decimalPoint);

// The general form with up to 15 significant digits.
void appendGeneral(QString& out, double value, QChar decimalPoint);

// The decimal separator of the user's locale.
QChar localeDecimalPoint();

} // namespace TextNumbers
