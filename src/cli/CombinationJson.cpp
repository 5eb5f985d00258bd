#include "cli/CombinationJson.h"

#include "cli/LotOption.h"
#include "report/TextNumbers.h"
#include "seats/LotTexts.h"
#include "seats/SeatResult.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

void appendArray(QString& out, const QJsonArray& array)
{
    if (array.isEmpty())
        out.append(QLatin1String("[]"));
    else
        out.append(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)));
}

} // namespace

void CombinationJson::appendString(QString& out, const QString& text)
{
    out.append(QLatin1Char('"'));
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            out.append(QLatin1Char('\\'));
            out.append(c);
        } else if (c.unicode() < 0x20) {
            out.append(QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
        } else {
            out.append(c);
        }
    }
    out.append(QLatin1Char('"'));
}

const QString& CombinationJson::write(const SeatResult& result)
{
    QString& out = m_buffer;
    out.resize(0);
    out.append(QLatin1String("{\"number\":"));
    TextNumbers::appendInt(out, result.counter);
    out.append(QLatin1String(",\"lists\":["));
    for (int l = 1; l <= result.listCount; ++l) {
        const SeatResult::List& list = result.lists[l];
        out.append(l > 1 ? QLatin1String(",{\"name\":") : QLatin1String("{\"name\":"));
        appendString(out, list.name.trimmed());
        out.append(QLatin1String(",\"parties\":["));
        bool first = true;
        for (int p = 1; p <= result.partyCount; ++p) {
            if (result.parties[p].list != l)
                continue;
            if (!first)
                out.append(QLatin1Char(','));
            first = false;
            appendString(out, result.parties[p].code);
        }
        out.append(QLatin1String("],\"councilSeats\":"));
        TextNumbers::appendInt(out, list.value);
        out.append(QLatin1String(",\"seatCount\":"));
        TextNumbers::appendInt(out, list.seatCount);
        out.append(QLatin1String(",\"seats\":["));
        for (int k = 1; k <= list.seatCount; ++k) {
            if (k > 1)
                out.append(QLatin1Char(','));
            TextNumbers::appendInt(out, list.seat[k]);
        }
        out.append(QLatin1String("],\"tiedSeats\":["));
        first = true;
        for (int k = 1; k <= list.seatCount; ++k) {
            if (!list.tied[k])
                continue;
            if (!first)
                out.append(QLatin1Char(','));
            first = false;
            TextNumbers::appendInt(out, list.seat[k]);
        }
        out.append(QLatin1String("]}"));
    }
    out.append(QLatin1Char(']'));
    if (m_comparison != CalcOptions::Comparison::None) {
        // Seat s is entry s - 1 of both: the list that won it and its comparison number.
        out.append(QLatin1String(",\"seatLists\":["));
        for (int s = 1; s <= result.seats; ++s) {
            if (s > 1)
                out.append(QLatin1Char(','));
            TextNumbers::appendInt(out, result.winningList[s]);
        }
        out.append(QLatin1String("],\"comparisonNumbers\":["));
        for (int s = 1; s <= result.seats; ++s) {
            if (s > 1)
                out.append(QLatin1Char(','));
            if (m_comparison == CalcOptions::Comparison::TwoDecimals)
                TextNumbers::appendFixed2(out, result.winningNumber[s], QLatin1Char('.'));
            else
                TextNumbers::appendGeneral(out, result.winningNumber[s], QLatin1Char('.'));
        }
        out.append(QLatin1Char(']'));
    }
    out.append(QLatin1String(",\"ties\":["));
    for (int g = 0; g < result.tieGroupCount; ++g) {
        const SeatResult::TieGroup& group = result.tieGroups[g];
        out.append(g > 0 ? QLatin1String(",{\"firstSeat\":") : QLatin1String("{\"firstSeat\":"));
        TextNumbers::appendInt(out, group.firstSeat);
        out.append(QLatin1String(",\"lastSeat\":"));
        TextNumbers::appendInt(out, group.lastSeat);
        out.append(QLatin1String(",\"lists\":["));
        for (int k = 0; k < group.listCount; ++k) {
            if (k > 0)
                out.append(QLatin1Char(','));
            appendString(out, LotTexts::listLabel(result, group.lists[k]));
        }
        out.append(QLatin1String("],\"value\":"));
        TextNumbers::appendGeneral(out, group.number, QLatin1Char('.'));
        out.append(group.decides ? QLatin1String(",\"decidesCounts\":true")
                                 : QLatin1String(",\"decidesCounts\":false"));
        out.append(group.decidedByLot ? QLatin1String(",\"decidedByLot\":true}")
                                      : QLatin1String(",\"decidedByLot\":false}"));
    }
    out.append(QLatin1Char(']'));
    out.append(QLatin1String(",\"lots\":"));
    appendArray(out, LotOption::lots(result));
    out.append(QLatin1Char('}'));
    return out;
}
