#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "report/ReportHeader.h"
#include "seats/ReportChoices.h"
#include "seats/SeatLot.h"

// The command line of valsit-calc, parsed and checked.
struct CalcOptions
{
    enum class Command { Council, Committee };
    enum class Format { Text, Json };
    enum class Comparison { None, Full, TwoDecimals };
    enum class Cooperation { None, Fixed, All };

    Command command = Command::Council;
    int seats = 0;
    QString inputFile;
    QString districtsFile;
    // valsit-calc council --import: a result file of Valmyndigheten instead of FIL.csv and
    // --districts; --seats then defaults to the file's seats.
    QString importFile;
    QString constituenciesFile; // a council with constituencies: parties and votes per constituency
    // The comparison numbers: none in the text unless asked for; JSON gives them all unless
    // told otherwise (--comparison none leaves them out, 2 rounds them as the text does).
    Comparison comparison = Comparison::None;
    bool comparisonGiven = false;
    // Today's rules (since the 2018 elections): first divisor 1.2 and a 2 % threshold.
    double firstDivisor = 1.2;
    double threshold = 2.0;
    bool thresholdGiven = false; // --threshold was given, not the default
    // --first-divisor or --threshold was given: an imported election then keeps them rather
    // than the rules of its day.
    bool rulesGiven = false;
    Cooperation cooperation = Cooperation::None;
    QString pairs;
    Format format = Format::Text;
    QString title;
    QString org;
    QString pdfFile;       // the paper report goes to this PDF instead of the screen report
    QVector<SeatLot> lots; // --lot SEAT=CODE, in the order given

    // The report choices of the options: the comparison numbers, and the lot lines when
    // lots were given.
    ReportChoices reportChoices() const;
    // The report's first line: the organisation and today.
    ReportHeader header() const;
    // The comparison numbers of the JSON output, as asked or by default all of them.
    Comparison jsonComparison() const { return comparisonGiven ? comparison : Comparison::Full; }

    // Throws CalcError on anything it cannot use.
    static CalcOptions parse(const QStringList& arguments);
};
