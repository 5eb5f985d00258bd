// Valsit: starts the main window on the working election database.
#include "data/ProgramFolder.h"
#include "shell/AppGlobals.h"
#include "shell/SystemClock.h"
#include "shell/SystemRandom.h"
#include "shell/ui/AppServices.h"
#include "shell/ui/QtMessageService.h"
#include "shell/ui/ShellWindows.h"
#include "shell/ui/SwedishTranslations.h"
#include "shell/ui/WindowRegistry.h"

#include "committee/ui/CommitteeWindows.h"
#include "council/ui/CouncilWindows.h"

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
    if (!folders.problem.isEmpty())
        messages.msgBox(folders.problem, MessageService::Ok, MessageService::Exclamation,
                        globals.AppNamn);

    registerShellWindows(services);
    registerCouncilWindows(services);
    registerCommitteeWindows(services);

    WindowRegistry::instance().show(QStringLiteral("frmA_Start"));
    return QApplication::exec();
}
