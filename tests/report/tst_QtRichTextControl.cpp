#include "FakeMessageService.h"
#include "ReportFixtures.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"
#include "report/ScreenReport.h"
#include "report/ui/QtRichTextControl.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

using namespace ReportFixtures;

// The rich-text control on a QTextEdit: styles, tab stops in millimetres, appends at
// the end, and the speed of a long run.
class tst_QtRichTextControl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stylesAndTabStops();
    void appendClearAndLength();
    void councilReportMatchesThePlainControl();
    void longRunStaysFast();

private:
    static QList<double> tabsMm(const QTextBlock& block, const QTextEdit& edit)
    {
        QList<double> result;
        for (const QTextOption::Tab& tab : block.blockFormat().tabPositions())
            result << qRound(tab.position * 25.4 / edit.logicalDpiX() * 100) / 100.0;
        return result;
    }
};

void tst_QtRichTextControl::stylesAndTabStops()
{
    QTextEdit edit;
    QtRichTextControl control(&edit);
    PlainReportWindow window(&control);
    ScreenReport report;
    report.setFormName(&window);

    // Count 3 with widths 50, 20, 30: stops at 0, 50 and 70 mm.
    report.setTabCount(3);
    report.setTabWidth(1, 50);
    report.setTabWidth(2, 20);
    report.setTabWidth(3, 30);
    report.TextNormal(7);
    report.LaggTillRad("Namn\tS\t100");
    report.TextFet(11);
    report.LaggTillRad("Rubrik");
    report.LaggTillRad(" ");
    control.flush();

    QTextDocument* doc = edit.document();
    QCOMPARE(doc->blockCount(), 4); // three lines and the empty one after them
    const QTextBlock first = doc->begin();
    QCOMPARE(first.text(), QString("Namn\tS\t100"));
    QCOMPARE(tabsMm(first, edit), (QList<double>{0, 50, 70}));
    const QTextCharFormat plain = first.begin().fragment().charFormat();
    QCOMPARE(plain.fontFamilies().toStringList(), QStringList{"Times New Roman"});
    QCOMPARE(plain.fontPointSize(), 7.0);
    QCOMPARE(plain.fontWeight(), int(QFont::Normal));

    const QTextBlock second = first.next();
    QCOMPARE(second.text(), QString("Rubrik"));
    const QTextCharFormat bold = second.begin().fragment().charFormat();
    QCOMPARE(bold.fontFamilies().toStringList(), QStringList{"Arial"});
    QCOMPARE(bold.fontPointSize(), 11.0);
    QCOMPARE(bold.fontWeight(), int(QFont::Bold));
    QCOMPARE(tabsMm(second, edit), (QList<double>{0, 50, 70}));
    // A line of one blank is a line.
    QCOMPARE(second.next().text(), QString(" "));
}

// Appends go at the end of what is there; the editor shows them once the event loop runs
// (or on flush); clear empties both.
void tst_QtRichTextControl::appendClearAndLength()
{
    QTextEdit edit;
    edit.setPlainText("abc");
    QtRichTextControl control(&edit);
    control.insertAtEnd("def\r\n");
    control.insertAtEnd("ghi\r\n");
    QCOMPARE(control.textLength(), 11);
    control.flush();
    QCOMPARE(edit.toPlainText(), QString("abcdef\nghi\n"));
    control.clear();
    QCOMPARE(control.textLength(), 0);
    QCOMPARE(edit.toPlainText(), QString());
    control.insertAtEnd("x\r\n");
    QCOMPARE(edit.toPlainText(), QString());
    QCoreApplication::processEvents();
    QCOMPARE(edit.toPlainText(), QString("x\n"));
}

void tst_QtRichTextControl::councilReportMatchesThePlainControl()
{
    FakeMessageService messages;
    const std::vector<Party> parties = {{"S", "Socialdemokraterna", 14211},
                                        {"M", "Moderaterna", 9874},
                                        {"V", "Vänsterpartiet", 2988}};
    QTextEdit edit;
    QtRichTextControl rich(&edit);
    PlainTextControl plain;
    for (RichTextControl* control :
         {static_cast<RichTextControl*>(&rich), static_cast<RichTextControl*>(&plain)}) {
        RostBer engine(messages);
        PlainReportWindow window(control);
        engine.setFormName(&window);
        loadCouncil(engine, 41, parties, "Fullmäktige");
        engine.setBerTalSW(true);
        runCouncil(engine);
    }
    QCoreApplication::processEvents();
    QCOMPARE(edit.toPlainText().split('\n'), plain.lines() << QString());
    // The result lines have the result list's stops: 0, 40, 55, 66, then every 7 mm.
    const QTextBlock last = edit.document()->lastBlock().previous();
    QVERIFY(last.text().startsWith("1---"));
    const QList<double> tabs = tabsMm(last, edit);
    QCOMPARE(tabs.size(), 29);
    QCOMPARE(tabs.mid(0, 6), (QList<double>{0, 40, 55, 66, 73, 80}));
}

void tst_QtRichTextControl::longRunStaysFast()
{
    // Nine parties, every pair marked, 11 seats: every combination, 21147 results.
    FakeMessageService messages;
    ValsitBer engine(messages);
    loadCommittee(engine, 11,
                  {{"S", "Socialdemokraterna", 15},
                   {"M", "Moderaterna", 10},
                   {"SD", "Sverigedemokraterna", 7},
                   {"C", "Centerpartiet", 3},
                   {"V", "Vänsterpartiet", 3},
                   {"KD", "Kristdemokraterna", 2},
                   {"L", "Liberalerna", 1},
                   {"MP", "Miljöpartiet", 1},
                   {"PP", "Pensionärspartiet", 1}});
    std::vector<int> pairs;
    for (int k = 1; k <= 36; ++k)
        pairs.push_back(k);
    markPairs(engine, 2, pairs);

    QTextEdit edit;
    edit.resize(800, 600);
    edit.show();
    QtRichTextControl control(&edit);
    PlainReportWindow window(&control);
    engine.setFormName(&window);

    QElapsedTimer timer;
    timer.start();
    runCommittee(engine);
    const qint64 run = timer.elapsed();
    // Back in the event loop the editor takes the report and shows its top.
    QCoreApplication::processEvents();
    const qint64 shown = timer.elapsed();
    // The rest is laid out in the background, the window answering meanwhile.
    QSizeF size;
    for (int same = 0; same < 20; ++same) {
        QCoreApplication::processEvents();
        const QSizeF now = edit.document()->documentLayout()->documentSize();
        if (now != size)
            same = 0;
        size = now;
    }
    const qint64 laidOut = timer.elapsed();
    qInfo("9 parties, 11 seats, all combinations into QTextEdit: run %lld ms, shown %lld ms, "
          "laid out %lld ms, %d lines",
          run, shown, laidOut, edit.document()->blockCount());

    QCOMPARE(engine.resultCounter(), 21147);
    QVERIFY(edit.document()->lastBlock().previous().text().startsWith("21147---"));
    // Laying the document out while it is written took over 12 s here; the top of the
    // report must show long before that.
    QVERIFY2(shown < 10000, qPrintable(QString::number(shown)));
}

QTEST_MAIN(tst_QtRichTextControl)
#include "tst_QtRichTextControl.moc"
