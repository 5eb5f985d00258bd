#include "CouncilSession.h"
#include "FixedRandom.h"
#include "PdfReadBack.h"
#include "Rows.h"

#include "committee/ValsitBer.h"
#include "committee/ui/CommitteeWindows.h"
#include "committee/ui/frmD_VisaSkrivUt.h"
#include "council/RostBer.h"
#include "data/DbError.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"
#include "seats/LotDraw.h"
#include "seats/LotStore.h"
#include "seats/LotTexts.h"
#include "seats/ui/LotDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

namespace {
// The run ("c 100,100 @5": council votes (c) or committee council seats (n), seats to
// give), the run the lots were drawn for and the lots ("4=P3,5=p2"), and the outcome:
// seats, tie groups and each lot's outcome (Applied, Void, Not needed).
struct TieCase
{
    const char* name;
    const char* input;
    const char* drawnFor;
    const char* lots;
    const char* expected;
};
const TieCase ties[] = {
    // Three lists tie over seats 4 to 6 with two seats left: the lot decides.
    {"6,4,2 at 5", "n 6,4,2 @5", "", "", "P1:1,3,4*|P2:2,5*|P3: / 4-6:P1 P2 P3:lott / "},
    {"6,4,2 lot to P3, p2", "n 6,4,2 @5", "n 6,4,2 @5", "4=P3,5=p2",
     "P1:1,3|P2:2,5*|P3:4* / 4-6:P1 P2 P3:lott / A,A"},
    {"lot for one of two seats", "n 6,4,2 @5", "n 6,4,2 @5", "4=P3",
     "P1:1,3,4*|P2:2,5*|P3: / 4-6:P1 P2 P3:lott / V"},
    {"one list twice", "n 6,4,2 @5", "n 6,4,2 @5", "4=P3,5=P3",
     "P1:1,3,4*|P2:2,5*|P3: / 4-6:P1 P2 P3:lott / V,V"},
    // Both tied lists get a seat: the tie only orders seats 4 and 5.
    {"17,5,5 at 7", "n 17,5,5 @7", "n 17,5,5 @7", "4=P3",
     "P1:1,2,3,6,7|P2:4*|P3:5 / 4-5:P2 P3:ordning / N"},
    // Equal votes tie at every odd seat; only the tie over the last seat decides.
    {"council last seat", "c 100,100 @5", "", "",
     "P1:1*,3*,5*|P2:2,4 / 1-2:P1 P2:ordning|3-4:P1 P2:ordning|5-6:P1 P2:lott / "},
    {"council lot reverses slot order", "c 100,100 @5", "c 100,100 @5", "5=P2",
     "P1:1*,3*|P2:2,4,5* / 1-2:P1 P2:ordning|3-4:P1 P2:ordning|5-6:P1 P2:lott / A"},
    {"council seats changed", "c 100,100 @7", "c 100,100 @5", "5=P2",
     "P1:1*,3*,5*,7*|P2:2,4,6 / 1-2:P1 P2:ordning|3-4:P1 P2:ordning|5-6:P1 P2:ordning|"
     "7-8:P1 P2:lott / V"},
    {"council votes changed", "c 100,101 @5", "c 100,100 @5", "5=P2", "P1:2,4|P2:1,3,5 /  / V"},
    // Drawn for 6,4,2: with 7,4,2 seat 4 is no tie and seat 5 is another one.
    {"committee seats changed", "n 7,4,2 @5", "n 6,4,2 @5", "4=P3,5=P2",
     "P1:1,3,4|P2:2,5*|P3: / 5-6:P2 P3:lott / V,V"},
};

} // namespace

// Ties and lots: the seats a tie spans in both engines, whether it decides who gets a
// seat, the seats after a lot, a lot void once its tie has changed, the lines under the
// result, the program's draw, the lots kept with an election, and the lot drawn in the
// committee result window.
class tst_Lots : public QObject
{
    Q_OBJECT

private:
    CouncilSession s;
    FixedRandom random;
    FakeMessageService m_messages;
    RostBer m_council{m_messages};
    ValsitBer m_committee{m_messages};

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

    static QString report(QWidget* w)
    {
        return w->findChild<QTextEdit*>("rtfPInfo")->toPlainText();
    }

private Q_SLOTS:
    void initTestCase()
    {
        s.initTestCase();
        registerCommitteeWindows(s.services);
        s.services.random = &random;
    }
    void init() { QVERIFY(s.init()); }
    void cleanup() { s.cleanup(); }

    void tieGroups_data() { addRows(ties); }
    void tieGroups()
    {
        const TieCase& c = row(ties);
        const QVector<SeatLot> drawn =
            *c.drawnFor ? lotsFor(run(c.drawnFor), c.lots) : QVector<SeatLot>();
        QCOMPARE(summary(run(c.input, drawn)), QString(c.expected));
    }

    // The lines under the result, as both reports print them (a deciding tie's line is
    // in the window test).
    void texts()
    {
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
        m_committee.setResultObserver({});
        m_committee.setFormName(nullptr);
        m_committee.setSamvSW(ValsitBer::pairNumber(1, 2), 0);
        QCOMPARE(seen, QStringList({"P1:1,3,4*|P2:2,5*|P3: / 4-6:P1 P2 P3:lott /  / Platserna "
                                    "4–5: lika jämförelsetal för P1, P2 och P3; lotten avgör "
                                    "vilka 2 av 3 som får platserna",
                                    "P3:5*|:1,2,3,4 / 5-6:P3 P1 / P2:lott /  / Plats 5: lika "
                                    "jämförelsetal för P3 och P1 / P2; lotten avgör vem som får "
                                    "platsen"}));
        QCOMPARE(text.lines().last(), LotTexts::allCombinationsNote());
    }

    // The lots kept with an election: reading an older file does not write; a lot replaces
    // the one of its seat and those it voids, each kind apart; a failed recording leaves the
    // file as it was. (The window test below reads every field back.)
    void store()
    {
        const auto lot = [](int seat, const char* code, bool byProgram = false) {
            SeatLot l;
            l.seat = seat;
            l.code = code;
            l.byProgram = byProgram;
            return l;
        };
        const QString path = s.db->path();
        const QString rows = "SELECT Slag || Plats || PartiID || Programlottad FROM Lottning";
        QVERIFY(LotStore(path).lots(LotStore::Kind::Committee).isEmpty());
        QCOMPARE(s.value("SELECT COUNT(*) FROM sqlite_master WHERE name = 'Lottning'").toInt(), 0);
        LotStore(path).record(LotStore::Kind::Committee, {lot(4, "C"), lot(5, "M")});
        LotStore(path).record(LotStore::Kind::Council, {lot(7, "S")});
        LotStore(path).record(LotStore::Kind::Committee, {lot(5, "V", true)}, {4});
        QCOMPARE(s.column(rows + " ORDER BY 1"), QStringList({"Fullmäktige7S0", "Nämnd5V1"}));
        QCOMPARE(LotStore(path).lots(LotStore::Kind::Council).size(), 1);
        // A trigger refuses the second row: the first must not stay, nor the void one go.
        s.exec("CREATE TRIGGER stopp BEFORE INSERT ON Lottning WHEN NEW.Plats = 9 "
               "BEGIN SELECT RAISE(ABORT, 'nej'); END");
        QVERIFY_THROWS_EXCEPTION(DbError, LotStore(path).record(LotStore::Kind::Council,
                                                                {lot(8, "M"), lot(9, "V")}, {7}));
        QCOMPARE(s.column(rows + " ORDER BY 1"), QStringList({"Fullmäktige7S0", "Nämnd5V1"}));
    }

    // The committee result window: a deciding tie settled by the program or by hand, and
    // the report after it on screen and in the PDF.
    void lotInTheWindow_data()
    {
        QTest::addColumn<bool>("byProgram");
        QTest::addColumn<QString>("lotLine");
        // The draw 0, 0 orders P1, P2, P3 as P2, P3, P1: seats 4 and 5 to P2 and P3.
        QTest::newRow("by the program")
            << true << "Plats 4: lotten gav platsen till P2, dragen av programmet 2026-09-13 00:00";
        QTest::newRow("by hand") << false
                                 << "Plats 4: lotten gav platsen till P2, dragen för hand av "
                                    "Eva Ek 2026-09-13 00:00 (i valnämnden)";
    }
    void lotInTheWindow()
    {
        QFETCH(bool, byProgram);
        QFETCH(QString, lotLine);
        ValsitBer& e = *s.services.committee;
        for (int i = 1; i <= 3; ++i) {
            e.setPartiID(i, QStringLiteral("P%1").arg(i));
            e.setPartiNamn(i, QStringLiteral("Parti %1").arg(i));
            e.setPartiValRes(i, 8 - 2 * i);
        }
        e.setAntPartier(3);
        e.setAntValsit(5);
        e.setSamvSW(0, 0);
        auto* w = qobject_cast<frmD_VisaSkrivUt*>(s.show("frmD_VisaSkrivUt"));
        QVERIFY(w && QTest::qWaitFor([w] { return w->runs() == 1; }));
        QVERIFY2(report(w).contains("Platserna 4–5: lika jämförelsetal för P1, P2 och P3; lotten "
                                    "avgör vilka 2 av 3 som får platserna"),
                 qPrintable(report(w)));

        random.values = {0, 0};
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<LotDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            answered = true;
            if (byProgram) {
                dialog->findChild<QPushButton*>("cmdProgram")->click();
                return;
            }
            dialog->findChild<QComboBox*>("cboSeat(0)")->setCurrentIndex(1);
            dialog->findChild<QComboBox*>("cboSeat(1)")->setCurrentIndex(2);
            dialog->findChild<QLineEdit*>("txtDragenAv")->setText("Eva Ek");
            dialog->findChild<QLineEdit*>("txtAnteckning")->setText("i valnämnden");
            dialog->findChild<QPushButton*>("cmdSpara")->click();
        });
        CouncilSession::action(w, "mnuLottning")->trigger();
        QVERIFY(answered);
        QCOMPARE(s.messages.texts(), QStringList());
        QCOMPARE(w->runs(), 2);
        const QString after = report(w);
        QVERIFY2(after.contains("Valsamverkan - A"), qPrintable(after)); // the same run
        QVERIFY(after.contains("Parti 1\t Antal: 2\tValsit: 1\t3\t\n"));
        QVERIFY(after.contains("Parti 3\t Antal: 1\tValsit: 5*\t\n"));
        QVERIFY(after.contains(lotLine));
        QCOMPARE(s.value("SELECT COUNT(*) FROM Lottning").toInt(), 2);

        s.messages.saveFiles.enqueue(s.db->filePath("lott.pdf"));
        CouncilSession::action(w, "mnuSparaPdf")->trigger();
        const QString pdf = PdfReadBack::pages(s.db->filePath("lott.pdf")).join('\n');
        QVERIFY2(pdf.contains("Lottning:") && pdf.contains("avgjort genom lottning") &&
                     pdf.contains("Plats 5: lotten gav platsen till P3"),
                 qPrintable(pdf));
    }
};

QTEST_MAIN(tst_Lots)
#include "tst_Lots.moc"
