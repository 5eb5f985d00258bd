#pragma once

#include "report/ReportHeader.h"
#include "shell/AppGlobals.h"

// The header the windows hand to an engine before a run: the organisation setting and
// the order date the main window set when it was loaded.
inline ReportHeader appReportHeader()
{
    const AppGlobals& globals = AppGlobals::instance();
    return {globals.OrgNamn, globals.BestDatum};
}
