#pragma once

#include "committee/CommitteeInput.h"
#include "committee/ValsitBer.h"
#include "report/ReportHeader.h"

#include <QString>
#include <functional>

class CommitteeSetup;
class ElectionDatabase;
class Printer;
class ProgressIndicator;
class ReportWindow;

// One committee calculation with its report, as the result windows make it: the whole
// input read first (the setup's values and the lots stored in the election database),
// then ValsitBer on that value with every result rendered as it is made, under the given
// header and the run's letter. A window passes its progress bar (or none) and the stop
// check asked between combinations. Errors of the database (DbError) and of the run or
// printer (EngineError) reach the caller.
class CommitteeRun
{
public:
    struct Progress
    {
        ProgressIndicator* bar = nullptr;
        std::function<bool()> stop;
    };

    // The question before a run of more than one result: the estimate of results, and of
    // pages when `pages` is given (the printout), then "Vill du fortsätta?".
    static QString question(int results, int pages = -1);

    static CommitteeInput input(const CommitteeSetup& setup, ElectionDatabase& db);

    // Into the result window's report, as the setup's next run; `last` gets the last
    // result made (for the lot command).
    static ValsitBer::Outcome runOnScreen(CommitteeSetup& setup, ElectionDatabase& db,
                                          const ReportHeader& header, ReportWindow* window,
                                          const Progress& progress, SeatResult& last);
    static ValsitBer::Outcome runOnPaper(CommitteeSetup& setup, ElectionDatabase& db,
                                         const ReportHeader& header, Printer& printer,
                                         const Progress& progress);
    // The paper report of the run numbered `run` (the one shown on screen), as a PDF file.
    // The file is written aside and put in place only when the run has succeeded, so a
    // failed run leaves neither a broken file nor a half-overwritten one. A stopped run's
    // file is put in place only when `keepStopped` answers true; else nothing is written.
    static ValsitBer::Outcome saveAsPdf(CommitteeSetup& setup, ElectionDatabase& db,
                                        const ReportHeader& header, const QString& fileName,
                                        const QString& title, int run, const Progress& progress,
                                        const std::function<bool()>& keepStopped = {});

private:
    static ValsitBer::Outcome onPaper(const CommitteeInput& input, const ReportHeader& header,
                                      Printer& printer, int run, const Progress& progress);
};
