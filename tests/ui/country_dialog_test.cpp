// The "Select Country" dialog on its own.
#include <string>
#include <vector>

#include "dialog_watcher.h"
#include "resource.h"
#include "settings/settings_state.h"
#include "ui/country_dialog.h"

#include <gtest/gtest.h>

namespace {
struct ListState {
    std::vector<std::string> entries;
    int selected = -2;
    LONG style = 0;
    bool cancelEnabled = false;
};

ListState readList(HWND dialog) {
    ListState state;
    HWND list = GetDlgItem(dialog, IDC_COUNTRY_LIST);
    state.style = GetWindowLongA(list, GWL_STYLE);
    state.selected = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
    state.cancelEnabled = IsWindowEnabled(GetDlgItem(dialog, IDCANCEL)) != FALSE;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        if (SendMessageA(list, LB_GETTEXTLEN, i, 0) < static_cast<LRESULT>(sizeof text))
            SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        state.entries.push_back(text);
    }
    return state;
}

void select(HWND dialog, int position) {
    SendDlgItemMessageA(dialog, IDC_COUNTRY_LIST, LB_SETCURSEL, position, 0);
}

class CountryDialogTest : public testing::Test {
protected:
    void SetUp() override {
        savedVariant = ModelVariant;
        ModelVariant = 0;
    }
    void TearDown() override {
        for (const DialogSnapshot& dialog : watcher.seen()) EXPECT_TRUE(dialog.expected) << dialog.caption;
        EXPECT_EQ(watcher.pending(), 0u);
        ModelVariant = savedVariant;
    }
    DialogWatcher watcher;
    uint8_t savedVariant = 0;
};
}  // namespace

TEST_F(CountryDialogTest, ListsTheCountriesInTableOrderWithoutSorting) {
    CountryIndex = 0;
    ListState state;
    watcher.expect([&](HWND dialog) {
        state = readList(dialog);
        pressButton(dialog, IDOK);
    });
    EXPECT_EQ(chooseCountry(nullptr, FALSE), 0);
    ASSERT_EQ(watcher.seen().size(), 1u);
    EXPECT_EQ(watcher.seen()[0].caption, "Select Country");
    const std::vector<std::string> expected = {"USA",    "Belgium", "Chile",  "Denmark", "Finland",
                                               "France", "Germany", "Italy",  "Norway",  "Portugal",
                                               "Spain",  "Sweden",  "Turkey", "UK",      "Other country"};
    EXPECT_EQ(state.entries, expected);
    EXPECT_EQ(state.style & LBS_SORT, 0);
    EXPECT_EQ(state.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL), 0);
    EXPECT_NE(state.style & LBS_NOTIFY, 0);
    EXPECT_FALSE(state.cancelEnabled);
}

TEST_F(CountryDialogTest, CancelKeepsTheStoredCountry) {
    CountryIndex = 6;
    ListState state;
    watcher.expect([&](HWND dialog) {
        state = readList(dialog);
        select(dialog, 2);
        pressButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(chooseCountry(nullptr, TRUE), -1);
    EXPECT_EQ(state.selected, 6);
    EXPECT_TRUE(state.cancelEnabled);
    EXPECT_EQ(CountryIndex, 6);
}

TEST_F(CountryDialogTest, SelectingOtherCountryGivesTheLastPosition) {
    CountryIndex = 1;
    watcher.expect([](HWND dialog) {
        select(dialog, 14);
        pressButton(dialog, IDOK);
    });
    EXPECT_EQ(chooseCountry(nullptr, TRUE), 14);
    EXPECT_EQ(CountryIndex, 14);
}

TEST_F(CountryDialogTest, OnlyTheTwoButtonsEndTheDialog) {
    CountryIndex = 3;
    watcher.expect([](HWND dialog) {
        // A double-click and a selection change are ignored: the Select that
        // follows decides, with the position chosen last.
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_COUNTRY_LIST, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_COUNTRY_LIST)));
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_COUNTRY_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_COUNTRY_LIST)));
        select(dialog, 11);
        pressButton(dialog, IDOK);
    });
    EXPECT_EQ(chooseCountry(nullptr, TRUE), 11);
    EXPECT_EQ(CountryIndex, 11);
}

TEST_F(CountryDialogTest, IndexBeyondTheListPreselectsNothingAndSelectWaitsForAChoice) {
    for (uint8_t stored : {uint8_t{15}, uint8_t{16}, uint8_t{255}}) {
        CountryIndex = stored;
        int selected = -2;
        int indexAfterEmptySelect = -1;
        watcher.expect([&](HWND dialog) {
            selected = static_cast<int>(SendDlgItemMessageA(dialog, IDC_COUNTRY_LIST, LB_GETCURSEL, 0, 0));
            // Select with nothing selected: the dialog stays, nothing is stored.
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            indexAfterEmptySelect = CountryIndex;
            select(dialog, 7);
            pressButton(dialog, IDOK);
        });
        EXPECT_EQ(chooseCountry(nullptr, TRUE), 7) << int{stored};
        EXPECT_EQ(selected, LB_ERR);
        EXPECT_EQ(indexAfterEmptySelect, stored);
        EXPECT_EQ(CountryIndex, 7);
    }
}

TEST_F(CountryDialogTest, ModelVariantNeverAsks) {
    ModelVariant = 1;
    CountryIndex = 9;
    EXPECT_EQ(chooseCountry(nullptr, TRUE), 1);
    EXPECT_EQ(chooseCountry(nullptr, FALSE), 1);
    EXPECT_EQ(CountryIndex, 9);
    EXPECT_TRUE(watcher.seen().empty());
}
