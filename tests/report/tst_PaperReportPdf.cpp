#include "PdfReadBack.h"
#include "RecordingPrinter.h"
#include "ReportFixtures.h"
#include "report/PaperReport.h"
#include "report/PdfPrinter.h"
#include "report/TwipFont.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace ReportFixtures;

// Whole printouts as PDF files, read back with pdftotext: the texts, seat numbers and
// tie marks are on the pages, where the layout put them. The same run on a recording
// printer with the real font metrics tells where that is.
class tst_PaperReportPdf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void council350SeatsWithComparisonNumbers();
    void committeeAllCombinationsOfFourParties();

private:
    // Every recorded text is in the PDF on its page at its place (points from the
    // paper's corner: an inch plus x, 25 plus y, twips over 20).
    static void verifyPlacement(const RecordingPrinter& recorded,
                                const QVector<PdfReadBack::Word>& words);
    static const PdfReadBack::Word* wordAt(const QVector<PdfReadBack::Word>& words, int page,
                                           const QString& start, double x, double y, double slack);

    QTemporaryDir m_dir;
};

void tst_PaperReportPdf::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
             "pdftotext (poppler-utils) is needed to read the PDF back");
    QVERIFY(m_dir.isValid());
}

const PdfReadBack::Word* tst_PaperReportPdf::wordAt(const QVector<PdfReadBack::Word>& words,
                                                    int page, const QString& start, double x,
                                                    double y, double slack)
{
    for (const PdfReadBack::Word& w : words) {
        if (w.page == page && w.text.startsWith(start) && w.xMin > x - 1 &&
            w.xMin < x + 1 + slack && qAbs(w.yMin - y) < 1.5)
            return &w;
    }
    // Texts set close together, like tied seat numbers ("106*107*"), are read back as
    // one word: then the text must lie inside a word of that line.
    for (const PdfReadBack::Word& w : words) {
        if (w.page == page && w.text.contains(start) && w.xMin < x + 1 && w.xMax > x &&
            qAbs(w.yMin - y) < 1.5)
            return &w;
    }
    return nullptr;
}

void tst_PaperReportPdf::verifyPlacement(const RecordingPrinter& recorded,
                                         const QVector<PdfReadBack::Word>& words)
{
    int checked = 0;
    for (const RecordingPrinter::Text& t : recorded.texts()) {
        const QString simple = t.text.simplified();
        if (simple.isEmpty())
            continue;
        const QString first = simple.section(' ', 0, 0);
        // Leading blanks move the first word right by their width (under a third of
        // the size in points).
        int blanks = 0;
        while (blanks < t.text.size() && t.text.at(blanks).isSpace())
            ++blanks;
        const double x = (1440 + t.x) / 20;
        const double y = (500 + t.y) / 20;
        const PdfReadBack::Word* w = wordAt(words, t.page, first, x, y, blanks * t.size * 0.3);
        if (!w)
            qWarning() << "not found:" << t.text << "page" << t.page << "x" << x << "y" << y;
        QVERIFY(w);
        ++checked;
    }
    QVERIFY(checked > 0);
}

void tst_PaperReportPdf::council350SeatsWithComparisonNumbers()
{
    // S and M have the same votes: their seats are tied all the way down.
    const std::vector<Party> parties = {
        {"S", "Socialdemokraterna", 142110},  {"M", "Moderaterna", 142110},
        {"SD", "Sverigedemokraterna", 71200}, {"C", "Centerpartiet", 30150},
        {"V", "Vänsterpartiet", 29880},       {"KD", "Kristdemokraterna", 21010},
        {"L", "Liberalerna", 16030},          {"MP", "Miljöpartiet", 14570}};
    const QString file = m_dir.filePath("council.pdf");
    FakeMessageService messages;
    RecordingPrinter recorded(true);
    int pdfPages = 0;
    int ties = 0;
    for (int pass = 0; pass < 2; ++pass) {
        RostBer engine(messages);
        PdfPrinter pdf(file, "Fullmäktige");
        engine.setPrinter(pass == 0 ? static_cast<Printer*>(&pdf) : &recorded);
        engine.setSkrivUtSW(true);
        engine.setBerTalSW(true);
        loadCouncil(engine, 350, parties, "Kommunfullmäktige i Åby");
        runCouncil(engine);
        if (pass == 0)
            pdfPages = pdf.pageCount();
        for (int p = 1; p <= engine.workCount(); ++p)
            for (int k = 1; k <= engine.seatCount(p); ++k)
                ties += engine.seatTied(p, k) ? 1 : 0;
    }
    ties /= 2;
    QVERIFY(ties > 100);

    QVector<PdfReadBack::Page> sizes;
    const auto words = PdfReadBack::words(file, &sizes);
    QCOMPARE(sizes.size(), pdfPages);
    QCOMPARE(recorded.pages(), pdfPages);
    verifyPlacement(recorded, words);
    if (QTest::currentTestFailed())
        return;

    // Every seat number once, with its mark where it was tied.
    QSet<int> seats;
    int marks = 0;
    for (int i = recorded.indexOf("Valsit: "); i < int(recorded.texts().size()); ++i) {
        const RecordingPrinter::Text& t = recorded.texts()[i];
        if (t.x < 5000 || t.y >= 14200 || t.size != 11)
            continue;
        QString n = t.text;
        if (n.endsWith('*')) {
            n.chop(1);
            ++marks;
        }
        seats.insert(n.toInt());
    }
    QCOMPARE(seats.size(), 350);
    QVERIFY(!seats.contains(0));
    QCOMPARE(marks, ties);
    const QString all = PdfReadBack::pages(file).join('\n');
    QCOMPARE(all.count('*') - 1, ties); // the tie note has one "*" of its own

    // Where the pages break. The input section and tie note fill the top of page 1; the
    // comparison list (about 50 lines of 9 point) and the estimated 45 lines of the
    // party list cannot follow them there, so the list starts page 2 ...
    const QStringList pages = PdfReadBack::pages(file);
    QVERIFY(pages[0].contains("* efter valsitnummer betyder"));
    QVERIFY(!pages[0].contains("ValsitNr=(Jämförelsetal)"));
    const auto* list = PdfReadBack::findWord(words, "ValsitNr=(Jämförelsetal),", 2);
    QVERIFY(list);
    QVERIFY(qAbs(list->yMin - 25) < 1.5);
    // ... and the party list does not fit under it either: it starts page 3.
    const auto* first = PdfReadBack::findWord(words, "Socialdemokraterna", 3);
    QVERIFY(first);
    QVERIFY(qAbs(first->yMin - 25) < 1.5);
    QCOMPARE(pdfPages, 3);
    for (int page = 1; page <= pdfPages; ++page)
        QVERIFY(pages[page - 1].contains(QString("Sida %1").arg(page)));
}

void tst_PaperReportPdf::committeeAllCombinationsOfFourParties()
{
    const std::vector<Party> parties = {{"S", "Socialdemokraterna", 15},
                                        {"M", "Moderaterna", 10},
                                        {"V", "Vänsterpartiet", 5},
                                        {"C", "Centerpartiet", 5}};
    const QString file = m_dir.filePath("committee.pdf");
    FakeMessageService messages;
    RecordingPrinter recorded(true);
    int pdfPages = 0;
    int ties = 0;
    for (int pass = 0; pass < 2; ++pass) {
        ValsitBer engine(messages);
        if (pass == 0) {
            engine.setResultObserver([&engine, &ties]() {
                for (int l = 1; l <= engine.listCount(); ++l)
                    for (int m = 1; m <= engine.seatCount(l); ++m)
                        ties += engine.seatTied(l, m) ? 1 : 0;
            });
        }
        PdfPrinter pdf(file);
        engine.setPrinter(pass == 0 ? static_cast<Printer*>(&pdf) : &recorded);
        engine.setSkrivUtSW(true);
        loadCommittee(engine, 11, parties, "Kommunstyrelsen");
        markPairs(engine, 2, {1, 2, 3, 4, 5, 6});
        QCOMPARE(engine.AntalResultat(), 15);
        runCommittee(engine);
        QCOMPARE(engine.resultCounter(), 15);
        if (pass == 0)
            pdfPages = pdf.pageCount();
    }

    QVector<PdfReadBack::Page> sizes;
    const auto words = PdfReadBack::words(file, &sizes);
    QCOMPARE(sizes.size(), pdfPages);
    QCOMPARE(recorded.pages(), pdfPages);
    QVERIFY(pdfPages >= 2);
    verifyPlacement(recorded, words);
    if (QTest::currentTestFailed())
        return;

    // The results are numbered 1 to 15 at the left margin, in order, each under its
    // block; a block is never split over two pages.
    QVector<const PdfReadBack::Word*> counters;
    for (const PdfReadBack::Word& w : words) {
        if (qAbs(w.xMin - 72) < 1 && w.text.toInt() > 0 && w.yMin < (500 + 14200) / 20.0)
            counters.append(&w);
    }
    QCOMPARE(counters.size(), 15);
    for (int k = 0; k < 15; ++k)
        QCOMPARE(counters[k]->text, QString::number(k + 1));
    // Each block begins a gap of 220 under the one before; it goes to a new page when
    // its estimated height H (one line of normal 11 per list, plus (11 / 10 + 1) rounded,
    // that is 2, lines) and 100 more would pass the bottom limit of 14200 there.
    TwipFont normal11;
    normal11.set("Times New Roman", 11, false);
    const auto& texts = recorded.texts();
    int previous = recorded.indexOf(PaperReport::TieNote);
    int block = 0;
    int breaks = 0;
    while (block < 15) {
        int first = -1, lists = 0, counter = -1;
        for (int i = previous + 1; i < int(texts.size()) && counter < 0; ++i) {
            const RecordingPrinter::Text& t = texts[i];
            if (t.x == 200 && t.size == 11 && t.y < 14200) {
                first = first < 0 ? i : first;
                ++lists;
            } else if (t.x == 0 && t.bold && t.size == 8 && t.text == QString::number(block + 1)) {
                counter = i;
            }
        }
        QVERIFY(first > 0 && counter > 0);
        const RecordingPrinter::Text& before = texts[previous];
        const double gapTop = before.y + before.height + 220;
        const int height = int(std::nearbyint(normal11.height() * (lists + 2)));
        const bool newPage = std::nearbyint(gapTop) + height + 100 > 14200;
        QCOMPARE(texts[first].page, before.page + (newPage ? 1 : 0));
        QCOMPARE(texts[first].y, newPage ? 0.0 : gapTop);
        // The block is not split: its counter is on its page.
        QCOMPARE(texts[counter].page, texts[first].page);
        breaks += newPage ? 1 : 0;
        previous = counter;
        ++block;
    }
    QCOMPARE(breaks, pdfPages - 1);
    QCOMPARE(block, 15);

    const QString all = PdfReadBack::pages(file).join('\n');
    QVERIFY(all.contains("Valsamverkan - A"));
    QVERIFY(all.contains("Kommunstyrelsen"));
    // The group of all four (its blanks are narrow enough for pdftotext to drop).
    QVERIFY(QString(all).remove(' ').contains("S/M/V/C/"));
    // One "*" in the tie note, one for every tied seat of every combination.
    QCOMPARE(all.count('*'), 1 + ties);
}

QTEST_MAIN(tst_PaperReportPdf)
#include "tst_PaperReportPdf.moc"
