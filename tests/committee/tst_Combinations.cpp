#include "FakeMessageService.h"
#include "FakeProgressIndicator.h"
#include "RecordingPrinter.h"

#include "committee/Kombinationer.h"
#include "committee/ValsitBer.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"

#include <QtTest>

// The all-combinations run: which groupings are reported, in which order, how many, and
// the estimate the result windows announce before it.
class tst_Combinations : public QObject
{
    Q_OBJECT

private:
    static void load(ValsitBer& engine, int parties, int seats)
    {
        engine.setAntPartier(parties);
        for (int i = 1; i <= parties; ++i) {
            engine.setPartiID(i, QStringLiteral("P%1").arg(i));
            engine.setPartiNamn(i, QStringLiteral("Parti %1").arg(i));
            engine.setPartiValRes(i, 10 + i);
        }
        engine.setAntValsit(seats);
    }

    static void markPairs(ValsitBer& engine, qint16 mode, const QList<int>& pairs)
    {
        for (int k = 1; k <= 120; ++k)
            engine.setSamvSW(k, 0);
        for (int k : pairs)
            engine.setSamvSW(k, 1);
        engine.setSamvSW(0, mode);
    }

    static QList<int> allPairs(int parties)
    {
        QList<int> pairs;
        for (int k = 1; k <= parties * (parties - 1) / 2; ++k)
            pairs.append(k);
        return pairs;
    }

    // Each combination as its groups, "{1,4}{2,3}", "" when every party stands alone.
    static QStringList run(ValsitBer& engine)
    {
        QStringList combinations;
        engine.setResultObserver([&]() {
            QString text;
            for (int l = 1; l <= engine.listCount(); ++l) {
                QStringList members;
                for (int p = 1; p <= engine.AntPartier(); ++p)
                    if (engine.partyList(p) == l)
                        members.append(QString::number(p));
                if (members.size() > 1)
                    text += QLatin1Char('{') + members.join(QLatin1Char(',')) + QLatin1Char('}');
            }
            combinations.append(text);
        });
        engine.AntalResultat();
        engine.BearbBest();
        return combinations;
    }

private Q_SLOTS:
    void groupingsInOrder_data()
    {
        QTest::addColumn<int>("parties");
        QTest::addColumn<QList<int>>("pairs");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("four parties, all pairs")
            << 4 << allPairs(4)
            << QStringList{"",        "{1,2}",     "{1,3}",      "{2,3}",      "{1,2,3}",
                           "{1,4}",   "{2,4}",     "{1,2,4}",    "{3,4}",      "{1,3,4}",
                           "{2,3,4}", "{1,2,3,4}", "{1,4}{2,3}", "{1,3}{2,4}", "{1,2}{3,4}"};
        QTest::newRow("four parties, pairs (1,2) and (3,4)")
            << 4 << QList<int>{1, 6} << QStringList{"", "{1,2}", "{3,4}", "{1,2}{3,4}"};
        QTest::newRow("three parties, pair (1,2)")
            << 3 << QList<int>{1} << QStringList{"", "{1,2}"};
        QTest::newRow("(1,3) and (2,3) but not (1,2): never all three")
            << 3 << QList<int>{2, 3} << QStringList{"", "{1,3}", "{2,3}"};
        QTest::newRow("no pair marked: everyone alone") << 5 << QList<int>{} << QStringList{""};
    }

    void groupingsInOrder()
    {
        QFETCH(int, parties);
        QFETCH(QList<int>, pairs);
        QFETCH(QStringList, expected);

        FakeMessageService messages;
        ValsitBer engine(messages);
        load(engine, parties, 5);
        markPairs(engine, 2, pairs);
        QCOMPARE(run(engine), expected);
        QCOMPARE(engine.resultCounter(), expected.size());
        qint16 marks[ValsitBer::PairSlots] = {};
        for (int k : pairs)
            marks[k] = 1;
        QCOMPARE(Kombinationer::antal(parties, marks), expected.size());
    }

    void bellNumbers_data()
    {
        QTest::addColumn<int>("parties");
        QTest::addColumn<int>("combinations");
        const int bell[] = {0, 0, 2, 5, 15, 52, 203, 877, 4140, 21147};
        for (int n = 2; n <= 9; ++n)
            QTest::addRow("%d parties", n) << n << bell[n];
    }

    void bellNumbers()
    {
        QFETCH(int, parties);
        QFETCH(int, combinations);
        FakeMessageService messages;
        ValsitBer engine(messages);
        load(engine, parties, 5);
        markPairs(engine, 2, allPairs(parties));
        const QStringList runs = run(engine);
        QCOMPARE(runs.size(), combinations);
        QCOMPARE(QSet<QString>(runs.begin(), runs.end()).size(), combinations); // each once
        qint16 marks[ValsitBer::PairSlots] = {};
        for (int k : allPairs(parties))
            marks[k] = 1;
        QCOMPARE(Kombinationer::antal(parties, marks), combinations);
    }

    // A run stopped between combinations ends its report, on either medium, with a line
    // saying how far it came; a stop after the last combination is no stop.
    void aStoppedRunSaysHowFarItCame()
    {
        for (const QPair<bool, int>& c : {qMakePair(false, 3), {true, 3}, {false, 15}}) {
            const bool paper = c.first;
            const int stopAt = c.second;
            FakeMessageService messages;
            ValsitBer engine(messages);
            PlainTextControl control;
            PlainReportWindow window(&control);
            RecordingPrinter printer;
            engine.setFormName(&window);
            engine.setPrinter(&printer);
            engine.setSkrivUtSW(paper);
            load(engine, 4, 5);
            markPairs(engine, 2, allPairs(4));
            int asked = 0;
            engine.setStopCheck([&] { return ++asked == stopAt; });
            engine.AntalResultat();
            engine.BearbBest();
            QCOMPARE(engine.resultCounter(), stopAt);
            QCOMPARE(engine.stopped(), stopAt < 15);
            const QString last = paper ? printer.textsOnPage(0).last() : control.lines().last();
            QCOMPARE(last == ValsitBer::stoppedLine(3, 15), stopAt < 15);
        }
    }

    // The estimate the result windows announce: results and pages by marked pairs.
    void estimate()
    {
        // mode, marked pairs, results, pages
        const int cases[][4] = {{0, 6, 1, 1},         {1, 6, 1, 1},         {2, 0, 1, 1},
                                {2, 1, 2, 1},         {2, 2, 3, 1},         {2, 6, 15, 3},
                                {2, 28, 4140, 592},   {2, 35, 18000, 2600}, {2, 36, 24000, 3500},
                                {2, 45, 24000, 3500}, {2, 46, 0, 0}};
        for (const auto& c : cases) {
            FakeMessageService messages;
            ValsitBer engine(messages);
            QList<int> pairs;
            for (int k = 1; k <= c[1]; ++k)
                pairs.append(k);
            markPairs(engine, qint16(c[0]), pairs);
            engine.setSamvSW(100, 2); // only a mark of exactly 1 counts
            const int results = engine.AntalResultat();
            QCOMPARE(QList<int>({c[0], c[1], results, engine.AntalSidor()}),
                     QList<int>({c[0], c[1], c[2], c[3]}));
        }
    }

    void progressFollowsTheActualCount()
    {
        FakeMessageService messages;
        ValsitBer engine(messages);
        FakeProgressIndicator bar;
        engine.setProgBar(&bar);
        load(engine, 4, 5);
        markPairs(engine, 2, {1, 6}); // estimate 3, actual 4
        QCOMPARE(engine.AntalResultat(), 3);
        engine.BearbBest();
        QCOMPARE(bar.maximum(), 4);
        QCOMPARE(bar.values, (QVector<int>{1, 2, 3, 4, 4}));

        markPairs(engine, 2, allPairs(4));
        bar.values.clear();
        QCOMPARE(engine.AntalResultat(), 15);
        engine.BearbBest();
        QCOMPARE(bar.maximum(), 15);
        QCOMPARE(bar.values.size(), 16);
        QCOMPARE(bar.value(), 15);
    }

    void theFixedModeRunsOnce()
    {
        FakeMessageService messages;
        ValsitBer engine(messages);
        load(engine, 4, 5);
        markPairs(engine, 1, allPairs(4));
        QCOMPARE(run(engine), QStringList{"{1,2,3,4}"});
    }
};

QTEST_GUILESS_MAIN(tst_Combinations)
#include "tst_Combinations.moc"
