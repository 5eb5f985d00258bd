#include "council/ui/CouncilWindows.h"

#include "council/ui/frmED_SkrivUt.h"
#include "council/ui/frmED_VisaSkrivUt.h"
#include "council/ui/frmE_PrelRes.h"
#include "council/ui/frmE_Valkretsar.h"
#include "shell/ui/AppServices.h"
#include "shell/ui/WindowRegistry.h"

void registerCouncilWindows(AppServices& services)
{
    WindowRegistry& registry = WindowRegistry::instance();
    registry.registerWindow(QStringLiteral("frmE_PrelRes"),
                            [&services] { return new frmE_PrelRes(services); });
    registry.registerWindow(QStringLiteral("frmED_VisaSkrivUt"),
                            [&services] { return new frmED_VisaSkrivUt(services); });
    registry.registerWindow(QStringLiteral("frmED_SkrivUt"),
                            [&services] { return new frmED_SkrivUt(services); });
    registry.registerWindow(QStringLiteral("frmE_Valkretsar"),
                            [&services] { return new frmE_Valkretsar(services); });
}
