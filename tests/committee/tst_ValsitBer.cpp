#include "FakeMessageService.h"
#include "Rows.h"
#include "SeatText.h"

#include "committee/ValsitBer.h"
#include "shell/EngineError.h"

#include <QtTest>
#include <stdexcept>

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

// The committee engine: corrections, the allocation over lists with its tie marks and the
// groups of the fixed mode. (The comparison-number list is formatted as the council's.)
class tst_ValsitBer : public QObject
{
    Q_OBJECT

    // Parties "P1".."Pn" named "N1".. with the given council seats.
    static void load(ValsitBer& engine, const QString& councilSeats, int seats)
    {
        const QStringList list = councilSeats.split(QLatin1Char(','));
        engine.setAntPartier(int(list.size()));
        for (int i = 0; i < list.size(); ++i) {
            engine.setPartiID(i + 1, QStringLiteral("P%1").arg(i + 1));
            engine.setPartiNamn(i + 1, QStringLiteral("N%1").arg(i + 1));
            engine.setPartiValRes(i + 1, list.at(i).toInt());
        }
        engine.setAntValsit(seats);
    }
    static void markPairs(ValsitBer& engine, qint16 mode, const QList<int>& pairs)
    {
        for (int k = 1; k <= 120; ++k)
            engine.setSamvSW(k, pairs.contains(k) ? 1 : 0);
        engine.setSamvSW(0, mode);
    }

private Q_SLOTS:
    // The committee's own slots; the corrections both engines share are in tst_RostBer.
    void corrections()
    {
        FakeMessageService messages;
        ValsitBer engine(messages);
        engine.setSamvSW(-1, 1);
        engine.setSamvSW(121, 2);
        engine.setSamvSW(0, 3);
        engine.setSamvT(-1, QStringLiteral("7"));
        engine.setSamvT(17, QStringLiteral("8"));
        QCOMPARE(QList<int>({engine.SamvSW(120), engine.SamvSW(0), engine.SamvSW(121)}),
                 QList<int>({2, 3, 2}));
        QCOMPARE(engine.SamvT(16) + engine.SamvT(17), "88");
        QCOMPARE(messages.texts(), (QStringList{"SamvSW kan bara lagras med positiva värden",
                                                "SamvSW kan bara lagras med värde upp till 120",
                                                "SamvT kan bara lagras med positiva värden",
                                                "SamvT kan bara lagras med värde upp till 16",
                                                "SamvSW kan bara hämtas med värde upp till 120",
                                                "SamvT kan bara hämtas med värde upp till 16"}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, engine.SamvSW(-1));
    }

    void allocation_data() { addRows(allocations); }
    void allocation()
    {
        const AllocationCase& c = row(allocations);
        FakeMessageService messages;
        ValsitBer engine(messages);
        load(engine, c.councilSeats, c.seats);
        markPairs(engine, qint16(c.mode), c.pairs);
        engine.BearbBest();
        QStringList lists;
        for (int l = 1; l <= engine.listCount(); ++l)
            lists.append(engine.listName(l) + QLatin1Char(':') + SeatText::of(engine, l));
        // Group names end in " / "; the trailing blank is kept but hard to read above.
        if (c.seats == 350)
            QVERIFY(engine.seatCount(1) == 350 && engine.seatNumber(1, 350) == 350);
        else
            QCOMPARE(lists.join('|'), QString(c.expected));
        QCOMPARE(engine.resultCounter(), 1);
        QVERIFY(messages.shown.isEmpty());
        if (QString(c.name) == "pairs (1,4) and (2,3)") // the groups as the labels read them
            QCOMPARE(engine.SamvT(1) + engine.SamvT(2) + engine.SamvT(3) + engine.SamvT(4), "1221");
        // The committee seats are not written back into the council seats.
        const QStringList input = QString(c.councilSeats).split(QLatin1Char(','));
        for (int i = 0; i < input.size(); ++i)
            QCOMPARE(engine.PartiValRes(i + 1), input.at(i).toInt());
    }

    // The last party marked with each of ten earlier ones that are not marked with each
    // other: every row opens a new group number, up to 10, past the eight group slots a
    // plain reading would have. Every party must still stand in exactly one list.
    void incompleteMarkingBeyondEightGroups()
    {
        FakeMessageService messages;
        ValsitBer engine(messages);
        load(engine, QStringLiteral("1,2,3,4,5,6,7,8,9,10,11"), 20);
        QList<int> pairs;
        for (int i = 1; i <= 10; ++i)
            pairs.append(ValsitBer::pairNumber(i, 11));
        markPairs(engine, 1, pairs);
        engine.BearbBest();
        QCOMPARE(engine.listCount(), 10);
        int councilTotal = 0, seatTotal = 0;
        for (int l = 1; l <= engine.listCount(); ++l) {
            councilTotal += engine.listValue(l);
            seatTotal += engine.seatCount(l);
        }
        QCOMPARE(councilTotal * 100 + seatTotal, 6620); // 66 council seats, 20 seats
        for (int p = 1; p <= 11; ++p)
            QVERIFY(engine.partyList(p) >= 1 && engine.partyList(p) <= 10);
        QCOMPARE(engine.partyList(10), engine.partyList(11));
        QCOMPARE(engine.listName(10), QStringLiteral(" P10 / P11"));
    }

    void allCombinationsRefusesMoreThanNineParties()
    {
        FakeMessageService messages;
        ValsitBer engine(messages);
        load(engine, QStringLiteral("1,1,1,1,1,1,1,1,1,1"), 5);
        markPairs(engine, 2, {1});
        QVERIFY_THROWS_EXCEPTION(EngineError, engine.BearbBest());
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
