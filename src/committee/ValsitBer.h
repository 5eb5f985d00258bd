#pragma once

#include "committee/CommitteeInput.h"
#include "committee/Omfattning.h"
#include "seats/SeatResult.h"
#include "seats/TieBook.h"

#include <QString>
#include <functional>

class SeatReport;

// The engine of the committee calculation, a function of its input: shares a committee's
// seats among the parties by d'Hondt (divisors 1, 2, 3, ...) on their council seats,
// where cooperating parties stand as one list: no cooperation, the marked pairs as fixed
// groups, or every combination the marked pairs allow. Seats won on a comparison number
// equal to another list's are marked (lots must be drawn).
//
// A run hands every result to a report as it is made (an all-combinations run makes up to
// two million): the result is one fixed-size value filled in place, so memory stays flat
// and nothing is allocated per seat. The engine writes no report itself.
class ValsitBer
{
public:
    static constexpr int PairSlots = 122;
    static constexpr int ListSlots = SeatResult::MaxLists + 1;
    // Group numbers 1..17: the fixed groups open at most one number per party, so even
    // an incomplete marking of 16 parties stays inside the table.
    static constexpr int GroupSlots = 18;
    static constexpr int MaxPartiesAllCombinations = CommitteeInput::MaxPartiesAllCombinations;

    struct Outcome
    {
        int results = 0;      // results handed to the report
        bool stopped = false; // the stop check ended the run before its last combination
    };

    // The input must outlive the engine.
    explicit ValsitBer(const CommitteeInput& input);

    // What makes the input unusable, in Swedish for the user; empty when it can be run.
    static QString check(const CommitteeInput& input);
    // The size the result windows announce before a run.
    static Omfattning estimate(const CommitteeInput& input);
    // The exact number of combinations of an all-combinations run.
    static int combinationCount(const CommitteeInput& input);

    // The run: report.begin() with the run's parties, report.result() for every result
    // (`stop` is asked after every combination of an all-combinations run: true ends the
    // run there), report.end() with the closing lines. Throws EngineError with the text
    // of check() before anything is reported when the input is unusable.
    Outcome run(SeatReport& report, const std::function<bool()>& stop = {});

    // The result under way or last made.
    const SeatResult& result() const { return m_result; }

    static QString stoppedLine(int done, int total);
    // A, B, ... Z, then AA, AB, ...
    static QString runLetterText(int run);

private:
    void BildaSamvGrupper();
    void BearbAllaKomb(SeatReport& report, const std::function<bool()>& stop);
    bool BearbKomb(SeatReport& report);
    bool BildaListor();
    void FordelaPlatser();
    void resolveLabels();

    const CommitteeInput& m_input;
    int m_n = 0;
    bool m_marked[PairSlots] = {};
    SeatResult m_result;
    TieBook m_ties;
    bool m_stopped = false;
    bool m_decidingTieSeen = false; // in some combination of the run

    // The label of each party in the combination under way: its code (alone) or a
    // group number, and what it resolves to: 0 alone, g > 0 in group g.
    QString m_samvT[SeatResult::MaxParties + 2];
    int m_partyGroup[SeatResult::MaxParties + 1] = {};

    // Groups and lists of the combination under way.
    bool m_groupUsed[GroupSlots] = {};
    qint64 m_groupSum[GroupSlots] = {};
    int m_groupLowest[GroupSlots] = {};
    QString m_groupName[GroupSlots];
    int m_groupList[GroupSlots] = {};
};
