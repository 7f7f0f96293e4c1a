// Packing the page choices into a block.
#include <gtest/gtest.h>

#include <climits>

#include "settings/country_defaults.h"
#include "settings/settings_block.h"
#include "shown_choices.h"

namespace {

// Every list at its first entry, every entry 0; the character set at
// "Graphic 2" so that it packs as code 3 under either emulation.
PageChoices firstEntries() {
    PageChoices c;
    for (int* list : {&c.emulation,     &c.internationalCharacter,
                      &c.codePage,      &c.autoCR,
                      &c.autoLF,        &c.autoLoad,
                      &c.agm,           &c.paperOutDetect,
                      &c.zeroFont,      &c.graphicDirection,
                      &c.textDirection, &c.tearOff,
                      &c.font,          &c.pitch,
                      &c.shadow,        &c.outline,
                      &c.doubleWide,    &c.doubleStrike,
                      &c.bold,          &c.doubleHigh,
                      &c.italics,       &c.autoOnline,
                      &c.autoFeedXT,    &c.bufferControl,
                      &c.parity,        &c.baudRate,
                      &c.printPass,     &c.signalPolarity,
                      &c.dataLength,    &c.protocol,
                      &c.pointSize,     &c.lineSpacing,
                      &c.pageLength})
        *list = 0;
    c.characterSet = 2;
    return c;
}

SettingsBlock filled(uint8_t value) {
    SettingsBlock b;
    for (uint8_t& byte : b.bytes) byte = value;
    return b;
}

// A starting block whose reserved bytes are set, to see them carried over.
SettingsBlock withReservedBytes(SettingsBlock b) {
    b.bytes[23] = 0xA5;
    b.bytes[28] = 0x11;
    b.bytes[29] = 0x22;
    b.bytes[30] = 0x33;
    b.bytes[31] = 0xFE;
    return b;
}

SettingsBlock pack(const PageChoices& c, uint8_t modelVariant = 0) {
    return packSettings(c, modelVariant, SettingsBlock{});
}

}  // namespace

TEST(Packing, EveryDefaultRowPacksBackByteForByte) {
    struct Case {
        int row;
        uint8_t modelVariant;
    };
    std::vector<Case> cases;
    for (int row = 0; row < CountryListCount; ++row) cases.push_back({row, 0});
    cases.push_back({VariantDefaultRow, 1});
    for (const Case& tc : cases) {
        SCOPED_TRACE("row " + std::to_string(tc.row));
        const SettingsBlock start = withReservedBytes(CountryDefaultTable[tc.row]);
        const PageChoices shown = choicesShownFor(start, tc.modelVariant);
        EXPECT_EQ(packSettings(shown, tc.modelVariant, start), start);

        // Whatever else the starting block holds, only the reserved bytes
        // come from it.
        SettingsBlock expected = CountryDefaultTable[tc.row];
        for (int k : {23, 28, 29, 30, 31}) expected.bytes[k] = 0xFF;
        EXPECT_EQ(packSettings(shown, tc.modelVariant, filled(0xFF)), expected);
    }
}

TEST(Packing, EveryListLandsInItsOwnBits) {
    struct Case {
        const char* name;
        int PageChoices::*list;
        int index;
        int byte;
        uint8_t bits;
    };
    const Case cases[] = {
        {"emulation", &PageChoices::emulation, 1, 0, 0x40},
        {"international character", &PageChoices::internationalCharacter, 15, 0, 0x0F},
        {"code page", &PageChoices::codePage, 23, 1, 23},
        {"auto CR", &PageChoices::autoCR, 1, 2, 0x40},
        {"auto LF", &PageChoices::autoLF, 1, 2, 0x20},
        {"auto load", &PageChoices::autoLoad, 1, 2, 0x10},
        {"AGM", &PageChoices::agm, 1, 2, 0x08},
        {"paper out detect", &PageChoices::paperOutDetect, 1, 2, 0x04},
        {"zero font", &PageChoices::zeroFont, 2, 3, 0x80},
        {"graphic direction", &PageChoices::graphicDirection, 1, 3, 0x20},
        {"text direction", &PageChoices::textDirection, 1, 3, 0x10},
        {"tear off", &PageChoices::tearOff, 1, 3, 0x01},
        {"font Script-SC", &PageChoices::font, 13, 4, 0x0F},
        {"font Prestige", &PageChoices::font, 4, 4, 0x05},
        {"shadow", &PageChoices::shadow, 1, 5, 0x80},
        {"outline", &PageChoices::outline, 1, 5, 0x40},
        {"double wide", &PageChoices::doubleWide, 1, 5, 0x20},
        {"double strike", &PageChoices::doubleStrike, 1, 5, 0x10},
        {"bold", &PageChoices::bold, 1, 5, 0x08},
        {"double high", &PageChoices::doubleHigh, 1, 5, 0x04},
        {"italics", &PageChoices::italics, 1, 5, 0x02},
        {"auto online", &PageChoices::autoOnline, 1, 5, 0x01},
        {"auto feed XT", &PageChoices::autoFeedXT, 1, 6, 0x20},
        {"buffer control", &PageChoices::bufferControl, 3, 7, 0x60},
        {"parity", &PageChoices::parity, 3, 7, 0x18},
        {"baud rate", &PageChoices::baudRate, 7, 7, 0x07},
        {"signal polarity", &PageChoices::signalPolarity, 1, 8, 0x10},
        {"data length", &PageChoices::dataLength, 1, 8, 0x08},
        {"protocol", &PageChoices::protocol, 1, 8, 0x04},
    };
    const SettingsBlock base = pack(firstEntries());
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        PageChoices c = firstEntries();
        c.*tc.list = tc.index;
        const SettingsBlock b = pack(c);
        for (int k = 0; k < 32; ++k) {
            const uint8_t changed = static_cast<uint8_t>(b.bytes[k] ^ base.bytes[k]);
            EXPECT_EQ(changed, k == tc.byte ? tc.bits : 0) << "byte " << k;
        }
    }
}

TEST(Packing, NumericEntriesScaleToTheBlockUnits) {
    PageChoices c = firstEntries();
    c.topMargin = 10;
    c.bottomMargin = 999;
    c.leftMargin = 5;
    c.rightMargin = 78;
    c.centeringPosition = 41;
    c.tractor = 30;
    c.friction = 720;
    const SettingsBlock b = pack(c);
    EXPECT_EQ(topMargin(b), 60);
    EXPECT_EQ(bottomMargin(b), 5994);
    EXPECT_EQ(leftMargin(b), 5);
    EXPECT_EQ(rightMargin(b), 78);
    EXPECT_EQ(centeringPosition(b), 41);
    EXPECT_EQ(tractorTof(b), 60);
    EXPECT_EQ(frictionTof(b), 1440);
    EXPECT_EQ(b.bytes[14], 60);  // words are little-endian
    EXPECT_EQ(b.bytes[15], 0);
    EXPECT_EQ(b.bytes[16], 0x6A);
    EXPECT_EQ(b.bytes[17], 0x17);
}

TEST(Packing, CharacterSetCodeDependsOnTheListShown) {
    struct Case {
        int emulation;
        uint8_t modelVariant;
        int index;
        uint8_t code;
    };
    const Case cases[] = {
        {0, 0, 0, 0}, {0, 0, 1, 1}, {0, 0, 2, 3},  // EPSON: Italic, Graphic 1, Graphic 2
        {1, 0, 0, 1}, {1, 0, 1, 3},                // IBM: Graphic 1, Graphic 2
        {0, 1, 0, 1}, {0, 1, 1, 3},                // the variant lists only the graphics sets
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(testing::Message() << "emulation " << tc.emulation << " variant " << int(tc.modelVariant)
                                        << " index " << tc.index);
        PageChoices c = firstEntries();
        c.emulation = tc.emulation;
        c.characterSet = tc.index;
        const SettingsBlock b = pack(c, tc.modelVariant);
        EXPECT_EQ(characterSet(b), tc.code);
        EXPECT_EQ(emulation(b), tc.emulation);
    }
}

TEST(Packing, PrintPassOnlyOnTheVariant) {
    PageChoices c = firstEntries();
    c.printPass = 1;
    // The standard model clears the bit even when the starting block had it.
    EXPECT_EQ(packSettings(c, 0, filled(0xFF)).bytes[7] & 0x80, 0);
    EXPECT_EQ(packSettings(c, 2, filled(0xFF)).bytes[7] & 0x80, 0);
    EXPECT_EQ(pack(c, 1).bytes[7], 0x80);
    c.printPass = 0;
    EXPECT_EQ(packSettings(c, 1, filled(0xFF)).bytes[7] & 0x80, 0);
}

TEST(Packing, ScalableLineSpacingFollowsThePointSize) {
    PageChoices c = firstEntries();
    c.lineSpacing = 14;
    c.pointSize = 2;  // "10.5"
    SettingsBlock b = pack(c);
    EXPECT_EQ(lineSpacing(b), 158);
    EXPECT_EQ(pointSize(b), 21);
    c.pointSize = 14;  // "32"
    b = pack(c);
    EXPECT_EQ(lineSpacing(b), 480);
    EXPECT_EQ(pointSize(b), 64);
    c.lineSpacing = 8;  // "6" lines per inch, whatever the point size
    EXPECT_EQ(lineSpacing(pack(c)), 180);
}

TEST(Packing, FreePageLengthComesFromTheEntry) {
    PageChoices c = firstEntries();
    c.pageLength = 7;
    c.freePageLength = 1980;
    EXPECT_EQ(pageLength(pack(c)), 11880);
    c.freePageLength = 9999;  // the largest four-digit entry still fits the word
    EXPECT_EQ(pageLength(pack(c)), 59994);
    c.pageLength = 6;
    EXPECT_EQ(pageLength(pack(c)), 5940);
}

TEST(Packing, MarginsCarryThePitchClass) {
    PageChoices c = firstEntries();
    c.pitch = 8;  // 7.5 CPI, counted in 15 CPI columns
    c.leftMargin = 5;
    c.rightMargin = 80;
    SettingsBlock b = pack(c);
    EXPECT_EQ(leftMargin(b), 0x2005);
    EXPECT_EQ(pitch(b), 8);
    c.pitch = 5;  // P.S, counted in 10 CPI columns
    b = pack(c);
    EXPECT_EQ(rightMargin(b), 0x0050);
    EXPECT_EQ(b.bytes[4] >> 4, 5);
    c.pitch = 4;  // 20 CPI
    b = pack(c);
    EXPECT_EQ(leftMargin(b), 0x4005);
    EXPECT_EQ(rightMargin(b), 0x4050);
    // A margin too wide for twelve bits never corrupts the pitch class.
    c.leftMargin = 0x1FFF;
    EXPECT_EQ(leftMargin(pack(c)) >> 12, 4);
}

TEST(Packing, CenteringPositionKeepsItsLowByte) {
    PageChoices c = firstEntries();
    c.centeringPosition = 300;
    SettingsBlock start = filled(0);
    start.bytes[23] = 0x5A;
    const SettingsBlock b = packSettings(c, 0, start);
    EXPECT_EQ(b.bytes[22], 44);
    EXPECT_EQ(b.bytes[23], 0x5A);
}

TEST(Packing, ListsWithoutSelectionKeepTheStartingFields) {
    // A start whose every field differs from what empty lists could produce.
    SettingsBlock start = withReservedBytes(CountryDefaultTable[4]);  // Finland: IBM, Graphic 2, Sweden
    start.bytes[1] = 9;
    start.bytes[2] = 0xFC;
    start.bytes[3] = 0xBF;
    start.bytes[4] = 0x9F;
    start.bytes[5] = 0xAA;
    start.bytes[6] = 0xFF;
    start.bytes[7] = 0xFF;
    start.bytes[8] = 0xFF;
    start.bytes[9] = 48;
    writeWord(start, 10, 144);
    PageChoices none;
    none.freePageLength = 1000;
    const SettingsBlock b = packSettings(none, 0, start);

    EXPECT_EQ(b.bytes[0], 0x75);
    EXPECT_EQ(b.bytes[1], 9);
    EXPECT_EQ(b.bytes[2], 0xFC);
    EXPECT_EQ(b.bytes[3], 0xB1);  // only the defined bits
    EXPECT_EQ(b.bytes[4], 0x90);  // pitch kept; a font without a selection is Draft
    EXPECT_EQ(b.bytes[5], 0xAA);
    EXPECT_EQ(b.bytes[6], 0x20);
    EXPECT_EQ(b.bytes[7], 0x7F);  // no print pass on the standard model
    EXPECT_EQ(b.bytes[8], 0x1C);
    EXPECT_EQ(pointSize(b), 48);
    EXPECT_EQ(lineSpacing(b), 144);
    EXPECT_EQ(pageLength(b), 6000);    // a page length without a selection is "Free"
    EXPECT_EQ(leftMargin(b), 0x3000);  // 8.5 CPI counts 17 CPI columns
    for (int k : {23, 28, 29, 30, 31}) EXPECT_EQ(b.bytes[k], start.bytes[k]) << "byte " << k;
}

TEST(Packing, IndexesPastTheirTablesNeverReachOutside) {
    SettingsBlock start = CountryDefaultTable[6];  // Germany
    start.bytes[0] = 0x12;                         // EPSON, Graphic 1, Germany
    start.bytes[1] = 5;                            // Turkey
    start.bytes[3] = 0x80;                         // Slashed zero
    start.bytes[4] = 0x30;                         // 17 CPI, Draft
    start.bytes[7] = 0x3F;                         // 8 KB, Even, 19200
    PageChoices c = choicesShownFor(start, 0);
    c.pointSize = 15;
    c.lineSpacing = 14;  // Scalable, but with no point size to follow
    c.font = 14;
    c.pitch = 10;
    c.baudRate = 8;
    c.parity = 4;
    c.codePage = 300;
    c.characterSet = 3;
    c.zeroFont = -5;
    SettingsBlock b = packSettings(c, 0, start);
    EXPECT_EQ(pointSize(b), 21);
    EXPECT_EQ(lineSpacing(b), 180);
    EXPECT_EQ(font(b), 0);
    EXPECT_EQ(pitch(b), 3);
    EXPECT_EQ(leftMargin(b) >> 12, 3);
    EXPECT_EQ(b.bytes[7], 0x3F);  // baud rate and parity kept, nothing spilled
    EXPECT_EQ(codePage(b), 5);
    EXPECT_EQ(characterSet(b), 1);
    EXPECT_EQ(zeroFont(b), 2);

    c.lineSpacing = 15;
    EXPECT_EQ(lineSpacing(packSettings(c, 0, start)), 180);
    c.font = 11;  // the variant's font list has 11 entries
    EXPECT_EQ(font(packSettings(c, 1, start)), 0);
}

TEST(Packing, AbsurdEntriesWrapInsteadOfOverflowing) {
    PageChoices c = firstEntries();
    c.pageLength = 7;
    c.freePageLength = INT_MAX;
    c.topMargin = INT_MIN;
    c.tractor = -1;
    c.centeringPosition = -1;
    const SettingsBlock b = pack(c);
    EXPECT_EQ(pageLength(b), static_cast<uint16_t>(0x7FFFFFFFu * 6u));
    EXPECT_EQ(topMargin(b), 0);
    EXPECT_EQ(tractorTof(b), 0xFFFE);
    EXPECT_EQ(centeringPosition(b), 0xFF);
}

TEST(AsciiToInt, ReadsLikeAPlainConversion) {
    EXPECT_EQ(asciiToInt("42"), 42);
    EXPECT_EQ(asciiToInt("  \t17"), 17);
    EXPECT_EQ(asciiToInt("-7"), -7);
    EXPECT_EQ(asciiToInt("+3"), 3);
    EXPECT_EQ(asciiToInt("12ab"), 12);
    EXPECT_EQ(asciiToInt("1,980"), 1);
    EXPECT_EQ(asciiToInt("abc"), 0);
    EXPECT_EQ(asciiToInt("-"), 0);
    EXPECT_EQ(asciiToInt(""), 0);
    EXPECT_EQ(asciiToInt(nullptr), 0);
    EXPECT_EQ(asciiToInt("99999999999999999999"), INT_MAX);
    EXPECT_EQ(asciiToInt("-99999999999999999999"), INT_MIN);
    EXPECT_EQ(asciiToInt("-2147483648"), INT_MIN);
}

TEST(SettingsBlockWords, AreLittleEndianAndStayInsideTheBlock) {
    SettingsBlock b = filled(0);
    writeWord(b, 12, 0x2E68);
    EXPECT_EQ(b.bytes[12], 0x68);
    EXPECT_EQ(b.bytes[13], 0x2E);
    EXPECT_EQ(pageLength(b), 0x2E68);
    writeWord(b, 31, 0xFFFF);
    writeWord(b, -1, 0xFFFF);
    EXPECT_EQ(b, [] {
        SettingsBlock e = filled(0);
        e.bytes[12] = 0x68;
        e.bytes[13] = 0x2E;
        return e;
    }());
    EXPECT_EQ(readWord(b, 31), 0);
    EXPECT_EQ(readWord(b, 30), 0);
}
