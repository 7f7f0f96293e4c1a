#include "settings/country_defaults.h"

namespace {

// Every factory row is the same block but for the emulation and character
// sets (byte 0), the code page (byte 1) and the page length.
constexpr SettingsBlock factoryRow(uint8_t byte0, uint8_t codePage, uint16_t pageLength) {
    SettingsBlock b{};  // everything not set below is 0, the reserved bytes too
    b.bytes[0] = byte0;
    b.bytes[1] = codePage;
    b.bytes[2] = 0x94;  // Auto load and Paper out detect On; Auto CR, Auto LF, A.G.M. Off
    b.bytes[5] = 0x01;  // Auto Online On, no enhancements; byte 4 0 is Draft at 10 CPI
    b.bytes[6] = 0x20;  // Auto feed XT Off
    b.bytes[7] = 0x06;  // 22 KB buffer, no parity, 9600 baud
    b.bytes[9] = 21;    // 10.5 points
    b.bytes[10] = 180;  // 6 lines per inch
    b.bytes[12] = static_cast<uint8_t>(pageLength & 0xFF);
    b.bytes[13] = static_cast<uint8_t>(pageLength >> 8);
    b.bytes[20] = 80;  // right margin 80 columns of the 10 CPI class, left margin 0
    b.bytes[22] = 40;  // centering position
    return b;
}

constexpr uint16_t ElevenInches = 11880;
constexpr uint16_t TwelveInches = 12960;

}  // namespace

const SettingsBlock CountryDefaultTable[CountryRowCount] = {
    factoryRow(0x00, 0, ElevenInches),   // USA
    factoryRow(0x00, 0, TwelveInches),   // Belgium
    factoryRow(0x70, 0, ElevenInches),   // Chile
    factoryRow(0x04, 0, TwelveInches),   // Denmark
    factoryRow(0x75, 0, TwelveInches),   // Finland
    factoryRow(0x31, 0, TwelveInches),   // France
    factoryRow(0x32, 0, TwelveInches),   // Germany
    factoryRow(0x06, 0, ElevenInches),   // Italy
    factoryRow(0x79, 0, TwelveInches),   // Norway
    factoryRow(0x70, 2, TwelveInches),   // Portugal
    factoryRow(0x07, 0, ElevenInches),   // Spain
    factoryRow(0x75, 0, TwelveInches),   // Sweden
    factoryRow(0x30, 5, ElevenInches),   // Turkey
    factoryRow(0x03, 0, ElevenInches),   // UK
    factoryRow(0x00, 0, ElevenInches),   // Other country
    factoryRow(0x00, 0, ElevenInches),   // never offered by the country list
    factoryRow(0x30, 18, ElevenInches),  // the model variant
};

SettingsBlock defaultBlockFor(uint8_t modelVariant, uint8_t countryIndex) {
    if (modelVariant == 1) return CountryDefaultTable[VariantDefaultRow];
    if (countryIndex >= CountryRowCount) return CountryDefaultTable[0];
    return CountryDefaultTable[countryIndex];
}
