// The "Select Country" dialog on its own.
#include <string>
#include <vector>

#include "dialog_watcher.h"
#include "resource.h"
#include "settings/settings_state.h"
#include "ui/country_dialog.h"

#include <gtest/gtest.h>

namespace {
void selectAndPress(HWND dialog, int position, int button) {
    SendDlgItemMessageA(dialog, IDC_COUNTRY_LIST, LB_SETCURSEL, static_cast<WPARAM>(position), 0);
    pressButton(dialog, button);
}
}  // namespace

TEST(CountryDialog, ListsTheCountriesInTableOrderAndCancelKeepsTheStoredOne) {
    ModelVariant = 0;
    CountryIndex = 6;
    DialogWatcher watcher;
    watcher.expect([](HWND dialog) {
        const std::vector<std::string> expected = {"USA",    "Belgium", "Chile",  "Denmark", "Finland",
                                                   "France", "Germany", "Italy",  "Norway",  "Portugal",
                                                   "Spain",  "Sweden",  "Turkey", "UK",      "Other country"};
        EXPECT_EQ(listEntries(dialog, IDC_COUNTRY_LIST), expected);
        EXPECT_EQ(selectedText(dialog, IDC_COUNTRY_LIST), "Germany");
        selectAndPress(dialog, 2, IDCANCEL);
    });
    EXPECT_EQ(chooseCountry(nullptr, TRUE), -1);
    EXPECT_EQ(watcher.seen().at(0).caption, "Select Country");
    EXPECT_EQ(CountryIndex, 6);
}

// Neither a double-click nor Select with nothing selected ends the choice; a
// stored index beyond the list preselects nothing.
TEST(CountryDialog, OnlySelectWithAnEntryEndsTheChoice) {
    const int cases[][3] = {{1, 1, 14}, {15, LB_ERR, 7}, {255, LB_ERR, 0}};  // stored, preselected, chosen
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        CountryIndex = static_cast<uint8_t>(c[0]);
        DialogWatcher watcher;
        watcher.expect([&c](HWND dialog) {
            EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_COUNTRY_LIST, LB_GETCURSEL, 0, 0), c[1]);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_COUNTRY_LIST, LBN_DBLCLK),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_COUNTRY_LIST)));
            SendDlgItemMessageA(dialog, IDC_COUNTRY_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            selectAndPress(dialog, c[2], IDOK);
        });
        EXPECT_EQ(chooseCountry(nullptr, FALSE), c[2]);
        EXPECT_EQ(CountryIndex, c[2]);
    }
}
