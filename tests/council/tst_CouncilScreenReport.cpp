#include "FakeMessageService.h"

#include "council/RostBer.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"

#include <QLocale>
#include <QtTest>

// The council report on screen, line by line with its TABs, and the styles it is
// written in.
class tst_CouncilScreenReport : public QObject
{
    Q_OBJECT

private:
    FakeMessageService m_messages;

    void load(RostBer& engine, const QList<QPair<QString, int>>& parties, int seats)
    {
        engine.setAntPartier(int(parties.size()));
        for (int i = 0; i < parties.size(); ++i) {
            engine.setPartiID(i + 1, parties.at(i).first);
            engine.setPartiNamn(i + 1, parties.at(i).first + QStringLiteral("-partiet"));
            engine.setRoster(i + 1, parties.at(i).second);
        }
        engine.setAntValsit(seats);
        engine.setReportHeader({QStringLiteral("Tovrelia kommun"), QStringLiteral("2026-12-06")});
    }

    static const QString tieNote()
    {
        return QStringLiteral("* efter valsitnummer betyder att efterföljande valsit har fått "
                              "samma jämförelsetal (dvs lottning skall verkställas)  ");
    }
    static QString dashes(int counter) { return QString::number(counter) + QString(87, '-'); }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void wholeReportWithDistricts()
    {
        RostBer engine(m_messages);
        PlainTextControl control;
        PlainReportWindow window(&control);
        engine.setFormName(&window);
        load(engine, {{"S", 1000}, {"M", 1000}}, 5);
        engine.setRubrik1(QStringLiteral("Kommunfullmäktige"));
        engine.setVisaDistriktSW(true);

        engine.BearbBest();
        engine.setDistrikt(QStringLiteral("Norra"));
        engine.setDRoster(1, 600);
        engine.setDRoster(2, 400);
        engine.BearbBest1();
        engine.setDistrikt(QStringLiteral("Södra"));
        engine.setDRoster(2, 600); // S has no row here: shows 0, not Norra's 600
        engine.BearbBest1();
        engine.BearbBest2();

        const QStringList expected = {
            "Tovrelia kommun har gjort valsitberäkningsbeställningen 2026-12-06",
            "för",
            "Kommunfullmäktige",
            " ",
            "Partinamn\tPartiID\tAntal röster",
            "S-partiet\tS\t1000",
            "M-partiet\tM\t1000",
            "Beräknat med första divisor 1.4 utan spärr",
            " ",
            "Distrikt namn/röster per parti\tS\tM",
            "Norra\t600\t400",
            "Södra\t0\t600",
            " ",
            tieNote(),
            " ",
            "S-partiet\t Antal: 3\tValsit: 1*\t3*\t5*\t",
            "M-partiet\t Antal: 2\tValsit: 2\t4\t",
            dashes(1),
        };
        QCOMPARE(control.lines(), expected);
        QVERIFY(control.text().endsWith(QLatin1String("\r\n")));

        // Style calls: (first line, font, size, bold, tab stops in mm).
        struct Style
        {
            int line;
            const char* font;
            int size;
            bool bold;
            std::vector<int> tabs;
        };
        const std::vector<int> input{0, 50, 70};
        const std::vector<int> district{0, 50, 62, 74, 86, 98, 110, 122, 134, 146};
        const std::vector<int> result{0, 40, 55, 66, 73, 80, 87, 94};
        const std::vector<Style> styles = {
            {0, "Times New Roman", 7, false, input},
            {2, "Arial", 11, true, input},
            {4, "Arial", 7, true, input},
            {5, "Times New Roman", 7, false, input},
            {9, "Arial", 7, true, district},
            {10, "Times New Roman", 9, false, district},
            {13, "Times New Roman", 7, false, district},
            {14, "Times New Roman", 8, false, district},
            {15, "Times New Roman", 9, false, result},
        };
        const auto& calls = control.styleCalls();
        QCOMPARE(calls.size(), styles.size());
        for (size_t i = 0; i < styles.size(); ++i) {
            QCOMPARE(calls[i].line, styles[i].line);
            QCOMPARE(calls[i].fontName, QString::fromLatin1(styles[i].font));
            QCOMPARE(calls[i].size, styles[i].size);
            QCOMPARE(calls[i].bold, styles[i].bold);
            QCOMPARE(calls[i].tabStopsMm, styles[i].tabs);
        }
    }

    void headingAndListOptions_data()
    {
        QTest::addColumn<QString>("rubrik");
        QTest::addColumn<bool>("berTal");
        QTest::addColumn<bool>("districts");
        QTest::addColumn<QStringList>("expected");

        const QStringList start = {
            "Tovrelia kommun har gjort valsitberäkningsbeställningen 2026-12-06"};
        const QStringList body = {" ",
                                  "Partinamn\tPartiID\tAntal röster",
                                  "S-partiet\tS\t1400",
                                  "M-partiet\tM\t300",
                                  "Beräknat med första divisor 1.4 utan spärr",
                                  " ",
                                  tieNote(),
                                  " "};
        const QStringList result = {"S-partiet\t Antal: 4\tValsit: 1\t2\t3\t5\t",
                                    "M-partiet\t Antal: 1\tValsit: 4\t", dashes(1)};
        QTest::newRow("one-character heading: no heading lines")
            << "K" << false << false << start + body + result;
        QTest::newRow("empty heading") << "" << false << false << start + body + result;
        QTest::newRow("comparison numbers")
            << "" << true << false
            << start + body +
                   QStringList{"ValsitNr=(Jämförelsetal), 1=(1000.00), 2=(466.67), 3=(280.00), "
                               "4=(214.29), 5=(200.00)",
                               " "} +
                   result;
    }

    void headingAndListOptions()
    {
        QFETCH(QString, rubrik);
        QFETCH(bool, berTal);
        QFETCH(bool, districts);
        QFETCH(QStringList, expected);

        RostBer engine(m_messages);
        PlainTextControl control;
        PlainReportWindow window(&control);
        engine.setFormName(&window);
        load(engine, {{"S", 1400}, {"M", 300}}, 5);
        engine.setRubrik1(rubrik);
        engine.setBerTalSW(berTal);
        engine.setVisaDistriktSW(districts);
        engine.BearbBest();
        engine.BearbBest1(); // without districts this writes nothing
        engine.BearbBest2();
        QCOMPARE(control.lines(), expected);
    }

    void seatNumbersWrapAfterTen_data()
    {
        QTest::addColumn<int>("seats");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("12 seats")
            << 12
            << QStringList{"S-partiet\t Antal: 12\tValsit: 1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t",
                           "\t\t\t11\t12\t"};
        QTest::newRow("exactly 10 seats: a line of three TABs follows")
            << 10
            << QStringList{"S-partiet\t Antal: 10\tValsit: 1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t",
                           "\t\t\t"};
    }

    void seatNumbersWrapAfterTen()
    {
        QFETCH(int, seats);
        QFETCH(QStringList, expected);

        RostBer engine(m_messages);
        PlainTextControl control;
        PlainReportWindow window(&control);
        engine.setFormName(&window);
        load(engine, {{"S", 1000}, {"M", 0}}, seats);
        engine.BearbBest();
        engine.BearbBest2();
        const QStringList lines = control.lines();
        const int first = int(lines.indexOf(QRegularExpression("^S-partiet\t Antal.*")));
        QVERIFY(first > 0);
        QCOMPARE(lines.mid(first, expected.size()), expected);
        QCOMPARE(lines.at(first + expected.size()),
                 QStringLiteral("M-partiet\t Antal: 0\tValsit: "));
    }

    void nothingWrittenWithoutRichTextControl()
    {
        RostBer engine(m_messages);
        load(engine, {{"S", 1400}, {"M", 300}}, 5);
        engine.BearbBest(); // no window at all
        engine.BearbBest2();

        PlainTextControl control;
        PlainReportWindow window(nullptr); // a window whose active control is no rich text
        engine.setFormName(&window);
        engine.BearbBest();
        engine.BearbBest2();
        QCOMPARE(control.textLength(), 0);
        QCOMPARE(engine.PartiValRes(1), 4);
    }

    void appendsAfterExistingText()
    {
        RostBer engine(m_messages);
        PlainTextControl control;
        control.insertAtEnd(QStringLiteral("tidigare"));
        PlainReportWindow window(&control);
        engine.setFormName(&window);
        load(engine, {{"S", 1400}, {"M", 300}}, 5);
        engine.BearbBest();
        QVERIFY(control.text().startsWith(
            QStringLiteral("tidigareTovrelia kommun har gjort valsitberäkningsbeställningen")));
    }

    void rulesLineNamesTheRule_data()
    {
        QTest::addColumn<double>("divisor");
        QTest::addColumn<double>("threshold");
        QTest::addColumn<QString>("expected");
        QTest::newRow("older rules") << 1.4 << 0.0 << "Beräknat med första divisor 1.4 utan spärr";
        QTest::newRow("own: 1.2 without threshold")
            << 1.2 << 0.0 << "Beräknat med första divisor 1.2 utan spärr";
        QTest::newRow("with threshold")
            << 1.2 << 2.5 << "Beräknat med första divisor 1.2 och spärr 2.5 % av rösterna";
    }

    void rulesLineNamesTheRule()
    {
        QFETCH(double, divisor);
        QFETCH(double, threshold);
        QFETCH(QString, expected);
        RostBer engine(m_messages);
        PlainTextControl control;
        PlainReportWindow window(&control);
        engine.setFormName(&window);
        load(engine, {{"S", 1400}, {"M", 300}}, 5);
        engine.setForstaDivisor(divisor);
        engine.setSparr(threshold);
        engine.BearbBest();
        QCOMPARE(control.lines().last(), expected);
    }
};

QTEST_GUILESS_MAIN(tst_CouncilScreenReport)
#include "tst_CouncilScreenReport.moc"
