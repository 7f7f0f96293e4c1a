// Common ground of the printer tests: no queues, a clean registry key, no
// remembered printer, and an owner window for the dialogs and message boxes.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "dialog_watcher.h"
#include "printer/find_printer.h"
#include "printer/select_printer_dialog.h"
#include "printer_queues.h"
#include "settings/settings_state.h"
#include "stored_settings.h"

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        removeAllPrinters();
        resetProgramKey();
        windowState.rememberedPrinterName.clear();
        owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override {
        DestroyWindow(owner);
        removeAllPrinters();
        resetProgramKey();
    }
    HWND owner = nullptr;
};

// An error box: the program's caption, the stop icon, only OK, and the text
// `expected`, where a closing '#' stands for an error code (a number from 1).
inline void expectErrorBox(const DialogSnapshot& box, const std::string& expected) {
    EXPECT_EQ(box.caption, "Quillset");
    std::string text = box.text;
    const size_t digits = text.find_last_not_of("0123456789") + 1;
    if (expected.back() == '#' && digits < text.size() && text[digits] != '0')
        text.replace(digits, text.npos, "#");
    EXPECT_EQ(text, expected);
    EXPECT_TRUE(box.stopIcon);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
}
