// Putting the current settings block on view: every list and numeric entry
// of the nine pages, and the window state the control rules read later.
#pragma once

#include <windows.h>

#include <cstdint>

#include "settings/settings_block.h"

// Fills all page controls of the main window from currentBlock; returns 1.
int loadPages(HWND window);

// Reads every page control as it stands now (what Send Settings packs).
PageChoices readPageChoices(HWND window);
