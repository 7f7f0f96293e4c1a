// Driving another process's windows from outside, as a user would: find a
// window by its caption, read its controls, press its buttons. Used by the
// end-to-end tests, the demo run and the benchmark, which all start the real
// corvex.exe as a process of its own.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A visible top-level window of `processId` whose caption is `caption`
// (any process when processId is 0), other than `except`; nullptr after
// `timeoutMs`. The main window and its message boxes share one caption, so
// a message box is found by passing the main window as `except`.
HWND waitForWindow(DWORD processId, const char* caption, DWORD timeoutMs, HWND except = nullptr);
// Waits until `window` is gone; false on time-out.
bool waitForWindowGone(HWND window, DWORD timeoutMs);

std::string controlText(HWND dialog, int id);
// A drop-down list (combo box) rather than a list box.
bool isComboBox(HWND list);
// The entries of a list box or drop-down list, and the selected entry's
// text ("" with none selected).
std::vector<std::string> listEntries(HWND dialog, int listId);
std::string selectedText(HWND dialog, int listId);

// A user can press only a button that is there, enabled and visible: both
// presses refuse any other and return false without sending anything.
// postClick does not wait for what the press sets off (a modal dialog may
// open behind it, and the caller must stay free to answer it); sendClick
// waits until the window has handled the press.
bool postClick(HWND dialog, int id);
bool sendClick(HWND dialog, int id, DWORD timeoutMs);

// Starts a program with the given command line; the process handle and id
// come back in `info` (the caller closes the handles).
bool startProgram(const std::string& commandLine, PROCESS_INFORMATION* info);
