#pragma once

#include <QtGlobal>

// The size of a committee run: the number of results (exact: the combinations
// Kombinationer counts) and of printed pages the result windows announce before the run.
struct Omfattning
{
    int resultat;
    int sidor;

    // A run of `results` results with `lists` lists in all, sharing `seats` seats. A
    // result prints a line per list and a line per ten seats; 48 such lines fill an A4
    // page of the committee report (measured on printed runs of 4 to 9 parties and 11 to
    // 350 seats), and a result of more than half a page starts a page of its own.
    static Omfattning of(int results, qint64 lists, int seats);
};
