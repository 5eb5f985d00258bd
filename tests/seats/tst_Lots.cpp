#include "FakeMessageService.h"
#include "FixedRandom.h"

#include "committee/ValsitBer.h"
#include "council/RostBer.h"
#include "seats/LotDraw.h"
#include "seats/LotTexts.h"

#include <QtTest>

// Ties and lots in both engines: which seats a tie spans, whether it decides who gets a
// seat, and the seats after a lot; a lot whose tie has changed is void.
class tst_Lots : public QObject
{
    Q_OBJECT

private:
    // Parties P1..Pn with the given votes (council) or council seats (committee), shared
    // out with the lots "seat=code,..." drawn for the ties of the input `drawnFor`.
    static const SeatResult& run(SeatEngineBase& engine, bool council, const QString& values,
                                 int seats, QVector<SeatLot> lots = {})
    {
        const QStringList list = values.split(QLatin1Char(','));
        engine.setAntPartier(int(list.size()));
        for (int i = 0; i < list.size(); ++i) {
            engine.setPartiID(i + 1, QStringLiteral("P%1").arg(i + 1));
            engine.setPartiNamn(i + 1, QStringLiteral("Parti %1").arg(i + 1));
            if (council)
                static_cast<RostBer&>(engine).setRoster(i + 1, list.at(i).toInt());
            else
                engine.setPartiValRes(i + 1, list.at(i).toInt());
        }
        engine.setAntValsit(seats);
        engine.setLots(lots);
        if (council) {
            static_cast<RostBer&>(engine).BearbBest();
            static_cast<RostBer&>(engine).BearbBest2();
        } else {
            static_cast<ValsitBer&>(engine).setSamvSW(0, 0);
            static_cast<ValsitBer&>(engine).BearbBest();
        }
        return engine.result();
    }

    static QVector<SeatLot> lotsFor(const SeatResult& drawnFor, const QString& text)
    {
        QVector<SeatLot> lots;
        for (const QString& item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            SeatLot lot;
            lot.seat = item.section(QLatin1Char('='), 0, 0).toInt();
            lot.code = item.section(QLatin1Char('='), 1);
            for (int g = 0; g < drawnFor.tieGroupCount; ++g)
                if (drawnFor.tieGroups[g].firstSeat <= lot.seat &&
                    lot.seat <= drawnFor.tieGroups[g].lastSeat)
                    lot.fingerprint = drawnFor.tieGroups[g].fingerprint;
            lots.append(lot);
        }
        return lots;
    }

    // "P1:1,3,4*|P2:2,5*|P3:" ; "4-6:P1 P2 P3:lott" ; "A,V".
    static QString seatsOf(const SeatResult& r)
    {
        QStringList out;
        for (int l = 1; l <= r.listCount; ++l) {
            QStringList seats;
            for (int k = 1; k <= r.lists[l].seatCount; ++k)
                seats.append(QString::number(r.lists[l].seat[k]) +
                             (r.lists[l].tied[k] ? QStringLiteral("*") : QString()));
            out.append(r.lists[l].code + QLatin1Char(':') + seats.join(QLatin1Char(',')));
        }
        return out.join(QLatin1Char('|'));
    }
    static QString groupsOf(const SeatResult& r)
    {
        QStringList out;
        for (int g = 0; g < r.tieGroupCount; ++g) {
            const SeatResult::TieGroup& group = r.tieGroups[g];
            QStringList names;
            for (int k = 0; k < group.listCount; ++k)
                names.append(r.lists[group.lists[k]].code);
            out.append(QStringLiteral("%1-%2:%3:%4")
                           .arg(group.firstSeat)
                           .arg(group.lastSeat)
                           .arg(names.join(QLatin1Char(' ')), group.decides
                                                                  ? QStringLiteral("lott")
                                                                  : QStringLiteral("ordning")));
        }
        return out.join(QLatin1Char('|'));
    }
    static QString outcomesOf(const SeatResult& r)
    {
        QStringList out;
        for (const SeatLot& lot : r.lots)
            out.append(QString(" AVN").mid(int(lot.outcome), 1));
        return out.join(QLatin1Char(','));
    }

private Q_SLOTS:
    void ties_data()
    {
        QTest::addColumn<bool>("council");
        QTest::addColumn<QString>("values");
        QTest::addColumn<int>("seats");
        QTest::addColumn<QString>("drawnFor"); // the input the lots were drawn for (@seats)
        QTest::addColumn<QString>("lots");
        QTest::addColumn<QString>("seatsWon");
        QTest::addColumn<QString>("groups");
        QTest::addColumn<QString>("outcomes");

        // Three lists tie over seats 4 to 6 with two seats left: the lot decides.
        QTest::newRow("committee 6,4,2 at 5, no lot") << false << "6,4,2" << 5 << ""
                                                      << ""
                                                      << "P1:1,3,4*|P2:2,5*|P3:"
                                                      << "4-6:P1 P2 P3:lott"
                                                      << "";
        QTest::newRow("committee 6,4,2 at 5, lot to P3 and P2") << false << "6,4,2" << 5 << "6,4,2"
                                                                << "4=P3,5=P2"
                                                                << "P1:1,3|P2:2,5*|P3:4*"
                                                                << "4-6:P1 P2 P3:lott"
                                                                << "A,A";
        QTest::newRow("committee 6,4,2 at 5, lot by lower-case code")
            << false << "6,4,2" << 5 << "6,4,2"
            << "5=p1,4=p3"
            << "P1:1,3,5*|P2:2|P3:4*"
            << "4-6:P1 P2 P3:lott"
            << "A,A";
        QTest::newRow("committee lot for only one of the two seats is void")
            << false << "6,4,2" << 5 << "6,4,2"
            << "4=P3"
            << "P1:1,3,4*|P2:2,5*|P3:"
            << "4-6:P1 P2 P3:lott"
            << "V";
        QTest::newRow("committee lot naming one list twice is void")
            << false << "6,4,2" << 5 << "6,4,2"
            << "4=P3,5=P3"
            << "P1:1,3,4*|P2:2,5*|P3:"
            << "4-6:P1 P2 P3:lott"
            << "V,V";
        // Both tied lists get a seat: the tie only orders seats 4 and 5, a lot is not taken.
        QTest::newRow("committee 17,5,5 at 7 orders seats") << false << "17,5,5" << 7 << "17,5,5"
                                                            << "4=P3"
                                                            << "P1:1,2,3,6,7|P2:4*|P3:5"
                                                            << "4-5:P2 P3:ordning"
                                                            << "N";
        // Council: equal votes tie at every odd seat; only the last tie decides.
        QTest::newRow("council tie over the last seat")
            << true << "100,100" << 5 << ""
            << ""
            << "P1:1*,3*,5*|P2:2,4"
            << "1-2:P1 P2:ordning|3-4:P1 P2:ordning|5-6:P1 P2:lott"
            << "";
        QTest::newRow("council lot reverses slot order")
            << true << "100,100" << 5 << "100,100"
            << "5=P2"
            << "P1:1*,3*|P2:2,4,5*"
            << "1-2:P1 P2:ordning|3-4:P1 P2:ordning|5-6:P1 P2:lott"
            << "A";
        // The lots were drawn for 6,4,2; with 7,4,2 seat 4 is no tie and seat 5 is another.
        QTest::newRow("committee lots void when the council seats change")
            << false << "7,4,2" << 5 << "6,4,2"
            << "4=P3,5=P2"
            << "P1:1,3,4|P2:2,5*|P3:"
            << "5-6:P2 P3:lott"
            << "V,V";
        QTest::newRow("council lot void when votes change") << true << "100,101" << 5 << "100,100"
                                                            << "5=P2"
                                                            << "P1:2,4|P2:1,3,5"
                                                            << ""
                                                            << "V";
        QTest::newRow("council lot void when seats change")
            << true << "100,100" << 7 << "100,100@5"
            << "5=P2"
            << "P1:1*,3*,5*,7*|P2:2,4,6"
            << "1-2:P1 P2:ordning|3-4:P1 P2:ordning|5-6:P1 P2:ordning|7-8:P1 P2:lott"
            << "V";
    }

    void ties()
    {
        QFETCH(bool, council);
        QFETCH(QString, values);
        QFETCH(int, seats);
        QFETCH(QString, drawnFor);
        QFETCH(QString, lots);
        FakeMessageService messages;
        RostBer rostBer(messages);
        ValsitBer valsitBer(messages);
        SeatEngineBase& engine = council ? static_cast<SeatEngineBase&>(rostBer)
                                         : static_cast<SeatEngineBase&>(valsitBer);
        QVector<SeatLot> drawn;
        if (!drawnFor.isEmpty())
            drawn = lotsFor(run(engine, council, drawnFor.section('@', 0, 0),
                                drawnFor.contains('@') ? drawnFor.section('@', 1).toInt() : seats),
                            lots);
        const SeatResult& result = run(engine, council, values, seats, drawn);
        QTEST(seatsOf(result), "seatsWon");
        QTEST(groupsOf(result), "groups");
        QTEST(outcomesOf(result), "outcomes");
    }

    // The lines under the result, as both reports print them.
    void texts()
    {
        FakeMessageService messages;
        ValsitBer engine(messages);
        QCOMPARE(LotTexts::lines(run(engine, false, "6,4,2", 5)),
                 QStringList{"Platserna 4–5: lika jämförelsetal för P1, P2 och P3; lotten avgör "
                             "vilka 2 av 3 som får platserna"});
        QCOMPARE(LotTexts::lines(run(engine, false, "17,5,5", 7)),
                 QStringList{"Platserna 4–5: lika jämförelsetal för P2 och P3; alla får en "
                             "plats, så ingen lottning behövs (den skulle bara avgöra "
                             "platsernas ordning)"});
        RostBer council(messages);
        QVector<SeatLot> lots = lotsFor(run(council, true, "100,100", 5), "5=P2");
        lots[0].drawnBy = "Anna Berg";
        lots[0].drawnAt = QDateTime(QDate(2026, 9, 14), QTime(21, 30));
        lots[0].note = "inför valnämnden";
        const QStringList after = LotTexts::lines(run(council, true, "100,100", 5, lots));
        QCOMPARE(after,
                 QStringList({"Lika jämförelsetal som bara avgör platsernas ordning (alla får en "
                              "plats, så ingen lottning behövs):",
                              "platserna 1–2 (P1 och P2), 3–4 (P1 och P2)",
                              "Plats 5: lika jämförelsetal för P1 och P2; avgjort genom lottning",
                              "Lottning:",
                              "Plats 5: lotten gav platsen till P2, dragen för hand av Anna Berg "
                              "2026-09-14 21:30 (inför valnämnden)"}));
        lots[0].byProgram = true;
        lots[0].note.clear();
        const QStringList changed = LotTexts::lines(run(council, true, "101,100", 5, lots));
        QCOMPARE(changed.last(), "Plats 5: lotten för P2 (dragen av programmet 2026-09-14 "
                                 "21:30) är ogiltig: indata har ändrats sedan den drogs, så den "
                                 "har inte tillämpats");
        QCOMPARE(LotTexts::lines(run(council, true, "101,100", 5)), QStringList());
    }

    // The program's draw: each of the six orders of three tied lists comes from exactly
    // one pair of random numbers, so every list is as likely to go without a seat.
    void programDrawIsFair()
    {
        FakeMessageService messages;
        ValsitBer engine(messages);
        const SeatResult& result = run(engine, false, "6,4,2", 5);
        QSet<QString> orders;
        for (int first = 0; first < 3; ++first) {
            for (int second = 0; second < 2; ++second) {
                FixedRandom random;
                random.values = {first, second};
                const QVector<SeatLot> lots = LotDraw::byProgram(result, 0, random, {});
                QCOMPARE(lots.size(), 2);
                QVERIFY(lots[0].byProgram &&
                        lots[0].fingerprint == result.tieGroups[0].fingerprint);
                orders.insert(lots[0].code + lots[1].code);
            }
        }
        QCOMPARE(orders.size(), 6);
    }

    // An all-combinations run finds the ties of every combination but takes no lot.
    void allCombinationsTakeNoLots()
    {
        FakeMessageService messages;
        ValsitBer engine(messages);
        engine.setAntPartier(3);
        const int values[] = {6, 4, 2};
        for (int i = 1; i <= 3; ++i) {
            engine.setPartiID(i, QStringLiteral("P%1").arg(i));
            engine.setPartiValRes(i, values[i - 1]);
        }
        engine.setAntValsit(5);
        engine.setSamvSW(ValsitBer::pairNumber(1, 2), 1);
        engine.setSamvSW(0, 2);
        SeatLot lot;
        lot.seat = 4;
        lot.code = "P3";
        engine.setLots({lot});
        QStringList seen;
        engine.setResultObserver([&] {
            seen.append(groupsOf(engine.result()) + QLatin1Char('/') +
                        QString::number(engine.result().lots.size()));
        });
        engine.BearbBest();
        QCOMPARE(seen, QStringList({"4-6:P1 P2 P3:lott/0", "5-6:P3 :lott/0"}));
        QCOMPARE(LotTexts::lines(engine.result()).last(),
                 "När alla kombinationer beräknas tas ingen lottning med; lotta i den "
                 "kombination som gäller.");
    }
};

QTEST_GUILESS_MAIN(tst_Lots)
#include "tst_Lots.moc"
