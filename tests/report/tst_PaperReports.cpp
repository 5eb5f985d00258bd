// Both reports on paper, recorded. Every printout is held to the page (one document, a
// footer with the page number, the body inside the text area, nothing printed over
// anything else); the main printouts are read back line by line as a reader sees them.
#include "Collect.h"
#include "PdfReadBack.h"
#include "RecordingPrinter.h"
#include "ReportFixtures.h"
#include "Rows.h"

#include "committee/CommitteePaperReport.h"
#include "committee/ValsitBer.h"
#include "council/CouncilPaperReport.h"
#include "council/RostBer.h"
#include "council/ValkretsPaperReport.h"
#include "report/PdfPrinter.h"
#include "report/ReportHeader.h"
#include "shell/EngineError.h"
#include "ui/report/QtPrinterJob.h"

#include <QtTest>
#include <memory>

using namespace ReportFixtures;

namespace {

// Both reports of a result at once: the paper report and the tie count.
struct Both : SeatReport
{
    SeatReport& a;
    SeatReport& b;
    Both(SeatReport& first, SeatReport& second) : a(first), b(second) {}
    void begin(const SeatResult& r) override { a.begin(r), b.begin(r); }
    void result(const SeatResult& r) override { a.result(r), b.result(r); }
    void end(const Summary& s) override { a.end(s), b.end(s); }
};

// A scenario's input, printed on the recording printer (the real fonts' widths) or any
// other; `ties` counts the tie marks of every result printed.
struct Printout
{
    RecordingPrinter recorder{true};
    Printer* printer = &recorder;
    CouncilInput council;
    CommitteeInput committee;
    std::unique_ptr<SeatResult> result = std::make_unique<SeatResult>();
    int ties = 0;

    void countTies(const SeatResult& r)
    {
        for (int l = 1; l <= r.listCount; ++l)
            for (int k = 1; k <= r.lists[l].seatCount; ++k)
                ties += r.lists[l].tied[k] ? 1 : 0;
    }
    void runCouncil()
    {
        RostBer::calculate(council, *result);
        countTies(*result);
        CouncilPaperReport paper(council);
        paper.setPrinter(printer);
        paper.setHeader(header());
        paper.write(*result);
    }
    void runCommittee(const QString& letter = "A")
    {
        auto engine = std::make_unique<ValsitBer>(committee);
        CommitteePaperReport paper(committee, letter);
        paper.setPrinter(printer);
        paper.setHeader(header());
        Collect counting;
        counting.each = [this](const SeatResult& r) { countTies(r); };
        Both both(paper, counting);
        engine->run(both);
    }
};

std::vector<Party> numbered(int n, int value)
{
    std::vector<Party> parties;
    for (int i = 1; i <= n; ++i)
        parties.push_back(
            {QString("P%1").arg(i, 2, 10, QChar('0')), QString("Parti %1").arg(i), value * i});
    return parties;
}

// S and M tie all the way; V wins seat 5 on 300 / 1.4; Tom has no votes.
void councilWithDistricts(Printout& p)
{
    p.council = council(5,
                        {{"S", "Socialdemokraterna", 1000},
                         {"M", "Moderaterna", 1000},
                         {"V", "Vänsterpartiet", 300},
                         {"T", "Tom", 0}},
                        "Fullmäktige i Åby");
    p.council.showDistricts = true;
    p.council.districts = {{"Norra", {600, 500, 120, 0}}, {"Södra", {400, 500, 180, 0}}};
    p.runCouncil();
}

// P 5, Q 2, R 4 council seats; P and Q cooperate.
void committeePqr(Printout& p)
{
    p.committee = committee(5, {{"P", "Pelle", 5}, {"Q", "Qvist", 2}, {"R", "Rask", 4}});
    p.committee.cooperation = CommitteeInput::Cooperation::Fixed;
    p.committee.marks = {1};
    p.runCommittee();
}

struct Scenario
{
    const char* name;
    void (*run)(Printout&);
};
const Scenario scenarios[] = {
    {"council with districts", councilWithDistricts},
    {"council: 12 seats on two lines",
     [](Printout& p) {
         p.council = council(13, {{"A", "Alfa", 10000}, {"B", "Beta", 1000}});
         p.runCouncil();
     }},
    {"council: 60 districts over two pages",
     [](Printout& p) {
         p.council = council(5, {{"A", "Alfa", 6000}, {"B", "Beta", 3000}});
         p.council.showDistricts = true;
         for (int d = 1; d <= 60; ++d)
             p.council.districts.append(
                 {QString("Distrikt %1").arg(d, 2, 10, QChar('0')), {100, 50}});
         p.runCouncil();
     }},
    {"council: 350 seats, tied all the way, with the comparison list",
     [](Printout& p) {
         p.council =
             council(350, {{"A", "Alfa", 900000}, {"B", "Beta", 350000}, {"C", "Gamma", 350000}});
         p.council.report.comparison = ReportChoices::Comparison::TwoDecimals;
         p.runCouncil();
     }},
    {"council: 16 parties in the district table",
     [](Printout& p) {
         p.council = council(41, numbered(16, 1000));
         p.council.showDistricts = true;
         QVector<qint32> votes;
         for (int i = 1; i <= 16; ++i)
             votes.append(1000 * i);
         p.council.districts = {{"Hela", votes}};
         p.runCouncil();
     }},
    {"committee, fixed cooperation", [](Printout& p) { committeePqr(p); }},
    {"committee: all combinations of four parties",
     [](Printout& p) {
         p.committee = committee(
             11, {{"A", "Alfa", 15}, {"B", "Beta", 10}, {"C", "Gamma", 7}, {"D", "Delta", 3}});
         p.committee.cooperation = CommitteeInput::Cooperation::AllCombinations;
         p.committee.marks = {1, 2, 3, 4, 5, 6};
         p.runCommittee();
     }},
    {"committee: 16 parties in the mark table",
     [](Printout& p) {
         p.committee = committee(11, numbered(16, 1));
         p.runCommittee();
     }},
};

// The text on a PDF page at a recorded place (points from the paper's corner: an inch plus
// x, 25 plus y, twips over 20). Texts set close together, like tied seat numbers
// ("106*107*"), are read back as one word: then the text must lie inside a word there.
bool inPdf(const QVector<PdfReadBack::Word>& words, const RecordingPrinter::Text& t)
{
    const QString first = t.text.simplified().section(' ', 0, 0);
    int blanks = 0; // leading blanks move the first word right by under a third of the size
    while (blanks < t.text.size() && t.text.at(blanks).isSpace())
        ++blanks;
    const double x = (1440 + t.x) / 20, y = (500 + t.y) / 20, slack = blanks * t.size * 0.3;
    for (const PdfReadBack::Word& w : words)
        if (w.page == t.page && qAbs(w.yMin - y) < 1.5 &&
            ((w.text.startsWith(first) && w.xMin > x - 1 && w.xMin < x + 1 + slack) ||
             (!w.text.startsWith(first) && w.text.contains(first) && w.xMin < x + 1 && w.xMax > x)))
            return true;
    return false;
}

} // namespace

class tst_PaperReports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPrintoutKeepsToThePage_data() { addRows(scenarios); }
    void everyPrintoutKeepsToThePage()
    {
        Printout p;
        row(scenarios).run(p);
        QCOMPARE(p.recorder.pageFault(), QString());
    }

    // A table that goes on over a page takes its bold heading along; a long line is
    // wrapped inside the frame.
    void tableHeadingGoesAlong()
    {
        RecordingPrinter printer{true};
        ValkretsPaperReport report;
        report.setPrinter(&printer);
        using Kind = ValkretsReportText::Kind;
        QVector<ValkretsReportText::Line> lines{{Kind::Bold, "Totalt\tRöster"}};
        for (int i = 1; i <= 90; ++i)
            lines.append({Kind::Normal, QString("Parti %1\t%1").arg(i)});
        report.print(ReportHeader::of("Åby kommun", QDate(2026, 9, 14)), "Prov", lines);
        QVERIFY(printer.pages() >= 2);
        for (int page = 1; page <= printer.pages(); ++page)
            QVERIFY2(printer.printedLines(page).contains("Totalt | Röster"),
                     qPrintable(QString::number(page)));
        QCOMPARE(printer.pageFault(), QString());
    }

    void councilAsRead()
    {
        Printout p;
        councilWithDistricts(p);
        QCOMPARE(p.recorder.pages(), 1);
        QCOMPARE(p.recorder.printedLines(1),
                 (QStringList{
                     "Åby kommun har gjort valsitberäkningsbeställningen 2026-09-14", "för",
                     "Fullmäktige i Åby", "Partinamn | PartiID | Antal röster",
                     "Socialdemokraterna | S | 1000", "Moderaterna | M | 1000",
                     "Vänsterpartiet | V | 300", "Tom | T | 0",
                     "Beräknat med första divisor 1.4 utan spärr",
                     "Distrikt namn/röster per parti | S | M | V | T",
                     "Norra | 600 | 500 | 120 | 0", "Södra | 400 | 500 | 180 | 0",
                     PaperReport::TieNote, "Socialdemokraterna |  Antal: 2 | Valsit:  | 1* | 3*",
                     "Moderaterna |  Antal: 2 | Valsit:  | 2 | 4",
                     "Vänsterpartiet |  Antal: 1 | Valsit:  | 5", "Tom |  Antal: 0 | Valsit: "}));
    }

    void committeeAsRead()
    {
        Printout p;
        committeePqr(p);
        QCOMPARE(p.recorder.pages(), 1);
        // The mark table: X for a marked pair, a blank for an unmarked one, the code on the
        // diagonal; then the lone parties' lists before the group's, its name trimmed.
        QCOMPARE(p.recorder.printedLines(1),
                 (QStringList{"Åby kommun har gjort valsitberäkningsbeställningen 2026-09-14",
                              "Fullmäktige | Valsamverkan - A", "Valsit | Partinamn | PartiID",
                              "5 | Pelle | P | P", "2 | Qvist | Q | X | Q",
                              "4 | Rask | R | \u00a0 | \u00a0 | R", PaperReport::TieNote,
                              "Rask |  Antal: 2 | Valsit:  | 2 | 5",
                              "P / Q |  Antal: 3 | Valsit:  | 1 | 3 | 4"}));
    }

    // The same printouts on a PDF file, and through a QPrinter at its own resolution: A4
    // pages as many as recorded, every recorded text on its page at its place, in the named
    // fonts' metric twins, and every tie mark printed.
    void pdfAsRecorded()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("report.pdf");
        for (int scenario : {3, 6, 0}) {
            Printout recorded, printed;
            PdfPrinter pdf(file);
            QtPrinterJob job;
            job.qprinter().setOutputFormat(QPrinter::PdfFormat);
            job.qprinter().setOutputFileName(file);
            QVERIFY(job.qprinter().resolution() != 1440); // the twips are scaled
            Printer* printer = scenario == 0 ? job.printer() : &pdf;
            printed.printer = printer;
            scenarios[scenario].run(recorded);
            scenarios[scenario].run(printed);
            const int ties = printed.ties;
            QVERIFY(ties > 0);
            PDF_READ_BACK_OR_SKIP();
            QVector<PdfReadBack::Page> sizes;
            const auto words = PdfReadBack::words(file, &sizes);
            QCOMPARE(sizes.size(), scenario == 0 ? job.pageCount() : pdf.pageCount());
            QCOMPARE(recorded.recorder.pages(), sizes.size());
            for (const PdfReadBack::Page& page : sizes)
                QVERIFY(qAbs(page.width - 595.3) < 0.5 && qAbs(page.height - 841.9) < 0.5);
            for (const auto& t : recorded.recorder.texts())
                if (!t.text.simplified().isEmpty())
                    QVERIFY2(inPdf(words, t), qPrintable(t.text));
            const QString all = PdfReadBack::pages(file).join('\n');
            QCOMPARE(all.count('*'), 1 + ties); // one "*" in the tie note
            const QString fonts = PdfReadBack::fonts(file).join('\n');
            QVERIFY2(fonts.contains("LiberationSerif") && fonts.contains("LiberationSans-Bold"),
                     qPrintable(fonts));
        }
    }

    // Seat numbers past the tenth go on a second line; a long comparison list starts a new
    // page and holds the whole list, and the party list that does not fit under it the
    // next; every seat number is printed once; districts run on over the page break.
    void longListsGoOn()
    {
        Printout twelve;
        scenarios[1].run(twelve);
        QVERIFY(twelve.recorder.printedLines(1).contains("Alfa |  Antal: 12 | Valsit:  | 1 | 2 | 3 "
                                                         "| 4 | 5 | 6 | 7 | 9 | 10 | 11"));
        QVERIFY(twelve.recorder.printedLines(1).contains("12 | 13"));

        Printout districts;
        scenarios[2].run(districts);
        QStringList names;
        for (int page = 1; page <= districts.recorder.pages(); ++page)
            for (const QString& line : districts.recorder.printedLines(page))
                if (line.startsWith("Distrikt 0") || line.startsWith("Distrikt 6"))
                    names << line.section(' ', 0, 1);
        QCOMPARE(names.size(), 10);
        QCOMPARE(districts.recorder.printedLines(2).first(), QString("Distrikt 52 | 100 | 50"));

        Printout list;
        scenarios[3].run(list);
        QCOMPARE(list.recorder.pages(), 3);
        const QStringList page2 = list.recorder.printedLines(2);
        QVERIFY(page2.first().startsWith("ValsitNr=(Jämförelsetal), 1=("));
        QCOMPARE(page2.join(QString()), list.result->comparisonText);
        QVERIFY(list.recorder.printedLines(3).first().startsWith(
            "Alfa |  Antal: 197 | Valsit:  | 1 | 2 | 5"));
        QSet<QString> seats;
        for (const auto& t : list.recorder.texts())
            if (t.page == 3 && t.x > 5000 && t.y < 14200)
                seats.insert(t.text);
        QCOMPARE(seats.size(), 350);
    }

    // Fifteen blocks numbered in order; a block is never split over two pages, and one
    // that begins a page begins at its top.
    void combinationBlocksAreNotSplit()
    {
        Printout p;
        scenarios[6].run(p);
        QVERIFY(p.recorder.pages() > 1);
        QStringList counters;
        for (const auto& t : p.recorder.texts())
            if (t.x == 0 && t.bold && t.size == 8 && t.y < 14200 && t.text.toInt() > 0)
                counters << t.text;
        QCOMPARE(counters, QString("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15").split(' '));
        for (int page = 2; page <= p.recorder.pages(); ++page)
            QVERIFY(p.recorder.printedLines(page).first().contains(" Antal: "));
    }

    // The same engine heads its next run B; a run asked for paper without a printer fails.
    void runLettersAndNoPrinter()
    {
        Printout p;
        committeePqr(p);
        p.runCommittee("B");
        QVERIFY(p.recorder.textsOnPage().contains("Valsamverkan - B"));
        QCOMPARE(p.recorder.beginDocs() * 10 + p.recorder.endDocs(), 22);
        Printout none;
        none.printer = nullptr;
        none.council = council(5, {{"A", "Alfa", 10}, {"B", "Beta", 5}});
        QVERIFY_THROWS_EXCEPTION(EngineError, none.runCouncil());
    }
};

QTEST_MAIN(tst_PaperReports)
#include "tst_PaperReports.moc"
