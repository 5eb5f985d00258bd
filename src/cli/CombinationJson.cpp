#include "cli/CombinationJson.h"

#include "cli/LotOption.h"
#include "report/TextNumbers.h"
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
            out.append(k > 1 ? QLatin1String(",{\"number\":") : QLatin1String("{\"number\":"));
            TextNumbers::appendInt(out, list.seat[k]);
            out.append(list.tied[k] ? QLatin1String(",\"tie\":true}")
                                    : QLatin1String(",\"tie\":false}"));
        }
        out.append(QLatin1String("]}"));
    }
    out.append(QLatin1Char(']'));
    if (m_comparison != CalcOptions::Comparison::None) {
        out.append(QLatin1String(",\"comparisonNumbers\":["));
        for (int s = 1; s <= result.seats; ++s) {
            out.append(s > 1 ? QLatin1String(",{\"seat\":") : QLatin1String("{\"seat\":"));
            TextNumbers::appendInt(out, s);
            out.append(QLatin1String(",\"list\":"));
            TextNumbers::appendInt(out, result.winningList[s]);
            out.append(QLatin1String(",\"value\":"));
            if (m_comparison == CalcOptions::Comparison::TwoDecimals)
                TextNumbers::appendFixed2(out, result.winningNumber[s], QLatin1Char('.'));
            else
                TextNumbers::appendGeneral(out, result.winningNumber[s], QLatin1Char('.'));
            out.append(QLatin1Char('}'));
        }
        out.append(QLatin1Char(']'));
    }
    out.append(QLatin1String(",\"ties\":"));
    appendArray(out, LotOption::ties(result));
    out.append(QLatin1String(",\"lots\":"));
    appendArray(out, LotOption::lots(result));
    out.append(QLatin1Char('}'));
    return out;
}
