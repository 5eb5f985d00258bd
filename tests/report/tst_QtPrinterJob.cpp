#include "PdfReadBack.h"
#include "report/PageFrame.h"
#include "report/ui/QtPrinterJob.h"
#include "report/xxPrt.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The printout on a QPrinter: the whole sheet is addressable, so the page's origin lies
// an inch in and 500 twips down from the paper's corner at the printer's resolution too.
// The printer here writes its pages to a PDF file, which is read back.
class tst_QtPrinterJob : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageOriginAtThePrintersResolution();
    void cancelledDialogIsReported();
};

void tst_QtPrinterJob::pageOriginAtThePrintersResolution()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("printer.pdf");
    QtPrinterJob job;
    job.qprinter().setOutputFormat(QPrinter::PdfFormat);
    job.qprinter().setOutputFileName(file);
    QVERIFY(job.qprinter().resolution() != 1440); // the twips are scaled

    xxPrt prt(job.printer());
    PageFrame frame(prt);
    frame.SkrivarInit();
    frame.SidStart();
    prt.PrtNormal();
    prt.PrtRad("Vänster");
    prt.PrtHogerMarg("Höger");
    frame.NySida();
    prt.PrtRad("Andra");
    prt.PrtSlut();
    QCOMPARE(job.pageCount(), 2);

    QVector<PdfReadBack::Page> sizes;
    const auto words = PdfReadBack::words(file, &sizes);
    QCOMPARE(sizes.size(), 2);
    QVERIFY(qAbs(sizes[0].width - 595.3) < 0.5);
    const auto* left = PdfReadBack::findWord(words, "Vänster", 1);
    QVERIFY(left);
    QVERIFY2(qAbs(left->xMin - 72) < 1, qPrintable(QString::number(left->xMin)));
    QVERIFY2(qAbs(left->yMin - 25) < 1, qPrintable(QString::number(left->yMin)));
    const auto* right = PdfReadBack::findWord(words, "Höger", 1);
    QVERIFY(right);
    QVERIFY2(qAbs(right->xMax - (72 + 9900 / 20.0)) < 1, qPrintable(QString::number(right->xMax)));
    const auto* second = PdfReadBack::findWord(words, "Andra", 2);
    QVERIFY(second);
    QVERIFY(qAbs(second->yMin - 25) < 1);
}

void tst_QtPrinterJob::cancelledDialogIsReported()
{
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

QTEST_MAIN(tst_QtPrinterJob)
#include "tst_QtPrinterJob.moc"
