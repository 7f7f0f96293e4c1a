// The "Select Country" dialog.
#pragma once

#include <windows.h>

// Model variant 1: returns 1 at once, nothing shown. Otherwise the chosen
// position (also stored in CountryIndex), or -1 when cancelled.
int chooseCountry(HWND owner, int cancelAllowed);
