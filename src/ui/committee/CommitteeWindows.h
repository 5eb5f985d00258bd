#pragma once

// Registers the windows of the committee calculation with the window registry.
struct AppServices;

// The windows are handed `services`, which must outlive them.
void registerCommitteeWindows(AppServices& services);
