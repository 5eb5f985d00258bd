#include "shell/ui/ShellWindows.h"

#include "shell/ui/AppServices.h"
#include "shell/ui/WindowRegistry.h"
#include "shell/ui/frmAB_ProdInfo.h"
#include "shell/ui/frmA_Start.h"

void registerShellWindows(AppServices& services)
{
    WindowRegistry::instance().registerWindow(QStringLiteral("frmA_Start"),
                                              [&services] { return new frmA_Start(services); });
    WindowRegistry::instance().registerWindow(QStringLiteral("frmAB_ProdInfo"),
                                              [&services] { return new frmAB_ProdInfo(services); });
}
