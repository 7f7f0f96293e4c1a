// The "Select Country" dialog on its own.
#include <string>
#include <vector>

#include "dialog_watcher.h"
#include "resource.h"
#include "settings/settings_state.h"
#include "ui/country_dialog.h"

#include <gtest/gtest.h>

namespace {
int listSelection(HWND dialog) {
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_COUNTRY_LIST, LB_GETCURSEL, 0, 0));
}

void selectAndPress(HWND dialog, int position, int button) {
    SendDlgItemMessageA(dialog, IDC_COUNTRY_LIST, LB_SETCURSEL, position, 0);
    pressButton(dialog, button);
}

class CountryDialogTest : public testing::Test {
protected:
    void SetUp() override { ModelVariant = 0; }
    void TearDown() override {
        for (const DialogSnapshot& dialog : watcher.seen()) EXPECT_TRUE(dialog.expected) << dialog.caption;
        EXPECT_EQ(watcher.pending(), 0u);
    }
    DialogWatcher watcher;
};
}  // namespace

TEST_F(CountryDialogTest, ListsTheCountriesInTableOrderAndCancelKeepsTheStoredOne) {
    CountryIndex = 6;
    std::vector<std::string> entries;
    int preselected = -2;
    watcher.expect([&](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_COUNTRY_LIST);
        const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[256] = "";
            if (SendMessageA(list, LB_GETTEXTLEN, i, 0) < static_cast<LRESULT>(sizeof text))
                SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        preselected = listSelection(dialog);
        selectAndPress(dialog, 2, IDCANCEL);
    });
    EXPECT_EQ(chooseCountry(nullptr, TRUE), -1);
    const std::vector<std::string> expected = {"USA",    "Belgium", "Chile",  "Denmark", "Finland",
                                               "France", "Germany", "Italy",  "Norway",  "Portugal",
                                               "Spain",  "Sweden",  "Turkey", "UK",      "Other country"};
    EXPECT_EQ(entries, expected);
    ASSERT_EQ(watcher.seen().size(), 1u);
    EXPECT_EQ(watcher.seen()[0].caption, "Select Country");
    ASSERT_NE(watcher.seen()[0].control(IDCANCEL), nullptr);
    EXPECT_TRUE(watcher.seen()[0].control(IDCANCEL)->enabled);
    EXPECT_EQ(preselected, 6);
    EXPECT_EQ(CountryIndex, 6);
}

TEST_F(CountryDialogTest, OnlySelectEndsTheChoiceAndAnIndexBeyondTheListPreselectsNothing) {
    const struct {
        uint8_t stored;
        int preselected;
        int chosen;
    } cases[] = {{1, 1, 14}, {15, LB_ERR, 7}, {16, LB_ERR, 0}, {255, LB_ERR, 14}};  // 14 is "Other country"
    for (const auto& c : cases) {
        SCOPED_TRACE(int{c.stored});
        CountryIndex = c.stored;
        int preselected = -2;
        int indexAfterEmptySelect = -1;
        watcher.expect([&](HWND dialog) {
            preselected = listSelection(dialog);
            // Neither a double-click nor Select with nothing selected ends it.
            HWND list = GetDlgItem(dialog, IDC_COUNTRY_LIST);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_COUNTRY_LIST, LBN_DBLCLK),
                         reinterpret_cast<LPARAM>(list));
            SendDlgItemMessageA(dialog, IDC_COUNTRY_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            indexAfterEmptySelect = CountryIndex;
            selectAndPress(dialog, c.chosen, IDOK);
        });
        EXPECT_EQ(chooseCountry(nullptr, TRUE), c.chosen);
        EXPECT_EQ(preselected, c.preselected);
        EXPECT_EQ(indexAfterEmptySelect, c.stored);
        EXPECT_EQ(CountryIndex, c.chosen);
    }
}
