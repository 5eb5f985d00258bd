#include "Collect.h"
#include "FakeProgressIndicator.h"
#include "RecordingPrinter.h"

#include "committee/CommitteePaperReport.h"
#include "committee/CommitteeScreenReport.h"
#include "committee/ValsitBer.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"
#include "seats/LotTexts.h"
#include "seats/ProgressReport.h"

#include <QtTest>
#include <memory>

// The all-combinations run: which groupings are reported, in which order, how many, and
// the estimate the result windows announce before it.
class tst_Combinations : public QObject
{
    Q_OBJECT

private:
    static CommitteeInput input(int parties, int mode, const QList<int>& pairs)
    {
        CommitteeInput in;
        for (int i = 1; i <= parties; ++i)
            in.parties.append(
                {QStringLiteral("P%1").arg(i), QStringLiteral("Parti %1").arg(i), 10 + i});
        in.seats = 5;
        in.cooperation = mode == 2 ? CommitteeInput::Cooperation::AllCombinations
                                   : CommitteeInput::Cooperation::Fixed;
        in.marks = std::set<int>(pairs.begin(), pairs.end());
        return in;
    }

    static QList<int> allPairs(int parties)
    {
        QList<int> pairs;
        for (int k = 1; k <= parties * (parties - 1) / 2; ++k)
            pairs.append(k);
        return pairs;
    }

    // Each combination as its groups, "{1,4}{2,3}", "" when every party stands alone.
    static QString groups(const SeatResult& result)
    {
        QString text;
        for (int l = 1; l <= result.listCount; ++l) {
            QStringList members;
            for (int p = 1; p <= result.partyCount; ++p)
                if (result.parties[p].list == l)
                    members.append(QString::number(p));
            if (members.size() > 1)
                text += QLatin1Char('{') + members.join(QLatin1Char(',')) + QLatin1Char('}');
        }
        return text;
    }

private Q_SLOTS:
    // The combinations in the order reported (as groups, "{1,4}{2,3}"; "" when every party
    // stands alone) or, for every party marked with every other, only how many: the Bell
    // numbers, each grouping once. The progress bar grows to the actual count past the
    // estimate, and the exact count agrees.
    void groupings_data()
    {
        QTest::addColumn<int>("parties");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("pairs");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("count");
        const QStringList four{"",        "{1,2}",     "{1,3}",      "{2,3}",      "{1,2,3}",
                               "{1,4}",   "{2,4}",     "{1,2,4}",    "{3,4}",      "{1,3,4}",
                               "{2,3,4}", "{1,2,3,4}", "{1,4}{2,3}", "{1,3}{2,4}", "{1,2}{3,4}"};
        QTest::newRow("four parties, all pairs") << 4 << 2 << allPairs(4) << four << 15;
        QTest::newRow("four parties, pairs (1,2) and (3,4): estimate 3")
            << 4 << 2 << QList<int>{1, 6} << QStringList{"", "{1,2}", "{3,4}", "{1,2}{3,4}"} << 4;
        QTest::newRow("three parties, pair (1,2)")
            << 3 << 2 << QList<int>{1} << QStringList{"", "{1,2}"} << 2;
        QTest::newRow("(1,3) and (2,3) but not (1,2): never all three")
            << 3 << 2 << QList<int>{2, 3} << QStringList{"", "{1,3}", "{2,3}"} << 3;
        QTest::newRow("no pair marked: everyone alone")
            << 5 << 2 << QList<int>{} << QStringList{""} << 1;
        QTest::newRow("the fixed mode runs once")
            << 4 << 1 << allPairs(4) << QStringList{"{1,2,3,4}"} << 1;
        const int bell[] = {0, 0, 2, 5, 15, 52, 203, 877, 4140, 21147};
        for (int n = 2; n <= 9; ++n)
            QTest::addRow("%d parties", n) << n << 2 << allPairs(n) << QStringList() << bell[n];
    }

    void groupings()
    {
        QFETCH(int, parties);
        QFETCH(int, mode);
        QFETCH(QList<int>, pairs);
        QFETCH(QStringList, expected);
        QFETCH(int, count);
        const CommitteeInput in = input(parties, mode, pairs);
        QStringList runs;
        Collect collect;
        collect.each = [&runs](const SeatResult& r) { runs.append(groups(r)); };
        FakeProgressIndicator bar;
        const int estimate = ValsitBer::estimate(in).resultat;
        ProgressReport progress(collect, &bar, estimate);
        auto engine = std::make_unique<ValsitBer>(in);
        const ValsitBer::Outcome outcome = engine->run(progress);
        if (!expected.isEmpty())
            QCOMPARE(runs, expected);
        QCOMPARE(runs.size(), count);
        QCOMPARE(QSet<QString>(runs.begin(), runs.end()).size(), count);
        QCOMPARE(outcome.results, count);
        QCOMPARE(bar.maximum(), qMax(estimate, count));
        QCOMPARE(bar.value(), bar.maximum());
        if (mode == 2) {
            QCOMPARE(ValsitBer::combinationCount(in), count);
            QCOMPARE(bar.values.size(), count + 1);
        }
    }

    // A run stopped between combinations ends its report, on either medium, with a line
    // saying how far it came; a stop after the last combination is no stop.
    void aStoppedRunSaysHowFarItCame()
    {
        for (const QPair<bool, int>& c : {qMakePair(false, 3), {true, 3}, {false, 15}}) {
            const bool paper = c.first;
            const int stopAt = c.second;
            const CommitteeInput in = input(4, 2, allPairs(4));
            PlainTextControl control;
            PlainReportWindow window(&control);
            RecordingPrinter printer;
            CommitteeScreenReport screen(&window, ReportHeader(), in, "A");
            CommitteePaperReport onPaper(in, "A");
            onPaper.setPrinter(&printer);
            int asked = 0;
            auto engine = std::make_unique<ValsitBer>(in);
            const ValsitBer::Outcome outcome =
                engine->run(paper ? static_cast<SeatReport&>(onPaper) : screen,
                            [&] { return ++asked == stopAt; });
            QCOMPARE(outcome.results, stopAt);
            QCOMPARE(outcome.stopped, stopAt < 15);
            const QString last = paper ? printer.textsOnPage(0).last() : control.lines().last();
            QCOMPARE(last == "Bearbetningen avbröts efter 3 av 15 kombinationer. Redovisningen är "
                             "inte fullständig.",
                     stopAt < 15);
        }
    }

    // An all-combinations run takes no lots: that a combination had a tie deciding a seat is
    // said once, under the last result. Here both combinations have one deciding tie each.
    void undecidedTiesAreSaid()
    {
        for (const bool tie : {true, false}) {
            CommitteeInput in = input(3, 2, {1});
            in.parties = {
                {"P1", "Parti 1", 6}, {"P2", "Parti 2", 4}, {"P3", "Parti 3", tie ? 2 : 1}};
            in.report.showLots = true;
            PlainTextControl control;
            PlainReportWindow window(&control);
            CommitteeScreenReport screen(&window, ReportHeader(), in, "A");
            std::make_unique<ValsitBer>(in)->run(screen);
            QCOMPARE(control.lines().last() == LotTexts::allCombinationsNote(), tie);
        }
    }

    // The estimate the result windows announce: the exact number of results, and pages
    // as printed runs measured (6 parties, 11 seats: 19 pages; 9 parties, 350 seats: a
    // page per result).
    void estimate()
    {
        // mode, parties (all their pairs marked), seats, results, pages
        const int cases[][5] = {{0, 4, 5, 1, 1},     {1, 4, 5, 1, 1},           {2, 4, 5, 15, 1},
                                {2, 6, 11, 203, 19}, {2, 9, 350, 21147, 21147}, {2, 10, 11, 0, 0}};
        for (const auto& c : cases) {
            CommitteeInput in = input(c[1], c[0], allPairs(c[1]));
            in.seats = c[2];
            if (c[0] == 0)
                in.cooperation = CommitteeInput::Cooperation::None;
            const Omfattning size = ValsitBer::estimate(in);
            QCOMPARE(QList<int>({c[0], c[1], c[2], size.resultat, size.sidor}),
                     QList<int>({c[0], c[1], c[2], c[3], c[4]}));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Combinations)
#include "tst_Combinations.moc"
