// Factory defaults per country, and the model variant's own row.
// Portable: no platform headers.
#pragma once

#include <cstdint>

#include "settings_block.h"

constexpr int CountryRowCount = 17;
constexpr int CountryListCount = 15;  // rows the country dialog offers
constexpr int VariantDefaultRow = 16;

extern const SettingsBlock CountryDefaultTable[CountryRowCount];

// Row 16 on model variant 1, otherwise the country's row. A country index
// outside the table (only possible through an edited registry) gives row 0
// rather than reading past the table.
SettingsBlock defaultBlockFor(uint8_t modelVariant, uint8_t countryIndex);
