#include "council/CouncilRun.h"

#include "council/CouncilPaperReport.h"
#include "council/CouncilScreenReport.h"
#include "council/CouncilSetup.h"
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

#include <memory>

CouncilInput CouncilRun::input(const CouncilSetup& setup, const QString& dbPath)
{
    // The result windows always list the ties and lots under the result.
    CouncilInput in = setup.input(true);
    in.lots = LotStore::load(LotStore::Kind::Council, dbPath);
    in.publishedSeats = PublishedSeats::load(dbPath).total;
    if (in.showDistricts) {
        QStringList codes;
        for (const CouncilInput::Party& p : in.parties)
            codes.append(p.code);
        in.districts = DistrRosterStore(dbPath).districts(codes);
    }
    return in;
}

void CouncilRun::runOnScreen(CouncilSetup& setup, const QString& dbPath, const ReportHeader& header,
                             ReportWindow* window, SeatResult& result)
{
    const CouncilInput in = input(setup, dbPath);
    RostBer::calculate(in, result);
    setup.takeSeats(result);
    CouncilScreenReport(window, header, in).write(result);
}

void CouncilRun::runOnPaper(CouncilSetup& setup, const QString& dbPath, const ReportHeader& header,
                            Printer& printer)
{
    // A municipality with constituencies has its own calculation and report.
    if (ValkretsRun::applies(dbPath)) {
        ValkretsRun::runOnPaper(setup, dbPath, header, printer);
        return;
    }
    const CouncilInput in = input(setup, dbPath);
    // The result is a large fixed-size value: on the heap, not on the window's stack.
    const auto result = std::make_unique<SeatResult>();
    RostBer::calculate(in, *result);
    setup.takeSeats(*result);
    CouncilPaperReport paper(in);
    paper.setPrinter(&printer);
    paper.setHeader(header);
    paper.write(*result);
}

void CouncilRun::saveAsPdf(CouncilSetup& setup, const QString& dbPath, const ReportHeader& header,
                           const QString& fileName, const QString& title)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EngineError(QStringLiteral("Filen '%1' kunde inte skapas: %2")
                              .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    {
        PdfPrinter pdf(&file, title);
        runOnPaper(setup, dbPath, header, pdf); // on failure the file is dropped unwritten
        pdf.endDoc();
    }
    if (!file.commit())
        throw EngineError(QStringLiteral("Filen '%1' kunde inte sparas: %2")
                              .arg(QDir::toNativeSeparators(fileName), file.errorString()));
}

void CouncilRun::rehearse(CouncilSetup& setup, const QString& dbPath, const ReportHeader& header)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PdfPrinter pdf(&buffer);
    runOnPaper(setup, dbPath, header, pdf);
}
