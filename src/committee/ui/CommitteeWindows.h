#pragma once

// Registers the windows of the committee calculation with the window registry.
void registerCommitteeWindows();
