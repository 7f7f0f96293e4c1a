#include "settings/transfer_stream.h"

#include <cstring>

namespace {

// Every frame opens with ESC ESC, a 0, the digits "742" and another 0.
constexpr uint8_t FrameHeader[] = {0x1B, 0x1B, 0x00, 0x37, 0x34, 0x32, 0x00};

constexpr uint8_t WriteBlockCommand = 0x02;
// The printer expects these two commands after the writes, in this order.
constexpr uint8_t FirstClosingCommand = 0x06;
constexpr uint8_t SecondClosingCommand = 0x05;

// The two writes skip the reserved byte 23.
constexpr uint8_t FirstRunOffset = 0;
constexpr uint8_t FirstRunCount = 23;
constexpr uint8_t SecondRunOffset = 24;
constexpr uint8_t SecondRunCount = 8;

struct StreamWriter {
    uint8_t* out;
    size_t length;

    void put(uint8_t byte) { out[length++] = byte; }
    void frame(uint8_t command) {
        std::memcpy(out + length, FrameHeader, sizeof FrameHeader);
        length += sizeof FrameHeader;
        put(command);
    }
    // Block bytes travel low nibble first, each nibble in a byte of its own.
    void writeRun(const SettingsBlock& block, uint8_t offset, uint8_t count) {
        frame(WriteBlockCommand);
        put(offset);
        put(count);
        for (int k = offset; k < offset + count; ++k) {
            put(static_cast<uint8_t>(block.bytes[k] & 0x0F));
            put(static_cast<uint8_t>(block.bytes[k] >> 4));
        }
    }
};

constexpr size_t frameLength(size_t count) { return sizeof FrameHeader + 1 + (count ? 2 + 2 * count : 0); }
static_assert(frameLength(FirstRunCount) + frameLength(SecondRunCount) + 2 * frameLength(0) ==
                  TransferStreamLength,
              "the stream's frames add up to its length");
static_assert(TransferStreamLength <= TransferStreamBufferSize, "the stream fits its buffer");

}  // namespace

size_t encodeTransferStream(const SettingsBlock& block, uint8_t* out, size_t capacity) {
    if (!out || capacity < TransferStreamLength) return 0;
    StreamWriter writer{out, 0};
    writer.writeRun(block, FirstRunOffset, FirstRunCount);
    writer.writeRun(block, SecondRunOffset, SecondRunCount);
    writer.frame(FirstClosingCommand);
    writer.frame(SecondClosingCommand);
    return writer.length;
}
