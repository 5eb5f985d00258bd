#pragma once

// Registers the windows of the council calculation with the window registry: the vote
// entry frmE_PrelRes and the result windows frmED_VisaSkrivUt and frmED_SkrivUt.
struct AppServices;

// The windows are handed `services`, which must outlive them.
void registerCouncilWindows(AppServices& services);
