// The transfer stream that carries a block to the printer, against its
// written layout: two data frames of nibble pairs, low nibble first, then
// the two closing frames; the reserved byte 23 never travels.
#include <gtest/gtest.h>

#include <vector>

#include "settings/transfer_stream.h"

TEST(TransferStream, EveryBlockByteTravelsAtItsOwnPair) {
    SettingsBlock block;
    for (int k = 0; k < 32; ++k) block.bytes[k] = static_cast<uint8_t>(0xA0 + k);  // two unlike nibbles
    std::vector<uint8_t> expected;
    const auto frame = [&](uint8_t command, std::vector<uint8_t> rest) {
        expected.insert(expected.end(), {0x1B, 0x1B, 0x00, '7', '4', '2', 0x00, command});
        expected.insert(expected.end(), rest.begin(), rest.end());
    };
    const auto pairs = [&](int from, int to) {
        for (int k = from; k < to; ++k)
            expected.insert(expected.end(), {uint8_t(block.bytes[k] & 15), uint8_t(block.bytes[k] >> 4)});
    };
    frame(0x02, {0x00, 0x17});  // offset 0, 23 bytes
    pairs(0, 23);
    frame(0x02, {0x18, 0x08});  // offset 24, 8 bytes
    pairs(24, 32);
    frame(0x06, {});
    frame(0x05, {});
    uint8_t buffer[TransferStreamBufferSize];
    EXPECT_EQ(std::vector<uint8_t>(buffer, buffer + encodeTransferStream(block, buffer, sizeof buffer)),
              expected);
    EXPECT_EQ(encodeTransferStream(block, buffer, TransferStreamLength - 1), 0u);
    // It decodes back, every nibble value 0 to F among its bytes; byte 23 comes back 0.
    SettingsBlock decoded;
    size_t start = 1;
    StreamProblem problem;
    block.bytes[23] = 0;
    EXPECT_TRUE(decodeTransferStream(expected.data(), expected.size(), &decoded, &start, &problem) &&
                decoded == block && start == 0) << problem.reason;
    // Where a message says a byte travels is where its pair stands.
    for (int k : {0, 1, 22, 24, 31}) {
        const size_t at = streamOffsetOfByte(k);
        EXPECT_EQ(expected.at(at) | expected.at(at + 1) << 4, block.bytes[k]) << k;
    }
}
