// The control rules. The interlocks between the page controls are built in a
// later piece of work; until then each rule is an operation that leaves the
// controls exactly as they are, so that every place that must run a rule (the
// command dispatch and the page switch) already calls it by its final name.
#include "ui/control_rules.h"

void applyEmulationRule(HWND) {}
void applyFontRule(HWND) {}
void applyPitchRule(HWND) {}
void applyPageLengthRule(HWND) {}
void applyCodePageRule(HWND) {}
void applyLeftMarginRule(HWND, UINT) {}
void applyRightMarginRule(HWND, UINT) {}
void clampTofEntry(HWND, int) {}
