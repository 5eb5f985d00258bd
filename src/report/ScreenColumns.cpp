#include "report/ScreenColumns.h"

#include <QtMath>

namespace {

// Advance widths of Times New Roman in ems, for the characters of the seat lines.
double advance(QChar c)
{
    if (c.isDigit())
        return 0.5;
    switch (c.unicode()) {
    case ' ':
        return 0.25;
    case ':':
    case 'i':
    case 'l':
    case 't':
        return 0.278;
    case 's':
        return 0.389;
    case 'a':
        return 0.444;
    case 'n':
        return 0.5;
    case 'A':
    case 'V':
        return 0.722;
    default:
        return 0.5;
    }
}

// The gap left between a column's text and the next stop.
constexpr double GapMm = 2.0;
constexpr int ReportPoints = 9;

QString widest(int seats)
{
    return QString(int(QString::number(qMax(1, seats)).size()), QLatin1Char('0')) +
           QLatin1Char('*');
}

int columnMm(const QString& text, int atLeast)
{
    return qMax(atLeast, int(qCeil(ScreenColumns::timesWidthMm(text, ReportPoints) + GapMm)));
}

} // namespace

namespace ScreenColumns {

double timesWidthMm(const QString& text, int points)
{
    double ems = 0;
    for (const QChar c : text)
        ems += advance(c);
    return ems * points * 25.4 / 72.0;
}

int antalMm(int seats)
{
    return columnMm(QStringLiteral(" Antal: ") + QString::number(qMax(1, seats)), 15);
}

int valsitMm(int seats)
{
    return columnMm(QStringLiteral("Valsit: ") + widest(seats), 11);
}

int seatMm(int seats)
{
    return columnMm(widest(seats), 7);
}

} // namespace ScreenColumns
