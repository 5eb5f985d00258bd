#include "committee/ui/CommitteeWindows.h"

#include "committee/ui/frmB_Valresultat.h"
#include "committee/ui/frmC_Samverkan.h"
#include "committee/ui/frmD_SkrivUt.h"
#include "committee/ui/frmD_VisaSkrivUt.h"
#include "shell/ui/WindowRegistry.h"

void registerCommitteeWindows()
{
    WindowRegistry& registry = WindowRegistry::instance();
    registry.registerWindow(QStringLiteral("frmB_Valresultat"),
                            [] { return new frmB_Valresultat; });
    registry.registerWindow(QStringLiteral("frmC_Samverkan"), [] { return new frmC_Samverkan; });
    registry.registerWindow(QStringLiteral("frmD_VisaSkrivUt"),
                            [] { return new frmD_VisaSkrivUt; });
    registry.registerWindow(QStringLiteral("frmD_SkrivUt"), [] { return new frmD_SkrivUt; });
}
