// Every row of the value tables, in its stored form, against the written
// tables typed in here; the lookups both ways and where they stop; and each
// setting's block byte against what loading reads.
#include <gtest/gtest.h>

#include <vector>

#include "settings/catalogue.h"
#include "settings/country_defaults.h"
#include "settings/value_tables.h"

namespace {
// Rows of (code, value) by list index, as written.
template <size_t N>
void expectRows(const char* name, const ValueRow* rows, const int (&written)[N][2]) {
    for (int i = 0; i < static_cast<int>(N); ++i)
        EXPECT_TRUE(rows[i].listIndex == i && rows[i].code == written[i][0] && rows[i].value == written[i][1])
            << name << " row " << i;
}
}  // namespace

TEST(ValueTables, EveryRowAsWritten) {
    // Font codes by list index, standard model and model variant 1.
    const std::vector<std::vector<uint8_t>> fonts = {{0, 1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15},
                                                     {0, 2, 5, 6, 7, 8, 11, 12, 13, 14, 15}};
    for (uint8_t variant : {0, 1}) {
        const auto& codes = fonts[variant];
        size_t count = 0;
        const FontPair* pairs = fontCodeTable(variant, &count);
        ASSERT_EQ(count, codes.size());
        uint8_t code = 0xEE;
        int index = -1;
        for (int i = 0; i < static_cast<int>(codes.size()); ++i) {
            EXPECT_TRUE(pairs[i].listIndex == i && pairs[i].code == codes[i]) << int(variant) << "/" << i;
            EXPECT_TRUE(fontCodeForIndex(variant, i, &code) && code == codes[i]) << int(variant) << "/" << i;
            EXPECT_TRUE(fontIndexForCode(variant, codes[i], &index) && index == i)
                << int(variant) << "/" << i;
        }
        EXPECT_FALSE(fontCodeForIndex(variant, static_cast<int>(codes.size()), &code));
    }
    // Point size: code (twice the points), line pitch in 1/1080 inch; the
    // other two tables have a code of 0 and a value in 1/1080 inch.
    const int pointSizes[][2] = {{16, 120}, {20, 150}, {21, 158}, {24, 180}, {28, 210},
                                 {32, 240}, {36, 270}, {40, 300}, {42, 315}, {44, 330},
                                 {48, 360}, {52, 390}, {56, 420}, {60, 450}, {64, 480}};
    const int spacings[][2] = {{0, 1080}, {0, 720}, {0, 540}, {0, 432}, {0, 360},
                               {0, 270},  {0, 240}, {0, 216}, {0, 180}, {0, 144},
                               {0, 135},  {0, 120}, {0, 108}, {0, 90},  {0, 0}};
    const int lengths[][2] = {{0, 15120}, {0, 12960}, {0, 12600}, {0, 11880},
                              {0, 9180},  {0, 8640},  {0, 5940},  {0, 11880}};
    expectRows("point size", PointSizeTable, pointSizes);
    expectRows("line spacing", LineSpacingTable, spacings);
    expectRows("page length", PageLengthTable, lengths);
    // Packing and loading read the other lookups; the point size's row here.
    for (int i = 0; i < 15; ++i) EXPECT_EQ(pointSizeRow(i), &PointSizeTable[i]) << i;
    uint16_t value = 1;
    EXPECT_FALSE(pointSizeRow(15) || lineSpacingForIndex(15, &value) || pageLengthForIndex(8, &value));
    // Pitch: class, column width, left min/max, right min/max.
    const int pitches[][6] = {{0, 144, 0, 78, 2, 80},  {1, 120, 0, 93, 3, 96},  {2, 96, 0, 117, 3, 120},
                              {3, 84, 0, 133, 4, 136}, {4, 72, 0, 156, 4, 160}, {0, 144, 0, 78, 2, 80},
                              {0, 144, 0, 78, 2, 80},  {1, 120, 0, 93, 3, 96},  {2, 96, 0, 117, 3, 120},
                              {3, 84, 0, 133, 4, 136}};
    for (int p = 0; p < 10; ++p) {
        const PitchGeometry& row = PitchGeometryTable[p];
        EXPECT_EQ(pitchGeometryRow(p), &row);
        const int seen[6] = {pitchClass(p), row.columnWidth, row.leftMin,
                             row.leftMax,   row.rightMin,    row.rightMax};
        for (int k = 0; k < 6; ++k) EXPECT_EQ(seen[k], pitches[p][k]) << "pitch " << p << " column " << k;
        EXPECT_EQ(row.pitchIndex, p);
    }
    EXPECT_EQ(pitchGeometryRow(10), nullptr);
}

// A setting's block byte is the first byte of the block whose change
// changes what the setting shows once loaded, on either model.
TEST(Catalogue, EachSettingNamesTheFirstByteItsValueIsReadFrom) {
    for (uint8_t model : {0, 1}) {
        const SettingsBlock base = CountryDefaultTable[model ? VariantDefaultRow : 0];
        for (const Setting& s : Settings) {
            if (!hasRow(s, model)) continue;
            const std::string before = shownText(s, shownChoices(base, model), model);
            int first = -1;
            for (int at = 0; at < 32 * 8 && first < 0; ++at) {
                SettingsBlock changed = base;
                changed.bytes[at / 8] ^= 1 << at % 8;
                if (shownText(s, shownChoices(changed, model), model) != before) first = at / 8;
            }
            EXPECT_EQ(first, s.blockByte) << s.label << " on model " << int(model);
        }
    }
}
