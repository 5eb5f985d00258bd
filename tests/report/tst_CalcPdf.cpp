#include "PdfReadBack.h"
#include "cli/CalcApp.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

// valsit-calc --pdf: the paper report of the run goes to a PDF file, with the
// organisation's name from --org in the header and the footer.
class tst_CalcPdf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void writesThePaperReport_data();
    void writesThePaperReport();
    void unwritableFileFails();

private:
    QString writeFile(const QString& name, const QString& text)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(text.toUtf8());
        return path;
    }
    int run(const QStringList& args, QString* out, QString* err)
    {
        QTextStream o(out), e(err);
        return CalcApp(o, e).run(args);
    }
    QTemporaryDir m_dir;
};

void tst_CalcPdf::writesThePaperReport_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("expected");

    const QString council = writeFile("council.csv", "code,name,votes\nS,Socialdemokraterna,"
                                                     "14211\nM,Moderaterna,9874\nV,Vänster,2988\n");
    const QString committee = writeFile(
        "committee.csv", "code,name,council_seats\nS,Socialdemokraterna,15\nM,Moderaterna,10\n"
                         "V,Vänster,3\n");
    QTest::newRow("council") << QStringList{"council",      "--seats", "41",
                                            "--comparison", "2",       council}
                             << QStringList{"Socialdemokraterna", "Antal: 21", "ValsitNr"};
    QTest::newRow("committee") << QStringList{"committee", "--seats", "11",
                                              "--all",     "S-V",     committee}
                               << QStringList{"Valsamverkan - A", "Vänster", "S / V /"};
}

void tst_CalcPdf::writesThePaperReport()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, expected);
    const QString pdf = m_dir.filePath(QString(QTest::currentDataTag()) + ".pdf");
    args << "--org"
         << "Åby kommun"
         << "--pdf" << pdf;
    QString out, err;
    QCOMPARE(run(args, &out, &err), 0);
    QCOMPARE(err, QString());
    QCOMPARE(out, pdf + ": 1 sidor\n");

    const QString text = PdfReadBack::pages(pdf).join('\n');
    QVERIFY(text.contains("Åby kommun har gjort valsitberäkningsbeställningen"));
    QVERIFY(text.contains("Sida 1"));
    for (const QString& e : expected)
        QVERIFY2(text.contains(e) || QString(text).remove(' ').contains(QString(e).remove(' ')),
                 qPrintable(e));
}

void tst_CalcPdf::unwritableFileFails()
{
    const QString council =
        writeFile("small.csv", "code,name,votes\nS,Socialdemokraterna,100\nM,Moderaterna,90\n");
    QString out, err;
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    const int status =
        run({"council", "--seats", "5", "--pdf", m_dir.filePath("no/such/folder/x.pdf"), council},
            &out, &err);
    QCOMPARE(status, 2);
    QVERIFY(err.contains("Utskriften kunde inte startas."));
    QCOMPARE(out, QString());
}

QTEST_MAIN(tst_CalcPdf)
#include "tst_CalcPdf.moc"
