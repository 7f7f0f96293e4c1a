#include "settings/country_defaults.h"

namespace {

// Every factory row is the same block but for the emulation and character
// sets (byte 0), the code page (byte 1) and the page length.
constexpr SettingsBlock factoryRow(uint8_t byte0, uint8_t codePage, uint16_t pageLength) {
    return SettingsBlock{{
        byte0, codePage,
        0x94,  // Auto load and Paper out detect On; Auto CR, Auto LF, A.G.M. Off
        0x00,  // Zero font Normal, both directions Bi, Tear off Manual
        0x00,  // Draft at 10 CPI
        0x01,  // Auto Online On, no enhancements
        0x20,  // Auto feed XT Off
        0x06,  // 22 KB buffer, no parity, 9600 baud
        0x00,  // Mark, 8 bit, DTR
        21,    // 10.5 points
        180, 0,  // 6 lines per inch
        static_cast<uint8_t>(pageLength & 0xFF), static_cast<uint8_t>(pageLength >> 8),
        0, 0,    // top margin
        0, 0,    // bottom margin
        0, 0,    // left margin, 10 CPI class
        80, 0,   // right margin: 80 columns, 10 CPI class
        40,      // centering position
        0, 0, 0, 0, 0, 0, 0, 0, 0,
    }};
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
