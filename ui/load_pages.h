// Putting the current settings block on view: every list and numeric entry
// of the nine pages, and the window state the control rules read later.
#pragma once

#include <windows.h>

#include <cstdint>

#include "settings/settings_block.h"

// Fills all page controls of the main window from currentBlock; returns 1.
int loadPages(HWND window);

// Reads at most `maxChars` characters of a field and converts them the way
// the edit entries are read (leading blanks, optional sign, digits; no digits
// gives 0). `isEmpty`, when given, tells whether the field held no text.
int readFieldNumber(HWND window, int editId, int maxChars, bool* isEmpty = nullptr);

// Reads every page control as it stands now (what Send Settings packs).
PageChoices readPageChoices(HWND window);
