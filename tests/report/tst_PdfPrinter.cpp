#include "PdfReadBack.h"
#include "report/PageFrame.h"
#include "report/PdfPrinter.h"
#include "report/xxPrt.h"
#include "shell/EngineError.h"

#include <QTemporaryDir>
#include <QtTest>

// The printer on a PDF file: A4 pages in twips with the origin an inch in and 500
// twips down, the named fonts with their real widths, read back with poppler.
class tst_PdfPrinter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void metricsAreTheNamedFonts_data();
    void metricsAreTheNamedFonts();
    void pagesAndPositions();
    void unwritableFileIsAnError();

private:
    QTemporaryDir m_dir;
};

void tst_PdfPrinter::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
             "pdftotext (poppler-utils) is needed to read the PDF back");
    QVERIFY(m_dir.isValid());
}

void tst_PdfPrinter::metricsAreTheNamedFonts_data()
{
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");

    // Advance widths of "Text" in the fonts' own units (per em): Times New Roman
    // T .611 e .444 x .5 t .278, line 1.107 em; Arial T .611 e .556 x .5 t .278,
    // line 1.117 em; Arial bold T .611 e .556 x .556 t .333. An em is size × 20 twips.
    QTest::newRow("Times New Roman 11")
        << "Times New Roman" << 11 << false << 1.833 * 220 << 1.107 * 220;
    QTest::newRow("Times New Roman 9")
        << "Times New Roman" << 9 << false << 1.833 * 180 << 1.107 * 180;
    QTest::newRow("Arial 8") << "Arial" << 8 << false << 1.945 * 160 << 1.117 * 160;
    QTest::newRow("Arial bold 8") << "Arial" << 8 << true << 2.056 * 160 << 1.117 * 160;
}

void tst_PdfPrinter::metricsAreTheNamedFonts()
{
    QFETCH(QString, font);
    QFETCH(int, size);
    QFETCH(bool, bold);
    QFETCH(double, width);
    QFETCH(double, height);

    PdfPrinter printer(m_dir.filePath("metrics.pdf"));
    printer.setFont(font, size, bold);
    // Within a twip: a substitute font with other widths is far off.
    QVERIFY2(qAbs(printer.textWidth("Text") - width) < 1.0,
             qPrintable(QString::number(printer.textWidth("Text"))));
    QVERIFY2(qAbs(printer.textHeight("Text") - height) < 1.0,
             qPrintable(QString::number(printer.textHeight("Text"))));
}

void tst_PdfPrinter::pagesAndPositions()
{
    const QString file = m_dir.filePath("pages.pdf");
    {
        PdfPrinter printer(file);
        xxPrt prt(&printer);
        PageFrame frame(prt);
        frame.setHeader({QStringLiteral("Åby kommun"), QString()});
        frame.SkrivarInit();
        frame.SidStart();
        prt.PrtNormal();
        prt.PrtPosNoll();
        prt.PrtPosLagg(4400);
        prt.PrtRad(QStringLiteral("Vänster"));
        prt.PrtHoger(1, QStringLiteral("Höger"));
        prt.PrtFet(8);
        prt.PrtMitt(1, QStringLiteral("Mitt"));
        frame.NySida();
        prt.PrtNormal();
        prt.PrtRad(QStringLiteral("Andra"));
        prt.PrtSlut();
        QCOMPARE(printer.pageCount(), 2);
    }

    QVector<PdfReadBack::Page> sizes;
    const auto words = PdfReadBack::words(file, &sizes);
    QCOMPARE(sizes.size(), 2);
    // A4 in points.
    QVERIFY(qAbs(sizes[0].width - 595.3) < 0.5);
    QVERIFY(qAbs(sizes[0].height - 841.9) < 0.5);

    // x: twips from the left margin, an inch (72 pt) in; y: from 500 twips (25 pt) down.
    auto near = [](double a, double b) { return qAbs(a - b) < 1.0; };
    const auto* left = PdfReadBack::findWord(words, "Vänster", 1);
    QVERIFY(left);
    QVERIFY2(near(left->xMin, 72), qPrintable(QString::number(left->xMin)));
    QVERIFY2(near(left->yMin, 25), qPrintable(QString::number(left->yMin)));
    const auto* right = PdfReadBack::findWord(words, "Höger", 1);
    QVERIFY(right);
    QVERIFY2(near(right->xMax, 72 + 4400 / 20.0), qPrintable(QString::number(right->xMax)));
    // The next line: one Times 11 line (243.5 twips) lower.
    QVERIFY2(near(right->yMin, 25 + 243.5 / 20), qPrintable(QString::number(right->yMin)));
    const auto* centre = PdfReadBack::findWord(words, "Mitt", 1);
    QVERIFY(centre);
    QVERIFY(near((centre->xMin + centre->xMax) / 2, 72 + 4400 / 20.0));

    // The footer: organisation at the margin, page number flush with the right edge.
    QVERIFY(PdfReadBack::findWord(words, "Åby", 1));
    const auto* page1 = PdfReadBack::findWord(words, "1", 1);
    QVERIFY(page1);
    QVERIFY2(near(page1->xMax, 72 + 9900 / 20.0), qPrintable(QString::number(page1->xMax)));
    const auto* second = PdfReadBack::findWord(words, "Andra", 2);
    QVERIFY(second);
    QVERIFY(near(second->xMin, 72));
    QVERIFY(near(second->yMin, 25));
    QVERIFY(PdfReadBack::findWord(words, "2", 2));

    // The named fonts are stood in for by their metric twins.
    const QString fonts = PdfReadBack::fonts(file).join('\n');
    QVERIFY2(fonts.contains("LiberationSerif"), qPrintable(fonts));
    QVERIFY2(fonts.contains("LiberationSans-Bold"), qPrintable(fonts));
}

void tst_PdfPrinter::unwritableFileIsAnError()
{
    PdfPrinter printer(m_dir.filePath("no/such/folder/out.pdf"));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY_THROWS_EXCEPTION(EngineError, printer.beginDoc());
}

QTEST_MAIN(tst_PdfPrinter)
#include "tst_PdfPrinter.moc"
