// The tree of nine setting pages and the page switch.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr uint8_t NoPageShown = 255;
extern uint8_t ShownPage;  // last page shown, NoPageShown before the first

int buildSettingsTree(HWND window);
int showPage(HWND window, unsigned page);
