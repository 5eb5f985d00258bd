#include "committee/ValsitBer.h"

#include "committee/Kombinationer.h"
#include "report/TextNumbers.h"
#include "seats/ComparisonText.h"
#include "seats/SeatReport.h"
#include "shell/EngineError.h"

ValsitBer::ValsitBer(const CommitteeInput& input)
    : m_input(input), m_n(qMin(int(input.parties.size()), int(SeatResult::MaxParties) - 1))
{
    for (int pair : input.marks)
        if (pair > 0 && pair < PairSlots)
            m_marked[pair] = true;
    for (int i = 0; i <= 16; ++i)
        m_samvT[i] = QStringLiteral(" ");
    m_result.comparisonText.reserve(1024);
}

QString ValsitBer::check(const CommitteeInput& input)
{
    if (input.cooperation == CommitteeInput::Cooperation::AllCombinations &&
        input.parties.size() > MaxPartiesAllCombinations)
        return QStringLiteral("Alla markerade kombinationer kan bara beräknas för högst 9 "
                              "partier");
    return QString();
}

Omfattning ValsitBer::estimate(const CommitteeInput& input)
{
    if (input.cooperation != CommitteeInput::Cooperation::AllCombinations)
        return {1, 1};
    bool marked[PairSlots] = {};
    for (int pair : input.marks)
        if (pair > 0 && pair < PairSlots)
            marked[pair] = true;
    qint64 lists = 0;
    const int results = Kombinationer::antal(int(input.parties.size()), marked, &lists);
    return Omfattning::of(results, lists, input.seats);
}

int ValsitBer::combinationCount(const CommitteeInput& input)
{
    bool marked[PairSlots] = {};
    for (int pair : input.marks)
        if (pair > 0 && pair < PairSlots)
            marked[pair] = true;
    return Kombinationer::antal(int(input.parties.size()), marked);
}

QString ValsitBer::runLetterText(int run)
{
    // Past Z the letters go on as AA, AB, ... rather than into punctuation.
    QString text;
    for (int n = run; n > 0; n = (n - 1) / 26)
        text.prepend(QChar(u'A' + (n - 1) % 26));
    return text;
}

QString ValsitBer::stoppedLine(int done, int total)
{
    return QStringLiteral("Bearbetningen avbröts efter ") + QString::number(done) +
           QStringLiteral(" av ") + QString::number(total) +
           QStringLiteral(" kombinationer. Redovisningen är inte fullständig.");
}

// --- The run ------------------------------------------------------------------------

ValsitBer::Outcome ValsitBer::run(SeatReport& report, const std::function<bool()>& stop)
{
    const QString problem = check(m_input);
    if (!problem.isEmpty())
        throw EngineError(problem);

    m_result.counter = 0;
    m_result.rule = SeatResult::Rule();
    m_result.rule.method = SeatResult::Method::DHondt;
    m_result.rule.firstDivisorTenths = 10;
    m_result.heading = m_input.heading;
    m_result.seats = m_input.seats;
    m_result.partyCount = m_n;
    for (int i = 1; i <= m_n; ++i) {
        const CommitteeInput::Party& in = m_input.parties.at(i - 1);
        SeatResult::Party& party = m_result.parties[i];
        party.code = in.code;
        party.name = in.name;
        party.value = in.councilSeats;
        party.list = i;
    }
    m_stopped = false;
    m_decidingTieSeen = false;
    report.begin(m_result);

    switch (m_input.cooperation) {
    case CommitteeInput::Cooperation::None:
        for (int i = 1; i <= m_n; ++i)
            m_samvT[i] = m_input.parties.at(i - 1).code;
        resolveLabels();
        BearbKomb(report);
        break;
    case CommitteeInput::Cooperation::AllCombinations:
        BearbAllaKomb(report, stop);
        break;
    case CommitteeInput::Cooperation::Fixed:
        BildaSamvGrupper();
        resolveLabels();
        BearbKomb(report);
        break;
    }

    SeatReport::Summary summary;
    summary.undecidedTies = m_decidingTieSeen && m_input.report.showLots &&
                            m_input.cooperation == CommitteeInput::Cooperation::AllCombinations;
    if (m_stopped)
        summary.stoppedLine = stoppedLine(m_result.counter, Kombinationer::antal(m_n, m_marked));
    report.end(summary);
    return {m_result.counter, m_stopped};
}

void ValsitBer::BildaSamvGrupper()
{
    const int n = m_n;
    for (int i = 1; i <= n; ++i)
        m_samvT[i] = m_input.parties.at(i - 1).code;
    int counter = 1;
    QString label = QStringLiteral("1");
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            if (m_marked[CommitteeInput::pairNumber(i, j)]) {
                m_samvT[i] = label;
                m_samvT[j] = label;
            }
        }
        // Slot n + 1 holds no party; it is compared for the last row all the same.
        const QString& next = m_samvT[i + 1];
        if (next == m_samvT[i])
            continue;
        int earlier = 0;
        for (int k = 1; k <= i; ++k) {
            if (m_samvT[k] == next) {
                earlier = k;
                break;
            }
        }
        if (earlier) {
            label = m_samvT[earlier];
        } else if (label == m_samvT[i]) {
            ++counter;
            label = QString::number(counter);
        }
    }
}

// Reads the labels of parties 1..n: a label that is some party's code (any case) means
// the party stands alone, otherwise it is the number of the party's group.
void ValsitBer::resolveLabels()
{
    QString codes = QStringLiteral(",");
    for (int i = 1; i <= m_n; ++i)
        codes += m_input.parties.at(i - 1).code + QLatin1Char(',');
    for (int i = 1; i <= m_n; ++i) {
        const QString& label = m_samvT[i];
        if (codes.contains(QLatin1Char(',') + label + QLatin1Char(','), Qt::CaseInsensitive)) {
            m_partyGroup[i] = 0;
            continue;
        }
        bool ok = false;
        const int group = label.trimmed().toInt(&ok);
        if (!ok)
            throw EngineError(QStringLiteral("Samverkansbeteckningen \"") + label +
                              QStringLiteral("\" är varken ett PartiID eller ett gruppnummer"));
        if (group < 1 || group >= GroupSlots)
            throw EngineError(QStringLiteral("Samverkansgrupp ") + label +
                              QStringLiteral(" finns inte"));
        m_partyGroup[i] = group;
    }
}

void ValsitBer::BearbAllaKomb(SeatReport& report, const std::function<bool()>& stop)
{
    const int n = m_n;
    if (n < 1)
        return;

    // Everything a label decides is worked out once per party and choice, so the two
    // million assignments of nine parties are tested on integers only.
    QString codes = QStringLiteral(",");
    for (int i = 1; i <= n; ++i)
        codes += m_input.parties.at(i - 1).code + QLatin1Char(',');
    QString label[MaxPartiesAllCombinations + 1][5];
    int groupOf[MaxPartiesAllCombinations + 1][5];
    for (int p = 1; p <= n; ++p) {
        for (int c = 0; c <= 4; ++c) {
            label[p][c] = c == 0 ? m_input.parties.at(p - 1).code : QString::number(c);
            const bool alone = codes.contains(QLatin1Char(',') + label[p][c] + QLatin1Char(','),
                                              Qt::CaseInsensitive);
            groupOf[p][c] = alone ? 0 : c;
        }
    }
    bool sameLabel[MaxPartiesAllCombinations + 1][5][MaxPartiesAllCombinations + 1][5];
    for (int p = 1; p <= n; ++p)
        for (int c = 0; c <= 4; ++c)
            for (int q = 1; q <= n; ++q)
                for (int d = 0; d <= 4; ++d)
                    sameLabel[p][c][q][d] = label[p][c] == label[q][d];

    int choice[MaxPartiesAllCombinations + 2] = {};
    for (;;) {
        int count[5] = {};
        for (int p = 1; p <= n; ++p)
            ++count[choice[p]];
        bool admissible = true;
        for (int k = 1; k <= 4 && admissible; ++k)
            if (count[k] == 1)
                admissible = false;
        for (int k = 1; k <= 3 && admissible; ++k)
            if (count[k + 1] > 0 && count[k] == 0)
                admissible = false;
        if (admissible) {
            for (int j = 2; j <= n && admissible; ++j)
                for (int i = 1; i < j && admissible; ++i)
                    if (sameLabel[i][choice[i]][j][choice[j]] &&
                        !m_marked[CommitteeInput::pairNumber(i, j)])
                        admissible = false;
        }
        if (admissible) {
            for (int p = 1; p <= n; ++p)
                m_partyGroup[p] = groupOf[p][choice[p]];
            if (BearbKomb(report) && stop && stop()) {
                // Stopped after the last combination is no stop at all.
                m_stopped = m_result.counter < Kombinationer::antal(n, m_marked);
                return;
            }
        }
        // The odometer: party 1 is the fastest wheel, party n the slowest.
        int wheel = 1;
        while (wheel <= n && ++choice[wheel] > 4)
            choice[wheel++] = 0;
        if (wheel > n)
            return;
    }
}

// One combination: its lists, the seats, the result to the report. False when the
// combination is skipped (reported under another numbering of its groups).
bool ValsitBer::BearbKomb(SeatReport& report)
{
    if (!BildaListor())
        return false;
    ++m_result.counter;
    FordelaPlatser();
    if (m_result.tieGroupCount > 0 && m_result.tieGroups[m_result.tieGroupCount - 1].decides)
        m_decidingTieSeen = true;
    report.result(m_result);
    return true;
}

// The lists of one combination: the lone parties in slot order, named by their names,
// then the groups in number order, named by their members' codes (" S / V / ").
// Returns false when the combination is to be skipped: with at most 9 parties each
// grouping is reported once, with its groups numbered by their lowest party.
bool ValsitBer::BildaListor()
{
    for (int g = 1; g < GroupSlots; ++g) {
        m_groupUsed[g] = false;
        m_groupSum[g] = 0;
        m_groupLowest[g] = 0;
        m_groupName[g].resize(0);
        m_groupName[g].append(QLatin1Char(' '));
    }
    SeatResult::List* lists = m_result.lists;
    int& count = m_result.listCount;
    count = 0;
    for (int i = 1; i <= m_n; ++i) {
        const CommitteeInput::Party& party = m_input.parties.at(i - 1);
        const int g = m_partyGroup[i];
        if (g == 0) {
            SeatResult::List& list = lists[++count];
            list.name = party.name;
            list.code = party.code;
            list.value = party.councilSeats;
            m_result.parties[i].list = count;
            continue;
        }
        if (!m_groupUsed[g])
            m_groupLowest[g] = i;
        m_groupUsed[g] = true;
        m_groupSum[g] += party.councilSeats;
        // " M / C / KD / L": the codes joined, no slash after the last.
        if (m_groupName[g].size() > 1)
            m_groupName[g].append(QLatin1String(" / "));
        m_groupName[g].append(party.code);
    }
    for (int g = 1; g < GroupSlots; ++g) {
        if (!m_groupUsed[g])
            continue;
        SeatResult::List& list = lists[++count];
        list.name = m_groupName[g];
        list.code = QString();
        list.value = m_groupSum[g];
        m_groupList[g] = count;
    }
    for (int i = 1; i <= m_n; ++i)
        if (m_partyGroup[i] != 0)
            m_result.parties[i].list = m_groupList[m_partyGroup[i]];

    // Member strings of groups are their slot digits in ascending order and never share
    // a digit, so comparing them is comparing the groups' lowest parties.
    if (m_n <= MaxPartiesAllCombinations && m_groupUsed[2]) {
        for (int g = 1; g + 1 < GroupSlots; ++g) {
            if (!m_groupUsed[g] || !m_groupUsed[g + 1])
                break;
            if (m_groupLowest[g] >= m_groupLowest[g + 1])
                return false;
        }
    }
    return true;
}

// d'Hondt, compared exactly: list a (value va, ma seats) beats list b when
// va·(mb + 1) > vb·(ma + 1).
void ValsitBer::FordelaPlatser()
{
    SeatResult::List* lists = m_result.lists;
    const int n = m_result.listCount;
    for (int row = 0; row <= qMax(m_n, n) && row < ListSlots; ++row)
        lists[row].seatCount = 0;
    const ReportChoices::Comparison comparison = m_input.report.comparison;
    ComparisonText::start(m_result, comparison);
    const int seatsToGive = qMin(qMax(m_input.seats, 1), int(SeatResult::MaxSeats));
    m_result.showTies = m_input.report.showLots;
    m_ties.start(m_result, seatsToGive, m_input.lots,
                 m_input.cooperation != CommitteeInput::Cooperation::AllCombinations);
    if (n < 1)
        return;

    const QChar point = TextNumbers::localeDecimalPoint();
    for (int s = 1;; ++s) {
        int winner = 1;
        bool tie = false;
        for (int j = 2; j <= n; ++j) {
            const qint64 mine = lists[j].value * (lists[winner].seatCount + 1);
            const qint64 best = lists[winner].value * (lists[j].seatCount + 1);
            if (mine == best) {
                tie = true;
            } else if (mine > best) {
                winner = j;
                tie = false;
            }
        }
        if (tie && !m_ties.inGroup(s)) {
            int tied[SeatResult::MaxLists + 1];
            int count = 0;
            for (int j = 1; j <= n; ++j)
                if (lists[j].value * (lists[winner].seatCount + 1) ==
                    lists[winner].value * (lists[j].seatCount + 1))
                    tied[count++] = j;
            m_ties.open(m_result, s, tied, count,
                        double(lists[winner].value) / double(lists[winner].seatCount + 1));
        }
        if (m_ties.inGroup(s) && m_ties.lotWinner(s) != 0)
            winner = m_ties.lotWinner(s);
        SeatResult::List& won = lists[winner];
        const int held = won.seatCount;
        const double value = double(won.value) / double(held + 1);
        m_result.winningNumber[s] = value;
        m_result.winningList[s] = winner;
        if (comparison != ReportChoices::Comparison::None)
            ComparisonText::append(m_result, comparison, s, value, point);
        const int count = held + 1;
        won.seatCount = count;
        won.seat[count] = s;
        won.tied[count] = tie;
        if (s >= seatsToGive) {
            m_ties.finish(m_result);
            return;
        }
    }
}
