// Common ground of the printer tests: no queues, a clean registry key, no
// remembered printer, an owner window for the dialogs and message boxes, and
// a few readers for the Select Printer dialog's controls.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_watcher.h"

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND owner = nullptr;
};

std::vector<std::string> listEntries(HWND dialog);
int selectedEntry(HWND dialog);
std::string portText(HWND dialog);
// Highlights entry `index` as a user's click does: the selection moves and
// the list tells the dialog.
void highlight(HWND dialog, int index);

// The window that owns `dialog` (a message box or the Select Printer dialog).
HWND ownerOf(HWND dialog);

// Checks a message box: the program's caption, the stop icon, only OK, and
// the exact text.
void expectErrorBox(const DialogSnapshot& box, const std::string& text);
