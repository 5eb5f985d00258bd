#include "council/ui/CouncilWindows.h"

#include "council/ui/frmED_SkrivUt.h"
#include "council/ui/frmED_VisaSkrivUt.h"
#include "council/ui/frmE_PrelRes.h"
#include "council/ui/frmE_Valkretsar.h"
#include "shell/ui/WindowRegistry.h"

void registerCouncilWindows()
{
    WindowRegistry& registry = WindowRegistry::instance();
    registry.registerWindow(QStringLiteral("frmE_PrelRes"), [] { return new frmE_PrelRes; });
    registry.registerWindow(QStringLiteral("frmED_VisaSkrivUt"),
                            [] { return new frmED_VisaSkrivUt; });
    registry.registerWindow(QStringLiteral("frmED_SkrivUt"), [] { return new frmED_SkrivUt; });
    registry.registerWindow(QStringLiteral("frmE_Valkretsar"), [] { return new frmE_Valkretsar; });
}
