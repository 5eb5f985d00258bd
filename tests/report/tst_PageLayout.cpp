// The page layout of printed reports: the positioning and wrapping rules of xxPrt and the
// page frame (footer, page breaks), checked with the recording printer's hand-countable
// metrics (a character size × 10 twips wide, a line size × 25 high); the real printers'
// metrics and failures. (Whole reports on the real printers: tst_PaperReports.)
#include "RecordingPrinter.h"
#include "Rows.h"

#include "report/PageFrame.h"
#include "report/PdfPrinter.h"
#include "report/xxPrt.h"
#include "shell/EngineError.h"
#include "ui/report/QtPrinterJob.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
// "12345" in 11 point is 550 wide; position 1 is 4400.
struct AlignCase
{
    const char* name;
    const char* text;
    double x;
    void (*print)(xxPrt&, const QString&);
};
const AlignCase aligns[] = {
    {"left", "12345", 4400, [](xxPrt& p, const QString& t) { p.PrtVanster(1, t); }},
    {"right ends at the position", "12345", 3850,
     [](xxPrt& p, const QString& t) { p.PrtHoger(1, t); }},
    {"centre", "12345", 4125, [](xxPrt& p, const QString& t) { p.PrtMitt(1, t); }},
    {"centre odd width", "123", 4235, [](xxPrt& p, const QString& t) { p.PrtMitt(1, t); }},
    {"right margin", "12345", 9350, [](xxPrt& p, const QString& t) { p.PrtHogerMarg(t); }},
    {"left margin", "12345", 0, [](xxPrt& p, const QString& t) { p.PrtRad(t); }},
};

// Size 10 with the right edge at 1000: 10 characters fit from the margin, 5 from column 1.
struct WrapCase
{
    const char* name;
    int col;
    QString text;
    QStringList lines;
};
const WrapCase wraps[] = {
    {"exactly fits", 0, "abcdefghij", {"abcdefghij"}},
    {"empty", 0, "", {""}},
    {"breaks after the last blank that fits", 0, "aaa bbb ccc ddd", {"aaa bbb ", "ccc ddd"}},
    {"blank just past the width is not used", 0, "aaaa bbbbb cc", {"aaaa ", "bbbbb cc"}},
    {"three lines", 0, "aa bb cc dd ee ff gg hh", {"aa bb cc ", "dd ee ff ", "gg hh"}},
    {"long word runs on to the next blank", 0, "abcdefghijklmno pq", {"abcdefghijklmno ", "pq"}},
    {"long word without blank", 0, "abcdefghijklmnop", {"abcdefghijklmnop"}},
    {"character 31 breaks",
     0,
     "aaaaa\x1f"
     "bbbbbbb",
     {"aaaaa\x1f", "bbbbbbb"}},
    {"from a column", 1, "aa bb cc", {"aa ", "bb cc"}},
    {"line feed", 0, "ab\ncd", {"ab", "cd"}},
    {"line feed first", 0, "\nab", {" ", "ab"}},
    {"line feed last", 0, "ab\n", {"ab"}},
    {"vertical tab adds a blank line", 0, "ab\vcd", {"ab", " ", "cd"}},
    {"vertical tab last", 0, "ab\v", {"ab", " "}},
    {"form feed breaks before itself", 0, "ab\fcd", {"ab", "\f", "cd"}},
    {"too wide before a line feed", 0, "aaa bbb ccc\ndd", {"aaa bbb ", "ccc", "dd"}},
};

// Bold 8: a line is 200 high.
struct BreakCase
{
    const char* name;
    double y;
    bool breaks;
};
const BreakCase breaks[] = {
    {"ends exactly on the bottom limit", 14000.0, false},
    {"would pass the bottom limit", 14000.5, true},
    {"top of the page", 0.0, false},
};

// Advance widths of "Text" in the fonts' own units (per em): Times New Roman T .611 e .444
// x .5 t .278, line 1.107 em; Arial T .611 e .556 x .5 t .278, line 1.117 em; Arial bold
// T .611 e .556 x .556 t .333. An em is size × 20 twips.
struct MetricCase
{
    const char* name;
    const char* font;
    int size;
    bool bold;
    double width, height;
};
const MetricCase metrics[] = {
    {"Times New Roman 11", "Times New Roman", 11, false, 1.833 * 220, 1.107 * 220},
    {"Arial 8", "Arial", 8, false, 1.945 * 160, 1.117 * 160},
    {"Arial bold 8", "Arial", 8, true, 2.056 * 160, 1.117 * 160},
};

// A layout on the recording printer in the given plain size, the position table empty.
struct Line
{
    RecordingPrinter printer;
    xxPrt prt{&printer};
    explicit Line(int size = 11)
    {
        prt.PrtInit();
        prt.PrtNormalStr(size);
        prt.PrtPosNoll();
    }
};

// Each text drawn as "text|x|y|font size[ bold]".
QStringList drawn(const RecordingPrinter& printer)
{
    QStringList got;
    for (const auto& t : printer.texts())
        got << QStringLiteral("%1|%2|%3|%4 %5%6")
                   .arg(t.text)
                   .arg(t.x)
                   .arg(t.y)
                   .arg(t.font)
                   .arg(t.size)
                   .arg(t.bold ? " bold" : "");
    return got;
}

struct Page
{
    RecordingPrinter printer;
    xxPrt prt{&printer};
    PageFrame frame{prt};
    Page()
    {
        frame.setHeader({QStringLiteral("Kommunen Åby"), QStringLiteral("2026-09-14")});
        prt.bottomLimit = 1; // the set-up puts the page's own metrics back
        prt.rightEdge = 1;
        frame.SkrivarInit();
        frame.SidStart();
        prt.PrtNormal();
        prt.PrtPosNoll();
    }
};

} // namespace

class tst_PageLayout : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private Q_SLOTS:
    // Every print ends its line.
    void alignment_data() { addRows(aligns); }
    void alignment()
    {
        const AlignCase& c = row(aligns);
        Line l;
        l.prt.PrtPosLagg(4400);
        l.printer.setCurrentX(777);
        l.printer.setCurrentY(1000);
        c.print(l.prt, c.text);
        QCOMPARE(drawn(l.printer),
                 QStringList{QStringLiteral("%1|%2|1000|Times New Roman 11").arg(c.text).arg(c.x)});
        QCOMPARE(l.printer.currentY(), 1000.0 + 275);
    }

    // Texts put side by side on one line go back to the line's saved position, a whole
    // number of twips; the position table holds 49 and a 50th replaces the last. Each
    // print style in its font.
    void onOneLinePositionsAndFonts()
    {
        Line l;
        for (int i = 1; i <= 49; ++i)
            l.prt.PrtPosLagg(i * 100);
        l.prt.PrtPosLagg(7777);
        QCOMPARE(l.prt.positionCount(), 49);
        QCOMPARE(QList<int>({l.prt.position(48), l.prt.position(49), l.prt.position(50)}),
                 QList<int>({4800, 7777, 0}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, l.prt.PrtVanster(51, "x"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, l.prt.PrtHoger(-1, "x"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, l.prt.PrtDela(60, "x"));
        l.printer.setCurrentY(1234.4);
        l.prt.PrtSparaY();
        l.prt.PrtNormalStr(9);
        l.prt.PrtVanster(2, "a");
        l.prt.PrtAterY();
        l.prt.PrtFotText();
        l.prt.PrtHoger(50, "b"); // the last slot exists
        l.prt.PrtAterY();
        l.prt.PrtNed(220);
        QCOMPARE(l.printer.currentY(), 1454.0);
        l.prt.PrtFet(8);
        l.prt.PrtRad("ab cd");
        QCOMPARE(drawn(l.printer),
                 (QStringList{"a|200|1234.4|Times New Roman 9", "b|-80|1234|Arial 8",
                              "ab cd|0|1454|Arial 8 bold"}));
        l.prt.PrtFotY();
        QCOMPARE(l.printer.currentY(), 14560.0);
        l.prt.PrtPosNoll(); // a fresh table starts at slot 1 again
        l.prt.PrtPosLagg(300);
        QCOMPARE(l.prt.positionCount(), 1);
    }

    void wrap_data() { addRows(wraps); }
    void wrap()
    {
        const WrapCase& c = row(wraps);
        Line l(10);
        l.prt.rightEdge = 1000;
        l.prt.PrtPosLagg(500);
        l.printer.setCurrentY(100);
        l.prt.PrtDela(c.col, c.text);
        QStringList got;
        for (int i = 1; i <= l.prt.wrappedCount(); ++i)
            got << l.prt.wrappedLine(i);
        QCOMPARE(got, c.lines);
        l.prt.PrtSkrivDelad(c.col);
        QCOMPARE(l.printer.textsOnPage(), c.lines);
        const auto& last = l.printer.texts().back();
        QCOMPARE(QPointF(last.x, last.y),
                 QPointF(c.col ? 500.0 : 0.0, 100.0 + 250 * (c.lines.size() - 1)));
    }

    void wrapKeepsToItsCapacity()
    {
        Line l;
        QStringList parts;
        for (int i = 1; i <= 120; ++i)
            parts << QString::number(i);
        l.prt.PrtDela(0, parts.join('\n'));
        QCOMPARE(l.prt.wrappedCount(), 99);
        QCOMPARE(l.prt.wrappedLine(98) + '|' + l.prt.wrappedLine(99), QString("98|120"));
    }

    // The footer: a rule 200 under the bottom limit, the organisation at the margin and
    // the date flush right, the page number flush right on the next line; the body starts
    // at the top left. A new page gets its footer; a second printout starts on page 1.
    void pageFrame()
    {
        Page p;
        QCOMPARE(QList<int>({p.prt.bottomLimit, p.prt.rightEdge}), QList<int>({14200, 9900}));
        QCOMPARE(p.printer.currentX() + p.printer.currentY(), 0.0);
        QCOMPARE(p.printer.lines().size(), std::size_t(1));
        const auto& rule = p.printer.lines()[0];
        QCOMPARE(QList<double>({rule.x1, rule.y1, rule.x2, rule.y2, double(rule.width)}),
                 QList<double>({0, 14400, 9900, 14400, 3}));
        const double dateX = 9900 - RecordingPrinter::fakeWidth(" 2026-09-14", 8);
        QCOMPARE(drawn(p.printer),
                 (QStringList{" Kommunen Åby |0|14560|Arial 8",
                              QStringLiteral(" 2026-09-14|%1|14560|Arial 8").arg(dateX),
                              "Sida 1|9240|14760|Times New Roman 11"}));
        p.prt.PrtRad("body");
        p.frame.NySida();
        QCOMPARE(p.prt.pageNumber, 2);
        QCOMPARE(p.printer.textsOnPage(2).last(), QString("Sida 2"));
        QCOMPARE(p.printer.lines().back().page, 2);
        QCOMPARE(p.printer.currentY(), 0.0);
        p.prt.PrtSlut();
        p.frame.SkrivarInit();
        p.frame.SidStart();
        QCOMPARE(p.prt.pageNumber, 1);
        QCOMPARE(p.printer.texts().back().text, QString("Sida 1"));
        QCOMPARE(p.printer.beginDocs() * 10 + p.printer.endDocs(), 21);
    }

    // The new page's footer leaves the font of the section in place.
    void breakBefore_data() { addRows(breaks); }
    void breakBefore()
    {
        const BreakCase& c = row(breaks);
        Page p;
        p.prt.PrtFet(8);
        p.printer.setCurrentY(c.y);
        QCOMPARE(p.frame.breakBeforeLine(), c.breaks);
        p.prt.PrtRad("line");
        QCOMPARE(drawn(p.printer).last(),
                 QStringLiteral("line|0|%1|Arial 8 bold").arg(c.breaks ? 0.0 : c.y));
        QCOMPARE(p.printer.textsOnPage(2).contains("Sida 2"), c.breaks);
        QCOMPARE(p.printer.texts().back().page, c.breaks ? 2 : 1);
    }

    // Within a twip: a substitute font with other widths is far off.
    void metricsAreTheNamedFonts_data() { addRows(metrics); }
    void metricsAreTheNamedFonts()
    {
        const MetricCase& c = row(metrics);
        PdfPrinter printer(m_dir.filePath("metrics.pdf"));
        printer.setFont(c.font, c.size, c.bold);
        const QPointF got(printer.textWidth("Text"), printer.textHeight("Text"));
        QVERIFY2((got - QPointF(c.width, c.height)).manhattanLength() < 1.0,
                 qPrintable(QString("%1 %2").arg(got.x()).arg(got.y())));
    }

    void failuresAreReported()
    {
        PdfPrinter printer(m_dir.filePath("no/such/folder/out.pdf"));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY_THROWS_EXCEPTION(EngineError, printer.beginDoc());
#ifdef Q_OS_WIN
        QSKIP("Windows' own print dialog is no Qt widget a test can answer");
#endif
        QtPrinterJob job;
        bool seen = false;
        QTimer::singleShot(0, [&seen]() {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                seen = true;
                dialog->reject();
            }
        });
        QVERIFY(!job.choosePrinter(nullptr));
        QVERIFY(seen);
    }
};

QTEST_MAIN(tst_PageLayout)
#include "tst_PageLayout.moc"
