// The committee windows: the entry's refusals and hand-over, the cooperation matrix, the
// result on screen, on paper and as PDF, and the whole road from the main window and
// back. The engine tables pin the arithmetic; these tests pin the wiring and messages.
#include "CouncilSession.h"
#include "PdfReadBack.h"
#include "Rows.h"
#include "WindowDriver.h"

#include "committee/ValsitBer.h"
#include "committee/ui/CommitteeWindows.h"
#include "committee/ui/frmB_Valresultat.h"
#include "committee/ui/frmD_SkrivUt.h"
#include "committee/ui/frmD_VisaSkrivUt.h"
#include "shell/AppGlobals.h"
#include "shell/SettingsStore.h"
#include "shell/ui/WindowRegistry.h"
#include "shell/ui/frmA_Start.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace WindowDriver;

namespace {

ValsitBer& engine()
{
    return *CouncilSession::current().services.committee;
}

// Parties P1.. with the given council seats, loaded as the entry window loads them; with
// a mode, every pair is marked.
void loadEngine(const QList<int>& seats, qint16 mode = -1, int committeeSeats = 11)
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
    if (mode < 0)
        return;
    for (int k = 1; k <= seats.size() * (seats.size() - 1) / 2; ++k)
        e.setSamvSW(k, 1);
    e.setSamvSW(0, mode);
}

const QString range = "Antal valsit skall vara mellan 5 och 350";
struct SaveCase
{
    const char* name;
    QString code, partyName;
    const char* seats;
    const char* message; // empty: saved without a word
    bool saved;
};
const SaveCase saves[] = {
    {"code of 7", "ABCDEFG", "Namn", "3", "Ange 'Parti kod' - max 6 tecken", false},
    {"code of 6", "ABCDEF", "Namn", "3", "", true},
    {"no name", "X", "", "3", "Ange 'Partinamn' - max 30 tecken", false},
    {"name of 31", "X", QString(31, 'n'), "3", "Ange 'Partinamn' - max 30 tecken", false},
    {"name of 30", "X", QString(30, 'n'), "3", "", true},
    {"4 digits", "X", "Namn", "1234", "Ange 'Valresultat' - max 3 tecken", false},
    {"0 seats", "X", "Namn", "0", "Parti med 0 valsit kan inte ingå", true},
};

// Refused with a message, the entry stays; else the next window depends on the choices.
struct EntryCase
{
    const char* name;
    QList<int> seats;
    const char* committee;
    bool cooperation, paper;
    const char *heading, *rubrik, *next;
    QString message;
};
const EntryCase entries[] = {
    {"empty", {5, 3, 2}, "", 0, 0, "", "", "", "Ange 'Nämndvalsit att fördela' - max 3 tecken"},
    {"4 seats", {5, 3, 2}, "4", 0, 0, "", "", "", range},
    {"351 seats", {5, 3, 2}, "351", 0, 0, "", "", "", range},
    {"one party", {5, 0}, "11", 0, 0, "", "", "", "Antal partier med valsit får vara lägst 2"},
    {"17 parties", QList<int>(17, 1), "11", 0, 0, "", "", "",
     "Antal partier med valsit får vara högst 16"},
    {"two",
     {5, 3, 0},
     "11",
     1,
     0,
     "",
     "",
     "",
     "Det måste finnas fler än 2 partier för samverkansberäkning"},
    {"screen", {3, 0, 9, 5}, "13", 0, 0, "för RUBRIK", "RUBRIK", "frmD_VisaSkrivUt", ""},
    {"paper", {3, 0, 9, 5}, "13", 0, 1, "för Rubrik", " ", "frmD_SkrivUt", ""},
    {"cooperation",
     {3, 0, 9, 5},
     "13",
     1,
     0,
     "för Norrby kommun",
     "Norrby kommun",
     "frmC_Samverkan",
     ""},
};

struct PrintCase
{
    const char* name;
    bool confirm;
    const char *pdf, *status;
    int discarded;
};
const PrintCase prints[] = {
    {"printed", true, "utskrift.pdf", "OK! Bearbetning klar", 0},
    {"cancelled", false, "utskrift.pdf", "Utskriften avbröts. Ingenting skrevs ut.", 0},
    {"printer fails", true, "saknas/utskrift.pdf", "Utskriften misslyckades.", 1},
};

} // namespace

class TestCommitteeWindows : public QObject
{
    Q_OBJECT
    CouncilSession s;

    // Council seats straight into the database: "P1" holds seats[0], ...
    void setSeats(const QList<int>& seats)
    {
        QStringList parties;
        for (int i = 1; i <= seats.size(); ++i)
            parties << QStringLiteral("P%1:Parti %1:").arg(i);
        s.setParties(parties);
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
    static frmD_VisaSkrivUt* resultWindow()
    {
        return qobject_cast<frmD_VisaSkrivUt*>(CouncilSession::openWindow("frmD_VisaSkrivUt"));
    }
    QString pdfText(const QString& pdf)
    {
        return PdfReadBack::run("pdftotext", {"-enc", "UTF-8", pdf, "-"});
    }

private Q_SLOTS:
    void initTestCase()
    {
        s.initTestCase();
        registerCommitteeWindows(s.services);
    }
    void init() { QVERIFY(s.init()); }
    void cleanup() { s.cleanup(); }

    // A refused record stays pending: only "Spara" and "Ångra" act. A code or name of the
    // field's full length is stored whole.
    void savingARecordIsChecked_data() { addRows(saves); }
    void savingARecordIsChecked()
    {
        const SaveCase& c = row(saves);
        QWidget* w = s.show("frmB_Valresultat");
        QVERIFY(w);
        click(w, "cmdButt1(4)");
        typeInto(child<QLineEdit>(w, "Text1(1)"), c.code);
        typeInto(child<QLineEdit>(w, "Text1(2)"), c.partyName);
        typeInto(child<QLineEdit>(w, "Text1(3)"), c.seats);
        s.messages.reset();
        click(w, "cmdButt1(6)");
        QCOMPARE(s.messages.texts(), *c.message ? QStringList{c.message} : QStringList());
        QCOMPARE(
            s.column(QString("SELECT PartiNamn FROM Partier WHERE PartiID = '%1'").arg(c.code)),
            c.saved ? QStringList{c.partyName} : QStringList());
        QCOMPARE(child<QPushButton>(w, "cmdButt1(6)")->isEnabled(), !c.saved);
    }

    // Parties with seats, most first, go to the engine; the seat count and the heading
    // rule are kept.
    void proceed_data() { addRows(entries); }
    void proceed()
    {
        const EntryCase& c = row(entries);
        SettingsStore().setValue("ForHeader", c.heading);
        setSeats(c.seats);
        engine().setSamvSW(2, 1); // a mark of an earlier calculation
        s.printScript.confirm = false;
        QWidget* w = s.show("frmB_Valresultat");
        QVERIFY(w);
        typeInto(child<QLineEdit>(w, "Text1(4)"), c.committee);
        child<QCheckBox>(w, "Check1")->setChecked(c.cooperation);
        child<QRadioButton>(w, c.paper ? "Option1(1)" : "Option1(0)")->setChecked(true);
        click(w, "cmdNext");
        CouncilSession::settle();
        QCOMPARE(s.messages.texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        QCOMPARE(WindowRegistry::instance().shown.value(1, "frmB_Valresultat"),
                 QString(*c.next ? c.next : "frmB_Valresultat"));
        if (!*c.next)
            return;
        ValsitBer& e = engine();
        QCOMPARE(QStringList({e.PartiID(1), e.PartiID(2), e.PartiID(3), e.Rubrik1()}),
                 QStringList({"P3", "P4", "P1", c.rubrik}));
        QCOMPARE(e.AntPartier() * 100 + e.AntValsit(), 313);
        QCOMPARE(SettingsStore().value("MndNmnd"), QString("13"));
        QCOMPARE(e.SkrivUtSW(), c.paper);
        QCOMPARE(int(e.SamvSW(0)) * 10 + e.SamvSW(2), c.cooperation ? 11 : 0);
    }

    // Four parties show six boxes and clear a mark left by more parties. "Fortsätt" writes
    // the marks and the mode to the engine; "Avsluta" leaves them.
    void cooperationMarks()
    {
        for (int way = 0; way < 3; ++way) { // fixed, all combinations, Avsluta
            loadEngine({9, 7, 5, 3});
            engine().setSamvSW(0, 1);
            engine().setSamvSW(2, 1);  // (1,3)
            engine().setSamvSW(10, 1); // (4,5)
            QWidget* w = s.show("frmC_Samverkan");
            QVERIFY(w);
            for (int k = 1; k <= 120; ++k)
                QCOMPARE(child<QCheckBox>(w, QString("Check1(%1)").arg(k))->isVisible(), k <= 6);
            QCOMPARE(int(engine().SamvSW(10)), 0);
            click(w, "Check1(2)"); // off
            click(w, "Check1(6)"); // (3,4) on
            if (way > 0)
                click(w, "Check2");
            s.messages.answers.enqueue(MessageService::AnswerNo); // the question before the run
            way < 2 ? click(w, "cmdNext") : trigger(w, "mnuExit");
            CouncilSession::settle();
            QCOMPARE(WindowRegistry::instance().shown.value(1),
                     QString(way < 2 ? "frmD_VisaSkrivUt" : "frmB_Valresultat"));
            QCOMPARE(engine().SamvSW(0) * 100 + engine().SamvSW(2) * 10 + engine().SamvSW(6),
                     way == 0   ? 101
                     : way == 1 ? 201
                                : 110);
            s.cleanup();
            QVERIFY(s.init());
        }
    }

    void allCombinationsNeedNineOrFewer()
    {
        for (int n : {9, 10}) {
            loadEngine(QList<int>(n, 2));
            QWidget* w = s.show("frmC_Samverkan");
            QVERIFY(w);
            click(w, "Check2");
            QCOMPARE(child<QCheckBox>(w, "Check2")->isChecked(), n == 9);
            WindowRegistry::unload(w);
            CouncilSession::settle();
        }
        QCOMPARE(s.messages.texts(), QStringList{"Det går inte praktiskt att köra Alla "
                                                 "kombinationer\r\nnär fler än 9 partier finns "
                                                 "registrerade"});
    }

    // More than one result asks first; No ends the visit without a run.
    void theQuestionDeclined()
    {
        for (const QString window : {"frmD_VisaSkrivUt", "frmD_SkrivUt"}) {
            loadEngine({9, 7, 5, 3}, 2);
            s.messages.reset();
            s.messages.answers.enqueue(MessageService::AnswerNo);
            WindowRegistry::instance().show(window);
            QTRY_VERIFY(CouncilSession::openWindow("frmB_Valresultat"));
            QCOMPARE(s.messages.texts(),
                     QStringList{"Bearbetningen omfattar\r\ncirka 15 kombinationer\r\n" +
                                 QString(window == "frmD_SkrivUt" ? "fler än 3 sidor\r\n" : "") +
                                 "Vill du fortsätta?"});
            QCOMPARE(s.messages.shown.first().defaultButton, MessageService::SecondButton);
            QCOMPARE(engine().runNumber() + s.printScript.dialogs, 0);
            WindowRegistry::unload(CouncilSession::openWindow("frmB_Valresultat"));
            CouncilSession::settle();
        }
    }

    // "Spara som PDF" writes the calculation shown, and leaves nothing behind when the
    // file cannot be written.
    void saveAsPdf()
    {
        loadEngine({9, 7, 5, 3}, 1);
        auto* w = qobject_cast<frmD_VisaSkrivUt*>(s.show("frmD_VisaSkrivUt"));
        QVERIFY(w);
        QTRY_COMPARE(w->runs(), 1);
        QVERIFY(reportText(w).contains(" P1 / P2 / P3 / P4 / \t Antal: 11\t"));
        QCOMPARE(w->status(), QString("* innebär att valsitet har samma jämförelsetal som "
                                      "det följande (dvs skall lottas)    "));
        for (const QString file : {"saknas/nämnd.pdf", "nämnd"}) {
            s.messages.answers.enqueue(MessageService::AnswerYes);
            s.messages.saveFiles.enqueue(s.db->filePath(file));
            trigger(w, "mnuSparaPdf");
            QCOMPARE(QDir(s.db->folder()).entryList({"*.tmp"}), QStringList());
        }
        QCOMPARE(s.messages.texts(),
                 QStringList{"PDF-filen kunde inte sparas. Utskriften kunde inte startas."});
        QVERIFY(w->status().startsWith("Resultatet är sparat i "));
        QVERIFY(!QFileInfo::exists(s.db->filePath("saknas/nämnd.pdf")));
        QVERIFY(pdfText(s.db->filePath("nämnd.pdf")).contains("Valsamverkan - A"));
        QCOMPARE(engine().runNumber(), 1);
        QVERIFY(!engine().SkrivUtSW());
    }

    void printout_data() { addRows(prints); }
    void printout()
    {
        const PrintCase& c = row(prints);
        loadEngine({9, 7, 5, 3}, 2);
        engine().setSkrivUtSW(true);
        s.printScript.confirm = c.confirm;
        s.printScript.pdfPath = s.db->filePath(c.pdf);
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
        QCOMPARE(last, QString(c.status));
        QCOMPARE(s.printScript.dialogs * 10 + s.printScript.discarded, 10 + c.discarded);
        QCOMPARE(QFileInfo::exists(s.printScript.pdfPath), c.confirm && !c.discarded);
        if (c.discarded)
            QCOMPARE(s.messages.texts().last(),
                     QString("Utskriften misslyckades. Utskriften "
                             "kunde inte startas. Ingenting skrevs ut."));
        else if (c.confirm)
            QVERIFY(pdfText(s.printScript.pdfPath).contains("Valsamverkan - A"));
    }

    // The stop button ends a long run after the combination under way, and the report
    // says how far it came.
    void aStoppedRunSaysSo()
    {
        loadEngine({9, 8, 7, 6, 5, 4, 3, 2, 1}, 2, 350);
        s.messages.answers.enqueue(MessageService::AnswerYes);
        // The user clicks the stop button as soon as the window takes events during the run.
        QTimer user;
        user.setInterval(10);
        connect(&user, &QTimer::timeout, this, [&user] {
            if (resultWindow() && resultWindow()->progress().running()) {
                click(resultWindow(), "cmdStopp");
                user.stop();
            }
        });
        user.start();
        auto* w =
            qobject_cast<frmD_VisaSkrivUt*>(WindowRegistry::instance().show("frmD_VisaSkrivUt"));
        QTRY_VERIFY_WITH_TIMEOUT(w->runs() == 1, 30000);
        QVERIFY(!user.isActive());
        const int done = engine().resultCounter();
        QVERIFY(done < 21147);
        QCOMPARE(reportText(w).trimmed().split('\n').last(),
                 QString("Bearbetningen avbröts efter %1 av 21147 kombinationer. Redovisningen "
                         "är inte fullständig.")
                     .arg(done));
        QCOMPARE(w->status(), QString("Beräkningen avbröts. Redovisningen är inte fullständig."));
    }

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
        QTRY_VERIFY(reportText(d).contains("Valsamverkan - A"));
        // S 21 alone against M and SD's 24 together: 5 and 6 of 11.
        QVERIFY2(reportText(d).contains(" M / SD / \t Antal: 6\t"), qPrintable(reportText(d)));
        trigger(d, "mnuExit");
        w = qobject_cast<frmB_Valresultat*>(waitFor("frmB_Valresultat"));
        QVERIFY(w && child<QCheckBox>(w, "Check1")->isChecked());
        trigger(w, "mnuExit");
        QVERIFY(waitFor("frmA_Start"));
        QCOMPARE(SettingsStore().value("ChkNmnd"), QString("0"));
        QCOMPARE(s.messages.texts(), QStringList());
        WindowRegistry::unload(CouncilSession::openWindow("frmA_Start"));
        WindowRegistry::instance().registerWindow("frmA_Start", [] { return new QWidget; });
    }
};

QTEST_MAIN(TestCommitteeWindows)
#include "tst_CommitteeWindows.moc"
