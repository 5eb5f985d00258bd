#pragma once

#include "cli/CalcOptions.h"
#include "council/CouncilInput.h"

#include <QStringList>

class QTextStream;

// valsit-calc council: the council engine on a party file and, optionally, the votes
// per district, or on an imported result file of Valmyndigheten.
class CouncilCalc
{
public:
    explicit CouncilCalc(const CalcOptions& options);

    // Reads and checks the input files into input(). Throws CalcError.
    void load();
    const CouncilInput& input() const { return m_input; }
    // Loads, calculates and writes the result.
    void run(QTextStream& out);
    // Which rules an imported election got by its day, when none were given; else empty.
    const QString& rulesNote() const { return m_rulesNote; }

private:
    void loadParties();
    void loadDistricts();
    void loadImport();
    void sortDistricts();
    void applyRules(double firstDivisor, double threshold);
    ReportHeader header() const;

    const CalcOptions& m_options;
    CouncilInput m_input;
    QStringList m_withoutVotes; // parties of the party file listed without votes
    QString m_countNote;        // an imported count not yet complete says so
    QString m_rulesNote;
};
