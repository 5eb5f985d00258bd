#include "shell/ui/ShellWindows.h"

#include "shell/ui/WindowRegistry.h"
#include "shell/ui/frmAB_ProdInfo.h"
#include "shell/ui/frmA_Start.h"

void registerShellWindows()
{
    WindowRegistry::instance().registerWindow(QStringLiteral("frmA_Start"),
                                              [] { return new frmA_Start; });
    WindowRegistry::instance().registerWindow(QStringLiteral("frmAB_ProdInfo"),
                                              [] { return new frmAB_ProdInfo; });
}
