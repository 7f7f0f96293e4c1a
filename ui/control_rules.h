// The rules that keep the page controls consistent while the user edits.
#pragma once

#include <windows.h>

void applyEmulationRule(HWND window);
void applyFontRule(HWND window);
void applyPitchRule(HWND window);
void applyPageLengthRule(HWND window);
void applyCodePageRule(HWND window);
void applyLeftMarginRule(HWND window, UINT notification);
void applyRightMarginRule(HWND window, UINT notification);
void clampTofEntry(HWND window, int fieldId);
