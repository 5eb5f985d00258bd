// The heaviest screen run: nine parties, all 36 pairs marked (21147 combinations), at
// 11 and at 350 committee seats, the report written into the plain-text control.
// Prints wall time, combinations reported and lines written.

#include "cli/CliMessageService.h"
#include "committee/ValsitBer.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

void runOnce(int seats, QTextStream& out)
{
    QTextStream err(stderr);
    CliMessageService messages(err);
    ValsitBer engine(messages);
    PlainTextControl control;
    PlainReportWindow window(&control);
    engine.setFormName(&window);

    const int councilSeats[] = {0, 15, 10, 7, 3, 3, 2, 1, 1, 7};
    engine.setAntValsit(seats);
    engine.setAntPartier(9);
    for (int i = 1; i <= 9; ++i) {
        engine.setPartiID(i, QStringLiteral("P%1").arg(i));
        engine.setPartiNamn(i, QStringLiteral("Parti nummer %1").arg(i));
        engine.setPartiValRes(i, councilSeats[i]);
    }
    for (int k = 1; k <= 36; ++k)
        engine.setSamvSW(k, 1);
    engine.setSamvSW(0, 2);

    QElapsedTimer timer;
    timer.start();
    engine.AntalResultat();
    engine.BearbBest();
    const qint64 ms = timer.elapsed();
    out << "9 parties, 36 pairs, " << seats << " seats: " << ms << " ms, " << engine.resultCounter()
        << " combinations, " << control.lineCount() << " lines, " << control.textLength()
        << " characters" << Qt::endl;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    runOnce(11, out);
    runOnce(350, out);
    return 0;
}
