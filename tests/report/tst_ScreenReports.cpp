// The screen reports of both engines, line by line with their TABs, in one table of
// expected texts; the styles they are written in; and the rich-text control on a
// QTextEdit that shows them (tab stops in millimetres, appends at the end, the speed of a
// long run).
#include "ReportFixtures.h"
#include "Rows.h"

#include "committee/CommitteeScreenReport.h"
#include "committee/ValsitBer.h"
#include "council/CouncilScreenReport.h"
#include "council/RostBer.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"
#include "report/ScreenReport.h"
#include "ui/report/QtRichTextControl.h"

#include <QAbstractTextDocumentLayout>
#include <QLocale>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>
#include <memory>

namespace {

const QString header = "Åby kommun har gjort valsitberäkningsbeställningen 2026-09-14";
const QString tieNote = "* efter valsitnummer betyder att efterföljande valsit har fått samma "
                        "jämförelsetal (dvs lottning skall verkställas)  ";
const QString rule14 = "Beräknat med första divisor 1.4 utan spärr";
// A single result ends with the dashes alone; only combinations are counted.
const QString dashes(87, '-');

// Parties "S", "M", ... named "S-partiet", ... with the given votes (council) or council
// seats (committee); each run renders its result into the plain-text control.
struct Run
{
    explicit Run(RichTextControl* target = nullptr) : window(target ? target : &control) {}
    PlainTextControl control;
    PlainReportWindow window;
    CouncilInput council;
    CommitteeInput committee;

    void parties(const QList<QPair<QString, int>>& parties, int seats)
    {
        for (const auto& [code, value] : parties) {
            council.parties.append({code, code + QStringLiteral("-partiet"), value});
            committee.parties.append({code, code + QStringLiteral("-partiet"), value});
        }
        council.seats = committee.seats = seats;
    }
    void runCouncil()
    {
        auto result = std::make_unique<SeatResult>();
        RostBer::calculate(council, *result);
        CouncilScreenReport(&window, ReportFixtures::header(), council).write(*result);
    }
    void runCommittee()
    {
        auto engine = std::make_unique<ValsitBer>(committee);
        CommitteeScreenReport report(&window, ReportFixtures::header(), committee, "A");
        engine->run(report);
    }
};

struct ReportCase
{
    const char* name;
    void (*run)(Run&);
    QStringList expected;
};
const QStringList council1400 = {header,
                                 " ",
                                 "Partinamn\tPartiID\tAntal röster",
                                 "S-partiet\tS\t1400",
                                 "M-partiet\tM\t300",
                                 rule14,
                                 " ",
                                 tieNote,
                                 " "};
const QStringList council1400Result = {"S-partiet\t Antal: 4\tValsit: 1\t2\t3\t5\t",
                                       "M-partiet\t Antal: 1\tValsit: 4\t", dashes};
const ReportCase reportCases[] = {
    {"council with districts",
     [](Run& r) {
         r.parties({{"S", 1000}, {"M", 1000}}, 5);
         r.council.heading = QStringLiteral("Kommunfullmäktige");
         r.council.showDistricts = true;
         // S has no row in Södra: shows 0.
         r.council.districts = {{"Norra", {600, 400}}, {"Södra", {0, 600}}};
         r.runCouncil();
     },
     {header, "för", "Kommunfullmäktige", " ", "Partinamn\tPartiID\tAntal röster",
      "S-partiet\tS\t1000", "M-partiet\tM\t1000", rule14, " ",
      "Distrikt namn/röster per parti\tS\tM", "Norra\t600\t400", "Södra\t0\t600", " ", tieNote, " ",
      "S-partiet\t Antal: 3\tValsit: 1*\t3*\t5*\t", "M-partiet\t Antal: 2\tValsit: 2\t4\t",
      dashes}},
    {"council with a threshold",
     [](Run& r) {
         r.parties({{"S", 1400}, {"M", 300}}, 5);
         r.council.firstDivisorTenths = 12;
         r.council.thresholdHundredths = 250;
         r.runCouncil();
     },
     QStringList{header, " ", "Partinamn\tPartiID\tAntal röster", "S-partiet\tS\t1400",
                 "M-partiet\tM\t300",
                 "Beräknat med första divisor 1.2 och spärr 2.5 % av rösterna"} +
         council1400.mid(6) + council1400Result},
    {"council: seat numbers past the tenth on a second line",
     [](Run& r) {
         r.parties({{"S", 1000}, {"M", 0}}, 12);
         r.runCouncil();
     },
     council1400.mid(0, 3) + QStringList{"S-partiet\tS\t1000", "M-partiet\tM\t0"} +
         council1400.mid(5) +
         QStringList{"S-partiet\t Antal: 12\tValsit: 1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t",
                     "\t\t\t11\t12\t", "M-partiet\t Antal: 0\tValsit: ", dashes}},
    {"council: exactly ten seats, a line of three TABs follows",
     [](Run& r) {
         r.parties({{"S", 1000}, {"M", 0}}, 10);
         r.runCouncil();
     },
     council1400.mid(0, 3) + QStringList{"S-partiet\tS\t1000", "M-partiet\tM\t0"} +
         council1400.mid(5) +
         QStringList{"S-partiet\t Antal: 10\tValsit: 1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t", "\t\t\t",
                     "M-partiet\t Antal: 0\tValsit: ", dashes}},
    {"committee, fixed cooperation, a two-character heading",
     [](Run& r) {
         r.parties({{"S", 5}, {"M", 2}, {"V", 4}}, 5);
         r.committee.heading = QStringLiteral("KS");
         r.committee.marks = {1}; // S and M
         r.committee.cooperation = CommitteeInput::Cooperation::Fixed;
         r.runCommittee();
     },
     {header, "för", "KS", " ", "Fullmäktige\t\tValsamverkan - A", "Valsit\tPartinamn\tPartiID",
      "5\tS-partiet\tS\tS", "2\tM-partiet\tM\tX\tM",
      QString("4\tV-partiet\tV\t%1\t%1\tV").arg(QChar(0xA0)), " ", tieNote, " ",
      "V-partiet\t Antal: 2\tValsit: 2\t5\t", " S / M\t Antal: 3\tValsit: 1\t3\t4\t", dashes}},
    {"committee with comparison numbers, one-character heading",
     [](Run& r) {
         r.parties({{"S", 5}, {"M", 2}, {"V", 4}}, 5);
         r.committee.heading = QStringLiteral("X");
         r.committee.report.comparison = ReportChoices::Comparison::TwoDecimals;
         r.runCommittee();
     },
     {header, " ", "Fullmäktige\t\tValsamverkan - A", "Valsit\tPartinamn\tPartiID",
      "5\tS-partiet\tS\tS", QString("2\tM-partiet\tM\t%1\tM").arg(QChar(0xA0)),
      QString("4\tV-partiet\tV\t%1\t%1\tV").arg(QChar(0xA0)), " ", tieNote, " ",
      "ValsitNr=(Jämförelsetal), 1=(5.00), 2=(4.00), 3=(2.50), 4=(2.00), 5=(2.00)", " ",
      "S-partiet\t Antal: 2\tValsit: 1\t3\t", "M-partiet\t Antal: 1\tValsit: 4*\t",
      "V-partiet\t Antal: 2\tValsit: 2\t5\t", dashes}},
};

QList<double> tabsMm(const QTextBlock& block, const QTextEdit& edit)
{
    QList<double> result;
    for (const QTextOption::Tab& tab : block.blockFormat().tabPositions())
        result << qRound(tab.position * 25.4 / edit.logicalDpiX() * 100) / 100.0;
    return result;
}

} // namespace

class tst_ScreenReports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void reports_data() { addRows(reportCases); }
    void reports()
    {
        const ReportCase& c = row(reportCases);
        Run r;
        c.run(r);
        QCOMPARE(r.control.lines(), c.expected);
        QVERIFY(r.control.text().endsWith(QLatin1String("\r\n")));
    }

    // Laid out on screen, every seat number of a result line starts at least 1 mm after
    // the text before it, however many seats: "1 3" never reads as 13.
    void seatNumbersStandApart_data()
    {
        QTest::addColumn<int>("seats");
        QTest::addColumn<int>("votesS");
        QTest::newRow("41 seats") << 41 << 2000;
        QTest::newRow("350 seats") << 350 << 90000;
    }
    void seatNumbersStandApart()
    {
        QFETCH(int, seats);
        QFETCH(int, votesS);
        QTextEdit edit;
        edit.resize(2400, 600);
        QtRichTextControl control(&edit);
        Run r(&control);
        r.parties({{"S", votesS}, {"M", 30000}, {"V", 12000}}, seats);
        r.runCouncil();
        control.flush();
        QCoreApplication::processEvents();
        const double mm = edit.logicalDpiX() / 25.4;
        int checked = 0;
        for (QTextBlock b = edit.document()->begin(); b.isValid(); b = b.next()) {
            if (!b.text().contains("Valsit: "))
                continue;
            const QTextLayout* layout = b.layout();
            for (int i = int(b.text().indexOf("Valsit: ")); i < b.text().size(); ++i) {
                if (b.text().at(i) != '\t' || i + 1 >= b.text().size())
                    continue;
                const QTextLine line = layout->lineForTextPosition(i);
                QVERIFY2(line.cursorToX(i + 1) - line.cursorToX(i) >= mm,
                         qPrintable(b.text().left(i + 1)));
                ++checked;
            }
        }
        QVERIFY(checked > 10);
    }

    // Nothing is written without a rich-text control, and what is written goes after what
    // was there.
    void whereTheReportGoes()
    {
        Run r;
        r.parties({{"S", 1400}, {"M", 300}}, 5);
        auto result = std::make_unique<SeatResult>();
        RostBer::calculate(r.council, *result);
        CouncilScreenReport(nullptr, ReportFixtures::header(), r.council).write(*result);
        PlainReportWindow none(nullptr); // a window whose active control is no rich text
        CouncilScreenReport(&none, ReportFixtures::header(), r.council).write(*result);
        QCOMPARE(r.control.textLength(), 0);
        r.control.insertAtEnd(QStringLiteral("tidigare"));
        r.runCouncil();
        QVERIFY(r.control.text().startsWith("tidigare" + header));
    }

    // Appends go after what is there and show once the event loop runs (or on flush);
    // clear empties both. A report reads as through the plain control, every line in the
    // font, size, weight and tab stops (mm) the engine asked for.
    void richTextControl()
    {
        QTextEdit edit;
        edit.setPlainText("abc");
        QtRichTextControl control(&edit);
        control.insertAtEnd("def\r\n");
        QCOMPARE(control.textLength(), 7);
        control.flush();
        QCOMPARE(edit.toPlainText(), QString("abcdef\n"));
        control.clear();
        QCOMPARE(control.textLength() + edit.toPlainText().size(), 0);
        control.insertAtEnd("x\r\n");
        QCOMPARE(edit.toPlainText(), QString());
        QCoreApplication::processEvents();
        QCOMPARE(edit.toPlainText(), QString("x\n"));
        control.clear();

        Run plain, rich(&control);
        reportCases[0].run(plain);
        reportCases[0].run(rich);
        QCoreApplication::processEvents();
        QCOMPARE(edit.toPlainText().split('\n'), plain.control.lines() << QString());
        const auto& styles = plain.control.styleCalls();
        for (int line = 0, k = 0; line < plain.control.lines().size(); ++line) {
            while (k + 1 < int(styles.size()) && styles[k + 1].line <= line)
                ++k;
            const QTextBlock block = edit.document()->findBlockByNumber(line);
            const QTextCharFormat format = block.begin().fragment().charFormat();
            QCOMPARE(format.fontFamilies().toStringList(), QStringList{styles[k].fontName});
            QCOMPARE(format.fontPointSize(), double(styles[k].size));
            QCOMPARE(format.fontWeight(), int(styles[k].bold ? QFont::Bold : QFont::Normal));
            QCOMPARE(tabsMm(block, edit),
                     QList<double>(styles[k].tabStopsMm.begin(), styles[k].tabStopsMm.end()));
        }
    }
};

QTEST_MAIN(tst_ScreenReports)
#include "tst_ScreenReports.moc"
