#include "SettingsSandbox.h"

#include "cli/CalcApp.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

// valsit-calc --lot: the lots applied and listed in the JSON, and every --lot that cannot
// be applied refused with one Swedish line and exit status 2.
class tst_CalcLots : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    SettingsSandbox m_settings;
    QString m_committee;

    int run(const QStringList& args, QString& out, QString& err)
    {
        QTextStream outStream(&out), errStream(&err);
        const int status = CalcApp(outStream, errStream).run(args);
        outStream.flush();
        errStream.flush();
        return status;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_committee = m_dir.filePath("committee.csv");
        QFile f(m_committee);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("code,name,council_seats\nS,S-partiet,6\nM,M-partiet,4\nC,C-partiet,2\n");
    }

    // 6, 4, 2 at 5 seats tie three ways over seats 4 to 6: the lots give 4 and 5.
    void jsonListsTiesAndLots()
    {
        QString out, err;
        QCOMPARE(run({"committee", "--seats", "5", "--lot", "4=C", "--lot", "5=m", "--format",
                      "json", m_committee},
                     out, err),
                 0);
        const QJsonObject combination =
            QJsonDocument::fromJson(out.toUtf8())["combinations"][0].toObject();
        QCOMPARE(combination["ties"].toArray(),
                 QJsonDocument::fromJson(R"([{"firstSeat": 4, "lastSeat": 6, "value": 2,
                     "lists": ["S", "M", "C"], "decidesCounts": true, "decidedByLot": true}])")
                     .array());
        QCOMPARE(combination["lots"][1].toObject(),
                 QJsonObject({{"seat", 5}, {"code", "m"}, {"list", "M"}}));
        QCOMPARE(combination["lists"][2]["seatCount"].toInt(), 1);
    }

    void badLots_data()
    {
        QTest::addColumn<QStringList>("lots");
        QTest::addColumn<QString>("error");
        const QString notApplied = " kan inte tillämpas: ange en lott för varje plats med lika "
                                   "jämförelsetal som avgör vem som får den, med olika listor "
                                   "bland de lika";
        QTest::newRow("no seat") << QStringList{"--lot", "S"}
                                 << "--lot \"S\" ska vara PLATS=PARTIKOD, till exempel 7=S";
        QTest::newRow("past the last seat")
            << QStringList{"--lot", "6=S"} << "--lot 6=S: plats 6 finns inte bland 5 platser";
        QTest::newRow("unknown party")
            << QStringList{"--lot", "4=X"} << "--lot 4=X: partiet X finns inte i indatafilen";
        QTest::newRow("one of two seats")
            << QStringList{"--lot", "4=C"} << "--lot 4=C" + notApplied;
        QTest::newRow("no tie there")
            << QStringList{"--lot", "2=S", "--lot", "5=M"} << "--lot 2=S" + notApplied;
        QTest::newRow("all combinations")
            << QStringList{"--all", "S-M", "--lot", "4=S"}
            << "--lot gäller inte --all: lotta i den kombination som gäller";
    }
    void badLots()
    {
        QFETCH(QStringList, lots);
        QFETCH(QString, error);
        QString out, err;
        QCOMPARE(run(QStringList{"committee", "--seats", "5"} + lots + QStringList{m_committee},
                     out, err),
                 2);
        QCOMPARE(err, "valsit-calc: " + error + "\n");
    }
};

QTEST_GUILESS_MAIN(tst_CalcLots)
#include "tst_CalcLots.moc"
