#include "pages_fixture.h"

#include <commctrl.h>

#include "settings/settings_state.h"
#include "ui/load_pages.h"
#include "common/window_helpers.h"

namespace {
INT_PTR CALLBACK quietProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
}  // namespace

void PagesTest::SetUp() {
    window = CreateDialogParamA(appInstance(), "ROVOVUV", nullptr, quietProc, 0);
    ASSERT_NE(window, nullptr) << "the ROVOVUV template did not load, error " << GetLastError();
}

void PagesTest::TearDown() {
    if (window) DestroyWindow(window);
    ModelVariant = 0;
}

void PagesTest::load(const SettingsBlock& block, uint8_t variant) {
    ModelVariant = variant;
    currentBlock = block;
    ASSERT_EQ(loadPages(window), 1);
}

std::vector<std::string> PagesTest::entries(int listId) const {
    std::vector<std::string> result;
    LRESULT count = SendDlgItemMessageA(window, listId, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char buffer[260] = {};
        LRESULT length = SendDlgItemMessageA(window, listId, CB_GETLBTEXTLEN, i, 0);
        if (length < 0 || length >= static_cast<LRESULT>(sizeof buffer)) {
            result.push_back("<bad length>");
            continue;
        }
        SendDlgItemMessageA(window, listId, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
        result.push_back(buffer);
    }
    return result;
}

std::string PagesTest::selected(int listId) const {
    LRESULT index = SendDlgItemMessageA(window, listId, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return "";
    std::vector<std::string> all = entries(listId);
    return index >= 0 && index < static_cast<LRESULT>(all.size()) ? all[index] : "<bad index>";
}

std::string PagesTest::text(int controlId) const {
    char buffer[64] = {};
    GetDlgItemTextA(window, controlId, buffer, sizeof buffer);
    return buffer;
}

int PagesTest::position(int spinId) const {
    return static_cast<int>(SendDlgItemMessageA(window, spinId, UDM_GETPOS32, 0, 0));
}

std::pair<int, int> PagesTest::range(int spinId) const {
    int low = 0, high = 0;
    SendDlgItemMessageA(window, spinId, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                        reinterpret_cast<LPARAM>(&high));
    return {low, high};
}

SettingsBlock baseBlock() { return CountryDefaultTable[0]; }

void setBits(SettingsBlock& b, int byte, int shift, int width, unsigned value) {
    const unsigned mask = ((1u << width) - 1u) << shift;
    b.bytes[byte] = static_cast<uint8_t>((b.bytes[byte] & ~mask) | ((value << shift) & mask));
}
