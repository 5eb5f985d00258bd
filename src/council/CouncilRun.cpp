#include "council/CouncilRun.h"

#include "council/DistrRosterStore.h"
#include "council/RostBer.h"
#include "report/PdfPrinter.h"

void CouncilRun::run(RostBer& engine, const QString& dbPath, const ReportHeader& header)
{
    engine.setReportHeader(header);
    engine.BearbBest();
    if (engine.VisaDistriktSW())
        DistrRosterStore(dbPath).feedDistricts(engine);
    engine.BearbBest2();
}

void CouncilRun::runOnPaper(RostBer& engine, const QString& dbPath, const ReportHeader& header,
                            Printer& printer)
{
    const bool wasOnPaper = engine.SkrivUtSW();
    // Whatever happens, the engine goes back to its own medium and lets go of the
    // printer, which belongs to the caller.
    struct Restore
    {
        RostBer& engine;
        bool onPaper;
        ~Restore()
        {
            engine.setSkrivUtSW(onPaper);
            engine.setPrinter(nullptr);
        }
    } restore{engine, wasOnPaper};
    engine.setSkrivUtSW(true);
    engine.setPrinter(&printer);
    run(engine, dbPath, header);
}

void CouncilRun::saveAsPdf(RostBer& engine, const QString& dbPath, const ReportHeader& header,
                           const QString& fileName, const QString& title)
{
    PdfPrinter pdf(fileName, title);
    runOnPaper(engine, dbPath, header, pdf);
}
