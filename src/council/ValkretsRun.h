#pragma once

#include "council/ValkretsBer.h"
#include "council/ValkretsReportText.h"
#include "report/ReportHeader.h"

#include <QString>

class ElectionDatabase;
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
    static bool applies(ElectionDatabase& db);
    // The input of the run, unchecked.
    static ValkretsBer::Input input(const CouncilSetup& setup, ElectionDatabase& db);
    // Empty when the run can be made, else why not, in Swedish.
    static QString check(const CouncilSetup& setup, ElectionDatabase& db);

    // The runs read their input in one transaction and give the fingerprint of what they
    // read (CouncilFingerprint).
    static QString runOnScreen(CouncilSetup& setup, ElectionDatabase& db,
                               const ReportHeader& header, ReportWindow* window);
    static QString runOnPaper(CouncilSetup& setup, ElectionDatabase& db, const ReportHeader& header,
                              Printer& printer);

private:
    static QVector<ValkretsReportText::Line> calculate(CouncilSetup& setup, ElectionDatabase& db,
                                                       QString* fingerprint);
};
