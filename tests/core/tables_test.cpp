// The value table lookups both ways, where they skip, bound and fold.
#include <gtest/gtest.h>

#include "settings/value_tables.h"

TEST(FontCodeTable, LooksUpBothWaysForEachModel) {
    struct Pair {
        uint8_t modelVariant;
        int index;
        uint8_t code;
    };
    const Pair pairs[] = {
        {0, 4, 5},                            // Prestige: code 4 is skipped
        {0, 8, 10},                           // Bold PS-SC: code 9 is skipped
        {0, 13, 15},                          // the last entry
        {1, 1, 2},                            // the variant's second font is Courier
        {1, 7, 12},  {1, 10, 15}, {2, 1, 1},  // only 1 selects the variant
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(testing::Message() << int(p.modelVariant) << "/" << p.index);
        uint8_t code = 0xFF;
        EXPECT_TRUE(fontCodeForIndex(p.modelVariant, p.index, &code));
        EXPECT_EQ(code, p.code);
        int index = -1;
        EXPECT_TRUE(fontIndexForCode(p.modelVariant, p.code, &index));
        EXPECT_EQ(index, p.index);
    }

    uint8_t code = 0xEE;
    EXPECT_FALSE(fontCodeForIndex(0, 14, &code));
    EXPECT_FALSE(fontCodeForIndex(1, 11, &code));
    EXPECT_FALSE(fontCodeForIndex(0, -1, &code));
    EXPECT_EQ(code, 0xEE);
    int index = -1;
    // Skipped codes, and the variant has no Bold PS, OCR-B nor Bold PS-SC.
    for (uint8_t skipped : {4, 9}) EXPECT_FALSE(fontIndexForCode(0, skipped, &index));
    for (uint8_t missing : {1, 3, 10}) EXPECT_FALSE(fontIndexForCode(1, missing, &index));
    EXPECT_EQ(index, -1);
}

// The values inside the tables show in the packing tests.
TEST(ValueTables, LookupsStopAtTheTableEnds) {
    EXPECT_EQ(pointSizeRow(15), nullptr);
    EXPECT_EQ(pointSizeRow(-1), nullptr);
    const ValueRow* row = pointSizeRowForCode(64);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->listIndex, 14);
    EXPECT_EQ(pointSizeRowForCode(22), nullptr);

    uint16_t value = 1;
    EXPECT_TRUE(lineSpacingForIndex(14, &value));
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(lineSpacingForIndex(15, &value));
    EXPECT_FALSE(pageLengthForIndex(8, &value));
    EXPECT_FALSE(pageLengthForIndex(-1, &value));

    int index = -1;
    EXPECT_TRUE(lineSpacingIndexFor(0, &index));  // a stored 0 reads as "Scalable"
    EXPECT_EQ(index, 14);
    EXPECT_FALSE(lineSpacingIndexFor(158, &index));
    EXPECT_TRUE(pageLengthIndexFor(11880, &index));
    EXPECT_EQ(index, 3);  // the first match, "11 Inch", not "Free"
    EXPECT_FALSE(pageLengthIndexFor(6000, &index));
}

TEST(PitchTables, ExpandedPitchesFoldOntoTheirBasePitch) {
    const uint8_t expected[10] = {0, 1, 2, 3, 4, 0, 0, 1, 2, 3};
    for (int p = 0; p < 10; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(pitchClass(p), expected[p]);
        const PitchGeometry* row = pitchGeometryRow(p);
        const PitchGeometry* base = pitchGeometryRow(expected[p]);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->pitchIndex, p);
        EXPECT_EQ(row->columnWidth, base->columnWidth);
        EXPECT_EQ(row->leftMax, base->leftMax);
        EXPECT_EQ(row->rightMin, base->rightMin);
        EXPECT_EQ(row->rightMax, base->rightMax);
    }
    for (int p : {10, 15, -1}) {
        EXPECT_EQ(pitchClass(p), 0) << p;
        EXPECT_EQ(pitchGeometryRow(p), nullptr) << p;
    }
}
