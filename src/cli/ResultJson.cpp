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

} // namespace ResultJson
