#include "Rows.h"
#include "Trelleborg2018.h"

#include "council/ValkretsBer.h"
#include "shell/EngineError.h"

#include <QtTest>

namespace {
// Seats, first divisor in tenths, threshold in hundredths of a percent, the fixed seats and
// votes per constituency ("24:3392,788|21:2982,658"; "Trelleborg" for Trelleborg 2018 from
// Valmyndigheten); then the result: fixed (+ adjustment) seats per party and constituency
// ("5 4+1 0|4+1 5 0"), how many seats were handed back, and where the result is marked as
// tied ("K1S3" fixed seat 3 of constituency 1, "H1" the first seat handed back, "U2" the
// second adjustment seat, "T P1" a party's total). A refused input gives its message
// instead of the seats.
struct Case
{
    const char* name;
    int seats, divisor, threshold;
    const char* votes;
    const char* expected;
    int handBacks;
    const char* ties;
};
const Case cases[] = {
    {"older: each constituency its own seats", 10, 14, 0, "6:510,300,200|4:100,400,300",
     "3 2 1|0 2 2", 0, ""},
    {"older: equal votes tie in a constituency", 10, 14, 0, "5:300,300,100|5:100,200,300",
     "2 2 1|1 2 2", 0, "K1S1 K1S3"},
    {"adjustment seat in the smaller constituency", 12, 12, 0, "7:60,90,680|3:120,460,740",
     "0 1 6|0+1 1+1 2", 0, ""},
    {"surplus fixed seat handed back", 10, 12, 0, "3:110,550,530|6:80,300,110", "0 2 1+1|1 3 2", 1,
     ""},
    {"hand-back to a party with no seat there yet", 15, 12, 0, "6:990,860,340|7:430,110,390",
     "3 2+2 1|4 1 2", 1, ""},
    {"adjustment seat by votes / (2n + 1)", 15, 12, 0, "4:50,180,270|9:560,330,10",
     "0+1 2 2+1|6 3 0", 0, ""},
    {"hand-back where 250 / 1,2 is above 440 / 3", 10, 12, 0, "3:250,570,550|6:440,540,470",
     "1 1 1+1|1 3 2", 1, ""},
    {"no hand-back from 2 fixed seats", 10, 12, 0, "2:240,10,200|3:320,780,500|4:290,410,730",
     "1 0 1|1 1+1 1|0 2 2", 1, ""},
    {"threshold 3 % leaves out 2,9998 %", 20, 12, 300, "9:5000,4400,600|9:5000,5001,0",
     "5 4+1 0|4+1 5 0", 0, ""},
    {"the same without a threshold", 20, 12, 0, "9:5000,4400,600|9:5000,5001,0", "5 4 0+1|4+1 5 0",
     0, ""},
    {"adjustment seat between equals is a tie", 12, 12, 300, "5:300,200,100|5:300,200,100",
     "2+1 2 1|2+1 2 1", 0, "U1"},
    {"Trelleborg 2018 (Valmyndigheten)", 51, 12, 300, "Trelleborg", "", 0, ""},
    {"refused: fixed seats not nine tenths", 51, 12, 300, "24:10,20|22:30,40",
     "Valkretsarnas fasta mandat blir tillsammans 46 mandat, men ska vara 45 mandat: nio "
     "tiondelar av 51 mandat, avrundat nedåt",
     0, ""},
    {"refused: older seats not all", 51, 14, 0, "24:10,20|21:30,40",
     "Valkretsarnas mandat blir tillsammans 45 mandat, men kommunen har 51 mandat", 0, ""},
    {"refused: 1,4 with a threshold", 10, 14, 200, "5:10,20|5:30,40",
     "Med valkretsar gäller antingen äldre regler (1,4 utan spärr) eller gällande regler (1,2 "
     "med spärr)",
     0, ""},
    {"refused: one constituency", 10, 12, 0, "9:10,20",
     "Ange minst två valkretsar (en kommun med en enda valkrets beräknas utan valkretsar)", 0, ""},
    {"refused: constituency without fixed seats", 10, 12, 0, "9:10,20|0:30,40",
     "Valkretsen K2 har inga fasta mandat", 0, ""},
};
} // namespace

// The council calculation with constituencies: both rule sets, the surplus handed back,
// the adjustment seats and their tie marks, and the published Trelleborg result.
class tst_ValkretsBer : public QObject
{
    Q_OBJECT

private:
    static ValkretsBer::Input input(const Case& t)
    {
        ValkretsBer::Input in;
        in.seats = t.seats;
        in.firstDivisorTenths = t.divisor;
        in.thresholdHundredths = t.threshold;
        const bool trelleborg = QString(t.votes) == "Trelleborg";
        const QStringList parts = QString(trelleborg ? "|" : t.votes).split(QLatin1Char('|'));
        for (int k = 0; k < parts.size(); ++k) {
            ValkretsBer::Constituency c{
                QStringLiteral("K%1").arg(k + 1), parts.at(k).section(':', 0, 0).toInt(), {}};
            for (const QString& v : parts.at(k).section(':', 1).split(','))
                c.votes.append(v.toInt());
            if (trelleborg)
                c = {c.name, Trelleborg2018::fixedSeats().at(k), Trelleborg2018::votes().at(k)};
            in.constituencies.append(c);
        }
        for (int p = 1; p <= in.constituencies.first().votes.size(); ++p)
            in.codes.append(QStringLiteral("P%1").arg(p));
        return in;
    }

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
    void allocation_data() { addRows(cases); }
    void allocation()
    {
        const Case& c = row(cases);
        ValkretsBer engine;
        try {
            const ValkretsResult& r = engine.calculate(input(c));
            QCOMPARE(seatsText(r),
                     QString(*c.expected ? c.expected : Trelleborg2018::publishedSeats()));
            QCOMPARE(int(r.handBacks.size()), c.handBacks);
            QCOMPARE(tiesText(r), QString(c.ties));
            // Every seat is given once, and a party's total is its fixed and adjustment seats.
            int all = 0;
            for (const ValkretsResult::Party& p : r.parties) {
                QCOMPARE(p.fixed + p.adjustment, p.total);
                all += p.total;
            }
            QCOMPARE(all, c.seats);
            for (const ValkretsResult::Constituency& k : r.constituencies)
                for (int s = 0; s < k.seats.size(); ++s)
                    QCOMPARE(k.seats.at(s).number, s + 1);
        } catch (const EngineError& e) {
            QCOMPARE(e.message(), QString(c.expected));
        }
    }
};

QTEST_GUILESS_MAIN(tst_ValkretsBer)
#include "tst_ValkretsBer.moc"
