#include "committee/ui/CommitteeWindows.h"

#include "committee/ui/frmB_Valresultat.h"
#include "committee/ui/frmC_Samverkan.h"
#include "committee/ui/frmD_SkrivUt.h"
#include "committee/ui/frmD_VisaSkrivUt.h"
#include "shell/ui/AppServices.h"
#include "shell/ui/WindowRegistry.h"

void registerCommitteeWindows(AppServices& services)
{
    WindowRegistry& registry = WindowRegistry::instance();
    registry.registerWindow(QStringLiteral("frmB_Valresultat"),
                            [&services] { return new frmB_Valresultat(services); });
    registry.registerWindow(QStringLiteral("frmC_Samverkan"),
                            [&services] { return new frmC_Samverkan(services); });
    registry.registerWindow(QStringLiteral("frmD_VisaSkrivUt"),
                            [&services] { return new frmD_VisaSkrivUt(services); });
    registry.registerWindow(QStringLiteral("frmD_SkrivUt"),
                            [&services] { return new frmD_SkrivUt(services); });
}
