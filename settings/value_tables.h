// Constant value tables that turn list positions into stored codes and
// physical units, and back. Portable: no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>

// (list index, code) byte pairs, list index first.
struct FontPair {
    uint8_t listIndex;
    uint8_t code;
};
// 4-byte rows: list index, code byte (PointSizeTable only), 16-bit value.
struct ValueRow {
    uint8_t listIndex;
    uint8_t code;
    uint16_t value;
};
// Ten-byte rows: pitch index, column width (1/1440 inch), margin bounds in columns.
struct PitchGeometry {
    uint8_t pitchIndex;
    uint8_t columnWidth;
    uint16_t leftMin;
    uint16_t leftMax;
    uint16_t rightMin;
    uint16_t rightMax;
};

// The rows are kept in exactly the byte form described above: no padding,
// and words in the host's order, which must be little-endian for them to be
// the little-endian words of the row.
static_assert(sizeof(FontPair) == 2, "a font pair is two bytes");
static_assert(sizeof(ValueRow) == 4, "a value row is four bytes");
static_assert(offsetof(ValueRow, value) == 2, "a value row's word follows its two bytes");
static_assert(sizeof(PitchGeometry) == 10, "a pitch geometry row is ten bytes");
static_assert(offsetof(PitchGeometry, leftMin) == 2 && offsetof(PitchGeometry, rightMax) == 8,
              "a pitch geometry row's words follow its two bytes");
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "table words are stored little-endian");

extern const FontPair FontCodeTableStandard[14];
extern const FontPair FontCodeTableVariant[11];
extern const ValueRow PointSizeTable[15];
extern const ValueRow LineSpacingTable[15];
extern const ValueRow PageLengthTable[8];
extern const PitchGeometry PitchGeometryTable[10];

constexpr int LineSpacingScalableIndex = 14;
constexpr int LineSpacingSixIndex = 8;  // "6"
constexpr int PageLengthFreeIndex = 7;
constexpr int PitchProportionalIndex = 5;  // "P.S"

// The pages' lists, as the models fill them.
constexpr int EpsonEmulation = 0;
constexpr int IbmEmulation = 1;
constexpr int StandardFontCount = 14;
constexpr int StandardNonScalableFontCount = 8;
constexpr int VariantFontCount = 11;
constexpr int VariantNonScalableFontCount = 6;
constexpr int StandardCodePageCount = 18;
constexpr int VariantCodePageCount = 24;
// The variant's "Italic" code page prints only "Graphic 1".
constexpr int ItalicCodePage = 23;
// Loading gives the variant only its non-scalable fonts from "KU (EPSON)" on;
// choosing a code page keeps the scalable fonts only up to "Turkey".
constexpr int FirstCodePageWithoutScalableFonts = 18;
constexpr int LastCodePageWithScalableFonts = 5;
// Font codes from 8 ("Script") on offer "Scalable" line spacing.
constexpr uint8_t FirstScalableLineSpacingFont = 8;

// The variant's font table (modelVariant 1 is the variant).
const FontPair* fontCodeTable(uint8_t modelVariant, size_t* count);
// Code of the first pair whose list index matches; false when none does.
bool fontCodeForIndex(uint8_t modelVariant, int listIndex, uint8_t* code);
// List index of the first pair whose code matches; false when none does.
bool fontIndexForCode(uint8_t modelVariant, uint8_t code, int* listIndex);
// First row whose list index matches, or nullptr.
const ValueRow* pointSizeRow(int listIndex);
// First PointSizeTable row whose code matches, or nullptr.
const ValueRow* pointSizeRowForCode(uint8_t code);
bool lineSpacingForIndex(int listIndex, uint16_t* value);
bool lineSpacingIndexFor(uint16_t value, int* listIndex);
bool pageLengthForIndex(int listIndex, uint16_t* value);
bool pageLengthIndexFor(uint16_t value, int* listIndex);
// First row for the pitch index, or nullptr (pitch 10 to 15 has none).
const PitchGeometry* pitchGeometryRow(int pitchIndex);
// The pitch folded onto the five base pitches (0..4); 5 (P.S) folds to 0,
// 6..9 to 0..3. Values outside 0..9 fold to 0.
uint8_t pitchClass(int pitchIndex);
