// The real main window inside a test, on a reset registry and INI file, and
// driven as a user drives it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialog_watcher.h"

bool isShown(HWND window, int id);  // the control's own WS_VISIBLE bit

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
