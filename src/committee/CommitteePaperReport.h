#pragma once

#include "report/PaperReport.h"
#include "seats/SeatResult.h"

#include <QStringList>

// The committee report on paper: the input section once per run and one result block
// per combination, laid out on A4 pages.
class CommitteePaperReport : public PaperReport
{
public:
    // The parties with their council seats and the marks of the pairs (marks[k] for pair
    // k, numbered (1,2), (1,3), (2,3), (1,4), ...), under the run's letter.
    void SkrivUtIndata(const SeatResult& run, const QString& runLetter, const QStringList& marks);
    void SkrivUtPresentera(const SeatResult& result);
    // A line of its own in bold at the margin, below the last result block.
    void closingLine(const QString& text);

    // The pair-mark columns: 400 twips apart, squeezed when the parties would not fit
    // inside the right edge.
    static int markSpacing(int parties);
};
