// Three settings blocks worked out by hand from the written layout, each with
// the page choices that pack into it and that loading the block shows. The
// bytes are typed in, never computed, so a wrong shift, width or table entry
// in packing or in the field readers shows against them.
#pragma once

#include <vector>

#include "settings/settings_block.h"
#include "settings/transfer_stream.h"

// The bytes a block goes out as, for comparing with what reached a port.
inline std::vector<uint8_t> streamOf(const SettingsBlock& block) {
    uint8_t stream[TransferStreamBufferSize];
    return std::vector<uint8_t>(stream, stream + encodeTransferStream(block, stream, sizeof stream));
}

struct HandBlock {
    const char* name;
    uint8_t modelVariant;
    PageChoices choices;
    SettingsBlock block;  // the reserved bytes 23 and 28-31 hold 0xA5
};

// Choices in PageChoices order: emulation, character set, international,
// code page; Auto CR, Auto LF, Auto load, A.G.M., paper out; zero font,
// graphic and text direction, tear off; font, pitch; shadow, outline, double
// wide, double strike, bold, double high, italics, Auto Online; Auto feed XT;
// buffer, parity, baud rate; print pass, polarity, data length, protocol;
// point size, Line/Inch, page length; free length, top, bottom, left, right,
// centering, tractor, friction.
inline const HandBlock HandBlocks[] = {
    // EPSON, every on/off field the opposite of the factory defaults:
    // Graphic 2, Sweden, PC852, Slashed, Prestige (code 5), 7.5 CPI (class 2),
    // 0 KB, Odd, 4800, 21 points, 2.5 lines per inch, 11 2/3 inch.
    {"standard EPSON",
     0,
     {0, 2, 5, 13, 1, 1, 0, 1, 0, 2, 1, 1, 1, 4,    8,  1,  1, 1,   1,  1,  1,
      1, 0, 0, 2,  2, 5, 0, 1, 1, 1, 8, 3, 2, 2100, 10, 25, 7, 110, 30, 30, 100},
     {{0x35, 0x0D, 0xE8, 0xB1, 0x85, 0xFE, 0x00, 0x55, 0x1C, 0x2A, 0xB0, 0x01, 0x38, 0x31, 0x3C, 0x00,
       0x96, 0x00, 0x07, 0x20, 0x6E, 0x20, 0x1E, 0xA5, 0x3C, 0x00, 0xC8, 0x00, 0xA5, 0xA5, 0xA5, 0xA5}}},
    // IBM, on/off fields as the defaults: Graphic 1, Legal, ISO 8859-2,
    // Pointed, Script-SC (code 15), 20 CPI (class 4), 8 KB, Ignore, 600,
    // 32 points, 10 lines per inch, a free length of 2000.
    {"standard IBM",
     0,
     {1, 0, 15, 17, 0, 0, 1, 0, 1, 1, 0,  0,  0, 13,   4,   0,   0,   0,   0,  0,   0,
      0, 1, 1,  1,  1, 2, 0, 0, 0, 0, 14, 12, 7, 2000, 450, 900, 150, 160, 45, 900, 0},
     {{0x5F, 0x11, 0x94, 0x40, 0x4F, 0x01, 0x20, 0x2A, 0x00, 0x40, 0x6C, 0x00, 0xE0, 0x2E, 0x8C, 0x0A,
       0x18, 0x15, 0x96, 0x40, 0xA0, 0x40, 0x2D, 0xA5, 0x08, 0x07, 0x00, 0x00, 0xA5, 0xA5, 0xA5, 0xA5}}},
    // Model variant 1, EPSON: its two-entry list makes index 1 Graphic 2;
    // Korea, Canada-French, Courier-SC (code 11), 8.5 CPI (class 3), 1 Pass,
    // ALL, Even, 150, 8 points, 12 lines per inch, 5 1/2 inch.
    {"variant",
     1,
     {0, 1, 13, 3, 1, 0, 1, 0, 0, 0, 0, 1,  0, 6,   9, 1,  1, 0,   0,  0, 0,
      0, 1, 1,  3, 3, 0, 1, 0, 1, 0, 0, 13, 6, 990, 0, 90, 0, 136, 10, 1, 899},
     {{0x3D, 0x03, 0xD0, 0x10, 0x9B, 0xC1, 0x20, 0xF8, 0x08, 0x10, 0x5A, 0x00, 0x34, 0x17, 0x00, 0x00,
       0x1C, 0x02, 0x00, 0x30, 0x88, 0x30, 0x0A, 0xA5, 0x02, 0x00, 0x06, 0x07, 0xA5, 0xA5, 0xA5, 0xA5}}},
};
