#include "cli/ResultJson.h"

#include "cli/LotOption.h"
#include "seats/SeatResult.h"

namespace ResultJson {

QJsonArray seats(const SeatResult& result, int list)
{
    const SeatResult::List& l = result.lists[list];
    QJsonArray out;
    for (int k = 1; k <= l.seatCount; ++k)
        out.append(
            QJsonObject{{QStringLiteral("number"), l.seat[k]}, {QStringLiteral("tie"), l.tied[k]}});
    return out;
}

QJsonObject council(const SeatResult& result)
{
    QJsonArray parties;
    for (int p = 1; p <= result.listCount; ++p) {
        const SeatResult::List& l = result.lists[p];
        parties.append(QJsonObject{{QStringLiteral("code"), l.code},
                                   {QStringLiteral("name"), l.name},
                                   {QStringLiteral("votes"), l.value},
                                   {QStringLiteral("eligible"), l.eligible},
                                   {QStringLiteral("seatCount"), l.seatCount},
                                   {QStringLiteral("seats"), seats(result, p)}});
    }
    QJsonArray numbers;
    for (int s = 1; s <= result.seats && result.listCount > 0; ++s)
        numbers.append(
            QJsonObject{{QStringLiteral("seat"), s},
                        {QStringLiteral("code"), result.lists[result.winningList[s]].code},
                        {QStringLiteral("value"), result.winningNumber[s]}});
    return {{QStringLiteral("kind"), QStringLiteral("council")},
            {QStringLiteral("seats"), result.seats},
            {QStringLiteral("firstDivisor"), result.rule.firstDivisor()},
            {QStringLiteral("threshold"), result.rule.threshold()},
            {QStringLiteral("parties"), parties},
            {QStringLiteral("comparisonNumbers"), numbers},
            {QStringLiteral("ties"), LotOption::ties(result)},
            {QStringLiteral("lots"), LotOption::lots(result)}};
}

QJsonObject combination(const SeatResult& result)
{
    QJsonArray lists;
    for (int l = 1; l <= result.listCount; ++l) {
        const SeatResult::List& list = result.lists[l];
        QJsonArray members;
        for (int p = 1; p <= result.partyCount; ++p)
            if (result.parties[p].list == l)
                members.append(result.parties[p].code);
        lists.append(QJsonObject{{QStringLiteral("name"), list.name.trimmed()},
                                 {QStringLiteral("parties"), members},
                                 {QStringLiteral("councilSeats"), list.value},
                                 {QStringLiteral("seatCount"), list.seatCount},
                                 {QStringLiteral("seats"), seats(result, l)}});
    }
    QJsonArray numbers;
    for (int s = 1; s <= result.seats; ++s)
        numbers.append(QJsonObject{{QStringLiteral("seat"), s},
                                   {QStringLiteral("list"), result.winningList[s]},
                                   {QStringLiteral("value"), result.winningNumber[s]}});
    return {{QStringLiteral("number"), result.counter},
            {QStringLiteral("lists"), lists},
            {QStringLiteral("comparisonNumbers"), numbers},
            {QStringLiteral("ties"), LotOption::ties(result)},
            {QStringLiteral("lots"), LotOption::lots(result)}};
}

} // namespace ResultJson
