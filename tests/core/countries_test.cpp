// The factory defaults per country and the choice of row.
#include <gtest/gtest.h>

#include "settings/country_defaults.h"

TEST(CountryDefaultTable, AllRowsShareTheFactorySettings) {
    for (int row = 0; row < CountryRowCount; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const SettingsBlock& b = CountryDefaultTable[row];
        EXPECT_EQ(b.bytes[2], 0x94);
        EXPECT_EQ(b.bytes[3], 0);
        EXPECT_EQ(b.bytes[4], 0);
        EXPECT_EQ(b.bytes[5], 0x01);
        EXPECT_EQ(b.bytes[6], 0x20);
        EXPECT_EQ(b.bytes[7], 0x06);
        EXPECT_EQ(b.bytes[8], 0);
        EXPECT_EQ(pointSize(b), 21);
        EXPECT_EQ(lineSpacing(b), 180);
        EXPECT_EQ(topMargin(b), 0);
        EXPECT_EQ(bottomMargin(b), 0);
        EXPECT_EQ(leftMargin(b), 0);
        EXPECT_EQ(rightMargin(b), 80);
        EXPECT_EQ(centeringPosition(b), 40);
        for (int k = 23; k < 32; ++k) EXPECT_EQ(b.bytes[k], 0) << "byte " << k;
    }
}

TEST(CountryDefaultTable, RowsDifferInCharacterSetsCodePageAndPageLength) {
    struct Row {
        uint8_t byte0;
        uint8_t byte1;
        uint16_t pageLength;
    };
    const Row rows[CountryRowCount] = {
        {0x00, 0, 11880}, {0x00, 0, 12960},  {0x70, 0, 11880}, {0x04, 0, 12960}, {0x75, 0, 12960},
        {0x31, 0, 12960}, {0x32, 0, 12960},  {0x06, 0, 11880}, {0x79, 0, 12960}, {0x70, 2, 12960},
        {0x07, 0, 11880}, {0x75, 0, 12960},  {0x30, 5, 11880}, {0x03, 0, 11880}, {0x00, 0, 11880},
        {0x00, 0, 11880}, {0x30, 18, 11880},
    };
    for (int row = 0; row < CountryRowCount; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const SettingsBlock& b = CountryDefaultTable[row];
        EXPECT_EQ(b.bytes[0], rows[row].byte0);
        EXPECT_EQ(b.bytes[1], rows[row].byte1);
        EXPECT_EQ(pageLength(b), rows[row].pageLength);
    }
    // Spot checks of what those bytes mean.
    const SettingsBlock& finland = CountryDefaultTable[4];
    EXPECT_EQ(emulation(finland), 1);
    EXPECT_EQ(characterSet(finland), 3);
    EXPECT_EQ(internationalCharacter(finland), 5);
    const SettingsBlock& variant = CountryDefaultTable[VariantDefaultRow];
    EXPECT_EQ(emulation(variant), 0);
    EXPECT_EQ(characterSet(variant), 3);
    EXPECT_EQ(codePage(variant), 18);
}

TEST(DefaultBlockFor, PicksTheVariantRowOrTheCountryRow) {
    EXPECT_EQ(defaultBlockFor(0, 6), CountryDefaultTable[6]);
    EXPECT_EQ(defaultBlockFor(0, 14), CountryDefaultTable[14]);
    EXPECT_EQ(defaultBlockFor(2, 8), CountryDefaultTable[8]);  // only 1 is the variant
    for (uint8_t country : {0, 6, 16, 200})
        EXPECT_EQ(defaultBlockFor(1, country), CountryDefaultTable[VariantDefaultRow]);
}

TEST(DefaultBlockFor, CountryOutsideTheTableGivesTheFirstRow) {
    EXPECT_EQ(defaultBlockFor(0, 16), CountryDefaultTable[16]);
    EXPECT_EQ(defaultBlockFor(0, 17), CountryDefaultTable[0]);
    EXPECT_EQ(defaultBlockFor(0, 255), CountryDefaultTable[0]);
}
