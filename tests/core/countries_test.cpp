// The factory default rows against the written facts, typed in here.
#include <gtest/gtest.h>

#include <vector>

#include "settings/country_defaults.h"

TEST(CountryDefaultTable, EveryRowIsTheWrittenFactoryRow) {
    // Per row: byte 0, byte 1 (code page), page length in 1/1080 inch.
    const struct {
        uint8_t byte0, codePage;
        uint16_t pageLength;
    } rows[CountryRowCount] = {
        {0x00, 0, 11880}, {0x00, 0, 12960},  {0x70, 0, 11880}, {0x04, 0, 12960}, {0x75, 0, 12960},
        {0x31, 0, 12960}, {0x32, 0, 12960},  {0x06, 0, 11880}, {0x79, 0, 12960}, {0x70, 2, 12960},
        {0x07, 0, 11880}, {0x75, 0, 12960},  {0x30, 5, 11880}, {0x03, 0, 11880}, {0x00, 0, 11880},
        {0x00, 0, 11880}, {0x30, 18, 11880},
    };
    // What every row shares: Auto load and paper out On, Auto Online On, Auto
    // feed XT Off, 9600 baud, 10.5 points, 6 lines per inch, right margin 80,
    // centering 40, everything else 0.
    const uint8_t shared[32] = {0, 0, 0x94, 0, 0, 0x01, 0x20, 0x06, 0,  21, 180, 0,
                                0, 0, 0,    0, 0, 0,    0,    0,    80, 0,  40};
    for (int r = 0; r < CountryRowCount; ++r) {
        std::vector<uint8_t> expected(shared, shared + 32);
        expected[0] = rows[r].byte0;
        expected[1] = rows[r].codePage;
        expected[12] = static_cast<uint8_t>(rows[r].pageLength & 0xFF);
        expected[13] = static_cast<uint8_t>(rows[r].pageLength >> 8);
        const SettingsBlock& row = CountryDefaultTable[r];
        EXPECT_EQ(std::vector<uint8_t>(row.bytes, row.bytes + 32), expected) << "row " << r;
    }
}

TEST(DefaultBlockFor, PicksTheVariantRowOrTheCountryRow) {
    // {model variant, country, row}: only 1 is the variant; a country past
    // the table (an edited registry) gives the first row.
    const int cases[][3] = {{0, 6, 6}, {0, 16, 16}, {2, 8, 8}, {1, 6, 16}, {0, 17, 0}, {0, 255, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(defaultBlockFor(static_cast<uint8_t>(c[0]), static_cast<uint8_t>(c[1])),
                  CountryDefaultTable[c[2]])
            << c[0] << "/" << c[1];
}
