#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "seats/SeatLot.h"

class SeatEngineBase;

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
    Comparison comparison = Comparison::None;
    // Today's rules (since the 2018 elections): first divisor 1.2 and a 2 % threshold.
    double firstDivisor = 1.2;
    double threshold = 2.0;
    bool thresholdGiven = false; // --threshold was given, not the default
    Cooperation cooperation = Cooperation::None;
    QString pairs;
    Format format = Format::Text;
    QString title;
    QString org;
    QString pdfFile;       // the paper report goes to this PDF instead of the screen report
    QVector<SeatLot> lots; // --lot SEAT=CODE, in the order given

    // Report header (organisation, today), seats, heading and comparison-number
    // switches, the same for both engines.
    void applyTo(SeatEngineBase& engine) const;

    // Throws CalcError on anything it cannot use.
    static CalcOptions parse(const QStringList& arguments);
};
