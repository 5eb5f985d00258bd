#include "cli/LotOption.h"

#include "cli/CalcError.h"
#include "cli/PartyTable.h"
#include "seats/LotTexts.h"
#include "seats/SeatResult.h"

#include <QJsonObject>

namespace LotOption {

namespace {

QString shown(const SeatLot& lot)
{
    return QStringLiteral("--lot %1=%2").arg(lot.seat).arg(lot.code);
}

} // namespace

QVector<SeatLot> parse(const QStringList& values, int seats)
{
    QVector<SeatLot> lots;
    for (const QString& value : values) {
        const int at = value.indexOf(QLatin1Char('='));
        bool ok = false;
        SeatLot lot;
        lot.seat = at > 0 ? value.left(at).trimmed().toInt(&ok) : 0;
        lot.code = at > 0 ? value.mid(at + 1).trimmed() : QString();
        if (!ok || lot.code.isEmpty())
            throw CalcError(QStringLiteral("--lot \"%1\" ska vara PLATS=PARTIKOD, till exempel 7=S")
                                .arg(value));
        checkSeats({lot}, seats);
        for (const SeatLot& other : lots)
            if (other.seat == lot.seat)
                throw CalcError(
                    QStringLiteral("--lot: plats %1 är lottad två gånger").arg(lot.seat));
        lots.append(lot);
    }
    return lots;
}

void checkSeats(const QVector<SeatLot>& lots, int seats)
{
    for (const SeatLot& lot : lots)
        if (lot.seat < 1 || lot.seat > seats)
            throw CalcError(QStringLiteral("--lot %1=%2: plats %1 finns inte bland %3 platser")
                                .arg(lot.seat)
                                .arg(lot.code)
                                .arg(seats));
}

void checkCodes(const QVector<SeatLot>& lots, const PartyTable& parties)
{
    for (const SeatLot& lot : lots)
        if (parties.slotOf(lot.code) == 0)
            throw CalcError(QStringLiteral("%1: partiet %2 finns inte i indatafilen")
                                .arg(shown(lot), lot.code));
}

void checkApplied(const SeatResult& result)
{
    for (const SeatLot& lot : result.lots) {
        if (lot.outcome == SeatLot::Outcome::NotNeeded)
            throw CalcError(QStringLiteral("%1: likheten vid plats %2 avgör bara platsernas "
                                           "ordning, så ingen lott behövs")
                                .arg(shown(lot))
                                .arg(lot.seat));
        if (lot.outcome != SeatLot::Outcome::Applied)
            throw CalcError(QStringLiteral("%1 kan inte tillämpas: ange en lott för varje plats "
                                           "med lika jämförelsetal som avgör vem som får den, "
                                           "med olika listor bland de lika")
                                .arg(shown(lot)));
    }
}

QJsonArray ties(const SeatResult& result)
{
    QJsonArray out;
    for (int g = 0; g < result.tieGroupCount; ++g) {
        const SeatResult::TieGroup& group = result.tieGroups[g];
        QJsonArray lists;
        for (int k = 0; k < group.listCount; ++k)
            lists.append(LotTexts::listLabel(result, group.lists[k]));
        out.append(QJsonObject{{QStringLiteral("firstSeat"), group.firstSeat},
                               {QStringLiteral("lastSeat"), group.lastSeat},
                               {QStringLiteral("lists"), lists},
                               {QStringLiteral("value"), group.number},
                               {QStringLiteral("decidesCounts"), group.decides},
                               {QStringLiteral("decidedByLot"), group.decidedByLot}});
    }
    return out;
}

QJsonArray lots(const SeatResult& result)
{
    QJsonArray out;
    for (const SeatLot& lot : result.lots)
        if (lot.outcome == SeatLot::Outcome::Applied)
            out.append(
                QJsonObject{{QStringLiteral("seat"), lot.seat},
                            {QStringLiteral("code"), lot.code},
                            {QStringLiteral("list"), LotTexts::listLabel(result, lot.list)}});
    return out;
}

} // namespace LotOption
