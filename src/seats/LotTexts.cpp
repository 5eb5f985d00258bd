#include "seats/LotTexts.h"

#include "report/ReportHeader.h"

namespace LotTexts {

QString listLabel(const SeatResult& result, int list)
{
    if (list < 1 || list > result.listCount)
        return QStringLiteral("?");
    const SeatResult::List& l = result.lists[list];
    if (!l.code.isEmpty())
        return l.code;
    QString name = l.name.trimmed();
    if (name.endsWith(QLatin1Char('/')))
        name.chop(1);
    return name.trimmed();
}

QString seatsText(int first, int last)
{
    if (first == last)
        return QStringLiteral("Plats ") + QString::number(first);
    return QStringLiteral("Platserna ") + QString::number(first) + QChar(0x2013) +
           QString::number(last);
}

QString howDrawn(const SeatLot& lot)
{
    QString text =
        lot.byProgram ? QStringLiteral("dragen av programmet") : QStringLiteral("dragen för hand");
    if (!lot.byProgram && !lot.drawnBy.trimmed().isEmpty())
        text += QStringLiteral(" av ") + lot.drawnBy.trimmed();
    if (lot.drawnAt.isValid())
        text += QLatin1Char(' ') + ReportHeader::dateText(lot.drawnAt.date()) + QLatin1Char(' ') +
                lot.drawnAt.time().toString(QStringLiteral("HH:mm"));
    if (!lot.note.trimmed().isEmpty())
        text += QStringLiteral(" (") + lot.note.trimmed() + QLatin1Char(')');
    return text;
}

namespace {

QString tiedNames(const SeatResult& result, const SeatResult::TieGroup& group)
{
    QString names;
    for (int k = 0; k < group.listCount; ++k) {
        if (k > 0)
            names += k + 1 == group.listCount ? QStringLiteral(" och ") : QStringLiteral(", ");
        names += listLabel(result, group.lists[k]);
    }
    return names;
}

QString tieLine(const SeatResult& result, const SeatResult::TieGroup& group)
{
    const int given = qMin(group.lastSeat, result.seats) - group.firstSeat + 1;
    QString line = seatsText(group.firstSeat, group.firstSeat + given - 1) +
                   QStringLiteral(": lika jämförelsetal för ") + tiedNames(result, group);
    if (!group.decides)
        return line + QStringLiteral("; alla får en plats, så ingen lottning behövs (den "
                                     "skulle bara avgöra platsernas ordning)");
    if (group.decidedByLot)
        return line + QStringLiteral("; avgjort genom lottning");
    if (given == 1)
        return line + QStringLiteral("; lotten avgör vem som får platsen");
    return line + QStringLiteral("; lotten avgör vilka ") + QString::number(given) +
           QStringLiteral(" av ") + QString::number(group.listCount) +
           QStringLiteral(" som får platserna");
}

QString lotLine(const SeatResult& result, const SeatLot& lot)
{
    const QString head = seatsText(lot.seat, lot.seat) + QStringLiteral(": ");
    switch (lot.outcome) {
    case SeatLot::Outcome::Applied:
        return head + QStringLiteral("lotten gav platsen till ") + listLabel(result, lot.list) +
               QStringLiteral(", ") + howDrawn(lot);
    case SeatLot::Outcome::NotNeeded:
        return head + QStringLiteral("lotten för ") + lot.code +
               QStringLiteral(" behövs inte, eftersom likheten bara avgör platsernas ordning; "
                              "den har inte tillämpats");
    default:
        return head + QStringLiteral("lotten för ") + lot.code + QStringLiteral(" (") +
               howDrawn(lot) +
               QStringLiteral(") är ogiltig: indata har ändrats sedan den drogs, så den har "
                              "inte tillämpats");
    }
}

} // namespace

QString allCombinationsNote()
{
    return QStringLiteral("När alla kombinationer beräknas tas ingen lottning med; lotta i den "
                          "kombination som gäller.");
}

QStringList lines(const SeatResult& result)
{
    QStringList out;
    // Ties that only order seats come in pairs all through a council of equal votes: more
    // than one is summed up on a few lines, six to a line, ahead of the deciding ones.
    QStringList ordering;
    int lastOrdering = -1;
    for (int g = 0; g < result.tieGroupCount; ++g) {
        const SeatResult::TieGroup& group = result.tieGroups[g];
        // An all-combinations run names only the ties that decide: there are thousands of
        // combinations, and no lot is taken in any of them.
        if (!group.decides && result.takesLots) {
            ordering.append(QString::number(group.firstSeat) + QChar(0x2013) +
                            QString::number(group.lastSeat) + QStringLiteral(" (") +
                            tiedNames(result, group) + QLatin1Char(')'));
            lastOrdering = g;
        }
    }
    if (ordering.size() == 1)
        out.append(tieLine(result, result.tieGroups[lastOrdering]));
    if (ordering.size() > 1) {
        out.append(QStringLiteral("Lika jämförelsetal som bara avgör platsernas ordning (alla "
                                  "får en plats, så ingen lottning behövs):"));
        for (int i = 0; i < ordering.size(); i += 6)
            out.append((i == 0 ? QStringLiteral("platserna ") : QStringLiteral("   ")) +
                       ordering.mid(i, 6).join(QStringLiteral(", ")));
    }
    for (int g = 0; g < result.tieGroupCount; ++g)
        if (result.tieGroups[g].decides)
            out.append(tieLine(result, result.tieGroups[g]));
    if (result.takesLots && !result.lots.isEmpty()) {
        out.append(QStringLiteral("Lottning:"));
        for (const SeatLot& lot : result.lots)
            out.append(lotLine(result, lot));
    }
    return out;
}

} // namespace LotTexts
