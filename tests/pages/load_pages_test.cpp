// Loading a settings block into the page controls, and reading them back:
// which entries a list gets, which one is selected, each numeric entry's
// limit, range and position, and the hand-made blocks read back as the
// choices they were packed from.
#include <windows.h>
#include <commctrl.h>

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "common/controls.h"
#include "common/window_helpers.h"
#include "dialog_watcher.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/settings_state.h"
#include "tests/core/hand_blocks.h"
#include "ui/load_pages.h"

namespace {
INT_PTR CALLBACK quietProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The real main window template with a procedure that handles nothing, so
// that loading and reading are seen on their own: no rule runs when a
// field's text changes.
class PagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = CreateDialogParamA(appInstance(), "ROVOVUV", nullptr, quietProc, 0);
        ASSERT_NE(window, nullptr) << "the ROVOVUV template did not load, error " << GetLastError();
    }
    void TearDown() override {
        DestroyWindow(window);
        ModelVariant = 0;
    }
    void load(const SettingsBlock& block, uint8_t variant = 0) {
        ModelVariant = variant;
        currentBlock = block;
        ASSERT_EQ(loadPages(window), 1);
    }
    HWND window = nullptr;
};

// The USA row with some bytes replaced.
SettingsBlock usaWith(const std::vector<std::pair<int, int>>& bytes) {
    SettingsBlock b = CountryDefaultTable[0];
    for (const auto& [offset, value] : bytes) b.bytes[offset] = static_cast<uint8_t>(value);
    return b;
}

std::vector<int> asInts(const PageChoices& c) {
    const int* first = reinterpret_cast<const int*>(&c);
    return std::vector<int>(first, first + sizeof c / sizeof(int));
}
}  // namespace

// One case a line: model variant, bytes of the block (offset, value), the
// list, its number of entries and the selected entry ("" for none). The
// cases run one after another on the same window, so a list that kept
// entries of an earlier load would show.
TEST_F(PagesTest, ListsFollowModelEmulationCodePageAndFont) {
    const struct {
        uint8_t variant;
        std::vector<std::pair<int, int>> bytes;
        int list;
        int count;
        const char* selected;
    } cases[] = {
        {0, {{10, 158}}, IDC_LINE_SPACING, 14, ""},        // what "Scalable" packs at 10.5 points
        {0, {{4, 7}, {10, 0}}, IDC_LINE_SPACING, 14, ""},  // "Scalable" needs font code 8 or more
        {0, {{4, 8}, {10, 0}}, IDC_LINE_SPACING, 15, "Scalable"},
        {0, {{4, 9}, {10, 0}}, IDC_LINE_SPACING, 15, "Scalable"},      // by the code, though no font has it
        {0, {}, IDC_PAGE_LENGTH, 8, "11 Inch"},                        // 11880: the named row before "Free"
        {0, {{12, 0xF8}, {13, 0x2A}}, IDC_PAGE_LENGTH, 8, "Free"},     // 11000
        {0, {{12, 0xA0}, {13, 0x32}}, IDC_PAGE_LENGTH, 8, "12 Inch"},  // 12960
        {0, {{0, 0x20}}, IDC_CHARACTER_SET, 3, "Graphic 2"},           // code 2 is never stored
        {0, {{0, 0x30}}, IDC_CHARACTER_SET, 3, "Graphic 2"},
        {0, {{0, 0x60}}, IDC_CHARACTER_SET, 2, "Graphic 1"},  // IBM
        {0, {{0, 0x70}}, IDC_CHARACTER_SET, 2, "Graphic 2"},
        {1, {{0, 0x30}, {1, 23}}, IDC_CHARACTER_SET, 1, "Graphic 1"},  // the variant's "Italic" code page
        {0, {{4, 4}}, IDC_FONT, 14, ""},                               // codes 4 and 9 have no font
        {1, {{1, 18}, {4, 11}}, IDC_FONT, 6, ""},  // from "KU (EPSON)" on no scalable fonts
        {1, {{1, 18}, {4, 8}}, IDC_FONT, 6, "Script"},
        {1, {{1, 2}, {4, 11}}, IDC_FONT, 11, "Courier-SC"},
        {0, {{1, 18}}, IDC_CODE_PAGE, 18, ""},
        {1, {{1, 23}}, IDC_CODE_PAGE, 24, "Italic"},
        {0, {{6, 0}}, IDC_AUTO_FEED_XT, 2, "On"},  // 0 is "On", listed first
        {0, {{3, 0xC0}}, IDC_ZERO_FONT, 3, ""},
        {0, {{9, 22}}, IDC_POINT_SIZE, 15, ""},
        {0, {{4, 0xF0}}, IDC_PITCH, 10, ""},  // pitch 15 has no entry
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "list " << c.list << ", expected \"" << c.selected << "\"");
        load(usaWith(c.bytes), c.variant);
        EXPECT_EQ(listEntries(window, c.list).size(), static_cast<size_t>(c.count));
        EXPECT_EQ(selectedText(window, c.list), c.selected);
    }
    EXPECT_EQ(listSelection(window, 4170), CB_ERR);  // no such list: no selection, not the first entry
}

// Each numeric entry: how many characters may be typed, its up-down bound
// to it, the range, and the position taken from the block (whole divisions).
TEST_F(PagesTest, NumericEntriesTakeLimitRangeAndPosition) {
    // Page length 11000, top margin 905, bottom 5400, 7.5 CPI with the margins
    // 5 and 120 in class 2, centering 33, tractor 7, friction 1800.
    // clang-format off
    load(usaWith({{4, 0x80}, {12, 0xF8}, {13, 0x2A}, {14, 0x89}, {15, 0x03}, {16, 0x18}, {17, 0x15},
                  {18, 0x05}, {19, 0x20}, {20, 0x78}, {21, 0x20}, {22, 33}, {24, 7}, {26, 0x08}, {27, 0x07}}));
    // clang-format on
    const int cases[][6] = {
        // edit, up-down, longest text, low, high, position
        {IDC_FREE_LENGTH, IDC_FREE_LENGTH_SPIN, 4, 90, 2700, 1833},
        {IDC_TOP_MARGIN, IDC_TOP_MARGIN_SPIN, 3, 0, 450, 150},
        {IDC_BOTTOM_MARGIN, IDC_BOTTOM_MARGIN_SPIN, 3, 0, 900, 900},
        {IDC_LEFT_MARGIN, IDC_LEFT_MARGIN_SPIN, 3, 0, 117, 5},
        {IDC_RIGHT_MARGIN, IDC_RIGHT_MARGIN_SPIN, 3, 3, 120, 120},
        {IDC_CENTERING, IDC_CENTERING_SPIN, 3, 10, 45, 33},
        {IDC_TRACTOR, IDC_TRACTOR_SPIN, 3, 0, 900, 3},
        {IDC_FRICTION, IDC_FRICTION_SPIN, 3, 0, 900, 900},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        int low = -1, high = -1;
        SendDlgItemMessageA(window, c[1], UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                            reinterpret_cast<LPARAM>(&high));
        const std::vector<int> seen = {
            static_cast<int>(SendDlgItemMessageA(window, c[0], EM_GETLIMITTEXT, 0, 0)), low, high,
            static_cast<int>(SendDlgItemMessageA(window, c[1], UDM_GETPOS32, 0, 0))};
        EXPECT_EQ(seen, (std::vector<int>{c[2], c[3], c[4], c[5]}));
        EXPECT_EQ(reinterpret_cast<HWND>(SendDlgItemMessageA(window, c[1], UDM_GETBUDDY, 0, 0)),
                  GetDlgItem(window, c[0]));
    }
    // The margins as distances, at 7.5 CPI's 96/1440 inch a column.
    EXPECT_EQ(std::make_pair(+windowState.leftMarginPosition, +windowState.rightMarginPosition),
              std::make_pair(480, 11520));
}

// Every on/off field of the first block the opposite of the defaults, so a
// field reader wider than its field reads a neighbour's bit.
TEST_F(PagesTest, HandMadeBlocksReadBackAsTheirChoices) {
    for (const HandBlock& hand : HandBlocks) {
        SCOPED_TRACE(hand.name);
        load(hand.block, hand.modelVariant);
        EXPECT_EQ(asInts(readPageChoices(window)), asInts(hand.choices));
    }
}
