// The real main window inside a test, on a reset registry and INI file.
#pragma once

#include <windows.h>

#include <optional>

#include <gtest/gtest.h>

#include "dialog_watcher.h"
#include "settings/settings_block.h"

// Main/Model in the INI file beside the test executable; nothing removes it.
void writeModelIni(std::optional<int> model);
// A complete stored set, as a finished earlier run leaves it.
void storeProgramSettings(int country, int model, const SettingsBlock& block);
SettingsBlock storedBlock();  // all zero when missing or not 32 bytes
// Last write time of the program's key, to prove nothing was stored.
FILETIME programKeyWriteTime();
bool sameTime(const FILETIME& a, const FILETIME& b);
bool isShown(HWND window, int id);  // the control's own WS_VISIBLE bit
int comboSelection(HWND window, int id);

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    HWND openMainWindow();  // the watcher answers dialogs its start-up opens
    void click(int id);     // synchronous, as the dialog manager sends it
    int takeQuitMessage();  // its exit code, or -1 when none was posted

    DialogWatcher watcher;
    HWND window = nullptr;
};
