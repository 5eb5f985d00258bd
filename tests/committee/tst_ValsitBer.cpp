#include "Collect.h"
#include "Rows.h"
#include "SeatText.h"

#include "committee/ValsitBer.h"
#include "shell/EngineError.h"

#include <QtTest>
#include <memory>

namespace {
// The lists of the last combination, "name:seats|name:seats" (seats as "1*,3": the seat
// numbers in the order won, * for a tie mark); a group is named by its parties' codes.
struct AllocationCase
{
    const char* name;
    const char* councilSeats;
    int seats, mode;
    QList<int> pairs;
    const char* expected;
};
const AllocationCase allocations[] = {
    {"two lists of 3: every seat of list 1 tied", "3,3", 5, 0, {}, "N1:1*,3*,5*|N2:2,4"},
    {"5, 2, 4: the second's seat drawn", "5,2,4", 5, 0, {}, "N1:1,3|N2:4*|N3:2,5"},
    // The tie of seat 3 must not stay on the seats after it.
    {"3, 3, 7: the tie mark ends with its seat", "3,3,7", 5, 0, {}, "N1:3*|N2:4|N3:1,2,5"},
    {"marks do not count without cooperation", "5,2,4", 5, 0, {1}, "N1:1,3|N2:4*|N3:2,5"},
    {"P1 and P2 cooperate", "5,2,4", 5, 1, {1}, "N3:2,5| P1 / P2:1,3,4"},
    {"any mode but 0 and 2 is fixed", "5,2,4", 5, 7, {1}, "N3:2,5| P1 / P2:1,3,4"},
    {"zero seats win only when all are zero", "0,2,0", 5, 0, {}, "N1:|N2:1,2,3,4,5|N3:"},
    {"all zero: first list, always tied", "0,0", 5, 0, {}, "N1:1*,2*,3*,4*,5*|N2:"},
    {"pairs (1,4) and (2,3)", "4,3,2,1", 5, 1, {4, 3}, " P1 / P4:1*,3*,5*| P2 / P3:2,4"},
    {"one list takes all 350 seats", "1,0,0", 350, 0, {}, ""},
};
} // namespace

// The committee engine as a function: input row (council seats, seats, mode and marked
// pairs) to the lists of the result with their seats and tie marks, and its refusals.
class tst_ValsitBer : public QObject
{
    Q_OBJECT

    // Parties "P1".."Pn" named "N1".. with the given council seats.
    static CommitteeInput input(const QString& councilSeats, int seats, int mode,
                                const QList<int>& pairs)
    {
        CommitteeInput in;
        const QStringList list = councilSeats.split(QLatin1Char(','));
        for (int i = 0; i < list.size(); ++i)
            in.parties.append({QStringLiteral("P%1").arg(i + 1), QStringLiteral("N%1").arg(i + 1),
                               list.at(i).toInt()});
        in.seats = seats;
        in.cooperation = mode == 0   ? CommitteeInput::Cooperation::None
                         : mode == 2 ? CommitteeInput::Cooperation::AllCombinations
                                     : CommitteeInput::Cooperation::Fixed;
        in.marks = std::set<int>(pairs.begin(), pairs.end());
        return in;
    }
    static const SeatResult& run(ValsitBer& engine)
    {
        Collect none;
        engine.run(none);
        return engine.result();
    }

private Q_SLOTS:
    void allocation_data() { addRows(allocations); }
    void allocation()
    {
        const AllocationCase& c = row(allocations);
        const CommitteeInput in = input(c.councilSeats, c.seats, c.mode, c.pairs);
        auto engine = std::make_unique<ValsitBer>(in);
        const SeatResult& result = run(*engine);
        QStringList lists;
        for (int l = 1; l <= result.listCount; ++l)
            lists.append(result.lists[l].name + QLatin1Char(':') + SeatText::of(result, l));
        if (c.seats == 350)
            QVERIFY(result.lists[1].seatCount == 350 && result.lists[1].seat[350] == 350);
        else
            QCOMPARE(lists.join('|'), QString(c.expected));
        QCOMPARE(result.counter, 1);
    }

    // The last party marked with each of ten earlier ones that are not marked with each
    // other: every row opens a new group number, up to 10, past the eight group slots a
    // plain reading would have. Every party must still stand in exactly one list.
    void incompleteMarkingBeyondEightGroups()
    {
        QList<int> pairs;
        for (int i = 1; i <= 10; ++i)
            pairs.append(CommitteeInput::pairNumber(i, 11));
        const CommitteeInput in = input(QStringLiteral("1,2,3,4,5,6,7,8,9,10,11"), 20, 1, pairs);
        auto engine = std::make_unique<ValsitBer>(in);
        const SeatResult& result = run(*engine);
        QCOMPARE(result.listCount, 10);
        int councilTotal = 0, seatTotal = 0;
        for (int l = 1; l <= result.listCount; ++l) {
            councilTotal += result.lists[l].value;
            seatTotal += result.lists[l].seatCount;
        }
        QCOMPARE(councilTotal * 100 + seatTotal, 6620); // 66 council seats, 20 seats
        for (int p = 1; p <= 11; ++p)
            QVERIFY(result.parties[p].list >= 1 && result.parties[p].list <= 10);
        QCOMPARE(result.parties[10].list, result.parties[11].list);
        QCOMPARE(result.lists[10].name, QStringLiteral(" P10 / P11"));
    }

    // Refused before anything is reported.
    void allCombinationsRefusesMoreThanNineParties()
    {
        const CommitteeInput in = input(QStringLiteral("1,1,1,1,1,1,1,1,1,1"), 5, 2, {1});
        auto engine = std::make_unique<ValsitBer>(in);
        Collect seen;
        QVERIFY_THROWS_EXCEPTION(EngineError, engine->run(seen));
        QCOMPARE(seen.begun, 0);
    }

    void runLetters()
    {
        QStringList got;
        for (int n : {1, 26, 27, 191})
            got << ValsitBer::runLetterText(n);
        QCOMPARE(got, (QStringList{"A", "Z", "AA", "GI"}));
    }
};

QTEST_GUILESS_MAIN(tst_ValsitBer)
#include "tst_ValsitBer.moc"
