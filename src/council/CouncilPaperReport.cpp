#include "council/CouncilPaperReport.h"

#include "council/RostBer.h"

// The paper layout lands with the printing work; until then a printout writes nothing.
void CouncilPaperReport::SkrivUtIndata() {}
void CouncilPaperReport::districtHeading() {}
void CouncilPaperReport::districtLine() {}
void CouncilPaperReport::tieNote() {}
void CouncilPaperReport::SkrivUtPresentera() {}
void CouncilPaperReport::finish() {}
