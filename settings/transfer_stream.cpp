#include "settings/transfer_stream.h"

#include <algorithm>
#include <cstdio>
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

namespace {

// The frames in the order the stream carries them.
struct ExpectedFrame {
    uint8_t command;
    uint8_t offset;
    uint8_t count;
};
constexpr ExpectedFrame ExpectedFrames[] = {{WriteBlockCommand, FirstRunOffset, FirstRunCount},
                                            {WriteBlockCommand, SecondRunOffset, SecondRunCount},
                                            {FirstClosingCommand, 0, 0},
                                            {SecondClosingCommand, 0, 0}};

std::string byteText(const char* format, unsigned a, unsigned b = 0) {
    char text[96];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

struct StreamReader {
    const uint8_t* data;
    size_t length;
    size_t start;
    size_t position;
    StreamProblem* problem;

    bool fail(const std::string& reason) {
        problem->offset = position;
        problem->reason = reason;
        return false;
    }
    // The next byte, when the capture still has one.
    bool next(uint8_t* byte) {
        if (position >= length)
            return fail(byteText("length: the capture ends %u bytes into the %u-byte stream",
                                 static_cast<unsigned>(position - start), TransferStreamLength));
        *byte = data[position];
        return true;
    }
    bool expect(uint8_t wanted, const char* what) {
        uint8_t byte = 0;
        if (!next(&byte)) return false;
        if (byte != wanted) return fail(byteText(what, byte, wanted));
        ++position;
        return true;
    }
    bool frame(const ExpectedFrame& frame, SettingsBlock* block) {
        for (uint8_t headerByte : FrameHeader)
            if (!expect(headerByte, "header: 0x%02X where the frame header has 0x%02X")) return false;
        if (!expect(frame.command, "frame: command 0x%02X, expected 0x%02X")) return false;
        if (frame.command != WriteBlockCommand) return true;
        if (!expect(frame.offset, "frame: block offset 0x%02X, expected 0x%02X")) return false;
        if (!expect(frame.count, "length: byte count 0x%02X, expected 0x%02X")) return false;
        for (int k = frame.offset; k < frame.offset + frame.count; ++k) {
            uint8_t nibbles[2] = {};
            for (uint8_t& nibble : nibbles) {
                if (!next(&nibble)) return false;
                if (nibble > 0x0F) return fail(byteText("nibble: 0x%02X is above 0x0F", nibble));
                ++position;
            }
            block->bytes[k] = static_cast<uint8_t>(nibbles[0] | nibbles[1] << 4);
        }
        return true;
    }
};

}  // namespace

bool decodeTransferStream(const uint8_t* data, size_t length, SettingsBlock* block, size_t* start,
                          StreamProblem* problem) {
    const uint8_t* end = data + length;
    const uint8_t* found = std::search(data, end, std::begin(FrameHeader), std::end(FrameHeader));
    if (!data || found == end) {
        *problem = {0, "header: no frame header (1B 1B 00 37 34 32 00) in the capture"};
        return false;
    }
    const size_t offset = static_cast<size_t>(found - data);
    StreamReader reader{data, length, offset, offset, problem};
    SettingsBlock decoded{};
    for (const ExpectedFrame& frame : ExpectedFrames)
        if (!reader.frame(frame, &decoded)) return false;
    *block = decoded;
    *start = offset;
    return true;
}

std::vector<CapturedStream> decodeAllTransferStreams(const uint8_t* data, size_t length) {
    std::vector<CapturedStream> streams;
    // A stream opens with a frame header, the write command and block offset 0.
    const uint8_t opening[] = {0x1B, 0x1B, 0x00, 0x37, 0x34, 0x32, 0x00, WriteBlockCommand, FirstRunOffset};
    size_t position = 0;
    // At least once: an empty capture has no header either, and says so.
    do {
        CapturedStream found;
        size_t start = 0;
        if (decodeTransferStream(data + position, length - position, &found.block, &start, &found.problem)) {
            found.complete = true;
            found.start = position + start;
            position = found.start + TransferStreamLength;
        } else {
            const uint8_t* header =
                std::search(data + position, data + length, std::begin(FrameHeader), std::end(FrameHeader));
            if (header == data + length) {
                // Only other bytes from here; a capture with no header at all says so.
                if (streams.empty()) streams.push_back(found);
                break;
            }
            found.start = static_cast<size_t>(header - data);
            found.problem.offset += position;
            // On from just past the damaged stream's header, not from its
            // fault: a stream cut at a frame's end is read on into the next
            // stream's opening, which must still be found.
            const size_t resume = found.start + 1;
            position = static_cast<size_t>(
                std::search(data + resume, data + length, std::begin(opening), std::end(opening)) - data);
        }
        streams.push_back(found);
    } while (position < length);
    return streams;
}

size_t streamOffsetOfByte(int byte) {
    const size_t runStart = sizeof FrameHeader + 3;  // header, command, offset, count
    if (byte < SecondRunOffset) return runStart + 2 * static_cast<size_t>(byte);
    return frameLength(FirstRunCount) + runStart + 2 * static_cast<size_t>(byte - SecondRunOffset);
}
