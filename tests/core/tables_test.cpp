// The value tables: their byte form and the lookups both ways.
#include <gtest/gtest.h>

#include <cstring>

#include "settings/value_tables.h"

TEST(FontCodeTable, LooksUpByListIndexForEachModel) {
    uint8_t code = 0xFF;
    EXPECT_TRUE(fontCodeForIndex(0, 4, &code));
    EXPECT_EQ(code, 5);  // Prestige: code 4 is skipped
    EXPECT_TRUE(fontCodeForIndex(0, 8, &code));
    EXPECT_EQ(code, 10);  // Bold PS-SC: code 9 is skipped
    EXPECT_TRUE(fontCodeForIndex(0, 13, &code));
    EXPECT_EQ(code, 15);
    EXPECT_TRUE(fontCodeForIndex(1, 1, &code));
    EXPECT_EQ(code, 2);  // the variant's second font is Courier
    EXPECT_TRUE(fontCodeForIndex(1, 10, &code));
    EXPECT_EQ(code, 15);
    // Only 1 selects the variant.
    EXPECT_TRUE(fontCodeForIndex(2, 1, &code));
    EXPECT_EQ(code, 1);

    code = 0xEE;
    EXPECT_FALSE(fontCodeForIndex(0, 14, &code));
    EXPECT_FALSE(fontCodeForIndex(1, 11, &code));
    EXPECT_FALSE(fontCodeForIndex(0, -1, &code));
    EXPECT_EQ(code, 0xEE);
}

TEST(FontCodeTable, LooksUpByCodeForEachModel) {
    int index = -1;
    EXPECT_TRUE(fontIndexForCode(0, 12, &index));
    EXPECT_EQ(index, 10);
    EXPECT_TRUE(fontIndexForCode(1, 12, &index));
    EXPECT_EQ(index, 7);
    EXPECT_FALSE(fontIndexForCode(0, 4, &index));
    EXPECT_FALSE(fontIndexForCode(0, 9, &index));
    EXPECT_FALSE(fontIndexForCode(1, 1, &index));   // no Bold PS on the variant
    EXPECT_FALSE(fontIndexForCode(1, 3, &index));   // nor OCR-B
    EXPECT_FALSE(fontIndexForCode(1, 10, &index));  // nor Bold PS-SC
    EXPECT_EQ(index, 7);

    size_t count = 0;
    EXPECT_EQ(fontCodeTable(0, &count), FontCodeTableStandard);
    EXPECT_EQ(count, 14u);
    EXPECT_EQ(fontCodeTable(1, &count), FontCodeTableVariant);
    EXPECT_EQ(count, 11u);
}

TEST(ValueTables, PointSizesBothWays) {
    const ValueRow* row = pointSizeRow(2);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->code, 21);
    EXPECT_EQ(row->value, 158);
    row = pointSizeRow(8);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->code, 42);
    EXPECT_EQ(row->value, 315);
    EXPECT_EQ(pointSizeRow(15), nullptr);
    EXPECT_EQ(pointSizeRow(-1), nullptr);

    row = pointSizeRowForCode(64);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->listIndex, 14);
    EXPECT_EQ(pointSizeRowForCode(22), nullptr);
    EXPECT_EQ(pointSizeRowForCode(0), nullptr);
}

TEST(ValueTables, LineSpacingBothWays) {
    uint16_t value = 1;
    EXPECT_TRUE(lineSpacingForIndex(8, &value));
    EXPECT_EQ(value, 180);
    EXPECT_TRUE(lineSpacingForIndex(3, &value));
    EXPECT_EQ(value, 432);
    EXPECT_TRUE(lineSpacingForIndex(14, &value));
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(lineSpacingForIndex(15, &value));

    int index = -1;
    EXPECT_TRUE(lineSpacingIndexFor(90, &index));
    EXPECT_EQ(index, 13);
    EXPECT_TRUE(lineSpacingIndexFor(0, &index));  // a stored 0 reads as "Scalable"
    EXPECT_EQ(index, 14);
    EXPECT_FALSE(lineSpacingIndexFor(158, &index));
    EXPECT_EQ(index, 14);
}

TEST(ValueTables, PageLengthsBothWaysFirstMatchWins) {
    uint16_t value = 0;
    EXPECT_TRUE(pageLengthForIndex(0, &value));
    EXPECT_EQ(value, 15120);
    EXPECT_TRUE(pageLengthForIndex(2, &value));
    EXPECT_EQ(value, 12600);
    EXPECT_FALSE(pageLengthForIndex(8, &value));

    int index = -1;
    EXPECT_TRUE(pageLengthIndexFor(11880, &index));
    EXPECT_EQ(index, 3);  // "11 Inch", not "Free"
    EXPECT_TRUE(pageLengthIndexFor(12960, &index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(pageLengthIndexFor(6000, &index));
}

TEST(PitchGeometryTable, ExpandedPitchesShareTheirBasePitchBounds) {
    const PitchGeometry* row = pitchGeometryRow(8);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->columnWidth, 96);
    EXPECT_EQ(row->leftMin, 0);
    EXPECT_EQ(row->leftMax, 117);
    EXPECT_EQ(row->rightMin, 3);
    EXPECT_EQ(row->rightMax, 120);
    for (int expanded = 5; expanded <= 9; ++expanded) {
        SCOPED_TRACE(expanded);
        const PitchGeometry* a = pitchGeometryRow(expanded);
        const PitchGeometry* base = pitchGeometryRow(pitchClass(expanded));
        ASSERT_NE(a, nullptr);
        ASSERT_NE(base, nullptr);
        EXPECT_EQ(a->pitchIndex, expanded);
        EXPECT_EQ(a->columnWidth, base->columnWidth);
        EXPECT_EQ(a->leftMax, base->leftMax);
        EXPECT_EQ(a->rightMin, base->rightMin);
        EXPECT_EQ(a->rightMax, base->rightMax);
    }
    EXPECT_EQ(pitchGeometryRow(10), nullptr);
    EXPECT_EQ(pitchGeometryRow(-1), nullptr);
}

TEST(PitchClass, FoldsOntoTheFiveBasePitches) {
    const uint8_t expected[10] = {0, 1, 2, 3, 4, 0, 0, 1, 2, 3};
    for (int p = 0; p < 10; ++p) EXPECT_EQ(pitchClass(p), expected[p]) << "pitch " << p;
    EXPECT_EQ(pitchClass(10), 0);
    EXPECT_EQ(pitchClass(15), 0);
    EXPECT_EQ(pitchClass(-1), 0);
}

TEST(ValueTables, RowsAreStoredInTheirByteForm) {
    uint8_t pair[2];
    std::memcpy(pair, &FontCodeTableStandard[4], sizeof pair);
    EXPECT_EQ(pair[0], 4);
    EXPECT_EQ(pair[1], 5);

    uint8_t row[4];
    std::memcpy(row, &PageLengthTable[0], sizeof row);
    const uint8_t pageRow[4] = {0, 0, 0x10, 0x3B};  // 15120, little-endian
    EXPECT_EQ(std::memcmp(row, pageRow, 4), 0);
    std::memcpy(row, &PointSizeTable[2], sizeof row);
    const uint8_t pointRow[4] = {2, 21, 158, 0};
    EXPECT_EQ(std::memcmp(row, pointRow, 4), 0);

    uint8_t geometry[10];
    std::memcpy(geometry, &PitchGeometryTable[4], sizeof geometry);
    const uint8_t geometryRow[10] = {4, 72, 0, 0, 156, 0, 4, 0, 160, 0};
    EXPECT_EQ(std::memcmp(geometry, geometryRow, 10), 0);
}
