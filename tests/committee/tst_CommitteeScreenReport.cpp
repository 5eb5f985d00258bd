#include "FakeMessageService.h"

#include "committee/ValsitBer.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"

#include <QLocale>
#include <QtTest>

// The committee report on screen: the input section with the pair marks and run letter,
// and one result block per combination.
class tst_CommitteeScreenReport : public QObject
{
    Q_OBJECT

private:
    FakeMessageService m_messages;

    static void load(ValsitBer& engine)
    {
        const char* codes[] = {"S", "M", "V"};
        const int seats[] = {5, 2, 4};
        engine.setAntPartier(3);
        for (int i = 1; i <= 3; ++i) {
            engine.setPartiID(i, QString::fromLatin1(codes[i - 1]));
            engine.setPartiNamn(i, QString::fromLatin1(codes[i - 1]) + QStringLiteral("-partiet"));
            engine.setPartiValRes(i, seats[i - 1]);
        }
        engine.setAntValsit(5);
        engine.setReportHeader({QStringLiteral("Tovrelia kommun"), QStringLiteral("2026-12-06")});
    }

    static QString tieNote()
    {
        return QStringLiteral("* efter valsitnummer betyder att efterföljande valsit har fått "
                              "samma jämförelsetal (dvs lottning skall verkställas)  ");
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void fixedCooperationReport()
    {
        ValsitBer engine(m_messages);
        PlainTextControl control;
        PlainReportWindow window(&control);
        engine.setFormName(&window);
        load(engine);
        engine.setRubrik1(QStringLiteral("Kommunstyrelsen"));
        engine.setSamvSW(1, 1); // S and M
        engine.setSamvSW(0, 1);
        engine.BearbBest();

        const QString nbsp(QChar(0x00A0));
        const QStringList expected = {
            "Tovrelia kommun har gjort valsitberäkningsbeställningen 2026-12-06",
            "för",
            "Kommunstyrelsen",
            " ",
            "Fullmäktige\t\tValsamverkan - A",
            "Valsit\tPartinamn\tPartiID",
            "5\tS-partiet\tS\tS",
            "2\tM-partiet\tM\tX\tM",
            "4\tV-partiet\tV\t" + nbsp + "\t" + nbsp + "\tV",
            " ",
            tieNote(),
            " ",
            "V-partiet\t Antal: 2\tValsit: 2\t5\t",
            " S / M / \t Antal: 3\tValsit: 1\t3\t4\t",
            "1" + QString(87, '-'),
        };
        QCOMPARE(control.lines(), expected);

        const auto& calls = control.styleCalls();
        QCOMPARE(calls.size(), size_t(6));
        // Input table: stops at 0, 15, 55, 65 and every 6 mm after (max(5, 3) + 3 = 8 stops).
        QCOMPARE(calls[0].tabStopsMm, (std::vector<int>{0, 15, 55, 65, 71, 77, 83, 89}));
        QCOMPARE(calls[2].line, 4);
        QCOMPARE(calls[2].fontName, QStringLiteral("Arial"));
        QVERIFY(calls[2].bold);
        QCOMPARE(calls[3].line, 6);
        QCOMPARE(calls[3].size, 7);
        // Result block: normal 9, stops at 0, 40, 55, 66 and every 7 mm after.
        QCOMPARE(calls[4].line, 11);
        QCOMPARE(calls[4].size, 9);
        QCOMPARE(calls[5].line, 12);
        QCOMPARE(calls[5].tabStopsMm, (std::vector<int>{0, 40, 55, 66, 73, 80, 87, 94}));
    }

    void everyCombinationHasItsBlockAndTheLetterAdvances()
    {
        ValsitBer engine(m_messages);
        PlainTextControl control;
        PlainReportWindow window(&control);
        engine.setFormName(&window);
        load(engine);
        for (int k = 1; k <= 3; ++k)
            engine.setSamvSW(k, 1);
        engine.setSamvSW(0, 2);
        engine.AntalResultat();
        engine.BearbBest();
        QStringList lines = control.lines();
        QVERIFY(lines.contains(QStringLiteral("Fullmäktige\t\tValsamverkan - A")));
        for (int n = 1; n <= 5; ++n)
            QVERIFY(lines.contains(QString::number(n) + QString(87, '-')));
        QVERIFY(!lines.contains(QStringLiteral("6") + QString(87, '-')));
        QCOMPARE(lines.last(), QStringLiteral("5") + QString(87, '-'));
        // The last combination joins all three: one list.
        QCOMPARE(lines.at(lines.size() - 2),
                 QStringLiteral(" S / M / V / \t Antal: 5\tValsit: 1\t2\t3\t4\t5\t"));

        control.clear();
        engine.BearbBest();
        QVERIFY(control.lines().contains(QStringLiteral("Fullmäktige\t\tValsamverkan - B")));
        ValsitBer fresh(m_messages);
        fresh.setFormName(&window);
        load(fresh);
        control.clear();
        fresh.BearbBest();
        QVERIFY(control.lines().contains(QStringLiteral("Fullmäktige\t\tValsamverkan - A")));
    }

    void comparisonListAndOneCharacterHeading()
    {
        ValsitBer engine(m_messages);
        PlainTextControl control;
        PlainReportWindow window(&control);
        engine.setFormName(&window);
        load(engine);
        engine.setRubrik1(QStringLiteral("X"));
        engine.setBerTalSW(true);
        engine.setSamvSW(0, 0);
        engine.BearbBest();
        const QStringList lines = control.lines();
        QVERIFY(!lines.contains(QStringLiteral("för")));
        const int list = int(lines.indexOf(QRegularExpression("^ValsitNr=.*")));
        QVERIFY(list > 0);
        QCOMPARE(lines.at(list),
                 QStringLiteral(
                     "ValsitNr=(Jämförelsetal), 1=(5.00), 2=(4.00), 3=(2.50), 4=(2.00), 5=(2.00)"));
        QCOMPARE(lines.at(list - 1), QStringLiteral(" "));
        QCOMPARE(lines.at(list + 1), QStringLiteral(" "));
        QCOMPARE(lines.at(list + 3), QStringLiteral("M-partiet\t Antal: 1\tValsit: 4*\t"));
    }
};

QTEST_GUILESS_MAIN(tst_CommitteeScreenReport)
#include "tst_CommitteeScreenReport.moc"
