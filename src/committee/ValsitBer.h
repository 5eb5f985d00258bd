#pragma once

#include "committee/CommitteePaperReport.h"
#include "report/ScreenReport.h"
#include "shell/PropertyCorrections.h"

#include <QString>
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
class ValsitBer
{
public:
    static constexpr int Slots = 18;     // party slots 0..17
    static constexpr int MaxSeats = 350; // seat columns 1..350
    static constexpr int PairSlots = 122;
    static constexpr int ListSlots = 25;
    // Group numbers 1..17: BildaSamvGrupper opens at most one number per party, so even
    // an incomplete marking of 16 parties stays inside the table.
    static constexpr int GroupSlots = 18;
    static constexpr int MaxPartiesAllCombinations = 9;

    explicit ValsitBer(MessageService& messages);

    void setFormName(ReportWindow* window);
    void setProgBar(ProgressIndicator* bar) { m_progBar = bar; }

    int AntValsit() const { return m_antValsit; }
    void setAntValsit(int value);
    int MaxValsit() const { return m_maxValsit; }
    int MinValsit() const { return m_minValsit; }
    int AntPartier() const { return m_antPartier; }
    void setAntPartier(int value);
    int MaxPartier() const { return m_maxPartier; }
    int MinPartier() const { return m_minPartier; }

    void setPartiID(int x, const QString& value);
    QString PartiID(int x);
    void setPartiNamn(int x, const QString& value);
    QString PartiNamn(int x);
    void setPartiValRes(int x, qint32 value);
    qint32 PartiValRes(int x);
    void setRubrik1(const QString& value) { m_rubrik1 = value; }

    bool BerTalSW() const { return m_berTalSW; }
    void setBerTalSW(bool on) { m_berTalSW = on; }
    qint16 BerTalAntDec() const { return m_berTalAntDec; }
    void setBerTalAntDec(qint16 value) { m_berTalAntDec = value; }
    bool SkrivUtSW() const { return m_skrivUtSW; }
    void setSkrivUtSW(bool on) { m_skrivUtSW = on; }

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
    const QString& Rubrik1() const { return m_rubrik1; }
    QString partiIdAt(int x) const { return m_partiID[x]; }
    QString partiNamnAt(int x) const { return m_partiNamn[x]; }
    qint32 partiValResAt(int x) const { return m_partiValRes[x]; }
    // The mark shown for a pair in the input table: "X" when marked, else a no-break space.
    const QString& markText(int pair) const;
    int listCount() const { return m_listCount; }
    // The list party x stands in, in the combination under way.
    int partyList(int x) const { return m_partyList[x]; }
    const QString& listName(int list) const { return m_listName[list]; }
    qint64 listValue(int list) const { return m_listValue[list]; }
    int seatCount(int list) const { return m_seats[list][0]; }
    int seatNumber(int list, int m) const { return m_seats[list][m]; }
    bool seatTied(int list, int m) const { return m_ties[list][m] != 0; }
    double winningNumber(int s) const { return m_winningNumber[s]; }
    int winningList(int s) const { return m_winningList[s]; }
    const QString& comparisonList() const { return m_lineBuffer; }
    int resultCounter() const { return m_resultCounter; }
    int runNumber() const { return m_runCounter; }
    // Advances the run letter: one input section, one run.
    int nextRunNumber() { return ++m_runCounter; }
    // A, B, ... Z, then AA, AB, ...
    static QString runLetterText(int run);

private:
    void message(const QString& text);
    int correctedLetSlot(int x, const char* name);
    int correctedGetSlot(int x, const char* name);

    void BildaSamvGrupper();
    void BerOmfattning();
    void BearbFastSamv();
    void BearbAllaKomb();
    void BearbKomb();
    bool BildaListor();
    void FordelaPlatser();
    void VisaKomb();
    void resolveLabels();
    void setResultTabs();

    MessageService& m_messages;
    PropertyCorrections m_corrections;
    ScreenReport m_screen;
    CommitteePaperReport m_paper;
    ProgressIndicator* m_progBar = nullptr;
    std::function<void()> m_observer;
    TextBoxAccess* m_textBoxes = nullptr;
    ClipboardAccess* m_clipboard = nullptr;

    int m_runCounter = 0;
    int m_resultCounter = 0;
    bool m_berTalSW = false;
    qint16 m_berTalAntDec = 1;
    bool m_skrivUtSW = false;
    int m_antValsit = 0;
    int m_maxValsit = MaxSeats;
    int m_minValsit = 5;
    int m_antPartier = 0;
    int m_maxPartier = 16;
    int m_minPartier = 2;
    QString m_partiID[Slots];
    QString m_partiNamn[Slots];
    qint32 m_partiValRes[Slots] = {};
    QString m_rubrik1;
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
    int m_partyList[Slots] = {};
    int m_listCount = 0;
    QString m_listName[ListSlots];
    qint64 m_listValue[ListSlots] = {};

    qint32 m_seats[ListSlots][MaxSeats + 1] = {};
    qint16 m_ties[ListSlots][MaxSeats + 1] = {};
    double m_winningNumber[MaxSeats + 1] = {};
    int m_winningList[MaxSeats + 1] = {};
    QString m_lineBuffer;
    QString m_line;
};
