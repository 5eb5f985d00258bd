#include "council/ValkretsBer.h"

#include "council/CouncilInput.h"
#include "shell/EngineError.h"

#include <limits>

namespace {

// votes / divisor with the divisor as num / den, compared without rounding.
struct Quotient
{
    qint64 votes = 0;
    qint64 num = 1;
    qint64 den = 1;

    double value() const { return double(votes) * double(den) / double(num); }
    int compare(const Quotient& other) const
    {
        const qint64 mine = votes * den * other.num;
        const qint64 theirs = other.votes * other.den * num;
        return mine < theirs ? -1 : mine > theirs ? 1 : 0;
    }
};

// A party's next comparison number for a fixed seat with `seats` won: 1,2 first, then 3, 5 ...
Quotient fixedQuotient(qint32 votes, int seats)
{
    return seats == 0 ? Quotient{votes, 6, 5} : Quotient{votes, 2 * qint64(seats) + 1, 1};
}

QString seatsText(int n)
{
    return n == 1 ? QStringLiteral("1 mandat") : QStringLiteral("%1 mandat").arg(n);
}

} // namespace

QString ValkretsBer::check(const Input& input)
{
    const int parties = int(input.codes.size());
    if (input.seats < 5 || input.seats > 350)
        return QStringLiteral("Antal mandat ska vara mellan 5 och 350, inte %1").arg(input.seats);
    if (parties < 2 || parties > 16)
        return QStringLiteral("Antal partier ska vara mellan 2 och 16, inte %1").arg(parties);
    if (input.firstDivisorTenths != 12 && input.firstDivisorTenths != 14)
        return QStringLiteral("Första divisor ska vara 1,4 eller 1,2");
    if (input.firstDivisorTenths == 14 && input.thresholdHundredths != 0)
        return QStringLiteral("Med valkretsar gäller antingen äldre regler (1,4 utan spärr) eller "
                              "gällande regler (1,2 med spärr)");
    if (input.constituencies.size() < 2)
        return QStringLiteral("Ange minst två valkretsar (en kommun med en enda valkrets "
                              "beräknas utan valkretsar)");
    qint64 allVotes = 0;
    int fixed = 0;
    for (const Constituency& c : input.constituencies) {
        if (c.name.trimmed().isEmpty())
            return QStringLiteral("En valkrets saknar namn");
        if (c.fixedSeats < 1)
            return QStringLiteral("Valkretsen %1 har inga fasta mandat").arg(c.name);
        if (c.votes.size() != parties)
            return QStringLiteral("Valkretsen %1 saknar röster för något parti").arg(c.name);
        for (qint32 v : c.votes) {
            if (v < 0)
                return QStringLiteral("Valkretsen %1 har ett negativt antal röster").arg(c.name);
            allVotes += v;
        }
        fixed += c.fixedSeats;
    }
    if (allVotes == 0)
        return QStringLiteral("Valkretsarna har inga röster: rösterna räknas per distrikt, och "
                              "varje distrikt hör till en valkrets");
    if (allVotes > std::numeric_limits<qint32>::max())
        return QStringLiteral("För många röster");
    const ValkretsResult::Rules rules = rulesOf(input.firstDivisorTenths);
    const int wanted = fixedSeatsFor(rules, input.seats);
    if (fixed != wanted) {
        if (rules == ValkretsResult::Rules::Older)
            return QStringLiteral("Valkretsarnas mandat blir tillsammans %1, men kommunen har %2")
                .arg(seatsText(fixed), seatsText(input.seats));
        return QStringLiteral("Valkretsarnas fasta mandat blir tillsammans %1, men ska vara %2: "
                              "nio tiondelar av %3, avrundat nedåt")
            .arg(seatsText(fixed), seatsText(wanted), seatsText(input.seats));
    }
    return QString();
}

const ValkretsResult& ValkretsBer::calculate(const Input& input)
{
    const QString problem = check(input);
    if (!problem.isEmpty())
        throw EngineError(problem);
    start(input);
    if (m_result.rules == ValkretsResult::Rules::Older) {
        shareOlder();
    } else {
        shareCurrent();
        handBackSurplus();
        placeAdjustmentSeats();
    }
    for (ValkretsResult::Party& party : m_result.parties)
        party.adjustment = party.total - party.fixed;
    return m_result;
}

void ValkretsBer::start(const Input& input)
{
    const int parties = int(input.codes.size());
    m_result = ValkretsResult();
    m_result.rules = rulesOf(input.firstDivisorTenths);
    m_result.seats = input.seats;
    m_result.firstDivisorTenths = input.firstDivisorTenths;
    m_result.thresholdHundredths =
        m_result.rules == ValkretsResult::Rules::Older ? 0 : input.thresholdHundredths;
    m_result.parties.resize(parties);
    for (int p = 0; p < parties; ++p) {
        m_result.parties[p].code = input.codes.at(p);
        // The valid votes of no party count in the threshold but take no seat.
        m_result.parties[p].others = CouncilInput::isOthersLine(input.codes.at(p));
        m_result.parties[p].takesPart = !m_result.parties[p].others;
        m_result.parties[p].name = input.names.value(p);
    }
    for (const Constituency& in : input.constituencies) {
        ValkretsResult::Constituency c;
        c.name = in.name;
        c.fixedSeats = in.fixedSeats;
        c.votes = in.votes;
        c.fixed.fill(0, parties);
        c.adjustment.fill(0, parties);
        c.seats.resize(in.fixedSeats);
        m_result.constituencies.append(c);
        for (int p = 0; p < parties; ++p)
            m_result.parties[p].votes += in.votes.at(p);
    }
    m_result.adjustmentSeats.reserve(input.seats);
    m_result.handBacks.reserve(input.seats);
    m_votes.resize(parties);
    m_codes.resize(parties);
}

// The constituency's fixed seats among the given parties, by its votes.
void ValkretsBer::shareConstituency(int k, int firstDivisorTenths, const QVector<int>& parties)
{
    ValkretsResult::Constituency& c = m_result.constituencies[k];
    const int n = int(parties.size());
    for (int j = 0; j < n; ++j) {
        m_votes[j] = c.votes.at(parties.at(j));
        m_codes[j] = m_result.parties.at(parties.at(j)).code;
    }
    const SeatResult& share = m_share.share(m_votes.constData(), m_codes.constData(), n,
                                            c.fixedSeats, firstDivisorTenths, 0);
    for (int j = 0; j < n; ++j) {
        const SeatResult::List& list = share.lists[j + 1];
        const int p = parties.at(j);
        c.fixed[p] = list.seatCount;
        m_result.parties[p].fixed += list.seatCount;
        for (int m = 1; m <= list.seatCount; ++m) {
            ValkretsResult::Seat& seat = c.seats[list.seat[m] - 1];
            seat.number = list.seat[m];
            seat.party = p;
            seat.value = share.winningNumber[list.seat[m]];
            seat.tied = list.tied[m];
        }
    }
}

void ValkretsBer::shareOlder()
{
    QVector<int> all(m_result.parties.size());
    for (int p = 0; p < all.size(); ++p)
        all[p] = p;
    for (int k = 0; k < m_result.constituencies.size(); ++k)
        shareConstituency(k, 14, all);
    for (ValkretsResult::Party& party : m_result.parties)
        party.total = party.fixed;
}

void ValkretsBer::shareCurrent()
{
    const int parties = int(m_result.parties.size());
    for (int p = 0; p < parties; ++p) {
        m_votes[p] = qint32(m_result.parties.at(p).votes);
        m_codes[p] = m_result.parties.at(p).code;
    }
    const SeatResult& whole = m_share.share(m_votes.constData(), m_codes.constData(), parties,
                                            m_result.seats, 12, m_result.thresholdHundredths);
    QVector<int> takingPart;
    for (int p = 0; p < parties; ++p) {
        ValkretsResult::Party& party = m_result.parties[p];
        const SeatResult::List& list = whole.lists[p + 1];
        party.takesPart = list.eligible;
        party.total = list.seatCount;
        party.totalTied = list.seatCount > 0 && list.tied[list.seatCount];
        if (party.takesPart)
            takingPart.append(p);
    }
    for (int k = 0; k < m_result.constituencies.size(); ++k)
        shareConstituency(k, 12, takingPart);
}

// A party with more fixed seats than its total gives one back at a time: the fixed seat
// it won with its lowest comparison number, in a constituency of at least 3 fixed seats,
// goes to the party with the highest comparison number there among those still short of
// their total.
void ValkretsBer::handBackSurplus()
{
    QVector<ValkretsResult::Party>& parties = m_result.parties;
    const int constituencies = int(m_result.constituencies.size());
    for (int p = 0; p < parties.size(); ++p) {
        while (parties.at(p).fixed > parties.at(p).total) {
            int from = -1;
            Quotient lowest;
            bool tied = false;
            for (int k = 0; k < constituencies; ++k) {
                const ValkretsResult::Constituency& c = m_result.constituencies.at(k);
                if (c.fixedSeats < 3 || c.fixed.at(p) == 0)
                    continue;
                const Quotient q = fixedQuotient(c.votes.at(p), c.fixed.at(p) - 1);
                const int order = from < 0 ? -1 : q.compare(lowest);
                if (order == 0)
                    tied = true;
                if (order < 0) {
                    from = k;
                    lowest = q;
                    tied = false;
                }
            }
            if (from < 0)
                throw EngineError(QStringLiteral("%1 har fler fasta mandat än mandat totalt, men "
                                                 "inget av dem kan lämnas tillbaka")
                                      .arg(parties.at(p).code));
            ValkretsResult::Constituency& c = m_result.constituencies[from];
            int to = -1;
            Quotient highest;
            bool toTied = false;
            for (int q = 0; q < parties.size(); ++q) {
                if (q == p || !parties.at(q).takesPart ||
                    parties.at(q).fixed >= parties.at(q).total)
                    continue;
                const Quotient number = fixedQuotient(c.votes.at(q), c.fixed.at(q));
                const int order = to < 0 ? 1 : number.compare(highest);
                if (order == 0)
                    toTied = true;
                if (order > 0) {
                    to = q;
                    highest = number;
                    toTied = false;
                }
            }
            if (to < 0)
                throw EngineError(QStringLiteral("Inget parti kan ta emot %1s överskjutande mandat")
                                      .arg(parties.at(p).code));
            tied = tied || toTied;
            // The seat handed back is the party's last one there, and keeps its number.
            for (int s = int(c.seats.size()) - 1; s >= 0; --s) {
                ValkretsResult::Seat& seat = c.seats[s];
                if (seat.party != p)
                    continue;
                m_result.handBacks.append(
                    {from, seat.number, p, to, seat.value, highest.value(), tied});
                seat.party = to;
                seat.value = highest.value();
                seat.tied = tied;
                seat.handedBack = true;
                break;
            }
            --c.fixed[p];
            ++c.fixed[to];
            --parties[p].fixed;
            ++parties[to].fixed;
        }
    }
}

// Each adjustment seat goes, one at a time, where the party's votes divided by (2n + 1)
// are highest, n being the seats it already has in that constituency.
void ValkretsBer::placeAdjustmentSeats()
{
    const int constituencies = int(m_result.constituencies.size());
    for (int p = 0; p < m_result.parties.size(); ++p) {
        const int toPlace = m_result.parties.at(p).total - m_result.parties.at(p).fixed;
        for (int a = 0; a < toPlace; ++a) {
            int best = -1;
            Quotient highest;
            bool tied = false;
            for (int k = 0; k < constituencies; ++k) {
                const ValkretsResult::Constituency& c = m_result.constituencies.at(k);
                const Quotient q{c.votes.at(p), 2 * qint64(c.fixed.at(p) + c.adjustment.at(p)) + 1,
                                 1};
                const int order = best < 0 ? 1 : q.compare(highest);
                if (order == 0)
                    tied = true;
                if (order > 0) {
                    best = k;
                    highest = q;
                    tied = false;
                }
            }
            ++m_result.constituencies[best].adjustment[p];
            m_result.adjustmentSeats.append({p, best, highest.value(), tied});
        }
    }
}
