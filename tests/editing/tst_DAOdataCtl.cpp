// The record navigator in a real window over a copy of the template database, driven by
// clicks on its buttons as a user drives it.
#include "CouncilSession.h"
#include "NavigatorWindow.h"
#include "Rows.h"
#include "WindowDriver.h"

#include "council/CouncilEntry.h"
#include "data/DataControl.h"
#include "ui/editing/DAOdataCtl.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <QtTest>

#include <cstring>

namespace {
using WindowDriver::typeText;
const QStringList districtFields = {"DistrID", "DistrNr", "DistrNamn"};
const QStringList partyFields = {"PartiID", "Roster", "PartiNamn"};
// The buttons by index: |<< < > >>| Ny Ändra Spara Ta bort Ångra.
enum { First, Prev, Next, Last, New, Change, Save, Delete, Undo };

// An entry field open for typing is yellow, a locked one white.
bool isOpen(const QLineEdit* box, bool open)
{
    return box->isReadOnly() != open &&
           box->palette().color(QPalette::Base) == QColor(open ? Qt::yellow : Qt::white);
}

struct PatternCase
{
    const char* name;
    int records;
    const char* clicks; // button indexes
    const char* pattern;
    const char* label;
    int progress;
};
const PatternCase patterns[] = {
    {"no records", 0, "", "000010000", "0 (0)", 0},
    {"one record", 1, "", "000011010", "1 (1)", 1},
    {"first of three", 3, "", "001111010", "1 (3)", 1},
    {"between", 3, "2", "111111010", "2 (3)", 2},
    {"last by next", 3, "22", "110011010", "3 (3)", 3},
    {"last by >>|", 3, "3", "110011010", "3 (3)", 3},
    {"first by |<<", 3, "30", "001111010", "1 (3)", 1},
    {"adding", 3, "24", "000000101", "Lägger till ny rad", 2},
    {"adding to empty", 0, "4", "000000101", "Lägger till ny rad", 0},
    {"changing", 3, "25", "000000101", "Ändring", 2},
    {"change undone", 3, "258", "111111010", "2 (3)", 2},
    {"addition undone: back to the record", 3, "248", "111111010", "2 (3)", 2},
    {"change saved", 3, "256", "111111010", "2 (3)", 2},
    // Disabled buttons cannot be clicked: "Spara" before "Ändra", "<" at the first.
    {"disabled buttons", 3, "618", "001111010", "1 (3)", 1},
};

struct DeleteCase
{
    const char* name;
    int moves; // clicks on ">" before "Ta bort"
    int currentAfter;
    const char* labelAfter;
};
const DeleteCase deletes[] = {
    {"first: the new first", 0, 2, "1 (3)"},
    {"second: the previous", 1, 1, "1 (3)"},
    {"third: the previous", 2, 2, "2 (3)"},
    {"last: the previous", 3, 3, "3 (3)"},
};

struct BackCase
{
    const char* name;
    int records, target, current;
    bool walk;
};
const BackCase backs[] = {
    {"10 records walk", 10, 10, 10, true},
    {"11 records search", 11, 11, 11, false},
    {"walk finds nothing: first", 10, 99, 1, true},
    {"search finds nothing: first", 11, 99, 1, false},
};

} // namespace

class tst_DAOdataCtl : public QObject
{
    Q_OBJECT
    CouncilSession s;

    // Districts 1..n numbered 10, 20, ... so that the list shows them in id order; the
    // window open on them.
    std::unique_ptr<NavigatorWindow> districts(int n, bool start = true)
    {
        for (int i = 1; i <= n; ++i)
            s.exec(QStringLiteral("INSERT INTO Distrikt VALUES (%1, %2, 'Distrikt %1')")
                       .arg(i)
                       .arg(i * 10));
        return window(CouncilEntry::districtQuery(), "DistrID", districtFields, "A", start);
    }
    std::unique_ptr<NavigatorWindow> window(const DataSource& source, const QString& idField,
                                            const QStringList& fields, const QString& kind,
                                            bool start = true)
    {
        auto w = std::make_unique<NavigatorWindow>(s.messages, s.db->path(), source, idField,
                                                   fields, kind);
        w->show();
        if (start)
            w->navigator().StartDBC(0);
        return w;
    }
    std::unique_ptr<NavigatorWindow> parties(const QString& kind, bool start = true)
    {
        return window(CouncilEntry::partyQuery(), "PartiID", partyFields, kind, start);
    }
    static void clicks(NavigatorWindow& w, const char* indexes)
    {
        for (const char* p = indexes; *p; ++p)
            w.click(*p - '0');
    }

private Q_SLOTS:
    void initTestCase() { s.initTestCase(); }
    void init() { QVERIFY(s.init()); }
    void cleanup() { s.cleanup(); }

    void buttonPatterns_data() { addRows(patterns); }
    void buttonPatterns()
    {
        const PatternCase& c = row(patterns);
        auto w = districts(c.records);
        clicks(*w, c.clicks);
        QCOMPARE(w->buttonPattern(), QString(c.pattern));
        QCOMPARE(w->label()->text(), QString(c.label));
        QCOMPARE(QPoint(w->progressBar()->value(), w->progressBar()->maximum()),
                 QPoint(c.progress, qMax(c.records, 1)));
        QCOMPARE(s.messages.texts(), QStringList());
        // The entry controls open while a change is pending ("Spara" enabled), and lock
        // again after it; a control of another navigator's tag is left alone.
        const bool open = c.pattern[Save] == '1';
        for (int i = 1; i <= 3; ++i)
            QVERIFY(isOpen(w->field(i), open));
        const bool touched = strpbrk(c.clicks, "45"); // a check box starts as it was made
        QVERIFY(!touched || (w->checkBox()->isEnabled() == open &&
                             w->checkBox()->palette().color(QPalette::Window) ==
                                 QColor(open ? Qt::yellow : Qt::white)));
        QVERIFY(!w->otherField()->isReadOnly() &&
                w->otherField()->palette().color(QPalette::Base) != QColor(Qt::yellow));
    }

    // A new database without districts (or parties): the very first click on "Ny" must
    // start a record with the first id, and saving must store it.
    void firstNewInEmptyTable()
    {
        s.exec("DELETE FROM Partier");
        for (bool numeric : {true, false}) {
            s.messages.reset();
            auto w = numeric ? districts(0, false) : parties("N", false);
            w->click(New);
            QCOMPARE(w->navigator().IDFldTyp(), numeric ? 1 : 2);
            QCOMPARE(w->field(1)->text(), numeric ? "1" : "0001");
            typeText(w->field(2), "10");
            typeText(w->field(3), "Norra");
            w->click(Save);
            QVERIFY(s.messages.texts().isEmpty() && w->label()->text() == "1 (1)");
            QCOMPARE(s.column(numeric ? "SELECT DistrID || DistrNamn FROM Distrikt"
                                      : "SELECT PartiID || PartiNamn FROM Partier"),
                     QStringList{numeric ? "1Norra" : "0001Norra"});
        }
    }

    // A saved addition is shown where it sorts; a saved change stays on its record, found
    // again by a search among more than ten.
    void savingShowsTheSavedRecord()
    {
        auto w = districts(11);
        clicks(*w, "24");
        QCOMPARE(w->field(1)->text() + w->field(2)->text(), QStringLiteral("12"));
        typeText(w->field(2), "15"); // sorts between the first and the second
        typeText(w->field(3), "Nya");
        w->click(Save);
        QCOMPARE(w->navigator().AktIDN(), 12);
        QCOMPARE(w->field(3)->text() + '|' + w->label()->text() + '|' + w->buttonPattern(),
                 QStringLiteral("Nya|2 (12)|111111010"));
        QCOMPARE(s.column("SELECT DistrID FROM Distrikt ORDER BY DistrNr").mid(0, 3),
                 QStringList({"1", "12", "2"}));
        clicks(*w, "2225");
        w->field(3)->selectAll();
        typeText(w->field(3), "Centrum");
        w->click(Save);
        QCOMPARE(s.messages.texts(), QStringList());
        QVERIFY(w->navigator().AktIDN() == 4 && w->label()->text() == "5 (12)");
        QCOMPARE(s.column("SELECT DistrNamn FROM Distrikt WHERE DistrID = 4"),
                 QStringList{"Centrum"});
    }

    void refusedSaveKeepsTheChangePending()
    {
        auto w = districts(2);
        w->requiredField = "DistrNamn";
        w->click(New);
        typeText(w->field(2), "30");
        w->click(Save); // refused: no name
        QVERIFY(w->refusedSaves == 1 && !w->navigator().EndDBC());
        QCOMPARE(s.messages.texts(), QStringList{"Du måste avsluta den påbörjade förändringen\r\n"
                                                 "Spara eller ångra den?"});
        QCOMPARE(s.messages.shown[0].buttons, MessageService::SaveUndoCancel);
        QCOMPARE(w->buttonPattern() + '|' + w->field(2)->text(), QStringLiteral("000000101|30"));
        QVERIFY(isOpen(w->field(3), true));
        QCOMPARE(s.column("SELECT COUNT(*) FROM Distrikt"), QStringList{"2"});

        s.messages.reset();
        typeText(w->field(3), "Västra");
        s.messages.answers.enqueue(MessageService::AnswerYes); // "Spara"
        QVERIFY(w->navigator().EndDBC());
        QCOMPARE(s.column("SELECT DistrNamn FROM Distrikt WHERE DistrID = 3"),
                 QStringList{"Västra"});
    }

    void duplicateKeyIsReportedAndStaysPending()
    {
        auto w = parties("E");
        w->click(New);
        QCOMPARE(w->field(1)->text(), QString()); // typed by the user
        typeText(w->field(1), "m");               // Moderaterna's code, in another case
        typeText(w->field(3), "Dubblett");
        w->click(Save);
        QCOMPARE(s.messages.shown.size(), 1);
        QVERIFY(s.messages.shown[0].text.startsWith("Fel nummer: 3022\r\n") &&
                s.messages.shown[0].text.size() > QString("Fel nummer: 3022\r\n").size());
        QCOMPARE(w->buttonPattern() + '|' + w->field(3)->text(),
                 QStringLiteral("000000101|Dubblett"));

        s.messages.reset(); // the user mends the code and saves again
        w->field(1)->selectAll();
        typeText(w->field(1), "NY");
        w->click(Save);
        QVERIFY(s.messages.texts().isEmpty() && w->navigator().AktIDA() == "NY");
        QCOMPARE(s.column("SELECT COUNT(*) FROM Partier"), QStringList{"9"});
    }

    void deleteMovesToTheRightRecord_data() { addRows(deletes); }
    void deleteMovesToTheRightRecord()
    {
        const DeleteCase& c = row(deletes);
        auto w = districts(4);
        for (int i = 0; i < c.moves; ++i)
            w->click(Next);
        const QString deleted = w->field(1)->text();
        s.messages.answers.enqueue(MessageService::AnswerYes);
        w->click(Delete);
        QCOMPARE(s.messages.texts(), QStringList{"Vill du fullfölja borttaget av raden?"});
        const FakeMessageService::Shown& q = s.messages.shown[0];
        QVERIFY(q.buttons == MessageService::YesNo && q.icon == MessageService::Question &&
                q.defaultButton == MessageService::SecondButton);
        QCOMPARE(QString::number(w->navigator().AktIDN()) + '|' + w->field(1)->text() + '|' +
                     w->label()->text(),
                 QString("%1|%1|%2").arg(c.currentAfter).arg(c.labelAfter));
        QVERIFY(!s.column("SELECT DistrID FROM Distrikt").contains(deleted));
        QCOMPARE(s.column("SELECT COUNT(*) FROM Distrikt"), QStringList{"3"});
    }

    void deleteAnsweredNoOrRefusedDeletesNothing()
    {
        auto w = districts(3);
        s.exec("INSERT INTO DistrRoster VALUES ('S', 1, 100)");
        w->click(Delete); // the fake answers with the default button: "Nej"
        s.messages.answers.enqueue(MessageService::AnswerYes);
        w->click(Delete); // district 1 has votes
        QCOMPARE(s.messages.shown.size(), 3);
        QVERIFY(s.messages.shown[2].text.startsWith("Fel nummer: 3200\r\n"));
        QCOMPARE(w->label()->text(), QStringLiteral("1 (3)"));
        QCOMPARE(s.column("SELECT COUNT(*) FROM Distrikt"), QStringList{"3"});
    }

    // The next district still gets the next id after the last is deleted, or a "Ny" is
    // undone, or a later change is undone: the highest id is remembered.
    void undoAndDeleteKeepTheHighestId()
    {
        auto w = districts(1);
        s.messages.answers.enqueue(MessageService::AnswerYes);
        w->click(Delete);
        QCOMPARE(w->buttonPattern() + '|' + w->label()->text() + '|' + w->field(1)->text(),
                 QStringLiteral("000010000|0 (0)|"));
        w->click(New);
        QCOMPARE(w->field(1)->text(), QStringLiteral("2"));
        w->click(Undo);
        w->click(New);
        QCOMPARE(w->field(1)->text(), QStringLiteral("2"));
        typeText(w->field(2), "20");
        typeText(w->field(3), "Andra");
        w->click(Save);
        clicks(*w, "58"); // "Ändra", "Ångra"
        w->click(New);
        QCOMPARE(w->field(1)->text(), QStringLiteral("3"));
        typeText(w->field(3), "Tredje");
        w->click(Save);
        QCOMPARE(s.messages.texts(), QStringList{"Vill du fullfölja borttaget av raden?"});
        QCOMPARE(s.column("SELECT DistrID FROM Distrikt ORDER BY DistrID"),
                 QStringList({"2", "3"}));
    }

    void goingBackSearchesOrWalks_data() { addRows(backs); }
    void goingBackSearchesOrWalks()
    {
        const BackCase& c = row(backs);
        auto w = districts(c.records);
        w->repositions = 0;
        w->navigator().setAktIDN(c.target);
        QCOMPARE(QString::number(w->navigator().AktIDN()) + ' ' + w->label()->text(),
                 QStringLiteral("%1 %1 (%2)").arg(c.current).arg(c.records));
        // A walk passes every record up to the one sought; a search lands on it at once.
        if (c.walk)
            QVERIFY(w->repositions >= qMin(c.target, c.records));
        else
            QVERIFY(w->repositions <= 2);
    }

    void otherErrorsShowTheirDetails()
    {
        DAOdataCtl bare(s.messages); // a data control that was never given
        bare.StartDBC(0);
        auto w = window(CouncilEntry::districtQuery(), "DistrKod", districtFields, "A");
        QCOMPARE(s.messages.texts(), QStringList({"'DBName'-property är inte korrekt",
                                                  "'ID Fält' är inte definierat"}));
        // A file that is not there: the engine's error, with the navigator's figures.
        s.messages.reset();
        NavigatorWindow missing(s.messages, s.db->filePath("Saknas.mdb"),
                                CouncilEntry::districtQuery(), "DistrID", districtFields);
        missing.navigator().StartDBC(4);
        QCOMPARE(s.messages.shown.size(), 1);
        const QStringList lines = s.messages.shown[0].text.split("\r\n");
        QCOMPARE(lines.mid(0, 3),
                 (QStringList{"Fel nummer: 3024", "Högsta ID= Num (0) / Alphanum ( )",
                              "Aktuellt ID= Num (0) / Alphanum ()"}));
        QVERIFY(s.messages.shown[0].icon == MessageService::Exclamation &&
                s.messages.shown[0].title == "Valsit Version " VALSIT_VERSION);
        QVERIFY(!QFile::exists(s.db->filePath("Saknas.mdb")));
    }

    // An action runs to its end: nothing queued (a timer, a second window's work) may run
    // in the middle of one.
    void actionsLetNoTimerRun()
    {
        auto w = districts(3, false);
        bool fired = false;
        QTimer::singleShot(0, w.get(), [&fired] { fired = true; });
        for (int index : {0, 2, 5, 6, 4, 8, 3})
            w->navigator().StartDBC(index);
        QVERIFY(!fired);
        QTRY_VERIFY(fired);
    }
};

QTEST_MAIN(tst_DAOdataCtl)
#include "tst_DAOdataCtl.moc"
