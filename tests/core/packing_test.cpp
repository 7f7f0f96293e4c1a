// Packing the page choices into a block, against blocks worked out by hand.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "hand_blocks.h"

TEST(Packing, HandMadeBlocksByteForByte) {
    // The starting block supplies only the reserved bytes; every other bit
    // set in it must be cleared by packing.
    SettingsBlock start;
    std::memset(start.bytes, 0xA5, sizeof start.bytes);
    for (const HandBlock& hand : HandBlocks) {
        SCOPED_TRACE(hand.name);
        EXPECT_EQ(packSettings(hand.choices, hand.modelVariant, start), hand.block);
    }
    // The standard model has no print pass, and only 1 selects the variant.
    PageChoices withPrintPass = HandBlocks[0].choices;
    withPrintPass.printPass = 1;
    EXPECT_EQ(packSettings(withPrintPass, 2, start), HandBlocks[0].block);
}

TEST(Packing, ScalableLineSpacingFollowsThePointSize) {
    PageChoices c = HandBlocks[0].choices;
    c.lineSpacing = 14;  // "Scalable"
    c.pointSize = 2;     // "10.5"
    const SettingsBlock b = packSettings(c, 0, HandBlocks[0].block);
    EXPECT_EQ(b.bytes[9], 21);
    EXPECT_EQ(b.bytes[10], 158);
    EXPECT_EQ(b.bytes[11], 0);
}

// Lists with no entry selected (a stored value no entry stands for) keep the
// starting block's field, so nothing spills into a neighbour; the font packs
// Draft and the page length counts as "Free" (here an empty entry).
TEST(Packing, ListsWithoutASelectionKeepTheStartingFields) {
    const SettingsBlock expected = {{0x5F, 0x11, 0x94, 0x40, 0x40, 0x01, 0x20, 0x2A, 0x00, 0x40, 0x6C,
                                     0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40, 0x00, 0x40,
                                     0x00, 0xA5, 0x00, 0x00, 0x00, 0x00, 0xA5, 0xA5, 0xA5, 0xA5}};
    EXPECT_EQ(packSettings(PageChoices{}, 0, HandBlocks[1].block), expected);
}

// Words are little-endian; an offset without room for two bytes reads 0 and writes nothing.
TEST(Packing, WordsStayInsideTheBlock) {
    SettingsBlock b;
    for (int i = 0; i < 32; ++i) b.bytes[i] = static_cast<uint8_t>(i + 1);
    SettingsBlock expected = b;
    for (int offset : {-2, -1, 31, 32}) {
        writeWord(b, offset, 0xBEEF);
        EXPECT_EQ(readWord(b, offset), 0) << offset;
    }
    EXPECT_EQ(readWord(b, 0) << 16 | readWord(b, 30), 0x0201201F);
    writeWord(b, 0, 0xBEEF), writeWord(b, 30, 0xCAFE);
    expected.bytes[0] = 0xEF, expected.bytes[1] = 0xBE, expected.bytes[30] = 0xFE, expected.bytes[31] = 0xCA;
    EXPECT_EQ(b, expected);
}

// Numbers as atoi reads them: white space, a sign, the digits up to the first other character; no overflow.
TEST(Packing, NumbersReadAsAtoiWithoutOverflow) {
    const std::pair<const char*, int> rows[] = {
        {" \t\n\v\f\r42x", 42}, {"+7", 7},           {"-0012", -12},   {"", 0},
        {"x1", 0},                {"2147483647", INT_MAX}, {"99999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN}, {"-99999999999999999999", INT_MIN}, {nullptr, 0}};
    for (const auto& [text, value] : rows) EXPECT_EQ(asciiToInt(text), value) << (text ? text : "null");
}
