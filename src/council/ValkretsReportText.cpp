#include "council/ValkretsReportText.h"

#include "report/TextNumbers.h"

namespace {

using Line = ValkretsReportText::Line;
using Kind = ValkretsReportText::Kind;

QString number(double value, const ValkretsReportText::Options& options)
{
    QString out;
    const QChar point = TextNumbers::localeDecimalPoint();
    if (options.fullNumbers)
        TextNumbers::appendGeneral(out, value, point);
    else
        TextNumbers::appendFixed2(out, value, point);
    return out;
}

QString percent(qint64 part, qint64 whole)
{
    QString out;
    TextNumbers::appendFixed2(out, whole > 0 ? 100.0 * double(part) / double(whole) : 0.0,
                              TextNumbers::localeDecimalPoint());
    return out + QStringLiteral(" %");
}

QString partyLabel(const ValkretsResult::Party& p)
{
    return p.name.trimmed().isEmpty() ? p.code : p.name;
}

void rulesLines(const ValkretsResult& r, QVector<Line>& out)
{
    const int fixed = r.fixedSeats();
    if (r.rules == ValkretsResult::Rules::Older) {
        out.append({Kind::Normal, QStringLiteral("Äldre regler (före 2018): %1 mandat, varje "
                                                 "valkrets fördelar sina egna; första divisor "
                                                 "1%2%3 utan spärr")
                                      .arg(r.seats)
                                      .arg(TextNumbers::localeDecimalPoint())
                                      .arg(4)});
        return;
    }
    QString threshold = QString::number(r.thresholdHundredths / 100.0, 'g', 6);
    threshold.replace(QLatin1Char('.'), TextNumbers::localeDecimalPoint());
    out.append({Kind::Normal,
                QStringLiteral("Gällande regler (från 2018): %1 mandat, varav %2 fasta mandat "
                               "och %3 utjämningsmandat; första divisor 1%4%5")
                        .arg(r.seats)
                        .arg(fixed)
                        .arg(r.seats - fixed)
                        .arg(TextNumbers::localeDecimalPoint())
                        .arg(2) +
                    (r.thresholdHundredths > 0 ? QStringLiteral(" och spärr %1 %").arg(threshold)
                                               : QStringLiteral(" utan spärr"))});
    if (r.thresholdHundredths == 0)
        return;
    qint64 all = 0;
    for (const ValkretsResult::Party& p : r.parties)
        all += p.votes;
    QStringList left;
    for (const ValkretsResult::Party& p : r.parties)
        if (!p.takesPart && !p.others)
            left.append(p.code + QStringLiteral(" (") + percent(p.votes, all) + QLatin1Char(')'));
    out.append({Kind::Normal, left.isEmpty() ? QStringLiteral("Alla partier når spärren.")
                                             : QStringLiteral("Under spärren, utan mandat: ") +
                                                   left.join(QStringLiteral(", "))});
}

void constituencyLines(const ValkretsResult& r, int k, const ValkretsReportText::Options& options,
                       QVector<Line>& out)
{
    const ValkretsResult::Constituency& c = r.constituencies.at(k);
    out.append({Kind::Blank, QString()});
    out.append({Kind::Heading, QStringLiteral("Valkrets %1: %2 %3")
                                   .arg(c.name)
                                   .arg(c.fixedSeats)
                                   .arg(r.rules == ValkretsResult::Rules::Older
                                            ? QStringLiteral("mandat")
                                            : QStringLiteral("fasta mandat"))});
    out.append({Kind::Bold, QStringLiteral("Parti\tRöster\tMandat\tValsit")});
    for (int p = 0; p < r.parties.size(); ++p) {
        const ValkretsResult::Party& party = r.parties.at(p);
        if (!party.takesPart && c.fixed.at(p) == 0)
            continue;
        QString seats;
        for (const ValkretsResult::Seat& s : c.seats) {
            if (s.party != p)
                continue;
            if (!seats.isEmpty())
                seats.append(QStringLiteral(", "));
            seats.append(QString::number(s.number));
            if (s.tied)
                seats.append(QLatin1Char('*'));
        }
        out.append({Kind::Normal, partyLabel(party) + QLatin1Char('\t') +
                                      QString::number(c.votes.at(p)) + QLatin1Char('\t') +
                                      QString::number(c.fixed.at(p)) + QLatin1Char('\t') + seats});
    }
    if (options.comparisonNumbers) {
        QString list = QStringLiteral("ValsitNr=(Jämförelsetal)");
        for (const ValkretsResult::Seat& s : c.seats)
            list += QStringLiteral(", %1=(%2)").arg(s.number).arg(number(s.value, options));
        out.append({Kind::Numbers, list});
    }
    for (const ValkretsResult::HandBack& h : r.handBacks) {
        if (h.constituency != k)
            continue;
        QString text = QStringLiteral("Mandat %1 lämnades tillbaka av %2, som fått fler fasta "
                                      "mandat än totalt, och gick till %3")
                           .arg(h.number)
                           .arg(r.parties.at(h.from).code, r.parties.at(h.to).code);
        if (options.comparisonNumbers)
            text += QStringLiteral(" (jämförelsetal %1 mot %2)")
                        .arg(number(h.fromValue, options), number(h.toValue, options));
        if (h.tied)
            text += QLatin1Char('*');
        out.append({Kind::Normal, text});
    }
}

void adjustmentLines(const ValkretsResult& r, const ValkretsReportText::Options& options,
                     QVector<Line>& out)
{
    out.append({Kind::Blank, QString()});
    out.append({Kind::Heading, QStringLiteral("Utjämningsmandat")});
    if (r.adjustmentSeats.isEmpty()) {
        out.append({Kind::Normal, QStringLiteral("Inga utjämningsmandat behövdes.")});
        return;
    }
    // The comparison number before the constituency, whose name may be long.
    out.append({Kind::Bold, options.comparisonNumbers
                                ? QStringLiteral("Parti\tNr\tJämförelsetal\tValkrets")
                                : QStringLiteral("Parti\tNr\tValkrets")});
    for (int a = 0; a < r.adjustmentSeats.size(); ++a) {
        const ValkretsResult::AdjustmentSeat& seat = r.adjustmentSeats.at(a);
        QString text = partyLabel(r.parties.at(seat.party)) + QLatin1Char('\t') +
                       QString::number(a + 1) + QLatin1Char('\t');
        if (options.comparisonNumbers)
            text += number(seat.value, options) + QLatin1Char('\t');
        text += r.constituencies.at(seat.constituency).name;
        if (seat.tied)
            text += QLatin1Char('*');
        out.append({Kind::Normal, text});
    }
}

void totalLines(const ValkretsResult& r, QVector<Line>& out)
{
    const bool older = r.rules == ValkretsResult::Rules::Older;
    out.append({Kind::Blank, QString()});
    out.append({Kind::Heading, QStringLiteral("Totalt")});
    out.append({Kind::Bold, older ? QStringLiteral("Parti\tRöster\tMandat")
                                  : QStringLiteral("Parti\tRöster\tFasta\tUtjämning\tTotalt")});
    qint64 votes = 0;
    int fixed = 0, adjustment = 0, total = 0;
    for (const ValkretsResult::Party& p : r.parties) {
        QString text = partyLabel(p) + QLatin1Char('\t') + QString::number(p.votes);
        if (!older)
            text += QLatin1Char('\t') + QString::number(p.fixed) + QLatin1Char('\t') +
                    QString::number(p.adjustment);
        text += QLatin1Char('\t') + QString::number(p.total);
        if (p.totalTied)
            text += QLatin1Char('*');
        out.append({Kind::Normal, text});
        votes += p.votes;
        fixed += p.fixed;
        adjustment += p.adjustment;
        total += p.total;
    }
    QString sum = QStringLiteral("Summa\t") + QString::number(votes);
    if (!older)
        sum += QLatin1Char('\t') + QString::number(fixed) + QLatin1Char('\t') +
               QString::number(adjustment);
    out.append({Kind::Bold, sum + QLatin1Char('\t') + QString::number(total)});
}

} // namespace

QString ValkretsReportText::tieNote()
{
    return QStringLiteral("* betyder att valet gjordes mellan lika jämförelsetal: där ska "
                          "lottning verkställas");
}

bool ValkretsReportText::hasTies(const ValkretsResult& r)
{
    for (const ValkretsResult::Party& p : r.parties)
        if (p.totalTied)
            return true;
    for (const ValkretsResult::Constituency& c : r.constituencies)
        for (const ValkretsResult::Seat& s : c.seats)
            if (s.tied)
                return true;
    for (const ValkretsResult::HandBack& h : r.handBacks)
        if (h.tied)
            return true;
    for (const ValkretsResult::AdjustmentSeat& a : r.adjustmentSeats)
        if (a.tied)
            return true;
    return false;
}

QVector<Line> ValkretsReportText::lines(const ValkretsResult& r, const Options& options)
{
    QVector<Line> out;
    out.append({Kind::Heading, QStringLiteral("Mandatfördelning med valkretsar")});
    rulesLines(r, out);
    for (int k = 0; k < r.constituencies.size(); ++k)
        constituencyLines(r, k, options, out);
    if (r.rules == ValkretsResult::Rules::Current)
        adjustmentLines(r, options, out);
    totalLines(r, out);
    if (hasTies(r)) {
        out.append({Kind::Blank, QString()});
        out.append({Kind::Normal, tieNote()});
    }
    return out;
}
