#include "council/ValkretsRun.h"

#include "council/CouncilFingerprint.h"
#include "council/PublishedSeats.h"

#include "council/CouncilSetup.h"
#include "council/ValkretsPaperReport.h"
#include "council/ValkretsScreenReport.h"
#include "council/ValkretsStore.h"
#include "data/DbTransaction.h"
#include "data/ElectionDatabase.h"
#include "report/PdfPrinter.h"
#include "shell/EngineError.h"

#include <QDir>
#include <QSaveFile>

#include <cmath>

bool ValkretsRun::applies(ElectionDatabase& db)
{
    return ValkretsStore(db).hasConstituencies();
}

ValkretsBer::Input ValkretsRun::input(const CouncilSetup& setup, ElectionDatabase& db)
{
    ValkretsBer::Input in;
    in.seats = setup.AntValsit();
    in.firstDivisorTenths = int(std::lround(setup.ForstaDivisor() * 10));
    in.thresholdHundredths = int(std::lround(setup.Sparr() * 100));
    for (int i = 1; i <= setup.AntPartier(); ++i) {
        in.codes.append(setup.partiIdAt(i));
        in.names.append(setup.partiNamnAt(i));
    }
    in.constituencies = ValkretsStore(db).votes(in.codes);
    return in;
}

QString ValkretsRun::check(const CouncilSetup& setup, ElectionDatabase& db)
{
    return ValkretsBer::check(input(setup, db));
}

QVector<ValkretsReportText::Line> ValkretsRun::calculate(CouncilSetup& setup, ElectionDatabase& db,
                                                         QString* fingerprint)
{
    ValkretsBer calculation;
    // The constituencies' votes and the published seats in one read of the file.
    DbTransaction read(db.database());
    if (fingerprint)
        *fingerprint = CouncilFingerprint::of(read);
    const ValkretsBer::Input in = input(setup, db);
    const PublishedSeats published = PublishedSeats::load(db);
    read.commit();
    const ValkretsResult& result = calculation.calculate(in);
    for (int i = 1; i <= setup.AntPartier(); ++i)
        setup.setPartiValRes(i, result.parties.at(i - 1).total);
    ValkretsReportText::Options options;
    options.comparisonNumbers = setup.BerTalSW();
    options.fullNumbers = setup.BerTalAntDec() == 0;
    QVector<ValkretsReportText::Line> lines = ValkretsReportText::lines(result, options);
    const QStringList comparison = published.comparison(result);
    if (!comparison.isEmpty())
        lines.append({ValkretsReportText::Kind::Blank, QString()});
    for (const QString& line : comparison)
        lines.append({ValkretsReportText::Kind::Normal, line});
    return lines;
}

QString ValkretsRun::runOnScreen(CouncilSetup& setup, ElectionDatabase& db,
                                 const ReportHeader& header, ReportWindow* window)
{
    QString fingerprint;
    const QVector<ValkretsReportText::Line> lines = calculate(setup, db, &fingerprint);
    ValkretsScreenReport(window).write(header, setup.Rubrik1(), lines);
    return fingerprint;
}

QString ValkretsRun::runOnPaper(CouncilSetup& setup, ElectionDatabase& db,
                                const ReportHeader& header, Printer& printer)
{
    QString fingerprint;
    const QVector<ValkretsReportText::Line> lines = calculate(setup, db, &fingerprint);
    ValkretsPaperReport paper;
    paper.setPrinter(&printer);
    paper.print(header, setup.Rubrik1(), lines);
    return fingerprint;
}
