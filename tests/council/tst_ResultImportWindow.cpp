// "Hämta valresultat…" in the vote entry window, on Valmyndigheten's file for Älvkarleby
// 2018 (source Valmyndigheten): a bad file and a "Nej" leave the database byte for byte as
// it was; a "Ja" brings the parties, districts and seats, which the window then shows.
#include "CouncilSession.h"

#include "council/RostBer.h"
#include "council/ui/frmE_PrelRes.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>
#include <QtTest>

class tst_ResultImportWindow : public QObject
{
    Q_OBJECT

private:
    CouncilSession s;

    QByteArray database() const
    {
        QFile file(s.db->path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void import(QWidget* w, const QString& file)
    {
        s.messages.files.enqueue(file);
        CouncilSession::action(w, "mnuHamtaValresultat")->trigger();
    }

private Q_SLOTS:
    void initTestCase() { s.initTestCase(); }
    void init() { QVERIFY(s.init()); }
    void cleanup() { s.cleanup(); }

    void refusedOrDeclinedChangesNothing()
    {
        QWidget* w = s.show("frmE_PrelRes");
        QVERIFY(w);
        const QByteArray before = database();

        const QString bad = s.db->filePath("riksdag.xml");
        QFile real(VALSIT_TEST_DATA "/valmyndigheten/slutresultat_0319K.xml");
        QVERIFY(real.open(QIODevice::ReadOnly));
        QFile out(bad);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(
            real.readAll().replace("VALTYP=\"Kommunfullm\xe4ktigval\"", "VALTYP=\"Riksdagsval\""));
        out.close();
        import(w, bad);
        QCOMPARE(s.messages.texts().size(), 1);
        QVERIFY(
            s.messages.texts().first().startsWith("Filen gäller inte val till kommunfullmäktige"));
        QVERIFY(s.messages.texts().first().endsWith("\nIngenting har ändrats."));

        s.messages.reset();
        s.messages.answers.enqueue(MessageService::AnswerNo);
        import(w, VALSIT_TEST_DATA "/valmyndigheten/slutresultat_0319K.xml");
        QCOMPARE(s.messages.shown.size(), 1);
        const QString summary = s.messages.shown.first().text;
        QVERIFY(summary.startsWith(
            "Älvkarleby kommun (0319), val 2018-09-09, slutlig rösträkning.\nMandat att fördela: "
            "31."));
        QVERIFY(summary.contains("\nValdistrikt: 7 av 7 räknade, därav 1 uppsamlingsdistrikt.\n"));
        QCOMPARE(s.messages.shown.first().defaultButton, MessageService::SecondButton);
        QCOMPARE(database(), before);
    }

    void acceptedBringsTheElection()
    {
        QWidget* w = s.show("frmE_PrelRes");
        QVERIFY(w);
        s.messages.answers.enqueue(MessageService::AnswerYes);
        import(w, VALSIT_TEST_DATA "/valmyndigheten/slutresultat_0319K.xml");
        QCOMPARE(s.messages.texts().last(),
                 QString("Valresultatet för Älvkarleby är hämtat: 11 partier och 7 valdistrikt."));
        QCOMPARE(s.services.council->AntValsit(), 31);
        QCOMPARE(s.value("SELECT SUM(Roster) FROM DistrRoster").toInt(), 6107);
        QCOMPARE(s.value("SELECT Roster FROM Partier WHERE PartiID = 'ÖVR'").toInt(), 11);
        const QAbstractItemModel* list = w->findChild<QTableView*>("MSFlexGrid1")->model();
        QCOMPARE(list->rowCount(), 11);
        QCOMPARE(list->index(0, 1).data().toString(), QString("2325"));

        // The report sets Valmyndigheten's seats beside the calculated ones.
        QTest::mouseClick(w->findChild<QPushButton*>("cmdNext"), Qt::LeftButton);
        CouncilSession::settle();
        QWidget* report = CouncilSession::openWindow("frmED_VisaSkrivUt");
        QVERIFY(report);
        QTRY_VERIFY(report->findChild<QTextEdit*>("rtfPInfo")
                        ->toPlainText()
                        .contains("Mandat enligt Valmyndigheten: S 11, SD 6, M 4, KV 3, C 2, V 2, "
                                  "KD 1, MP 1, L 1\n"
                                  "Beräkningen stämmer med Valmyndighetens fördelning."));
    }
};

QTEST_MAIN(tst_ResultImportWindow)
#include "tst_ResultImportWindow.moc"
