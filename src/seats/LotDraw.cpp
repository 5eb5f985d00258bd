#include "seats/LotDraw.h"

#include "shell/RandomSource.h"

namespace LotDraw {

QVector<int> openGroups(const SeatResult& result)
{
    QVector<int> open;
    if (!result.takesLots)
        return open;
    for (int g = 0; g < result.tieGroupCount; ++g)
        if (result.tieGroups[g].decides && !result.tieGroups[g].decidedByLot)
            open.append(g);
    return open;
}

int seatsGiven(const SeatResult& result, int g)
{
    const SeatResult::TieGroup& group = result.tieGroups[g];
    return qMin(group.lastSeat, result.seats) - group.firstSeat + 1;
}

QString codeOfList(const SeatResult& result, int list)
{
    if (!result.lists[list].code.isEmpty())
        return result.lists[list].code;
    for (int p = 1; p <= result.partyCount; ++p)
        if (result.parties[p].list == list)
            return result.parties[p].code;
    return QString();
}

QVector<SeatLot> byHand(const SeatResult& result, int g, const QVector<int>& winners,
                        const QString& drawnBy, const QDateTime& when, const QString& note)
{
    const SeatResult::TieGroup& group = result.tieGroups[g];
    QVector<SeatLot> lots;
    for (int k = 0; k < winners.size(); ++k) {
        SeatLot lot;
        lot.seat = group.firstSeat + k;
        lot.code = codeOfList(result, winners.at(k));
        lot.fingerprint = group.fingerprint;
        lot.drawnBy = drawnBy.trimmed();
        lot.drawnAt = when;
        lot.note = note.trimmed();
        lots.append(lot);
    }
    return lots;
}

QVector<SeatLot> byProgram(const SeatResult& result, int g, RandomSource& random,
                           const QDateTime& when)
{
    const SeatResult::TieGroup& group = result.tieGroups[g];
    QVector<int> order(group.lists, group.lists + group.listCount);
    // Fisher-Yates: each of the n! orders comes out with the same chance.
    for (int i = int(order.size()) - 1; i > 0; --i)
        std::swap(order[i], order[random.bounded(i + 1)]);
    QVector<SeatLot> lots =
        byHand(result, g, order.mid(0, seatsGiven(result, g)), QString(), when, QString());
    for (SeatLot& lot : lots)
        lot.byProgram = true;
    return lots;
}

} // namespace LotDraw
