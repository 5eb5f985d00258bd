// The lot in the committee result window: a deciding tie settled by the program or by
// hand, and the report after it on screen and in the PDF.
#include "CouncilSession.h"
#include "FixedRandom.h"

#include "PdfReadBack.h"

#include "committee/ValsitBer.h"
#include "committee/ui/CommitteeWindows.h"
#include "committee/ui/frmD_VisaSkrivUt.h"
#include "seats/ui/LotDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

class tst_CommitteeLots : public QObject
{
    Q_OBJECT

private:
    CouncilSession s;
    FixedRandom random;

    static void load(const QList<int>& seats)
    {
        ValsitBer& e = *CouncilSession::current().services.committee;
        for (int i = 0; i < seats.size(); ++i) {
            e.setPartiID(i + 1, QStringLiteral("P%1").arg(i + 1));
            e.setPartiNamn(i + 1, QStringLiteral("Parti %1").arg(i + 1));
            e.setPartiValRes(i + 1, seats[i]);
        }
        e.setAntPartier(int(seats.size()));
        e.setAntValsit(5);
        e.setSamvSW(0, 0);
    }
    frmD_VisaSkrivUt* openResult()
    {
        auto* w = qobject_cast<frmD_VisaSkrivUt*>(s.show("frmD_VisaSkrivUt"));
        return w && QTest::qWaitFor([w] { return w->runs() == 1; }) ? w : nullptr;
    }
    static QString report(QWidget* w)
    {
        return w->findChild<QTextEdit*>("rtfPInfo")->toPlainText();
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

    void lotDecidesTheSeats_data()
    {
        QTest::addColumn<bool>("byProgram");
        QTest::addColumn<QString>("lotLine");
        // The draw 0, 0 orders P1, P2, P3 as P2, P3, P1: seats 4 and 5 to P2 and P3.
        QTest::newRow("by the program")
            << true << "Plats 4: lotten gav platsen till P2, dragen av programmet 2026-09-13 00:00";
        QTest::newRow("by hand") << false
                                 << "Plats 4: lotten gav platsen till P2, dragen för hand av "
                                    "Eva Ek 2026-09-13 00:00 (i valnämnden)";
    }
    void lotDecidesTheSeats()
    {
        QFETCH(bool, byProgram);
        QFETCH(QString, lotLine);
        load({6, 4, 2});
        frmD_VisaSkrivUt* w = openResult();
        QVERIFY(w);
        QVERIFY2(report(w).contains("Platserna 4–5: lika jämförelsetal för P1, P2 och P3; lotten "
                                    "avgör vilka 2 av 3 som får platserna"),
                 qPrintable(report(w)));

        random.values = {0, 0};
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<LotDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            answered = true;
            if (byProgram) {
                dialog->findChild<QPushButton*>("cmdProgram")->click();
                return;
            }
            dialog->findChild<QComboBox*>("cboSeat(0)")->setCurrentIndex(1);
            dialog->findChild<QComboBox*>("cboSeat(1)")->setCurrentIndex(2);
            dialog->findChild<QLineEdit*>("txtDragenAv")->setText("Eva Ek");
            dialog->findChild<QLineEdit*>("txtAnteckning")->setText("i valnämnden");
            dialog->findChild<QPushButton*>("cmdSpara")->click();
        });
        CouncilSession::action(w, "mnuLottning")->trigger();
        QVERIFY(answered);
        QCOMPARE(s.messages.texts(), QStringList());
        QCOMPARE(w->runs(), 2);
        const QString after = report(w);
        QVERIFY2(after.contains("Valsamverkan - A"), qPrintable(after)); // the same run
        QVERIFY(after.contains("Parti 1\t Antal: 2\tValsit: 1\t3\t\n"));
        QVERIFY(after.contains("Parti 3\t Antal: 1\tValsit: 5*\t\n"));
        QVERIFY(after.contains(lotLine));
        QCOMPARE(s.value("SELECT COUNT(*) FROM Lottning").toInt(), 2);

        s.messages.saveFiles.enqueue(s.db->filePath("lott.pdf"));
        CouncilSession::action(w, "mnuSparaPdf")->trigger();
        const QString pdf = PdfReadBack::pages(s.db->filePath("lott.pdf")).join('\n');
        QVERIFY2(pdf.contains("Lottning:") && pdf.contains("avgjort genom lottning") &&
                     pdf.contains("Plats 5: lotten gav platsen till P3"),
                 qPrintable(pdf));
    }
};

QTEST_MAIN(tst_CommitteeLots)
#include "tst_CommitteeLots.moc"
