// Reading the pages back, and the round trip that ties loading to packing:
// every default row, loaded and read, packs back to itself.
#include <windows.h>

#include "pages_fixture.h"
#include "resource.h"
#include "settings/settings_state.h"
#include "ui/controls.h"
#include "ui/load_pages.h"

namespace {
std::vector<int> bytes(const SettingsBlock& b) { return std::vector<int>(b.bytes, b.bytes + 32); }
}  // namespace

// Every default row, and a block with each field away from the factory value
// (within what its list holds, so that a list read into the wrong choice
// shows up), packs back to itself after loading and reading.
TEST_F(PagesTest, BlocksPackBackToThemselvesAfterLoading) {
    SettingsBlock b = baseBlock();
    b.bytes[0] = 0x40 | 0x30 | 0x0E;  // IBM, Graphic 2, Slovenia
    b.bytes[1] = 13;                  // PC852
    b.bytes[2] = 0x80 | 0x40 | 0x08;  // Auto CR, A.G.M. on; Auto LF, Auto load, paper out off
    b.bytes[3] = 0x80 | 0x20 | 0x01;  // Slashed, graphic Uni, text Bi, tear off Auto
    b.bytes[4] = 0x9F;                // 8.5 CPI, Script-SC
    b.bytes[5] = 0xAA;                // shadow, double wide, bold, italics
    b.bytes[6] = 0x00;                // Auto feed XT On
    b.bytes[7] = 0x60 | 0x18 | 0x02;  // ALL, Even, 600
    b.bytes[8] = 0x10 | 0x08 | 0x04;  // Space, 7 Bit, XON/XOFF
    b.bytes[9] = 48;                  // 24 points
    writeWord(b, 10, 135);            // 8 lines per inch
    writeWord(b, 12, 9180);           // 8 1/2 inch
    writeWord(b, 14, 120);
    writeWord(b, 16, 600);
    writeWord(b, 18, 0x3000 | 12);
    writeWord(b, 20, 0x3000 | 100);
    b.bytes[22] = 17;
    b.bytes[23] = 0x5A;  // reserved bytes come from the starting block
    writeWord(b, 24, 360);
    writeWord(b, 26, 18);
    b.bytes[28] = 1;
    b.bytes[31] = 0xFF;
    // Traced as 0: the block above, 1: the variant row, 2 on: the standard rows.
    std::vector<std::pair<SettingsBlock, uint8_t>> blocks = {{b, 0},
                                                             {CountryDefaultTable[VariantDefaultRow], 1}};
    for (int row = 0; row < CountryListCount; ++row) blocks.push_back({CountryDefaultTable[row], 0});
    for (size_t i = 0; i < blocks.size(); ++i) {
        SCOPED_TRACE(i);
        const auto& [block, variant] = blocks[i];
        load(block, variant);
        EXPECT_EQ(bytes(packSettings(readPageChoices(window), variant, block)), bytes(block));
    }
}

// Typed values are taken; an edit is read no further than its three digits
// (only code can put more there), so a margin never grows into the pitch
// class bits; an empty list reads as no selection.
TEST_F(PagesTest, ReadingTakesTypedValuesAndReportsEmptyListsAsNoSelection) {
    load(baseBlock());
    SetDlgItemTextA(window, IDC_FREE_LENGTH, "2000");
    SetDlgItemTextA(window, IDC_TRACTOR, "45");
    SetDlgItemTextA(window, IDC_LEFT_MARGIN, "  7");
    SetDlgItemTextA(window, IDC_CENTERING, "");
    SetDlgItemTextA(window, IDC_RIGHT_MARGIN, "4095");
    SetDlgItemTextA(window, IDC_TOP_MARGIN, "-12");
    selectListEntry(window, IDC_POINT_SIZE, 15);  // past the end: no entry
    PageChoices choices = readPageChoices(window);
    EXPECT_EQ(choices.freePageLength, 2000);
    EXPECT_EQ(choices.tractor, 45);
    EXPECT_EQ(choices.leftMargin, 7);
    EXPECT_EQ(choices.centeringPosition, 0);
    EXPECT_EQ(choices.rightMargin, 409);
    EXPECT_EQ(choices.topMargin, -12);
    EXPECT_EQ(choices.pointSize, NoSelection);
    EXPECT_EQ(choices.emulation, 0);
    bool empty = false;
    EXPECT_EQ(readFieldNumber(window, IDC_CENTERING, 19, &empty), 0);
    EXPECT_TRUE(empty);
    EXPECT_EQ(readFieldNumber(window, IDC_RIGHT_MARGIN, 19, &empty), 4095);
    EXPECT_FALSE(empty);

    // A typed length outside the up-down's range is not taken: the up-down
    // keeps its last position.
    SetDlgItemTextA(window, IDC_FREE_LENGTH, "9999");
    EXPECT_EQ(readPageChoices(window).freePageLength, 2000);
}
