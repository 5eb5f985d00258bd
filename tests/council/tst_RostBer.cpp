#include "Rows.h"
#include "SeatText.h"

#include "council/RostBer.h"

#include <QLocale>
#include <QtTest>
#include <memory>

namespace {
// Seats per party ("1*,3*,5*": seat numbers in the order won, * for a tie mark), parties
// separated by '|'.
struct AllocationCase
{
    const char* name;
    const char* votes;
    int seats;
    double firstDivisor, threshold;
    const char* expected;
};
const AllocationCase allocations[] = {
    {"equal votes: ties all the way", "1000,1000", 5, 1.4, 0, "1*,3*,5*|2,4"},
    {"1400 and 300", "1400,300", 5, 1.4, 0, "1,2,3,5|4"},
    // 1500 / 3 = 500 = 700 / 1.4 exactly: doubles make 700 / 1.4 a hair bigger.
    {"exact tie 1500/3 = 700/1.4", "1500,700", 5, 1.4, 0, "1,2*,4|3,5"},
    {"exact tie, slot order reversed", "700,1500", 5, 1.4, 0, "2*,5|1,3,4"},
    {"zero votes win nothing", "10,0,5", 6, 1.4, 0, "1,3,4,6||2,5"},
    {"all zero: slot order, always tied", "0,0", 5, 1.4, 0, "1*,2*,3*,4*,5*|"},
    {"three-way tie: the last of the three is not marked", "300,300,300", 5, 1.4, 0,
     "1*,4*|2*,5*|3"},
    {"first divisor 1.2 gives the small party its seat earlier", "1200,500", 5, 1.2, 0,
     "1,3,4,5|2"},
    {"first divisor 1.4 for the same votes", "1200,500", 5, 1.4, 0, "1,2,4,5|3"},
    // 1200 / 3 = 400 = 480 / 1.2 exactly.
    {"exact tie with 1.2", "1200,480", 5, 1.2, 0, "1,2*,4,5|3"},
    {"below the threshold no seat", "1000,40", 30, 1.4, 4,
     "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30|"},
    // Without the threshold: 1000 / 35 = 40 / 1.4 exactly, so seat 18 is drawn by lot.
    {"without threshold the small party wins seat 19", "1000,40", 30, 1.4, 0,
     "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18*,20,21,22,23,24,25,26,27,28,29,30|19"},
    {"negative votes still compete without a threshold", "-10,0", 5, 1.4, 0, "|1,2,3,4,5"},
    {"exactly at the threshold keeps the seat", "960,40", 30, 1.4, 4,
     "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,19,20,21,22,23,24,25,26,27,28,29,30|18"},
    {"a threshold no party reaches: all stay in", "10,10,10", 5, 1.4, 40, "1*,4*|2*,5*|3"},
    // The others count among all votes (so in the threshold) but never take a seat.
    {"the others take no seat", "1000,ÖVR:900", 5, 1.4, 0, "1,2,3,4,5|"},
    {"one list takes all 350 seats", "1,0,0", 350, 1.4, 0, ""},
};

struct ListCase
{
    const char* name;
    const char* locale;
    int decimals;
    const char* expected;
};
const ListCase lists[] = {
    {"two decimals, Swedish", "sv_SE", 1,
     "ValsitNr=(Jämförelsetal), 1=(714,29), 2=(714,29), 3=(333,33), 4=(333,33), 5=(200,00)"},
    {"in full, Swedish", "sv_SE", 0,
     "ValsitNr=(Jämförelsetal), 1=(714,285714285714), 2=(714,285714285714), "
     "3=(333,333333333333), 4=(333,333333333333), 5=(200)"},
    {"two decimals, English", "en_US", 2,
     "ValsitNr=(Jämförelsetal), 1=(714.29), 2=(714.29), 3=(333.33), 4=(333.33), 5=(200.00)"},
};
} // namespace

// The council engine as a function: input row (votes, seats, rules) to result row (each
// party's seats with their tie marks), and the comparison-number list it writes.
class tst_RostBer : public QObject
{
    Q_OBJECT

    // Parties "P1", "P2", ... unless the votes say "CODE:votes".
    static CouncilInput input(const QString& votes, int seats)
    {
        CouncilInput in;
        const QStringList list = votes.split(QLatin1Char(','));
        for (int i = 0; i < list.size(); ++i) {
            const QString code = list.at(i).contains(':') ? list.at(i).section(':', 0, 0)
                                                          : QStringLiteral("P%1").arg(i + 1);
            in.parties.append(
                {code, QStringLiteral("Parti %1").arg(i + 1), list.at(i).section(':', -1).toInt()});
        }
        in.seats = seats;
        return in;
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void allocation_data() { addRows(allocations); }
    void allocation()
    {
        const AllocationCase& c = row(allocations);
        auto result = std::make_unique<SeatResult>();
        // A second calculation into the same result starts afresh: nothing of the first
        // may stay.
        RostBer::calculate(input(QStringLiteral("1000,1000,500"), 9), *result);
        CouncilInput in = input(c.votes, c.seats);
        in.firstDivisorTenths = qRound(c.firstDivisor * 10);
        in.thresholdHundredths = qRound(c.threshold * 100);
        RostBer::calculate(in, *result);
        // Every tie found names the lists that are tied: two at least.
        for (int g = 0; g < result->tieGroupCount; ++g)
            QVERIFY(result->tieGroups[g].listCount >= 2);
        QStringList actual;
        for (int p = 1; p <= result->listCount; ++p)
            actual.append(SeatText::of(*result, p));
        if (c.seats == 350)
            QVERIFY(result->lists[1].seatCount == 350 && result->lists[1].seat[350] == 350 &&
                    !result->lists[1].tied[350]);
        else
            QCOMPARE(actual.join(QLatin1Char('|')), QString(c.expected));
        QCOMPARE(result->counter, 1);
        const QString& rules = result->rule.text;
        QCOMPARE(rules.endsWith("ÖVR (övriga giltiga röster) räknas med i spärren men får inga "
                                "mandat") ||
                     rules.endsWith("ÖVR (övriga giltiga röster) får inga mandat"),
                 QString(c.votes).contains("ÖVR"));
        QVERIFY(!(rules.contains("utan spärr") && rules.contains("i spärren")));
    }

    void comparisonList_data() { addRows(lists); }
    void comparisonList()
    {
        const ListCase& c = row(lists);
        QLocale::setDefault(QLocale(c.locale));
        auto result = std::make_unique<SeatResult>();
        CouncilInput in = input(QStringLiteral("1000,1000"), 5);
        RostBer::calculate(in, *result);
        QVERIFY(!result->hasComparisonText && result->comparisonText.isEmpty());
        in.report.comparison = c.decimals == 0 ? ReportChoices::Comparison::Full
                                               : ReportChoices::Comparison::TwoDecimals;
        RostBer::calculate(in, *result);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(result->comparisonText, QString(c.expected));
    }
};

QTEST_GUILESS_MAIN(tst_RostBer)
#include "tst_RostBer.moc"
