// The council result windows: the report on screen (rebuilt at every activation, with
// the district lines from the database), saving it as PDF, and the printout with its
// print dialog, confirmed and cancelled. The engine tables pin the arithmetic; these
// tests pin the wiring and the messages. Printouts go to PDF files read back.
#include "CouncilSession.h"
#include "PdfReadBack.h"
#include "Rows.h"
#include "WindowDriver.h"

#include "council/RostBer.h"
#include "council/ui/frmED_SkrivUt.h"
#include "council/ui/frmED_VisaSkrivUt.h"
#include "shell/AppGlobals.h"
#include "shell/ui/WindowRegistry.h"

#include <QLabel>
#include <QStatusBar>
#include <QtTest>

using namespace WindowDriver;

namespace {

const QString doneText = QStringLiteral(
    "* innebär att valsitet har samma jämförelsetal som det följande (dvs skall lottas)    ");

RostBer& engine()
{
    return *CouncilSession::current().services.council;
}

struct PrintCase
{
    const char* name;
    bool confirm;
    bool districts; // the district votes cannot be read
    const char* status;
    const char* message; // seen before the window closes
};
const PrintCase prints[] = {
    {"printed", true, false, "OK! Bearbetning klar", ""},
    {"cancelled", false, false, "Utskriften avbröts. Ingenting skrevs ut.",
     "Utskriften avbröts. Ingenting skrevs ut."},
    {"run fails", true, true, "Utskriften misslyckades.",
     "Utskriften misslyckades. Ingenting skrevs ut. "},
};

} // namespace

class TestCouncilResultWindows : public QObject
{
    Q_OBJECT
    CouncilSession s;

    frmED_VisaSkrivUt* openScreen()
    {
        return qobject_cast<frmED_VisaSkrivUt*>(s.show("frmED_VisaSkrivUt"));
    }
    static QString status(QWidget* w) { return child<QLabel>(w, "lblMsg")->text(); }
    // Districts Väster (votes for A, C and Z, a party that takes no part), Norr (A, B) and
    // Söder (none), numbered to list Norr, Söder, Väster.
    void addDistricts()
    {
        s.setParties({"A:Parti A:7000", "B:Parti B:5000", "C:Parti C:3000", "Z:Utanför:1"});
        s.addDistrict(1, 3, "Väster");
        s.addDistrict(2, 1, "Norr");
        s.addDistrict(3, 2, "Söder");
        s.exec("INSERT INTO DistrRoster (PartiID, DistrID, Roster) VALUES "
               "('A', 2, 10), ('B', 2, 20), ('A', 1, 5), ('C', 1, 7), ('Z', 1, 99)");
        engine().setVisaDistriktSW(true);
    }
    // The print window, shown as the vote entry shows it; gives its last status text.
    QString runPrintWindow()
    {
        QString last;
        WindowRegistry::instance().registerWindow("frmED_SkrivUt", [this, &last] {
            auto* w = new frmED_SkrivUt(s.services);
            QObject::connect(w, &frmED_SkrivUt::finished, [&last](const QString& t) { last = t; });
            return w;
        });
        WindowRegistry::instance().show("frmED_SkrivUt");
        for (int i = 0; i < 100 && !CouncilSession::openWindow("frmE_PrelRes"); ++i)
            QTest::qWait(20);
        CouncilSession::settle();
        WindowRegistry::instance().registerWindow("frmED_SkrivUt",
                                                  [this] { return new frmED_SkrivUt(s.services); });
        return last;
    }

private Q_SLOTS:
    void initTestCase()
    {
        s.initTestCase();
        // The vote entry itself is not the subject: a stand-in shows where a window returns.
        WindowRegistry::instance().registerWindow("frmE_PrelRes", [] {
            auto* w = new QWidget;
            w->setObjectName("frmE_PrelRes");
            return w;
        });
    }
    void init()
    {
        QVERIFY(s.init());
        loadEngine();
    }
    void cleanup() { s.cleanup(); }

private:
    void loadEngine()
    {
        RostBer& e = engine();
        for (int i = 1; i <= 3; ++i) { // as the vote entry loads it: largest first
            e.setPartiID(i, QString(QChar('A' + i - 1)));
            e.setPartiNamn(i, "Parti " + QString(QChar('A' + i - 1)));
            e.setRoster(i, 9000 - 2000 * i);
        }
        e.setAntPartier(3);
        e.setAntValsit(11);
        e.setRubrik1("Provkommun");
    }
    void again()
    {
        s.cleanup();
        QVERIFY(s.init());
        loadEngine();
    }

private Q_SLOTS:
    // The report of the engine's run, with the district lines read from the database in
    // district order (a district without votes shows zeros), rebuilt at every activation.
    void reportOnScreen()
    {
        addDistricts();
        frmED_VisaSkrivUt* w = openScreen();
        QVERIFY(w);
        QCOMPARE(status(w), doneText);
        const QString first = reportText(w);
        const QStringList lines = first.split('\n');
        QCOMPARE(lines.mid(0, 3),
                 (QStringList{"Testkommun har gjort valsitberäkningsbeställningen 2026-09-13",
                              "för", "Provkommun"}));
        const int at = int(lines.indexOf("Distrikt namn/röster per parti\tA\tB\tC"));
        QVERIFY2(at > 0, qPrintable(first));
        QCOMPARE(lines.mid(at + 1, 4),
                 (QStringList{"Norr\t10\t20\t0", "Söder\t0\t0\t0", "Väster\t5\t0\t7", " "}));
        QVERIFY(lines.contains("1" + QString(87, '-')));
        QCOMPARE(engine().PartiValRes(1), 5);
        auto* other = new QWidget;
        other->setAttribute(Qt::WA_DeleteOnClose);
        other->show();
        other->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(other));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTRY_COMPARE(w->runs(), 2);
        QCOMPARE(reportText(w), first); // emptied and written again, not appended
        other->close();
    }

    // Proposed: the heading and the date, in the user's folders; where the file went shows
    // below the "*" note; the next proposal is in the folder last used; cancel writes
    // nothing; the engine is back on the screen afterwards.
    void saveAsPdf()
    {
        addDistricts();
        SettingsSandbox::setRaw("ForHeader", "för Bygg/Miljö");
        frmED_VisaSkrivUt* w = openScreen();
        QVERIFY(w);
        trigger(w, "mnuSparaPdf"); // cancelled
        QCOMPARE(QDir(s.db->folder()).entryList({"*.pdf"}), QStringList());
        const QString file = s.db->filePath("resultat");
        s.messages.saveFiles.enqueue(file);
        trigger(w, "mnuSparaPdf");
        QCOMPARE(s.messages.saveDialogs.first().filters, QStringList({"PDF-filer (*.pdf)"}));
        const QFileInfo proposed(s.messages.saveDialogs.first().defaultText);
        QCOMPARE(proposed.fileName(), QString("Valsit Bygg Miljö 2026-09-13.pdf"));
        QVERIFY(proposed.absolutePath().startsWith(QDir::homePath()));
        QCOMPARE(status(w), doneText);
        QVERIFY(w->statusBar()->currentMessage().startsWith("Resultatet är sparat i "));
        trigger(w, "mnuSparaPdf"); // cancelled
        QCOMPARE(QFileInfo(s.messages.saveDialogs.last().defaultText).absolutePath(),
                 QFileInfo(file).absolutePath());
        const QString text = PdfReadBack::run("pdftotext", {"-enc", "UTF-8", file + ".pdf", "-"});
        QVERIFY(text.contains("Provkommun") && text.contains("Väster") && text.contains("Valsit:"));
        QVERIFY(!engine().SkrivUtSW());
        QCOMPARE(s.messages.texts(), QStringList());
    }

    // A failed save says so, after the hourglass, and leaves no file, not even half a one.
    void saveAsPdfFails()
    {
        for (bool districts : {false, true}) {
            again();
            if (districts) {
                engine().setVisaDistriktSW(true);
                s.addDistrict(1, 1, "Centrum");
            }
            frmED_VisaSkrivUt* w = openScreen();
            QVERIFY(w);
            if (districts)
                s.exec("ALTER TABLE DistrRoster RENAME TO Borta");
            s.messages.reset();
            s.messages.saveFiles.enqueue(
                s.db->filePath(districts ? "resultat.pdf" : "saknas/resultat.pdf"));
            trigger(w, "mnuSparaPdf");
            QCOMPARE(s.messages.shown.size(), 1);
            QVERIFY(s.messages.shown.first().text.startsWith("PDF-filen kunde inte sparas. "));
            QVERIFY(!s.messages.shown.first().busyPointer);
            QCOMPARE(QDir(s.db->folder()).entryList({"*.pdf*"}), QStringList());
            QCOMPARE(status(w), doneText);
            QVERIFY(!engine().SkrivUtSW());
            QVERIFY(CouncilSession::openWindow("frmED_VisaSkrivUt"));
        }
    }

    // From the menu or the title bar, back to the entry; the engine then writes into no
    // window that is gone.
    void closingGoesBackToTheEntry()
    {
        for (bool fromMenu : {true, false}) {
            again();
            frmED_VisaSkrivUt* w = openScreen();
            QVERIFY(w);
            if (fromMenu)
                trigger(w, "mnuExit");
            else
                QVERIFY(w->close());
            CouncilSession::settle();
            QVERIFY(!CouncilSession::openWindow("frmED_VisaSkrivUt"));
            QVERIFY(CouncilSession::openWindow("frmE_PrelRes"));
            engine().BearbBest();
            engine().BearbBest2();
        }
    }

    void printout_data() { addRows(prints); }
    void printout()
    {
        const PrintCase& c = row(prints);
        engine().setSkrivUtSW(true);
        if (c.districts) {
            engine().setVisaDistriktSW(true);
            s.addDistrict(1, 1, "Centrum");
            s.exec("ALTER TABLE DistrRoster RENAME TO Borta");
        }
        s.printScript.confirm = c.confirm;
        QCOMPARE(runPrintWindow(), QString(c.status));
        QCOMPARE(s.printScript.dialogs, 1);
        QVERIFY(!s.printScript.busyPointer);
        QVERIFY(!CouncilSession::openWindow("frmED_SkrivUt"));
        QCOMPARE(WindowRegistry::instance().shown.last(), QString("frmE_PrelRes"));
        const bool printed = c.confirm && !c.districts;
        QCOMPARE(QFileInfo::exists(s.printScript.pdfPath), printed);
        QCOMPARE(s.messages.texts().size(), *c.message ? 1 : 0);
        if (*c.message) {
            QVERIFY(s.messages.texts().first().startsWith(c.message));
            QVERIFY(!s.messages.shown.first().busyPointer);
        }
        if (printed) {
            QCOMPARE(engine().PartiValRes(1), 5);
            const QString text =
                PdfReadBack::run("pdftotext", {"-enc", "UTF-8", s.printScript.pdfPath, "-"});
            QVERIFY(text.contains("Testkommun har gjort valsitberäkningsbeställningen"));
        }
    }
};

QTEST_MAIN(TestCouncilResultWindows)
#include "tst_frmED_VisaSkrivUt.moc"
