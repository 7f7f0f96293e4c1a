// Starting the real main window inside a test: the registry and the INI file
// beside the test executable set up as a run would find them, the window made
// from the real template with the real procedure, and torn down again.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include "dialog_watcher.h"
#include "settings/settings_block.h"

// Writes Main/Model into the INI file the program reads (the test
// executable's path with "ini" for its extension); nothing writes no file.
void writeModelIni(std::optional<int> model);

// Stores a complete set of settings, as a finished earlier run leaves them.
void storeProgramSettings(int country, int model, const SettingsBlock& block);

// The stored Settings value (all zero when it is missing or not 32 bytes).
SettingsBlock storedBlock();

// When the program's key was last written (zero when it is missing).
FILETIME programKeyWriteTime();
bool sameTime(const FILETIME& a, const FILETIME& b);

bool isShown(HWND window, int id);        // the control's own visibility bit
int comboSelection(HWND window, int id);  // CB_GETCURSEL

// Runs the thread's messages until `done` holds or two seconds passed, so
// posted clicks and close requests arrive. WM_QUIT is left in the queue.
bool pumpUntil(const std::function<bool()>& done);

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the main window; the watcher, made before, answers any dialog
    // its initialisation opens. The window is shown afterwards.
    HWND openMainWindow();
    // Sends a button's click synchronously, as the dialog manager does.
    void click(int id);
    // Takes the quit message that the window's destruction posted, if any;
    // returns its exit code, or -1 when there was none.
    int takeQuitMessage();

    DialogWatcher watcher;
    HWND window = nullptr;
};
