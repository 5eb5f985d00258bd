#pragma once

#include "committee/CommitteePaperReport.h"
#include "seats/SeatEngineBase.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>

class ClipboardAccess;
class MessageService;
class Printer;
class ProgressIndicator;
class ReportWindow;
class TextBoxAccess;

// The engine of the committee calculation: shares a committee's seats among the parties
// by d'Hondt (divisors 1, 2, 3, ...) on their council seats, where cooperating parties
// stand as one list. Three modes by SamvSW(0): 0 no cooperation, 2 every combination the
// marked pairs allow, anything else the marked pairs as fixed groups. Seats won on a
// comparison number equal to another list's are marked (lots must be drawn).
//
// Properties never refuse a value: an out-of-range count or slot is corrected after a
// message. A slot that no check corrects and that lies outside the tables throws
// std::out_of_range, leaving the engine unchanged; a run that cannot be made (a label
// that names no party and no group, more than 9 parties for all combinations) throws
// EngineError.
class ValsitBer : public SeatEngineBase
{
public:
    static constexpr int PairSlots = 122;
    static constexpr int ListSlots = SeatResult::MaxLists + 1;
    // Group numbers 1..17: BildaSamvGrupper opens at most one number per party, so even
    // an incomplete marking of 16 parties stays inside the table.
    static constexpr int GroupSlots = 18;
    static constexpr int MaxPartiesAllCombinations = 9;

    explicit ValsitBer(MessageService& messages);

    void setProgBar(ProgressIndicator* bar) { m_progBar = bar; }

    int MaxPartier() const { return m_maxPartier; }

    int MaxSamv() const { return m_maxSamv; }
    void setSamvSW(int x, qint16 value);
    qint16 SamvSW(int x);
    void setSamvT(int x, const QString& value);
    QString SamvT(int x);

    int AntalResultat();
    int AntalSidor();

    void BearbBest();
    void SkrivUtPresentera();
    void VisaIndata();
    void SkrivUtIndata();

    // The printer used when SkrivUtSW is on.
    void setPrinter(Printer* printer) { m_paper.setPrinter(printer); }
    // Called after every combination reported, once its seats are shared out.
    void setResultObserver(std::function<void()> observer) { m_observer = std::move(observer); }
    // Asked after every combination of an all-combinations run: true ends the run there,
    // and its report with the line of stoppedLine, so a part can never pass for the whole.
    void setStopCheck(std::function<bool()> check) { m_stopCheck = std::move(check); }
    // Whether the last run was ended early by the stop check.
    bool stopped() const { return m_stopped; }
    static QString stoppedLine(int done, int total);

    // Copy, cut and paste of the entry windows' edit menus, between the focused text box
    // and the clipboard; any other focused control is refused with a message.
    void CB_Copy();
    void CB_Cut();
    void CB_Paste();
    // The focused control and the clipboard the three commands work on (none in a batch
    // run, where every command is refused).
    void setClipboardAccess(TextBoxAccess* textBoxes, ClipboardAccess* clipboard)
    {
        m_textBoxes = textBoxes;
        m_clipboard = clipboard;
    }

    // Pair i < j has the number (j - 1)(j - 2)/2 + i: (1,2) = 1, (1,3) = 2, (2,3) = 3, ...
    static int pairNumber(int i, int j) { return (j - 1) * (j - 2) / 2 + i; }

    // Read-outs for the reports and the tools.
    qint32 partiValResAt(int x) const { return m_partiValRes[x]; }
    // The mark shown for a pair in the input table: "X" when marked, else a no-break space.
    const QString& markText(int pair) const;
    // The combination under way or last made (the same as result()).
    int listCount() const { return m_result.listCount; }
    // The list party x stands in, in the combination under way.
    int partyList(int x) const { return m_result.parties[x].list; }
    const QString& listName(int list) const { return m_result.lists[list].name; }
    qint64 listValue(int list) const { return m_result.lists[list].value; }
    int seatCount(int list) const { return m_result.lists[list].seatCount; }
    int seatNumber(int list, int m) const { return m_result.lists[list].seat[m]; }
    bool seatTied(int list, int m) const { return m_result.lists[list].tied[m]; }
    double winningNumber(int s) const { return m_result.winningNumber[s]; }
    int winningList(int s) const { return m_result.winningList[s]; }
    int resultCounter() const { return m_result.counter; }
    int runNumber() const { return m_runCounter; }
    // Advances the run letter: one input section, one run.
    int nextRunNumber() { return ++m_runCounter; }
    // Puts the run counter back, so that the same calculation written again (a screen
    // report saved as PDF) carries the letter it was shown with.
    void setRunNumber(int run) { m_runCounter = run; }
    // A, B, ... Z, then AA, AB, ...
    static QString runLetterText(int run);

private:
    void BildaSamvGrupper();
    void BerOmfattning();
    void BearbFastSamv();
    void BearbAllaKomb();
    void BearbKomb();
    bool BildaListor();
    void FordelaPlatser();
    void VisaKomb();
    void resolveLabels();
    QStringList pairMarks() const;

    MessageService& m_messages;
    CommitteePaperReport m_paper;
    ProgressIndicator* m_progBar = nullptr;
    std::function<void()> m_observer;
    std::function<bool()> m_stopCheck;
    bool m_stopped = false;
    bool m_decidingTieSeen = false; // in some combination of the run
    TextBoxAccess* m_textBoxes = nullptr;
    ClipboardAccess* m_clipboard = nullptr;

    int m_runCounter = 0;
    QString m_markText[3];
    int m_maxSamv = 120;
    qint16 m_samvSW[PairSlots] = {};
    QString m_samvT[Slots];
    int m_antalResultat = 0;
    int m_antalSidor = 0;

    // How each party stands in the combination under way: 0 alone, g > 0 in group g.
    int m_partyGroup[Slots] = {};

    // Groups and lists of the combination under way.
    bool m_groupUsed[GroupSlots] = {};
    qint64 m_groupSum[GroupSlots] = {};
    int m_groupLowest[GroupSlots] = {};
    QString m_groupName[GroupSlots];
    int m_groupList[GroupSlots] = {};
};
