#pragma once

#include <QtGlobal>

// The exact number of combinations an all-combinations run reports: every way to split
// the parties into lone parties and groups of two or more in which every two members
// form a marked pair. A stopped run says how far it came against this number.
class Kombinationer
{
public:
    // `marked[k]`: pair k (CommitteeInput::pairNumber) may cooperate.
    // `lists`, when given, receives the number of lists of all the combinations together.
    static int antal(int parties, const bool* marked, qint64* lists = nullptr);
};
