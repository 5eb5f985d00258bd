#include "council/ValkretsRun.h"

#include "council/PublishedSeats.h"

#include "council/CouncilSetup.h"
#include "council/ValkretsPaperReport.h"
#include "council/ValkretsScreenReport.h"
#include "council/ValkretsStore.h"
#include "report/PdfPrinter.h"
#include "shell/EngineError.h"

#include <QDir>
#include <QSaveFile>

#include <cmath>

bool ValkretsRun::applies(const QString& dbPath)
{
    return ValkretsStore(dbPath).hasConstituencies();
}

ValkretsBer::Input ValkretsRun::input(const CouncilSetup& setup, const QString& dbPath)
{
    ValkretsBer::Input in;
    in.seats = setup.AntValsit();
    in.firstDivisorTenths = int(std::lround(setup.ForstaDivisor() * 10));
    in.thresholdHundredths = int(std::lround(setup.Sparr() * 100));
    for (int i = 1; i <= setup.AntPartier(); ++i) {
        in.codes.append(setup.partiIdAt(i));
        in.names.append(setup.partiNamnAt(i));
    }
    in.constituencies = ValkretsStore(dbPath).votes(in.codes);
    return in;
}

QString ValkretsRun::check(const CouncilSetup& setup, const QString& dbPath)
{
    return ValkretsBer::check(input(setup, dbPath));
}

QVector<ValkretsReportText::Line> ValkretsRun::calculate(CouncilSetup& setup, const QString& dbPath)
{
    ValkretsBer calculation;
    const ValkretsResult& result = calculation.calculate(input(setup, dbPath));
    for (int i = 1; i <= setup.AntPartier(); ++i)
        setup.setPartiValRes(i, result.parties.at(i - 1).total);
    ValkretsReportText::Options options;
    options.comparisonNumbers = setup.BerTalSW();
    options.fullNumbers = setup.BerTalAntDec() == 0;
    QVector<ValkretsReportText::Line> lines = ValkretsReportText::lines(result, options);
    const QStringList published = PublishedSeats::load(dbPath).comparison(result);
    if (!published.isEmpty())
        lines.append({ValkretsReportText::Kind::Blank, QString()});
    for (const QString& line : published)
        lines.append({ValkretsReportText::Kind::Normal, line});
    return lines;
}

void ValkretsRun::runOnScreen(CouncilSetup& setup, const QString& dbPath,
                              const ReportHeader& header, ReportWindow* window)
{
    const QVector<ValkretsReportText::Line> lines = calculate(setup, dbPath);
    ValkretsScreenReport(window).write(header, setup.Rubrik1(), lines);
}

void ValkretsRun::runOnPaper(CouncilSetup& setup, const QString& dbPath, const ReportHeader& header,
                             Printer& printer)
{
    const QVector<ValkretsReportText::Line> lines = calculate(setup, dbPath);
    ValkretsPaperReport paper;
    paper.setPrinter(&printer);
    paper.print(header, setup.Rubrik1(), lines);
}

void ValkretsRun::saveAsPdf(CouncilSetup& setup, const QString& dbPath, const ReportHeader& header,
                            const QString& fileName, const QString& title)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EngineError(QStringLiteral("Filen '%1' kunde inte skapas: %2")
                              .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    {
        PdfPrinter pdf(&file, title);
        runOnPaper(setup, dbPath, header, pdf);
    }
    if (!file.commit())
        throw EngineError(QStringLiteral("Filen '%1' kunde inte sparas: %2")
                              .arg(QDir::toNativeSeparators(fileName), file.errorString()));
}
