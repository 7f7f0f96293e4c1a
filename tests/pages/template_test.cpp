// What the window template must give loading: page controls that start
// hidden, digit-only entries paired with their up-downs, and the free page
// length entry in the row right under Page length.
#include <windows.h>
#include <commctrl.h>

#include <set>

#include "pages_fixture.h"
#include "resource.h"

namespace {
RECT placed(HWND window, int id) {
    RECT r = {};
    GetWindowRect(GetDlgItem(window, id), &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

BOOL CALLBACK collectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}
}  // namespace

TEST_F(PagesTest, OnlyTheFrameStartsVisible) {
    std::set<int> frame = {IDC_SEND_SETTINGS, IDC_RESTORE_DEFAULT, IDC_CHARACTER_TABLE, IDC_ABOUT,
                           IDC_EXIT,          IDC_SETTINGS_TREE};
    std::vector<HWND> children;
    EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&children));
    int hidden = 0;
    for (HWND child : children) {
        if (GetParent(child) != window) continue;  // the combo boxes' own parts
        char label[16] = {};
        GetWindowTextA(child, label, sizeof label);
        const bool visible = (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) != 0;
        const bool isFrame = frame.count(GetDlgCtrlID(child)) || std::string(label) == "&Menu";
        EXPECT_EQ(visible, isFrame) << "control " << GetDlgCtrlID(child);
        hidden += !visible;
    }
    EXPECT_EQ(hidden, 34 + 8 + 8 + 49) << "lists, entries, up-downs and labels of the pages";
}

TEST_F(PagesTest, NumericEntriesTakeDigitsOnlyAndKeepTheirUpDownsBeside) {
    const int pairs[][2] = {{IDC_FREE_LENGTH, IDC_FREE_LENGTH_SPIN},
                            {IDC_TOP_MARGIN, IDC_TOP_MARGIN_SPIN},
                            {IDC_BOTTOM_MARGIN, IDC_BOTTOM_MARGIN_SPIN},
                            {IDC_LEFT_MARGIN, IDC_LEFT_MARGIN_SPIN},
                            {IDC_RIGHT_MARGIN, IDC_RIGHT_MARGIN_SPIN},
                            {IDC_CENTERING, IDC_CENTERING_SPIN},
                            {IDC_TRACTOR, IDC_TRACTOR_SPIN},
                            {IDC_FRICTION, IDC_FRICTION_SPIN}};
    load(baseBlock());
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair[0]);
        EXPECT_TRUE(GetWindowLongA(GetDlgItem(window, pair[0]), GWL_STYLE) & ES_NUMBER);
        EXPECT_EQ(reinterpret_cast<HWND>(SendDlgItemMessageA(window, pair[1], UDM_GETBUDDY, 0, 0)),
                  GetDlgItem(window, pair[0]));
        // No alignment style: binding must not move the up-down onto its field.
        EXPECT_GE(placed(window, pair[1]).left, placed(window, pair[0]).right);
    }
}

// Rows stand 20 dialog units apart: Page length in the second, the free entry
// in the third, Top margin next.
TEST_F(PagesTest, FreePageLengthTakesTheRowBelowPageLength) {
    const int rows[][2] = {{IDC_PAGE_LENGTH, 38}, {IDC_FREE_LENGTH, 58}, {IDC_TOP_MARGIN, 78}};
    for (const auto& row : rows) {
        RECT expected = {200, row[1], 200, row[1]};
        MapDialogRect(window, &expected);
        EXPECT_EQ(placed(window, row[0]).left, expected.left) << row[0];
        EXPECT_EQ(placed(window, row[0]).top, expected.top) << row[0];
    }
}
