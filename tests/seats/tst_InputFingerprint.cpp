#include "committee/CommitteeInput.h"
#include "council/CouncilInput.h"

#include <QtTest>
#include <functional>

namespace {
CouncilInput council()
{
    CouncilInput in;
    in.parties = {{"S", "Socialdemokraterna", 1500}, {"M", "Moderaterna", 700}};
    in.seats = 31;
    in.districts = {{"Östra", {1000, 300}}, {"Västra", {500, 400}}};
    in.showDistricts = true;
    in.lots = {{7, "S", 42, true, "Anna", QDateTime(QDate(2026, 9, 14), QTime(10, 0)), "",
                SeatLot::Outcome::Pending, 0}};
    return in;
}
CommitteeInput committee()
{
    CommitteeInput in;
    in.parties = {{"S", "S", 6}, {"M", "M", 4}, {"C", "C", 2}};
    in.seats = 5;
    in.cooperation = CommitteeInput::Cooperation::Fixed;
    in.marks = {1};
    return in;
}
using CouncilChange = std::function<void(CouncilInput&)>;
using CommitteeChange = std::function<void(CommitteeInput&)>;
} // namespace
Q_DECLARE_METATYPE(CouncilChange)
Q_DECLARE_METATYPE(CommitteeChange)

// A fingerprint is the same for the same input and changes with every field a result or
// its report depends on.
class tst_InputFingerprint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void councilField_data()
    {
        QTest::addColumn<CouncilChange>("change");
        QTest::newRow("votes") << CouncilChange([](CouncilInput& in) { in.parties[1].votes++; });
        QTest::newRow("code") << CouncilChange([](CouncilInput& in) { in.parties[0].code = "s"; });
        QTest::newRow("seats") << CouncilChange([](CouncilInput& in) { in.seats = 33; });
        QTest::newRow("divisor") << CouncilChange(
            [](CouncilInput& in) { in.firstDivisorTenths = 12; });
        QTest::newRow("threshold")
            << CouncilChange([](CouncilInput& in) { in.thresholdHundredths = 1; });
        QTest::newRow("heading") << CouncilChange([](CouncilInput& in) { in.heading = "X"; });
        QTest::newRow("comparison") << CouncilChange(
            [](CouncilInput& in) { in.report.comparison = ReportChoices::Comparison::Full; });
        QTest::newRow("districts shown")
            << CouncilChange([](CouncilInput& in) { in.showDistricts = false; });
        QTest::newRow("district votes")
            << CouncilChange([](CouncilInput& in) { in.districts[1].votes[0] = 1; });
        QTest::newRow("lot tie") << CouncilChange(
            [](CouncilInput& in) { in.lots[0].fingerprint = 1; });
        QTest::newRow("published")
            << CouncilChange([](CouncilInput& in) { in.publishedSeats["S"] = 3; });
    }
    void councilField()
    {
        QFETCH(CouncilChange, change);
        CouncilInput in = council();
        QCOMPARE(in.fingerprint(), council().fingerprint());
        QCOMPARE(in.fingerprint().size(), 64); // SHA-256 in hex
        change(in);
        QVERIFY(in.fingerprint() != council().fingerprint());
    }

    void committeeField_data()
    {
        QTest::addColumn<CommitteeChange>("change");
        QTest::newRow("council seats")
            << CommitteeChange([](CommitteeInput& in) { in.parties[2].councilSeats = 3; });
        QTest::newRow("seats") << CommitteeChange([](CommitteeInput& in) { in.seats = 7; });
        QTest::newRow("mode") << CommitteeChange([](CommitteeInput& in) {
            in.cooperation = CommitteeInput::Cooperation::AllCombinations;
        });
        QTest::newRow("mark moved") << CommitteeChange([](CommitteeInput& in) { in.marks = {2}; });
        QTest::newRow("lot") << CommitteeChange([](CommitteeInput& in) { in.lots = {SeatLot{}}; });
    }
    void committeeField()
    {
        QFETCH(CommitteeChange, change);
        CommitteeInput in = committee();
        QCOMPARE(in.fingerprint(), committee().fingerprint());
        change(in);
        QVERIFY(in.fingerprint() != committee().fingerprint());
    }
};

QTEST_APPLESS_MAIN(tst_InputFingerprint)
#include "tst_InputFingerprint.moc"
