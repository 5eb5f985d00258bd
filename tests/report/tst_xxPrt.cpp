#include "RecordingPrinter.h"
#include "report/xxPrt.h"

#include <QRandomGenerator>
#include <QtTest>

// The layout rules, checked with the recording printer's hand-countable metrics: a
// character is size × 10 twips wide, a line size × 25 twips high.
class tst_xxPrt : public QObject
{
    Q_OBJECT

private:
    // The wrapping rule as written, measuring every prefix: the fast search of xxPrt
    // must give the same lines.
    static QStringList referenceWrap(const QString& text, double width, int size);

private Q_SLOTS:
    void alignment_data();
    void alignment();
    void onOneLine();
    void fiftiethPositionReplacesTheLast();
    void columnOutsideTableIsRefused();
    void fonts_data();
    void fonts();
    void symbolRule();
    void rule();
    void wrap_data();
    void wrap();
    void wrapMatchesTheRuleForEveryText();
    void wrapKeepsToItsCapacity();
    void printWrapped_data();
    void printWrapped();
};

void tst_xxPrt::alignment_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("x");

    // "12345" in 11 point: 550 wide; position 1 = 4400.
    QTest::newRow("left") << "PrtVanster"
                          << "12345" << 4400.0;
    QTest::newRow("right ends at the position") << "PrtHoger"
                                                << "12345" << 3850.0;
    QTest::newRow("centre") << "PrtMitt"
                            << "12345" << 4125.0;
    QTest::newRow("centre odd width") << "PrtMitt"
                                      << "123" << 4235.0;
    QTest::newRow("right margin") << "PrtHogerMarg"
                                  << "12345" << 9350.0;
    QTest::newRow("left margin") << "PrtRad"
                                 << "12345" << 0.0;
}

void tst_xxPrt::alignment()
{
    QFETCH(QString, op);
    QFETCH(QString, text);
    QFETCH(double, x);

    RecordingPrinter printer;
    xxPrt prt(&printer);
    prt.PrtInit();
    prt.PrtNormal();
    prt.PrtPosNoll();
    prt.PrtPosLagg(4400);
    printer.setCurrentX(777);
    printer.setCurrentY(1000);

    if (op == "PrtVanster")
        prt.PrtVanster(1, text);
    else if (op == "PrtHoger")
        prt.PrtHoger(1, text);
    else if (op == "PrtMitt")
        prt.PrtMitt(1, text);
    else if (op == "PrtHogerMarg")
        prt.PrtHogerMarg(text);
    else
        prt.PrtRad(text);

    QCOMPARE(printer.texts().size(), std::size_t(1));
    QCOMPARE(printer.texts()[0].text, text);
    QCOMPARE(printer.texts()[0].x, x);
    QCOMPARE(printer.texts()[0].y, 1000.0);
    // Every print ends its line.
    QCOMPARE(printer.currentY(), 1000.0 + 275);
}

void tst_xxPrt::onOneLine()
{
    RecordingPrinter printer;
    xxPrt prt(&printer);
    prt.PrtInit();
    prt.PrtNormal();
    prt.PrtPosNoll();
    prt.PrtPosLagg(200);
    prt.PrtPosLagg(4400);
    printer.setCurrentY(1234.4);
    prt.PrtSparaY();
    QCOMPARE(prt.savedY(), 1234);
    prt.PrtVanster(1, "a");
    prt.PrtAterY();
    prt.PrtHoger(2, "b");
    prt.PrtAterY();
    prt.PrtNed(220);
    // The saved position is a whole number of twips.
    QCOMPARE(printer.texts()[0].y, 1234.4);
    QCOMPARE(printer.texts()[1].y, 1234.0);
    QCOMPARE(printer.currentY(), 1454.0);
    prt.PrtFotY();
    QCOMPARE(printer.currentY(), 14560.0);
}

void tst_xxPrt::fiftiethPositionReplacesTheLast()
{
    RecordingPrinter printer;
    xxPrt prt(&printer);
    prt.PrtInit();
    prt.PrtPosNoll();
    for (int i = 1; i <= 49; ++i)
        prt.PrtPosLagg(i * 100);
    QCOMPARE(prt.positionCount(), 49);
    QCOMPARE(prt.position(49), 4900);

    prt.PrtPosLagg(7777);
    QCOMPARE(prt.positionCount(), 49);
    QCOMPARE(prt.position(49), 7777);
    QCOMPARE(prt.position(48), 4800);
    QCOMPARE(prt.position(50), 0);
    QCOMPARE(prt.position(0), 0);

    // A fresh table starts at slot 1 again.
    prt.PrtPosNoll();
    prt.PrtPosLagg(300);
    QCOMPARE(prt.positionCount(), 1);
    QCOMPARE(prt.position(1), 300);
}

void tst_xxPrt::columnOutsideTableIsRefused()
{
    RecordingPrinter printer;
    xxPrt prt(&printer);
    prt.PrtInit();
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, prt.PrtVanster(51, "x"));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, prt.PrtHoger(-1, "x"));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, prt.PrtDela(60, "x"));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, prt.PrtDela(-1, "x"));
    QVERIFY(printer.texts().empty());
    prt.PrtVanster(50, "x"); // the last slot exists
    QCOMPARE(printer.texts().size(), std::size_t(1));
}

void tst_xxPrt::fonts_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("expectedSize");
    QTest::addColumn<bool>("bold");

    QTest::newRow("normal") << "PrtNormal" << 0 << "Times New Roman" << 11 << false;
    QTest::newRow("normal sized") << "PrtNormalStr" << 9 << "Times New Roman" << 9 << false;
    QTest::newRow("bold") << "PrtFet" << 8 << "Arial" << 8 << true;
    QTest::newRow("footer") << "PrtFotText" << 0 << "Arial" << 8 << false;
    QTest::newRow("symbol") << "PrtSymbol" << 11 << "Symbol" << 11 << true;
}

void tst_xxPrt::fonts()
{
    QFETCH(QString, op);
    QFETCH(int, size);
    QFETCH(QString, font);
    QFETCH(int, expectedSize);
    QFETCH(bool, bold);

    RecordingPrinter printer;
    xxPrt prt(&printer);
    prt.PrtInit();
    if (op == "PrtNormal")
        prt.PrtNormal();
    else if (op == "PrtNormalStr")
        prt.PrtNormalStr(size);
    else if (op == "PrtFet")
        prt.PrtFet(size);
    else if (op == "PrtFotText")
        prt.PrtFotText();
    else
        prt.PrtSymbol(size);
    prt.PrtRad("t");

    const RecordingPrinter::Text& t = printer.texts().at(0);
    QCOMPARE(t.font, font);
    QCOMPARE(t.size, expectedSize);
    QCOMPARE(t.bold, bold);
    QCOMPARE(prt.currentFont().name, font);
}

void tst_xxPrt::symbolRule()
{
    RecordingPrinter printer;
    xxPrt prt(&printer);
    prt.PrtInit();
    prt.PrtFet(8);
    prt.PrtPosNoll();
    prt.PrtPosLagg(1000);
    printer.setCurrentY(500);

    prt.PrtVanster(1, QStringLiteral("ab") + QChar(158) + QStringLiteral("Scd"));

    // "ab" in bold 8 is 160 wide: the rest starts 200 after it, the symbol 100 after it.
    const auto& t = printer.texts();
    QCOMPARE(t.size(), std::size_t(3));
    QCOMPARE(t[0].text, QString("ab"));
    QCOMPARE(t[0].x, 1000.0);
    QCOMPARE(t[1].text, QString("cd"));
    QCOMPARE(t[1].x, 1360.0);
    QCOMPARE(t[1].font, QString("Arial"));
    QCOMPARE(t[2].text, QString("S"));
    QCOMPARE(t[2].x, 1260.0);
    QCOMPARE(t[2].font, QString("Symbol"));
    QCOMPARE(t[2].size, 11);
    QCOMPARE(t[2].bold, true);
    for (const auto& item : t)
        QCOMPARE(item.y, 500.0);
    // Afterwards the plain font is back, whatever was set before.
    QCOMPARE(prt.currentFont().name, QString("Times New Roman"));
    QCOMPARE(prt.currentFont().size, 11);
    QCOMPARE(prt.currentFont().bold, false);

    // Without the marker the text is printed whole.
    prt.PrtVanster(1, "plain");
    QCOMPARE(printer.texts().back().text, QString("plain"));
    QCOMPARE(printer.texts().back().x, 1000.0);
}

void tst_xxPrt::rule()
{
    RecordingPrinter printer;
    xxPrt prt(&printer);
    prt.PrtInit();
    prt.PrtLinje(14400);
    QCOMPARE(printer.lines().size(), std::size_t(1));
    const auto& line = printer.lines()[0];
    QCOMPARE(line.x1, 0.0);
    QCOMPARE(line.y1, 14400.0);
    QCOMPARE(line.x2, 9900.0);
    QCOMPARE(line.y2, 14400.0);
    QCOMPARE(line.width, 3);
}

void tst_xxPrt::wrap_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    // Size 10: a character is 100 twips; right edge 1000, so 10 characters fit from
    // the margin and 5 from position 1 (500).
    QTest::newRow("fits") << 0 << "abc def" << QStringList{"abc def"};
    QTest::newRow("exactly fits") << 0 << "abcdefghij" << QStringList{"abcdefghij"};
    QTest::newRow("empty") << 0 << "" << QStringList{""};
    QTest::newRow("breaks after the last blank that fits, keeping it")
        << 0 << "aaa bbb ccc ddd" << QStringList{"aaa bbb ", "ccc ddd"};
    QTest::newRow("blank just past the width is not used")
        << 0 << "aaaa bbbbb cc" << QStringList{"aaaa ", "bbbbb cc"};
    QTest::newRow("three lines") << 0 << "aa bb cc dd ee ff gg hh"
                                 << QStringList{"aa bb cc ", "dd ee ff ", "gg hh"};
    QTest::newRow("long word runs on to the next blank")
        << 0 << "abcdefghijklmno pq" << QStringList{"abcdefghijklmno ", "pq"};
    QTest::newRow("long word without blank")
        << 0 << "abcdefghijklmnop" << QStringList{"abcdefghijklmnop"};
    QTest::newRow("character 31 is a place to break")
        << 0 << QString("aaaaa") + QChar(31) + "bbbbbbb"
        << QStringList{QString("aaaaa") + QChar(31), "bbbbbbb"};
    QTest::newRow("from a column") << 1 << "aa bb cc" << QStringList{"aa ", "bb cc"};
    QTest::newRow("line feed") << 0 << "ab\ncd" << QStringList{"ab", "cd"};
    QTest::newRow("line feed first") << 0 << "\nab" << QStringList{" ", "ab"};
    QTest::newRow("line feed last") << 0 << "ab\n" << QStringList{"ab"};
    QTest::newRow("vertical tab adds a blank line")
        << 0 << "ab\vcd" << QStringList{"ab", " ", "cd"};
    QTest::newRow("vertical tab last") << 0 << "ab\v" << QStringList{"ab", " "};
    QTest::newRow("form feed breaks before itself")
        << 0 << "ab\fcd" << QStringList{"ab", "\f", "cd"};
    QTest::newRow("too wide before a line feed")
        << 0 << "aaa bbb ccc\ndd" << QStringList{"aaa bbb ", "ccc", "dd"};
}

void tst_xxPrt::wrap()
{
    QFETCH(int, col);
    QFETCH(QString, text);
    QFETCH(QStringList, lines);

    RecordingPrinter printer;
    xxPrt prt(&printer);
    prt.PrtInit();
    prt.rightEdge = 1000;
    prt.PrtNormalStr(10);
    prt.PrtPosNoll();
    prt.PrtPosLagg(500);

    prt.PrtDela(col, text);
    QStringList got;
    for (int i = 1; i <= prt.wrappedCount(); ++i)
        got << prt.wrappedLine(i);
    QCOMPARE(got, lines);
}

QStringList tst_xxPrt::referenceWrap(const QString& text, double width, int size)
{
    auto wide = [&](const QString& s) { return RecordingPrinter::fakeWidth(s, size) > width; };
    auto breakAt = [&](const QString& rest) {
        int candidate = 0;
        for (int i = 1; i <= rest.size(); ++i) {
            if (wide(rest.left(i)) && candidate > 0)
                return candidate;
            if (i == rest.size())
                return i;
            const QChar c = rest.at(i - 1);
            if (c == QChar(10) || c == QChar(11))
                return i;
            if (c == QChar(12))
                return i == 1 ? i : i - 1;
            if (c == QChar(' ') || c == QChar(31))
                candidate = i;
        }
        return 0;
    };
    const bool controls =
        text.contains(QChar(10)) || text.contains(QChar(11)) || text.contains(QChar(12));
    if (!controls && !wide(text))
        return {text};
    QStringList lines;
    QString rest = text;
    for (;;) {
        const int p = breakAt(rest);
        if (p == 0)
            break;
        const QChar c = rest.at(p - 1);
        if (c == QChar(10) || c == QChar(11))
            lines << (p == 1 ? QString(" ") : rest.left(p - 1));
        else
            lines << rest.left(p);
        const bool more = rest.size() > p;
        if (more)
            rest = rest.mid(p);
        if (c == QChar(11))
            lines << " ";
        if (!more)
            break;
    }
    return lines;
}

void tst_xxPrt::wrapMatchesTheRuleForEveryText()
{
    RecordingPrinter printer;
    xxPrt prt(&printer);
    prt.PrtInit();
    prt.rightEdge = 1200;
    const QString alphabet = QString("aaaaab  ") + QChar(10) + QChar(11) + QChar(12) + QChar(31);
    QRandomGenerator random(4711);
    for (int round = 0; round < 3000; ++round) {
        const int size = 8 + random.bounded(5);
        prt.PrtNormalStr(size);
        QString text;
        const int length = random.bounded(60);
        for (int i = 0; i < length; ++i) {
            // Mostly letters and blanks, now and then a control character.
            const int pick = random.bounded(100);
            text += pick < 94 ? alphabet.at(pick % 8) : alphabet.at(8 + pick % 4);
        }
        prt.PrtDela(0, text);
        QStringList got;
        for (int i = 1; i <= prt.wrappedCount(); ++i)
            got << prt.wrappedLine(i);
        const QStringList expected = referenceWrap(text, 1200, size);
        if (got != expected)
            qWarning() << "text" << text << "size" << size;
        QCOMPARE(got, expected);
    }
}

void tst_xxPrt::wrapKeepsToItsCapacity()
{
    RecordingPrinter printer;
    xxPrt prt(&printer);
    prt.PrtInit();
    prt.PrtNormal();
    QStringList parts;
    for (int i = 1; i <= 120; ++i)
        parts << QString::number(i);
    prt.PrtDela(0, parts.join('\n'));
    QCOMPARE(prt.wrappedCount(), 99);
    QCOMPARE(prt.wrappedLine(98), QString("98"));
    // Lines past the table overwrite its last slot.
    QCOMPARE(prt.wrappedLine(99), QString("120"));
}

void tst_xxPrt::printWrapped_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<double>("x");
    QTest::newRow("left margin") << 0 << 0.0;
    QTest::newRow("column") << 1 << 500.0;
}

void tst_xxPrt::printWrapped()
{
    QFETCH(int, col);
    QFETCH(double, x);

    RecordingPrinter printer;
    xxPrt prt(&printer);
    prt.PrtInit();
    prt.rightEdge = 1000;
    prt.PrtNormalStr(10);
    prt.PrtPosNoll();
    prt.PrtPosLagg(500);
    printer.setCurrentY(100);
    prt.PrtDela(col, "ab\ncd\nef");
    prt.PrtSkrivDelad(col);
    QCOMPARE(printer.textsOnPage(), (QStringList{"ab", "cd", "ef"}));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(printer.texts()[i].x, x);
        QCOMPARE(printer.texts()[i].y, 100.0 + 250 * i);
    }
}

QTEST_GUILESS_MAIN(tst_xxPrt)
#include "tst_xxPrt.moc"
