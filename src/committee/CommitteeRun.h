#pragma once

#include <QString>

class Printer;
class ValsitBer;

// A committee calculation with its report written elsewhere than the engine is set to:
// on a given printer, or as a PDF file. The engine's medium, printer and run letter are
// as before afterwards. Errors of the run (EngineError) reach the caller.
class CommitteeRun
{
public:
    // The question before a run of more than one result: the estimate of results, and of
    // pages when `pages` is given (the printout), then "Vill du fortsätta?".
    static QString question(int results, int pages = -1);

    static void runOnPaper(ValsitBer& engine, Printer& printer);
    // The paper report of the run numbered `run` (the one shown on screen), as a PDF file.
    // The file is written aside and put in place only when the run has succeeded, so a
    // failed run leaves neither a broken file nor a half-overwritten one.
    static void saveAsPdf(ValsitBer& engine, const QString& fileName, const QString& title,
                          int run);
};
