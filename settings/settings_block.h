// The 32-byte settings block: the one form in which the printer's power-on
// menu settings travel (registry value, default rows, transfer stream, pages).
// Portable: no platform headers.
#pragma once

#include <cstdint>

// Raw bytes, so that the record is exactly what the printer and the registry
// hold whatever the compiler's packing or the host's endianness.
struct SettingsBlock {
    uint8_t bytes[32];
};
static_assert(sizeof(SettingsBlock) == 32, "SettingsBlock must be exactly 32 bytes");

bool operator==(const SettingsBlock& a, const SettingsBlock& b);
inline bool operator!=(const SettingsBlock& a, const SettingsBlock& b) { return !(a == b); }

// Field accessors. Each reads the bits of its field as the block lays them
// out (16-bit fields little-endian) and returns the value right-aligned.
uint8_t emulation(const SettingsBlock& b);               // byte 0 bit 6
uint8_t characterSet(const SettingsBlock& b);            // byte 0 bits 5-4
uint8_t internationalCharacter(const SettingsBlock& b);  // byte 0 bits 3-0
uint8_t codePage(const SettingsBlock& b);                // byte 1
uint8_t autoCR(const SettingsBlock& b);                  // byte 2 bit 6
uint8_t autoLF(const SettingsBlock& b);                  // byte 2 bit 5
uint8_t autoLoad(const SettingsBlock& b);                // byte 2 bit 4
uint8_t agm(const SettingsBlock& b);                     // byte 2 bit 3
uint8_t paperOutDetect(const SettingsBlock& b);          // byte 2 bit 2
uint8_t zeroFont(const SettingsBlock& b);                // byte 3 bits 7-6
uint8_t graphicDirection(const SettingsBlock& b);        // byte 3 bit 5
uint8_t textDirection(const SettingsBlock& b);           // byte 3 bit 4
uint8_t tearOff(const SettingsBlock& b);                 // byte 3 bit 0
uint8_t pitch(const SettingsBlock& b);                   // byte 4 bits 7-4
uint8_t font(const SettingsBlock& b);                    // byte 4 bits 3-0
uint8_t shadow(const SettingsBlock& b);                  // byte 5 bit 7
uint8_t outline(const SettingsBlock& b);                 // byte 5 bit 6
uint8_t doubleWide(const SettingsBlock& b);              // byte 5 bit 5
uint8_t doubleStrike(const SettingsBlock& b);            // byte 5 bit 4
uint8_t bold(const SettingsBlock& b);                    // byte 5 bit 3
uint8_t doubleHigh(const SettingsBlock& b);              // byte 5 bit 2
uint8_t italics(const SettingsBlock& b);                 // byte 5 bit 1
uint8_t autoOnline(const SettingsBlock& b);              // byte 5 bit 0
uint8_t autoFeedXT(const SettingsBlock& b);              // byte 6 bit 5
uint8_t printPass(const SettingsBlock& b);               // byte 7 bit 7
uint8_t bufferControl(const SettingsBlock& b);           // byte 7 bits 6-5
uint8_t parity(const SettingsBlock& b);                  // byte 7 bits 4-3
uint8_t baudRate(const SettingsBlock& b);                // byte 7 bits 2-0
uint8_t signalPolarity(const SettingsBlock& b);          // byte 8 bit 4
uint8_t dataLength(const SettingsBlock& b);              // byte 8 bit 3
uint8_t protocol(const SettingsBlock& b);                // byte 8 bit 2
uint8_t pointSize(const SettingsBlock& b);               // byte 9
uint16_t lineSpacing(const SettingsBlock& b);            // bytes 10-11
uint16_t pageLength(const SettingsBlock& b);             // bytes 12-13
uint16_t topMargin(const SettingsBlock& b);              // bytes 14-15
uint16_t bottomMargin(const SettingsBlock& b);           // bytes 16-17
uint16_t leftMargin(const SettingsBlock& b);             // bytes 18-19, whole word
uint16_t rightMargin(const SettingsBlock& b);            // bytes 20-21, whole word
uint8_t centeringPosition(const SettingsBlock& b);       // byte 22
uint16_t tractorTof(const SettingsBlock& b);             // bytes 24-25
uint16_t frictionTof(const SettingsBlock& b);            // bytes 26-27

uint16_t readWord(const SettingsBlock& b, int offset);
void writeWord(SettingsBlock& b, int offset, uint16_t value);

// A list on the pages with no entry selected.
constexpr int NoSelection = -1;

// What the pages show at the moment of packing: for each list its selected
// index (NoSelection when it has none), for each numeric entry its value.
struct PageChoices {
    int emulation = NoSelection;
    int characterSet = NoSelection;
    int internationalCharacter = NoSelection;
    int codePage = NoSelection;
    int autoCR = NoSelection;
    int autoLF = NoSelection;
    int autoLoad = NoSelection;
    int agm = NoSelection;
    int paperOutDetect = NoSelection;
    int zeroFont = NoSelection;
    int graphicDirection = NoSelection;
    int textDirection = NoSelection;
    int tearOff = NoSelection;
    int font = NoSelection;
    int pitch = NoSelection;
    int shadow = NoSelection;
    int outline = NoSelection;
    int doubleWide = NoSelection;
    int doubleStrike = NoSelection;
    int bold = NoSelection;
    int doubleHigh = NoSelection;
    int italics = NoSelection;
    int autoOnline = NoSelection;
    int autoFeedXT = NoSelection;
    int bufferControl = NoSelection;
    int parity = NoSelection;
    int baudRate = NoSelection;
    int printPass = NoSelection;
    int signalPolarity = NoSelection;
    int dataLength = NoSelection;
    int protocol = NoSelection;
    int pointSize = NoSelection;
    int lineSpacing = NoSelection;
    int pageLength = NoSelection;
    // Numeric entries, in the units the user enters them.
    int freePageLength = 0;     // 1/180 inch (up-down position)
    int topMargin = 0;          // 1/180 inch (edit text)
    int bottomMargin = 0;       // 1/180 inch (edit text)
    int leftMargin = 0;         // columns (edit text)
    int rightMargin = 0;        // columns (edit text)
    int centeringPosition = 0;  // columns (edit text)
    int tractor = 0;            // 1/180 inch (up-down position)
    int friction = 0;           // 1/180 inch (up-down position)
};

// Builds a block from the page choices. `start` supplies the bytes packing
// never writes (23 and 28 to 31) and every field whose list has no usable
// selection (none, or an index past its table or its bit field), except the
// Font, which then packs code 0 (Draft), and the Page length, which then
// counts as "Free". modelVariant 1 is the variant, anything else the
// standard model.
SettingsBlock packSettings(const PageChoices& choices, uint8_t modelVariant,
                           const SettingsBlock& start);

// The edit fields' conversion: leading blanks, optional sign, digits; no
// digits gives 0. Saturates instead of overflowing on absurd input.
int asciiToInt(const char* text);
