#include "FakeMessageService.h"
#include "Rows.h"
#include "SeatText.h"

#include "council/RostBer.h"

#include <QLocale>
#include <QtTest>
#include <stdexcept>

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

// The council engine: corrections of its properties (and those both engines share), the
// allocation with its tie marks, the comparison-number list and the rules beyond the
// classic method.
class tst_RostBer : public QObject
{
    Q_OBJECT

    static void load(RostBer& engine, const QString& votes, int seats)
    {
        const QStringList list = votes.split(QLatin1Char(','));
        engine.setAntPartier(int(list.size()));
        for (int i = 0; i < list.size(); ++i) {
            // "P1", "P2", ... unless the votes say "CODE:votes".
            const QString code = list.at(i).contains(':') ? list.at(i).section(':', 0, 0)
                                                          : QStringLiteral("P%1").arg(i + 1);
            engine.setPartiID(i + 1, code);
            engine.setPartiNamn(i + 1, QStringLiteral("Parti %1").arg(i + 1));
            engine.setRoster(i + 1, list.at(i).section(':', -1).toInt());
        }
        engine.setAntValsit(seats);
    }
    static void calculate(RostBer& engine)
    {
        engine.BearbBest();
        engine.BearbBest2();
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // A property set out of range is corrected with a message (a count to its lowest, a
    // slot to the nearest); a slot outside the tables that no check corrects is refused.
    void corrections()
    {
        FakeMessageService messages;
        RostBer e(messages);
        QList<double> kept;
        for (int seats : {4, 351, 350}) {
            e.setAntValsit(seats);
            kept << e.AntValsit();
        }
        for (int parties : {17, 1}) {
            e.setAntPartier(parties);
            kept << e.AntPartier();
        }
        e.setRoster(3, -5);
        e.setRoster(0, 7);
        e.setRoster(-1, 100);
        e.setDRoster(-1, 7);
        e.setPartiValRes(0, 9);
        e.setPartiValRes(17, 8);
        e.setRoster(17, 5);
        kept << e.Roster(3) << e.Roster(0) << e.DRoster(0) << e.PartiValRes(1) << e.PartiValRes(16)
             << e.Roster(17);
        e.setForstaDivisor(1.3);
        e.setSparr(100); // all the votes: still a threshold
        kept << e.Sparr();
        e.setSparr(120);
        kept << e.ForstaDivisor() << e.Sparr();
        QCOMPARE(kept, (QList<double>{5, 5, 350, 2, 2, -5, 100, 7, 9, 8, 5, 100, 1.4, 0}));
        e.setPartiID(0, QStringLiteral("S"));
        e.setPartiID(17, QStringLiteral("M"));
        e.setPartiNamn(-3, QStringLiteral("Ett"));
        QCOMPARE(e.PartiID(1) + e.PartiID(16) + e.PartiNamn(1) + e.PartiID(20), "SMEttM");
        const QString seats = "'Antal Valsit' måste vara mellan 5 och 350";
        const QString parties = "'Antal Partier' måste vara mellan 2 och 16";
        const QString votes = "Röster kan bara lagras med positiva värden";
        QCOMPARE(messages.texts(), (QStringList{seats, seats, parties, parties, votes, votes,
                                                "PartiValRes kan bara lagras med positiva värden",
                                                "PartiValRes kan bara lagras med värde upp till 16",
                                                "'Första divisor' måste vara 1,4 eller 1,2",
                                                "'Spärr' måste vara mellan 0 och 100 procent",
                                                "PartiID kan bara lagras med positiva värden",
                                                "PartiID kan bara lagras med värde upp till 16",
                                                "PartiNamn kan bara lagras med positiva värden",
                                                "PartiID kan bara hämtas med värde upp till 16"}));
        for (const FakeMessageService::Shown& shown : messages.shown)
            QVERIFY(shown.buttons == MessageService::Ok && shown.icon == MessageService::NoIcon &&
                    shown.title == "Valsit");
        messages.reset();
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.setRoster(18, 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.Roster(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.PartiID(-1));
        QVERIFY(messages.shown.isEmpty());
    }

    void allocation_data() { addRows(allocations); }
    void allocation()
    {
        const AllocationCase& c = row(allocations);
        FakeMessageService messages;
        RostBer engine(messages);
        // A second calculation starts afresh: nothing of the first may stay.
        load(engine, QStringLiteral("1000,1000,500"), 9);
        calculate(engine);
        load(engine, c.votes, c.seats);
        engine.setForstaDivisor(c.firstDivisor);
        engine.setSparr(c.threshold);
        calculate(engine);
        QStringList actual;
        for (int p = 1; p <= engine.AntPartier(); ++p) {
            actual.append(SeatText::of(engine, p));
            QCOMPARE(engine.PartiValRes(p), engine.seatCount(p));
        }
        if (c.seats == 350) {
            QCOMPARE(engine.PartiValRes(1), 350);
            QCOMPARE(engine.seatNumber(1, 350), 350);
            QVERIFY(!engine.seatTied(1, 350));
        } else {
            QCOMPARE(actual.join(QLatin1Char('|')), QString(c.expected));
        }
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(engine.calcCounter(), 1);
        const QString rules = engine.rulesText();
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
        FakeMessageService messages;
        RostBer engine(messages);
        load(engine, QStringLiteral("1000,1000"), 5);
        calculate(engine);
        QVERIFY(engine.comparisonList().isEmpty()); // not without the switch
        engine.setBerTalSW(true);
        engine.setBerTalAntDec(qint16(c.decimals));
        calculate(engine);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(engine.comparisonList(), QString(c.expected));
    }
};

QTEST_GUILESS_MAIN(tst_RostBer)
#include "tst_RostBer.moc"
