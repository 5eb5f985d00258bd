#pragma once

#include <QtGlobal>

// The exact number of combinations an all-combinations run reports: every way to split
// the parties into lone parties and groups of two or more in which every two members
// form a marked pair. A stopped run says how far it came against this number.
class Kombinationer
{
public:
    // `marks` is the engine's pair table (slot k the mark of pair k, 1 = marked).
    // `lists`, when given, receives the number of lists of all the combinations together.
    static int antal(int parties, const qint16* marks, qint64* lists = nullptr);
};
