#include "ui/shell/ShellWindows.h"

#include "ui/shell/AppServices.h"
#include "ui/shell/WindowRegistry.h"
#include "ui/shell/frmAB_ProdInfo.h"
#include "ui/shell/frmA_Start.h"

void registerShellWindows(AppServices& services)
{
    WindowRegistry::instance().registerWindow(QStringLiteral("frmA_Start"),
                                              [&services] { return new frmA_Start(services); });
    WindowRegistry::instance().registerWindow(QStringLiteral("frmAB_ProdInfo"),
                                              [&services] { return new frmAB_ProdInfo(services); });
}
