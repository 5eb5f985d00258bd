#include "committee/CommitteePaperReport.h"

#include "committee/ValsitBer.h"

// The paper layout lands with the printing work. The run letter still advances, so a
// printout counts as a run as it does on screen.
void CommitteePaperReport::SkrivUtIndata()
{
    m_engine.nextRunNumber();
}
void CommitteePaperReport::SkrivUtPresentera() {}
void CommitteePaperReport::finish() {}
