// The tree of nine setting pages and the page switch.
#pragma once

#include <windows.h>

#include <cstdint>

int buildSettingsTree(HWND window);
int showPage(HWND window, unsigned page);
