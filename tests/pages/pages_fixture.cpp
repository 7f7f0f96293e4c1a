#include "pages_fixture.h"

#include "common/window_helpers.h"
#include "settings/settings_state.h"
#include "ui/load_pages.h"

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
