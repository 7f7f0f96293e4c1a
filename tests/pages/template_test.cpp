// The ROVOVUV template itself: the frame that is always there, and page
// controls that exist with the classes loading expects and start hidden.
#include <windows.h>
#include <commctrl.h>

#include <iterator>
#include <set>

#include "pages_fixture.h"
#include "resource.h"

namespace {

bool hasStyle(HWND control, LONG style) { return (GetWindowLongA(control, GWL_STYLE) & style) == style; }

std::string className(HWND control) {
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    return name;
}

// Every page control of the nine pages, by the class it must have.
const int PageLists[] = {
    IDC_FONT,         IDC_PITCH,          IDC_POINT_SIZE,        IDC_PRINT_PASS,     IDC_EMULATION,
    IDC_LINE_SPACING, IDC_PAGE_LENGTH,    IDC_GRAPHIC_DIRECTION, IDC_TEXT_DIRECTION, IDC_BOLD,
    IDC_DOUBLE_HIGH,  IDC_DOUBLE_STRIKE,  IDC_DOUBLE_WIDE,       IDC_ITALICS,        IDC_OUTLINE,
    IDC_SHADOW,       IDC_ZERO_FONT,      IDC_CHARACTER_SET,     IDC_INTERNATIONAL,  IDC_CODE_PAGE,
    IDC_AGM,          IDC_AUTO_CR,        IDC_AUTO_LF,           IDC_AUTO_LOAD,      IDC_PAPER_OUT,
    IDC_TEAR_OFF,     IDC_BUFFER_CONTROL, IDC_AUTO_ONLINE,       IDC_AUTO_FEED_XT,   IDC_DATA_LENGTH,
    IDC_BAUD_RATE,    IDC_PARITY,         IDC_PROTOCOL,          IDC_SIGNAL_POLARITY};
const int PageEdits[] = {IDC_FREE_LENGTH,  IDC_TOP_MARGIN, IDC_BOTTOM_MARGIN, IDC_LEFT_MARGIN,
                         IDC_RIGHT_MARGIN, IDC_CENTERING,  IDC_TRACTOR,       IDC_FRICTION};
const int PageSpins[] = {IDC_FREE_LENGTH_SPIN, IDC_TOP_MARGIN_SPIN,   IDC_BOTTOM_MARGIN_SPIN,
                         IDC_LEFT_MARGIN_SPIN, IDC_RIGHT_MARGIN_SPIN, IDC_CENTERING_SPIN,
                         IDC_TRACTOR_SPIN,     IDC_FRICTION_SPIN};
const int PageStatics[] = {IDC_FONT_LABEL,
                           IDC_PITCH_LABEL,
                           IDC_POINT_SIZE_LABEL,
                           IDC_PRINT_PASS_LABEL,
                           IDC_EMULATION_LABEL,
                           IDC_LINE_SPACING_LABEL,
                           IDC_PAGE_LENGTH_LABEL,
                           IDC_FREE_LENGTH_UNIT,
                           IDC_TOP_MARGIN_LABEL,
                           IDC_TOP_MARGIN_UNIT,
                           IDC_BOTTOM_MARGIN_LABEL,
                           IDC_BOTTOM_MARGIN_UNIT,
                           IDC_LEFT_MARGIN_LABEL,
                           IDC_LEFT_MARGIN_UNIT,
                           IDC_RIGHT_MARGIN_LABEL,
                           IDC_RIGHT_MARGIN_UNIT,
                           IDC_CENTERING_LABEL,
                           IDC_CENTERING_UNIT,
                           IDC_GRAPHIC_DIRECTION_LABEL,
                           IDC_TEXT_DIRECTION_LABEL,
                           IDC_BOLD_LABEL,
                           IDC_DOUBLE_HIGH_LABEL,
                           IDC_DOUBLE_STRIKE_LABEL,
                           IDC_DOUBLE_WIDE_LABEL,
                           IDC_ITALICS_LABEL,
                           IDC_OUTLINE_LABEL,
                           IDC_SHADOW_LABEL,
                           IDC_ZERO_FONT_LABEL,
                           IDC_CHARACTER_SET_LABEL,
                           IDC_INTERNATIONAL_LABEL,
                           IDC_CODE_PAGE_LABEL,
                           IDC_AGM_LABEL,
                           IDC_AUTO_CR_LABEL,
                           IDC_AUTO_LF_LABEL,
                           IDC_AUTO_LOAD_LABEL,
                           IDC_PAPER_OUT_LABEL,
                           IDC_TEAR_OFF_LABEL,
                           IDC_BUFFER_CONTROL_LABEL,
                           IDC_AUTO_ONLINE_LABEL,
                           IDC_AUTO_FEED_XT_LABEL,
                           IDC_DATA_LENGTH_LABEL,
                           IDC_BAUD_RATE_LABEL,
                           IDC_PARITY_LABEL,
                           IDC_PROTOCOL_LABEL,
                           IDC_SIGNAL_POLARITY_LABEL,
                           IDC_TRACTOR_LABEL,
                           IDC_TRACTOR_UNIT,
                           IDC_FRICTION_LABEL,
                           IDC_FRICTION_UNIT};

const int FrameButtons[] = {IDC_SEND_SETTINGS, IDC_RESTORE_DEFAULT, IDC_CHARACTER_TABLE, IDC_ABOUT, IDC_EXIT};

BOOL CALLBACK collectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

}  // namespace

TEST_F(PagesTest, WindowIsAHiddenFixedSizeDialogCaptionedQuillset) {
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Quillset");
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_VISIBLE, 0) << "the window is shown only after it is initialised and centred";
    EXPECT_EQ(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_TRUE(hasStyle(window, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));
    EXPECT_EQ(GetMenu(window), nullptr);

    // 360 x 200 dialog units of client area.
    RECT expected = {0, 0, 360, 200};
    MapDialogRect(window, &expected);
    RECT client = {};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);
}

TEST_F(PagesTest, FrameControlsAreVisibleAndSendSettingsIsTheDefault) {
    for (int id : FrameButtons) {
        HWND button = GetDlgItem(window, id);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_TRUE(hasStyle(button, WS_VISIBLE | WS_TABSTOP)) << id;
    }
    EXPECT_EQ(text(IDC_SEND_SETTINGS), "&Send Settings");
    EXPECT_EQ(text(IDC_EXIT), "E&xit");
    EXPECT_EQ(GetWindowLongA(GetDlgItem(window, IDC_SEND_SETTINGS), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
    EXPECT_EQ(LOWORD(SendMessageA(window, DM_GETDEFID, 0, 0)), IDC_SEND_SETTINGS);
    EXPECT_TRUE(hasStyle(GetDlgItem(window, IDC_SEND_SETTINGS), WS_GROUP));
    EXPECT_TRUE(hasStyle(GetDlgItem(window, IDC_EXIT), WS_GROUP));

    HWND tree = GetDlgItem(window, IDC_SETTINGS_TREE);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(className(tree), WC_TREEVIEWA);
    EXPECT_TRUE(hasStyle(
        tree, WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS));
    // The tree view trades a WS_BORDER for the sunken client edge when it is created.
    EXPECT_TRUE(hasStyle(tree, WS_BORDER) || (GetWindowLongA(tree, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
}

TEST_F(PagesTest, EveryPageControlExistsHiddenWithItsClassAndNothingElseStandsOnThePages) {
    std::set<HWND> expected;
    auto check = [&](const int* ids, size_t count, const char* windowClass) {
        for (size_t i = 0; i < count; ++i) {
            HWND control = GetDlgItem(window, ids[i]);
            ASSERT_NE(control, nullptr) << "missing page control " << ids[i];
            EXPECT_STRCASEEQ(className(control).c_str(), windowClass) << ids[i];
            EXPECT_FALSE(hasStyle(control, WS_VISIBLE)) << "page control " << ids[i] << " starts visible";
            expected.insert(control);
        }
    };
    check(PageLists, std::size(PageLists), "ComboBox");
    check(PageEdits, std::size(PageEdits), "Edit");
    check(PageSpins, std::size(PageSpins), UPDOWN_CLASSA);
    check(PageStatics, std::size(PageStatics), "Static");
    for (int id : FrameButtons) expected.insert(GetDlgItem(window, id));
    expected.insert(GetDlgItem(window, IDC_SETTINGS_TREE));

    // The children the dialog made itself: the combo boxes' inner parts are
    // grandchildren, so EnumChildWindows lists them too; only direct children
    // count here.
    std::vector<HWND> children;
    EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&children));
    int strays = 0;
    for (HWND child : children) {
        if (GetParent(child) != window || expected.count(child)) continue;
        char label[32] = {};
        GetWindowTextA(child, label, sizeof label);
        EXPECT_STREQ(label, "&Menu") << "unexpected control " << GetDlgCtrlID(child);
        ++strays;
    }
    EXPECT_EQ(strays, 1) << "only the tree's label stands outside the pages and the buttons";
}

TEST_F(PagesTest, NumericEntriesTakeDigitsOnlyAndTheirUpDownsShowLocaleSeparators) {
    for (int id : PageEdits)
        EXPECT_TRUE(hasStyle(GetDlgItem(window, id), ES_NUMBER | ES_RIGHT | WS_TABSTOP)) << id;
    for (int id : PageSpins) {
        HWND spin = GetDlgItem(window, id);
        EXPECT_TRUE(hasStyle(spin, UDS_ARROWKEYS | UDS_WRAP | UDS_SETBUDDYINT)) << id;
        // No alignment (it would move the up-down onto its field), no
        // automatic buddy (loading binds it) and the locale's separators.
        EXPECT_EQ(GetWindowLongA(spin, GWL_STYLE) &
                      (UDS_ALIGNLEFT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_NOTHOUSANDS),
                  0)
            << id;
    }
}

TEST_F(PagesTest, FreePageLengthTakesTheRowBelowPageLengthAndTopMarginFollows) {
    auto placed = [this](int id) {
        RECT r = {};
        GetWindowRect(GetDlgItem(window, id), &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    auto dialogUnits = [this](int x, int y) {
        RECT r = {x, y, x, y};
        MapDialogRect(window, &r);
        return POINT{r.left, r.top};
    };
    // Controls stand 2 units above their labels, rows 20 units apart: Page
    // length in the second row, the free entry in the third, Top margin next.
    const int rows[][2] = {{IDC_PAGE_LENGTH, 38}, {IDC_FREE_LENGTH, 58}, {IDC_TOP_MARGIN, 78}};
    for (const auto& row : rows) {
        POINT expected = dialogUnits(200, row[1]);
        RECT actual = placed(row[0]);
        EXPECT_EQ(actual.left, expected.x) << row[0];
        EXPECT_EQ(actual.top, expected.y) << row[0];
    }
    EXPECT_EQ(placed(IDC_TOP_MARGIN_LABEL).top, dialogUnits(120, 80).y);

    // The up-down stays beside its field after binding.
    RECT spin = placed(IDC_FREE_LENGTH_SPIN);
    load(baseBlock());
    RECT spinAfter = placed(IDC_FREE_LENGTH_SPIN);
    EXPECT_EQ(spin.left, spinAfter.left);
    EXPECT_GE(spinAfter.left, placed(IDC_FREE_LENGTH).right);
}
