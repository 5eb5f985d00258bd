#pragma once

#include "cli/CalcOptions.h"

#include <QString>

struct SeatResult;

// One committee combination as a line of JSON, written by hand into a buffer that is
// kept between combinations: an all-combinations run writes tens of thousands, and
// building a QJsonObject for each costs many times the text report's time. Its number,
// lists (with their parties, council seats and seats won), ties and lots; the comparison
// numbers only as asked for, written as the text report writes them (the general form,
// or two decimals).
class CombinationJson
{
public:
    explicit CombinationJson(CalcOptions::Comparison comparison) : m_comparison(comparison) {}

    // The JSON of the result's combination, valid until the next call.
    const QString& write(const SeatResult& result);

    static void appendString(QString& out, const QString& text);

private:
    CalcOptions::Comparison m_comparison;
    QString m_buffer;
};
