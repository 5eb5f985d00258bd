#include "committee/CommitteeRun.h"

#include "committee/CommitteePaperReport.h"
#include "committee/CommitteeScreenReport.h"
#include "committee/CommitteeSetup.h"
#include "data/ElectionDatabase.h"
#include "report/PdfPrinter.h"
#include "seats/LotStore.h"
#include "seats/ProgressReport.h"
#include "shell/EngineError.h"

#include <QFile>

#include <memory>

QString CommitteeRun::question(int results, int pages)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("Bearbetningen omfattar") + crlf + QStringLiteral("cirka ") +
                   QString::number(results) + QStringLiteral(" kombinationer") + crlf;
    // An estimate from the exact count, not a lower bound.
    if (pages >= 0)
        text += QStringLiteral("cirka ") + QString::number(pages) +
                (pages == 1 ? QStringLiteral(" sida") : QStringLiteral(" sidor")) + crlf;
    return text + QStringLiteral("Vill du fortsätta?");
}

CommitteeInput CommitteeRun::input(const CommitteeSetup& setup, ElectionDatabase& db)
{
    // The result windows always list the ties and lots under the result.
    CommitteeInput in = setup.input(true);
    in.lots = LotStore(db).lots(LotStore::Kind::Committee);
    return in;
}

ValsitBer::Outcome CommitteeRun::runOnScreen(CommitteeSetup& setup, ElectionDatabase& db,
                                             const ReportHeader& header, ReportWindow* window,
                                             const Progress& progress, SeatResult& last)
{
    const CommitteeInput in = input(setup, db);
    // The engine holds a large fixed-size result: on the heap, not on the window's stack.
    const auto engine = std::make_unique<ValsitBer>(in);
    CommitteeScreenReport screen(window, header, in,
                                 ValsitBer::runLetterText(setup.nextRunNumber()));
    ProgressReport report(screen, progress.bar, ValsitBer::estimate(in).resultat);
    const ValsitBer::Outcome outcome = engine->run(report, progress.stop);
    last = engine->result();
    return outcome;
}

ValsitBer::Outcome CommitteeRun::onPaper(const CommitteeInput& input, const ReportHeader& header,
                                         Printer& printer, int run, const Progress& progress)
{
    const auto engine = std::make_unique<ValsitBer>(input);
    CommitteePaperReport paper(input, ValsitBer::runLetterText(run));
    paper.setPrinter(&printer);
    paper.setHeader(header);
    ProgressReport report(paper, progress.bar, ValsitBer::estimate(input).resultat);
    return engine->run(report, progress.stop);
}

ValsitBer::Outcome CommitteeRun::runOnPaper(CommitteeSetup& setup, ElectionDatabase& db,
                                            const ReportHeader& header, Printer& printer,
                                            const Progress& progress)
{
    const CommitteeInput in = input(setup, db);
    return onPaper(in, header, printer, setup.nextRunNumber(), progress);
}

ValsitBer::Outcome CommitteeRun::saveAsPdf(CommitteeSetup& setup, ElectionDatabase& db,
                                           const ReportHeader& header, const QString& fileName,
                                           const QString& title, int run, const Progress& progress,
                                           const std::function<bool()>& keepStopped)
{
    const CommitteeInput in = input(setup, db);
    const QString aside = fileName + QStringLiteral(".tmp");
    ValsitBer::Outcome outcome;
    try {
        PdfPrinter pdf(aside, title);
        outcome = onPaper(in, header, pdf, run, progress);
    } catch (...) {
        QFile::remove(aside);
        throw;
    }
    // A stopped run's report is incomplete: it takes the name (and replaces a file of that
    // name) only when the user wants it.
    if (outcome.stopped && !(keepStopped && keepStopped())) {
        QFile::remove(aside);
        return outcome;
    }
    QFile::remove(fileName);
    if (!QFile::rename(aside, fileName)) {
        QFile::remove(aside);
        throw EngineError(QStringLiteral("Filen ") + fileName +
                          QStringLiteral(" kunde inte skrivas."));
    }
    return outcome;
}
