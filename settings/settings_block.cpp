#include "settings/settings_block.h"

#include <climits>
#include <cstring>

#include "settings/value_tables.h"

bool operator==(const SettingsBlock& a, const SettingsBlock& b) {
    return std::memcmp(a.bytes, b.bytes, sizeof a.bytes) == 0;
}

namespace {

// The bits of one field: `width` bits whose lowest is bit `shift` of `byte`.
struct BitField {
    int byte;
    int shift;
    int width;
};

constexpr BitField EmulationField{0, 6, 1};
constexpr BitField CharacterSetField{0, 4, 2};
constexpr BitField InternationalCharacterField{0, 0, 4};
constexpr BitField CodePageField{1, 0, 8};
constexpr BitField AutoCRField{2, 6, 1};
constexpr BitField AutoLFField{2, 5, 1};
constexpr BitField AutoLoadField{2, 4, 1};
constexpr BitField AgmField{2, 3, 1};
constexpr BitField PaperOutDetectField{2, 2, 1};
constexpr BitField ZeroFontField{3, 6, 2};
constexpr BitField GraphicDirectionField{3, 5, 1};
constexpr BitField TextDirectionField{3, 4, 1};
constexpr BitField TearOffField{3, 0, 1};
constexpr BitField PitchField{4, 4, 4};
constexpr BitField FontField{4, 0, 4};
constexpr BitField ShadowField{5, 7, 1};
constexpr BitField OutlineField{5, 6, 1};
constexpr BitField DoubleWideField{5, 5, 1};
constexpr BitField DoubleStrikeField{5, 4, 1};
constexpr BitField BoldField{5, 3, 1};
constexpr BitField DoubleHighField{5, 2, 1};
constexpr BitField ItalicsField{5, 1, 1};
constexpr BitField AutoOnlineField{5, 0, 1};
constexpr BitField AutoFeedXTField{6, 5, 1};
constexpr BitField PrintPassField{7, 7, 1};
constexpr BitField BufferControlField{7, 5, 2};
constexpr BitField ParityField{7, 3, 2};
constexpr BitField BaudRateField{7, 0, 3};
constexpr BitField SignalPolarityField{8, 4, 1};
constexpr BitField DataLengthField{8, 3, 1};
constexpr BitField ProtocolField{8, 2, 1};

constexpr int PointSizeOffset = 9;
constexpr int LineSpacingOffset = 10;
constexpr int PageLengthOffset = 12;
constexpr int TopMarginOffset = 14;
constexpr int BottomMarginOffset = 16;
constexpr int LeftMarginOffset = 18;
constexpr int RightMarginOffset = 20;
constexpr int CenteringPositionOffset = 22;
constexpr int TractorTofOffset = 24;
constexpr int FrictionTofOffset = 26;

// Margins keep their pitch class in the top four bits of the word.
constexpr uint16_t MarginColumnsMask = 0x0FFF;
constexpr int PitchClassShift = 12;

constexpr uint8_t fieldMask(BitField f) { return static_cast<uint8_t>(((1u << f.width) - 1u) << f.shift); }

uint8_t readField(const SettingsBlock& b, BitField f) {
    return static_cast<uint8_t>((b.bytes[f.byte] & fieldMask(f)) >> f.shift);
}

bool fits(BitField f, int value) { return value >= 0 && value < (1 << f.width); }

// ORs `value` into the field; a value that is no list position or does not
// fit the field (a list without a selection, a corrupt index) leaves the
// field as the starting block had it, so nothing spills into a neighbour.
void packField(SettingsBlock& out, const SettingsBlock& start, BitField f, int value) {
    const uint8_t bits = fits(f, value) ? static_cast<uint8_t>(value << f.shift)
                                        : static_cast<uint8_t>(start.bytes[f.byte] & fieldMask(f));
    out.bytes[f.byte] = static_cast<uint8_t>(out.bytes[f.byte] | bits);
}

// Character set list position to stored code, -1 for a position with none.
// The IBM emulation and the model variant offer only "Graphic 1" and
// "Graphic 2"; EPSON on the standard model also offers "Italic" first, and
// code 2 is never stored.
int characterSetCode(int index, bool twoEntryList) {
    if (index < 0) return -1;
    if (twoEntryList) return index == 0 ? 1 : 3;
    if (index > 2) return -1;
    return index == 2 ? 3 : index;
}

// The low word of an entry scaled to the block's unit. Unsigned arithmetic,
// so an absurd entry wraps like the 16-bit field instead of overflowing.
uint16_t scaledWord(int entry, unsigned factor) {
    return static_cast<uint16_t>(static_cast<unsigned>(entry) * factor);
}

}  // namespace

uint8_t emulation(const SettingsBlock& b) { return readField(b, EmulationField); }
uint8_t characterSet(const SettingsBlock& b) { return readField(b, CharacterSetField); }
uint8_t internationalCharacter(const SettingsBlock& b) { return readField(b, InternationalCharacterField); }
uint8_t codePage(const SettingsBlock& b) { return readField(b, CodePageField); }
uint8_t autoCR(const SettingsBlock& b) { return readField(b, AutoCRField); }
uint8_t autoLF(const SettingsBlock& b) { return readField(b, AutoLFField); }
uint8_t autoLoad(const SettingsBlock& b) { return readField(b, AutoLoadField); }
uint8_t agm(const SettingsBlock& b) { return readField(b, AgmField); }
uint8_t paperOutDetect(const SettingsBlock& b) { return readField(b, PaperOutDetectField); }
uint8_t zeroFont(const SettingsBlock& b) { return readField(b, ZeroFontField); }
uint8_t graphicDirection(const SettingsBlock& b) { return readField(b, GraphicDirectionField); }
uint8_t textDirection(const SettingsBlock& b) { return readField(b, TextDirectionField); }
uint8_t tearOff(const SettingsBlock& b) { return readField(b, TearOffField); }
uint8_t pitch(const SettingsBlock& b) { return readField(b, PitchField); }
uint8_t font(const SettingsBlock& b) { return readField(b, FontField); }
uint8_t shadow(const SettingsBlock& b) { return readField(b, ShadowField); }
uint8_t outline(const SettingsBlock& b) { return readField(b, OutlineField); }
uint8_t doubleWide(const SettingsBlock& b) { return readField(b, DoubleWideField); }
uint8_t doubleStrike(const SettingsBlock& b) { return readField(b, DoubleStrikeField); }
uint8_t bold(const SettingsBlock& b) { return readField(b, BoldField); }
uint8_t doubleHigh(const SettingsBlock& b) { return readField(b, DoubleHighField); }
uint8_t italics(const SettingsBlock& b) { return readField(b, ItalicsField); }
uint8_t autoOnline(const SettingsBlock& b) { return readField(b, AutoOnlineField); }
uint8_t autoFeedXT(const SettingsBlock& b) { return readField(b, AutoFeedXTField); }
uint8_t printPass(const SettingsBlock& b) { return readField(b, PrintPassField); }
uint8_t bufferControl(const SettingsBlock& b) { return readField(b, BufferControlField); }
uint8_t parity(const SettingsBlock& b) { return readField(b, ParityField); }
uint8_t baudRate(const SettingsBlock& b) { return readField(b, BaudRateField); }
uint8_t signalPolarity(const SettingsBlock& b) { return readField(b, SignalPolarityField); }
uint8_t dataLength(const SettingsBlock& b) { return readField(b, DataLengthField); }
uint8_t protocol(const SettingsBlock& b) { return readField(b, ProtocolField); }
uint8_t pointSize(const SettingsBlock& b) { return b.bytes[PointSizeOffset]; }
uint16_t lineSpacing(const SettingsBlock& b) { return readWord(b, LineSpacingOffset); }
uint16_t pageLength(const SettingsBlock& b) { return readWord(b, PageLengthOffset); }
uint16_t topMargin(const SettingsBlock& b) { return readWord(b, TopMarginOffset); }
uint16_t bottomMargin(const SettingsBlock& b) { return readWord(b, BottomMarginOffset); }
uint16_t leftMargin(const SettingsBlock& b) { return readWord(b, LeftMarginOffset); }
uint16_t rightMargin(const SettingsBlock& b) { return readWord(b, RightMarginOffset); }
uint8_t centeringPosition(const SettingsBlock& b) { return b.bytes[CenteringPositionOffset]; }
uint16_t tractorTof(const SettingsBlock& b) { return readWord(b, TractorTofOffset); }
uint16_t frictionTof(const SettingsBlock& b) { return readWord(b, FrictionTofOffset); }

// Words are little-endian in the block whatever the host. An offset that
// leaves no room for two bytes reads 0 and writes nothing.
uint16_t readWord(const SettingsBlock& b, int offset) {
    if (offset < 0 || offset > static_cast<int>(sizeof b.bytes) - 2) return 0;
    return static_cast<uint16_t>(b.bytes[offset] | (b.bytes[offset + 1] << 8));
}

void writeWord(SettingsBlock& b, int offset, uint16_t value) {
    if (offset < 0 || offset > static_cast<int>(sizeof b.bytes) - 2) return;
    b.bytes[offset] = static_cast<uint8_t>(value & 0xFF);
    b.bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

SettingsBlock packSettings(const PageChoices& c, uint8_t modelVariant, const SettingsBlock& start) {
    const bool variant = modelVariant == 1;
    SettingsBlock out = start;
    // The bytes of bit fields start empty, so that bits no field owns go out
    // as 0 whatever the starting block held; byte 2's top bit is always set.
    std::memset(out.bytes, 0, PointSizeOffset);
    out.bytes[2] = 0x80;

    packField(out, start, EmulationField, c.emulation);
    // The list the character set was chosen from depends on the emulation
    // the block ends up with, which is the start's when none is selected.
    packField(out, start, CharacterSetField, characterSetCode(c.characterSet, emulation(out) == 1 || variant));
    packField(out, start, InternationalCharacterField, c.internationalCharacter);
    packField(out, start, CodePageField, c.codePage);

    packField(out, start, AutoCRField, c.autoCR);
    packField(out, start, AutoLFField, c.autoLF);
    packField(out, start, AutoLoadField, c.autoLoad);
    packField(out, start, AgmField, c.agm);
    packField(out, start, PaperOutDetectField, c.paperOutDetect);

    packField(out, start, ZeroFontField, c.zeroFont);
    packField(out, start, GraphicDirectionField, c.graphicDirection);
    packField(out, start, TextDirectionField, c.textDirection);
    packField(out, start, TearOffField, c.tearOff);

    // A font position without a pair in the table packs as code 0 (Draft).
    uint8_t fontCode = 0;
    fontCodeForIndex(modelVariant, c.font, &fontCode);
    packField(out, start, FontField, fontCode);
    // Only the ten pitches of the list have a geometry; anything else keeps
    // the start's pitch rather than inventing one.
    packField(out, start, PitchField, pitchGeometryRow(c.pitch) ? c.pitch : -1);

    packField(out, start, ShadowField, c.shadow);
    packField(out, start, OutlineField, c.outline);
    packField(out, start, DoubleWideField, c.doubleWide);
    packField(out, start, DoubleStrikeField, c.doubleStrike);
    packField(out, start, BoldField, c.bold);
    packField(out, start, DoubleHighField, c.doubleHigh);
    packField(out, start, ItalicsField, c.italics);
    packField(out, start, AutoOnlineField, c.autoOnline);

    packField(out, start, AutoFeedXTField, c.autoFeedXT);

    packField(out, start, BufferControlField, c.bufferControl);
    packField(out, start, ParityField, c.parity);
    packField(out, start, BaudRateField, c.baudRate);
    // The standard model has no print pass: its bit stays 0 whatever the
    // (hidden) list shows and whatever the starting block held.
    if (variant) packField(out, start, PrintPassField, c.printPass);

    packField(out, start, SignalPolarityField, c.signalPolarity);
    packField(out, start, DataLengthField, c.dataLength);
    packField(out, start, ProtocolField, c.protocol);

    const ValueRow* size = pointSizeRow(c.pointSize);
    out.bytes[PointSizeOffset] = size ? size->code : start.bytes[PointSizeOffset];

    uint16_t spacing = readWord(start, LineSpacingOffset);
    if (c.lineSpacing == LineSpacingScalableIndex) {
        // "Scalable" follows the point size chosen beside it.
        if (size) spacing = size->value;
    } else {
        lineSpacingForIndex(c.lineSpacing, &spacing);
    }
    writeWord(out, LineSpacingOffset, spacing);

    // Any page length position without a fixed length counts as "Free",
    // including a list without a selection.
    uint16_t length = 0;
    if (c.pageLength >= PageLengthFreeIndex || !pageLengthForIndex(c.pageLength, &length))
        length = scaledWord(c.freePageLength, 6);
    writeWord(out, PageLengthOffset, length);

    // Entries are in 1/180 inch; the block counts 1/1080 inch. The edit
    // fields are short enough that the products fit a word.
    writeWord(out, TopMarginOffset, scaledWord(c.topMargin, 6));
    writeWord(out, BottomMarginOffset, scaledWord(c.bottomMargin, 6));

    const uint16_t pitchClassBits = static_cast<uint16_t>(pitchClass(pitch(out)) << PitchClassShift);
    writeWord(out, LeftMarginOffset,
              static_cast<uint16_t>(pitchClassBits | (c.leftMargin & MarginColumnsMask)));
    writeWord(out, RightMarginOffset,
              static_cast<uint16_t>(pitchClassBits | (c.rightMargin & MarginColumnsMask)));

    out.bytes[CenteringPositionOffset] = static_cast<uint8_t>(c.centeringPosition & 0xFF);

    // Top-of-form positions: 1/180 inch entries, 1/360 inch in the block.
    writeWord(out, TractorTofOffset, scaledWord(c.tractor, 2));
    writeWord(out, FrictionTofOffset, scaledWord(c.friction, 2));
    return out;
}

int asciiToInt(const char* text) {
    if (!text) return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    long long value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10 + (*p - '0');
        // Past INT_MAX every further digit only saturates.
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
        ++p;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return static_cast<int>(value);
}
