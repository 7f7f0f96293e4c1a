// The transfer stream that carries a block to the printer.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
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
    expected.insert(expected.end(), {
                                        0x05, 0x07,                          // 0x75: IBM, Graphic 2, Sweden
                                        0x00, 0x00,                          // code page USA
                                        0x04, 0x09,                          // 0x94
                                        0x00, 0x00, 0x00, 0x00, 0x01, 0x00,  // Auto Online
                                        0x00, 0x02,                          // Auto feed XT Off
                                        0x06, 0x00,                          // 9600 baud
                                        0x00, 0x00, 0x05, 0x01,              // point size 21
                                        0x04, 0x0B, 0x00, 0x00,              // line spacing 180
                                        0x00, 0x0A, 0x02, 0x03,              // page length 12960 = 0x32A0
                                    });
    expected.insert(expected.end(), 12, 0x00);                              // top, bottom and left margins
    expected.insert(expected.end(), {0x00, 0x05, 0x00, 0x00, 0x08, 0x02});  // right margin 80, centering 40
    header(0x02);
    expected.insert(expected.end(), {0x18, 0x08});
    expected.insert(expected.end(), 16, 0x00);
    header(0x06);
    header(0x05);
    ASSERT_EQ(expected.size(), 98u);
    EXPECT_EQ(encode(CountryDefaultTable[4]), expected);
}

TEST(TransferStream, WorkedExample) {
    SettingsBlock b = CountryDefaultTable[0];
    b.bytes[0] = 0x75;
    const std::vector<uint8_t> s = encode(b);
    ASSERT_EQ(s.size(), 98u);
    EXPECT_EQ(std::vector<uint8_t>(s.begin() + 10, s.begin() + 12), (std::vector<uint8_t>{0x05, 0x07}));
    // Line spacing 180.
    EXPECT_EQ(std::vector<uint8_t>(s.begin() + 30, s.begin() + 34), (std::vector<uint8_t>{0x04, 0x0B, 0, 0}));
}

// Also shows that the reserved byte 23 never travels: its pair is nowhere.
TEST(TransferStream, EachBlockByteLandsAtItsOwnPair) {
    const std::vector<uint8_t> base = encode(SettingsBlock{});
    ASSERT_EQ(base.size(), 98u);
    for (int k = 0; k < 32; ++k) {
        SCOPED_TRACE("block byte " + std::to_string(k));
        SettingsBlock b{};
        b.bytes[k] = 0xA7;
        std::vector<uint8_t> expected = base;
        if (k != 23) {
            const int at = k < 23 ? 10 + 2 * k : 66 + 2 * (k - 24);
            expected[at] = 0x07;  // low nibble first
            expected[at + 1] = 0x0A;
        }
        EXPECT_EQ(encode(b), expected);
    }
}

TEST(TransferStream, CenteringPositionChangesOneByte) {
    SettingsBlock b = CountryDefaultTable[0];
    std::vector<uint8_t> expected = encode(b);
    EXPECT_EQ(expected[54], 0x08);
    expected[54] = 0x09;
    b.bytes[22] = 41;
    EXPECT_EQ(encode(b), expected);
}

TEST(TransferStream, TooSmallBufferGetsNothing) {
    uint8_t buffer[TransferStreamLength];
    std::memset(buffer, 0xCC, sizeof buffer);
    EXPECT_EQ(encodeTransferStream(CountryDefaultTable[0], buffer, sizeof buffer - 1), 0u);
    for (uint8_t byte : buffer) ASSERT_EQ(byte, 0xCC);
    EXPECT_EQ(encodeTransferStream(CountryDefaultTable[0], nullptr, 200), 0u);
    // An exact-size heap buffer is enough; the sanitizers see any write past it.
    std::unique_ptr<uint8_t[]> exact(new uint8_t[TransferStreamLength]);
    EXPECT_EQ(encodeTransferStream(CountryDefaultTable[0], exact.get(), TransferStreamLength), 98u);
}
