#pragma once

#include "committee/CommitteeSetup.h"
#include "council/CouncilSetup.h"
#include "council/PublishedSeats.h"
#include "data/DbError.h"
#include "data/ElectionDatabase.h"
#include "report/ReportHeader.h"
#include "shell/AppGlobals.h"
#include "shell/Clock.h"

#include <QFileInfo>

// The header the windows hand to an engine before a run: the organisation setting, the
// order date the main window set when it was loaded, and the note of an election imported
// before its count was complete.
inline ReportHeader appReportHeader()
{
    const AppGlobals& globals = AppGlobals::instance();
    ReportHeader header{globals.OrgNamn, globals.BestDatum};
    try {
        ElectionDatabase election(globals.DBSokVag);
        header.countNote = PublishedSeats::load(election).countNote();
    } catch (const DbError&) {
        // A database that cannot be read is reported by the run itself.
    }
    return header;
}

// The header of a report with the line saying what it was computed from: the setup's seats
// and rule, the election file's name and the time of the calculation.
inline ReportHeader appReportHeader(int seats, const QString& rule, const Clock& clock)
{
    ReportHeader header = appReportHeader();
    header.sourceNote = ReportHeader::sourceText(
        seats, rule, QFileInfo(AppGlobals::instance().DBSokVag).fileName(), clock.now());
    return header;
}
inline ReportHeader appReportHeader(const CouncilSetup& setup, const Clock& clock)
{
    return appReportHeader(setup.AntValsit(), setup.ruleText(), clock);
}
inline ReportHeader appReportHeader(const CommitteeSetup& setup, const Clock& clock)
{
    return appReportHeader(setup.AntValsit(), setup.ruleText(), clock);
}
