#include "FakeMessageService.h"
#include "data/HmtaNyttID.h"

#include <QtTest>

class tst_HmtaNyttID : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void nextId_data();
    void nextId();
};

void tst_HmtaNyttID::nextId_data()
{
    QTest::addColumn<QString>("highest");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QStringList>("messages");

    const QString alpha = "0123456789ABCDEFGHJKLMNOPQRSTVWXYZ";
    const QStringList none;
    QTest::newRow("A plain") << "001" << 3 << "A"
                             << "002" << none;
    QTest::newRow("A 9 to A") << "009" << 3 << "A"
                              << "00A" << none;
    QTest::newRow("A skips I") << "00H" << 3 << "A"
                               << "00J" << none;
    QTest::newRow("A skips U") << "00T" << 3 << "A"
                               << "00V" << none;
    QTest::newRow("A 0ZZ carries twice") << "0ZZ" << 3 << "A"
                                         << "100" << none;
    QTest::newRow("A ZZZ grows") << "ZZZ" << 3 << "A"
                                 << "0000" << none;
    QTest::newRow("A padded") << "7" << 3 << "A"
                              << "008" << none;
    QTest::newRow("A empty table") << " " << 3 << "A"
                                   << "001" << none;
    QTest::newRow("N 099") << "099" << 3 << "N"
                           << "100" << none;
    QTest::newRow("N 999 grows") << "999" << 3 << "N"
                                 << "0000" << none;
    QTest::newRow("N letter refused")
        << "0A1" << 3 << "N"
        << "102"
        << QStringList{"Nuvarande ID har felaktiga tecken. Godkända tecken är: 0123456789 "
                       "Nuvarande ID är: 0A1"};
    QTest::newRow("A lower case refused")
        << "00a" << 3 << "A"
        << "000"
        << QStringList{"Nuvarande ID har felaktiga tecken. Godkända tecken är: " + alpha +
                       " Nuvarande ID är: 00a"};
    QTest::newRow("unknown kind uses A")
        << "00Z" << 3 << "E"
        << "010" << QStringList{"Parameter 3 till HmtaNyttID skall vara 'A' eller 'N' är:E"};
    QTest::newRow("length above 10")
        << "5" << 12 << "N"
        << "0000000006"
        << QStringList{"Parameter 2 till HmtaNyttID får inte vara större än '10' är:12"};
    QTest::newRow("ten places carry out")
        << "9999999999" << 10 << "N"
        << "0000000000" << QStringList{"Längden av ID får inte vara större än '10' är:11"};
    QTest::newRow("longer id counts its first places") << "1234" << 2 << "N"
                                                       << "13" << none;
}

void tst_HmtaNyttID::nextId()
{
    QFETCH(QString, highest);
    QFETCH(int, length);
    QFETCH(QString, kind);
    QFETCH(QString, next);
    QFETCH(QStringList, messages);

    FakeMessageService service;
    QCOMPARE(HmtaNyttID(service, highest, length, kind), next);
    QCOMPARE(service.texts(), messages);
    for (const FakeMessageService::Shown& s : service.shown) {
        QCOMPARE(s.buttons, MessageService::Ok);
        QCOMPARE(s.icon, MessageService::NoIcon);
    }
}

QTEST_GUILESS_MAIN(tst_HmtaNyttID)
#include "tst_HmtaNyttID.moc"
