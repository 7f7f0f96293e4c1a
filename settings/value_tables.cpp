#include "settings/value_tables.h"

#include <iterator>

// Standard model: codes 4 and 9 have no font.
const FontPair FontCodeTableStandard[14] = {
    {0, 0}, {1, 1},  {2, 2},  {3, 3},   {4, 5},   {5, 6},   {6, 7},
    {7, 8}, {8, 10}, {9, 11}, {10, 12}, {11, 13}, {12, 14}, {13, 15},
};

// The model variant has neither the OCR-B nor the Bold PS fonts.
const FontPair FontCodeTableVariant[11] = {
    {0, 0}, {1, 2}, {2, 5}, {3, 6}, {4, 7}, {5, 8}, {6, 11}, {7, 12}, {8, 13}, {9, 14}, {10, 15},
};

// Code is twice the point size, value the line pitch (15 times the point
// size, in 1/1080 inch) that "Scalable" line spacing takes.
const ValueRow PointSizeTable[15] = {
    {0, 16, 120},  {1, 20, 150},  {2, 21, 158},  {3, 24, 180},  {4, 28, 210},
    {5, 32, 240},  {6, 36, 270},  {7, 40, 300},  {8, 42, 315},  {9, 44, 330},
    {10, 48, 360}, {11, 52, 390}, {12, 56, 420}, {13, 60, 450}, {14, 64, 480},
};

// Lines per inch as 1/1080 inch; the last row is "Scalable", which packing
// never takes but loading reads back from a stored 0.
const ValueRow LineSpacingTable[15] = {
    {0, 0, 1080}, {1, 0, 720},  {2, 0, 540},  {3, 0, 432}, {4, 0, 360},
    {5, 0, 270},  {6, 0, 240},  {7, 0, 216},  {8, 0, 180}, {9, 0, 144},
    {10, 0, 135}, {11, 0, 120}, {12, 0, 108}, {13, 0, 90}, {14, 0, 0},
};

// The "Free" row repeats 11 inches, so a stored 11880 reads back as "11 Inch".
const ValueRow PageLengthTable[8] = {
    {0, 0, 15120}, {1, 0, 12960}, {2, 0, 12600}, {3, 0, 11880},
    {4, 0, 9180},  {5, 0, 8640},  {6, 0, 5940},  {7, 0, 11880},
};

// Expanded pitches count margins in columns of their base pitch, so they
// carry its bounds.
const PitchGeometry PitchGeometryTable[10] = {
    {0, 144, 0, 78, 2, 80},  {1, 120, 0, 93, 3, 96},  {2, 96, 0, 117, 3, 120}, {3, 84, 0, 133, 4, 136},
    {4, 72, 0, 156, 4, 160}, {5, 144, 0, 78, 2, 80},  {6, 144, 0, 78, 2, 80},  {7, 120, 0, 93, 3, 96},
    {8, 96, 0, 117, 3, 120}, {9, 84, 0, 133, 4, 136},
};

namespace {

template <size_t N>
const ValueRow* rowForIndex(const ValueRow (&table)[N], int listIndex) {
    for (const ValueRow& row : table)
        if (row.listIndex == listIndex) return &row;
    return nullptr;
}

template <size_t N>
const ValueRow* rowForValue(const ValueRow (&table)[N], uint16_t value) {
    for (const ValueRow& row : table)
        if (row.value == value) return &row;
    return nullptr;
}

}  // namespace

const FontPair* fontCodeTable(uint8_t modelVariant, size_t* count) {
    if (modelVariant == 1) {
        if (count) *count = std::size(FontCodeTableVariant);
        return FontCodeTableVariant;
    }
    if (count) *count = std::size(FontCodeTableStandard);
    return FontCodeTableStandard;
}

bool fontCodeForIndex(uint8_t modelVariant, int listIndex, uint8_t* code) {
    size_t count = 0;
    const FontPair* table = fontCodeTable(modelVariant, &count);
    for (size_t i = 0; i < count; ++i) {
        if (table[i].listIndex == listIndex) {
            *code = table[i].code;
            return true;
        }
    }
    return false;
}

bool fontIndexForCode(uint8_t modelVariant, uint8_t code, int* listIndex) {
    size_t count = 0;
    const FontPair* table = fontCodeTable(modelVariant, &count);
    for (size_t i = 0; i < count; ++i) {
        if (table[i].code == code) {
            *listIndex = table[i].listIndex;
            return true;
        }
    }
    return false;
}

const ValueRow* pointSizeRow(int listIndex) { return rowForIndex(PointSizeTable, listIndex); }

const ValueRow* pointSizeRowForCode(uint8_t code) {
    for (const ValueRow& row : PointSizeTable)
        if (row.code == code) return &row;
    return nullptr;
}

namespace {
// The value of the row for a list index, or the list index of the first row
// holding a value; false when no row matches.
template <size_t N>
bool valueForIndex(const ValueRow (&table)[N], int listIndex, uint16_t* value) {
    const ValueRow* row = rowForIndex(table, listIndex);
    if (row) *value = row->value;
    return row != nullptr;
}

template <size_t N>
bool indexForValue(const ValueRow (&table)[N], uint16_t value, int* listIndex) {
    const ValueRow* row = rowForValue(table, value);
    if (row) *listIndex = row->listIndex;
    return row != nullptr;
}
}  // namespace

bool lineSpacingForIndex(int listIndex, uint16_t* value) {
    return valueForIndex(LineSpacingTable, listIndex, value);
}
bool lineSpacingIndexFor(uint16_t value, int* listIndex) {
    return indexForValue(LineSpacingTable, value, listIndex);
}
bool pageLengthForIndex(int listIndex, uint16_t* value) {
    return valueForIndex(PageLengthTable, listIndex, value);
}
bool pageLengthIndexFor(uint16_t value, int* listIndex) {
    return indexForValue(PageLengthTable, value, listIndex);
}

const PitchGeometry* pitchGeometryRow(int pitchIndex) {
    for (const PitchGeometry& row : PitchGeometryTable)
        if (row.pitchIndex == pitchIndex) return &row;
    return nullptr;
}

uint8_t pitchClass(int pitchIndex) {
    if (pitchIndex >= 0 && pitchIndex <= 4) return static_cast<uint8_t>(pitchIndex);
    if (pitchIndex >= 6 && pitchIndex <= 9) return static_cast<uint8_t>(pitchIndex - 6);
    return 0;  // P.S, and anything that is no pitch of the list
}
