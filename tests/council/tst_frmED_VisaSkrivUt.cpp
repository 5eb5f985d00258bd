// The council result windows: the report on screen (rebuilt at every activation, with
// the district lines from the database), saving it as PDF, and the printout with its
// print dialog, confirmed and cancelled. Printouts go to PDF files read back with
// pdftotext.
#include "CouncilSession.h"

#include "../report/PdfReadBack.h"

#include "council/RostBer.h"
#include "council/ui/frmED_SkrivUt.h"
#include "council/ui/frmED_VisaSkrivUt.h"
#include "shell/AppGlobals.h"
#include "shell/ui/QtMessageService.h"
#include "shell/ui/WindowRegistry.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTextEdit>
#include <QtTest>

namespace {

const QString doneText = QStringLiteral(
    "* innebär att valsitet har samma jämförelsetal som det följande (dvs skall lottas)    ");

RostBer& engine()
{
    return *CouncilSession::current().services.council;
}

// Loads the engine as the vote entry does: parties largest first.
void loadEngine(const QList<QPair<QString, int>>& parties, int seats)
{
    RostBer& e = engine();
    for (int i = 0; i < parties.size(); ++i) {
        e.setPartiID(i + 1, parties[i].first);
        e.setPartiNamn(i + 1, "Parti " + parties[i].first);
        e.setRoster(i + 1, parties[i].second);
    }
    e.setAntPartier(int(parties.size()));
    e.setAntValsit(seats);
    e.setRubrik1("Provkommun");
}

} // namespace

class TestCouncilResultWindows : public QObject
{
    Q_OBJECT

private:
    CouncilSession s;

    frmED_VisaSkrivUt* openScreen()
    {
        return qobject_cast<frmED_VisaSkrivUt*>(s.show("frmED_VisaSkrivUt"));
    }
    static QString report(QWidget* w)
    {
        return w->findChild<QTextEdit*>("rtfPInfo")->toPlainText();
    }
    static QString status(QWidget* w) { return w->findChild<QLabel*>("lblMsg")->text(); }

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
        loadEngine({{"A", 7000}, {"B", 5000}, {"C", 3000}}, 11);
    }
    void cleanup() { s.cleanup(); }

    void reportOnScreen()
    {
        engine().setBerTalSW(true);
        frmED_VisaSkrivUt* w = openScreen();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Valsit - Resultatet av valsitfördelningen"));
        QCOMPARE(status(w), doneText);
        const QStringList lines = report(w).split('\n');
        QCOMPARE(lines.value(0),
                 QString("Testkommun har gjort valsitberäkningsbeställningen 2026-09-13"));
        QCOMPARE(lines.value(1), QString("för"));
        QCOMPARE(lines.value(2), QString("Provkommun"));
        QVERIFY(lines.contains("Parti A\tA\t7000"));
        QVERIFY(report(w).contains("ValsitNr=(Jämförelsetal)"));
        // 11 seats by the odd-number method with 1,4; 7000/7 = 5000/5 = 3000/3 for seats 7-9.
        QVERIFY2(lines.contains("Parti A\t Antal: 5\tValsit: 1\t3\t6\t7*\t10\t"),
                 qPrintable(report(w)));
        QVERIFY(lines.contains("Parti B\t Antal: 4\tValsit: 2\t5\t8*\t11\t"));
        QVERIFY(lines.contains("Parti C\t Antal: 2\tValsit: 4\t9\t"));
        QVERIFY(lines.contains("1" + QString(87, '-')));
        QVERIFY(!report(w).contains("Distrikt namn/röster per parti"));
        QCOMPARE(w->runs(), 1);
        QCOMPARE(engine().PartiValRes(1), 5);
    }

    void tiesAreMarked()
    {
        // 1400 / 1,4 = 1000 = 3000 / 3: the second and third seats tie.
        loadEngine({{"A", 3000}, {"B", 1400}}, 5);
        frmED_VisaSkrivUt* w = openScreen();
        QVERIFY(w);
        QVERIFY2(report(w).split('\n').contains("Parti A\t Antal: 3\tValsit: 1\t2*\t4\t"),
                 qPrintable(report(w)));
        QVERIFY(report(w).contains("* efter valsitnummer betyder att efterföljande valsit har fått "
                                   "samma jämförelsetal (dvs lottning skall verkställas)  "));
    }

    void everyActivationRebuildsTheReport()
    {
        frmED_VisaSkrivUt* w = openScreen();
        QVERIFY(w);
        const QString first = report(w);
        auto* other = new QWidget;
        other->setAttribute(Qt::WA_DeleteOnClose);
        other->show();
        other->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(other));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTRY_COMPARE(w->runs(), 2);
        QCOMPARE(report(w), first); // emptied and written again, not appended
        other->close();
    }

    void districtPass_data()
    {
        QTest::addColumn<bool>("districts");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("with districts")
            << true
            << QStringList({"Distrikt namn/röster per parti\tA\tB\tC", "Norr\t10\t20\t0",
                            "Söder\t0\t0\t0", "Väster\t5\t0\t7"});
        QTest::newRow("no districts")
            << false << QStringList({"Distrikt namn/röster per parti\tA\tB\tC"});
    }
    void districtPass()
    {
        QFETCH(bool, districts);
        QFETCH(QStringList, expected);
        s.setParties({"A:Parti A:7000", "B:Parti B:5000", "C:Parti C:3000", "Z:Utanför:1"});
        if (districts) {
            s.addDistrict(1, 3, "Väster");
            s.addDistrict(2, 1, "Norr");
            s.addDistrict(3, 2, "Söder");
            s.exec("INSERT INTO DistrRoster (PartiID, DistrID, Roster) VALUES "
                   "('A', 2, 10), ('B', 2, 20), ('A', 1, 5), ('C', 1, 7), ('Z', 1, 99)");
        }
        engine().setVisaDistriktSW(true);
        frmED_VisaSkrivUt* w = openScreen();
        QVERIFY(w);
        const QStringList lines = report(w).split('\n');
        const int at = int(lines.indexOf(expected.first()));
        QVERIFY2(at >= 0, qPrintable(report(w)));
        QCOMPARE(lines.mid(at, expected.size()), expected);
        QCOMPARE(lines.value(at + int(expected.size())), QString(" ")); // then the tie note
    }

    void saveAsPdf()
    {
        engine().setVisaDistriktSW(true);
        s.addDistrict(1, 1, "Centrum");
        s.setParties({"A:Parti A:7000", "B:Parti B:5000", "C:Parti C:3000"});
        s.exec("INSERT INTO DistrRoster (PartiID, DistrID, Roster) VALUES ('B', 1, 4321)");
        SettingsSandbox::setRaw("ForHeader", "för Bygg/Miljö");
        frmED_VisaSkrivUt* w = openScreen();
        QVERIFY(w);
        const QString file = s.db->filePath("resultat");
        s.messages.saveFiles.enqueue(file);
        CouncilSession::action(w, "mnuSparaPdf")->trigger();
        QCOMPARE(s.messages.saveDialogs.size(), 1);
        QCOMPARE(s.messages.saveDialogs.first().filters, QStringList({"PDF-filer (*.pdf)"}));
        // Proposed: the heading and the date, in the user's folders, not the program's.
        const QFileInfo proposed(s.messages.saveDialogs.first().defaultText);
        QCOMPARE(proposed.fileName(), QString("Valsit Bygg Miljö 2026-09-13.pdf"));
        QVERIFY(proposed.absolutePath().startsWith(QDir::homePath()));
        QVERIFY(QFileInfo::exists(file + ".pdf"));
        // The "*" note stays; where the file went shows below.
        QCOMPARE(status(w), doneText);
        QVERIFY(w->statusBar()->currentMessage().startsWith("Resultatet är sparat i "));
        CouncilSession::action(w, "mnuSparaPdf")->trigger(); // cancelled
        QCOMPARE(QFileInfo(s.messages.saveDialogs.last().defaultText).absolutePath(),
                 QFileInfo(file).absolutePath());
        const QString text = PdfReadBack::run("pdftotext", {"-enc", "UTF-8", file + ".pdf", "-"});
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY(text.contains("Provkommun"));
        QVERIFY(text.contains("Centrum"));
        QVERIFY(text.contains("4321"));
        QVERIFY(text.contains("Valsit:"));
        // The screen is as before: the engine is back on the screen.
        QVERIFY(!engine().SkrivUtSW());
        QCOMPARE(s.messages.texts(), QStringList());
    }

    void saveAsPdfCancelled()
    {
        frmED_VisaSkrivUt* w = openScreen();
        QVERIFY(w);
        CouncilSession::action(w, "mnuSparaPdf")->trigger();
        QCOMPARE(s.messages.saveDialogs.size(), 1);
        QCOMPARE(status(w), doneText);
        QCOMPARE(QDir(s.db->folder()).entryList({"*.pdf"}), QStringList());
    }

    // A failed save says so, after the hourglass, and leaves no file, not even half a one.
    void saveAsPdfFails_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("districts"); // the district votes cannot be read
        QTest::newRow("folder gone") << "saknas/resultat.pdf" << false;
        QTest::newRow("district votes unreadable") << "resultat.pdf" << true;
    }
    void saveAsPdfFails()
    {
        QFETCH(QString, file);
        QFETCH(bool, districts);
        if (districts) {
            engine().setVisaDistriktSW(true);
            s.addDistrict(1, 1, "Centrum");
        }
        frmED_VisaSkrivUt* w = openScreen();
        QVERIFY(w);
        if (districts)
            s.exec("ALTER TABLE DistrRoster RENAME TO Borta");
        s.messages.saveFiles.enqueue(s.db->filePath(file));
        CouncilSession::action(w, "mnuSparaPdf")->trigger();
        QCOMPARE(s.messages.shown.size(), 1);
        QVERIFY(s.messages.shown.first().text.startsWith("PDF-filen kunde inte sparas. "));
        QVERIFY(!s.messages.shown.first().busyPointer);
        QCOMPARE(QDir(s.db->folder()).entryList({"*.pdf*"}), QStringList());
        QCOMPARE(status(w), doneText);
        QVERIFY(!engine().SkrivUtSW());
        QVERIFY(CouncilSession::openWindow("frmED_VisaSkrivUt"));
    }

    // The save dialog of the real message service: a save dialog in Swedish that
    // proposes the given file and gives back the chosen path, or nothing when cancelled.
    void qtSaveDialog_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("saved") << true;
        QTest::newRow("cancelled") << false;
    }
    void qtSaveDialog()
    {
        QFETCH(bool, accept);
        const QString proposed = s.db->filePath("Valsit.pdf");
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = box->acceptMode() == QFileDialog::AcceptSave &&
                   box->labelText(QFileDialog::Accept) == "Spara" &&
                   box->selectedFiles().value(0) == proposed;
            if (accept)
                static_cast<QDialog*>(box)->accept();
            else
                box->reject();
        });
        QtMessageService service;
        const QString chosen =
            service.fileSave("Spara resultatet som PDF", proposed, {"PDF-filer (*.pdf)"});
        QVERIFY(seen);
        QCOMPARE(chosen, accept ? proposed : QString());
    }

    void closingGoesBackToTheEntry_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("Avsluta") << true;
        QTest::newRow("title bar") << false;
    }
    void closingGoesBackToTheEntry()
    {
        QFETCH(bool, fromMenu);
        frmED_VisaSkrivUt* w = openScreen();
        QVERIFY(w);
        if (fromMenu)
            CouncilSession::action(w, "mnuExit")->trigger();
        else
            QVERIFY(w->close());
        CouncilSession::settle();
        QVERIFY(!CouncilSession::openWindow("frmED_VisaSkrivUt"));
        QVERIFY(CouncilSession::openWindow("frmE_PrelRes"));
        // The engine writes into no window that is gone.
        engine().BearbBest();
        engine().BearbBest2();
    }

    void rulesAreNamedInTheReport()
    {
        engine().setForstaDivisor(1.2);
        engine().setSparr(4);
        frmED_VisaSkrivUt* w = openScreen();
        QVERIFY(w);
        QVERIFY2(report(w).contains(
                     QRegularExpression("Beräknat med första divisor 1[.,]2 och spärr 4 % "
                                        "av rösterna")),
                 qPrintable(report(w)));
    }

    void printout_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("districts"); // the district votes cannot be read
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("message"); // seen before the window closes
        QTest::newRow("printed") << true << false << "OK! Bearbetning klar"
                                 << "";
        QTest::newRow("cancelled") << false << false << "Utskriften avbröts. Ingenting skrevs ut."
                                   << "Utskriften avbröts. Ingenting skrevs ut.";
        QTest::newRow("run fails") << true << true << "Utskriften misslyckades."
                                   << "Utskriften misslyckades. Ingenting skrevs ut. ";
    }
    void printout()
    {
        QFETCH(bool, confirm);
        QFETCH(bool, districts);
        QFETCH(QString, status);
        QFETCH(QString, message);
        engine().setSkrivUtSW(true);
        if (districts) {
            engine().setVisaDistriktSW(true);
            s.addDistrict(1, 1, "Centrum");
            s.exec("ALTER TABLE DistrRoster RENAME TO Borta");
        }
        s.printScript.confirm = confirm;
        QCOMPARE(runPrintWindow(), status);
        QCOMPARE(s.printScript.dialogs, 1);
        QVERIFY(!s.printScript.busyPointer);
        QVERIFY(!CouncilSession::openWindow("frmED_SkrivUt"));
        QCOMPARE(WindowRegistry::instance().shown.last(), QString("frmE_PrelRes"));
        const bool printed = confirm && !districts;
        QCOMPARE(QFileInfo::exists(s.printScript.pdfPath), printed);
        if (printed)
            QCOMPARE(engine().PartiValRes(1), 5);
        QCOMPARE(s.messages.texts().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QVERIFY(s.messages.texts().first().startsWith(message));
            QVERIFY(!s.messages.shown.first().busyPointer);
        }
        if (!printed)
            return;
        const QString text =
            PdfReadBack::run("pdftotext", {"-enc", "UTF-8", s.printScript.pdfPath, "-"});
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY(text.contains("Testkommun har gjort valsitberäkningsbeställningen"));
        QVERIFY(text.contains("Parti A"));
    }
};

QTEST_MAIN(TestCouncilResultWindows)
#include "tst_frmED_VisaSkrivUt.moc"
