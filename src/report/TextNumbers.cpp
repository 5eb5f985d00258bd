#include "report/TextNumbers.h"

#include <QLocale>
#include <cmath>
#include <cstdio>

namespace TextNumbers {

namespace {
void appendLatin1(QString& out, const char* text, int length, QChar decimalPoint)
{
    for (int i = 0; i < length; ++i)
        out.append(text[i] == '.' ? decimalPoint : QChar(QLatin1Char(text[i])));
}
} // namespace

void appendInt(QString& out, qint64 value)
{
    char buffer[24];
    int length = 0;
    quint64 magnitude = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    do {
        buffer[length++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0)
        out.append(QLatin1Char('-'));
    while (length)
        out.append(QLatin1Char(buffer[--length]));
}

void appendFixed2(QString& out, double value, QChar decimalPoint)
{
    if (!std::isfinite(value)) {
        char buffer[32];
        const int length = std::snprintf(buffer, sizeof buffer, "%.2f", value);
        appendLatin1(out, buffer, length, decimalPoint);
        return;
    }
    const qint64 hundredths = std::llround(value * 100.0);
    const quint64 magnitude = hundredths < 0 ? quint64(-hundredths) : quint64(hundredths);
    if (hundredths < 0)
        out.append(QLatin1Char('-'));
    appendInt(out, qint64(magnitude / 100));
    out.append(decimalPoint);
    out.append(QLatin1Char(char('0' + magnitude % 100 / 10)));
    out.append(QLatin1Char(char('0' + magnitude % 10)));
}

void appendGeneral(QString& out, double value, QChar decimalPoint)
{
    char buffer[40];
    const int length = std::snprintf(buffer, sizeof buffer, "%.15g", value);
    appendLatin1(out, buffer, length, decimalPoint);
}

QChar localeDecimalPoint()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

} // namespace TextNumbers
