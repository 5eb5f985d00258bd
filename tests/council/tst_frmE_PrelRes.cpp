// The council vote entry driven as a user would: the party panel and its checks, the
// seat count and the rules, "&Fortsätt", storing the computed seats, the district modes
// and leaving. Dialogs are answered by the fake message service; the database is a copy
// of the template; the settings are isolated.
#include "CouncilSession.h"

#include "council/RostBer.h"
#include "council/ui/frmE_PrelRes.h"
#include "shell/AppGlobals.h"
#include "shell/SettingsStore.h"
#include "shell/ui/WindowRegistry.h"
#include "shell/ui/frmA_Start.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>
#include <QtTest>

namespace {

RostBer& engine()
{
    return *CouncilSession::current().services.council;
}

void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->clear();     // the key filters let no Backspace through
    box->selectAll(); // a vote cell shows "0" when emptied; typing replaces it
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

} // namespace

class TestFrmEPrelRes : public QObject
{
    Q_OBJECT

private:
    CouncilSession s;

    frmE_PrelRes* open() { return qobject_cast<frmE_PrelRes*>(s.show("frmE_PrelRes")); }

    template <typename T = QWidget> static T* find(QWidget* w, const QString& name)
    {
        return w->findChild<T*>(name);
    }
    static QLineEdit* box(QWidget* w, const QString& name) { return find<QLineEdit>(w, name); }
    static void click(QWidget* w, const QString& button)
    {
        auto* b = find<QPushButton>(w, button);
        QVERIFY2(b, qPrintable(button));
        QVERIFY2(b->isEnabled(), qPrintable(button + " disabled"));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    static QString menuTitle(QWidget* w, const char* name)
    {
        if (auto* m = w->findChild<QMenu*>(QLatin1String(name)))
            return m->title();
        return CouncilSession::action(w, name)->text();
    }
    static QStringList gridColumn(QWidget* w, const char* grid, int column)
    {
        const QAbstractItemModel* m = w->findChild<QTableView*>(QLatin1String(grid))->model();
        QStringList values;
        for (int r = 0; r < m->rowCount(); ++r)
            values.append(m->index(r, column).data().toString());
        return values;
    }
    static int markedRow(QWidget* w, const char* grid)
    {
        auto* g = w->findChild<QTableView*>(QLatin1String(grid));
        const QModelIndexList rows = g->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() + 1 : -1;
    }
    QString lastMessage() const
    {
        return s.messages.shown.isEmpty() ? QString() : s.messages.shown.last().text;
    }

    // Into district mode, with the menus as the user has them.
    void toDistricts(frmE_PrelRes* w) { CouncilSession::action(w, "mnuDistrikt")->trigger(); }
    void toTotals(frmE_PrelRes* w) { CouncilSession::action(w, "mnuTotalt")->trigger(); }
    void chooseDistrict(frmE_PrelRes* w, const QString& name)
    {
        auto* cbo = find<QComboBox>(w, "cboDistr");
        const int i = cbo->findText(name);
        QVERIFY2(i >= 0, qPrintable(name));
        cbo->setCurrentIndex(i);
        Q_EMIT cbo->activated(i);
    }
    // Sets the votes of row i of the vote panel by typing.
    void typeVotes(frmE_PrelRes* w, int row, const QString& votes)
    {
        typeInto(box(w, QString("Text3(%1)").arg(row)), votes);
    }
    int rowOf(frmE_PrelRes* w, const QString& code)
    {
        for (int i = 1; i <= 16; ++i)
            if (box(w, QString("Text5(%1)").arg(i))->text() == code)
                return i;
        return -1;
    }
    int roster(const QString& code)
    {
        return s.value("SELECT Roster FROM Partier WHERE PartiID = ?", {code}).toInt();
    }

private Q_SLOTS:
    void initTestCase() { s.initTestCase(); }
    void init()
    {
        QVERIFY(s.init());
        s.setParties({"S:Socialdemokraterna:5000", "M:Moderaterna:3000", "V:Vänsterpartiet:1000",
                      "X:Utan röster:"});
    }
    void cleanup() { s.cleanup(); }

    void opensWithPartiesLargestFirstAndTheSeatCount()
    {
        frmE_PrelRes* w = open();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Valsit - Preliminär Fullmäktige"));
        QCOMPARE(gridColumn(w, "MSFlexGrid1", 0), QStringList({"S", "M", "V", "X"}));
        QCOMPARE(gridColumn(w, "MSFlexGrid1", 1), QStringList({"5000", "3000", "1000", ""}));
        QCOMPARE(markedRow(w, "MSFlexGrid1"), 1);
        QCOMPARE(w->currentPartyCode(), QString("S"));
        QCOMPARE(box(w, "Text1(2)")->text(), QString("Socialdemokraterna"));
        QCOMPARE(box(w, "Text1(4)")->text(), QString("41"));
        QCOMPARE(menuTitle(w, "mnuDistrTot"), QString("TOTALT"));
        QCOMPARE(menuTitle(w, "mnuExit"), QString("Avsluta"));
        QCOMPARE(menuTitle(w, "mnuUpdMnd"), QString(" "));
        QCOMPARE(menuTitle(w, "mnuUpdDistrRost"), QString(" "));
        QVERIFY(!find(w, "Frame4")->isVisible());
        QVERIFY(!find(w, "Frame5")->isVisible());
        QCOMPARE(s.messages.texts(), QStringList());
    }

    void seatField_data()
    {
        QTest::addColumn<QString>("seats");
        QTest::addColumn<QString>("message"); // empty: accepted
        const QString range = "Antal valsit skall vara mellan 5 och 350";
        const QString length = "Ange 'Fullmäktigevalsit att fördela' - max 3 tecken";
        QTest::newRow("four characters") << "0400" << length;
        QTest::newRow("empty") << "" << length;
        QTest::newRow("below") << "4" << range;
        QTest::newRow("above") << "351" << range;
        QTest::newRow("pasted non-number") << "4x" << range;
        QTest::newRow("blank inside") << "3 1" << range;
        QTest::newRow("lowest") << "5"
                                << "";
        QTest::newRow("highest") << "350"
                                 << "";
    }
    void seatField()
    {
        QFETCH(QString, seats);
        QFETCH(QString, message);
        frmE_PrelRes* w = open();
        QVERIFY(w);
        QPointer<frmE_PrelRes> alive(w);
        // Set as a paste would leave it: the key filter is not involved.
        box(w, "Text1(4)")->setText(seats);
        click(w, "cmdNext");
        CouncilSession::settle();
        if (message.isEmpty()) {
            QCOMPARE(s.messages.texts(), QStringList());
            QVERIFY(!alive || WindowRegistry::isUnloadingFromCode(alive));
            QCOMPARE(WindowRegistry::instance().shown.last(), QString("frmED_VisaSkrivUt"));
            QCOMPARE(engine().AntValsit(), seats.toInt());
            QCOMPARE(SettingsStore().value("MndFullm"), seats);
            return;
        }
        QCOMPARE(s.messages.texts(), QStringList({message}));
        QCOMPARE(s.messages.shown.last().icon, MessageService::Information);
        QCOMPARE(s.messages.shown.last().title, QString("Valsit"));
        QVERIFY(alive && alive->isVisible());
        QCOMPARE(QApplication::focusWidget(), box(w, "Text1(4)"));
        QCOMPARE(engine().AntValsit(), 41);
        QCOMPARE(SettingsStore().value("MndFullm"), QString("41"));
    }

    void partyCount_data()
    {
        QTest::addColumn<int>("voted");
        QTest::addColumn<QString>("message");
        QTest::newRow("one") << 1 << "Antal partier med valsit får vara lägst 2";
        QTest::newRow("seventeen") << 17 << "Antal partier med valsit får vara högst 16";
        QTest::newRow("sixteen") << 16 << "";
    }
    void partyCount()
    {
        QFETCH(int, voted);
        QFETCH(QString, message);
        QStringList parties;
        for (int i = 1; i <= voted; ++i)
            parties << QString("P%1:Parti %1:%2").arg(i).arg(1000 + i);
        parties << "N0:Noll:0"
                << "NN:Null:";
        s.setParties(parties);
        frmE_PrelRes* w = open();
        QVERIFY(w);
        typeInto(box(w, "Text1(4)"), "29");
        click(w, "cmdNext");
        CouncilSession::settle();
        // The seat count is taken before the parties are counted.
        QCOMPARE(engine().AntValsit(), 29);
        QCOMPARE(SettingsStore().value("MndFullm"), QString("29"));
        if (message.isEmpty()) {
            QCOMPARE(s.messages.texts(), QStringList());
            QCOMPARE(engine().AntPartier(), 16);
            QCOMPARE(engine().PartiID(1), QString("P16")); // most votes first
            QCOMPARE(engine().Roster(16), 1001);
            return;
        }
        QCOMPARE(s.messages.texts(), QStringList({message}));
        QVERIFY(CouncilSession::openWindow("frmE_PrelRes"));
        QVERIFY(!WindowRegistry::instance().shown.contains("frmED_VisaSkrivUt"));
    }

    void proceedHandsTheChoicesToTheEngine_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("rubrik");
        QTest::addColumn<bool>("print");
        QTest::newRow("place") << "för Uppsala"
                               << "Uppsala" << false;
        QTest::newRow("placeholder") << "för Rubrik"
                                     << " " << false;
        QTest::newRow("no för") << "Valet 2026"
                                << "Valet 2026" << true;
    }
    void proceedHandsTheChoicesToTheEngine()
    {
        QFETCH(QString, heading);
        QFETCH(QString, rubrik);
        QFETCH(bool, print);
        SettingsSandbox::setRaw("ForHeader", heading);
        s.printScript.confirm = false; // the print window is not the subject here
        frmE_PrelRes* w = open();
        QVERIFY(w);
        QTest::mouseClick(find(w, "Check1"), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(find(w, "Check2"), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(find(w, "AntDec(0)"), Qt::LeftButton, {}, QPoint(5, 5));
        if (print)
            QTest::mouseClick(find(w, "Option1(1)"), Qt::LeftButton, {}, QPoint(5, 5));
        click(w, "cmdNext");
        CouncilSession::settle();
        // Only the print window speaks: its dialog was cancelled.
        QCOMPARE(s.messages.texts(),
                 print ? QStringList({"Utskriften avbröts. Ingenting skrevs ut."}) : QStringList());
        RostBer& e = engine();
        QCOMPARE(e.Rubrik1(), rubrik);
        QVERIFY(e.VisaDistriktSW());
        QVERIFY(e.BerTalSW());
        QCOMPARE(int(e.BerTalAntDec()), 0);
        QCOMPARE(e.SkrivUtSW(), print);
        QCOMPARE(e.AntPartier(), 3); // X has no votes
        QCOMPARE(QStringList({e.PartiID(1), e.PartiID(2), e.PartiID(3)}),
                 QStringList({"S", "M", "V"}));
        QCOMPARE(WindowRegistry::instance().shown.value(1),
                 QString(print ? "frmED_SkrivUt" : "frmED_VisaSkrivUt"));
    }

    void rules_data()
    {
        QTest::addColumn<int>("rule"); // 0 today's, 1 older, 2 own values
        QTest::addColumn<int>("divisorIndex");
        QTest::addColumn<QString>("sparr");
        QTest::addColumn<double>("divisor");
        QTest::addColumn<double>("percent"); // -1: refused
        QTest::newRow("no choice: today's rules") << 0 << 1 << "2" << 1.2 << 2.0;
        QTest::newRow("older rules") << 1 << 0 << "0" << 1.4 << 0.0;
        QTest::newRow("own 1,2 and 4 %") << 2 << 1 << "4" << 1.2 << 4.0;
        QTest::newRow("own decimal comma") << 2 << 0 << "2,5" << 1.4 << 2.5;
        QTest::newRow("own above 100") << 2 << 0 << "120" << 1.4 << -1.0;
        QTest::newRow("own empty") << 2 << 1 << "" << 1.4 << -1.0;
    }
    void rules()
    {
        QFETCH(int, rule);
        QFETCH(int, divisorIndex);
        QFETCH(QString, sparr);
        QFETCH(double, divisor);
        QFETCH(double, percent);
        frmE_PrelRes* w = open();
        QVERIFY(w);
        auto* named = find<QComboBox>(w, "cboRegler");
        QCOMPARE(named->currentText(), QString("Gällande regler (från 2018): 1,2 och spärr 2 %"));
        QCOMPARE(find<QComboBox>(w, "cboForstaDivisor")->currentText(), QString("1,2"));
        QCOMPARE(box(w, "txtSparr")->text(), QString("2"));
        QVERIFY(!box(w, "txtSparr")->isEnabled());
        named->setCurrentIndex(rule);
        if (rule == 2) {
            find<QComboBox>(w, "cboForstaDivisor")->setCurrentIndex(divisorIndex);
            typeInto(box(w, "txtSparr"), sparr);
        }
        click(w, "cmdNext");
        CouncilSession::settle();
        if (percent < 0) {
            QCOMPARE(s.messages.texts(),
                     QStringList({"Ange 'Spärr i procent' som ett tal mellan 0 och 100 (0 = ingen "
                                  "spärr)"}));
            QVERIFY(CouncilSession::openWindow("frmE_PrelRes"));
            QCOMPARE(engine().ForstaDivisor(), 1.4);
            return;
        }
        QCOMPARE(s.messages.texts(), QStringList());
        QCOMPARE(engine().ForstaDivisor(), divisor);
        QCOMPARE(engine().Sparr(), percent);
        // Kept for the next visit.
        s.messages.reset();
        QTest::qWait(0);
        CouncilSession::openWindow("frmED_VisaSkrivUt")->findChild<QAction*>("mnuExit")->trigger();
        CouncilSession::settle();
        auto* again = qobject_cast<frmE_PrelRes*>(CouncilSession::openWindow("frmE_PrelRes"));
        QVERIFY(again);
        QVERIFY(QTest::qWaitForWindowActive(again));
        QCOMPARE(find<QComboBox>(again, "cboRegler")->currentIndex(), rule);
        QCOMPARE(find<QComboBox>(again, "cboForstaDivisor")->currentIndex(),
                 divisor == 1.2 ? 1 : 0);
        QCOMPARE(box(again, "txtSparr")->text(), sparr);
    }

    void saveChecks_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("votes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no code") << ""
                                 << "Nytt"
                                 << "10"
                                 << "Ange 'Parti kod'" << false << "Text1(1)";
        QTest::newRow("no name") << "NY"
                                 << ""
                                 << "10"
                                 << "Ange 'Partinamn'" << false << "Text1(2)";
        QTest::newRow("no votes") << "NY"
                                  << "Nytt"
                                  << ""
                                  << "Ange 'Antal röster'" << false << "Text1(3)";
        QTest::newRow("zero votes") << "NY"
                                    << "Nytt"
                                    << "0"
                                    << "Parti med 0 valsit kan inte ingå" << true << "";
        QTest::newRow("two zeros") << "NY"
                                   << "Nytt"
                                   << "00"
                                   << "" << true << "";
        QTest::newRow("fine") << "NY"
                              << "Nytt"
                              << "10"
                              << "" << true << "";
    }
    void saveChecks()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, votes);
        QFETCH(QString, message);
        QFETCH(bool, stored);
        QFETCH(QString, focus);
        frmE_PrelRes* w = open();
        QVERIFY(w);
        click(w, "cmdButt1(4)"); // Ny
        typeInto(box(w, "Text1(1)"), code);
        typeInto(box(w, "Text1(2)"), name);
        typeInto(box(w, "Text1(3)"), votes);
        click(w, "cmdButt1(6)"); // Spara
        QCOMPARE(s.messages.texts(), message.isEmpty() ? QStringList() : QStringList({message}));
        if (!message.isEmpty()) {
            QCOMPARE(s.messages.shown.last().icon, MessageService::Information);
            QCOMPARE(s.messages.shown.last().title, QString("Valsit"));
        }
        QCOMPARE(w->validationPassed(), stored);
        QCOMPARE(s.value("SELECT COUNT(*) FROM Partier WHERE PartiID = 'NY'").toInt(),
                 stored ? 1 : 0);
        if (!focus.isEmpty()) {
            QCOMPARE(QApplication::focusWidget(), box(w, focus));
            QVERIFY(find<QPushButton>(w, "cmdButt1(6)")->isEnabled()); // still pending
            return;
        }
        QCOMPARE(w->currentPartyCode(), QString("NY"));
        QVERIFY(gridColumn(w, "MSFlexGrid1", 0).contains("NY"));
        QCOMPARE(gridColumn(w, "MSFlexGrid1", 0).at(markedRow(w, "MSFlexGrid1") - 1),
                 QString("NY"));
        // A party with 0 votes stays out of the calculation.
        if (votes.toInt() == 0) {
            click(w, "cmdNext");
            CouncilSession::settle();
            QCOMPARE(engine().AntPartier(), 3);
        }
    }

    void changeHidesTheCodeUntilSavedOrUndone()
    {
        frmE_PrelRes* w = open();
        QVERIFY(w);
        click(w, "cmdButt1(2)"); // > : M
        QCOMPARE(w->currentPartyCode(), QString("M"));
        click(w, "cmdButt1(5)"); // Ändra
        QVERIFY(box(w, "Text1(1)")->isHidden());
        typeInto(box(w, "Text1(3)"), "6000");
        click(w, "cmdButt1(6)");
        QVERIFY(!box(w, "Text1(1)")->isHidden());
        QCOMPARE(roster("M"), 6000);
        QCOMPARE(gridColumn(w, "MSFlexGrid1", 0).first(), QString("M"));
        QCOMPARE(markedRow(w, "MSFlexGrid1"), 1);
        click(w, "cmdButt1(5)");
        click(w, "cmdButt1(8)"); // Ångra
        QVERIFY(!box(w, "Text1(1)")->isHidden());
    }

    void listClickMakesThePartyCurrent()
    {
        frmE_PrelRes* w = open();
        QVERIFY(w);
        auto* grid = find<QTableView>(w, "MSFlexGrid1");
        const QRect cell = grid->visualRect(grid->model()->index(2, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(w->currentPartyCode(), QString("V"));
        QCOMPARE(box(w, "Text1(2)")->text(), QString("Vänsterpartiet"));
        QCOMPARE(markedRow(w, "MSFlexGrid1"), 3);
        const QRect first = grid->visualRect(grid->model()->index(0, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(w->currentPartyCode(), QString("S"));
        // While a change is pending a click changes nothing.
        click(w, "cmdButt1(5)");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(w->currentPartyCode(), QString("S"));
        QCOMPARE(box(w, "Text1(2)")->text(), QString("Socialdemokraterna"));
    }

    void lengthDisplay_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("code") << "Text1(1)"
                              << "ABCDEF"
                              << "6";
        QTest::newRow("code too long") << "Text1(1)"
                                       << "ABCDEFG"
                                       << "Fältet får bara innehålla 6 tecken";
        QTest::newRow("votes too long") << "Text1(3)"
                                        << "12345678"
                                        << "Fältet får bara innehålla 7 tecken";
        QTest::newRow("seats too long") << "Text1(4)"
                                        << "1234"
                                        << "Fältet får bara innehålla 3 tecken";
    }
    void lengthDisplay()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        frmE_PrelRes* w = open();
        QVERIFY(w);
        if (field != "Text1(4)")
            click(w, "cmdButt1(4)");
        typeInto(box(w, field), text);
        QCOMPARE(find<QLabel>(w, "lblMsg1")->text(), shown);
    }

    void pendingChangesAreFinishedFirst_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Fortsätt") << "cmdNext";
        QTest::newRow("Distrikt") << "mnuDistrikt";
    }
    void pendingChangesAreFinishedFirst()
    {
        QFETCH(QString, command);
        frmE_PrelRes* w = open();
        QVERIFY(w);
        click(w, "cmdButt1(5)");
        typeInto(box(w, "Text1(3)"), "9999");
        if (command == "cmdNext")
            click(w, command);
        else
            CouncilSession::action(w, qPrintable(command))->trigger();
        CouncilSession::settle();
        QCOMPARE(s.messages.texts(), QStringList({"Du måste avsluta den påbörjade förändringen"}));
        QVERIFY(CouncilSession::openWindow("frmE_PrelRes"));
        QCOMPARE(menuTitle(w, "mnuDistrTot"), QString("TOTALT"));
        QCOMPARE(box(w, "Text1(3)")->text(), QString("9999"));
        click(w, "cmdButt1(6)");
        QCOMPARE(roster("S"), 9999);
    }

    void keyFilters()
    {
        frmE_PrelRes* w = open();
        QVERIFY(w);
        click(w, "cmdButt1(4)");
        typeInto(box(w, "Text1(3)"), "1a2-3");
        QCOMPARE(box(w, "Text1(3)")->text(), QString("123"));
        typeInto(box(w, "Text1(4)"), "4,1");
        QCOMPARE(box(w, "Text1(4)")->text(), QString("41"));
    }

    void deletingTheLastPartyIsRefused()
    {
        s.setParties({"S:Socialdemokraterna:5000"});
        frmE_PrelRes* w = open();
        QVERIFY(w);
        click(w, "cmdButt1(7)");
        QCOMPARE(s.messages.texts(),
                 QStringList({"Du kan inte ta bort alla poster.\r\nGör ändring i stället"}));
        QCOMPARE(s.messages.shown.last().icon, MessageService::NoIcon);
        QCOMPARE(s.value("SELECT COUNT(*) FROM Partier").toInt(), 1);
    }

    void storeComputedSeats()
    {
        s.exec("UPDATE Partier SET PartiValRes = 7 WHERE PartiID = 'X'");
        frmE_PrelRes* w = open();
        QVERIFY(w);
        typeInto(box(w, "Text1(4)"), "9");
        click(w, "cmdNext");
        CouncilSession::settle();
        QWidget* result = CouncilSession::openWindow("frmED_VisaSkrivUt");
        QVERIFY(result);
        QVERIFY(QTest::qWaitForWindowActive(result));
        CouncilSession::action(result, "mnuExit")->trigger();
        CouncilSession::settle();
        w = qobject_cast<frmE_PrelRes*>(CouncilSession::openWindow("frmE_PrelRes"));
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(menuTitle(w, "mnuUpdMnd"), QString("Lagra framräknade valsit"));
        // A visit to district mode does not disturb which party the seats belong to.
        toDistricts(w);
        toTotals(w);
        CouncilSession::action(w, "mnuUpdMnd")->trigger();
        RostBer& e = engine();
        QCOMPARE(e.AntPartier(), 3);
        QStringList expected;
        for (int i = 1; i <= 3; ++i)
            expected << e.PartiID(i) + "=" + QString::number(e.PartiValRes(i));
        expected << "X=7"; // took no part: keeps its seats
        QCOMPARE(e.PartiValRes(1) + e.PartiValRes(2) + e.PartiValRes(3), 9);
        QCOMPARE(s.column("SELECT PartiID || '=' || PartiValRes FROM Partier ORDER BY Roster DESC, "
                          "PartiID"),
                 expected);
        QCOMPARE(menuTitle(w, "mnuUpdMnd"), QString(" "));
        CouncilSession::action(w, "mnuUpdMnd")->trigger(); // switched off: nothing
        QCOMPARE(s.messages.texts(), QStringList());
    }

    void failedLoadingOffersNoStaleSeats()
    {
        frmE_PrelRes* w = open();
        QVERIFY(w);
        click(w, "cmdNext");
        CouncilSession::settle();
        QWidget* result = CouncilSession::openWindow("frmED_VisaSkrivUt");
        QVERIFY(result && QTest::qWaitForWindowActive(result));
        CouncilSession::action(result, "mnuExit")->trigger();
        CouncilSession::settle();
        s.exec("UPDATE Partier SET Roster = 0 WHERE PartiID <> 'V'");
        s.exec("UPDATE Partier SET Roster = 10 WHERE PartiID = 'X'");
        w = qobject_cast<frmE_PrelRes*>(CouncilSession::openWindow("frmE_PrelRes"));
        QVERIFY(w && QTest::qWaitForWindowActive(w));
        // The list is as it was when the window opened; reopen to read the new figures.
        WindowRegistry::instance().handOver(w, "frmE_PrelRes");
        CouncilSession::settle();
        w = qobject_cast<frmE_PrelRes*>(CouncilSession::openWindow("frmE_PrelRes"));
        QVERIFY(w && QTest::qWaitForWindowActive(w));
        QCOMPARE(menuTitle(w, "mnuUpdMnd"), QString("Lagra framräknade valsit"));
        s.exec("UPDATE Partier SET Roster = 0 WHERE PartiID = 'X'");
        // One party with votes: refused after the parties were partly loaded.
        WindowRegistry::instance().handOver(w, "frmE_PrelRes");
        CouncilSession::settle();
        w = qobject_cast<frmE_PrelRes*>(CouncilSession::openWindow("frmE_PrelRes"));
        QVERIFY(w && QTest::qWaitForWindowActive(w));
        click(w, "cmdNext");
        QCOMPARE(lastMessage(), QString("Antal partier med valsit får vara lägst 2"));
        WindowRegistry::instance().handOver(w, "frmE_PrelRes");
        CouncilSession::settle();
        w = qobject_cast<frmE_PrelRes*>(CouncilSession::openWindow("frmE_PrelRes"));
        QVERIFY(w && QTest::qWaitForWindowActive(w));
        QCOMPARE(menuTitle(w, "mnuUpdMnd"), QString(" "));
    }

    // ---- districts ----

    // Typed totals are replaced by district sums only when the user agrees.
    void totalsSurviveADistrictVisit_data()
    {
        QTest::addColumn<bool>("lookAtADistrict");
        QTest::addColumn<QString>("typed"); // votes typed for S in the district
        QTest::newRow("no district chosen") << false << "";
        QTest::newRow("a district looked at") << true << "";
        QTest::newRow("replacing declined") << true << "7";
    }
    void totalsSurviveADistrictVisit()
    {
        QFETCH(bool, lookAtADistrict);
        QFETCH(QString, typed);
        s.addDistrict(1, 1, "Norra");
        frmE_PrelRes* w = open();
        QVERIFY(w);
        toDistricts(w);
        QCOMPARE(menuTitle(w, "mnuDistrTot"), QString("Distrikt"));
        QCOMPARE(menuTitle(w, "mnuExit"), QString(" "));
        QCOMPARE(menuTitle(w, "mnuUpdDistrRost"), QString("Lagra Röster"));
        QVERIFY(find(w, "Frame5")->isVisible());
        QVERIFY(!find(w, "Frame7")->isVisible());
        if (lookAtADistrict)
            chooseDistrict(w, "Norra");
        if (!typed.isEmpty())
            typeVotes(w, rowOf(w, "S"), typed);
        toTotals(w); // the question's default answer is No
        QCOMPARE(s.value("SELECT COUNT(*) FROM DistrRoster").toInt(), typed.isEmpty() ? 0 : 1);
        QCOMPARE(menuTitle(w, "mnuExit"), QString("Avsluta"));
        QVERIFY(!find(w, "Frame5")->isVisible());
        QCOMPARE(s.column("SELECT Roster FROM Partier ORDER BY PartiID"),
                 QStringList({"3000", "5000", "1000", "<null>"}));
        if (typed.isEmpty()) {
            QCOMPARE(s.messages.texts(), QStringList());
            return;
        }
        QCOMPARE(s.messages.texts(),
                 QStringList({"Distriktens summor skiljer sig från partiernas totala röster:\r\n"
                              "S: 5000 blir 7\r\n"
                              "Vill du ersätta de totala rösterna med distriktens summor?"}));
        QCOMPARE(s.messages.shown[0].buttons, MessageService::YesNo);
        QCOMPARE(s.messages.shown[0].defaultButton, MessageService::SecondButton);
    }

    void districtVotesAreStoredAndSummed()
    {
        s.addDistrict(1, 10, "Norra");
        s.addDistrict(2, 20, "Södra");
        frmE_PrelRes* w = open();
        QVERIFY(w);
        toDistricts(w);
        auto* cbo = find<QComboBox>(w, "cboDistr");
        QCOMPARE(cbo->count(), 2);
        QCOMPARE(cbo->itemText(0), QString("Norra"));
        chooseDistrict(w, "Norra");
        QVERIFY(find(w, "Frame7")->isVisible());
        QCOMPARE(w->selectedDistrictId(), 1);
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(box(w, QString("Text3(%1)").arg(i))->text(), QString("0"));
        QVERIFY(!box(w, "Text3(5)")->isVisible());
        QCOMPARE(box(w, "Text4(1)")->text(), QString("Socialdemokraterna"));
        typeVotes(w, rowOf(w, "S"), "12345678");
        QCOMPARE(find<QLabel>(w, "lblMsg1")->text(), QString("Fältet får bara innehålla 7 tecken"));
        typeVotes(w, rowOf(w, "S"), "100");
        QCOMPARE(find<QLabel>(w, "lblMsg1")->text(), QString("3"));
        typeVotes(w, rowOf(w, "M"), "40");
        // Emptying a cell shows 0.
        box(w, QString("Text3(%1)").arg(rowOf(w, "V")))->clear();
        QCOMPARE(box(w, QString("Text3(%1)").arg(rowOf(w, "V")))->text(), QString("0"));
        chooseDistrict(w, "Södra"); // stores Norra first
        QCOMPARE(s.value("SELECT Roster FROM DistrRoster WHERE PartiID='S' AND DistrID=1").toInt(),
                 100);
        // Only the cells typed in: S and M.
        QCOMPARE(s.value("SELECT COUNT(*) FROM DistrRoster WHERE DistrID=1").toInt(), 2);
        QCOMPARE(box(w, QString("Text3(%1)").arg(rowOf(w, "S")))->text(), QString("0"));
        typeVotes(w, rowOf(w, "S"), "7");
        typeVotes(w, rowOf(w, "X"), "3");
        // The same district again: stored and read back.
        chooseDistrict(w, "Södra");
        QCOMPARE(box(w, QString("Text3(%1)").arg(rowOf(w, "S")))->text(), QString("7"));
        s.messages.answers.enqueue(MessageService::AnswerYes);
        toTotals(w);
        // V has no district votes at all: its typed total stands.
        QCOMPARE(s.column("SELECT PartiID || '=' || Roster FROM Partier ORDER BY PartiID"),
                 QStringList({"M=40", "S=107", "V=1000", "X=3"}));
        QCOMPARE(gridColumn(w, "MSFlexGrid1", 0), QStringList({"V", "S", "M", "X"}));
        QCOMPARE(s.messages.texts(),
                 QStringList({"Distriktens summor skiljer sig från partiernas totala röster:\r\n"
                              "S: 5000 blir 107\r\nM: 3000 blir 40\r\nX: 0 blir 3\r\n"
                              "Vill du ersätta de totala rösterna med distriktens summor?"}));
    }

    // A district that cannot be stored or read leaves the one on screen as it was.
    void theDistrictOnScreenStaysWhenAnotherCannotBeShown()
    {
        s.addDistrict(1, 1, "Norra");
        s.addDistrict(2, 2, "Södra");
        s.exec("INSERT INTO DistrRoster (PartiID, DistrID, Roster) VALUES ('S', 1, 100)");
        frmE_PrelRes* w = open();
        QVERIFY(w);
        toDistricts(w);
        chooseDistrict(w, "Norra");
        auto* cbo = find<QComboBox>(w, "cboDistr");
        typeVotes(w, rowOf(w, "M"), "3000000000");
        chooseDistrict(w, "Södra"); // refused: not a count
        QCOMPARE(s.messages.shown.size(), 1);
        QCOMPARE(cbo->currentText(), QString("Norra"));
        QCOMPARE(w->selectedDistrictId(), 1);
        typeVotes(w, rowOf(w, "M"), "30");
        chooseDistrict(w, "Norra");
        s.exec("ALTER TABLE DistrRoster RENAME TO Borta");
        chooseDistrict(w, "Södra"); // cannot be read
        QCOMPARE(s.messages.shown.size(), 2);
        QVERIFY(s.messages.texts().last().startsWith("Distriktets röster kunde inte läsas."));
        QCOMPARE(cbo->currentText(), QString("Norra"));
        QCOMPARE(w->selectedDistrictId(), 1);
        QCOMPARE(box(w, QString("Text3(%1)").arg(rowOf(w, "S")))->text(), QString("100"));
        QCOMPARE(box(w, QString("Text3(%1)").arg(rowOf(w, "M")))->text(), QString("30"));
    }

    void votesTooLargeAreNotStored()
    {
        s.addDistrict(1, 1, "Enda");
        frmE_PrelRes* w = open();
        QVERIFY(w);
        toDistricts(w);
        chooseDistrict(w, "Enda");
        typeVotes(w, rowOf(w, "M"), "3000000000");
        toTotals(w);
        QCOMPARE(
            s.messages.texts(),
            QStringList({"Antal röster för 'M' är inget giltigt tal. Rösterna har inte lagrats."}));
        // Still in district mode with the figures on screen, nothing stored or summed.
        QCOMPARE(menuTitle(w, "mnuExit"), QString(" "));
        QVERIFY(find(w, "Frame7")->isVisible());
        QCOMPARE(QApplication::focusWidget(), box(w, QString("Text3(%1)").arg(rowOf(w, "M"))));
        QCOMPARE(s.value("SELECT COUNT(*) FROM DistrRoster").toInt(), 0);
        QCOMPARE(roster("M"), 3000);
        typeVotes(w, rowOf(w, "M"), "30");
        s.messages.answers.enqueue(MessageService::AnswerYes);
        toTotals(w);
        QCOMPARE(roster("M"), 30);
        QCOMPARE(roster("S"), 5000); // no district votes typed for it
    }

    void anUnexpectedFaultInAHandlerIsReportedAndStoresNothing()
    {
        s.addDistrict(1, 1, "Enda");
        frmE_PrelRes* w = open();
        QVERIFY(w);
        toDistricts(w);
        chooseDistrict(w, "Enda");
        typeVotes(w, rowOf(w, "S"), "70");
        typeVotes(w, rowOf(w, "M"), "3");
        box(w, QString("Text3(%1)").arg(rowOf(w, "M")))->setText("3x"); // pasted, say
        s.messages.failNextMessage = true; // the refusal of "3x" fails half-way
        toTotals(w);
        QCOMPARE(s.messages.shown.size(), 2);
        const FakeMessageService::Shown& report = s.messages.shown.last();
        QCOMPARE(report.text, QString("Programfel: ett oväntat fel avbröt åtgärden i fönstret "
                                      "'frmE_PrelRes'. Programmet fortsätter; kontrollera de "
                                      "senast inmatade uppgifterna.\r\nTestfel"));
        QCOMPARE(report.icon, MessageService::Exclamation);
        QCOMPARE(report.title, QString("Valsit Version " VALSIT_VERSION));
        // The window is still there, in district mode, and nothing was stored or summed.
        QVERIFY(w->isVisible());
        QCOMPARE(menuTitle(w, "mnuDistrTot"), QString("Distrikt"));
        QCOMPARE(s.value("SELECT COUNT(*) FROM DistrRoster").toInt(), 0);
        QCOMPARE(roster("S"), 5000);
        // The user mends the figure and carries on.
        typeVotes(w, rowOf(w, "M"), "30");
        s.messages.answers.enqueue(MessageService::AnswerYes); // the district sums replace
        toTotals(w);
        QCOMPARE(menuTitle(w, "mnuDistrTot"), QString("TOTALT"));
        QCOMPARE(roster("S"), 70);
    }

    void aPartyAddedLaterGetsAVisibleRow()
    {
        s.addDistrict(1, 1, "Enda");
        frmE_PrelRes* w = open();
        QVERIFY(w);
        toDistricts(w);
        toTotals(w);
        click(w, "cmdButt1(4)");
        typeInto(box(w, "Text1(1)"), "NY");
        typeInto(box(w, "Text1(2)"), "Nytt parti");
        typeInto(box(w, "Text1(3)"), "50");
        click(w, "cmdButt1(6)");
        QCOMPARE(s.messages.texts(), QStringList());
        toDistricts(w);
        chooseDistrict(w, "Enda");
        const int row = rowOf(w, "NY");
        QVERIFY(row > 0);
        QVERIFY(box(w, QString("Text3(%1)").arg(row))->isVisible());
        typeVotes(w, row, "60");
        s.messages.answers.enqueue(MessageService::AnswerYes);
        toTotals(w);
        QCOMPARE(s.value("SELECT Roster FROM DistrRoster WHERE PartiID='NY'").toInt(), 60);
        QCOMPARE(roster("NY"), 60);
    }

    void seventeenPartiesKeepTheVotePanelClosed()
    {
        QStringList parties;
        for (int i = 1; i <= 17; ++i)
            parties << QString("P%1:Parti %1:%2").arg(i).arg(i);
        s.setParties(parties);
        frmE_PrelRes* w = open();
        QVERIFY(w);
        toDistricts(w);
        QCOMPARE(s.messages.texts(), QStringList({"Antal partier får vara högst 16"}));
        QVERIFY(!find(w, "Frame5")->isVisible());
        QCOMPARE(menuTitle(w, "mnuDistrTot"), QString("Distrikt"));
        QCOMPARE(menuTitle(w, "mnuExit"), QString(" "));
        toTotals(w);
        QCOMPARE(menuTitle(w, "mnuExit"), QString("Avsluta"));
        QCOMPARE(roster("P17"), 17);
    }

    void registerModeAndNoDistrictChosen()
    {
        s.addDistrict(5, 2, "Alfa");
        s.addDistrict(6, 1, "Beta");
        frmE_PrelRes* w = open();
        QVERIFY(w);
        // The blank district menu of totals mode is switched off.
        CouncilSession::action(w, "mnuUpdDistr")->trigger();
        QVERIFY(!find(w, "Frame4")->isVisible());
        QCOMPARE(menuTitle(w, "mnuExit"), QString("Avsluta"));
        toDistricts(w);
        w->cboDistr_Click(-1);
        QCOMPARE(s.messages.texts(), QStringList({"Du har inte valt distrikt"}));
        CouncilSession::action(w, "mnuUpdDistr")->trigger();
        QCOMPARE(menuTitle(w, "mnuUpdDistrRost"), QString("Uppdatera Distrikt"));
        QCOMPARE(menuTitle(w, "mnuDistrTot"), QString(" "));
        QVERIFY(find(w, "Frame4")->isVisible());
        // The vote panel filled its list: the register now lists by name.
        QCOMPARE(gridColumn(w, "MSFlexGrid2", 2), QStringList({"Alfa", "Beta"}));
        QCOMPARE(w->currentDistrictId(), 5);
        QCOMPARE(markedRow(w, "MSFlexGrid2"), 1);
        // "TOTALT" does nothing in the register.
        toTotals(w);
        QVERIFY(find(w, "Frame4")->isVisible());
        click(w, "cmdButt2(4)");
        typeInto(box(w, "Text2(1)"), "3A"); // a number: digits only
        QCOMPARE(box(w, "Text2(1)")->text(), QString("3"));
        typeInto(box(w, "Text2(2)"), "Gamma");
        click(w, "cmdButt2(6)");
        QCOMPARE(s.value("SELECT COUNT(*) FROM Distrikt WHERE DistrNamn='Gamma'").toInt(), 1);
        CouncilSession::action(w, "mnuUpdRost")->trigger();
        QCOMPARE(find<QComboBox>(w, "cboDistr")->count(), 3);
        toTotals(w);
        QCOMPARE(menuTitle(w, "mnuExit"), QString("Avsluta"));
    }

    void leavingOnlyInTotalsMode()
    {
        frmE_PrelRes* w = open();
        QVERIFY(w);
        QPointer<frmE_PrelRes> alive(w);
        toDistricts(w);
        CouncilSession::action(w, "mnuExit")->trigger();
        QVERIFY(!w->close());
        CouncilSession::settle();
        QVERIFY(alive && alive->isVisible());
        toTotals(w);
        click(w, "cmdButt1(5)");
        CouncilSession::action(w, "mnuExit")->trigger();
        QCOMPARE(lastMessage(), QString("Du måste avsluta den påbörjade förändringen"));
        QVERIFY(alive && alive->isVisible());
        click(w, "cmdButt1(8)");
        CouncilSession::action(w, "mnuExit")->trigger();
        CouncilSession::settle();
        QVERIFY(!alive);
        QCOMPARE(WindowRegistry::instance().shown.last(), QString("frmA_Start"));
    }

    void closingFromTheTitleBarGoesBackToTheMainWindow()
    {
        frmE_PrelRes* w = open();
        QVERIFY(w);
        QVERIFY(w->close());
        CouncilSession::settle();
        QCOMPARE(WindowRegistry::instance().shown.last(), QString("frmA_Start"));
    }

    // The whole road from the main window and back, on the real main window.
    void fromTheMainWindowAndBack()
    {
        WindowRegistry::instance().registerWindow("frmA_Start",
                                                  [this] { return new frmA_Start(s.services); });
        s.services.screenHeight = [] { return 768; };
        AppGlobals::instance().programKat = s.db->folder();
        auto* start = qobject_cast<frmA_Start*>(s.show("frmA_Start"));
        QVERIFY(start);
        start->mnuPrelFullm_Click();
        QTest::mouseClick(start->findChild<QPushButton*>("cmdNext"), Qt::LeftButton);
        CouncilSession::settle();
        auto* w = qobject_cast<frmE_PrelRes*>(CouncilSession::openWindow("frmE_PrelRes"));
        QVERIFY(w && QTest::qWaitForWindowActive(w));
        // The main window made new engines; the template's parties have no votes yet.
        click(w, "cmdButt1(5)");
        typeInto(box(w, "Text1(3)"), "4000");
        click(w, "cmdButt1(6)");
        click(w, "cmdButt1(2)");
        click(w, "cmdButt1(5)");
        typeInto(box(w, "Text1(3)"), "2000");
        click(w, "cmdButt1(6)");
        typeInto(box(w, "Text1(4)"), "7");
        click(w, "cmdNext");
        CouncilSession::settle();
        QWidget* result = CouncilSession::openWindow("frmED_VisaSkrivUt");
        QVERIFY(result && QTest::qWaitForWindowActive(result));
        QVERIFY(result->findChild<QTextEdit*>("rtfPInfo")->toPlainText().contains("Valsit: "));
        CouncilSession::action(result, "mnuExit")->trigger();
        CouncilSession::settle();
        w = qobject_cast<frmE_PrelRes*>(CouncilSession::openWindow("frmE_PrelRes"));
        QVERIFY(w && QTest::qWaitForWindowActive(w));
        QCOMPARE(box(w, "Text1(4)")->text(), QString("7"));
        CouncilSession::action(w, "mnuUpdMnd")->trigger();
        CouncilSession::action(w, "mnuExit")->trigger();
        CouncilSession::settle();
        QVERIFY(CouncilSession::openWindow("frmA_Start"));
        QCOMPARE(s.value("SELECT SUM(PartiValRes) FROM Partier").toInt(), 7);
        QCOMPARE(SettingsStore().value("MndFullm"), QString("7"));
        QCOMPARE(SettingsStore().value("ChkNmnd"), QString("1"));
        QCOMPARE(s.messages.texts(), QStringList());
        // Back to the stand-in for the other tests.
        WindowRegistry::unload(CouncilSession::openWindow("frmA_Start"));
        WindowRegistry::instance().registerWindow("frmA_Start", [] { return new QWidget; });
    }
};

QTEST_MAIN(TestFrmEPrelRes)
#include "tst_frmE_PrelRes.moc"
