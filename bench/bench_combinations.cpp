// The heaviest screen run: nine parties, all 36 pairs marked (21147 combinations), at
// 11 and at 350 committee seats, the report written into the plain-text control.
// Prints wall time, combinations reported and lines written.

#include "committee/CommitteeScreenReport.h"
#include "committee/ValsitBer.h"
#include "report/PlainReportWindow.h"
#include "report/PlainTextControl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <memory>

namespace {

void runOnce(int seats, QTextStream& out)
{
    PlainTextControl control;
    PlainReportWindow window(&control);

    const int councilSeats[] = {15, 10, 7, 3, 3, 2, 1, 1, 7};
    CommitteeInput input;
    input.seats = seats;
    for (int i = 1; i <= 9; ++i)
        input.parties.append({QStringLiteral("P%1").arg(i),
                              QStringLiteral("Parti nummer %1").arg(i), councilSeats[i - 1]});
    for (int k = 1; k <= 36; ++k)
        input.marks.insert(k);
    input.cooperation = CommitteeInput::Cooperation::AllCombinations;

    QElapsedTimer timer;
    timer.start();
    const auto engine = std::make_unique<ValsitBer>(input);
    CommitteeScreenReport report(&window, ReportHeader(), input, ValsitBer::runLetterText(1));
    engine->run(report);
    const qint64 ms = timer.elapsed();
    out << "9 parties, 36 pairs, " << seats << " seats: " << ms << " ms, "
        << engine->result().counter << " combinations, " << control.lineCount() << " lines, "
        << control.textLength() << " characters" << Qt::endl;
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
