#include "committee/CommitteeRun.h"

#include "committee/ValsitBer.h"
#include "report/PdfPrinter.h"
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

void CommitteeRun::runOnPaper(ValsitBer& engine, Printer& printer)
{
    struct Restore
    {
        ValsitBer& engine;
        bool onPaper;
        ~Restore()
        {
            engine.setSkrivUtSW(onPaper);
            engine.setPrinter(nullptr);
        }
    } restore{engine, engine.SkrivUtSW()};
    engine.setSkrivUtSW(true);
    engine.setPrinter(&printer);
    engine.AntalResultat(); // the progress bar's maximum is the current estimate
    engine.BearbBest();
}

void CommitteeRun::saveAsPdf(ValsitBer& engine, const QString& fileName, const QString& title,
                             int run)
{
    const QString aside = fileName + QStringLiteral(".tmp");
    const int lastRun = engine.runNumber();
    engine.setRunNumber(run - 1);
    try {
        {
            PdfPrinter pdf(aside, title);
            runOnPaper(engine, pdf);
        }
        engine.setRunNumber(lastRun);
    } catch (...) {
        engine.setRunNumber(lastRun);
        QFile::remove(aside);
        throw;
    }
    QFile::remove(fileName);
    if (!QFile::rename(aside, fileName)) {
        QFile::remove(aside);
        throw EngineError(QStringLiteral("Filen ") + fileName +
                          QStringLiteral(" kunde inte skrivas."));
    }
}
