#include "council/CouncilRun.h"

#include "council/CouncilFingerprint.h"
#include "council/CouncilPaperReport.h"
#include "council/CouncilScreenReport.h"
#include "council/CouncilSetup.h"
#include "council/DistrRosterStore.h"
#include "council/PublishedSeats.h"
#include "council/RostBer.h"
#include "council/ValkretsRun.h"
#include "data/DbTransaction.h"
#include "data/ElectionDatabase.h"
#include "report/PdfPrinter.h"
#include "seats/LotStore.h"
#include "shell/EngineError.h"

#include <QBuffer>
#include <QDir>
#include <QSaveFile>

#include <memory>

CouncilInput CouncilRun::input(const CouncilSetup& setup, ElectionDatabase& db,
                               QString* fingerprint)
{
    // The result windows always list the ties and lots under the result.
    CouncilInput in = setup.input(true);
    // Everything from the file in one read, so the lots, published seats and district
    // votes are those of one state of the file.
    DbTransaction read(db.database());
    if (fingerprint)
        *fingerprint = CouncilFingerprint::of(read);
    in.lots = LotStore(db).lots(LotStore::Kind::Council);
    in.publishedSeats = PublishedSeats::load(db).total;
    if (in.showDistricts) {
        QStringList codes;
        for (const CouncilInput::Party& p : in.parties)
            codes.append(p.code);
        in.districts = DistrRosterStore(db).districts(codes);
    }
    read.commit();
    return in;
}

QString CouncilRun::runOnScreen(CouncilSetup& setup, ElectionDatabase& db,
                                const ReportHeader& header, ReportWindow* window,
                                SeatResult& result)
{
    QString fingerprint;
    const CouncilInput in = input(setup, db, &fingerprint);
    RostBer::calculate(in, result);
    setup.takeSeats(result);
    CouncilScreenReport(window, header, in).write(result);
    return fingerprint;
}

QString CouncilRun::runOnPaper(CouncilSetup& setup, ElectionDatabase& db,
                               const ReportHeader& header, Printer& printer)
{
    // A municipality with constituencies has its own calculation and report; whether it
    // has them is read with the rest of the input.
    DbTransaction read(db.database());
    if (ValkretsRun::applies(db)) {
        const QString fingerprint = ValkretsRun::runOnPaper(setup, db, header, printer);
        read.commit();
        return fingerprint;
    }
    QString fingerprint;
    const CouncilInput in = input(setup, db, &fingerprint);
    read.commit();
    // The result is a large fixed-size value: on the heap, not on the window's stack.
    const auto result = std::make_unique<SeatResult>();
    RostBer::calculate(in, *result);
    setup.takeSeats(*result);
    CouncilPaperReport paper(in);
    paper.setPrinter(&printer);
    paper.setHeader(header);
    paper.write(*result);
    return fingerprint;
}

void CouncilRun::saveAsPdf(CouncilSetup& setup, ElectionDatabase& db, const ReportHeader& header,
                           const QString& fileName, const QString& title)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EngineError(QStringLiteral("Filen '%1' kunde inte skapas: %2")
                              .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    {
        PdfPrinter pdf(&file, title);
        runOnPaper(setup, db, header, pdf); // on failure the file is dropped unwritten
        pdf.endDoc();
    }
    if (!file.commit())
        throw EngineError(QStringLiteral("Filen '%1' kunde inte sparas: %2")
                              .arg(QDir::toNativeSeparators(fileName), file.errorString()));
}

void CouncilRun::rehearse(CouncilSetup& setup, ElectionDatabase& db, const ReportHeader& header)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PdfPrinter pdf(&buffer);
    runOnPaper(setup, db, header, pdf);
}
