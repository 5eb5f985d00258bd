#include "council/RostBer.h"

#include "council/PublishedSeats.h"
#include "report/TextNumbers.h"
#include "seats/ComparisonText.h"
#include "seats/TieBook.h"

QString RostBer::rulesText(const CouncilInput& input)
{
    const QChar point = TextNumbers::localeDecimalPoint();
    QString text = QStringLiteral("Beräknat med första divisor ");
    TextNumbers::appendInt(text, input.firstDivisorTenths / 10);
    text.append(point);
    TextNumbers::appendInt(text, input.firstDivisorTenths % 10);
    if (input.thresholdHundredths > 0) {
        text.append(QStringLiteral(" och spärr "));
        TextNumbers::appendGeneral(text, input.thresholdHundredths / 100.0, point);
        text.append(QStringLiteral(" % av rösterna"));
    } else {
        text.append(QStringLiteral(" utan spärr"));
    }
    // Without a threshold there is no threshold for the other votes to count in.
    for (const CouncilInput::Party& party : input.parties)
        if (CouncilInput::isOthersLine(party.code))
            text.append(QStringLiteral(". ") + CouncilInput::OthersCode +
                        (input.thresholdHundredths > 0
                             ? QStringLiteral(" (övriga giltiga röster) räknas med i spärren men "
                                              "får inga mandat")
                             : QStringLiteral(" (övriga giltiga röster) får inga mandat")));
    return text;
}

// Every party stands as a list of its own, in slot order.
void RostBer::calculate(const CouncilInput& input, SeatResult& result)
{
    const int n = qMin(int(input.parties.size()), int(SeatResult::MaxParties));
    result.heading = input.heading;
    result.seats = input.seats;
    result.partyCount = n;
    result.listCount = n;
    for (int i = 1; i <= n; ++i) {
        const CouncilInput::Party& in = input.parties.at(i - 1);
        SeatResult::Party& party = result.parties[i];
        party.code = in.code;
        party.name = in.name;
        party.value = in.votes;
        party.list = i;
        SeatResult::List& list = result.lists[i];
        list.name = in.name;
        list.code = in.code;
        list.value = in.votes;
    }
    SeatResult::Rule& rule = result.rule;
    rule.method = SeatResult::Method::ModifiedOddNumber;
    rule.firstDivisorTenths = input.firstDivisorTenths;
    rule.thresholdHundredths = input.thresholdHundredths;
    rule.text = rulesText(input);
    result.counter = 1;

    TieBook ties;
    Rules rules;
    rules.seats = input.seats;
    rules.firstDivisorTenths = input.firstDivisorTenths;
    rules.thresholdHundredths = input.thresholdHundredths;
    rules.comparison = input.report.comparison;
    rules.showTies = input.report.showLots;
    rules.lots = &input.lots;
    allocate(result, ties, rules);
    result.closingLines = PublishedSeats::comparison(result, input.publishedSeats);
}

// Comparison numbers are compared exactly: a party with v votes and m seats has the
// comparison number v / d(m), where d(0) = 7/5 (or 6/5) and d(m) = 2m + 1. With the
// divisor as num/den, v1·den1·num2 against v2·den2·num1 decides in integers; doubles
// would, for example, make 700 / 1.4 a hair larger than 1500 / 3 and miss the tie.
void RostBer::allocate(SeatResult& result, TieBook& ties, const Rules& rules)
{
    SeatResult::List* lists = result.lists;
    const int n = result.listCount;
    for (int row = 0; row <= n; ++row)
        lists[row].seatCount = 0;
    ComparisonText::start(result, rules.comparison);
    const int seatsToGive = qMin(qMax(rules.seats, 1), int(SeatResult::MaxSeats));
    result.showTies = rules.showTies;
    static const QVector<SeatLot> noLots;
    ties.start(result, seatsToGive, rules.lots ? *rules.lots : noLots, true);
    if (n < 1)
        return;

    // The threshold: parties below the share take no seat. When no party reaches it
    // (no votes at all), every party stays in, so the seats are still given out.
    const int threshold = rules.thresholdHundredths;
    qint64 total = 0;
    for (int i = 1; i <= n; ++i)
        total += lists[i].value;
    bool anyEligible = false;
    for (int i = 1; i <= n; ++i) {
        lists[i].eligible = !CouncilInput::isOthersLine(lists[i].code) &&
                            (threshold == 0 || lists[i].value * 10000 >= qint64(threshold) * total);
        anyEligible = anyEligible || lists[i].eligible;
    }
    if (!anyEligible)
        for (int i = 1; i <= n; ++i)
            lists[i].eligible = !CouncilInput::isOthersLine(lists[i].code);

    const qint64 firstNum = rules.firstDivisorTenths / 2; // 1.4 = 7/5, 1.2 = 6/5
    const qint64 firstDen = 5;
    const double firstDivisor = rules.firstDivisorTenths / 10.0;
    const QChar point = TextNumbers::localeDecimalPoint();

    for (int s = 1;; ++s) {
        int winner = 0;
        qint64 winNum = 1, winDen = 1;
        bool tie = false;
        for (int j = 1; j <= n; ++j) {
            if (!lists[j].eligible)
                continue;
            const int m = lists[j].seatCount;
            const qint64 num = m == 0 ? firstNum : 2 * qint64(m) + 1;
            const qint64 den = m == 0 ? firstDen : 1;
            if (winner == 0) {
                winner = j;
                winNum = num;
                winDen = den;
                continue;
            }
            const qint64 mine = lists[j].value * den * winNum;
            const qint64 best = lists[winner].value * winDen * num;
            if (mine == best) {
                tie = true;
            } else if (mine > best) {
                winner = j;
                winNum = num;
                winDen = den;
                tie = false;
            }
        }
        if (tie && !ties.inGroup(s)) {
            int tied[SeatResult::MaxLists + 1];
            int count = 0;
            for (int j = 1; j <= n; ++j) {
                const int m = lists[j].seatCount;
                const qint64 num = m == 0 ? firstNum : 2 * qint64(m) + 1;
                const qint64 den = m == 0 ? firstDen : 1;
                if (lists[j].eligible &&
                    lists[j].value * den * winNum == lists[winner].value * winDen * num)
                    tied[count++] = j;
            }
            const int m = lists[winner].seatCount;
            ties.open(result, s, tied, count,
                      double(lists[winner].value) / (m == 0 ? firstDivisor : double(2 * m + 1)));
        }
        if (ties.inGroup(s) && ties.lotWinner(s) != 0)
            winner = ties.lotWinner(s);
        SeatResult::List& won = lists[winner];
        const int m = won.seatCount;
        const double value = double(won.value) / (m == 0 ? firstDivisor : double(2 * m + 1));
        result.winningNumber[s] = value;
        result.winningList[s] = winner;
        if (rules.comparison != ReportChoices::Comparison::None)
            ComparisonText::append(result, rules.comparison, s, value, point);
        const int count = ++won.seatCount;
        won.seat[count] = s;
        won.tied[count] = tie;
        if (s >= seatsToGive) {
            ties.finish(result);
            return;
        }
    }
}
