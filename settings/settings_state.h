// Process-wide settings state of the run: the model variant read at start-up,
// the country the current block came from, and the current block itself.
// Portable: no platform headers.
#pragma once

#include <cstdint>

#include "settings_block.h"

extern uint8_t ModelVariant;   // only 1 selects the variant
extern uint8_t CountryIndex;   // row of CountryDefaultTable
extern SettingsBlock currentBlock;

// The model a ModelVariant value selects: 1 the variant, any other value the
// standard model (0), as profiles, captures and listings name it.
inline uint8_t modelOf(uint8_t modelVariant) { return modelVariant == 1 ? 1 : 0; }
