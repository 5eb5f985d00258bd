// The heaviest committee run through the real result window, offscreen: nine parties,
// all 36 pairs marked (21147 combinations), at 11 and at 350 committee seats. Prints the
// time from opening the window to the report shown, the longest the window went without
// taking its events, the longest gap between two paints of its progress bar, and the
// peak memory of the process.
//
//   QT_QPA_PLATFORM=offscreen build/bench_committee_windows [seats ...]

#include "committee/CommitteeSetup.h"
#include "shell/AppGlobals.h"
#include "shell/MessageService.h"
#include "shell/SystemClock.h"
#include "ui/committee/CommitteeWindows.h"
#include "ui/committee/frmD_VisaSkrivUt.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/WindowRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTextEdit>
#include <QTextStream>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// (After windows.h, which it needs.) The kernel32 form of GetProcessMemoryInfo: no psapi
// library to link.
#define PSAPI_VERSION 2
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace {

// Says yes to the question before the run; nothing else is asked.
class YesMessages : public MessageService
{
public:
    Answer msgBox(const QString&, Buttons, Icon, const QString&, DefaultButton) override
    {
        return AnswerYes;
    }
    QString inputBox(const QString&, const QString&, const QString&, bool*) override { return {}; }
    QString fileOpen(const QString&, const QString&, const QStringList&) override { return {}; }
};

// Times the paints of a widget.
class PaintClock : public QObject
{
public:
    explicit PaintClock(const QElapsedTimer& clock) : m_clock(clock) {}
    qint64 longestGap = 0;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const qint64 now = m_clock.elapsed();
            if (paints++ > 0 && now - m_last > longestGap)
                longestGap = now - m_last;
            m_last = now;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_clock;
    qint64 m_last = 0;
};

long peakKilobytes()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return 0;
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#endif
}

void runOnce(AppServices& services, int seats, QTextStream& out)
{
    services.renewSetups();
    CommitteeSetup& engine = *services.committee;
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

    QElapsedTimer clock;
    PaintClock paints(clock);
    bool done = false;
    frmD_VisaSkrivUt* window = nullptr;
    WindowRegistry::instance().registerWindow(QStringLiteral("frmD_VisaSkrivUt"), [&] {
        window = new frmD_VisaSkrivUt(services);
        window->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))
            ->installEventFilter(&paints);
        window->onReportDone = [&done] { done = true; };
        return window;
    });
    clock.start();
    WindowRegistry::instance().show(QStringLiteral("frmD_VisaSkrivUt"));
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    // Shown: the editor has the report and has painted its first screen of it.
    QCoreApplication::processEvents();
    auto* edit = window->findChild<QTextEdit*>(QStringLiteral("rtfPInfo"));
    edit->viewport()->repaint();
    const qint64 shown = clock.elapsed();
    out << "9 parties, 36 pairs, " << seats << " seats: " << window->lastResult().counter
        << " combinations, report shown after " << shown << " ms; window without events at most "
        << window->progress().longestPauseMs() << " ms; progress bar painted " << paints.paints
        << " times, longest gap " << paints.longestGap << " ms; " << edit->document()->blockCount()
        << " lines; peak memory so far " << peakKilobytes() / 1024 << " MB" << Qt::endl;
    WindowRegistry::unload(window);
    QCoreApplication::processEvents();
    services.committee.reset();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    YesMessages messages;
    SystemClock clock;
    AppServices services(messages, clock);
    AppGlobals& globals = AppGlobals::instance();
    globals.OrgNamn = QStringLiteral("Provkommun");
    globals.BestDatum = QStringLiteral("2026-09-13");
    registerCommitteeWindows(services);
    // The entry window the result window returns to is not part of the measurement.
    WindowRegistry::instance().registerWindow(QStringLiteral("frmB_Valresultat"),
                                              [] { return new QWidget; });

    QTextStream out(stdout);
    QList<int> seats;
    for (int i = 1; i < argc; ++i)
        seats.append(QString::fromLocal8Bit(argv[i]).toInt());
    if (seats.isEmpty())
        seats = {11, 350};
    for (int s : seats)
        runOnce(services, s, out);
    return 0;
}
