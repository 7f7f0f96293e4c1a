// The transfer stream that carries a block to the printer.
#include <gtest/gtest.h>

#include <vector>

#include "settings/country_defaults.h"
#include "settings/transfer_stream.h"

namespace {
std::vector<uint8_t> encode(const SettingsBlock& block) {
    uint8_t buffer[TransferStreamBufferSize];
    const size_t length = encodeTransferStream(block, buffer, sizeof buffer);
    return std::vector<uint8_t>(buffer, buffer + length);
}
}  // namespace

TEST(TransferStream, DefaultRowByteForByte) {
    std::vector<uint8_t> expected;
    auto header = [&](uint8_t command) {
        expected.insert(expected.end(), {0x1B, 0x1B, 0x00, '7', '4', '2', 0x00, command});
    };
    header(0x02);
    expected.insert(expected.end(), {0x00, 0x17});
    // Row 4 (Finland), bytes 0 to 22, low nibble first.
    expected.insert(expected.end(),
                    {0x05, 0x07, 0x00, 0x00, 0x04, 0x09, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x02,
                     0x06, 0x00, 0x00, 0x00, 0x05, 0x01, 0x04, 0x0B, 0x00, 0x00, 0x00, 0x0A, 0x02, 0x03});
    expected.insert(expected.end(), 12, 0x00);                              // top, bottom, left margins
    expected.insert(expected.end(), {0x00, 0x05, 0x00, 0x00, 0x08, 0x02});  // right margin 80, centering 40
    header(0x02);
    expected.insert(expected.end(), {0x18, 0x08});
    expected.insert(expected.end(), 16, 0x00);
    header(0x06);
    header(0x05);
    EXPECT_EQ(encode(CountryDefaultTable[4]), expected);
}

// Also shows that the reserved byte 23 never travels: its pair is nowhere.
TEST(TransferStream, EachBlockByteLandsAtItsOwnPair) {
    const std::vector<uint8_t> base = encode(SettingsBlock{});
    ASSERT_EQ(base.size(), 98u);
    for (int k = 0; k < 32; ++k) {
        SettingsBlock b{};
        b.bytes[k] = 0xA7;
        std::vector<uint8_t> expected = base;
        if (k != 23) {
            const int at = k < 23 ? 10 + 2 * k : 66 + 2 * (k - 24);
            expected[at] = 0x07;  // low nibble first
            expected[at + 1] = 0x0A;
        }
        EXPECT_EQ(encode(b), expected) << "block byte " << k;
    }
    uint8_t small[TransferStreamLength - 1];
    EXPECT_EQ(encodeTransferStream(SettingsBlock{}, small, sizeof small), 0u);
}
