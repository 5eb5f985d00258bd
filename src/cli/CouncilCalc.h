#pragma once

#include "cli/CalcOptions.h"
#include "council/CouncilInput.h"

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

private:
    void loadParties();
    void loadDistricts();
    void loadImport();
    void sortDistricts();

    const CalcOptions& m_options;
    CouncilInput m_input;
};
