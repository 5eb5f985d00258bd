#include "ui/committee/CommitteeWindows.h"

#include "ui/committee/frmB_Valresultat.h"
#include "ui/committee/frmC_Samverkan.h"
#include "ui/committee/frmD_SkrivUt.h"
#include "ui/committee/frmD_VisaSkrivUt.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/WindowRegistry.h"

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
