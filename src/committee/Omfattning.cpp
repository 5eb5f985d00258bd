#include "committee/Omfattning.h"

#include <QtMath>

Omfattning Omfattning::of(int results, qint64 lists, int seats)
{
    if (results < 1)
        return {0, 0};
    constexpr double LinesPerPage = 48;
    const double lines = double(lists) / results + seats / 10.0;
    const double pages = lines > LinesPerPage / 2 ? double(results) * qCeil(lines / LinesPerPage)
                                                  : qCeil(double(results) * lines / LinesPerPage);
    return {results, int(qMin(pages, 2e9))};
}
