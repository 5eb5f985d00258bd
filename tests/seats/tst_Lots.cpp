#include "FakeMessageService.h"
#include "FixedRandom.h"

#include "committee/ValsitBer.h"
#include "council/RostBer.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"
#include "seats/LotDraw.h"
#include "seats/LotTexts.h"

#include <QtTest>

// Ties and lots in both engines: the seats a tie spans, whether it decides who gets a
// seat, the seats after a lot, and a lot void once its tie has changed.
class tst_Lots : public QObject
{
    Q_OBJECT

private:
    FakeMessageService m_messages;
    RostBer m_council{m_messages};
    ValsitBer m_committee{m_messages};

    // "c 100,100 @5": council votes (c) or committee council seats (n), seats to give.
    const SeatResult& run(const QString& input, const QVector<SeatLot>& lots = {})
    {
        const bool council = input.startsWith('c');
        SeatEngineBase& engine = council ? static_cast<SeatEngineBase&>(m_council) : m_committee;
        const QStringList values = input.section(' ', 1, 1).split(',');
        engine.setAntPartier(int(values.size()));
        for (int i = 1; i <= values.size(); ++i) {
            engine.setPartiID(i, QStringLiteral("P%1").arg(i));
            council ? m_council.setRoster(i, values[i - 1].toInt())
                    : engine.setPartiValRes(i, values[i - 1].toInt());
        }
        engine.setAntValsit(input.section('@', 1).toInt());
        engine.setLots(lots);
        if (council) {
            m_council.BearbBest();
            m_council.BearbBest2();
        } else {
            m_committee.setSamvSW(0, 0);
            m_committee.BearbBest();
        }
        return engine.result();
    }

    // "4=P3,5=P2", each with the fingerprint of its seat's tie in `drawnFor`.
    static QVector<SeatLot> lotsFor(const SeatResult& drawnFor, const QString& text)
    {
        QVector<SeatLot> lots;
        for (const QString& item : text.split(',', Qt::SkipEmptyParts)) {
            SeatLot lot;
            lot.seat = item.section('=', 0, 0).toInt();
            lot.code = item.section('=', 1);
            for (int g = 0; g < drawnFor.tieGroupCount; ++g)
                if (drawnFor.tieGroups[g].firstSeat <= lot.seat &&
                    lot.seat <= drawnFor.tieGroups[g].lastSeat)
                    lot.fingerprint = drawnFor.tieGroups[g].fingerprint;
            lots.append(lot);
        }
        return lots;
    }

    // "P1:1,3,4*|P2:2,5*|P3: / 4-6:P1 P2 P3:lott / A,V": seats, tie groups, lot outcomes.
    static QString summary(const SeatResult& r)
    {
        QStringList lists, groups, outcomes;
        for (int l = 1; l <= r.listCount; ++l) {
            QStringList seats;
            for (int k = 1; k <= r.lists[l].seatCount; ++k)
                seats.append(QString::number(r.lists[l].seat[k]) + (r.lists[l].tied[k] ? "*" : ""));
            lists.append(r.lists[l].code + ':' + seats.join(','));
        }
        for (int g = 0; g < r.tieGroupCount; ++g) {
            const SeatResult::TieGroup& group = r.tieGroups[g];
            QStringList names;
            for (int k = 0; k < group.listCount; ++k)
                names.append(LotTexts::listLabel(r, group.lists[k]));
            groups.append(QStringLiteral("%1-%2:%3:%4")
                              .arg(group.firstSeat)
                              .arg(group.lastSeat)
                              .arg(names.join(' '), group.decides ? "lott" : "ordning"));
        }
        for (const SeatLot& lot : r.lots)
            outcomes.append(QString(" AVN").mid(int(lot.outcome), 1));
        return lists.join('|') + " / " + groups.join('|') + " / " + outcomes.join(',');
    }

private Q_SLOTS:
    void ties_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("drawnFor"); // the input the lots were drawn for
        QTest::addColumn<QString>("lots");
        QTest::addColumn<QString>("expected");
        // Three lists tie over seats 4 to 6 with two seats left: the lot decides.
        QTest::newRow("6,4,2 at 5") << "n 6,4,2 @5"
                                    << ""
                                    << ""
                                    << "P1:1,3,4*|P2:2,5*|P3: / 4-6:P1 P2 P3:lott / ";
        QTest::newRow("6,4,2 lot to P3, p2") << "n 6,4,2 @5"
                                             << "n 6,4,2 @5"
                                             << "4=P3,5=p2"
                                             << "P1:1,3|P2:2,5*|P3:4* / 4-6:P1 P2 P3:lott / A,A";
        QTest::newRow("lot for one of two seats")
            << "n 6,4,2 @5"
            << "n 6,4,2 @5"
            << "4=P3"
            << "P1:1,3,4*|P2:2,5*|P3: / 4-6:P1 P2 P3:lott / V";
        QTest::newRow("one list twice") << "n 6,4,2 @5"
                                        << "n 6,4,2 @5"
                                        << "4=P3,5=P3"
                                        << "P1:1,3,4*|P2:2,5*|P3: / 4-6:P1 P2 P3:lott / V,V";
        // Both tied lists get a seat: the tie only orders seats 4 and 5.
        QTest::newRow("17,5,5 at 7") << "n 17,5,5 @7"
                                     << "n 17,5,5 @7"
                                     << "4=P3"
                                     << "P1:1,2,3,6,7|P2:4*|P3:5 / 4-5:P2 P3:ordning / N";
        // Equal votes tie at every odd seat; only the tie over the last seat decides.
        QTest::newRow("council last seat")
            << "c 100,100 @5"
            << ""
            << ""
            << "P1:1*,3*,5*|P2:2,4 / 1-2:P1 P2:ordning|3-4:P1 P2:ordning|5-6:P1 P2:lott / ";
        QTest::newRow("council lot reverses slot order")
            << "c 100,100 @5"
            << "c 100,100 @5"
            << "5=P2"
            << "P1:1*,3*|P2:2,4,5* / 1-2:P1 P2:ordning|3-4:P1 P2:ordning|5-6:P1 P2:lott / A";
        QTest::newRow("council seats changed") << "c 100,100 @7"
                                               << "c 100,100 @5"
                                               << "5=P2"
                                               << "P1:1*,3*,5*,7*|P2:2,4,6 / 1-2:P1 P2:ordning|"
                                                  "3-4:P1 P2:ordning|5-6:P1 P2:ordning|"
                                                  "7-8:P1 P2:lott / V";
        QTest::newRow("council votes changed") << "c 100,101 @5"
                                               << "c 100,100 @5"
                                               << "5=P2"
                                               << "P1:2,4|P2:1,3,5 /  / V";
        // Drawn for 6,4,2: with 7,4,2 seat 4 is no tie and seat 5 is another one.
        QTest::newRow("committee seats changed") << "n 7,4,2 @5"
                                                 << "n 6,4,2 @5"
                                                 << "4=P3,5=P2"
                                                 << "P1:1,3,4|P2:2,5*|P3: / 5-6:P2 P3:lott / V,V";
    }
    void ties()
    {
        QFETCH(QString, drawnFor);
        QFETCH(QString, lots);
        QFETCH(QString, input);
        const QVector<SeatLot> drawn =
            drawnFor.isEmpty() ? QVector<SeatLot>() : lotsFor(run(drawnFor), lots);
        QTEST(summary(run(input, drawn)), "expected");
    }

    // The lines under the result, as both reports print them.
    void texts()
    {
        QCOMPARE(LotTexts::lines(run("n 6,4,2 @5")),
                 QStringList{"Platserna 4–5: lika jämförelsetal för P1, P2 och P3; lotten avgör "
                             "vilka 2 av 3 som får platserna"});
        QCOMPARE(LotTexts::lines(run("n 17,5,5 @7")),
                 QStringList{"Platserna 4–5: lika jämförelsetal för P2 och P3; alla får en "
                             "plats, så ingen lottning behövs (den skulle bara avgöra "
                             "platsernas ordning)"});
        QVector<SeatLot> lots = lotsFor(run("c 100,100 @5"), "5=P2");
        lots[0].drawnBy = "Anna Berg";
        lots[0].drawnAt = QDateTime(QDate(2026, 9, 14), QTime(21, 30));
        lots[0].note = "inför valnämnden";
        QCOMPARE(LotTexts::lines(run("c 100,100 @5", lots)),
                 QStringList({"Lika jämförelsetal som bara avgör platsernas ordning (alla får en "
                              "plats, så ingen lottning behövs):",
                              "platserna 1–2 (P1 och P2), 3–4 (P1 och P2)",
                              "Plats 5: lika jämförelsetal för P1 och P2; avgjort genom lottning",
                              "Lottning:",
                              "Plats 5: lotten gav platsen till P2, dragen för hand av Anna Berg "
                              "2026-09-14 21:30 (inför valnämnden)"}));
        lots[0].byProgram = true;
        lots[0].note.clear();
        QCOMPARE(LotTexts::lines(run("c 101,100 @5", lots)).last(),
                 "Plats 5: lotten för P2 (dragen av programmet 2026-09-14 21:30) är ogiltig: "
                 "indata har ändrats sedan den drogs, så den har inte tillämpats");
    }

    // Each of the six orders of three tied lists comes from exactly one pair of random
    // numbers, so every list is as likely to go without a seat.
    void programDrawIsFair()
    {
        const SeatResult& result = run("n 6,4,2 @5");
        QSet<QString> orders;
        FixedRandom random;
        for (int draw = 0; draw < 6; ++draw) {
            random.values = {draw / 2, draw % 2};
            const QVector<SeatLot> lots = LotDraw::byProgram(result, 0, random, {});
            QVERIFY(lots.size() == 2 && lots[1].byProgram &&
                    lots[1].fingerprint == result.tieGroups[0].fingerprint);
            orders.insert(lots[0].code + lots[1].code);
        }
        QCOMPARE(orders.size(), 6);
    }

    // An all-combinations run finds the ties of every combination, names the deciding
    // ones, takes no lot and says so once.
    void allCombinationsTakeNoLots()
    {
        run("n 6,4,2 @5", lotsFor(run("n 6,4,2 @5"), "4=P3,5=P2"));
        m_committee.setSamvSW(ValsitBer::pairNumber(1, 2), 1);
        m_committee.setSamvSW(0, 2);
        QStringList seen;
        m_committee.setResultObserver([&] {
            seen.append(summary(m_committee.result()) + " / " +
                        LotTexts::lines(m_committee.result()).join(' '));
        });
        PlainTextControl text;
        PlainReportWindow window(&text);
        m_committee.setFormName(&window);
        m_committee.setVisaLottSW(true);
        m_committee.BearbBest();
        QCOMPARE(seen, QStringList({"P1:1,3,4*|P2:2,5*|P3: / 4-6:P1 P2 P3:lott /  / Platserna "
                                    "4–5: lika jämförelsetal för P1, P2 och P3; lotten avgör "
                                    "vilka 2 av 3 som får platserna",
                                    "P3:5*|:1,2,3,4 / 5-6:P3 P1 / P2:lott /  / Plats 5: lika "
                                    "jämförelsetal för P3 och P1 / P2; lotten avgör vem som får "
                                    "platsen"}));
        QCOMPARE(text.lines().last(), LotTexts::allCombinationsNote());
    }
};

QTEST_GUILESS_MAIN(tst_Lots)
#include "tst_Lots.moc"
