#include "cli/CalcApp.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <memory>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

#ifdef Q_OS_WIN
// The output is UTF-8; Windows' console shows its own code page unless told (and keeps
// what it was told after the program ends, so the old one is put back).
struct Utf8Console
{
    const UINT old = GetConsoleOutputCP();
    Utf8Console() { SetConsoleOutputCP(CP_UTF8); }
    ~Utf8Console() { SetConsoleOutputCP(old); }
};
#endif

// Qt's own diagnostics (a missing runtime folder, fonts, the platform plugin) are not
// for the user of a command-line tool: standard error carries only valsit-calc's errors.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        QTextStream(stderr) << "valsit-calc: " << message << Qt::endl;
        std::abort();
    }
}

} // namespace

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    const Utf8Console console;
#endif
    qInstallMessageHandler(quietHandler);
    // Only a paper report (PDF) measures text and so needs the GUI layer; on Linux it runs
    // without a display on the offscreen platform.
    bool paper = false;
    for (int i = 1; i < argc; ++i)
        paper = paper || QByteArray(argv[i]) == "--pdf";
    std::unique_ptr<QCoreApplication> app;
    if (paper) {
#ifndef Q_OS_WIN
        // Windows' own platform needs no display; its offscreen one would find no fonts.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = app->arguments();
    arguments.removeFirst();
    const int status = CalcApp(out, err).run(arguments);
    // What the C library still holds reaches the file only now: a full disk shows here.
    if (status == 0 && (std::fflush(stdout) != 0 || std::ferror(stdout))) {
        err << "valsit-calc: resultatet kunde inte skrivas till standardutdata" << Qt::endl;
        return 2;
    }
    return status;
}
