// Which factory default row a model variant and country start from.
#include <gtest/gtest.h>

#include "settings/country_defaults.h"

TEST(DefaultBlockFor, PicksTheVariantRowOrTheCountryRow) {
    struct Case {
        uint8_t modelVariant;
        uint8_t country;
        int row;
    };
    // Only 1 is the variant; a country outside the table gives the first row.
    constexpr int V = VariantDefaultRow;
    const Case cases[] = {
        {0, 6, 6}, {0, 14, 14}, {0, 16, 16}, {2, 8, 8},   {1, 0, V},
        {1, 6, V}, {1, 200, V}, {0, 17, 0},  {0, 255, 0},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(testing::Message() << int(tc.modelVariant) << "/" << int(tc.country));
        EXPECT_EQ(defaultBlockFor(tc.modelVariant, tc.country), CountryDefaultTable[tc.row]);
    }
}
