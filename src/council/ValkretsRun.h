#pragma once

#include "council/ValkretsBer.h"
#include "council/ValkretsReportText.h"
#include "report/ReportHeader.h"

#include <QString>

class Printer;
class ReportWindow;
class CouncilSetup;

// A council calculation with constituencies as the vote entry and the result windows make
// it: the parties, seats, rules and report choices of the council setup, the
// constituencies and their votes from the election database. The totals are handed back
// to the setup as its seats (PartiValRes), so they can be stored as any calculation's.
// Errors of the database (DbError) and of the run (EngineError) reach the caller.
class ValkretsRun
{
public:
    // True when the database holds constituencies.
    static bool applies(const QString& dbPath);
    // The input of the run, unchecked.
    static ValkretsBer::Input input(const CouncilSetup& setup, const QString& dbPath);
    // Empty when the run can be made, else why not, in Swedish.
    static QString check(const CouncilSetup& setup, const QString& dbPath);

    static void runOnScreen(CouncilSetup& setup, const QString& dbPath, const ReportHeader& header,
                            ReportWindow* window);
    static void runOnPaper(CouncilSetup& setup, const QString& dbPath, const ReportHeader& header,
                           Printer& printer);
    // The paper report as a PDF file, written only when the whole report was made.
    static void saveAsPdf(CouncilSetup& setup, const QString& dbPath, const ReportHeader& header,
                          const QString& fileName, const QString& title);

private:
    static QVector<ValkretsReportText::Line> calculate(CouncilSetup& setup, const QString& dbPath);
};
