// The real main window inside a test, on a reset registry and INI file, and
// driven as a user drives it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialog_watcher.h"
#include "settings/settings_block.h"

bool isShown(HWND window, int id);  // the control's own WS_VISIBLE bit

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    HWND openMainWindow();  // the watcher answers dialogs its start-up opens
    // Closes the window open before, then opens one on a stored set: the INI
    // file names `model`, the registry holds `country` and `block`.
    HWND openMainWindow(int model, int country, const SettingsBlock& block);
    void click(int id);     // synchronous, as the dialog manager sends it
    int takeQuitMessage();  // its exit code, or -1 when none was posted

    DialogWatcher watcher;
    HWND window = nullptr;
};
