#pragma once

#include "cli/CalcOptions.h"
#include "cli/PartyTable.h"

#include <QVector>

class MessageService;
class QTextStream;
class ValsitBer;

// valsit-calc committee: the committee engine on a file of council seats, without
// cooperation, with fixed cooperation or with every combination of the marked pairs.
class CommitteeCalc
{
public:
    CommitteeCalc(const CalcOptions& options, MessageService& messages);

    // Reads and checks the input. Throws CalcError.
    void load();
    void prepare(ValsitBer& engine) const;
    // Runs, writing JSON of every combination to out as it is computed when json is set.
    void calculate(ValsitBer& engine, QTextStream* json) const;
    void run(QTextStream& out);

    // Pair numbers from "1,6" or "S-V,M-KD" for the given parties. Throws CalcError.
    static QVector<int> parsePairs(const QString& text, const PartyTable& parties);

private:
    const CalcOptions& m_options;
    MessageService& m_messages;
    PartyTable m_parties;
    QVector<int> m_pairs;
};
