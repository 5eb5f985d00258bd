#include "ui/council/CouncilWindows.h"

#include "ui/council/frmED_SkrivUt.h"
#include "ui/council/frmED_VisaSkrivUt.h"
#include "ui/council/frmE_PrelRes.h"
#include "ui/council/frmE_Valkretsar.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/WindowRegistry.h"

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
