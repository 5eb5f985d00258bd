#include "FakeMessageService.h"
#include "Trelleborg2018.h"

#include "council/ValkretsBer.h"
#include "shell/EngineError.h"

#include <QtTest>

// The council calculation with constituencies: both rule sets, the surplus handed back,
// the adjustment seats and their tie marks, and the published Trelleborg result.
class tst_ValkretsBer : public QObject
{
    Q_OBJECT

private:
    // "24:3392,788|21:2982,658": fixed seats and the votes of P1, P2, ... per constituency.
    static ValkretsBer::Input input(int seats, int divisor, int threshold, const QString& text)
    {
        ValkretsBer::Input in;
        in.seats = seats;
        in.firstDivisorTenths = divisor;
        in.thresholdHundredths = threshold;
        const QStringList parts = text.split(QLatin1Char('|'));
        for (int k = 0; k < parts.size(); ++k) {
            ValkretsBer::Constituency c;
            c.name = QStringLiteral("K%1").arg(k + 1);
            c.fixedSeats = parts.at(k).section(QLatin1Char(':'), 0, 0).toInt();
            const QStringList votes =
                parts.at(k).section(QLatin1Char(':'), 1).split(QLatin1Char(','));
            for (const QString& v : votes)
                c.votes.append(v.toInt());
            in.constituencies.append(c);
        }
        for (int p = 1; p <= in.constituencies.first().votes.size(); ++p)
            in.codes.append(QStringLiteral("P%1").arg(p));
        return in;
    }

    // "5 4+1 0|4+1 5 0": fixed (+ adjustment) seats per party and constituency.
    static QString seatsText(const ValkretsResult& r)
    {
        QStringList out;
        for (const ValkretsResult::Constituency& c : r.constituencies) {
            QStringList row;
            for (int p = 0; p < c.fixed.size(); ++p)
                row.append(c.adjustment.at(p) > 0
                               ? QStringLiteral("%1+%2").arg(c.fixed.at(p)).arg(c.adjustment.at(p))
                               : QString::number(c.fixed.at(p)));
            out.append(row.join(QLatin1Char(' ')));
        }
        return out.join(QLatin1Char('|'));
    }

    // Where the result is marked as tied: "K1S3" fixed seat 3 of constituency 1, "H1" the
    // first seat handed back, "U2" the second adjustment seat, "T P1" a party's total.
    static QString tiesText(const ValkretsResult& r)
    {
        QStringList out;
        for (const ValkretsResult::Party& p : r.parties)
            if (p.totalTied)
                out.append(QStringLiteral("T ") + p.code);
        for (int k = 0; k < r.constituencies.size(); ++k)
            for (const ValkretsResult::Seat& s : r.constituencies.at(k).seats)
                if (s.tied)
                    out.append(QStringLiteral("K%1S%2").arg(k + 1).arg(s.number));
        for (int h = 0; h < r.handBacks.size(); ++h)
            if (r.handBacks.at(h).tied)
                out.append(QStringLiteral("H%1").arg(h + 1));
        for (int a = 0; a < r.adjustmentSeats.size(); ++a)
            if (r.adjustmentSeats.at(a).tied)
                out.append(QStringLiteral("U%1").arg(a + 1));
        return out.join(QLatin1Char(' '));
    }

private Q_SLOTS:
    void allocation_data()
    {
        QTest::addColumn<int>("seats");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("votes");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("handBacks");
        QTest::addColumn<QString>("ties");

        QTest::newRow("older: each constituency its own seats, 1,4")
            << 10 << 14 << 0 << "6:510,300,200|4:100,400,300"
            << "3 2 1|0 2 2" << 0 << "";
        QTest::newRow("older: equal votes tie inside a constituency")
            << 10 << 14 << 0 << "5:300,300,100|5:100,200,300"
            << "2 2 1|1 2 2" << 0 << "K1S1 K1S3";
        QTest::newRow("adjustment seat in the smaller constituency")
            << 12 << 12 << 0 << "7:60,90,680|3:120,460,740"
            << "0 1 6|0+1 1+1 2" << 0 << "";
        QTest::newRow("surplus fixed seat handed back")
            << 10 << 12 << 0 << "3:110,550,530|6:80,300,110"
            << "0 2 1+1|1 3 2" << 1 << "";
        QTest::newRow("hand-back to a party with no seat there yet: 1,2")
            << 15 << 12 << 0 << "6:990,860,340|7:430,110,390" << "3 2+2 1|4 1 2" << 1 << "";
        QTest::newRow("adjustment seat by votes / (2n + 1)")
            << 15 << 12 << 0 << "4:50,180,270|9:560,330,10" << "0+1 2 2+1|6 3 0" << 0 << "";
        QTest::newRow("no hand-back from a constituency of 2 fixed seats")
            << 10 << 12 << 0 << "2:240,10,200|3:320,780,500|4:290,410,730"
            << "1 0 1|1 1+1 1|0 2 2" << 1 << "";
        QTest::newRow("threshold 3 % leaves out 2,9998 %")
            << 20 << 12 << 300 << "9:5000,4400,600|9:5000,5001,0"
            << "5 4+1 0|4+1 5 0" << 0 << "";
        QTest::newRow("the same without a threshold")
            << 20 << 12 << 0 << "9:5000,4400,600|9:5000,5001,0"
            << "5 4 0+1|4+1 5 0" << 0 << "";
        QTest::newRow("adjustment seat between equal constituencies is a tie")
            << 12 << 12 << 300 << "5:300,200,100|5:300,200,100"
            << "2+1 2 1|2+1 2 1" << 0 << "U1";
        QString trelleborg;
        for (int k = 0; k < 2; ++k) {
            QStringList votes;
            for (int v : Trelleborg2018::votes().at(k))
                votes.append(QString::number(v));
            trelleborg += QStringLiteral("%1%2:%3")
                              .arg(k == 0 ? "" : "|")
                              .arg(Trelleborg2018::fixedSeats().at(k))
                              .arg(votes.join(QLatin1Char(',')));
        }
        QTest::newRow("Trelleborg 2018 (Valmyndigheten)")
            << 51 << 12 << 300 << trelleborg << Trelleborg2018::publishedSeats() << 0 << "";
    }

    void allocation()
    {
        QFETCH(int, seats);
        QFETCH(int, divisor);
        QFETCH(int, threshold);
        QFETCH(QString, votes);
        QFETCH(QString, expected);
        QFETCH(int, handBacks);
        QFETCH(QString, ties);

        FakeMessageService messages;
        ValkretsBer engine(messages);
        const ValkretsResult& r = engine.calculate(input(seats, divisor, threshold, votes));
        QCOMPARE(seatsText(r), expected);
        QCOMPARE(int(r.handBacks.size()), handBacks);
        QCOMPARE(tiesText(r), ties);
        QVERIFY(messages.shown.isEmpty());
        // Every seat is given once, and a party's total is its fixed and adjustment seats.
        int all = 0;
        for (const ValkretsResult::Party& p : r.parties) {
            QCOMPARE(p.fixed + p.adjustment, p.total);
            all += p.total;
        }
        QCOMPARE(all, seats);
        for (const ValkretsResult::Constituency& c : r.constituencies)
            for (int s = 0; s < c.seats.size(); ++s)
                QCOMPARE(c.seats.at(s).number, s + 1);
    }

    void refusedInput_data()
    {
        QTest::addColumn<int>("seats");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("votes");
        QTest::addColumn<QString>("message");

        QTest::newRow("fixed seats not nine tenths")
            << 51 << 12 << 300 << "24:10,20|22:30,40"
            << "Valkretsarnas fasta mandat blir tillsammans 46 mandat, men ska vara 45 mandat: "
               "nio tiondelar av 51 mandat, avrundat nedåt";
        QTest::newRow("older seats not all")
            << 51 << 14 << 0 << "24:10,20|21:30,40"
            << "Valkretsarnas mandat blir tillsammans 45 mandat, men kommunen har 51 mandat";
        QTest::newRow("1,4 with a threshold")
            << 10 << 14 << 200 << "5:10,20|5:30,40"
            << "Med valkretsar gäller antingen äldre regler (1,4 utan spärr) eller gällande "
               "regler (1,2 med spärr)";
        QTest::newRow("one constituency")
            << 10 << 12 << 0 << "9:10,20"
            << "Ange minst två valkretsar (en kommun med en enda valkrets beräknas utan "
               "valkretsar)";
        QTest::newRow("constituency without fixed seats") << 10 << 12 << 0 << "9:10,20|0:30,40"
                                                          << "Valkretsen K2 har inga fasta mandat";
    }

    void refusedInput()
    {
        QFETCH(int, seats);
        QFETCH(int, divisor);
        QFETCH(int, threshold);
        QFETCH(QString, votes);
        QFETCH(QString, message);

        FakeMessageService messages;
        ValkretsBer engine(messages);
        try {
            engine.calculate(input(seats, divisor, threshold, votes));
            QFAIL("no error");
        } catch (const EngineError& e) {
            QCOMPARE(e.message(), message);
        }
    }
};

QTEST_GUILESS_MAIN(tst_ValkretsBer)
#include "tst_ValkretsBer.moc"
