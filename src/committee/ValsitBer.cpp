#include "committee/ValsitBer.h"

#include "committee/Kombinationer.h"
#include "committee/Omfattning.h"
#include "report/ProgressIndicator.h"
#include "report/ReportTexts.h"
#include "report/TextNumbers.h"
#include "seats/LotTexts.h"
#include "shell/ClipboardCommands.h"
#include "shell/EngineError.h"
#include "shell/MessageService.h"

#include <stdexcept>

ValsitBer::ValsitBer(MessageService& messages) : SeatEngineBase(messages), m_messages(messages)
{
    // The defaults are applied here; that is the same as at the first call of a member.
    m_markText[0] = QString(QChar(0x00A0));
    m_markText[1] = QStringLiteral("X");
    for (int i = 0; i <= 16; ++i)
        m_samvT[i] = QStringLiteral(" ");
}

// The cooperation setters correct a negative slot to the highest one.
void ValsitBer::setSamvSW(int x, qint16 value)
{
    m_samvSW[m_corrections.letSlot(x, 0, m_maxSamv, m_maxSamv, "SamvSW")] = value;
}

qint16 ValsitBer::SamvSW(int x)
{
    return m_samvSW[m_corrections.getSlot(x, m_maxSamv, "SamvSW")];
}

void ValsitBer::setSamvT(int x, const QString& value)
{
    m_samvT[m_corrections.letSlot(x, 0, m_maxPartier, m_maxPartier, "SamvT")] = value;
}

QString ValsitBer::SamvT(int x)
{
    return m_samvT[m_corrections.getSlot(x, m_maxPartier, "SamvT")];
}

const QString& ValsitBer::markText(int pair) const
{
    const int mark = pair >= 0 && pair < PairSlots ? m_samvSW[pair] : 0;
    return m_markText[mark == 1 ? 1 : mark == 2 ? 2 : 0];
}

QString ValsitBer::runLetterText(int run)
{
    // Past Z the letters go on as AA, AB, ... rather than into punctuation.
    QString text;
    for (int n = run; n > 0; n = (n - 1) / 26)
        text.prepend(QChar(u'A' + (n - 1) % 26));
    return text;
}

// --- Estimate -----------------------------------------------------------------------

void ValsitBer::BerOmfattning()
{
    if (m_samvSW[0] != 2) {
        m_antalResultat = 1;
        m_antalSidor = 1;
        return;
    }
    qint64 lists = 0;
    const int results = Kombinationer::antal(m_antPartier, m_samvSW, &lists);
    const Omfattning size = Omfattning::of(results, lists, m_antValsit);
    m_antalResultat = size.resultat;
    m_antalSidor = size.sidor;
}

int ValsitBer::AntalResultat()
{
    BerOmfattning();
    return m_antalResultat;
}

int ValsitBer::AntalSidor()
{
    BerOmfattning();
    return m_antalSidor;
}

// --- The run ------------------------------------------------------------------------

QString ValsitBer::stoppedLine(int done, int total)
{
    return QStringLiteral("Bearbetningen avbröts efter ") + QString::number(done) +
           QStringLiteral(" av ") + QString::number(total) +
           QStringLiteral(" kombinationer. Redovisningen är inte fullständig.");
}

void ValsitBer::BearbBest()
{
    m_result.counter = 0;
    m_result.rule = SeatResult::Rule();
    m_result.rule.method = SeatResult::Method::DHondt;
    m_result.rule.firstDivisorTenths = 10;
    startResult(m_partiValRes);
    m_stopped = false;
    m_decidingTieSeen = false;
    if (m_progBar)
        m_progBar->setMaximum(m_antalResultat);
    if (m_skrivUtSW)
        SkrivUtIndata();
    else
        VisaIndata();

    if (m_samvSW[0] == 0) {
        for (int i = 1; i <= m_antPartier; ++i)
            m_samvT[i] = m_partiID[i];
        resolveLabels();
        BearbKomb();
    } else if (m_samvSW[0] == 2) {
        BearbAllaKomb();
    } else {
        BearbFastSamv();
    }

    if (m_decidingTieSeen && m_visaLottSW && m_samvSW[0] == 2) {
        if (m_skrivUtSW) {
            m_paper.closingLine(LotTexts::allCombinationsNote());
        } else {
            m_screen.TextNormal(8);
            m_screen.LaggTillRad(QStringLiteral(" "));
            m_screen.LaggTillRad(LotTexts::allCombinationsNote());
        }
    }
    if (m_stopped) {
        const QString line =
            stoppedLine(m_result.counter, Kombinationer::antal(m_antPartier, m_samvSW));
        if (m_skrivUtSW) {
            m_paper.closingLine(line);
        } else {
            m_screen.TextFet(9);
            m_screen.LaggTillRad(QStringLiteral(" "));
            m_screen.LaggTillRad(line);
        }
    }
    // A stopped run's bar stays where it stopped.
    if (m_progBar && !m_stopped)
        m_progBar->setValue(m_progBar->maximum());
    if (m_skrivUtSW)
        m_paper.finish();
}

void ValsitBer::BearbFastSamv()
{
    BildaSamvGrupper();
    resolveLabels();
    BearbKomb();
}

void ValsitBer::BildaSamvGrupper()
{
    const int n = m_antPartier;
    for (int i = 1; i <= n; ++i)
        m_samvT[i] = m_partiID[i];
    int counter = 1;
    QString label = QStringLiteral("1");
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            if (m_samvSW[pairNumber(i, j)] == 1) {
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

// Reads the labels SamvT(1..n): a label that is some party's code (any case) means the
// party stands alone, otherwise it is the number of the party's group.
void ValsitBer::resolveLabels()
{
    QString codes = QStringLiteral(",");
    for (int i = 1; i <= m_antPartier; ++i)
        codes += m_partiID[i] + QLatin1Char(',');
    for (int i = 1; i <= m_antPartier; ++i) {
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

void ValsitBer::BearbAllaKomb()
{
    const int n = m_antPartier;
    if (n > MaxPartiesAllCombinations)
        throw EngineError(QStringLiteral("Alla markerade kombinationer kan bara beräknas för "
                                         "högst 9 partier"));
    if (n < 1)
        return;

    // Everything a label decides is worked out once per party and choice, so the two
    // million assignments of nine parties are tested on integers only.
    QString codes = QStringLiteral(",");
    for (int i = 1; i <= n; ++i)
        codes += m_partiID[i] + QLatin1Char(',');
    QString label[MaxPartiesAllCombinations + 1][5];
    int groupOf[MaxPartiesAllCombinations + 1][5];
    for (int p = 1; p <= n; ++p) {
        for (int c = 0; c <= 4; ++c) {
            label[p][c] = c == 0 ? m_partiID[p] : QString::number(c);
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
            for (int p = 1; p <= n; ++p)
                m_samvT[p] = label[p][choice[p]];
            for (int j = 2; j <= n && admissible; ++j)
                for (int i = 1; i < j && admissible; ++i)
                    if (sameLabel[i][choice[i]][j][choice[j]] && m_samvSW[pairNumber(i, j)] == 0)
                        admissible = false;
        }
        if (admissible) {
            for (int p = 1; p <= n; ++p)
                m_partyGroup[p] = groupOf[p][choice[p]];
            const int before = m_result.counter;
            BearbKomb();
            if (m_result.counter != before && m_stopCheck && m_stopCheck()) {
                // Stopped after the last combination is no stop at all.
                m_stopped = m_result.counter < Kombinationer::antal(n, m_samvSW);
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

void ValsitBer::BearbKomb()
{
    if (!BildaListor())
        return;
    const int counter = ++m_result.counter;
    if (m_progBar) {
        if (m_progBar->maximum() < counter)
            m_progBar->setMaximum(counter);
        m_progBar->setValue(counter);
    }
    FordelaPlatser();
    if (m_result.tieGroupCount > 0 && m_result.tieGroups[m_result.tieGroupCount - 1].decides)
        m_decidingTieSeen = true;
    if (m_skrivUtSW)
        SkrivUtPresentera();
    else
        VisaKomb();
    if (m_observer)
        m_observer();
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
    for (int i = 1; i <= m_antPartier; ++i) {
        const int g = m_partyGroup[i];
        if (g == 0) {
            SeatResult::List& list = lists[++count];
            list.name = m_partiNamn[i];
            list.code = m_partiID[i];
            list.value = m_partiValRes[i];
            m_result.parties[i].list = count;
            continue;
        }
        if (!m_groupUsed[g])
            m_groupLowest[g] = i;
        m_groupUsed[g] = true;
        m_groupSum[g] += m_partiValRes[i];
        // " M / C / KD / L": the codes joined, no slash after the last.
        if (m_groupName[g].size() > 1)
            m_groupName[g].append(QLatin1String(" / "));
        m_groupName[g].append(m_partiID[i]);
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
    for (int i = 1; i <= m_antPartier; ++i)
        if (m_partyGroup[i] != 0)
            m_result.parties[i].list = m_groupList[m_partyGroup[i]];

    // Member strings of groups are their slot digits in ascending order and never share
    // a digit, so comparing them is comparing the groups' lowest parties.
    if (m_antPartier <= MaxPartiesAllCombinations && m_groupUsed[2]) {
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
    for (int row = 0; row <= qMax(m_antPartier, n) && row < ListSlots; ++row)
        lists[row].seatCount = 0;
    startComparisonList();
    const int seatsToGive = qMin(qMax(m_antValsit, 1), int(MaxSeats));
    startTies(seatsToGive, m_samvSW[0] != 2);
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
        if (m_berTalSW)
            appendComparison(s, value, point);
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

// --- Screen report ------------------------------------------------------------------

QStringList ValsitBer::pairMarks() const
{
    QStringList marks;
    for (int pair = 0; pair < PairSlots; ++pair)
        marks.append(markText(pair));
    return marks;
}

void ValsitBer::VisaIndata()
{
    m_screen.setTabTable(qMin(qMax(m_antValsit, m_antPartier) + 3, 29), {15, 40, 10}, 6);
    writeReportHeading();
    m_screen.TextFet(7);
    const int run = nextRunNumber();
    m_screen.LaggTillRad(QStringLiteral("Fullmäktige\t\tValsamverkan - ") + runLetterText(run));
    m_screen.LaggTillRad(QStringLiteral("Valsit\tPartinamn\tPartiID"));
    m_screen.TextNormal(7);
    for (int i = 1; i <= m_result.partyCount; ++i) {
        const SeatResult::Party& party = m_result.parties[i];
        m_line.resize(0);
        TextNumbers::appendInt(m_line, party.value);
        m_line.append(QLatin1Char('\t'));
        m_line.append(party.name);
        m_line.append(QLatin1Char('\t'));
        m_line.append(party.code);
        m_line.append(QLatin1Char('\t'));
        for (int j = 1; j < i; ++j) {
            m_line.append(markText(pairNumber(j, i)));
            m_line.append(QLatin1Char('\t'));
        }
        m_line.append(party.code);
        m_screen.LaggTillRad(m_line);
    }
    m_screen.LaggTillRad(QStringLiteral(" "));
    m_screen.LaggTillRad(ReportTexts::tieNote());
}

void ValsitBer::VisaKomb()
{
    writeResult(9);
}

// --- Paper report -------------------------------------------------------------------

void ValsitBer::SkrivUtIndata()
{
    m_paper.setHeader(m_header);
    // One input section, one run: the letter goes up whichever medium the run is on.
    m_paper.SkrivUtIndata(m_result, runLetterText(nextRunNumber()), pairMarks());
}

void ValsitBer::SkrivUtPresentera()
{
    m_paper.SkrivUtPresentera(m_result);
}

void ValsitBer::CB_Copy()
{
    ClipboardCommands(m_messages, m_textBoxes, m_clipboard).copy();
}

void ValsitBer::CB_Cut()
{
    ClipboardCommands(m_messages, m_textBoxes, m_clipboard).cut();
}

void ValsitBer::CB_Paste()
{
    ClipboardCommands(m_messages, m_textBoxes, m_clipboard).paste();
}
