#include "FakeMessageService.h"
#include "Rows.h"
#include "SeatText.h"

#include "council/RostBer.h"

#include <QLocale>
#include <QtTest>
#include <stdexcept>

namespace {
const QString seatRange = "'Antal Valsit' måste vara mellan 5 och 350";
const QString partyRange = "'Antal Partier' måste vara mellan 2 och 16";
const QString votesSlot = "Röster kan bara lagras med positiva värden";

// A property set out of range: the message and where the value ends up.
struct CorrectionCase
{
    const char* name;
    const char* property;
    int slot, value;
    QString message;
    int storedSlot, stored;
};
const CorrectionCase correctionsCases[] = {
    {"seats below 5", "AntValsit", 0, 4, seatRange, 0, 5},
    {"seats above 350", "AntValsit", 0, 351, seatRange, 0, 5},
    {"seats in range", "AntValsit", 0, 350, "", 0, 350},
    {"17 parties", "AntPartier", 0, 17, partyRange, 0, 2},
    {"1 party", "AntPartier", 0, 1, partyRange, 0, 2},
    {"votes negative value kept", "Roster", 3, -5, "", 3, -5},
    {"votes slot 0 without a word", "Roster", 0, 7, "", 0, 7},
    {"votes slot -1 to 0", "Roster", -1, 100, votesSlot, 0, 100},
    {"district votes slot -1 to 0", "DRoster", -1, 7, votesSlot, 0, 7},
    {"seats of slot 0 to 1", "PartiValRes", 0, 9, "PartiValRes kan bara lagras med positiva värden",
     1, 9},
    {"seats of slot 17 to 16", "PartiValRes", 17, 9,
     "PartiValRes kan bara lagras med värde upp till 16", 16, 9},
};

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

// The council engine: corrections of its properties, the allocation with its tie marks,
// the comparison-number list and the rules beyond the classic method.
class tst_RostBer : public QObject
{
    Q_OBJECT

    static void load(RostBer& engine, const QString& votes, int seats)
    {
        const QStringList list = votes.split(QLatin1Char(','));
        engine.setAntPartier(int(list.size()));
        for (int i = 0; i < list.size(); ++i) {
            engine.setPartiID(i + 1, QStringLiteral("P%1").arg(i + 1));
            engine.setPartiNamn(i + 1, QStringLiteral("Parti %1").arg(i + 1));
            engine.setRoster(i + 1, list.at(i).toInt());
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

    void corrections_data() { addRows(correctionsCases); }
    void corrections()
    {
        const CorrectionCase& c = row(correctionsCases);
        const QByteArray property = c.property;
        FakeMessageService messages;
        RostBer engine(messages);
        int actual = 0;
        if (property == "AntValsit") {
            engine.setAntValsit(c.value);
            actual = engine.AntValsit();
        } else if (property == "AntPartier") {
            engine.setAntPartier(c.value);
            actual = engine.AntPartier();
        } else if (property == "Roster") {
            engine.setRoster(c.slot, c.value);
            actual = engine.Roster(c.storedSlot);
        } else if (property == "DRoster") {
            engine.setDRoster(c.slot, c.value);
            actual = engine.DRoster(c.storedSlot);
        } else {
            engine.setPartiValRes(c.slot, c.value);
            actual = engine.PartiValRes(c.storedSlot);
        }
        QCOMPARE(actual, c.stored);
        QCOMPARE(messages.texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        for (const FakeMessageService::Shown& shown : messages.shown)
            QVERIFY(shown.buttons == MessageService::Ok && shown.icon == MessageService::NoIcon &&
                    shown.title == "Valsit");
    }

    // Text slots are corrected with a message; slots outside the tables are refused.
    void slotsAreCorrectedOrRefused()
    {
        FakeMessageService messages;
        RostBer engine(messages);
        engine.setPartiID(0, QStringLiteral("S"));
        engine.setPartiID(17, QStringLiteral("M"));
        engine.setPartiNamn(-3, QStringLiteral("Ett"));
        QCOMPARE(engine.PartiID(1) + engine.PartiID(16) + engine.PartiNamn(1), QString("SMEtt"));
        QCOMPARE(engine.PartiID(20), QStringLiteral("M"));
        QCOMPARE(messages.texts(), (QStringList{"PartiID kan bara lagras med positiva värden",
                                                "PartiID kan bara lagras med värde upp till 16",
                                                "PartiNamn kan bara lagras med positiva värden",
                                                "PartiID kan bara hämtas med värde upp till 16"}));
        messages.reset();
        engine.setRoster(17, 5);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, engine.setRoster(18, 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, engine.Roster(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, engine.Roster(18));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, engine.setDRoster(18, 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, engine.PartiID(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, engine.PartiValRes(-1));
        QCOMPARE(engine.Roster(17), 5);
        QVERIFY(messages.shown.isEmpty());
    }

    void allocation_data() { addRows(allocations); }
    void allocation()
    {
        const AllocationCase& c = row(allocations);
        FakeMessageService messages;
        RostBer engine(messages);
        load(engine, c.votes, c.seats);
        engine.setForstaDivisor(c.firstDivisor);
        engine.setSparr(c.threshold);
        calculate(engine);
        QStringList actual;
        for (int p = 1; p <= engine.AntPartier(); ++p) {
            actual.append(SeatText::council(engine, p));
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

    void badRulesAreCorrected()
    {
        FakeMessageService messages;
        RostBer engine(messages);
        engine.setForstaDivisor(1.3);
        engine.setSparr(120);
        QCOMPARE(engine.ForstaDivisor(), 1.4);
        QCOMPARE(engine.Sparr(), 0.0);
        QCOMPARE(messages.texts().size(), 2);
    }

    void aSecondCalculationStartsAfresh()
    {
        FakeMessageService messages;
        RostBer engine(messages);
        load(engine, QStringLiteral("1000,1000,500"), 9);
        calculate(engine);
        load(engine, QStringLiteral("1400,300"), 5);
        calculate(engine);
        QCOMPARE(SeatText::council(engine, 1), QStringLiteral("1,2,3,5"));
        QCOMPARE(SeatText::council(engine, 2), QStringLiteral("4"));
        QCOMPARE(engine.calcCounter(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_RostBer)
#include "tst_RostBer.moc"
