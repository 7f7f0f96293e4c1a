#include "printer_fixture.h"

#include <regex>

#include "printer/find_printer.h"
#include "printer_queues.h"
#include "resource.h"
#include "stored_settings.h"

void PrinterTest::SetUp() {
    removeAllPrinters();
    resetProgramKey();
    rememberedPrinterName.clear();
    owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
}

void PrinterTest::TearDown() {
    DestroyWindow(owner);
    removeAllPrinters();
    resetProgramKey();
}

void highlight(HWND dialog, int index) {
    HWND list = GetDlgItem(dialog, IDC_PRINTER_LIST);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PRINTER_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

void expectErrorBox(const DialogSnapshot& box, const std::string& pattern) {
    EXPECT_EQ(box.caption, "Quillset");
    EXPECT_TRUE(std::regex_match(box.text, std::regex(pattern))) << box.text;
    EXPECT_TRUE(box.stopIcon);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
}
