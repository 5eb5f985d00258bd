// The record navigator in a real window over a copy of the template database, driven by
// clicks on its buttons as a user drives it.
#include "FakeMessageService.h"
#include "NavigatorWindow.h"
#include "TemplateCopy.h"

#include "council/CouncilEntry.h"
#include "data/DataControl.h"
#include "data/ElectionDatabase.h"
#include "editing/DAOdataCtl.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QTimer>
#include <QtTest>

namespace {
const DataSource districtQuery = CouncilEntry::districtQuery();
const DataSource partyQuery = CouncilEntry::partyQuery();
const QStringList districtFields = {"DistrID", "DistrNr", "DistrNamn"};
const QStringList partyFields = {"PartiID", "Roster", "PartiNamn"};

void exec(const QString& path, const QString& sql)
{
    ElectionDatabase db(path);
    QSqlQuery q(db.database());
    if (!q.exec(sql))
        qFatal("%s", qPrintable(sql));
}

// Districts 1..n numbered 10, 20, ... so that the list shows them in id order.
void addDistricts(const QString& path, int n)
{
    for (int i = 1; i <= n; ++i)
        exec(path, QStringLiteral("INSERT INTO Distrikt VALUES (%1, %2, 'Distrikt %1')")
                       .arg(i)
                       .arg(i * 10));
}

QStringList column(const QString& path, const QString& sql)
{
    ElectionDatabase db(path);
    QSqlQuery q(db.database());
    QStringList values;
    if (q.exec(sql))
        while (q.next())
            values << q.value(0).toString();
    return values;
}

QList<int> actions(const QString& text)
{
    QList<int> list;
    for (const QString& part : text.split(',', Qt::SkipEmptyParts))
        list << part.toInt();
    return list;
}

// Types as the keyboard does; å, ä and ö included.
void typeText(QWidget* w, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

bool lockedWhite(const QLineEdit* box)
{
    return box->isReadOnly() && box->palette().color(QPalette::Base) == QColor(255, 255, 255);
}

bool unlockedYellow(const QLineEdit* box)
{
    return !box->isReadOnly() && box->palette().color(QPalette::Base) == QColor(255, 255, 0);
}
} // namespace

class tst_DAOdataCtl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void buttonPatterns_data();
    void buttonPatterns();
    void entryControlsLockAndUnlock();
    void firstNewInEmptyTable_data();
    void firstNewInEmptyTable();
    void savingAnAdditionShowsTheNewRecord();
    void savingAChangeStaysOnTheRecord();
    void refusedSaveKeepsTheChangePending();
    void duplicateKeyIsReportedAndStaysPending();
    void deleteMovesToTheRightRecord_data();
    void deleteMovesToTheRightRecord();
    void deleteAnsweredNoDeletesNothing();
    void deleteOfLastRecordEmptiesTheSet();
    void deleteOfDistrictWithVotesIsRefused();
    void undoGivesBackTheSameNextId();
    void undoOfAChangeKeepsTheHighestId();
    void goingBackSearchesOrWalks_data();
    void goingBackSearchesOrWalks();
    void generatedTextIds_data();
    void generatedTextIds();
    void findById();
    void endDBC();
    void propertyRefusals();
    void otherErrorsShowTheirDetails();
    void actionsLetNoTimerRun();

private:
    std::unique_ptr<NavigatorWindow> makeWindow(const DataSource& source, const QString& idField,
                                                const QStringList& fields,
                                                const QString& kind = QStringLiteral("A"));

    FakeMessageService m_messages;
    std::unique_ptr<TemplateCopy> m_db;
};

void tst_DAOdataCtl::init()
{
    m_messages.reset();
    m_db = std::make_unique<TemplateCopy>();
    QVERIFY(m_db->isValid());
}

void tst_DAOdataCtl::cleanup()
{
    m_db.reset();
}

std::unique_ptr<NavigatorWindow> tst_DAOdataCtl::makeWindow(const DataSource& source,
                                                            const QString& idField,
                                                            const QStringList& fields,
                                                            const QString& kind)
{
    auto w =
        std::make_unique<NavigatorWindow>(m_messages, m_db->path(), source, idField, fields, kind);
    w->show();
    return w;
}

void tst_DAOdataCtl::buttonPatterns_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("progress");

    QTest::newRow("no records") << 0 << ""
                                << "000010000"
                                << "0 (0)" << 0;
    QTest::newRow("one record") << 1 << ""
                                << "000011010"
                                << "1 (1)" << 1;
    QTest::newRow("first of three") << 3 << ""
                                    << "001111010"
                                    << "1 (3)" << 1;
    QTest::newRow("between") << 3 << "2"
                             << "111111010"
                             << "2 (3)" << 2;
    QTest::newRow("last by next") << 3 << "2,2"
                                  << "110011010"
                                  << "3 (3)" << 3;
    QTest::newRow("last by >>|") << 3 << "3"
                                 << "110011010"
                                 << "3 (3)" << 3;
    QTest::newRow("back to first") << 3 << "3,1,1"
                                   << "001111010"
                                   << "1 (3)" << 1;
    QTest::newRow("first by |<<") << 3 << "3,0"
                                  << "001111010"
                                  << "1 (3)" << 1;
    QTest::newRow("first of two") << 2 << ""
                                  << "001111010"
                                  << "1 (2)" << 1;
    QTest::newRow("last of two") << 2 << "2"
                                 << "110011010"
                                 << "2 (2)" << 2;
    QTest::newRow("adding") << 3 << "2,4"
                            << "000000101"
                            << "Lägger till ny rad" << 2;
    QTest::newRow("adding to empty") << 0 << "4"
                                     << "000000101"
                                     << "Lägger till ny rad" << 0;
    QTest::newRow("changing") << 3 << "2,5"
                              << "000000101"
                              << "Ändring" << 2;
    QTest::newRow("change undone") << 3 << "2,5,8"
                                   << "111111010"
                                   << "2 (3)" << 2;
    QTest::newRow("addition undone") << 3 << "3,4,8"
                                     << "110011010"
                                     << "3 (3)" << 3;
    QTest::newRow("change saved") << 3 << "2,5,6"
                                  << "111111010"
                                  << "2 (3)" << 2;
    // The buttons a pattern disables cannot be clicked: "Spara" before "Ändra" does nothing
    // and "<" at the first record is not there to press.
    QTest::newRow("disabled buttons") << 3 << "6,1,8"
                                      << "001111010"
                                      << "1 (3)" << 1;
}

void tst_DAOdataCtl::buttonPatterns()
{
    QFETCH(int, records);
    QFETCH(QString, clicks);
    QFETCH(QString, pattern);
    QFETCH(QString, label);
    QFETCH(int, progress);

    addDistricts(m_db->path(), records);
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    w->navigator().StartDBC(0);
    for (int index : actions(clicks))
        w->click(index);

    QCOMPARE(w->buttonPattern(), pattern);
    QCOMPARE(w->label()->text(), label);
    QCOMPARE(w->progressBar()->value(), progress);
    QCOMPARE(w->progressBar()->maximum(), qMax(records, 1));
    QCOMPARE(m_messages.texts(), QStringList());
}

void tst_DAOdataCtl::entryControlsLockAndUnlock()
{
    addDistricts(m_db->path(), 2);
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    w->navigator().StartDBC(0);
    w->click(5); // "Ändra"
    for (int i = 1; i <= 3; ++i)
        QVERIFY(unlockedYellow(w->field(i)));
    QVERIFY(w->checkBox()->isEnabled());
    QCOMPARE(w->checkBox()->palette().color(QPalette::Window), QColor(255, 255, 0));
    // A control of another navigator's tag is left alone.
    QVERIFY(!w->otherField()->isReadOnly());
    const QColor otherBase = w->otherField()->palette().color(QPalette::Base);

    w->click(8); // "Ångra"
    for (int i = 1; i <= 3; ++i)
        QVERIFY(lockedWhite(w->field(i)));
    QVERIFY(!w->checkBox()->isEnabled());
    QCOMPARE(w->checkBox()->palette().color(QPalette::Window), QColor(255, 255, 255));
    QVERIFY(!w->otherField()->isReadOnly());
    QCOMPARE(w->otherField()->palette().color(QPalette::Base), otherBase);
}

void tst_DAOdataCtl::firstNewInEmptyTable_data()
{
    QTest::addColumn<bool>("numeric");
    QTest::newRow("numeric id") << true;
    QTest::newRow("generated text id") << false;
}

void tst_DAOdataCtl::firstNewInEmptyTable()
{
    // A new database without districts (or parties): the very first click on "Ny" must
    // start a record, with the first id, and saving it must store it.
    QFETCH(bool, numeric);
    if (!numeric)
        exec(m_db->path(), "DELETE FROM Partier");
    auto w = numeric ? makeWindow(districtQuery, "DistrID", districtFields)
                     : makeWindow(partyQuery, "PartiID", partyFields, "N");
    w->click(4); // "Ny" before any other action: this opens the navigator
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(w->navigator().IDFldTyp(), numeric ? 1 : 2);
    QCOMPARE(w->buttonPattern(), QStringLiteral("000000101"));
    QCOMPARE(w->field(1)->text(), numeric ? QStringLiteral("1") : QStringLiteral("0001"));

    typeText(w->field(2), "10");
    typeText(w->field(3), "Norra");
    w->click(6); // "Spara"
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(w->buttonPattern(), QStringLiteral("000011010"));
    QCOMPARE(w->label()->text(), QStringLiteral("1 (1)"));
    if (numeric) {
        QCOMPARE(column(m_db->path(), "SELECT DistrNamn FROM Distrikt WHERE DistrID = 1"),
                 QStringList{"Norra"});
        QCOMPARE(w->navigator().AktIDN(), 1);
    } else {
        QCOMPARE(column(m_db->path(), "SELECT PartiNamn FROM Partier WHERE PartiID = '0001'"),
                 QStringList{"Norra"});
        QCOMPARE(w->navigator().AktIDA(), QStringLiteral("0001"));
    }
}

void tst_DAOdataCtl::savingAnAdditionShowsTheNewRecord()
{
    addDistricts(m_db->path(), 3);
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    w->navigator().StartDBC(0);
    w->click(2);
    w->click(4); // "Ny"
    QCOMPARE(w->field(1)->text(), QStringLiteral("4"));
    QCOMPARE(w->field(2)->text(), QString());
    typeText(w->field(2), "15"); // sorts between the first and the second
    typeText(w->field(3), "Nya");
    w->click(6);

    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(w->navigator().AktIDN(), 4);
    QCOMPARE(w->field(3)->text(), QStringLiteral("Nya"));
    QCOMPARE(w->label()->text(), QStringLiteral("2 (4)"));
    QCOMPARE(w->buttonPattern(), QStringLiteral("111111010"));
    for (int i = 1; i <= 3; ++i)
        QVERIFY(lockedWhite(w->field(i)));
    QCOMPARE(column(m_db->path(), "SELECT DistrID FROM Distrikt ORDER BY DistrNr"),
             QStringList({"1", "4", "2", "3"}));
}

void tst_DAOdataCtl::savingAChangeStaysOnTheRecord()
{
    addDistricts(m_db->path(), 12); // more than ten: found again by a search
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    w->navigator().StartDBC(0);
    for (int i = 0; i < 4; ++i)
        w->click(2);
    QCOMPARE(w->navigator().AktIDN(), 5);
    w->click(5); // "Ändra"
    w->field(3)->selectAll();
    typeText(w->field(3), "Centrum");
    w->click(6);

    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(w->navigator().AktIDN(), 5);
    QCOMPARE(w->field(1)->text(), QStringLiteral("5"));
    QCOMPARE(w->label()->text(), QStringLiteral("5 (12)"));
    QVERIFY(lockedWhite(w->field(3)));
    QCOMPARE(column(m_db->path(), "SELECT DistrNamn FROM Distrikt WHERE DistrID = 5"),
             QStringList{"Centrum"});
}

void tst_DAOdataCtl::refusedSaveKeepsTheChangePending()
{
    addDistricts(m_db->path(), 2);
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    w->requiredField = "DistrNamn";
    w->navigator().StartDBC(0);
    w->click(4);
    typeText(w->field(2), "30");
    w->click(6); // refused: no name
    QCOMPARE(w->refusedSaves, 1);
    QVERIFY(!w->navigator().EndDBC());
    QCOMPARE(w->buttonPattern(), QStringLiteral("000000101"));
    QVERIFY(unlockedYellow(w->field(3)));
    QCOMPARE(w->field(2)->text(), QStringLiteral("30"));
    QCOMPARE(column(m_db->path(), "SELECT COUNT(*) FROM Distrikt"), QStringList{"2"});

    m_messages.reset();
    typeText(w->field(3), "Västra");
    w->click(6);
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(w->navigator().AktIDN(), 3);
    QCOMPARE(column(m_db->path(), "SELECT DistrNamn FROM Distrikt WHERE DistrID = 3"),
             QStringList{"Västra"});
    QVERIFY(w->navigator().EndDBC());
}

void tst_DAOdataCtl::duplicateKeyIsReportedAndStaysPending()
{
    auto w = makeWindow(partyQuery, "PartiID", partyFields, "E");
    w->navigator().StartDBC(0);
    w->click(4);
    QCOMPARE(w->field(1)->text(), QString()); // typed by the user
    typeText(w->field(1), "m");               // Moderaterna's code, in another case
    typeText(w->field(3), "Dubblett");
    w->click(6);

    QCOMPARE(m_messages.shown.size(), 1);
    QVERIFY(m_messages.shown[0].text.startsWith("Fel nummer: 3022\r\n"));
    QVERIFY(m_messages.shown[0].text.size() > QString("Fel nummer: 3022\r\n").size());
    QCOMPARE(m_messages.shown[0].icon, MessageService::NoIcon);
    QCOMPARE(m_messages.shown[0].buttons, MessageService::Ok);
    QCOMPARE(w->buttonPattern(), QStringLiteral("000000101"));
    QCOMPARE(w->field(3)->text(), QStringLiteral("Dubblett"));

    // The user mends the code and saves again.
    m_messages.reset();
    w->field(1)->selectAll();
    typeText(w->field(1), "NY");
    w->click(6);
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(w->navigator().AktIDA(), QStringLiteral("NY"));
    QCOMPARE(column(m_db->path(), "SELECT COUNT(*) FROM Partier"), QStringList{"9"});
}

void tst_DAOdataCtl::deleteMovesToTheRightRecord_data()
{
    QTest::addColumn<int>("moves"); // clicks on ">" before "Ta bort"
    QTest::addColumn<int>("currentAfter");
    QTest::addColumn<QString>("labelAfter");

    QTest::newRow("first: the new first") << 0 << 2 << "1 (3)";
    QTest::newRow("second: the previous") << 1 << 1 << "1 (3)";
    QTest::newRow("third: the previous") << 2 << 2 << "2 (3)";
    QTest::newRow("last: the previous") << 3 << 3 << "3 (3)";
}

void tst_DAOdataCtl::deleteMovesToTheRightRecord()
{
    QFETCH(int, moves);
    QFETCH(int, currentAfter);
    QFETCH(QString, labelAfter);

    addDistricts(m_db->path(), 4);
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    w->navigator().StartDBC(0);
    for (int i = 0; i < moves; ++i)
        w->click(2);
    const QString deleted = w->field(1)->text();
    m_messages.answers.enqueue(MessageService::AnswerYes);
    w->click(7);

    QCOMPARE(m_messages.shown.size(), 1);
    const FakeMessageService::Shown& q = m_messages.shown[0];
    QCOMPARE(q.text, QStringLiteral("Vill du fullfölja borttaget av raden?"));
    QCOMPARE(q.buttons, MessageService::YesNo);
    QCOMPARE(q.icon, MessageService::Question);
    QCOMPARE(q.defaultButton, MessageService::SecondButton);
    QCOMPARE(q.title, QStringLiteral("Valsit"));

    QCOMPARE(w->navigator().AktIDN(), currentAfter);
    QCOMPARE(w->field(1)->text(), QString::number(currentAfter));
    QCOMPARE(w->label()->text(), labelAfter);
    QVERIFY(!column(m_db->path(), "SELECT DistrID FROM Distrikt").contains(deleted));
    QCOMPARE(column(m_db->path(), "SELECT COUNT(*) FROM Distrikt"), QStringList{"3"});
}

void tst_DAOdataCtl::deleteAnsweredNoDeletesNothing()
{
    addDistricts(m_db->path(), 3);
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    w->navigator().StartDBC(0);
    w->click(2);
    w->click(7); // the fake answers with the default button: "Nej"
    QCOMPARE(w->navigator().AktIDN(), 2);
    QCOMPARE(w->label()->text(), QStringLiteral("2 (3)"));
    QCOMPARE(column(m_db->path(), "SELECT COUNT(*) FROM Distrikt"), QStringList{"3"});
}

void tst_DAOdataCtl::deleteOfLastRecordEmptiesTheSet()
{
    addDistricts(m_db->path(), 1);
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    w->navigator().StartDBC(0);
    m_messages.answers.enqueue(MessageService::AnswerYes);
    w->click(7);
    QCOMPARE(w->navigator().AktIDN(), 0);
    QCOMPARE(w->buttonPattern(), QStringLiteral("000010000"));
    QCOMPARE(w->label()->text(), QStringLiteral("0 (0)"));
    QCOMPARE(w->field(1)->text(), QString());

    // The next district still gets the next id: the highest is remembered.
    w->click(4);
    QCOMPARE(w->field(1)->text(), QStringLiteral("2"));
}

void tst_DAOdataCtl::deleteOfDistrictWithVotesIsRefused()
{
    addDistricts(m_db->path(), 2);
    exec(m_db->path(), "INSERT INTO DistrRoster VALUES ('S', 1, 100)");
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    w->navigator().StartDBC(0);
    m_messages.answers.enqueue(MessageService::AnswerYes);
    w->click(7);
    QCOMPARE(m_messages.shown.size(), 2);
    QVERIFY(m_messages.shown[1].text.startsWith("Fel nummer: 3200\r\n"));
    QCOMPARE(m_messages.shown[1].icon, MessageService::NoIcon);
    QCOMPARE(column(m_db->path(), "SELECT COUNT(*) FROM Distrikt"), QStringList{"2"});
}

void tst_DAOdataCtl::undoGivesBackTheSameNextId()
{
    addDistricts(m_db->path(), 3);
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    w->navigator().StartDBC(0);
    w->click(2);
    w->click(4);
    QCOMPARE(w->field(1)->text(), QStringLiteral("4"));
    w->click(8); // "Ångra"
    // Back on the record that was current before "Ny".
    QCOMPARE(w->navigator().AktIDN(), 2);
    QCOMPARE(w->field(1)->text(), QStringLiteral("2"));
    QCOMPARE(w->label()->text(), QStringLiteral("2 (3)"));
    w->click(4);
    QCOMPARE(w->field(1)->text(), QStringLiteral("4"));
    QCOMPARE(column(m_db->path(), "SELECT COUNT(*) FROM Distrikt"), QStringList{"3"});
}

void tst_DAOdataCtl::undoOfAChangeKeepsTheHighestId()
{
    // "Ny" and "Spara" use id 4; undoing a later change must not hand 4 out again.
    addDistricts(m_db->path(), 3);
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    w->navigator().StartDBC(0);
    w->click(4);
    typeText(w->field(2), "40");
    typeText(w->field(3), "Fjärde");
    w->click(6);
    w->click(5);
    w->click(8);
    w->click(4);
    QCOMPARE(w->field(1)->text(), QStringLiteral("5"));
    typeText(w->field(3), "Femte");
    w->click(6);
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(column(m_db->path(), "SELECT DistrID FROM Distrikt ORDER BY DistrID"),
             QStringList({"1", "2", "3", "4", "5"}));
}

void tst_DAOdataCtl::goingBackSearchesOrWalks_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("walk");

    QTest::newRow("10 records walk") << 10 << 10 << 10 << true;
    QTest::newRow("11 records search") << 11 << 11 << 11 << false;
    QTest::newRow("walk finds nothing: first") << 10 << 99 << 1 << true;
    QTest::newRow("search finds nothing: first") << 11 << 99 << 1 << false;
}

void tst_DAOdataCtl::goingBackSearchesOrWalks()
{
    QFETCH(int, records);
    QFETCH(int, target);
    QFETCH(int, current);
    QFETCH(bool, walk);

    addDistricts(m_db->path(), records);
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    w->navigator().StartDBC(0);
    w->repositions = 0;
    w->navigator().setAktIDN(target);

    QCOMPARE(w->navigator().AktIDN(), current);
    QCOMPARE(w->field(1)->text(), QString::number(current));
    QCOMPARE(w->label()->text(), QStringLiteral("%1 (%2)").arg(current).arg(records));
    // A walk passes every record up to the one sought (or all of them); a search lands
    // on the record at once, and only a miss moves on to the first record.
    if (walk)
        QVERIFY2(w->repositions >= qMin(target, records),
                 qPrintable(QString::number(w->repositions)));
    else
        QVERIFY2(w->repositions <= 2, qPrintable(QString::number(w->repositions)));
}

void tst_DAOdataCtl::generatedTextIds_data()
{
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("next");

    QTest::newRow("0ZZ") << QStringList{"001", "0ZZ"} << 3 << "100";
    QTest::newRow("ZZZ") << QStringList{"001", "ZZZ"} << 3 << "0000";
    QTest::newRow("after H comes J") << QStringList{"A0H", "001"} << 3 << "A0J";
    QTest::newRow("default length 4") << QStringList{"0009", "0001"} << 0 << "000A";
}

void tst_DAOdataCtl::generatedTextIds()
{
    QFETCH(QStringList, ids);
    QFETCH(int, length);
    QFETCH(QString, next);

    exec(m_db->path(), "DELETE FROM Partier");
    for (const QString& id : ids)
        exec(m_db->path(),
             QStringLiteral("INSERT INTO Partier (PartiID, PartiNamn) VALUES ('%1', 'P')").arg(id));
    auto w = makeWindow(partyQuery, "PartiID", partyFields, "A");
    if (length > 0)
        w->navigator().setNyttIDLngd(qint16(length));
    w->navigator().StartDBC(0);
    w->click(4);
    QCOMPARE(w->field(1)->text(), next);
    QCOMPARE(w->navigator().AktIDA(), next);
    QCOMPARE(m_messages.texts(), QStringList());
}

void tst_DAOdataCtl::findById()
{
    addDistricts(m_db->path(), 5);
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    w->navigator().StartDBC(0);
    QVERIFY(w->navigator().FindIDN(4));
    QCOMPARE(w->field(1)->text(), QStringLiteral("4"));
    QCOMPARE(w->label()->text(), QStringLiteral("4 (5)"));
    QCOMPARE(w->navigator().AktIDN(), 4);
    QVERIFY(!w->navigator().FindIDN(77));
    QCOMPARE(m_messages.texts(), QStringList{"DistrID = 77 saknas"});

    auto p = makeWindow(partyQuery, "PartiID", partyFields, "E");
    p->navigator().StartDBC(0);
    m_messages.reset();
    QVERIFY(p->navigator().FindIDA("KD"));
    QCOMPARE(p->field(3)->text(), QStringLiteral("Kristdemokraterna"));
    QVERIFY(!p->navigator().FindIDA("X'Y"));
    QCOMPARE(m_messages.texts(), QStringList{"PartiID = X'Y saknas"});
}

void tst_DAOdataCtl::endDBC()
{
    addDistricts(m_db->path(), 2);
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    w->navigator().StartDBC(0);
    QVERIFY(w->navigator().EndDBC());
    w->click(5);
    QVERIFY(!w->navigator().EndDBC());
    QCOMPARE(m_messages.texts(), QStringList{"Du måste avsluta den påbörjade förändringen"});
    QCOMPARE(m_messages.shown[0].icon, MessageService::Information);
    w->click(8);
    QVERIFY(w->navigator().EndDBC());
}

void tst_DAOdataCtl::propertyRefusals()
{
    addDistricts(m_db->path(), 1);
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    DAOdataCtl& nav = w->navigator();
    nav.setNyttIDLngd(0);
    nav.setNyttIDLngd(11);
    nav.setNyttIDTyp("X");
    QCOMPARE(m_messages.texts(),
             QStringList({"Värdet får bara vara mellan 1-10", "Värdet får bara vara mellan 1-10",
                          "Värdet får bara vara 'A', 'N' eller 'E'"}));

    m_messages.reset();
    nav.StartDBC(0);
    QCOMPARE(nav.AktIDA(), QString());
    nav.setAktIDA("1");
    QCOMPARE(nav.AktIDN(), 1);
    const QString notString = "Denna property kan inte användas\r\neftersom ID-fältet inte är "
                              "String.\r\nFörsök med property 'AktIDN' i stället";
    QCOMPARE(m_messages.texts(), QStringList({notString, notString}));

    auto p = makeWindow(partyQuery, "PartiID", partyFields, "E");
    p->navigator().StartDBC(0);
    m_messages.reset();
    QCOMPARE(p->navigator().AktIDN(), 0);
    QCOMPARE(m_messages.texts(),
             QStringList{"Denna property kan inte användas\r\neftersom ID-fältet inte är "
                         "Long.\r\nFörsök med property 'AktIDA' i stället"});
    QCOMPARE(p->navigator().AktIDA(), QStringLiteral("S"));
}

void tst_DAOdataCtl::otherErrorsShowTheirDetails()
{
    // A data control that was never given.
    DAOdataCtl bare(m_messages);
    bare.StartDBC(0);
    QCOMPARE(m_messages.texts(), QStringList{"'DBName'-property är inte korrekt"});

    // An id field the record source does not have.
    m_messages.reset();
    auto w = makeWindow(districtQuery, "DistrKod", districtFields);
    w->navigator().StartDBC(0);
    QCOMPARE(m_messages.texts(), QStringList{"'ID Fält' är inte definierat"});

    // A file that is not there: the engine's error, with the navigator's figures.
    m_messages.reset();
    NavigatorWindow missing(m_messages, m_db->filePath("Saknas.mdb"), districtQuery, "DistrID",
                            districtFields);
    missing.navigator().StartDBC(4);
    QCOMPARE(m_messages.shown.size(), 1);
    const QStringList lines = m_messages.shown[0].text.split("\r\n");
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("Fel nummer: 3024"));
    QCOMPARE(lines[1], QStringLiteral("Högsta ID= Num (0) / Alphanum ( )"));
    QCOMPARE(lines[2], QStringLiteral("Aktuellt ID= Num (0) / Alphanum ()"));
    QVERIFY(!lines[3].isEmpty());
    QCOMPARE(m_messages.shown[0].icon, MessageService::Exclamation);
    QCOMPARE(m_messages.shown[0].title, QStringLiteral("Valsit Version " VALSIT_VERSION));
    QVERIFY(QFile::exists(m_db->filePath("Saknas.mdb")) == false);
}

void tst_DAOdataCtl::actionsLetNoTimerRun()
{
    // An action runs to its end: nothing queued (a timer, a second window's work) may run
    // in the middle of one.
    addDistricts(m_db->path(), 3);
    auto w = makeWindow(districtQuery, "DistrID", districtFields);
    bool fired = false;
    QTimer::singleShot(0, w.get(), [&fired] { fired = true; });
    for (int index : {0, 2, 5, 6, 4, 8, 3})
        w->navigator().StartDBC(index);
    QVERIFY(!fired);
    QTRY_VERIFY(fired);
}

QTEST_MAIN(tst_DAOdataCtl)
#include "tst_DAOdataCtl.moc"
