#pragma once

#include "cli/CalcOptions.h"
#include "cli/PartyTable.h"
#include "committee/CommitteeInput.h"

#include <QVector>

class QTextStream;

// valsit-calc committee: the committee engine on a file of council seats, without
// cooperation, with fixed cooperation or with every combination of the marked pairs.
class CommitteeCalc
{
public:
    explicit CommitteeCalc(const CalcOptions& options);

    // Reads and checks the input into input(). Throws CalcError.
    void load();
    const CommitteeInput& input() const { return m_input; }
    void run(QTextStream& out);
    // The report of a committee calculation as the options ask for it: text, JSON or PDF.
    static void write(const CommitteeInput& input, const CalcOptions& options,
                      const ReportHeader& header, QTextStream& out);

    // Pair numbers from "1,6" or "S-V,M-KD" for the given parties. Throws CalcError.
    static QVector<int> parsePairs(const QString& text, const PartyTable& parties);

private:
    const CalcOptions& m_options;
    CommitteeInput m_input;
};
