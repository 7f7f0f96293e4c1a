#include "printer_fixture.h"

#include "printer/find_printer.h"
#include "printer_queues.h"
#include "registry.h"
#include "resource.h"

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

std::vector<std::string> listEntries(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_PRINTER_LIST);
    std::vector<std::string> entries;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, i, 0);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length));
        entries.push_back(text);
    }
    return entries;
}

int selectedEntry(HWND dialog) {
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_PRINTER_LIST, LB_GETCURSEL, 0, 0));
}

std::string portText(HWND dialog) {
    char text[1024] = {};
    GetDlgItemTextA(dialog, IDC_PRINTER_PORT, text, sizeof text);
    return text;
}

void highlight(HWND dialog, int index) {
    HWND list = GetDlgItem(dialog, IDC_PRINTER_LIST);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PRINTER_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

HWND ownerOf(HWND dialog) { return GetWindow(dialog, GW_OWNER); }

void expectErrorBox(const DialogSnapshot& box, const std::string& text) {
    EXPECT_TRUE(box.expected);
    EXPECT_EQ(box.caption, "Quillset");
    EXPECT_EQ(box.text, text);
    EXPECT_TRUE(box.stopIcon);
    EXPECT_EQ(box.buttons(), std::vector<int>{IDOK});
}
