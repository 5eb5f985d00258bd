#include "committee/Kombinationer.h"

#include "committee/CommitteeInput.h"

namespace {

constexpr int MaxParties = CommitteeInput::MaxPartiesAllCombinations;

// Parties 1..p-1 are placed; party p joins one of the open groups that all of whose
// members it is marked with, or opens a group of its own. A group left with one member
// is a lone party, which is always allowed.
int count(int p, int n, const bool* marked, int members[][MaxParties], int* sizes, int groups,
          qint64* lists)
{
    if (p > n) {
        if (lists)
            *lists += groups;
        return 1;
    }
    int total = 0;
    for (int g = 0; g < groups; ++g) {
        bool joinable = true;
        for (int m = 0; m < sizes[g] && joinable; ++m)
            joinable = marked[CommitteeInput::pairNumber(members[g][m], p)];
        if (!joinable)
            continue;
        members[g][sizes[g]++] = p;
        total += count(p + 1, n, marked, members, sizes, groups, lists);
        --sizes[g];
    }
    members[groups][0] = p;
    sizes[groups] = 1;
    total += count(p + 1, n, marked, members, sizes, groups + 1, lists);
    sizes[groups] = 0;
    return total;
}

} // namespace

int Kombinationer::antal(int parties, const bool* marked, qint64* lists)
{
    if (lists)
        *lists = 0;
    if (parties < 1 || parties > MaxParties)
        return 0;
    int members[MaxParties][MaxParties] = {};
    int sizes[MaxParties] = {};
    return count(1, parties, marked, members, sizes, 0, lists);
}
