#include "shell/ui/ShellWindows.h"

#include "shell/ui/WindowRegistry.h"
#include "shell/ui/frmA_Start.h"

void registerShellWindows()
{
    WindowRegistry::instance().registerWindow(QStringLiteral("frmA_Start"),
                                              [] { return new frmA_Start; });
}
