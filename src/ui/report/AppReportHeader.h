#pragma once

#include "council/PublishedSeats.h"
#include "data/DbError.h"
#include "report/ReportHeader.h"
#include "shell/AppGlobals.h"

// The header the windows hand to an engine before a run: the organisation setting, the
// order date the main window set when it was loaded, and the note of an election imported
// before its count was complete.
inline ReportHeader appReportHeader()
{
    const AppGlobals& globals = AppGlobals::instance();
    ReportHeader header{globals.OrgNamn, globals.BestDatum};
    try {
        header.countNote = PublishedSeats::load(globals.DBSokVag).countNote();
    } catch (const DbError&) {
        // A database that cannot be read is reported by the run itself.
    }
    return header;
}
