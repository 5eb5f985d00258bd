#include "shell/SwedishOrder.h"

#include <QtTest>

// Swedish alphabetical order: one row per rule, each pair checked both ways.
class tst_SwedishOrder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void order_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("Å after Z") << "Zeta"
                                   << "Åby";
        QTest::newRow("Ä after Å, whatever follows") << "Åsa"
                                                     << "Äby";
        QTest::newRow("Ö after Ä") << "Ärla"
                                   << "Öby";
        QTest::newRow("case does not count first") << "ängby"
                                                   << "Ärla";
        QTest::newRow("é as e") << "Ekeby"
                                << "Émåla";
        QTest::newRow("ü as y") << "Ühla"
                                << "Yxby";
        QTest::newRow("æ as ä") << "Åby"
                                << "Æby";
        QTest::newRow("ø as ö") << "Äby"
                                << "Øby";
        QTest::newRow("shorter first") << "Ab"
                                       << "abc";
        QTest::newRow("then plain before accented") << "Ema"
                                                    << "Éma";
        QTest::newRow("then lower case before upper") << "åby"
                                                      << "Åby";
    }

    void order()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QVERIFY(SwedishOrder::compare(first, second) < 0);
        QVERIFY(SwedishOrder::compare(second, first) > 0);
        QCOMPARE(SwedishOrder::compare(first, first), 0);
    }
};

QTEST_GUILESS_MAIN(tst_SwedishOrder)
#include "tst_SwedishOrder.moc"
