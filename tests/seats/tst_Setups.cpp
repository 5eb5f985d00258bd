#include "committee/CommitteeSetup.h"
#include "council/CouncilSetup.h"

#include <QtTest>
#include <stdexcept>

// The setups the windows fill: a property set out of range is corrected (a count to its
// lowest, a slot to the nearest) and the correction goes to the listener; a slot outside
// the tables that no check corrects is refused. input() is what the engines get.
class tst_Setups : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void councilCorrections()
    {
        CouncilSetup e;
        QStringList told;
        e.corrections().setListener([&told](const QString& text) { told << text; });
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
        e.setPartiValRes(0, 9);
        e.setPartiValRes(17, 8);
        e.setRoster(17, 5);
        kept << e.Roster(3) << e.Roster(0) << e.PartiValRes(1) << e.PartiValRes(16) << e.Roster(17);
        e.setForstaDivisor(1.3);
        e.setSparr(100); // all the votes: still a threshold
        kept << e.Sparr();
        e.setSparr(120);
        kept << e.ForstaDivisor() << e.Sparr();
        QCOMPARE(kept, (QList<double>{5, 5, 350, 2, 2, -5, 100, 9, 8, 5, 100, 1.4, 0}));
        e.setPartiID(0, QStringLiteral("S"));
        e.setPartiID(17, QStringLiteral("M"));
        e.setPartiNamn(-3, QStringLiteral("Ett"));
        QCOMPARE(e.PartiID(1) + e.PartiID(16) + e.PartiNamn(1) + e.PartiID(20), "SMEttM");
        const QString seats = "'Antal Valsit' måste vara mellan 5 och 350";
        const QString parties = "'Antal Partier' måste vara mellan 2 och 16";
        QCOMPARE(told, (QStringList{seats, seats, parties, parties,
                                    "Röster kan bara lagras med positiva värden",
                                    "PartiValRes kan bara lagras med positiva värden",
                                    "PartiValRes kan bara lagras med värde upp till 16",
                                    "'Första divisor' måste vara 1,4 eller 1,2",
                                    "'Spärr' måste vara mellan 0 och 100 procent",
                                    "PartiID kan bara lagras med positiva värden",
                                    "PartiID kan bara lagras med värde upp till 16",
                                    "PartiNamn kan bara lagras med positiva värden",
                                    "PartiID kan bara hämtas med värde upp till 16"}));
        told.clear();
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.setRoster(18, 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.Roster(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.PartiID(-1));
        QVERIFY(told.isEmpty());
    }

    void committeeCorrections()
    {
        CommitteeSetup e;
        QStringList told;
        e.corrections().setListener([&told](const QString& text) { told << text; });
        e.setSamvSW(-1, 1);
        e.setSamvSW(121, 2);
        e.setSamvSW(0, 3);
        QCOMPARE(QList<int>({e.SamvSW(120), e.SamvSW(0), e.SamvSW(121)}), QList<int>({2, 3, 2}));
        QCOMPARE(told, (QStringList{"SamvSW kan bara lagras med positiva värden",
                                    "SamvSW kan bara lagras med värde upp till 120",
                                    "SamvSW kan bara hämtas med värde upp till 120"}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, e.SamvSW(-1));
    }

    // The switches as the engines read them: the comparison list, the cooperation mode
    // (0 none, 2 all, anything else fixed) and the pairs marked exactly 1.
    void inputs()
    {
        CouncilSetup council;
        council.setAntValsit(31);
        council.setAntPartier(2);
        council.setPartiID(1, "S");
        council.setPartiNamn(2, "Moderaterna");
        council.setRoster(2, 700);
        council.setForstaDivisor(1.2);
        council.setSparr(2.5);
        council.setBerTalSW(true);
        council.setBerTalAntDec(0);
        council.setVisaDistriktSW(true);
        const CouncilInput c = council.input(true);
        QCOMPARE(QStringList(
                     {c.parties[0].code, c.parties[1].name, QString::number(c.parties[1].votes)}),
                 QStringList({"S", "Moderaterna", "700"}));
        QCOMPARE(QList<int>({c.seats, c.firstDivisorTenths, c.thresholdHundredths,
                             int(c.report.comparison), c.report.showLots, c.showDistricts}),
                 QList<int>({31, 12, 250, int(ReportChoices::Comparison::Full), 1, 1}));
        council.setBerTalAntDec(1);
        QVERIFY(council.input(false).report.comparison == ReportChoices::Comparison::TwoDecimals);

        CommitteeSetup committee;
        committee.setAntPartier(3);
        for (int k : {1, 3})
            committee.setSamvSW(k, 1);
        committee.setSamvSW(2, 2); // only a mark of exactly 1 counts
        QList<int> modes;
        for (qint16 mode : {0, 1, 2, 7}) {
            committee.setSamvSW(0, mode);
            modes << int(committee.input(false).cooperation);
        }
        QCOMPARE(modes, QList<int>({0, 1, 2, 1}));
        QVERIFY(committee.input(false).marks == std::set<int>({1, 3}));
        QCOMPARE(committee.AntalResultat() * 10 + committee.AntalSidor(), 11);
        committee.setSamvSW(0, 2);
        QCOMPARE(committee.AntalResultat(), 3);
    }
};

QTEST_APPLESS_MAIN(tst_Setups)
#include "tst_Setups.moc"
