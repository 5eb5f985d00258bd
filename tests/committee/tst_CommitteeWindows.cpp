// The committee windows (entry, cooperation, result on screen, on paper, as PDF, a lot drawn,
// the road from the main window and back) pin wiring and messages, not arithmetic. With them
// the ties and lots of both engines: the seats a tie spans and whether it decides, lots applied
// or void, the lines under the result, the program's draw and the lots kept with an election.
#include "CouncilSession.h"
#include "FixedRandom.h"
#include "PdfReadBack.h"
#include "Rows.h"
#include "WindowDriver.h"

#include "Collect.h"

#include "committee/CommitteeScreenReport.h"
#include "committee/CommitteeSetup.h"
#include "committee/ValsitBer.h"
#include "council/CouncilFromFile.h"
#include "council/CouncilSeatStore.h"
#include "council/RostBer.h"
#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"
#include "seats/LotDraw.h"
#include "seats/LotStore.h"
#include "seats/LotTexts.h"
#include "ui/committee/CommitteeWindows.h"
#include "ui/committee/frmD_SkrivUt.h"
#include "ui/committee/frmD_VisaSkrivUt.h"
#include "ui/seats/LotDialog.h"
#include "ui/shell/WindowRegistry.h"
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace WindowDriver;

namespace {

CommitteeSetup& engine()
{
    return *CouncilSession::current().services.committee;
}

// Parties P1.. with the given council seats, loaded as the entry window loads them; with
// a mode, every pair is marked.
void loadEngine(const QList<int>& seats, qint16 mode = -1, int committeeSeats = 11)
{
    CommitteeSetup& e = engine();
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
    const char *seats, *message; // message empty: saved without a word
    bool saved;
};
const SaveCase saves[] = {
    {"code of 6", "ABCDEF", "Namn", "3", "", true},
    {"no name", "X", "", "3", "Ange 'Partinamn' - max 30 tecken", false},
    {"name of 30", "X", QString(30, 'n'), "3", "", true},
    {"0 seats", "X", "Namn", "0", "Parti med 0 valsit kan inte ingå", true},
};

// Refused with a message, the entry stays; else the next window depends on the choices.
const QString two = "Det måste finnas fler än 2 partier för samverkansberäkning";
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
    {"two", {5, 3, 0}, "11", 1, 0, "", "", "", two},
    {"screen", {3, 0, 9, 5}, "13", 0, 0, "för RUBRIK", "RUBRIK", "frmD_VisaSkrivUt", ""},
    {"paper", {3, 0, 9, 5}, "13", 0, 1, "för Rubrik", " ", "frmD_SkrivUt", ""},
    {"cooperation", {3, 0, 9, 5}, "13", 1, 0, "för Norrby", "Norrby", "frmC_Samverkan", ""},
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

// The run ("c 100,100 @5": council votes, "n": committee council seats; seats to give), the run
// the lots ("4=P3,5=p2") were drawn for, and seats, tie groups, lot outcomes (Applied/Void/Not).
struct TieCase
{
    const char *name, *input, *drawnFor, *lots, *expected;
};
const TieCase ties[] = {
    // Three lists tie over seats 4 to 6 with two seats left: the lot decides.
    {"6,4,2 at 5", "n 6,4,2 @5", "", "", "P1:1,3,4*|P2:2,5*|P3: / 4-6:P1 P2 P3:lott / "},
    {"6,4,2 lot to P3, p2", "n 6,4,2 @5", "n 6,4,2 @5", "4=P3,5=p2",
     "P1:1,3|P2:2,5*|P3:4* / 4-6:P1 P2 P3:lott / A,A"},
    {"one list twice", "n 6,4,2 @5", "n 6,4,2 @5", "4=P3,5=P3",
     "P1:1,3,4*|P2:2,5*|P3: / 4-6:P1 P2 P3:lott / V,V"},
    // Both tied lists get a seat: the tie only orders seats 4 and 5.
    {"17,5,5 at 7", "n 17,5,5 @7", "n 17,5,5 @7", "4=P3",
     "P1:1,2,3,6,7|P2:4*|P3:5 / 4-5:P2 P3:ordning / N"},
    // Equal votes tie at every odd seat; only the tie over the last seat decides.
    {"council last seat", "c 100,100 @5", "", "",
     "P1:1*,3*,5*|P2:2,4 / 1-2:P1 P2:ordning|3-4:P1 P2:ordning|5-6:P1 P2:lott / "},
    {"council lot reverses slot order", "c 100,100 @5", "c 100,100 @5", "5=P2",
     "P1:1*,3*|P2:2,4,5* / 1-2:P1 P2:ordning|3-4:P1 P2:ordning|5-6:P1 P2:lott / A"},
    {"council seats changed", "c 100,100 @7", "c 100,100 @5", "5=P2",
     "P1:1*,3*,5*,7*|P2:2,4,6 / 1-2:P1 P2:ordning|3-4:P1 P2:ordning|5-6:P1 P2:ordning|"
     "7-8:P1 P2:lott / V"},
    {"council votes changed", "c 100,101 @5", "c 100,100 @5", "5=P2", "P1:2,4|P2:1,3,5 /  / V"},
    // Drawn for 6,4,2: with 7,4,2 seat 4 is no tie and seat 5 is another one.
    {"committee seats changed", "n 7,4,2 @5", "n 6,4,2 @5", "4=P3,5=P2",
     "P1:1,3,4|P2:2,5*|P3: / 5-6:P2 P3:lott / V,V"},
};

} // namespace

class TestCommitteeWindows : public QObject
{
    Q_OBJECT
    CouncilSession s;
    FixedRandom random;
    CouncilInput m_council;
    CommitteeInput m_committee;
    std::unique_ptr<SeatResult> m_result = std::make_unique<SeatResult>();

    // "c 1000,1000 @5" (council votes) or "n 6,4,2 @5" (committee council seats).
    const SeatResult& run(const QString& input, const QVector<SeatLot>& lots = {})
    {
        const QStringList values = input.section(' ', 1, 1).split(',');
        m_council = CouncilInput();
        m_committee = CommitteeInput();
        for (int i = 1; i <= values.size(); ++i) {
            m_council.parties.append(
                {QStringLiteral("P%1").arg(i), QString(), values[i - 1].toInt()});
            m_committee.parties.append(
                {QStringLiteral("P%1").arg(i), QString(), values[i - 1].toInt()});
        }
        m_council.seats = m_committee.seats = input.section('@', 1).toInt();
        m_council.lots = m_committee.lots = lots;
        if (input.startsWith('c')) {
            RostBer::calculate(m_council, *m_result);
        } else {
            auto engine = std::make_unique<ValsitBer>(m_committee);
            Collect none;
            engine->run(none);
            *m_result = engine->result();
        }
        return *m_result;
    }

    // "4=P3,5=P2", each with the fingerprint of its seat's tie in `drawnFor`.
    static QVector<SeatLot> lotsFor(const SeatResult& drawnFor, const QString& text)
    {
        QVector<SeatLot> lots;
        for (const QString& item : text.split(',', Qt::SkipEmptyParts)) {
            SeatLot lot;
            lot.seat = item.section('=', 0, 0).toInt();
            lot.code = item.section('=', 1);
            for (int g = 0; g < drawnFor.tieGroupCount; ++g)
                if (drawnFor.tieGroups[g].firstSeat <= lot.seat &&
                    lot.seat <= drawnFor.tieGroups[g].lastSeat)
                    lot.fingerprint = drawnFor.tieGroups[g].fingerprint;
            lots.append(lot);
        }
        return lots;
    }

    // "P1:1,3,4*|P2:2,5*|P3: / 4-6:P1 P2 P3:lott / A,V": seats, tie groups, lot outcomes.
    static QString summary(const SeatResult& r)
    {
        QStringList lists, groups, outcomes;
        for (int l = 1; l <= r.listCount; ++l) {
            QStringList seats;
            for (int k = 1; k <= r.lists[l].seatCount; ++k)
                seats.append(QString::number(r.lists[l].seat[k]) + (r.lists[l].tied[k] ? "*" : ""));
            lists.append(r.lists[l].code + ':' + seats.join(','));
        }
        for (int g = 0; g < r.tieGroupCount; ++g) {
            const SeatResult::TieGroup& group = r.tieGroups[g];
            QStringList names;
            for (int k = 0; k < group.listCount; ++k)
                names.append(LotTexts::listLabel(r, group.lists[k]));
            groups.append(QStringLiteral("%1-%2:%3:%4")
                              .arg(group.firstSeat)
                              .arg(group.lastSeat)
                              .arg(names.join(' '), group.decides ? "lott" : "ordning"));
        }
        for (const SeatLot& lot : r.lots)
            outcomes.append(QString(" AVN").mid(int(lot.outcome), 1));
        return lists.join('|') + " / " + groups.join('|') + " / " + outcomes.join(',');
    }

    QWidget* waitFor(const QString& name)
    {
        CouncilSession::settle();
        QWidget* w = CouncilSession::openWindow(name);
        return w && CouncilSession::waitActive(w) ? w : nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        s.initTestCase();
        registerCommitteeWindows(s.services);
        s.services.random = &random;
    }
    void init() { QVERIFY(s.init()); }
    void cleanup() { s.cleanup(); }

    void tieGroups_data() { addRows(ties); }
    void tieGroups()
    {
        const TieCase& c = row(ties);
        const QVector<SeatLot> drawn =
            *c.drawnFor ? lotsFor(run(c.drawnFor), c.lots) : QVector<SeatLot>();
        QCOMPARE(summary(run(c.input, drawn)), QString(c.expected));
    }

    // The lines under the result, as both reports print them (a deciding tie's: lotInTheWindow).
    void texts()
    {
        QCOMPARE(LotTexts::lines(run("n 17,5,5 @7")),
                 QStringList{"Platserna 4–5: lika jämförelsetal för P2 och P3; alla får en "
                             "plats, så ingen lottning behövs (den skulle bara avgöra "
                             "platsernas ordning)"});
        QVector<SeatLot> lots = lotsFor(run("c 100,100 @5"), "5=P2");
        lots[0].drawnBy = "Anna Berg";
        lots[0].drawnAt = QDateTime(QDate(2026, 9, 14), QTime(21, 30));
        lots[0].note = "inför valnämnden";
        QCOMPARE(LotTexts::lines(run("c 100,100 @5", lots)),
                 QStringList({"Lika jämförelsetal som bara avgör platsernas ordning (alla får en "
                              "plats, så ingen lottning behövs):",
                              "platserna 1–2 (P1 och P2), 3–4 (P1 och P2)",
                              "Plats 5: lika jämförelsetal för P1 och P2; avgjort genom lottning",
                              "Lottning:",
                              "Plats 5: lotten gav platsen till P2, dragen för hand av Anna Berg "
                              "2026-09-14 21:30 (inför valnämnden)"}));
        lots[0].byProgram = true;
        lots[0].note.clear();
        QCOMPARE(LotTexts::lines(run("c 101,100 @5", lots)).last(),
                 "Plats 5: lotten för P2 (dragen av programmet 2026-09-14 21:30) är ogiltig: "
                 "indata har ändrats sedan den drogs, så den har inte tillämpats");
    }

    // Each of the six orders of three tied lists comes from exactly one pair of random
    // numbers, so every list is as likely to go without a seat.
    void programDrawIsFair()
    {
        const SeatResult& result = run("n 6,4,2 @5");
        QSet<QString> orders;
        for (int draw = 0; draw < 6; ++draw) {
            random.values = {draw / 2, draw % 2};
            const QVector<SeatLot> lots = LotDraw::byProgram(result, 0, random, {});
            QVERIFY(lots.size() == 2 && lots[1].byProgram &&
                    lots[1].fingerprint == result.tieGroups[0].fingerprint);
            orders.insert(lots[0].code + lots[1].code);
        }
        QCOMPARE(orders.size(), 6);
    }

    // An all-combinations run finds the ties of every combination, names the deciding
    // ones, takes no lot and says so once.
    void allCombinationsTakeNoLots()
    {
        run("n 6,4,2 @5", lotsFor(run("n 6,4,2 @5"), "4=P3,5=P2"));
        m_committee.marks = {CommitteeInput::pairNumber(1, 2)};
        m_committee.cooperation = CommitteeInput::Cooperation::AllCombinations;
        m_committee.report.showLots = true;
        QStringList seen;
        PlainTextControl text;
        PlainReportWindow window(&text);
        CommitteeScreenReport screen(&window, ReportHeader(), m_committee, "A");
        Collect collect;
        collect.each = [&seen](const SeatResult& r) {
            seen.append(summary(r) + " / " + LotTexts::lines(r).join(' '));
        };
        for (SeatReport* report : std::initializer_list<SeatReport*>{&collect, &screen})
            std::make_unique<ValsitBer>(m_committee)->run(*report);
        QCOMPARE(seen, QStringList({"P1:1,3,4*|P2:2,5*|P3: / 4-6:P1 P2 P3:lott /  / Platserna "
                                    "4–5: lika jämförelsetal för P1, P2 och P3; lotten avgör "
                                    "vilka 2 av 3 som får platserna",
                                    "P3:5*|:1,2,3,4 / 5-6:P3 P1 / P2:lott /  / Plats 5: lika "
                                    "jämförelsetal för P3 och P1 / P2; lotten avgör vem som får "
                                    "platsen"}));
        QCOMPARE(text.lines().last(), LotTexts::allCombinationsNote());
    }

    // The lots kept with an election: reading an older file does not write; a lot replaces
    // the one of its seat and those it voids, each kind apart; a failed recording leaves the
    // file as it was. (lotInTheWindow reads a lot back through the window.)
    void store()
    {
        const SeatResult none; // lots of no particular tie
        QVector<SeatLot> byProgram = lotsFor(none, "5=V");
        byProgram[0].byProgram = true;
        const QString path = s.db->path();
        const QString rows = "SELECT Slag || Plats || PartiID || Programlottad FROM Lottning";
        s.exec("DROP TABLE Lottning"); // a file of an older version
        ElectionDatabase election(path);
        QVERIFY(LotStore(election).lots(LotStore::Kind::Committee).isEmpty());
        QCOMPARE(s.value("SELECT COUNT(*) FROM sqlite_master WHERE name = 'Lottning'").toInt(), 0);
        LotStore(election).record(LotStore::Kind::Committee, lotsFor(none, "4=C,5=M"));
        LotStore(election).record(LotStore::Kind::Council, lotsFor(none, "7=S"));
        LotStore(election).record(LotStore::Kind::Committee, byProgram, {4});
        QCOMPARE(s.column(rows + " ORDER BY 1"), QStringList({"Fullmäktige7S0", "Nämnd5V1"}));
        QCOMPARE(LotStore(election).lots(LotStore::Kind::Council).size(), 1);
        // A trigger refuses the second row: the first must not stay, nor the void one go.
        s.exec("CREATE TRIGGER stopp BEFORE INSERT ON Lottning WHEN NEW.Plats = 9 "
               "BEGIN SELECT RAISE(ABORT, 'nej'); END");
        QVERIFY_THROWS_EXCEPTION(DbError, LotStore(election).record(LotStore::Kind::Council,
                                                                    lotsFor(none, "8=M,9=V"), {7}));
        QCOMPARE(s.column(rows + " ORDER BY 1"), QStringList({"Fullmäktige7S0", "Nämnd5V1"}));
    }

    // A refused record stays pending: only "Spara" and "Ångra" act. A code or name of the
    // field's full length is stored whole (a longer one cannot be typed).
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

    // Parties with seats, most first, go to the engine; the seat count is kept with the
    // election, and its marks (pairs of codes) go to whatever slots the parties load in.
    void proceed_data() { addRows(entries); }
    void proceed()
    {
        const EntryCase& c = row(entries);
        s.exec("UPDATE Valinstallningar SET Rubrik = ?, SamverkanPar = 'P1+P3'", {c.heading});
        s.setParties({}); // "P1" holds seats[0], ...
        for (int i = 0; i < c.seats.size(); ++i)
            s.exec("INSERT INTO Partier (PartiID, PartiNamn, PartiValRes) VALUES (?, ?, ?)",
                   {QString("P%1").arg(i + 1), QString("Parti %1").arg(i + 1), c.seats[i]});
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
        if (!*c.next) { // "Avsluta" goes back to the main window
            trigger(w, "mnuExit");
            CouncilSession::settle();
            QCOMPARE(WindowRegistry::instance().shown.last(), QString("frmA_Start"));
            return;
        }
        CommitteeSetup& e = engine();
        QCOMPARE(QStringList({e.PartiID(1), e.PartiID(2), e.PartiID(3), e.Rubrik1()}),
                 QStringList({"P3", "P4", "P1", c.rubrik}));
        QCOMPARE(e.AntPartier() * 100 + e.AntValsit(), 313);
        QCOMPARE(s.value("SELECT MandatNamnd FROM Valinstallningar").toInt(), 13);
        QCOMPARE(int(e.SamvSW(0)) * 100 + e.SkrivUtSW() * 10 + e.SamvSW(2),
                 c.cooperation ? 101 : c.paper * 10);
    }

    // Four parties show six boxes and clear a mark left by more parties. "Fortsätt" writes
    // the marks and the mode to the engine and, as pairs of codes, to the election;
    // "Avsluta" leaves them.
    void cooperationMarks()
    {
        for (int way = 0; way < 3; ++way) { // fixed, all combinations, Avsluta
            loadEngine({9, 7, 5, 3});
            for (int k : {0, 2, 10}) // the mode, (1,3) and (4,5)
                engine().setSamvSW(k, 1);
            QWidget* w = s.show("frmC_Samverkan");
            QVERIFY(w);
            for (int k = 1; k <= 120; ++k)
                QCOMPARE(child<QCheckBox>(w, QString("Check1(%1)").arg(k))->isVisible(), k <= 6);
            QCOMPARE(child<QLineEdit>(w, "Text3(1)")->text(), QString("P1"));
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
                     (QList<int>{101, 201, 110}[way]));
            QCOMPARE(s.value("SELECT Samverkan || SamverkanPar FROM Valinstallningar").toString(),
                     QStringList({"1P3+P4", "2P3+P4", "0"})[way]);
            s.cleanup();
            QVERIFY(s.init());
        }
    }

    // The entry window says when the council seats were stored from other votes than the
    // file holds now; seats typed by hand carry no fingerprint and no note.
    void councilSeatsFromAnotherInput()
    {
        s.setParties({"S:Socialdemokraterna:500", "M:Moderaterna:300"});
        for (const char* change : {"", "UPDATE Partier SET Roster = 1 WHERE PartiID = 'M'", "-"}) {
            if (QByteArray(change) == "-")
                s.exec("UPDATE Valinstallningar SET MandatFingeravtryck = ''");
            else if (*change)
                s.exec(change);
            else if (const auto db = std::make_shared<ElectionDatabase>(s.db->path()))
                CouncilSeatStore::store(*db, CouncilFromFile::calculate(db),
                                        QDateTime(QDate(2026, 9, 14), QTime(22, 10)));
            QWidget* w = s.show("frmB_Valresultat");
            QVERIFY(w);
            const QLabel* note = child<QLabel>(w, "lblMandatKalla");
            QCOMPARE(note->isVisibleTo(w) ? note->text() : QString(),
                     *change && *change != '-'
                         ? "OBS! Mandaten i fullmäktige lagrades 2026-09-14 22:10 från andra "
                           "röster, mandat eller regler än databasen nu innehåller. Räkna fram "
                           "fullmäktige på nytt och lagra mandaten, eller kontrollera antalen "
                           "nedan."
                         : "");
            WindowRegistry::unload(w);
            CouncilSession::settle();
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
                                 QString(window == "frmD_SkrivUt" ? "cirka 2 sidor\r\n" : "") +
                                 "Vill du fortsätta?"});
            QCOMPARE(s.messages.shown.first().defaultButton, MessageService::SecondButton);
            QCOMPARE(engine().runNumber() + s.printScript.dialogs, 0);
            WindowRegistry::unload(CouncilSession::openWindow("frmB_Valresultat"));
            CouncilSession::settle();
        }
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
        else if (c.confirm) {
            PDF_READ_BACK_OR_SKIP();
            QVERIFY(
                PdfReadBack::pages(s.printScript.pdfPath).join('\n').contains("Valsamverkan - A"));
        }
    }

    // The stop button ends a long run after the combination under way, and the report
    // says how far it came.
    void aStoppedRunSaysSo()
    {
        loadEngine({9, 8, 7, 6, 5, 4, 3, 2, 1}, 2, 350);
        s.messages.answers.enqueue(MessageService::AnswerYes);
        // The user clicks the stop button as soon as the window takes events during the run.
        QTimer user;
        connect(&user, &QTimer::timeout, this, [&user] {
            auto* w =
                qobject_cast<frmD_VisaSkrivUt*>(CouncilSession::openWindow("frmD_VisaSkrivUt"));
            if (w && w->progress().running()) {
                click(w, "cmdStopp");
                user.stop();
            }
        });
        user.start(10);
        auto* w =
            qobject_cast<frmD_VisaSkrivUt*>(WindowRegistry::instance().show("frmD_VisaSkrivUt"));
        QTRY_VERIFY_WITH_TIMEOUT(w->runs() == 1, 30000);
        QVERIFY(!user.isActive());
        QVERIFY(w->lastResult().counter < 21147); // the line saying so: tst_Combinations
        QCOMPARE(w->status(), QString("Beräkningen avbröts. Redovisningen är inte fullständig."));
        // A stopped PDF takes its name only when the user keeps it.
        const QString pdf = s.db->filePath("stoppad.pdf");
        for (const bool keep : {false, true}) {
            s.messages.answers.enqueue(MessageService::AnswerYes); // the size of the run
            s.messages.answers.enqueue(keep ? MessageService::AnswerYes : MessageService::AnswerNo);
            s.messages.saveFiles.enqueue(pdf);
            user.start(10);
            trigger(w, "mnuSparaPdf");
            QVERIFY(s.messages.texts().last().startsWith("Beräkningen avbröts, så redovisningen"));
            QCOMPARE(QFileInfo::exists(pdf), keep);
            QCOMPARE(w->status().startsWith("Beräkningen avbröts; det sparade"), keep);
        }
    }

    // A deciding tie settled in the result window by the program or by hand, and the report
    // after it on screen and in the PDF. The draw 0, 0 orders P1, P2, P3 as P2, P3, P1.
    void lotInTheWindow()
    {
        for (const bool byProgram : {true, false}) {
            loadEngine({6, 4, 2}, -1, 5);
            engine().setSamvSW(0, 0);
            auto* w = qobject_cast<frmD_VisaSkrivUt*>(s.show("frmD_VisaSkrivUt"));
            QVERIFY(w && QTest::qWaitFor([w] { return w->runs() == 1; }));
            QVERIFY2(reportText(w).contains("Platserna 4–5: lika jämförelsetal för P1, P2 och P3; "
                                            "lotten avgör vilka 2 av 3 som får platserna"),
                     qPrintable(reportText(w)));
            QCOMPARE(w->status(), QString("* innebär att valsitet har samma jämförelsetal som "
                                          "det följande (dvs skall lottas)    "));
            random.values = {0, 0};
            if (byProgram)
                s.messages.answers.enqueue(MessageService::AnswerYes); // asked first
            bool answered = false;
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<LotDialog*>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                answered = true;
                if (!byProgram) {
                    child<QComboBox>(dialog, "cboSeat(0)")->setCurrentIndex(1);
                    child<QComboBox>(dialog, "cboSeat(1)")->setCurrentIndex(2);
                    child<QLineEdit>(dialog, "txtDragenAv")->setText("Eva Ek");
                    child<QLineEdit>(dialog, "txtAnteckning")->setText("i valnämnden");
                }
                click(dialog, byProgram ? "cmdProgram" : "cmdSpara");
            });
            trigger(w, "mnuLottning");
            QVERIFY(answered);
            QCOMPARE(s.messages.texts().size(), byProgram ? 1 : 0);
            s.messages.reset();
            const QString after = reportText(w);
            QVERIFY2(after.contains("Valsamverkan - A") && // the same run
                         after.contains("Parti 3\t Antal: 1\tValsit: 5*\t\n"),
                     qPrintable(after));
            QVERIFY(after.contains(byProgram ? "Plats 4: lotten gav platsen till P2, dragen av "
                                               "programmet 2026-09-13 00:00"
                                             : "Plats 4: lotten gav platsen till P2, dragen för "
                                               "hand av Eva Ek 2026-09-13 00:00 (i valnämnden)"));
            QCOMPARE(s.value("SELECT COUNT(*) FROM Lottning").toInt(), 2);
            // "Spara som PDF" writes the run shown and leaves nothing behind when it fails.
            for (const char* file : {"saknas/lott.pdf", "lott"}) {
                s.messages.saveFiles.enqueue(s.db->filePath(file));
                trigger(w, "mnuSparaPdf");
                QCOMPARE(QDir(s.db->folder()).entryList({"*.tmp", "saknas"}), QStringList());
            }
            QCOMPARE(s.messages.texts(),
                     QStringList{"PDF-filen kunde inte sparas. Utskriften kunde inte startas."});
            QVERIFY(w->status().startsWith("Resultatet är sparat i ") && w->runs() == 2);
            trigger(w, "mnuExit"); // back to the entry
            QVERIFY(waitFor("frmB_Valresultat"));
            PDF_READ_BACK_OR_SKIP();
            const QString pdf = PdfReadBack::pages(s.db->filePath("lott.pdf")).join('\n');
            QVERIFY2(pdf.contains("Lottning:") && pdf.contains("avgjort genom lottning") &&
                         pdf.contains("Plats 5: lotten gav platsen till P3"),
                     qPrintable(pdf));
            s.cleanup();
            QVERIFY(s.init());
        }
    }
};

QTEST_MAIN(TestCommitteeWindows)
#include "tst_CommitteeWindows.moc"
