#include "council/ValkretsRun.h"

#include "council/PublishedSeats.h"

#include "council/RostBer.h"
#include "council/ValkretsPaperReport.h"
#include "council/ValkretsScreenReport.h"
#include "council/ValkretsStore.h"
#include "report/PdfPrinter.h"
#include "shell/EngineError.h"
#include "shell/MessageService.h"

#include <QDir>
#include <QSaveFile>

#include <cmath>

namespace {

// Where the shares' corrections would go; the checked input leaves them nothing to say.
class SilentMessages : public MessageService
{
public:
    Answer msgBox(const QString&, Buttons, Icon, const QString&, DefaultButton) override
    {
        return AnswerOk;
    }
    QString inputBox(const QString&, const QString&, const QString&, bool* accepted) override
    {
        if (accepted)
            *accepted = false;
        return QString();
    }
    QString fileOpen(const QString&, const QString&, const QStringList&) override
    {
        return QString();
    }
};

MessageService& silentMessages()
{
    static SilentMessages silent;
    return silent;
}

} // namespace

bool ValkretsRun::applies(const QString& dbPath)
{
    return ValkretsStore(dbPath).hasConstituencies();
}

ValkretsBer::Input ValkretsRun::input(const RostBer& engine, const QString& dbPath)
{
    ValkretsBer::Input in;
    in.seats = engine.AntValsit();
    in.firstDivisorTenths = int(std::lround(engine.ForstaDivisor() * 10));
    in.thresholdHundredths = int(std::lround(engine.Sparr() * 100));
    for (int i = 1; i <= engine.AntPartier(); ++i) {
        in.codes.append(engine.partiIdAt(i));
        in.names.append(engine.partiNamnAt(i));
    }
    in.constituencies = ValkretsStore(dbPath).votes(in.codes);
    return in;
}

QString ValkretsRun::check(const RostBer& engine, const QString& dbPath)
{
    return ValkretsBer::check(input(engine, dbPath));
}

QVector<ValkretsReportText::Line> ValkretsRun::calculate(RostBer& engine, const QString& dbPath)
{
    ValkretsBer calculation(silentMessages());
    const ValkretsResult& result = calculation.calculate(input(engine, dbPath));
    for (int i = 1; i <= engine.AntPartier(); ++i)
        engine.setPartiValRes(i, result.parties.at(i - 1).total);
    ValkretsReportText::Options options;
    options.comparisonNumbers = engine.BerTalSW();
    options.fullNumbers = engine.BerTalAntDec() == 0;
    QVector<ValkretsReportText::Line> lines = ValkretsReportText::lines(result, options);
    const QStringList published = PublishedSeats::load(dbPath).comparison(result);
    if (!published.isEmpty())
        lines.append({ValkretsReportText::Kind::Blank, QString()});
    for (const QString& line : published)
        lines.append({ValkretsReportText::Kind::Normal, line});
    return lines;
}

void ValkretsRun::runOnScreen(RostBer& engine, const QString& dbPath, const ReportHeader& header,
                              ReportWindow* window)
{
    const QVector<ValkretsReportText::Line> lines = calculate(engine, dbPath);
    ValkretsScreenReport(window).write(header, engine.Rubrik1(), lines);
}

void ValkretsRun::runOnPaper(RostBer& engine, const QString& dbPath, const ReportHeader& header,
                             Printer& printer)
{
    const QVector<ValkretsReportText::Line> lines = calculate(engine, dbPath);
    ValkretsPaperReport paper;
    paper.setPrinter(&printer);
    paper.print(header, engine.Rubrik1(), lines);
}

void ValkretsRun::saveAsPdf(RostBer& engine, const QString& dbPath, const ReportHeader& header,
                            const QString& fileName, const QString& title)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EngineError(QStringLiteral("Filen '%1' kunde inte skapas: %2")
                              .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    {
        PdfPrinter pdf(&file, title);
        runOnPaper(engine, dbPath, header, pdf);
    }
    if (!file.commit())
        throw EngineError(QStringLiteral("Filen '%1' kunde inte sparas: %2")
                              .arg(QDir::toNativeSeparators(fileName), file.errorString()));
}
