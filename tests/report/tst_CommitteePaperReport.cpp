#include "RecordingPrinter.h"
#include "ReportFixtures.h"
#include "committee/CommitteePaperReport.h"

#include <QtTest>

using namespace ReportFixtures;

// The committee report on paper, recorded. The recording printer's metrics: a
// character is size × 10 twips wide, a line size × 25 high.
class tst_CommitteePaperReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void runLetterAdvancesPerRun();
    void comparisonListInEightPoint();
    void allCombinationsOfFourParties();
    void sixteenPartiesFitTheMarkTable();

private:
    struct Printout
    {
        FakeMessageService messages;
        ValsitBer engine{messages};
        RecordingPrinter printer;
        Printout()
        {
            engine.setPrinter(&printer);
            engine.setSkrivUtSW(true);
        }
    };
    // P 5, Q 2, R 4 council seats; P and Q cooperate.
    static void loadPqr(ValsitBer& engine)
    {
        loadCommittee(engine, 5, {{"P", "Pelle", 5}, {"Q", "Qvist", 2}, {"R", "Rask", 4}});
        markPairs(engine, 1, {1});
    }
};

void tst_CommitteePaperReport::layout_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("bold");

    const QString arial = "Arial", times = "Times New Roman";
    const QString blank = QString(QChar(0xA0));
    QTest::newRow("header") << "Åby kommun har gjort valsitberäkningsbeställningen 2026-09-14" << 0
                            << 0.0 << 0.0 << arial << 8 << true;
    // No heading: the gap follows the header; positions 600, 1000, 4400, 4800, 5200, 5600.
    QTest::newRow("Fullmäktige") << "Fullmäktige" << 0 << 600.0 << 420.0 << arial << 8 << true;
    QTest::newRow("run letter") << "Valsamverkan - A" << 0 << 4400.0 << 420.0 << arial << 8 << true;
    QTest::newRow("Valsit centred") << "Valsit" << 0 << 600.0 - 240 << 620.0 << arial << 8 << true;
    QTest::newRow("Partinamn") << "Partinamn" << 0 << 1000.0 << 620.0 << arial << 8 << true;
    QTest::newRow("PartiID") << "PartiID" << 0 << 4400.0 << 620.0 << arial << 8 << true;
    QTest::newRow("council seats") << "5" << 0 << 560.0 << 820.0 << times << 8 << false;
    QTest::newRow("name") << "Pelle" << 0 << 1000.0 << 820.0 << times << 8 << false;
    QTest::newRow("code") << "P" << 0 << 4360.0 << 820.0 << times << 8 << false;
    QTest::newRow("diagonal 1") << "P" << 1 << 4760.0 << 820.0 << times << 8 << false;
    QTest::newRow("marked pair") << "X" << 0 << 4760.0 << 1020.0 << times << 8 << false;
    QTest::newRow("diagonal 2") << "Q" << 1 << 5160.0 << 1020.0 << times << 8 << false;
    QTest::newRow("unmarked pair 1-3") << blank << 0 << 4760.0 << 1220.0 << times << 8 << false;
    QTest::newRow("unmarked pair 2-3") << blank << 1 << 5160.0 << 1220.0 << times << 8 << false;
    QTest::newRow("diagonal 3") << "R" << 1 << 5560.0 << 1220.0 << times << 8 << false;
    QTest::newRow("tie note") << PaperReport::TieNote << 0 << 0.0 << 1640.0 << times << 8 << false;
    // The block: lone parties first, then the group, its name trimmed.
    QTest::newRow("lone list") << "Rask" << 1 << 200.0 << 2060.0 << times << 11 << false;
    QTest::newRow("count") << " Antal: 2" << 0 << 3200.0 << 2060.0 << times << 11 << false;
    QTest::newRow("Valsit") << "Valsit: " << 0 << 4300.0 << 2060.0 << times << 11 << false;
    QTest::newRow("seat 2") << "2" << 1 << 5350.0 - 55 << 2060.0 << times << 11 << false;
    QTest::newRow("seat 5") << "5" << 1 << 5800.0 - 55 << 2060.0 << times << 11 << false;
    QTest::newRow("group") << "P / Q /" << 0 << 200.0 << 2335.0 << times << 11 << false;
    QTest::newRow("group count") << " Antal: 3" << 0 << 3200.0 << 2335.0 << times << 11 << false;
    QTest::newRow("seat 4") << "4" << 1 << 6250.0 - 55 << 2335.0 << times << 11 << false;
    QTest::newRow("result counter") << "1" << 1 << 0.0 << 2610.0 << arial << 8 << true;
}

void tst_CommitteePaperReport::layout()
{
    QFETCH(QString, text);
    QFETCH(int, occurrence);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, font);
    QFETCH(int, size);
    QFETCH(bool, bold);

    Printout p;
    loadPqr(p.engine);
    runCommittee(p.engine);

    int index = 3; // past the footer
    for (int i = 0; i <= occurrence; ++i) {
        index = p.printer.indexOf(text, index);
        QVERIFY2(index >= 0, qPrintable(text));
        if (i < occurrence)
            ++index;
    }
    const RecordingPrinter::Text& t = p.printer.texts()[index];
    QCOMPARE(t.x, x);
    QCOMPARE(t.y, y);
    QCOMPARE(t.font, font);
    QCOMPARE(t.size, size);
    QCOMPARE(t.bold, bold);

    QCOMPARE(p.printer.pages(), 1);
    QCOMPARE(p.printer.endDocs(), 1);
    QCOMPARE(p.printer.lines().back().y1, 2810.0);
}

void tst_CommitteePaperReport::runLetterAdvancesPerRun()
{
    Printout p;
    loadPqr(p.engine);
    runCommittee(p.engine);
    runCommittee(p.engine);
    QVERIFY(p.printer.indexOf("Valsamverkan - A") >= 0);
    QVERIFY(p.printer.indexOf("Valsamverkan - B") > p.printer.indexOf("Valsamverkan - A"));
    QCOMPARE(p.printer.beginDocs(), 2);
    QCOMPARE(p.printer.endDocs(), 2);
}

void tst_CommitteePaperReport::comparisonListInEightPoint()
{
    Printout p;
    loadPqr(p.engine);
    p.engine.setBerTalSW(true);
    runCommittee(p.engine);
    const RecordingPrinter::Text* note = p.printer.find(PaperReport::TieNote);
    const RecordingPrinter::Text& list = p.printer.texts()[p.printer.indexOf(note->text) + 1];
    QVERIFY(list.text.startsWith("ValsitNr=(Jämförelsetal), 1=("));
    QCOMPARE(list.size, 8);
    QCOMPARE(list.y, note->y + 200 + 220);
    // The lists follow a gap of 100 under it.
    QCOMPARE(p.printer.find("Rask", p.printer.indexOf(list.text))->y, list.y + 200 + 100);
}

void tst_CommitteePaperReport::allCombinationsOfFourParties()
{
    Printout p;
    loadCommittee(p.engine, 11,
                  {{"A", "Alfa", 15}, {"B", "Beta", 10}, {"C", "Gamma", 7}, {"D", "Delta", 3}});
    markPairs(p.engine, 2, {1, 2, 3, 4, 5, 6});
    QCOMPARE(p.engine.AntalResultat(), 15);
    runCommittee(p.engine);

    // Fifteen blocks, numbered 1 to 15 at the margin in bold 8.
    std::vector<int> counters;
    for (int i = 0; i < int(p.printer.texts().size()); ++i) {
        const auto& t = p.printer.texts()[i];
        if (t.x == 0 && t.bold && t.size == 8 && t.y < 14200 && t.text.toInt() > 0)
            counters.push_back(i);
    }
    QCOMPARE(int(counters.size()), 15);
    int previous = p.printer.indexOf(PaperReport::TieNote);
    for (int k = 0; k < 15; ++k) {
        const auto& counter = p.printer.texts()[counters[k]];
        QCOMPARE(counter.text, QString::number(k + 1));
        // A block is never split: its lists are on its counter's page; when it begins a
        // page, it begins at the top.
        int first = previous + 1;
        while (p.printer.texts()[first].y >= 14400) // a new page's footer
            ++first;
        const auto& firstList = p.printer.texts()[first];
        QCOMPARE(firstList.page, counter.page);
        if (firstList.page != p.printer.texts()[previous].page)
            QCOMPARE(firstList.y, 0.0);
        else
            QCOMPARE(firstList.y,
                     p.printer.texts()[previous].y + p.printer.texts()[previous].height + 220);
        previous = counters[k];
    }
    QVERIFY(p.printer.pages() > 1);
    for (int page = 1; page <= p.printer.pages(); ++page) {
        QVERIFY(p.printer.bodyBottom(page) <= 14200);
        QVERIFY(p.printer.textsOnPage(page).contains(QString("Sida %1").arg(page)));
    }
    QCOMPARE(p.printer.beginDocs(), 1);
    QCOMPARE(p.printer.endDocs(), 1);
}

void tst_CommitteePaperReport::sixteenPartiesFitTheMarkTable()
{
    QCOMPARE(CommitteePaperReport::markSpacing(14), 392);
    QCOMPARE(CommitteePaperReport::markSpacing(13), 400);

    Printout p;
    std::vector<Party> parties;
    for (int i = 1; i <= 16; ++i)
        parties.push_back(
            {QString("P%1").arg(i, 2, 10, QChar('0')), QString("Parti %1").arg(i), i});
    loadCommittee(p.engine, 11, parties);
    runCommittee(p.engine);
    // The last party's code on the diagonal is centred on the right edge, on the paper.
    const RecordingPrinter::Text* last = p.printer.find("P16", p.printer.indexOf("Parti 16") + 2);
    QVERIFY(last);
    QCOMPARE(last->x + RecordingPrinter::fakeWidth("P16", 8) / 2, 9900.0);
}

QTEST_GUILESS_MAIN(tst_CommitteePaperReport)
#include "tst_CommitteePaperReport.moc"
