// Common ground of the printer tests: no queues, a clean registry key, no
// remembered printer, and an owner window for the dialogs and message boxes.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialog_watcher.h"

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    HWND owner = nullptr;
};

// Highlights entry `index` of the Select Printer list as a user's click does.
void highlight(HWND dialog, int index);
// The printer's caption, the stop icon, only OK; the text matches `pattern`.
void expectErrorBox(const DialogSnapshot& box, const std::string& pattern);
