#include "FakeMessageService.h"
#include "SeatText.h"

#include "council/RostBer.h"

#include <QLocale>
#include <QtTest>
#include <stdexcept>

// The council engine: corrections of its properties, the allocation with its tie marks,
// the comparison-number list and the rules beyond the classic method.
class tst_RostBer : public QObject
{
    Q_OBJECT

private:
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

    void corrections_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("storedSlot");
        QTest::addColumn<int>("stored");

        QTest::newRow("seats below 5")
            << "AntValsit" << 0 << 4 << "'Antal Valsit' måste vara mellan 5 och 350" << 0 << 5;
        QTest::newRow("seats above 350")
            << "AntValsit" << 0 << 351 << "'Antal Valsit' måste vara mellan 5 och 350" << 0 << 5;
        QTest::newRow("seats in range") << "AntValsit" << 0 << 350 << "" << 0 << 350;
        QTest::newRow("17 parties")
            << "AntPartier" << 0 << 17 << "'Antal Partier' måste vara mellan 2 och 16" << 0 << 2;
        QTest::newRow("1 party") << "AntPartier" << 0 << 1
                                 << "'Antal Partier' måste vara mellan 2 och 16" << 0 << 2;
        QTest::newRow("votes negative value kept") << "Roster" << 3 << -5 << "" << 3 << -5;
        QTest::newRow("votes slot -1 to 0")
            << "Roster" << -1 << 100 << "Röster kan bara lagras med positiva värden" << 0 << 100;
        QTest::newRow("district votes slot -1 to 0")
            << "DRoster" << -1 << 7 << "Röster kan bara lagras med positiva värden" << 0 << 7;
        QTest::newRow("seats of slot 0 to 1")
            << "PartiValRes" << 0 << 9 << "PartiValRes kan bara lagras med positiva värden" << 1
            << 9;
        QTest::newRow("seats of slot 17 to 16")
            << "PartiValRes" << 17 << 9 << "PartiValRes kan bara lagras med värde upp till 16" << 16
            << 9;
    }

    void corrections()
    {
        QFETCH(QString, property);
        QFETCH(int, slot);
        QFETCH(int, value);
        QFETCH(QString, message);
        QFETCH(int, storedSlot);
        QFETCH(int, stored);

        FakeMessageService messages;
        RostBer engine(messages);
        int actual = 0;
        if (property == "AntValsit") {
            engine.setAntValsit(value);
            actual = engine.AntValsit();
        } else if (property == "AntPartier") {
            engine.setAntPartier(value);
            actual = engine.AntPartier();
        } else if (property == "Roster") {
            engine.setRoster(slot, value);
            actual = engine.Roster(storedSlot);
        } else if (property == "DRoster") {
            engine.setDRoster(slot, value);
            actual = engine.DRoster(storedSlot);
        } else if (property == "PartiValRes") {
            engine.setPartiValRes(slot, value);
            actual = engine.PartiValRes(storedSlot);
        }
        QCOMPARE(actual, stored);
        if (message.isEmpty()) {
            QVERIFY(messages.shown.isEmpty());
        } else {
            QCOMPARE(messages.texts(), QStringList{message});
            const FakeMessageService::Shown& shown = messages.shown.first();
            QCOMPARE(shown.buttons, MessageService::Ok);
            QCOMPARE(shown.icon, MessageService::NoIcon);
            QCOMPARE(shown.title, QStringLiteral("Valsit"));
        }
    }

    void textSlotsAreCorrected()
    {
        FakeMessageService messages;
        RostBer engine(messages);
        engine.setPartiID(0, QStringLiteral("S"));
        engine.setPartiID(17, QStringLiteral("M"));
        engine.setPartiNamn(-3, QStringLiteral("Ett"));
        QCOMPARE(messages.texts(), (QStringList{"PartiID kan bara lagras med positiva värden",
                                                "PartiID kan bara lagras med värde upp till 16",
                                                "PartiNamn kan bara lagras med positiva värden"}));
        messages.reset();
        QCOMPARE(engine.PartiID(1), QStringLiteral("S"));
        QCOMPARE(engine.PartiID(16), QStringLiteral("M"));
        QCOMPARE(engine.PartiNamn(1), QStringLiteral("Ett"));
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(engine.PartiID(20), QStringLiteral("M"));
        QCOMPARE(messages.texts(), QStringList{"PartiID kan bara hämtas med värde upp till 16"});
    }

    void slotsOutsideTheTablesAreRefused()
    {
        FakeMessageService messages;
        RostBer engine(messages);
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

    void defaults()
    {
        FakeMessageService messages;
        RostBer engine(messages);
        QCOMPARE(engine.AntValsit(), 0);
        QCOMPARE(engine.AntPartier(), 0);
        QCOMPARE(engine.MaxValsit(), 350);
        QCOMPARE(engine.MinValsit(), 5);
        QCOMPARE(engine.MaxPartierF(), 16);
        QCOMPARE(engine.MinPartier(), 2);
        QCOMPARE(engine.BerTalSW(), false);
        QCOMPARE(engine.BerTalAntDec(), qint16(1));
        QCOMPARE(engine.VisaDistriktSW(), false);
        QCOMPARE(engine.SkrivUtSW(), false);
        QCOMPARE(engine.ForstaDivisor(), 1.4);
        QCOMPARE(engine.Sparr(), 0.0);
    }

    void allocation_data()
    {
        QTest::addColumn<QString>("votes");
        QTest::addColumn<int>("seats");
        QTest::addColumn<double>("firstDivisor");
        QTest::addColumn<double>("threshold");
        QTest::addColumn<QString>("expected"); // seats per party, parties separated by '|'

        QTest::newRow("equal votes: ties all the way")
            << "1000,1000" << 5 << 1.4 << 0.0 << "1*,3*,5*|2,4";
        QTest::newRow("1400 and 300") << "1400,300" << 5 << 1.4 << 0.0 << "1,2,3,5|4";
        // 1500 / 3 = 500 = 700 / 1.4 exactly: doubles make 700 / 1.4 a hair bigger.
        QTest::newRow("exact tie 1500/3 = 700/1.4")
            << "1500,700" << 5 << 1.4 << 0.0 << "1,2*,4|3,5";
        QTest::newRow("exact tie, slot order reversed")
            << "700,1500" << 5 << 1.4 << 0.0 << "2*,5|1,3,4";
        QTest::newRow("zero votes win nothing") << "10,0,5" << 6 << 1.4 << 0.0 << "1,3,4,6||2,5";
        QTest::newRow("all zero: slot order, always tied")
            << "0,0" << 5 << 1.4 << 0.0 << "1*,2*,3*,4*,5*|";
        QTest::newRow("three-way tie: the last of the three is not marked")
            << "300,300,300" << 5 << 1.4 << 0.0 << "1*,4*|2*,5*|3";
        QTest::newRow("first divisor 1.2 gives the small party its seat earlier")
            << "1200,500" << 5 << 1.2 << 0.0 << "1,3,4,5|2";
        QTest::newRow("first divisor 1.4 for the same votes")
            << "1200,500" << 5 << 1.4 << 0.0 << "1,2,4,5|3";
        // 1200 / 3 = 400 = 480 / 1.2 exactly.
        QTest::newRow("exact tie with 1.2") << "1200,480" << 5 << 1.2 << 0.0 << "1,2*,4,5|3";
        QTest::newRow("below the threshold no seat") << "1000,40" << 30 << 1.4 << 4.0
                                                     << "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,"
                                                        "18,19,20,21,22,23,24,25,26,27,28,29,30|";
        // Without the threshold: 1000 / 35 = 40 / 1.4 exactly, so seat 18 is drawn by lot.
        QTest::newRow("without threshold the small party wins seat 19")
            << "1000,40" << 30 << 1.4 << 0.0
            << "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18*,20,21,22,23,24,25,26,27,28,29,30|19";
        QTest::newRow("negative votes still compete without a threshold")
            << "-10,0" << 5 << 1.4 << 0.0 << "|1,2,3,4,5";
        QTest::newRow("exactly at the threshold keeps the seat")
            << "960,40" << 30 << 1.4 << 4.0
            << "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,19,20,21,22,23,24,25,26,27,28,29,30|18";
    }

    void allocation()
    {
        QFETCH(QString, votes);
        QFETCH(int, seats);
        QFETCH(double, firstDivisor);
        QFETCH(double, threshold);
        QFETCH(QString, expected);

        FakeMessageService messages;
        RostBer engine(messages);
        load(engine, votes, seats);
        engine.setForstaDivisor(firstDivisor);
        engine.setSparr(threshold);
        calculate(engine);

        QStringList actual;
        for (int p = 1; p <= engine.AntPartier(); ++p) {
            actual.append(SeatText::council(engine, p));
            QCOMPARE(engine.PartiValRes(p), engine.seatCount(p));
        }
        QCOMPARE(actual.join(QLatin1Char('|')), expected);
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(engine.calcCounter(), 1);
    }

    void oneListCanTakeAll350Seats()
    {
        FakeMessageService messages;
        RostBer engine(messages);
        load(engine, QStringLiteral("1,0,0"), 350);
        calculate(engine);
        QCOMPARE(engine.PartiValRes(1), 350);
        QCOMPARE(engine.seatNumber(1, 350), 350);
        QVERIFY(!engine.seatTied(1, 350));
        QCOMPARE(engine.PartiValRes(2), 0);
    }

    void comparisonList_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");

        QTest::newRow("two decimals, Swedish")
            << "sv_SE" << 1
            << "ValsitNr=(Jämförelsetal), 1=(714,29), 2=(714,29), 3=(333,33), 4=(333,33), "
               "5=(200,00)";
        QTest::newRow("in full, Swedish")
            << "sv_SE" << 0
            << "ValsitNr=(Jämförelsetal), 1=(714,285714285714), 2=(714,285714285714), "
               "3=(333,333333333333), 4=(333,333333333333), 5=(200)";
        QTest::newRow("two decimals, English") << "en_US" << 2
                                               << "ValsitNr=(Jämförelsetal), 1=(714.29), "
                                                  "2=(714.29), 3=(333.33), 4=(333.33), 5=(200.00)";
    }

    void comparisonList()
    {
        QFETCH(QString, locale);
        QFETCH(int, decimals);
        QFETCH(QString, expected);

        QLocale::setDefault(QLocale(locale));
        FakeMessageService messages;
        RostBer engine(messages);
        load(engine, QStringLiteral("1000,1000"), 5);
        engine.setBerTalSW(true);
        engine.setBerTalAntDec(qint16(decimals));
        calculate(engine);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(engine.comparisonList(), expected);
    }

    void noListWithoutTheSwitch()
    {
        FakeMessageService messages;
        RostBer engine(messages);
        load(engine, QStringLiteral("1000,1000"), 5);
        calculate(engine);
        QVERIFY(engine.comparisonList().isEmpty());
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
