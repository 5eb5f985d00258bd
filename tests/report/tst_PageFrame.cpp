#include "RecordingPrinter.h"
#include "report/PageFrame.h"
#include "report/xxPrt.h"
#include <QtTest>

// The page frame: set-up, footer and page breaks, with the recording printer's
// hand-countable metrics (a character size × 10 twips wide, a line size × 25 high).
class tst_PageFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstPage();
    void secondPageFooter();
    void breakBefore_data();
    void breakBefore();
    void setUpAgain();
};

void tst_PageFrame::firstPage()
{
    RecordingPrinter printer;
    xxPrt prt(&printer);
    PageFrame frame(prt);
    frame.setHeader({QStringLiteral("Kommunen Åby"), QStringLiteral("2026-09-14")});
    prt.bottomLimit = 1; // set-up puts the page's own metrics back
    prt.rightEdge = 1;
    frame.SkrivarInit();
    frame.SidStart();

    QCOMPARE(printer.beginDocs(), 1);
    QCOMPARE(prt.bottomLimit, 14200);
    QCOMPARE(prt.rightEdge, 9900);
    QCOMPARE(prt.pageNumber, 1);

    // Rule 200 under the bottom limit across the text width.
    QCOMPARE(printer.lines().size(), std::size_t(1));
    QCOMPARE(printer.lines()[0].y1, 14400.0);
    QCOMPARE(printer.lines()[0].x2, 9900.0);

    const QString date = QStringLiteral("2026-09-14");
    const auto& t = printer.texts();
    QCOMPARE(t.size(), std::size_t(3));
    // The organisation at the left margin and the date flush right on one line ...
    QCOMPARE(t[0].text, QString(" Kommunen Åby "));
    QCOMPARE(t[0].x, 0.0);
    QCOMPARE(t[0].y, 14560.0);
    QCOMPARE(t[0].font, QString("Arial"));
    QCOMPARE(t[0].size, 8);
    QCOMPARE(t[0].bold, false);
    QCOMPARE(t[1].text, " " + date);
    QCOMPARE(t[1].x + RecordingPrinter::fakeWidth(t[1].text, 8), 9900.0);
    QCOMPARE(t[1].y, 14560.0);
    QCOMPARE(t[1].size, 8);
    // ... the page number flush right on the next line, in the plain font.
    QCOMPARE(t[2].text, QString("Sida 1"));
    QCOMPARE(t[2].x, 9900.0 - 6 * 110);
    QCOMPARE(t[2].y, 14560.0 + 200);
    QCOMPARE(t[2].font, QString("Times New Roman"));
    QCOMPARE(t[2].size, 11);

    // The body starts at the top left.
    QCOMPARE(printer.currentX(), 0.0);
    QCOMPARE(printer.currentY(), 0.0);
}

void tst_PageFrame::secondPageFooter()
{
    RecordingPrinter printer;
    xxPrt prt(&printer);
    PageFrame frame(prt);
    frame.setHeader({QStringLiteral("Kommunen Åby"), QStringLiteral("2026-09-14")});
    frame.SkrivarInit();
    frame.SidStart();
    prt.PrtNormal();
    prt.PrtRad("body");
    frame.NySida();

    QCOMPARE(printer.pages(), 2);
    QCOMPARE(prt.pageNumber, 2);
    QCOMPARE(printer.textsOnPage(2).last(), QString("Sida 2"));
    QCOMPARE(printer.lines().back().page, 2);
    QCOMPARE(printer.currentY(), 0.0);
}

void tst_PageFrame::breakBefore_data()
{
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("breaks");
    // Bold 8: a line is 200 high.
    QTest::newRow("ends exactly on the bottom limit") << 14000.0 << false;
    QTest::newRow("would pass the bottom limit") << 14000.5 << true;
    QTest::newRow("top of the page") << 0.0 << false;
}

void tst_PageFrame::breakBefore()
{
    QFETCH(double, y);
    QFETCH(bool, breaks);

    RecordingPrinter printer;
    xxPrt prt(&printer);
    PageFrame frame(prt);
    frame.setHeader({QStringLiteral("Kommunen Åby"), QStringLiteral("2026-09-14")});
    frame.SkrivarInit();
    frame.SidStart();
    prt.PrtFet(8);
    printer.setCurrentY(y);

    QCOMPARE(frame.breakBeforeLine(), breaks);
    prt.PrtRad("line");

    const RecordingPrinter::Text& line = printer.texts().back();
    QCOMPARE(line.page, breaks ? 2 : 1);
    QCOMPARE(line.y, breaks ? 0.0 : y);
    // The new page's footer leaves the font of the section in place.
    QCOMPARE(line.font, QString("Arial"));
    QCOMPARE(line.size, 8);
    QCOMPARE(line.bold, true);
    if (breaks)
        QVERIFY(printer.textsOnPage(2).contains("Sida 2"));
}

void tst_PageFrame::setUpAgain()
{
    // A second printout starts on page 1 again.
    RecordingPrinter printer;
    xxPrt prt(&printer);
    PageFrame frame(prt);
    frame.setHeader({QStringLiteral("Kommunen Åby"), QStringLiteral("2026-09-14")});
    frame.SkrivarInit();
    frame.SidStart();
    frame.NySida();
    frame.NySida();
    prt.PrtSlut();
    frame.SkrivarInit();
    frame.SidStart();
    QCOMPARE(prt.pageNumber, 1);
    QCOMPARE(printer.texts().back().text, QString("Sida 1"));
    QCOMPARE(printer.endDocs(), 1);
    QCOMPARE(printer.beginDocs(), 2);
}

QTEST_GUILESS_MAIN(tst_PageFrame)
#include "tst_PageFrame.moc"
