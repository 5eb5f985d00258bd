#pragma once

#include "council/CouncilInput.h"
#include "report/ReportHeader.h"

#include <QString>

class CouncilSetup;
class ElectionDatabase;
class Printer;
class ReportWindow;
struct SeatResult;

// One calculation of the council with its report, as the result windows make it: the
// whole input read first (the setup's values, and from the election database the lots,
// the published seats and, when the report lists them, the district votes), then RostBer
// on that value, then the report rendered from the result under the given header. The
// seats go back to the setup (PartiValRes) for "Lagra framräknade valsit". Errors of the
// database (DbError) and of the printer (EngineError) reach the caller; a database that
// cannot be read fails before anything is written.
class CouncilRun
{
public:
    // The input, read from the file in one transaction; `fingerprint`, when given, gets
    // that of the input read (CouncilFingerprint).
    static CouncilInput input(const CouncilSetup& setup, ElectionDatabase& db,
                              QString* fingerprint = nullptr);

    // Into the result window's report; `result` gets the result (for the lot command).
    // Gives the fingerprint of the input read.
    static QString runOnScreen(CouncilSetup& setup, ElectionDatabase& db,
                               const ReportHeader& header, ReportWindow* window,
                               SeatResult& result);
    // On paper on the given printer. A database with constituencies gets the
    // constituency calculation (ValkretsRun). Gives the fingerprint of the input read.
    static QString runOnPaper(CouncilSetup& setup, ElectionDatabase& db, const ReportHeader& header,
                              Printer& printer);
    // The paper report as a PDF file. The file is written only when the whole report
    // was made: a failed run leaves no half file (and an earlier file as it was).
    static void saveAsPdf(CouncilSetup& setup, ElectionDatabase& db, const ReportHeader& header,
                          const QString& fileName, const QString& title);
    // The paper report made once without keeping it, so that a run which would fail
    // (the district votes cannot be read, say) fails before anything reaches a printer.
    static void rehearse(CouncilSetup& setup, ElectionDatabase& db, const ReportHeader& header);
};
