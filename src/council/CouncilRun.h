#pragma once

#include "report/ReportHeader.h"

#include <QString>

class Printer;
class RostBer;

// One calculation of the council engine with its report, as the result windows make it:
// the input section, the district lines from the election database when the engine is
// to show them (the database is not touched otherwise), then the allocation and the
// result list, under the given header. Errors of the database (DbError) and of the printer
// (EngineError) reach the caller.
class CouncilRun
{
public:
    // On the medium the engine is set to (screen or its printer).
    static void run(RostBer& engine, const QString& dbPath, const ReportHeader& header);
    // On paper on the given printer, whatever the engine is set to; the engine's medium
    // and printer are as before afterwards. A database with constituencies gets the
    // constituency calculation (ValkretsRun).
    static void runOnPaper(RostBer& engine, const QString& dbPath, const ReportHeader& header,
                           Printer& printer);
    // The paper report as a PDF file. The file is written only when the whole report
    // was made: a failed run leaves no half file (and an earlier file as it was).
    static void saveAsPdf(RostBer& engine, const QString& dbPath, const ReportHeader& header,
                          const QString& fileName, const QString& title);
    // The paper report made once without keeping it, so that a run which would fail
    // (the district votes cannot be read, say) fails before anything reaches a printer.
    static void rehearse(RostBer& engine, const QString& dbPath, const ReportHeader& header);
};
