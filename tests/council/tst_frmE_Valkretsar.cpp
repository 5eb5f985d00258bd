// A municipality with constituencies driven as a user would: constituencies registered in
// their window, the districts placed, the fixed-seats check of the vote entry, and the
// Trelleborg 2018 result (Valmyndigheten's votes) on screen and in a PDF.
#include "PdfReadBack.h"
#include "CouncilSession.h"
#include "Trelleborg2018.h"

#include "council/ImportedVotes.h"
#include "council/PublishedSeats.h"
#include "council/ResultImport.h"
#include "council/RostBer.h"
#include "council/ValkretsBer.h"
#include "council/ValkretsStore.h"
#include "council/ui/frmE_PrelRes.h"
#include "council/ui/frmE_Valkretsar.h"
#include "data/DbError.h"
#include "data/ResultFileReader.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

class tst_frmE_Valkretsar : public QObject
{
    Q_OBJECT

private:
    CouncilSession s;

    int tableCount()
    {
        return s.value("SELECT count(*) FROM sqlite_master WHERE name = 'Valkretsar'").toInt();
    }
    frmE_Valkretsar* openValkretsar()
    {
        return qobject_cast<frmE_Valkretsar*>(s.show("frmE_Valkretsar"));
    }
    static void place(frmE_Valkretsar* w, int row, int index)
    {
        QComboBox* choice = w->cboValkrets(row);
        choice->setCurrentIndex(index);
        Q_EMIT choice->activated(index);
    }
    static void proceed(frmE_PrelRes* w, const QString& seats)
    {
        auto* box = w->findChild<QLineEdit*>("Text1(4)");
        box->setText(seats);
        QTest::mouseClick(w->findChild<QPushButton*>("cmdNext"), Qt::LeftButton);
        CouncilSession::settle();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        s.initTestCase();
    }
    void init()
    {
        QVERIFY(s.init());
        const QStringList codes = Trelleborg2018::codes();
        QStringList parties;
        for (int p = 0; p < codes.size(); ++p)
            parties.append(QString("%1:%1:%2")
                               .arg(codes.at(p))
                               .arg(Trelleborg2018::votes().at(0).at(p) +
                                    Trelleborg2018::votes().at(1).at(p)));
        s.setParties(parties);
        s.addDistrict(1, 1, "Första");
        s.addDistrict(2, 2, "Andra");
        for (int k = 0; k < 2; ++k)
            for (int p = 0; p < codes.size(); ++p)
                s.exec("INSERT INTO DistrRoster (PartiID, DistrID, Roster) VALUES (?, ?, ?)",
                       {codes.at(p), k + 1, Trelleborg2018::votes().at(k).at(p)});
    }
    void cleanup() { s.cleanup(); }

    void firstChangeCreatesTheTableInItsTransaction()
    {
        ValkretsStore store(s.db->path());
        QVERIFY(!store.hasConstituencies());
        QCOMPARE(tableCount(), 0); // reading leaves an older file as it was
        QVERIFY_THROWS_EXCEPTION(DbError, store.add(QString(51, 'x'), 24));
        QCOMPARE(tableCount(), 0); // the failed change took the new table with it
        QCOMPARE(store.add("Norra", 24), 1);
        QCOMPARE(tableCount(), 1);
    }

    // Valmyndigheten's own file of Trelleborg 2018: the import registers the constituencies
    // and places every district, and the calculation gives the published seats.
    void importBringsTheConstituencies()
    {
        const ResultFile file =
            ResultFileReader::read(VALSIT_TEST_DATA "/valmyndigheten/slutresultat_1287K.xml");
        ResultImport::apply(s.db->path(), ImportedVotes::from(file));
        ValkretsStore store(s.db->path());
        QCOMPARE(store.constituencies().size(), 2);
        for (const ValkretsStore::Placement& p : store.placements())
            QVERIFY2(p.valkretsId > 0, qPrintable(p.name));
        ValkretsBer::Input in;
        in.seats = 51;
        for (const ImportedVotes::Party& p : ImportedVotes::from(file).parties)
            in.codes.append(p.code);
        in.constituencies = store.votes(in.codes);
        FakeMessageService messages;
        ValkretsBer engine(messages);
        const ValkretsResult& r = engine.calculate(in);
        for (int k = 0; k < 2; ++k)
            for (int p = 0; p < in.codes.size(); ++p) {
                const ResultFile::Constituency& published = file.constituencies.at(k);
                const QString& code = in.codes.at(p);
                QCOMPARE(r.constituencies.at(k).fixed.at(p) +
                             r.constituencies.at(k).adjustment.at(p),
                         published.seats.value(code));
                QCOMPARE(r.constituencies.at(k).adjustment.at(p),
                         published.adjustmentSeats.value(code));
            }
        // The published seats are kept with the election for the report to compare.
        QCOMPARE(PublishedSeats::load(s.db->path()).comparison(r),
                 QStringList{"Beräkningen stämmer med Valmyndighetens fördelning per valkrets."});
        ValkretsResult moved = r;
        ++moved.constituencies[0].fixed[0];
        --moved.constituencies[1].fixed[0];
        QCOMPARE(PublishedSeats::load(s.db->path()).comparison(moved).first().left(42),
                 QString("AVVIKER från Valmyndighetens fördelning: S"));
        // A file without constituencies takes them away again.
        ResultFile plain = file;
        plain.constituencies.clear();
        for (ResultFile::District& d : plain.districts)
            d.constituency.clear();
        ResultImport::apply(s.db->path(), ImportedVotes::from(plain));
        QVERIFY(!store.hasConstituencies());
    }

    void registerTwoConstituenciesAndGetTrelleborg()
    {
        frmE_Valkretsar* w = openValkretsar();
        QVERIFY(w);
        s.messages.inputs << QString("Trelleborgs Första") << QString("24")
                          << QString("Trelleborgs Andra") << QString("x");
        QTest::mouseClick(w->findChild<QPushButton*>("cmdNyValkrets"), Qt::LeftButton);
        QTest::mouseClick(w->findChild<QPushButton*>("cmdNyValkrets"), Qt::LeftButton);
        QCOMPARE(s.messages.texts().last(),
                 QString("Ange de fasta mandaten som ett heltal mellan 1 och 350"));
        s.messages.inputs << QString("Trelleborgs Andra") << QString("22");
        QTest::mouseClick(w->findChild<QPushButton*>("cmdNyValkrets"), Qt::LeftButton);
        QCOMPARE(w->tblValkretsar()->rowCount(), 2);
        // The fixed seats are corrected in the table: a bad figure is refused and not stored.
        w->tblValkretsar()->item(1, 2)->setText("0");
        QCOMPARE(s.messages.texts().last(),
                 QString("Ange de fasta mandaten som ett heltal mellan 1 och 350"));
        w->tblValkretsar()->item(1, 2)->setText("21");
        CouncilSession::settle();
        QCOMPARE(s.value("SELECT FastaMandat FROM Valkretsar WHERE ValkretsID = 2").toInt(), 21);
        // The districts by name: Andra, Första. Only Första is placed at first.
        place(w, 1, 1);
        QVERIFY2(w->lblSumma()->text().startsWith("Fasta mandat tillsammans: 45."),
                 qPrintable(w->lblSumma()->text()));
        QVERIFY(w->lblSumma()->text().endsWith("1 distrikt saknar valkrets."));
        CouncilSession::action(w, "mnuExit")->trigger();
        CouncilSession::settle();

        auto* entry = qobject_cast<frmE_PrelRes*>(CouncilSession::openWindow("frmE_PrelRes"));
        QVERIFY(entry);
        QCOMPARE(entry->windowTitle(), QString("Valsit - Preliminär Fullmäktige (med valkretsar)"));
        QCOMPARE(entry->findChild<QComboBox*>("cboRegler")->currentText(),
                 QString("Gällande regler (från 2018): 1,2 och spärr 3 %"));
        // The district left out would lose its votes: refused before any calculation.
        proceed(entry, "51");
        QCOMPARE(s.messages.texts().last(),
                 QString("Mandaten kan inte fördelas med valkretsar: Distriktet Andra har röster "
                         "men hör inte till någon valkrets. Välj dess valkrets under Valkretsar."));
        CouncilSession::action(entry, "mnuValkretsar")->trigger();
        CouncilSession::settle();
        w = qobject_cast<frmE_Valkretsar*>(CouncilSession::openWindow("frmE_Valkretsar"));
        QVERIFY(w);
        place(w, 0, 2);
        CouncilSession::action(w, "mnuExit")->trigger();
        CouncilSession::settle();
        entry = qobject_cast<frmE_PrelRes*>(CouncilSession::openWindow("frmE_PrelRes"));
        QVERIFY(entry);
        proceed(entry, "52");
        QCOMPARE(s.messages.texts().last(),
                 QString("Mandaten kan inte fördelas med valkretsar: Valkretsarnas fasta mandat "
                         "blir tillsammans 45 mandat, men ska vara 46 mandat: nio tiondelar av "
                         "52 mandat, avrundat nedåt"));
        QVERIFY(CouncilSession::openWindow("frmE_PrelRes"));

        const int shown = int(s.messages.shown.size());
        proceed(entry, "51");
        QWidget* result = CouncilSession::openWindow("frmED_VisaSkrivUt");
        QVERIFY(result);
        QCOMPARE(int(s.messages.shown.size()), shown);
        const QString text = result->findChild<QTextEdit*>("rtfPInfo")->toPlainText();
        QVERIFY2(text.contains("Under spärren, utan mandat: V (2,99 %)"), qPrintable(text));
        QVERIFY(text.contains("Valkrets Trelleborgs Andra: 21 fasta mandat\nParti\tRöster\t"
                              "Mandat\tValsit\nSD\t3152\t5\t"));
        QVERIFY(text.contains("SÖS\t4\tTrelleborgs Andra\n"));
        QVERIFY(text.contains("Summa\t28591\t45\t6\t51"));
        QCOMPARE(s.services.council->PartiValRes(1), 13); // SD, the largest

        QTemporaryDir dir;
        const QString pdf = dir.filePath("valkretsar.pdf");
        s.messages.saveFiles << pdf;
        CouncilSession::action(result, "mnuSparaPdf")->trigger();
        const QString paper = PdfReadBack::pages(pdf).join("\n");
        QVERIFY2(paper.contains("Valkrets Trelleborgs Första: 24 fasta mandat"), qPrintable(paper));
        QVERIFY(paper.contains("Under spärren, utan mandat: V (2,99 %)"));
        QVERIFY(paper.contains("Utjämningsmandat"));
        QVERIFY(paper.contains("Trelleborgs Andra"));
    }
};

QTEST_MAIN(tst_frmE_Valkretsar)
#include "tst_frmE_Valkretsar.moc"
