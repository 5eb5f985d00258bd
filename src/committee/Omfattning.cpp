#include "committee/Omfattning.h"

Omfattning Omfattning::forMarkedPairs(int markedPairs)
{
    // Exact (Bell numbers) at 1, 3, 6, 10, 15, 21, 28 pairs (all pairs of 2..8 parties),
    // interpolated between them.
    static const Omfattning table[] = {
        {1, 1},      {2, 1},       {3, 1},       {5, 1},        {7, 2},        {10, 2},
        {15, 3},     {20, 3},      {27, 4},      {37, 6},       {52, 8},       {67, 10},
        {87, 13},    {114, 17},    {151, 22},    {203, 30},     {255, 37},     {322, 47},
        {409, 58},   {523, 75},    {674, 97},    {877, 126},    {1080, 155},   {1335, 191},
        {1657, 237}, {2066, 296},  {2589, 370},  {3263, 467},   {4140, 592},   {5017, 718},
        {6200, 900}, {7400, 1100}, {8800, 1300}, {11000, 1600}, {14000, 2000}, {18000, 2600},
    };
    if (markedPairs < 0)
        return {0, 0};
    if (markedPairs <= 35)
        return table[markedPairs];
    if (markedPairs <= 45)
        return {24000, 3500};
    return {0, 0};
}
