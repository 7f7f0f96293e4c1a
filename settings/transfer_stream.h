// The escape-sequence stream that carries a settings block to the printer.
// Portable: no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "settings_block.h"

constexpr size_t TransferStreamLength = 98;
// Room to spare, so the encoder never needs an allocation.
constexpr size_t TransferStreamBufferSize = 128;

// Writes the 98-byte SettingsTransferStream for `block` into `out`, which
// holds `capacity` bytes; returns 98, or 0 (writing nothing) when the buffer
// is too small.
size_t encodeTransferStream(const SettingsBlock& block, uint8_t* out, size_t capacity);

// Why a capture holds no good stream: the capture offset of the first wrong
// byte (or where the capture ends) and the reason.
struct StreamProblem {
    size_t offset = 0;
    std::string reason;
};

// Finds the first SettingsTransferStream in a capture (a port or spool file
// may hold other bytes around it) and decodes the block it carries; byte 23,
// which the stream never carries, comes back 0. `start` gets the stream's
// offset in the capture. False with the problem when the stream is missing,
// cut short, or has a wrong header, frame, length or nibble.
bool decodeTransferStream(const uint8_t* data, size_t length, SettingsBlock* block, size_t* start,
                          StreamProblem* problem);

// One stream of a capture that may hold several (a port file appended to,
// captures concatenated): where it starts, and its block or its problem.
struct CapturedStream {
    size_t start = 0;
    bool complete = false;
    SettingsBlock block{};
    StreamProblem problem;
};

// Every stream in a capture, in capture order; a capture with no frame
// header at all gives one incomplete stream that says so. After a damaged stream the search goes on at the
// next header that opens a stream (a write of block offset 0), so the
// damaged stream's later frames are not counted as streams of their own.
// The printer ends up with the block of the last complete one.
std::vector<CapturedStream> decodeAllTransferStreams(const uint8_t* data, size_t length);

// Where block byte `byte` (0 to 31, not 23) travels in a stream: its low
// nibble's offset from the stream's start.
size_t streamOffsetOfByte(int byte);
