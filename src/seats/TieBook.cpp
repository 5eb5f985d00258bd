#include "seats/TieBook.h"

namespace {

// FNV-1a, 64 bits: the same on every machine and Qt version, unlike qHash.
constexpr quint64 FnvOffset = 14695981039346656037ULL;
constexpr quint64 FnvPrime = 1099511628211ULL;

void mix(quint64& hash, quint64 value)
{
    for (int i = 0; i < 8; ++i) {
        hash ^= (value >> (8 * i)) & 0xFF;
        hash *= FnvPrime;
    }
}

} // namespace

void TieBook::start(SeatResult& result, int seatsToGive, const QVector<SeatLot>& lots,
                    bool takeLots)
{
    m_seatsToGive = seatsToGive;
    m_groupLast = 0;
    result.tieGroupCount = 0;
    result.takesLots = takeLots;
    if (!takeLots) {
        if (!result.lots.isEmpty())
            result.lots.clear();
        return;
    }
    result.lots = lots;
    for (SeatLot& lot : result.lots) {
        lot.outcome = SeatLot::Outcome::Pending;
        lot.list = 0;
    }
}

quint64 TieBook::fingerprint(const SeatResult& result, int seatsToGive, int seat, const int* tied,
                             int count)
{
    quint64 hash = FnvOffset;
    mix(hash, quint64(seatsToGive));
    mix(hash, quint64(result.rule.method == SeatResult::Method::DHondt));
    mix(hash, quint64(result.rule.firstDivisorTenths));
    mix(hash, quint64(seat));
    mix(hash, quint64(count));
    for (int k = 0; k < count; ++k) {
        const SeatResult::List& list = result.lists[tied[k]];
        const QString& name = list.code.isEmpty() ? list.name : list.code;
        for (const QChar c : name)
            mix(hash, c.toUpper().unicode());
        mix(hash, quint64(list.value));
        mix(hash, quint64(list.seatCount));
    }
    return hash;
}

int TieBook::listOfCode(const SeatResult& result, const QString& code)
{
    for (int j = 1; j <= result.listCount; ++j)
        if (!result.lists[j].code.isEmpty() &&
            result.lists[j].code.compare(code, Qt::CaseInsensitive) == 0)
            return j;
    for (int i = 1; i <= result.partyCount; ++i)
        if (result.parties[i].code.compare(code, Qt::CaseInsensitive) == 0)
            return result.parties[i].list;
    return 0;
}

void TieBook::open(SeatResult& result, int seat, const int* tied, int count, double number)
{
    if (result.tieGroupCount >= SeatResult::MaxTieGroups)
        return;
    SeatResult::TieGroup& group = result.tieGroups[result.tieGroupCount++];
    group.firstSeat = seat;
    group.lastSeat = seat + count - 1;
    group.listCount = count;
    for (int k = 0; k < count; ++k)
        group.lists[k] = tied[k];
    group.number = number;
    group.decides = group.lastSeat > m_seatsToGive;
    group.decidedByLot = false;
    group.fingerprint = fingerprint(result, m_seatsToGive, seat, tied, count);
    m_groupLast = group.lastSeat;
    for (int s = seat; s <= m_groupLast && s <= SeatResult::MaxSeats; ++s)
        m_lotWinner[s] = 0;
    if (!result.lots.isEmpty())
        applyLots(result, group);
}

void TieBook::applyLots(SeatResult& result, SeatResult::TieGroup& group)
{
    const int last = qMin(group.lastSeat, m_seatsToGive);
    int found = 0;
    bool fits = true;
    for (SeatLot& lot : result.lots) {
        if (lot.outcome != SeatLot::Outcome::Pending || lot.seat < group.firstSeat ||
            lot.seat > last)
            continue;
        ++found;
        if (!group.decides) {
            // A lot drawn for another tie is void, whatever this one needs.
            const bool drawnForThis = lot.fingerprint == 0 || lot.fingerprint == group.fingerprint;
            lot.outcome = drawnForThis ? SeatLot::Outcome::NotNeeded : SeatLot::Outcome::Void;
            continue;
        }
        const int list = listOfCode(result, lot.code);
        bool tiedList = false;
        for (int k = 0; k < group.listCount; ++k)
            tiedList = tiedList || group.lists[k] == list;
        for (int s = group.firstSeat; s <= last; ++s)
            tiedList = tiedList && (m_lotWinner[s] != list || s == lot.seat);
        fits = fits && tiedList && m_lotWinner[lot.seat] == 0 &&
               (lot.fingerprint == 0 || lot.fingerprint == group.fingerprint);
        lot.list = list;
        m_lotWinner[lot.seat] = list;
    }
    if (found == 0 || !group.decides)
        return;
    fits = fits && found == last - group.firstSeat + 1;
    for (SeatLot& lot : result.lots) {
        if (lot.outcome != SeatLot::Outcome::Pending || lot.seat < group.firstSeat ||
            lot.seat > last)
            continue;
        lot.outcome = fits ? SeatLot::Outcome::Applied : SeatLot::Outcome::Void;
        if (!fits)
            lot.list = 0;
    }
    if (!fits)
        for (int s = group.firstSeat; s <= last; ++s)
            m_lotWinner[s] = 0;
    group.decidedByLot = fits;
}

void TieBook::finish(SeatResult& result)
{
    for (SeatLot& lot : result.lots)
        if (lot.outcome == SeatLot::Outcome::Pending)
            lot.outcome = SeatLot::Outcome::Void;
}
