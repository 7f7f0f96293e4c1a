// The escape-sequence stream that carries a settings block to the printer.
// Portable: no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>

#include "settings_block.h"

constexpr size_t TransferStreamLength = 98;
// Room to spare, so the encoder never needs an allocation.
constexpr size_t TransferStreamBufferSize = 128;

// Writes the 98-byte SettingsTransferStream for `block` into `out`, which
// holds `capacity` bytes; returns 98, or 0 (writing nothing) when the buffer
// is too small.
size_t encodeTransferStream(const SettingsBlock& block, uint8_t* out, size_t capacity);
