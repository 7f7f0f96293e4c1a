// The escape-sequence stream that carries a settings block to the printer.
// Portable: no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

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
