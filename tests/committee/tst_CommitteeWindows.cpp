// The committee windows: the entry's refusals and hand-over, the cooperation matrix, the
// result on screen, on paper and as PDF, and the whole road from the main window and
// back. The engine tables pin the arithmetic; these tests pin the wiring and messages.
#include "CouncilSession.h"

#include "../report/PdfReadBack.h"

#include "committee/ValsitBer.h"
#include "committee/ui/CommitteeWindows.h"
#include "committee/ui/frmB_Valresultat.h"
#include "committee/ui/frmC_Samverkan.h"
#include "committee/ui/frmD_SkrivUt.h"
#include "committee/ui/frmD_VisaSkrivUt.h"
#include "shell/AppGlobals.h"
#include "shell/SettingsStore.h"
#include "shell/ui/WindowRegistry.h"
#include "shell/ui/frmA_Start.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QtTest>

namespace {

ValsitBer& engine()
{
    return *CouncilSession::current().services.committee;
}

void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->clear();
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

template <typename T = QWidget> T* child(QWidget* w, const QString& name)
{
    return w ? w->findChild<T*>(name) : nullptr;
}

void click(QWidget* w, const QString& name)
{
    QTest::mouseClick(child<QAbstractButton>(w, name), Qt::LeftButton);
}

QString report(QWidget* w)
{
    return child<QTextEdit>(w, "rtfPInfo")->toPlainText();
}

// Parties P1.. with the given council seats, loaded as the entry window loads them.
void loadEngine(const QList<int>& seats, int committeeSeats = 11)
{
    ValsitBer& e = engine();
    for (int i = 0; i < seats.size(); ++i) {
        e.setPartiID(i + 1, QStringLiteral("P%1").arg(i + 1));
        e.setPartiNamn(i + 1, QStringLiteral("Parti %1").arg(i + 1));
        e.setPartiValRes(i + 1, seats[i]);
    }
    e.setAntPartier(int(seats.size()));
    e.setAntValsit(committeeSeats);
    e.setRubrik1("Provnämnd");
}

void markAll(int parties, qint16 mode)
{
    for (int k = 1; k <= parties * (parties - 1) / 2; ++k)
        engine().setSamvSW(k, 1);
    engine().setSamvSW(0, mode);
}

QStringList parties(int n)
{
    QStringList list;
    for (int i = 1; i <= n; ++i)
        list << QStringLiteral("P%1:Parti %1:").arg(i);
    return list;
}

} // namespace

class TestCommitteeWindows : public QObject
{
    Q_OBJECT

private:
    CouncilSession s;

    // Council seats straight into the database: "P1" holds seats[0], ...
    void setSeats(const QList<int>& seats)
    {
        s.setParties(parties(int(seats.size())));
        for (int i = 0; i < seats.size(); ++i)
            s.exec("UPDATE Partier SET PartiValRes = ? WHERE PartiID = ?",
                   {seats[i], QStringLiteral("P%1").arg(i + 1)});
    }
    QWidget* waitFor(const QString& name)
    {
        CouncilSession::settle();
        QWidget* w = CouncilSession::openWindow(name);
        return w && QTest::qWaitForWindowActive(w) ? w : nullptr;
    }
    frmB_Valresultat* openEntry()
    {
        return qobject_cast<frmB_Valresultat*>(s.show("frmB_Valresultat"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        s.initTestCase();
        registerCommitteeWindows(s.services);
    }
    void init() { QVERIFY(s.init()); }
    void cleanup() { s.cleanup(); }

    // ---- Entry ------------------------------------------------------------------------

    void savingARecordIsChecked_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("seats");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("saved");
        QTest::newRow("code of 7") << "ABCDEFG"
                                   << "Namn"
                                   << "3"
                                   << "Ange 'Parti kod' - max 6 tecken" << false;
        QTest::newRow("no name") << "X"
                                 << ""
                                 << "3"
                                 << "Ange 'Partinamn' - max 30 tecken" << false;
        QTest::newRow("name of 31") << "X" << QString(31, 'n') << "3"
                                    << "Ange 'Partinamn' - max 30 tecken" << false;
        QTest::newRow("4 digits") << "X"
                                  << "Namn"
                                  << "1234"
                                  << "Ange 'Valresultat' - max 3 tecken" << false;
        QTest::newRow("no seats") << "X"
                                  << "Namn"
                                  << ""
                                  << "Ange 'Valresultat' - max 3 tecken" << false;
        QTest::newRow("0 seats") << "X"
                                 << "Namn"
                                 << "0"
                                 << "Parti med 0 valsit kan inte ingå" << true;
        QTest::newRow("good") << "X"
                              << "Ny Lista"
                              << "12"
                              << "" << true;
    }
    void savingARecordIsChecked()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, seats);
        QFETCH(QString, message);
        QFETCH(bool, saved);
        frmB_Valresultat* w = openEntry();
        QVERIFY(w);
        click(w, "cmdButt1(4)");
        typeInto(child<QLineEdit>(w, "Text1(1)"), code);
        typeInto(child<QLineEdit>(w, "Text1(2)"), name);
        typeInto(child<QLineEdit>(w, "Text1(3)"), seats);
        s.messages.reset();
        click(w, "cmdButt1(6)");
        QCOMPARE(s.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(s.messages.shown.first().icon, MessageService::Information);
            QCOMPARE(s.messages.shown.first().title, QString("Valsit"));
        }
        QCOMPARE(s.value("SELECT COUNT(*) FROM Partier WHERE PartiID = ?", {code}).toInt(),
                 saved ? 1 : 0);
        // A refused record stays pending: only "Spara" and "Ångra" act.
        QCOMPARE(child<QPushButton>(w, "cmdButt1(6)")->isEnabled(), !saved);
    }

    void theLastPartyIsNotDeleted()
    {
        s.setParties({"S:Ensam:"});
        frmB_Valresultat* w = openEntry();
        QVERIFY(w);
        click(w, "cmdButt1(7)");
        QCOMPARE(s.messages.texts(),
                 QStringList{"Du kan inte ta bort alla poster.\r\nGör ändring i stället"});
        QCOMPARE(s.value("SELECT COUNT(*) FROM Partier").toInt(), 1);
    }

    void proceedingIsChecked_data()
    {
        QTest::addColumn<QList<int>>("seats");
        QTest::addColumn<QString>("committee");
        QTest::addColumn<bool>("cooperation");
        QTest::addColumn<QString>("message");
        const QList<int> three{5, 3, 2};
        QTest::newRow("empty") << three << "" << false
                               << "Ange 'Nämndvalsit att fördela' - max 3 tecken";
        QTest::newRow("4 seats") << three << "4" << false
                                 << "Antal valsit skall vara mellan 5 och 350";
        QTest::newRow("351 seats")
            << three << "351" << false << "Antal valsit skall vara mellan 5 och 350";
        QTest::newRow("one party")
            << QList<int>{5, 0} << "11" << false << "Antal partier med valsit får vara lägst 2";
        QTest::newRow("17 parties")
            << QList<int>(17, 1) << "11" << false << "Antal partier med valsit får vara högst 16";
        QTest::newRow("cooperation of two") << QList<int>{5, 3, 0} << "11" << true
                                            << "Det måste finnas fler än 2 partier för "
                                               "samverkansberäkning";
    }
    void proceedingIsChecked()
    {
        QFETCH(QList<int>, seats);
        QFETCH(QString, committee);
        QFETCH(bool, cooperation);
        QFETCH(QString, message);
        setSeats(seats);
        frmB_Valresultat* w = openEntry();
        QVERIFY(w);
        typeInto(child<QLineEdit>(w, "Text1(4)"), committee);
        child<QCheckBox>(w, "Check1")->setChecked(cooperation);
        click(w, "cmdNext");
        QCOMPARE(s.messages.texts(), QStringList{message});
        QCOMPARE(s.messages.shown.first().icon, MessageService::Information);
        QCOMPARE(CouncilSession::openWindow("frmB_Valresultat"), w);
    }

    // Parties with seats, most first, go to the engine; the next window depends on the
    // choices; the seat count and the heading rule are kept.
    void handOver_data()
    {
        QTest::addColumn<bool>("cooperation");
        QTest::addColumn<bool>("paper");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("rubrik");
        QTest::addColumn<QString>("next");
        QTest::newRow("screen") << false << false << "för RUBRIK"
                                << "RUBRIK"
                                << "frmD_VisaSkrivUt";
        QTest::newRow("paper") << false << true << "för Rubrik"
                               << " "
                               << "frmD_SkrivUt";
        QTest::newRow("cooperation") << true << false << "för Norrby kommun"
                                     << "Norrby kommun"
                                     << "frmC_Samverkan";
    }
    void handOver()
    {
        QFETCH(bool, cooperation);
        QFETCH(bool, paper);
        QFETCH(QString, heading);
        QFETCH(QString, rubrik);
        QFETCH(QString, next);
        SettingsStore().setValue("ForHeader", heading);
        setSeats({3, 0, 9, 5});
        engine().setSamvSW(2, 1); // a mark of an earlier calculation
        s.printScript.confirm = false;
        frmB_Valresultat* w = openEntry();
        QVERIFY(w);
        typeInto(child<QLineEdit>(w, "Text1(4)"), "13");
        child<QCheckBox>(w, "Check1")->setChecked(cooperation);
        child<QRadioButton>(w, paper ? "Option1(1)" : "Option1(0)")->setChecked(true);
        click(w, "cmdNext");
        CouncilSession::settle();
        QCOMPARE(WindowRegistry::instance().shown.value(1), next);
        ValsitBer& e = engine();
        QCOMPARE(e.AntPartier(), 3);
        QCOMPARE(QStringList({e.PartiID(1), e.PartiID(2), e.PartiID(3)}),
                 QStringList({"P3", "P4", "P1"}));
        QCOMPARE(e.PartiValRes(1), 9);
        QCOMPARE(e.AntValsit(), 13);
        QCOMPARE(SettingsStore().value("MndNmnd"), QString("13"));
        QCOMPARE(e.Rubrik1(), rubrik);
        QCOMPARE(e.SkrivUtSW(), paper);
        QCOMPARE(int(e.SamvSW(0)), cooperation ? 1 : 0);
        QCOMPARE(int(e.SamvSW(2)), cooperation ? 1 : 0);
        QCOMPARE(s.messages.texts(), QStringList());
    }

    // ---- Cooperation ------------------------------------------------------------------

    void fourPartiesShowSixBoxes()
    {
        loadEngine({9, 7, 5, 3});
        engine().setSamvSW(3, 1);  // (2,3)
        engine().setSamvSW(10, 1); // (4,5), left from a calculation with more parties
        QWidget* w = s.show("frmC_Samverkan");
        QVERIFY(w);
        for (int k = 1; k <= 120; ++k)
            QCOMPARE(child<QCheckBox>(w, QString("Check1(%1)").arg(k))->isVisible(), k <= 6);
        QCOMPARE(int(engine().SamvSW(10)), 0);
        QVERIFY(child<QCheckBox>(w, "Check1(3)")->isChecked());
        QVERIFY(!child<QLineEdit>(w, "Text2(5)")->isVisible());
        QCOMPARE(child<QLineEdit>(w, "Text2(2)")->text(), QString("Parti 2"));
        QCOMPARE(child<QLineEdit>(w, "Text1(1)")->text(), QString("9"));
        // Pair (2,4), box 5, lies in row 4 under the code of party 2.
        const auto centre = [w](const char* name) {
            QWidget* c = child(w, name);
            return c->mapTo(w, c->rect().center());
        };
        QVERIFY(qAbs(centre("Check1(5)").x() - centre("Text4(2)").x()) < 4);
        QVERIFY(qAbs(centre("Check1(5)").y() - centre("Text3(4)").y()) < 4);
    }

    void allCombinationsNeedNineOrFewer_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("refused");
        QTest::newRow("9") << 9 << false;
        QTest::newRow("10") << 10 << true;
    }
    void allCombinationsNeedNineOrFewer()
    {
        QFETCH(int, n);
        QFETCH(bool, refused);
        loadEngine(QList<int>(n, 2));
        QWidget* w = s.show("frmC_Samverkan");
        QVERIFY(w);
        click(w, "Check2");
        QCOMPARE(child<QCheckBox>(w, "Check2")->isChecked(), !refused);
        QCOMPARE(s.messages.texts(),
                 refused ? QStringList{"Det går inte praktiskt att köra Alla kombinationer\r\n"
                                       "när fler än 9 partier finns registrerade"}
                         : QStringList());
    }

    void proceedWritesTheMarks_data()
    {
        QTest::addColumn<bool>("all");
        QTest::addColumn<bool>("proceed");
        QTest::newRow("fixed") << false << true;
        QTest::newRow("all combinations") << true << true;
        QTest::newRow("Avsluta") << true << false;
    }
    void proceedWritesTheMarks()
    {
        QFETCH(bool, all);
        QFETCH(bool, proceed);
        loadEngine({9, 7, 5, 3});
        engine().setSamvSW(0, 1);
        engine().setSamvSW(2, 1); // (1,3)
        QWidget* w = s.show("frmC_Samverkan");
        QVERIFY(w);
        click(w, "Check1(2)"); // off
        click(w, "Check1(6)"); // (3,4) on
        if (all)
            click(w, "Check2");
        s.messages.answers.enqueue(MessageService::AnswerNo); // the question before the run
        if (proceed)
            click(w, "cmdNext");
        else
            CouncilSession::action(w, "mnuExit")->trigger();
        CouncilSession::settle();
        QCOMPARE(WindowRegistry::instance().shown.value(1),
                 QString(proceed ? "frmD_VisaSkrivUt" : "frmB_Valresultat"));
        QCOMPARE(int(engine().SamvSW(0)), proceed ? (all ? 2 : 1) : 1);
        QCOMPARE(int(engine().SamvSW(2)), proceed ? 0 : 1);
        QCOMPARE(int(engine().SamvSW(6)), proceed ? 1 : 0);
    }

    // ---- Result on screen, on paper, as PDF -----------------------------------------------

    // More than one result asks first; No ends the visit without a run.
    void theQuestionDeclined_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("question");
        QTest::newRow("screen") << "frmD_VisaSkrivUt"
                                << "Bearbetningen omfattar\r\ncirka 15 kombinationer\r\n"
                                   "Vill du fortsätta?";
        QTest::newRow("paper") << "frmD_SkrivUt"
                               << "Bearbetningen omfattar\r\ncirka 15 kombinationer\r\n"
                                  "fler än 3 sidor\r\nVill du fortsätta?";
    }
    void theQuestionDeclined()
    {
        QFETCH(QString, window);
        QFETCH(QString, question);
        loadEngine({9, 7, 5, 3});
        markAll(4, 2);
        s.messages.answers.enqueue(MessageService::AnswerNo);
        WindowRegistry::instance().show(window);
        QTRY_VERIFY(CouncilSession::openWindow("frmB_Valresultat"));
        QCOMPARE(s.messages.texts(), QStringList{question});
        QCOMPARE(s.messages.shown.first().icon, MessageService::Question);
        QCOMPARE(s.messages.shown.first().defaultButton, MessageService::SecondButton);
        QCOMPARE(engine().runNumber(), 0);
        QCOMPARE(s.printScript.dialogs, 0);
    }

    // One run, one letter: the same engine heads its next run B.
    void runLettersFollowOneAnother()
    {
        loadEngine({9, 7, 5, 3});
        markAll(4, 1);
        for (const QString letter : {"A", "B"}) {
            auto* w = qobject_cast<frmD_VisaSkrivUt*>(s.show("frmD_VisaSkrivUt"));
            QVERIFY(w);
            QTRY_COMPARE(w->runs(), 1);
            QVERIFY2(report(w).contains("Valsamverkan - " + letter), qPrintable(report(w)));
            // Fixed cooperation of all four: one list named by the codes.
            QVERIFY(report(w).contains(" P1 / P2 / P3 / P4 / \t Antal: 11\t"));
            QCOMPARE(w->status(), QString("* innebär att valsitet har samma jämförelsetal som det "
                                          "följande (dvs skall lottas)    "));
            CouncilSession::action(w, "mnuExit")->trigger();
            QWidget* entry = waitFor("frmB_Valresultat");
            QVERIFY(entry);
            WindowRegistry::unload(entry); // the next result window comes from the entry
        }
        QCOMPARE(s.messages.texts(), QStringList());
    }

    // "Spara som PDF" writes the calculation shown, under its letter, and nothing is left
    // behind when the file cannot be written.
    void saveAsPdf_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("saved");
        QTest::newRow("saved") << "nämnd" << true;
        QTest::newRow("folder gone") << "saknas/nämnd.pdf" << false;
    }
    void saveAsPdf()
    {
        QFETCH(QString, file);
        QFETCH(bool, saved);
        loadEngine({9, 7, 5, 3});
        markAll(4, 2);
        s.messages.answers.enqueue(MessageService::AnswerYes);
        auto* w = qobject_cast<frmD_VisaSkrivUt*>(s.show("frmD_VisaSkrivUt"));
        QVERIFY(w);
        QTRY_COMPARE(w->runs(), 1);
        s.messages.reset();
        s.messages.answers.enqueue(MessageService::AnswerYes);
        s.messages.saveFiles.enqueue(s.db->filePath(file));
        CouncilSession::action(w, "mnuSparaPdf")->trigger();
        const QString pdf = s.db->filePath(saved ? file + ".pdf" : file);
        QCOMPARE(QFileInfo::exists(pdf), saved);
        QCOMPARE(QDir(s.db->folder()).entryList({"*.tmp"}), QStringList());
        if (!saved) {
            QCOMPARE(s.messages.texts().last(),
                     QString("PDF-filen kunde inte sparas. Utskriften kunde inte startas."));
            QVERIFY(CouncilSession::openWindow("frmD_VisaSkrivUt"));
            return;
        }
        QVERIFY(w->status().startsWith("Resultatet är sparat i "));
        const QString text = PdfReadBack::run("pdftotext", {"-enc", "UTF-8", pdf, "-"});
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY(text.contains("Valsamverkan - A"));
        QVERIFY(text.contains("Provnämnd"));
        QVERIFY(text.contains("P1 / P2 / P3 / P4 /"));
        QCOMPARE(engine().runNumber(), 1);
        QVERIFY(!engine().SkrivUtSW());
    }

    void printout_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("pdf");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("discarded");
        QTest::newRow("printed") << true << "utskrift.pdf"
                                 << "OK! Bearbetning klar" << 0;
        QTest::newRow("cancelled") << false << "utskrift.pdf"
                                   << "Utskriften avbröts. Ingenting skrevs ut." << 0;
        QTest::newRow("printer fails") << true << "saknas/utskrift.pdf"
                                       << "Utskriften misslyckades." << 1;
    }
    void printout()
    {
        QFETCH(bool, confirm);
        QFETCH(QString, pdf);
        QFETCH(QString, status);
        QFETCH(int, discarded);
        loadEngine({9, 7, 5, 3});
        markAll(4, 2);
        engine().setSkrivUtSW(true);
        s.printScript.confirm = confirm;
        s.printScript.pdfPath = s.db->filePath(pdf);
        s.messages.answers.enqueue(MessageService::AnswerYes);
        QString last;
        WindowRegistry::instance().registerWindow("frmD_SkrivUt", [this, &last] {
            auto* w = new frmD_SkrivUt(s.services);
            QObject::connect(w, &frmD_SkrivUt::finished, [&last](const QString& t) { last = t; });
            return w;
        });
        WindowRegistry::instance().show("frmD_SkrivUt");
        QVERIFY(waitFor("frmB_Valresultat"));
        registerCommitteeWindows(s.services);
        QCOMPARE(last, status);
        QCOMPARE(s.printScript.dialogs, 1);
        QCOMPARE(s.printScript.discarded, discarded);
        QCOMPARE(QFileInfo::exists(s.printScript.pdfPath), confirm && !discarded);
        if (discarded)
            QCOMPARE(s.messages.texts().last(),
                     QString("Utskriften misslyckades. Utskriften "
                             "kunde inte startas. Ingenting skrevs ut."));
        if (!confirm || discarded)
            return;
        const QString text =
            PdfReadBack::run("pdftotext", {"-enc", "UTF-8", s.printScript.pdfPath, "-"});
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY(text.contains("Valsamverkan - A"));
        QVERIFY(text.contains("15\n") || text.contains("15 "));
    }

    // The stop button ends a long run after the combination under way, and the report
    // says how far it came.
    void aStoppedRunSaysSo()
    {
        loadEngine({9, 8, 7, 6, 5, 4, 3, 2, 1}, 350);
        markAll(9, 2);
        s.messages.answers.enqueue(MessageService::AnswerYes);
        // The user clicks the stop button as soon as the window takes events during the run.
        QTimer user;
        user.setInterval(10);
        connect(&user, &QTimer::timeout, this, [&user] {
            auto* w =
                qobject_cast<frmD_VisaSkrivUt*>(CouncilSession::openWindow("frmD_VisaSkrivUt"));
            if (w && w->progress().running()) {
                click(w, "cmdStopp");
                user.stop();
            }
        });
        user.start();
        auto* w =
            qobject_cast<frmD_VisaSkrivUt*>(WindowRegistry::instance().show("frmD_VisaSkrivUt"));
        QTRY_VERIFY_WITH_TIMEOUT(w->runs() == 1, 30000);
        QVERIFY(!user.isActive());
        const QStringList lines = report(w).trimmed().split('\n');
        const int done = engine().resultCounter();
        QVERIFY(done < 21147);
        QCOMPARE(lines.last(), ValsitBer::stoppedLine(done, 21147));
        QCOMPARE(w->status(), QString("Beräkningen avbröts. Redovisningen är inte fullständig."));
        QCOMPARE(ValsitBer::stoppedLine(12, 21147),
                 QString("Bearbetningen avbröts efter 12 av 21147 kombinationer. "
                         "Redovisningen är inte fullständig."));
    }

    // ---- The whole road ---------------------------------------------------------------------

    // From the main window with the committee calculation chosen, through the entry and
    // the cooperation window to the report on screen, and back to the main window.
    void fromTheMainWindowAndBack()
    {
        WindowRegistry::instance().registerWindow("frmA_Start",
                                                  [this] { return new frmA_Start(s.services); });
        s.services.screenHeight = [] { return 768; };
        AppGlobals::instance().programKat = s.db->folder();
        QWidget* start = s.show("frmA_Start");
        QVERIFY(start);
        click(start, "cmdNext");
        auto* w = qobject_cast<frmB_Valresultat*>(waitFor("frmB_Valresultat"));
        QVERIFY(w);
        // The template's parties hold no seats yet: give S 21 and M 14 and SD 10.
        const QList<QPair<QString, QString>> seats{{"S", "21"}, {"M", "14"}, {"SD", "10"}};
        for (const auto& [code, count] : seats) {
            w->cmdButt1_Click(0);
            for (int i = 0; i < 8 && w->currentPartyCode() != code; ++i)
                click(w, "cmdButt1(2)");
            QCOMPARE(w->currentPartyCode(), code);
            click(w, "cmdButt1(5)");
            typeInto(child<QLineEdit>(w, "Text1(3)"), count);
            click(w, "cmdButt1(6)");
        }
        QCOMPARE(child<QLineEdit>(w, "Text1(4)")->text(), QString("11"));
        child<QCheckBox>(w, "Check1")->setChecked(true);
        click(w, "cmdNext");
        QWidget* c = waitFor("frmC_Samverkan");
        QVERIFY(c);
        QCOMPARE(child<QLineEdit>(c, "Text3(1)")->text(), QString("S"));
        click(c, "Check1(3)"); // M and SD
        click(c, "cmdNext");
        QWidget* d = waitFor("frmD_VisaSkrivUt");
        QVERIFY(d);
        QTRY_VERIFY(report(d).contains("Valsamverkan - A"));
        // S 21 alone against M and SD's 24 together: 5 and 6 of 11.
        QVERIFY2(report(d).contains(" M / SD / \t Antal: 6\t"), qPrintable(report(d)));
        QVERIFY(report(d).contains("Socialdemokraterna\t Antal: 5\t"));
        CouncilSession::action(d, "mnuExit")->trigger();
        w = qobject_cast<frmB_Valresultat*>(waitFor("frmB_Valresultat"));
        QVERIFY(w && child<QCheckBox>(w, "Check1")->isChecked());
        CouncilSession::action(w, "mnuExit")->trigger();
        QVERIFY(waitFor("frmA_Start"));
        QCOMPARE(SettingsStore().value("ChkNmnd"), QString("0"));
        QCOMPARE(s.messages.texts(), QStringList());
        WindowRegistry::unload(CouncilSession::openWindow("frmA_Start"));
        WindowRegistry::instance().registerWindow("frmA_Start", [] { return new QWidget; });
    }
};

QTEST_MAIN(TestCommitteeWindows)
#include "tst_CommitteeWindows.moc"
