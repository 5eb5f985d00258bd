#pragma once

#include "council/ValkretsResult.h"

#include <QString>
#include <QVector>

// The report of a council run with constituencies as lines of TAB-separated cells, read
// by the screen and the paper report alike: the rules and the parties left out by the
// threshold, then per constituency the parties' fixed seats with their seat numbers (and
// the comparison numbers when asked for), any surplus seat handed back, the adjustment
// seats with the constituency each went to, and the totals.
class ValkretsReportText
{
public:
    enum class Kind { Heading, Bold, Normal, Numbers, Blank };
    struct Line
    {
        Kind kind = Kind::Normal;
        QString text;
    };
    // 2 decimals or, with fullNumbers, every decimal needed.
    struct Options
    {
        bool comparisonNumbers = false;
        bool fullNumbers = false;
    };

    static QVector<Line> lines(const ValkretsResult& result, const Options& options);
    // "* betyder ...": the note under a report that holds ties.
    static QString tieNote();
    static bool hasTies(const ValkretsResult& result);
};
