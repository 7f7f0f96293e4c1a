// A compact form for window cases: one case is a list of steps, user
// actions and checks of what the controls show, run in order against the
// real main window (or any dialog). Actions go through the same messages a
// user's input raises, so the window's own rules run as they would for the
// user, and refuse a control the user could not reach: hidden or disabled.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "resource.h"

struct WindowStep {
    enum Kind { Choose, Type, Arrow, Page, Entries, Selected, Enabled, Range, Text, Holds } kind;
    int id = 0;
    std::string text;
    int low = 0;
    int high = 0;
    const uint16_t* state = nullptr;
};

// ---- Actions --------------------------------------------------------------
// Picks entry `index` of a list or drop-down list, with the notification
// the pick sends (LBN_SELCHANGE and CBN_SELCHANGE are the same code).
inline WindowStep choose(int listId, int index) { return {WindowStep::Choose, listId, "", index}; }
// Gives a field the focus, types `text` over what it holds, one character at
// a time (an empty text deletes it), and leaves the field for the tree unless
// told to stay (the next action then takes the focus, as a click would).
inline WindowStep type(int editId, const char* text, bool leave = true) {
    return {WindowStep::Type, editId, text, leave};
}
// Gives a field the focus and presses an arrow key (VK_UP, VK_DOWN) in it.
inline WindowStep arrow(int editId, int key) { return {WindowStep::Arrow, editId, "", key}; }
// Selects the tree item of page `page`.
inline WindowStep page(int page) { return {WindowStep::Page, IDC_SETTINGS_TREE, "", page}; }

// ---- Checks ---------------------------------------------------------------
// Every entry, joined by '|'.
inline WindowStep entries(int listId, const char* texts) { return {WindowStep::Entries, listId, texts}; }
// The selected entry's text, "" when none is selected.
inline WindowStep selected(int listId, const char* text) { return {WindowStep::Selected, listId, text}; }
inline WindowStep enabled(int id, bool on) { return {WindowStep::Enabled, id, "", on}; }
inline WindowStep range(int spinId, int low, int high) { return {WindowStep::Range, spinId, "", low, high}; }
inline WindowStep text(int id, const char* text) { return {WindowStep::Text, id, text}; }
// A value of window state.
inline WindowStep holds(const uint16_t& state, int expected) {
    return {WindowStep::Holds, 0, "", expected, 0, &state};
}

// Runs the steps; a failed check names the step's position.
void runSteps(HWND window, const std::vector<WindowStep>& steps);
