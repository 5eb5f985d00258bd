#pragma once

// Registers the windows of the application shell (the main window) with the window
// registry. Each part of the program has such a function; main.cpp calls them all.
struct AppServices;

// The windows are handed `services`, which must outlive them.
void registerShellWindows(AppServices& services);
