// Every row of the value tables against the written tables, typed in here;
// the lookups both ways and where they stop.
#include <gtest/gtest.h>

#include <vector>

#include "settings/value_tables.h"

TEST(ValueTables, EveryRowAsWritten) {
    // Font codes by list index, standard model and model variant 1.
    const std::vector<std::vector<uint8_t>> fonts = {{0, 1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15},
                                                     {0, 2, 5, 6, 7, 8, 11, 12, 13, 14, 15}};
    for (uint8_t variant : {0, 1}) {
        const auto& codes = fonts[variant];
        uint8_t code = 0xEE;
        int index = -1;
        for (int i = 0; i < static_cast<int>(codes.size()); ++i) {
            EXPECT_TRUE(fontCodeForIndex(variant, i, &code) && code == codes[i]) << int(variant) << "/" << i;
            EXPECT_TRUE(fontIndexForCode(variant, codes[i], &index) && index == i)
                << int(variant) << "/" << i;
        }
        EXPECT_FALSE(fontCodeForIndex(variant, static_cast<int>(codes.size()), &code));
    }
    // Point size: code (twice the points), line pitch in 1/1080 inch.
    const int pointSizes[][2] = {{16, 120}, {20, 150}, {21, 158}, {24, 180}, {28, 210},
                                 {32, 240}, {36, 270}, {40, 300}, {42, 315}, {44, 330},
                                 {48, 360}, {52, 390}, {56, 420}, {60, 450}, {64, 480}};
    for (int i = 0; i < 15; ++i) {
        const ValueRow* row = pointSizeRow(i);
        ASSERT_NE(row, nullptr) << i;
        EXPECT_EQ(row->code, pointSizes[i][0]) << i;
        EXPECT_EQ(row->value, pointSizes[i][1]) << i;
        EXPECT_EQ(pointSizeRowForCode(static_cast<uint8_t>(pointSizes[i][0])), row);
    }
    EXPECT_EQ(pointSizeRow(15), nullptr);
    // Line/Inch and page length in 1/1080 inch; "Free" repeats 11 inches, so
    // 11880 reads back as "11 Inch".
    const uint16_t spacings[] = {1080, 720, 540, 432, 360, 270, 240, 216, 180, 144, 135, 120, 108, 90, 0};
    const uint16_t lengths[] = {15120, 12960, 12600, 11880, 9180, 8640, 5940, 11880};
    for (int i = 0; i < 15; ++i) {
        uint16_t value = 1;
        int index = -1;
        EXPECT_TRUE(lineSpacingForIndex(i, &value) && value == spacings[i]) << i;
        EXPECT_TRUE(lineSpacingIndexFor(spacings[i], &index) && index == i) << i;
    }
    for (int i = 0; i < 8; ++i) {
        uint16_t value = 1;
        int index = -1;
        EXPECT_TRUE(pageLengthForIndex(i, &value) && value == lengths[i]) << i;
        EXPECT_TRUE(pageLengthIndexFor(lengths[i], &index) && index == (i == 7 ? 3 : i)) << i;
    }
    uint16_t value = 1;
    EXPECT_FALSE(lineSpacingForIndex(15, &value) || pageLengthForIndex(8, &value));
    // Pitch: class, column width, left min/max, right min/max.
    const int pitches[][6] = {{0, 144, 0, 78, 2, 80},  {1, 120, 0, 93, 3, 96},  {2, 96, 0, 117, 3, 120},
                              {3, 84, 0, 133, 4, 136}, {4, 72, 0, 156, 4, 160}, {0, 144, 0, 78, 2, 80},
                              {0, 144, 0, 78, 2, 80},  {1, 120, 0, 93, 3, 96},  {2, 96, 0, 117, 3, 120},
                              {3, 84, 0, 133, 4, 136}};
    for (int p = 0; p < 10; ++p) {
        const PitchGeometry* row = pitchGeometryRow(p);
        ASSERT_NE(row, nullptr) << p;
        const int seen[6] = {pitchClass(p), row->columnWidth, row->leftMin,
                             row->leftMax,  row->rightMin,    row->rightMax};
        for (int k = 0; k < 6; ++k) EXPECT_EQ(seen[k], pitches[p][k]) << "pitch " << p << " column " << k;
    }
    EXPECT_EQ(pitchGeometryRow(10), nullptr);
}
