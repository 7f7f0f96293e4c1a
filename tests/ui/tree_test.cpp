// The settings tree and the page switch on the real main window.
#include <windows.h>
#include <commctrl.h>

#include <set>

#include "main_window_fixture.h"
#include "resource.h"
#include "settings/catalogue.h"
#include "settings/country_defaults.h"
#include "stored_settings.h"
#include "settings/settings_state.h"
#include "ui/settings_tree.h"
#include "window_cases.h"

namespace {
// A list of each page, in the tree's order; the Print pass list shows on
// page 0 of model variant 1 only; the buttons and the tree always.
const int PageLists[] = {IDC_FONT,   IDC_EMULATION,     IDC_PAGE_LENGTH, IDC_GRAPHIC_DIRECTION,
                         IDC_BOLD,   IDC_CHARACTER_SET, IDC_AUTO_LF,     IDC_BAUD_RATE,
                         IDC_TRACTOR};

// The controls of each page in the template (labels, fields, up-downs, units),
// and those that always show: the buttons, the tree and its label.
const int PageControlCounts[] = {6, 2, 27, 4, 16, 6, 18, 10, 8};
constexpr int AlwaysShown = 7;

// Every control shown and, apart, the labels (texts ending in ':') shown.
std::pair<int, std::set<int>> shownControls(HWND window) {
    std::pair<int, std::set<int>> shown;
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c)) continue;
        ++shown.first;
        const std::string text = controlText(window, GetDlgCtrlID(c));
        if (!text.empty() && text.back() == ':') shown.second.insert(GetDlgCtrlID(c));
    }
    return shown;
}

void expectOnlyPageShown(HWND window, int page, bool variant) {
    if (page >= 0) {  // the catalogue's labels of the page, and nothing of another page
        std::set<int> labels;
        for (const Setting& s : Settings)
            if (s.page == page && hasRow(s, variant) && s.choice != &PageChoices::freePageLength)
                labels.insert(s.labelId);
        const int count = AlwaysShown + PageControlCounts[page] + (page == 0 && variant ? 2 : 0);
        EXPECT_EQ(shownControls(window), std::make_pair(count, labels)) << "page " << page;
    }
    for (int p = 0; p < 9; ++p)
        EXPECT_EQ(isShown(window, PageLists[p]), p == page) << "page " << page << " list of " << p;
    EXPECT_EQ(isShown(window, IDC_PRINT_PASS), page == 0 && variant) << "page " << page;
    for (int id : {IDC_SEND_SETTINGS, IDC_RESTORE_DEFAULT, IDC_EXIT, IDC_SETTINGS_TREE})
        EXPECT_TRUE(isShown(window, id)) << id;
}

using TreeTest = MainWindowTest;
}  // namespace

// Each of the nine items, chosen in the tree, shows exactly its page (the
// item's parameter is its page); only a new selection of the tree switches.
TEST_F(TreeTest, EachItemShowsExactlyItsPage) {
    for (int model : {0, 1}) {
        SCOPED_TRACE(model);
        ASSERT_NE(openMainWindow(model, 0, CountryDefaultTable[model ? VariantDefaultRow : 0]), nullptr);
        // Each catalogue row names its controls of the template, which follow each other there:
        // the label, the list or field, the up-down, the unit.
        for (const Setting& row : Settings) {
            int previous = row.labelId;
            for (int id : {row.controlId, row.upDownId, row.unitId}) {
                HWND next = GetWindow(GetDlgItem(window, previous), GW_HWNDNEXT);
                if (!id) continue;
                EXPECT_TRUE(!previous || GetDlgCtrlID(next) == id) << row.label << " " << id;
                previous = id;
            }
        }
        expectOnlyPageShown(window, 0, model == 1);
        for (int shown : {1, 2, 3, 4, 5, 6, 7, 8, 2, 0}) {
            runSteps(window, {page(shown)});
            EXPECT_EQ(windowState.ShownPage, shown);
            expectOnlyPageShown(window, shown, model == 1);
        }
        ShowWindow(GetDlgItem(window, IDC_PITCH), SW_HIDE);
        auto notify = [this](UINT_PTR from, UINT code, LPARAM page) {
            NMTREEVIEWA change = {};
            change.hdr = {GetDlgItem(window, static_cast<int>(from)), from, code};
            change.itemNew.lParam = page;
            SendMessageA(window, WM_NOTIFY, from, reinterpret_cast<LPARAM>(&change));
        };
        notify(IDC_SETTINGS_TREE, TVN_SELCHANGINGA, 3);
        notify(IDC_TOP_MARGIN_SPIN, UDN_DELTAPOS, 3);  // an up-down's arrow
        runSteps(window, {page(0)});  // re-selected: a page switch would show the pitch again
        EXPECT_FALSE(isShown(window, IDC_PITCH));
        EXPECT_EQ(windowState.ShownPage, 0);
        notify(IDC_SETTINGS_TREE, TVN_SELCHANGEDA, 9);  // beyond the nine pages: none shown
        expectOnlyPageShown(window, -1, false);
    }
}
