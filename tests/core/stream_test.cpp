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

const uint8_t Header[7] = {0x1B, 0x1B, 0x00, '7', '4', '2', 0x00};

// Where the stream carries block byte k's low nibble (its high nibble
// follows); -1 for the reserved byte 23.
int streamOffsetOf(int k) {
    if (k < 23) return 10 + 2 * k;
    if (k == 23) return -1;
    return 66 + 2 * (k - 24);
}

}  // namespace

TEST(TransferStream, DefaultRowByteForByte) {
    std::vector<uint8_t> expected;
    auto header = [&](uint8_t command) {
        expected.insert(expected.end(), Header, Header + 7);
        expected.push_back(command);
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
    EXPECT_EQ(s[10], 0x05);
    EXPECT_EQ(s[11], 0x07);
    EXPECT_EQ(s[30], 0x04);  // lineSpacing 180
    EXPECT_EQ(s[31], 0x0B);
    EXPECT_EQ(s[32], 0x00);
    EXPECT_EQ(s[33], 0x00);

    // Row 0 as it stands: its data starts 0x00 0x00 and its second frame is
    // all zero.
    const std::vector<uint8_t> row0 = encode(CountryDefaultTable[0]);
    EXPECT_EQ(row0[10], 0x00);
    EXPECT_EQ(row0[11], 0x00);
    EXPECT_EQ(std::vector<uint8_t>(row0.begin() + 66, row0.begin() + 82), std::vector<uint8_t>(16, 0));
}

TEST(TransferStream, EachBlockByteLandsAtItsOwnPair) {
    const SettingsBlock zero{};
    const std::vector<uint8_t> base = encode(zero);
    for (int k = 0; k < 32; ++k) {
        SCOPED_TRACE("block byte " + std::to_string(k));
        SettingsBlock b{};
        b.bytes[k] = 0xA7;
        const std::vector<uint8_t> s = encode(b);
        ASSERT_EQ(s.size(), 98u);
        const int at = streamOffsetOf(k);
        for (int i = 0; i < 98; ++i) {
            uint8_t want = base[i];
            if (i == at) want = 0x07;
            if (i == at + 1 && at >= 0) want = 0x0A;
            EXPECT_EQ(s[i], want) << "offset " << i;
        }
    }
}

TEST(TransferStream, CenteringPositionChangesOneByte) {
    SettingsBlock b = CountryDefaultTable[0];
    const std::vector<uint8_t> before = encode(b);
    b.bytes[22] = 41;
    const std::vector<uint8_t> after = encode(b);
    EXPECT_EQ(before[54], 0x08);
    EXPECT_EQ(after[54], 0x09);
    for (size_t i = 0; i < 98; ++i) {
        if (i == 54) continue;
        EXPECT_EQ(before[i], after[i]) << "offset " << i;
    }
}

TEST(TransferStream, ReservedByte23NeverTravels) {
    SettingsBlock b = CountryDefaultTable[9];
    const std::vector<uint8_t> base = encode(b);
    for (int v : {0x01, 0x5A, 0xFF}) {
        b.bytes[23] = static_cast<uint8_t>(v);
        EXPECT_EQ(encode(b), base) << "byte 23 = " << v;
    }
}

TEST(TransferStream, TooSmallBufferGetsNothing) {
    uint8_t buffer[TransferStreamLength];
    std::memset(buffer, 0xCC, sizeof buffer);
    EXPECT_EQ(encodeTransferStream(CountryDefaultTable[0], buffer, sizeof buffer - 1), 0u);
    for (uint8_t byte : buffer) ASSERT_EQ(byte, 0xCC);
    EXPECT_EQ(encodeTransferStream(CountryDefaultTable[0], nullptr, 200), 0u);
    // An exact-size buffer on the heap is enough, and nothing is written past it.
    std::unique_ptr<uint8_t[]> exact(new uint8_t[TransferStreamLength]);
    EXPECT_EQ(encodeTransferStream(CountryDefaultTable[0], exact.get(), TransferStreamLength), 98u);
    EXPECT_EQ(exact[97], 0x05);
}
