// Valsit: starts the main window on the working election database.
#include "data/ProgramFolder.h"
#include "shell/AppGlobals.h"
#include "shell/SystemClock.h"
#include "shell/SystemRandom.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/QtMessageService.h"
#include "ui/shell/ShellWindows.h"
#include "ui/shell/SwedishTranslations.h"
#include "ui/shell/WindowRegistry.h"

#include "ui/committee/CommitteeWindows.h"
#include "ui/council/CouncilWindows.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Valsit"));
    QApplication::setOrganizationName(QStringLiteral("Tovrelia"));
    SwedishTranslations::install(app);
    // The windows hand over by closing one and opening the next; the window registry
    // ends the program once no window is left.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app,
                     [] { QTimer::singleShot(0, &WindowRegistry::quitWhenNoWindowIsLeft); });

    QtMessageService messages;
    SystemClock clock;
    SystemRandom random;
    AppServices services(messages, clock);
    services.random = &random;
    AppGlobals& globals = AppGlobals::instance();
    const ProgramFolder::Folders folders = ProgramFolder::resolve(
        QCoreApplication::applicationDirPath(), ProgramFolder::defaultUserDir());
    globals.programKat = folders.working;
    globals.shareKat = folders.shipped;
    globals.templatePath = ProgramFolder::pristineTemplate(QCoreApplication::applicationDirPath());
    if (!folders.problem.isEmpty())
        messages.msgBox(folders.problem, MessageService::Ok, MessageService::Exclamation,
                        globals.AppNamn);

    registerShellWindows(services);
    registerCouncilWindows(services);
    registerCommitteeWindows(services);

    WindowRegistry::instance().show(QStringLiteral("frmA_Start"));
    return QApplication::exec();
}
