#include "Trelleborg2018.h"

#include "cli/CalcApp.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

// valsit-calc council --constituencies: the Trelleborg result as JSON and text, and the
// refusal of files that cannot be right.
class tst_ValkretsCalc : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString file(const QString& content)
    {
        const QString path = m_dir.filePath(QStringLiteral("valkretsar.csv"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        f.write(content.toUtf8());
        return path;
    }

    int run(const QStringList& args, QString* out, QString* err)
    {
        QTextStream outStream(out), errStream(err);
        const int status = CalcApp(outStream, errStream).run(args);
        outStream.flush();
        errStream.flush();
        return status;
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); }

    void trelleborgAsJson()
    {
        QString out, err;
        QCOMPARE(run({"council", "--seats", "51", "--constituencies", file(Trelleborg2018::csv()),
                      "--format", "json"},
                     &out, &err),
                 0);
        const QJsonObject json = QJsonDocument::fromJson(out.toUtf8()).object();
        QCOMPARE(json.value("threshold").toDouble(), 3.0);
        QStringList totals;
        for (const QJsonValue& p : json.value("parties").toArray())
            totals.append(p["code"].toString() + "=" + QString::number(p["seatCount"].toInt()));
        QCOMPARE(
            totals.join(' '),
            QString("M=12 C=3 L=2 KD=3 S=12 V=0 MP=2 SD=13 FI=0 SÖS=4 MED=0 K=0 DjuP=0 TRP=0"));
        QStringList seats;
        for (const QJsonValue& c : json.value("constituencies").toArray()) {
            QStringList row;
            for (const QJsonValue& p : c["parties"].toArray())
                row.append(
                    p["adjustment"].toInt() > 0
                        ? QString("%1+%2").arg(p["fixed"].toInt()).arg(p["adjustment"].toInt())
                        : QString::number(p["fixed"].toInt()));
            seats.append(row.join(' '));
        }
        QCOMPARE(seats.join('|'), Trelleborg2018::publishedSeats());
        QCOMPARE(json.value("constituencies").toArray().at(0)["fixedSeats"].toInt(), 24);
    }

    void trelleborgAsText()
    {
        QString out, err;
        QCOMPARE(run({"council", "--seats", "51", "--constituencies", file(Trelleborg2018::csv()),
                      "--comparison", "2"},
                     &out, &err),
                 0);
        QVERIFY2(out.contains("Under spärren, utan mandat: V (2,99 %), FI (0,13 %), MED "
                              "(0,22 %), K (0,21 %), DjuP (0,20 %), TRP (0,10 %)\n"),
                 qPrintable(out));
        QVERIFY(out.contains("Valkrets Trelleborgs Första: 24 fasta mandat\n"));
        QVERIFY(out.contains("SD\t4079\t7\t1, 4, 7, 12, 17, 21, 23\n"));
        QVERIFY(out.contains("C\t2\t262,67\tTrelleborgs Första\n"));
        QVERIFY(out.contains("Summa\t28591\t45\t6\t51\n"));
    }

    // Valmyndigheten's file of Trelleborg 2018, read as it is: its seats, 3 % and the
    // published seats per constituency.
    void importedTrelleborgMatchesThePublishedSeats()
    {
        QString out, err;
        QCOMPARE(
            run({"council", "--import", VALSIT_TEST_DATA "/valmyndigheten/slutresultat_1287K.xml"},
                &out, &err),
            0);
        QVERIFY2(out.endsWith("Beräkningen stämmer med Valmyndighetens fördelning per "
                              "valkrets.\n"),
                 qPrintable(out.right(400)));
        QVERIFY(out.contains("51 mandat, varav 45 fasta mandat och 6 utjämningsmandat"));
        QVERIFY(out.contains("Under spärren, utan mandat: V (2,99 %)"));
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("error");

        const QString head = "constituency,fixed_seats,code,name,votes\n";
        QTest::newRow("fixed seats do not add up")
            << head + "A,20,S,,100\nA,20,M,,50\nB,20,S,,70\nB,20,M,,90\n"
            << ""
            << "valkretsar.csv: Valkretsarnas fasta mandat blir tillsammans 40 mandat, men ska "
               "vara 45 mandat: nio tiondelar av 51 mandat, avrundat nedåt";
        QTest::newRow("older rules want all seats")
            << head + "A,25,S,,100\nA,25,M,,50\nB,20,S,,70\nB,20,M,,90\n"
            << "1.4"
            << "valkretsar.csv: Valkretsarnas mandat blir tillsammans 45 mandat, men kommunen "
               "har 51 mandat";
        QTest::newRow("fixed seats differ within a constituency")
            << head + "A,25,S,,100\nA,24,M,,50\n"
            << ""
            << "valkretsar.csv rad 3: valkretsen A har 24 fasta mandat, men 25 på en tidigare rad";
        QTest::newRow("party twice in a constituency")
            << head + "A,25,S,,100\nA,25,s,,50\n"
            << ""
            << "valkretsar.csv rad 3: S har redan röster i A";
        QTest::newRow("one constituency")
            << head + "A,45,S,,100\nA,45,M,,50\n"
            << ""
            << "valkretsar.csv: Ange minst två valkretsar (en kommun med en enda valkrets "
               "beräknas utan valkretsar)";
        QTest::newRow("wrong header") << "district,code,votes\nA,S,1\n"
                                      << ""
                                      << "";
    }

    void refusedFiles()
    {
        QFETCH(QString, csv);
        QFETCH(QString, option);
        QFETCH(QString, error);
        QStringList args{"council", "--seats", "51", "--constituencies", file(csv)};
        if (!option.isEmpty())
            args << "--first-divisor" << option;
        QString out, err;
        QCOMPARE(run(args, &out, &err), 2);
        QVERIFY2(err.startsWith("valsit-calc: "), qPrintable(err));
        if (!error.isEmpty())
            QCOMPARE(err.trimmed(), "valsit-calc: " + m_dir.path() + "/" + error);
        QVERIFY(out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_ValkretsCalc)
#include "tst_ValkretsCalc.moc"
