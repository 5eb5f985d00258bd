#pragma once

// The size of an all-combinations run, estimated from the number of marked pairs: the
// number of results and of printed pages the result windows announce before the run.
struct Omfattning
{
    int resultat;
    int sidor;

    static Omfattning forMarkedPairs(int markedPairs);
};
