#pragma once

// Registers the windows of the council calculation with the window registry: the vote
// entry frmE_PrelRes and the result windows frmED_VisaSkrivUt and frmED_SkrivUt.
void registerCouncilWindows();
