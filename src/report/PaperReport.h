#pragma once

#include "report/PageFrame.h"
#include "report/xxPrt.h"

#include <QString>
#include <QStringList>

class Printer;

// What the council and the committee reports share on paper: the printer, the page
// layout and frame, the header lines, the comparison-number list and the seat lists
// with their page-break checks.
//
// Every line is checked against the bottom limit before it is printed: a line that
// would pass it goes on a new page (with its footer), so a long party list, many
// districts or a long comparison-number list is never printed below the page's end.
class PaperReport
{
public:
    static const QString TieNote;

    void setPrinter(Printer* printer);
    // The organisation and date of the header line and of every page's footer.
    void setHeader(const ReportHeader& header) { m_frame.setHeader(header); }
    Printer* printer() const { return m_printer; }
    const xxPrt& layout() const { return m_prt; }

    // Ends the printout: the document goes to the printer or the file.
    void finish();

protected:
    PaperReport() : m_frame(m_prt) {}
    ~PaperReport() = default;
    PaperReport(const PaperReport&) = delete;
    PaperReport& operator=(const PaperReport&) = delete;

    // SkrivarInit and the first page. Throws EngineError when no printer was given.
    void beginPrintout();
    // The organisation's header line, then "för" and the heading when there is one,
    // and the gap below; the heading goes left at position 1. Ends in bold 8.
    void headerLines(const QString& heading);
    // Starts a line of several items: a new page first when it would pass the bottom
    // limit, then the vertical position is saved.
    void beginLine();
    // Goes back to the start of the line for its next item.
    void nextItem() { m_prt.PrtAterY(); }

    // The positions of the result lists: name, count, "Valsit: ", ten seat columns.
    void resultPositions();
    // The estimated height of a result list of the given number of lists, in the
    // standard font: one line per list and one per ten seats, plus one.
    int estimatedListHeight(int lists, int seats);
    // The comparison-number list in the given font size, wrapped to the full width; a
    // new page first when it and the list estimated at listHeight would not fit.
    void comparisonList(const QString& text, int size, int listHeight);
    // Before the seat lists: a new page when they would not fit on this one.
    void breakBeforeLists(int listHeight);
    // One list: name, " Antal: " and the count, "Valsit: ", then the seat numbers ten
    // to a line, each with "*" when it was tied with the next.
    // seats[1..count] and tied[1..count].
    void seatList(const QString& name, int count, const qint32* seats, const bool* tied);
    // Lines of notes under a result in normal 9, each wrapped to the full width.
    void noteLines(const QStringList& lines);
    // The counter in bold 8 at the margin (none for 0: a run of one result), and a rule
    // under the block.
    void counterAndRule(int counter);

    xxPrt m_prt;
    PageFrame m_frame;
    Printer* m_printer = nullptr;
    QString m_text; // reused for numbers and seat texts
};
