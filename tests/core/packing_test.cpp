// Packing the page choices into a block.
#include <gtest/gtest.h>

#include <climits>

#include "settings/country_defaults.h"
#include "settings/settings_block.h"
#include "settings/value_tables.h"

namespace {

// A list, how a block shows it (null where the list index is not the stored
// value), and a selection with the bits it sets on the standard model.
struct Field {
    int PageChoices::*list;
    uint8_t (*read)(const SettingsBlock&);
    int index;
    int byte;
    uint8_t bits;
};
const Field Fields[] = {
    {&PageChoices::emulation, emulation, 1, 0, 0x40},
    {&PageChoices::internationalCharacter, internationalCharacter, 15, 0, 0x0F},
    {&PageChoices::codePage, codePage, 23, 1, 23},
    {&PageChoices::autoCR, autoCR, 1, 2, 0x40},
    {&PageChoices::autoLF, autoLF, 1, 2, 0x20},
    {&PageChoices::autoLoad, autoLoad, 1, 2, 0x10},
    {&PageChoices::agm, agm, 1, 2, 0x08},
    {&PageChoices::paperOutDetect, paperOutDetect, 1, 2, 0x04},
    {&PageChoices::zeroFont, zeroFont, 2, 3, 0x80},
    {&PageChoices::graphicDirection, graphicDirection, 1, 3, 0x20},
    {&PageChoices::textDirection, textDirection, 1, 3, 0x10},
    {&PageChoices::tearOff, tearOff, 1, 3, 0x01},
    {&PageChoices::pitch, pitch, 5, 4, 0x50},  // P.S keeps the margins' pitch class 0
    {&PageChoices::font, nullptr, 13, 4, 0x0F},
    {&PageChoices::font, nullptr, 4, 4, 0x05},  // Prestige: code 4 is skipped
    {&PageChoices::shadow, shadow, 1, 5, 0x80},
    {&PageChoices::outline, outline, 1, 5, 0x40},
    {&PageChoices::doubleWide, doubleWide, 1, 5, 0x20},
    {&PageChoices::doubleStrike, doubleStrike, 1, 5, 0x10},
    {&PageChoices::bold, bold, 1, 5, 0x08},
    {&PageChoices::doubleHigh, doubleHigh, 1, 5, 0x04},
    {&PageChoices::italics, italics, 1, 5, 0x02},
    {&PageChoices::autoOnline, autoOnline, 1, 5, 0x01},
    {&PageChoices::autoFeedXT, autoFeedXT, 1, 6, 0x20},
    {&PageChoices::bufferControl, bufferControl, 3, 7, 0x60},
    {&PageChoices::parity, parity, 3, 7, 0x18},
    {&PageChoices::baudRate, baudRate, 7, 7, 0x07},
    {&PageChoices::printPass, printPass, 1, 7, 0x00},  // the standard model has none
    {&PageChoices::signalPolarity, signalPolarity, 1, 8, 0x10},
    {&PageChoices::dataLength, dataLength, 1, 8, 0x08},
    {&PageChoices::protocol, protocol, 1, 8, 0x04},
};

// What the pages would show after loading the block.
PageChoices choicesShownFor(const SettingsBlock& b, uint8_t modelVariant) {
    PageChoices c;
    for (const Field& f : Fields)
        if (f.read) c.*f.list = f.read(b);
    // IBM and the variant list "Graphic 1", "Graphic 2"; EPSON on the standard
    // model lists "Italic" first.
    const bool twoSets = emulation(b) == 1 || modelVariant == 1;
    c.characterSet = characterSet(b) == 3 ? (twoSets ? 1 : 2) : (twoSets ? 0 : characterSet(b));
    fontIndexForCode(modelVariant, font(b), &c.font);
    if (const ValueRow* row = pointSizeRowForCode(pointSize(b))) c.pointSize = row->listIndex;
    lineSpacingIndexFor(lineSpacing(b), &c.lineSpacing);
    if (!pageLengthIndexFor(pageLength(b), &c.pageLength)) {
        c.pageLength = PageLengthFreeIndex;
        c.freePageLength = pageLength(b) / 6;
    }
    c.topMargin = topMargin(b) / 6;
    c.bottomMargin = bottomMargin(b) / 6;
    c.leftMargin = leftMargin(b) & 0x0FFF;
    c.rightMargin = rightMargin(b) & 0x0FFF;
    c.centeringPosition = centeringPosition(b);
    c.tractor = tractorTof(b) / 2;
    c.friction = frictionTof(b) / 2;
    return c;
}

// Every list at its first entry and every entry 0, except the character set
// at "Graphic 2", which packs as code 3 under either emulation.
PageChoices firstEntries() {
    PageChoices c = choicesShownFor(SettingsBlock{}, 0);
    c.characterSet = 2;
    c.pointSize = c.lineSpacing = c.pageLength = 0;
    return c;
}

SettingsBlock filled(uint8_t value) {
    SettingsBlock b;
    for (uint8_t& byte : b.bytes) byte = value;
    return b;
}

SettingsBlock pack(const PageChoices& c, uint8_t modelVariant = 0) {
    return packSettings(c, modelVariant, SettingsBlock{});
}

const int ReservedBytes[] = {23, 28, 29, 30, 31};

}  // namespace

TEST(Packing, EveryDefaultRowPacksBackByteForByte) {
    for (int row = 0; row <= VariantDefaultRow; ++row) {
        if (row >= CountryListCount && row != VariantDefaultRow) continue;  // listed countries only
        const uint8_t variant = row == VariantDefaultRow ? 1 : 0;
        SCOPED_TRACE("row " + std::to_string(row));
        SettingsBlock start = CountryDefaultTable[row];
        for (int k : ReservedBytes) start.bytes[k] = static_cast<uint8_t>(0x11 * k);
        const PageChoices shown = choicesShownFor(start, variant);
        EXPECT_EQ(packSettings(shown, variant, start), start);

        // Only the reserved bytes come from the starting block.
        SettingsBlock expected = CountryDefaultTable[row];
        for (int k : ReservedBytes) expected.bytes[k] = 0xFF;
        EXPECT_EQ(packSettings(shown, variant, filled(0xFF)), expected);
    }
}

TEST(Packing, EveryListLandsInItsOwnBits) {
    const SettingsBlock base = pack(firstEntries());
    for (const Field& f : Fields) {
        SCOPED_TRACE(testing::Message() << "index " << f.index << " into byte " << f.byte);
        PageChoices c = firstEntries();
        c.*f.list = f.index;
        const SettingsBlock b = pack(c);
        for (int k = 0; k < 32; ++k)
            EXPECT_EQ(b.bytes[k] ^ base.bytes[k], k == f.byte ? f.bits : 0) << "byte " << k;
    }
}

TEST(Packing, CharacterSetCodeDependsOnTheListShown) {
    // {emulation, model variant, list index, code}
    const int cases[][4] = {
        {0, 0, 0, 0}, {0, 0, 1, 1}, {0, 0, 2, 3},  // EPSON: Italic, Graphic 1, Graphic 2
        {1, 0, 0, 1}, {1, 0, 1, 3},                // IBM: Graphic 1, Graphic 2
        {0, 1, 0, 1}, {0, 1, 1, 3},                // the variant lists only the graphics sets
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message() << tc[0] << "/" << tc[1] << "/" << tc[2]);
        PageChoices c = firstEntries();
        c.emulation = tc[0];
        c.characterSet = tc[2];
        const SettingsBlock b = pack(c, static_cast<uint8_t>(tc[1]));
        EXPECT_EQ(characterSet(b), tc[3]);
        EXPECT_EQ(emulation(b), tc[0]);
    }
}

// The standard model's clearing of the bit shows in the field table and with
// lists without a selection.
TEST(Packing, PrintPassOnlyOnTheVariant) {
    PageChoices c = firstEntries();
    c.printPass = 1;
    EXPECT_EQ(pack(c, 1).bytes[7], 0x80);
    EXPECT_EQ(packSettings(c, 2, filled(0xFF)).bytes[7] & 0x80, 0);  // only 1 is the variant
}

TEST(Packing, ScalableLineSpacingFollowsThePointSize) {
    PageChoices c = firstEntries();
    c.lineSpacing = 14;
    c.pointSize = 2;  // "10.5"
    EXPECT_EQ(lineSpacing(pack(c)), 158);
    EXPECT_EQ(pointSize(pack(c)), 21);
    c.pointSize = 14;  // "32"
    EXPECT_EQ(lineSpacing(pack(c)), 480);
    c.lineSpacing = 8;  // "6" lines per inch, whatever the point size
    EXPECT_EQ(lineSpacing(pack(c)), 180);
}

TEST(Packing, NumericEntriesScaleToTheBlockUnits) {
    PageChoices c = firstEntries();
    c.pageLength = 7;  // "Free"
    c.freePageLength = 1980;
    c.topMargin = 10;
    c.bottomMargin = 999;
    c.centeringPosition = 300;  // only the low byte is stored
    c.tractor = 30;
    c.friction = 720;
    SettingsBlock start = filled(0);
    start.bytes[23] = 0x5A;
    SettingsBlock b = packSettings(c, 0, start);
    EXPECT_EQ(pageLength(b), 11880);
    EXPECT_EQ(topMargin(b), 60);
    EXPECT_EQ(b.bytes[16], 0x6A);  // bottom margin 5994, little-endian
    EXPECT_EQ(b.bytes[17], 0x17);
    EXPECT_EQ(b.bytes[22], 44);
    EXPECT_EQ(b.bytes[23], 0x5A);
    EXPECT_EQ(tractorTof(b), 60);
    EXPECT_EQ(frictionTof(b), 1440);

    // Absurd entries wrap like the 16-bit fields instead of overflowing.
    c.freePageLength = INT_MAX;
    c.topMargin = INT_MIN;
    c.tractor = -1;
    b = pack(c);
    EXPECT_EQ(pageLength(b), static_cast<uint16_t>(0x7FFFFFFFu * 6u));
    EXPECT_EQ(topMargin(b), 0);
    EXPECT_EQ(tractorTof(b), 0xFFFE);
}

TEST(Packing, MarginsCarryThePitchClass) {
    PageChoices c = firstEntries();
    c.pitch = 8;  // 7.5 CPI, counted in 15 CPI columns
    c.leftMargin = 5;
    c.rightMargin = 80;
    EXPECT_EQ(leftMargin(pack(c)), 0x2005);
    c.pitch = 5;  // P.S, counted in 10 CPI columns
    EXPECT_EQ(rightMargin(pack(c)), 0x0050);
    c.pitch = 4;  // 20 CPI
    EXPECT_EQ(rightMargin(pack(c)), 0x4050);
    // A margin too wide for twelve bits never corrupts the pitch class.
    c.leftMargin = 0x1FFF;
    EXPECT_EQ(leftMargin(pack(c)) >> 12, 4);
}

TEST(Packing, ListsWithoutSelectionKeepTheStartingFields) {
    // Finland (IBM, Graphic 2, Sweden) with every other field unlike what
    // empty lists could produce.
    SettingsBlock start = CountryDefaultTable[4];
    const uint8_t bytes1to9[] = {9, 0xFC, 0xBF, 0x9F, 0xAA, 0xFF, 0xFF, 0xFF, 48};
    for (int k = 1; k <= 9; ++k) start.bytes[k] = bytes1to9[k - 1];
    writeWord(start, 10, 144);
    for (int k : ReservedBytes) start.bytes[k] = static_cast<uint8_t>(0x11 * k);
    PageChoices none;
    none.freePageLength = 1000;
    const SettingsBlock b = packSettings(none, 0, start);

    SettingsBlock expected = start;
    expected.bytes[3] = 0xB1;       // only the defined bits
    expected.bytes[4] = 0x90;       // pitch kept; a font without a selection is Draft
    expected.bytes[6] = 0x20;       // only the defined bit
    expected.bytes[7] = 0x7F;       // no print pass on the standard model
    expected.bytes[8] = 0x1C;       // only the defined bits
    writeWord(expected, 12, 6000);  // a page length without a selection is "Free"
    for (int k = 14; k < 28; ++k)
        if (k != 23) expected.bytes[k] = 0;
    writeWord(expected, 18, 0x3000);  // 8.5 CPI counts 17 CPI columns
    writeWord(expected, 20, 0x3000);
    EXPECT_EQ(b, expected);
}

// Each bad index alone, against a start whose neighbouring fields are clear,
// so a value spilling out of its field would show.
TEST(Packing, IndexesPastTheirTablesNeverReachOutside) {
    SettingsBlock start = CountryDefaultTable[6];  // Germany: 9600 baud, no parity
    start.bytes[0] = 0x12;                         // EPSON, Graphic 1, Germany
    start.bytes[1] = 5;                            // Turkey
    start.bytes[3] = 0x40;                         // zero font 1
    start.bytes[4] = 0x21;                         // 15 CPI, font code 1
    writeWord(start, 18, 0x2000);                  // margins in 15 CPI columns
    writeWord(start, 20, 0x2050);
    PageChoices shown = choicesShownFor(start, 0);
    shown.freePageLength = 1000;
    ASSERT_EQ(packSettings(shown, 0, start), start);
    struct Case {
        int PageChoices::*list;
        int index;
        void (*change)(SettingsBlock&);  // how the block differs from the start
    };
    const Case cases[] = {
        {&PageChoices::pointSize, 15, nullptr},
        {&PageChoices::lineSpacing, 15, nullptr},
        {&PageChoices::pitch, 10, nullptr},
        {&PageChoices::pitch, -2, nullptr},
        {&PageChoices::baudRate, 8, nullptr},
        {&PageChoices::parity, 4, nullptr},
        {&PageChoices::codePage, 300, nullptr},
        {&PageChoices::characterSet, 3, nullptr},
        {&PageChoices::zeroFont, -5, nullptr},
        {&PageChoices::emulation, 2, nullptr},
        {&PageChoices::font, 14, [](SettingsBlock& b) { b.bytes[4] = 0x20; }},             // Draft
        {&PageChoices::pageLength, 20, [](SettingsBlock& b) { writeWord(b, 12, 6000); }},  // "Free"
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.index);
        PageChoices c = shown;
        c.*tc.list = tc.index;
        SettingsBlock expected = start;
        if (tc.change) tc.change(expected);
        EXPECT_EQ(packSettings(c, 0, start), expected);
    }
    // "Scalable" with no point size to follow keeps the start's spacing.
    shown.lineSpacing = 14;
    shown.pointSize = 15;
    EXPECT_EQ(packSettings(shown, 0, start), start);
    shown.font = 11;  // the variant's font list has 11 entries
    EXPECT_EQ(font(packSettings(shown, 1, start)), 0);
}

TEST(AsciiToInt, ReadsLikeAPlainConversionAndSaturates) {
    const std::pair<const char*, int> cases[] = {
        {"42", 42},
        {"  \t17", 17},
        {"-7", -7},
        {"+3", 3},
        {"12ab", 12},
        {"1,980", 1},
        {"abc", 0},
        {"-", 0},
        {"", 0},
        {nullptr, 0},
        {"-2147483648", INT_MIN},
        {"99999999999999999999", INT_MAX},
        {"-99999999999999999999", INT_MIN},
    };
    for (const auto& tc : cases) EXPECT_EQ(asciiToInt(tc.first), tc.second) << (tc.first ? tc.first : "null");
}

TEST(SettingsBlockWords, AreLittleEndianAndStayInsideTheBlock) {
    SettingsBlock b = filled(0);
    writeWord(b, 31, 0xFFFF);
    writeWord(b, -1, 0xFFFF);
    EXPECT_EQ(b, filled(0));
    writeWord(b, 12, 0x2E68);
    EXPECT_EQ(b.bytes[12], 0x68);
    EXPECT_EQ(b.bytes[13], 0x2E);
    b.bytes[31] = 0xFF;
    EXPECT_EQ(readWord(b, 31), 0);
    EXPECT_EQ(readWord(b, -1), 0);
}
