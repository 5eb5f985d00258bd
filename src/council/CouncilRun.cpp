#include "council/CouncilRun.h"

#include "council/DistrRosterStore.h"
#include "council/PublishedSeats.h"
#include "council/RostBer.h"
#include "council/ValkretsRun.h"
#include "report/PdfPrinter.h"
#include "seats/LotStore.h"
#include "shell/EngineError.h"

#include <QBuffer>
#include <QDir>
#include <QSaveFile>

void CouncilRun::run(RostBer& engine, const QString& dbPath, const ReportHeader& header)
{
    engine.setReportHeader(header);
    LotStore::loadInto(engine, LotStore::Kind::Council, dbPath);
    engine.setPublishedSeats(PublishedSeats::load(dbPath).total);
    engine.BearbBest();
    if (engine.VisaDistriktSW())
        DistrRosterStore(dbPath).feedDistricts(engine);
    engine.BearbBest2();
}

void CouncilRun::runOnPaper(RostBer& engine, const QString& dbPath, const ReportHeader& header,
                            Printer& printer)
{
    // A municipality with constituencies has its own calculation and report.
    if (ValkretsRun::applies(dbPath)) {
        ValkretsRun::runOnPaper(engine, dbPath, header, printer);
        return;
    }
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
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EngineError(QStringLiteral("Filen '%1' kunde inte skapas: %2")
                              .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    {
        PdfPrinter pdf(&file, title);
        runOnPaper(engine, dbPath, header, pdf); // on failure the file is dropped unwritten
        pdf.endDoc();
    }
    if (!file.commit())
        throw EngineError(QStringLiteral("Filen '%1' kunde inte sparas: %2")
                              .arg(QDir::toNativeSeparators(fileName), file.errorString()));
}

void CouncilRun::rehearse(RostBer& engine, const QString& dbPath, const ReportHeader& header)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PdfPrinter pdf(&buffer);
    runOnPaper(engine, dbPath, header, pdf);
}
