#include "RecordingPrinter.h"
#include "ReportFixtures.h"
#include "council/CouncilPaperReport.h"
#include "shell/EngineError.h"

#include <QtTest>

using namespace ReportFixtures;

// The council report on paper, recorded: every text's position, font and page. The
// recording printer's metrics are easy to count: a character is size × 10 twips wide,
// a line size × 25 high (bold 8: 80 and 200; normal 11: 110 and 275).
class tst_CouncilPaperReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void withoutHeading();
    void withoutDistricts();
    void twelveSeatsTakeTwoLines();
    void manyDistrictsGoOnANewPage();
    void longComparisonListBreaksWhereTheRulesSay();
    void shortComparisonListStaysOnThePage();
    void manyPartiesFitTheDistrictTable();
    void printerMissingIsAnError();

private:
    struct Printout
    {
        FakeMessageService messages;
        RostBer engine{messages};
        RecordingPrinter printer;
        Printout()
        {
            engine.setPrinter(&printer);
            engine.setSkrivUtSW(true);
        }
    };
};

void tst_CouncilPaperReport::layout_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("bold");

    const QString arial = "Arial", times = "Times New Roman";
    // Input section: header, "för", heading at position 1, gap 220, column heads.
    QTest::newRow("header") << "Åby kommun har gjort valsitberäkningsbeställningen 2026-09-14" << 0
                            << 0.0 << 0.0 << arial << 8 << true;
    QTest::newRow("för") << "för" << 0 << 0.0 << 200.0 << arial << 8 << true;
    QTest::newRow("heading") << "Fullmäktige i Åby" << 0 << 200.0 << 400.0 << arial << 11 << true;
    QTest::newRow("Partinamn left on 200")
        << "Partinamn" << 0 << 200.0 << 895.0 << arial << 8 << true;
    QTest::newRow("PartiID centred on 4400")
        << "PartiID" << 0 << 4400.0 - 280 << 895.0 << arial << 8 << true;
    QTest::newRow("Antal röster right on 6200")
        << "Antal röster" << 0 << 6200.0 - 960 << 895.0 << arial << 8 << true;
    QTest::newRow("party name") << "Socialdemokraterna" << 0 << 200.0 << 1095.0 << times << 11
                                << false;
    QTest::newRow("party code") << "S" << 0 << 4400.0 - 55 << 1095.0 << times << 11 << false;
    QTest::newRow("votes") << "1000" << 0 << 6200.0 - 440 << 1095.0 << times << 11 << false;
    QTest::newRow("third party") << "Vänsterpartiet" << 0 << 200.0 << 1645.0 << times << 11
                                 << false;
    QTest::newRow("rules line") << "Beräknat med första divisor 1.4 utan spärr" << 0 << 0.0
                                << 2195.0 << times << 11 << false;
    // District table: gap 220, heading and codes right-aligned on 3600, 4500, 5400.
    QTest::newRow("district heading")
        << "Distrikt namn/röster per parti" << 0 << 200.0 << 2690.0 << arial << 8 << true;
    QTest::newRow("district code 2") << "M" << 1 << 4500.0 - 80 << 2690.0 << arial << 8 << true;
    QTest::newRow("district") << "Norra" << 0 << 200.0 << 2890.0 << times << 11 << false;
    QTest::newRow("district votes") << "600" << 0 << 3600.0 - 330 << 2890.0 << times << 11 << false;
    QTest::newRow("district votes 3")
        << "120" << 0 << 5400.0 - 330 << 2890.0 << times << 11 << false;
    QTest::newRow("second district") << "Södra" << 0 << 200.0 << 3165.0 << times << 11 << false;
    // Tie note: gap 220, bold 8 at the margin.
    QTest::newRow("tie note") << PaperReport::TieNote << 0 << 0.0 << 3660.0 << arial << 8 << true;
    // Result list: gap 220; name 200, count 3200, "Valsit: " 4300, seats centred from 5350.
    QTest::newRow("list name") << "Socialdemokraterna" << 1 << 200.0 << 4080.0 << times << 11
                               << false;
    QTest::newRow("count") << " Antal: 2" << 0 << 3200.0 << 4080.0 << times << 11 << false;
    QTest::newRow("Valsit") << "Valsit: " << 0 << 4300.0 << 4080.0 << times << 11 << false;
    QTest::newRow("tied seat 1") << "1*" << 0 << 5350.0 - 110 << 4080.0 << times << 11 << false;
    QTest::newRow("tied seat 3") << "3*" << 0 << 5800.0 - 110 << 4080.0 << times << 11 << false;
    QTest::newRow("seat 2") << "2" << 0 << 5350.0 - 55 << 4355.0 << times << 11 << false;
    QTest::newRow("seat 5") << "5" << 0 << 5350.0 - 55 << 4630.0 << times << 11 << false;
    QTest::newRow("party without seats")
        << "Valsit: " << 3 << 4300.0 << 4905.0 << times << 11 << false;
    QTest::newRow("counter") << "1" << 0 << 0.0 << 5180.0 << arial << 8 << true;
}

void tst_CouncilPaperReport::layout()
{
    QFETCH(QString, text);
    QFETCH(int, occurrence);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, font);
    QFETCH(int, size);
    QFETCH(bool, bold);

    Printout p;
    // S and M tie all the way; V wins seat 5 on 300 / 1.4; Tom has no votes.
    loadCouncil(p.engine, 5,
                {{"S", "Socialdemokraterna", 1000},
                 {"M", "Moderaterna", 1000},
                 {"V", "Vänsterpartiet", 300},
                 {"T", "Tom", 0}},
                "Fullmäktige i Åby");
    p.engine.setVisaDistriktSW(true);
    runCouncil(p.engine, {{"Norra", {600, 500, 120, 0}}, {"Södra", {400, 500, 180, 0}}});

    // The body of the page: skip the footer, drawn first.
    int index = 3;
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
    QCOMPARE(t.page, 1);

    QCOMPARE(p.printer.pages(), 1);
    QCOMPARE(p.printer.beginDocs(), 1);
    QCOMPARE(p.printer.endDocs(), 1);
    // The rule under the list, at the position after the counter.
    QCOMPARE(p.printer.lines().back().y1, 5380.0);
    QCOMPARE(p.printer.lines().back().x2, 9900.0);
}

void tst_CouncilPaperReport::withoutHeading()
{
    for (const QString& heading : {QString(), QString("X")}) {
        Printout p;
        loadCouncil(p.engine, 5, {{"A", "Alfa", 10}, {"B", "Beta", 5}}, heading);
        runCouncil(p.engine);
        QCOMPARE(p.printer.indexOf("för"), -1);
        // Only the gap follows the header line.
        QCOMPARE(p.printer.find("Partinamn")->y, 200.0 + 220);
        if (!heading.isEmpty())
            QCOMPARE(p.printer.indexOf(heading, 3), -1);
    }
}

void tst_CouncilPaperReport::withoutDistricts()
{
    Printout p;
    loadCouncil(p.engine, 5, {{"A", "Alfa", 10}, {"B", "Beta", 5}});
    runCouncil(p.engine);
    QCOMPARE(p.printer.indexOf("Distrikt namn/röster per parti"), -1);
    // The party lines (from 420 + 200) and the rule's line end at 1445; the tie note
    // follows the gap.
    QCOMPARE(p.printer.find(PaperReport::TieNote)->y, 1445.0 + 220);
}

void tst_CouncilPaperReport::twelveSeatsTakeTwoLines()
{
    Printout p;
    // 13 seats: A takes 12, B one (the 8th).
    loadCouncil(p.engine, 13, {{"A", "Alfa", 10000}, {"B", "Beta", 1000}});
    runCouncil(p.engine);
    QCOMPARE(p.engine.seatCount(1), 12);

    const int start = p.printer.indexOf("Valsit: ");
    const double y = p.printer.texts()[start].y;
    const int numbers[] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13};
    for (int k = 0; k < 12; ++k) {
        const RecordingPrinter::Text& t = p.printer.texts()[start + 1 + k];
        QCOMPARE(t.text, QString::number(numbers[k]));
        const double column = 5350 + 450 * (k % 10);
        QCOMPARE(t.x, column - t.text.size() * 55.0);
        QCOMPARE(t.y, k < 10 ? y : y + 275);
    }
    // The next party starts below the second line.
    QCOMPARE(p.printer.find("Beta", start)->y, y + 550);
}

void tst_CouncilPaperReport::manyDistrictsGoOnANewPage()
{
    Printout p;
    loadCouncil(p.engine, 5, {{"A", "Alfa", 6000}, {"B", "Beta", 3000}});
    p.engine.setVisaDistriktSW(true);
    std::vector<std::pair<QString, std::vector<qint32>>> districts;
    for (int d = 1; d <= 60; ++d)
        districts.push_back({QString("Distrikt %1").arg(d, 2, 10, QChar('0')), {100, 50}});
    runCouncil(p.engine, districts);

    QVERIFY(p.printer.pages() >= 2);
    for (int page = 1; page <= p.printer.pages(); ++page) {
        QVERIFY2(p.printer.bodyBottom(page) <= 14200, qPrintable(QString::number(page)));
        QVERIFY(p.printer.textsOnPage(page).contains(QString("Sida %1").arg(page)));
    }
    // Every district is there, in order, and the lines keep their font past the break.
    int from = 0;
    for (int d = 1; d <= 60; ++d) {
        const int i = p.printer.indexOf(QString("Distrikt %1").arg(d, 2, 10, QChar('0')), from);
        QVERIFY(i > from);
        QCOMPARE(p.printer.texts()[i].font, QString("Times New Roman"));
        QCOMPARE(p.printer.texts()[i].size, 11);
        from = i;
    }
    // The first district on page 2 starts at the top.
    for (const auto& t : p.printer.texts()) {
        if (t.page == 2 && t.text.startsWith("Distrikt ")) {
            QCOMPARE(t.y, 0.0);
            break;
        }
    }
}

void tst_CouncilPaperReport::longComparisonListBreaksWhereTheRulesSay()
{
    Printout p;
    loadCouncil(p.engine, 350, {{"A", "Alfa", 900000}, {"B", "Beta", 350000}});
    p.engine.setBerTalSW(true);
    runCouncil(p.engine);

    // Estimated list height: 275 × (2 parties + (350 / 10 + 1)) = 10450. With the list's
    // wrapped lines it cannot follow the input section: it starts page 2 ...
    int listStart = -1;
    for (int i = 0; i < int(p.printer.texts().size()); ++i) {
        if (p.printer.texts()[i].text.startsWith("ValsitNr=(Jämförelsetal), 1=(")) {
            listStart = i;
            break;
        }
    }
    QVERIFY(listStart > 0);
    const RecordingPrinter::Text& head = p.printer.texts()[listStart];
    QCOMPARE(head.page, 2);
    QCOMPARE(head.y, 0.0);
    QCOMPARE(head.size, 9);
    QCOMPARE(head.font, QString("Times New Roman"));

    // ... and the party list, 10450 high, does not fit under it: it starts page 3.
    const RecordingPrinter::Text* alfa = p.printer.find("Alfa", listStart);
    QVERIFY(alfa);
    QCOMPARE(alfa->page, 3);
    QCOMPARE(alfa->y, 0.0);

    // The wrapped lines hold the whole list, and nothing runs past a page's bottom.
    QString joined;
    for (int i = listStart; p.printer.texts()[i].size == 9; ++i)
        joined += p.printer.texts()[i].text;
    QCOMPARE(joined, p.engine.comparisonList());
    for (int page = 1; page <= p.printer.pages(); ++page)
        QVERIFY(p.printer.bodyBottom(page) <= 14200);

    // Every seat number is printed once.
    QSet<int> seats;
    for (int i = p.printer.indexOf("Valsit: "); i < int(p.printer.texts().size()); ++i) {
        QString t = p.printer.texts()[i].text;
        if (t.endsWith('*'))
            t.chop(1);
        bool ok = false;
        const int n = t.toInt(&ok);
        if (ok && p.printer.texts()[i].x > 5000 && p.printer.texts()[i].y < 14200)
            seats.insert(n);
    }
    QCOMPARE(seats.size(), 350);
}

void tst_CouncilPaperReport::shortComparisonListStaysOnThePage()
{
    Printout p;
    loadCouncil(p.engine, 41, {{"A", "Alfa", 9000}, {"B", "Beta", 3500}});
    p.engine.setBerTalSW(true);
    runCouncil(p.engine);
    QCOMPARE(p.printer.pages(), 1);
    // The list starts a gap of 220 under the tie note.
    const RecordingPrinter::Text* note = p.printer.find(PaperReport::TieNote);
    const RecordingPrinter::Text& line = p.printer.texts()[p.printer.indexOf(note->text) + 1];
    QVERIFY(line.text.startsWith("ValsitNr=(Jämförelsetal), 1=("));
    QCOMPARE(line.y, note->y + 200 + 220);
    QCOMPARE(line.x, 0.0);
}

void tst_CouncilPaperReport::manyPartiesFitTheDistrictTable()
{
    Printout p;
    std::vector<Party> parties;
    std::vector<qint32> votes;
    for (int i = 1; i <= 16; ++i) {
        parties.push_back({QString("P%1").arg(i), QString("Parti %1").arg(i), 1000 * i});
        votes.push_back(1000 * i);
    }
    loadCouncil(p.engine, 41, parties);
    p.engine.setVisaDistriktSW(true);
    runCouncil(p.engine, {{"Hela", votes}});

    // The last column ends at the right edge, not off the paper, and the votes are in
    // 8 point so that five digits fit between the squeezed columns.
    QCOMPARE(CouncilPaperReport::districtSpacing(8), 900);
    QCOMPARE(CouncilPaperReport::districtSpacing(16), 420);
    const RecordingPrinter::Text* last = p.printer.find("16000", p.printer.indexOf("Hela"));
    QVERIFY(last);
    QCOMPARE(last->x + RecordingPrinter::fakeWidth("16000", 8), 3600.0 + 15 * 420);
    QCOMPARE(last->size, 8);
    QVERIFY(last->x + RecordingPrinter::fakeWidth("16000", 8) <= 9900);
}

void tst_CouncilPaperReport::printerMissingIsAnError()
{
    FakeMessageService messages;
    RostBer engine(messages);
    loadCouncil(engine, 5, {{"A", "Alfa", 10}, {"B", "Beta", 5}});
    engine.setSkrivUtSW(true);
    QVERIFY_THROWS_EXCEPTION(EngineError, engine.BearbBest());
}

QTEST_GUILESS_MAIN(tst_CouncilPaperReport)
#include "tst_CouncilPaperReport.moc"
