// Process-wide settings state of the run: the model variant read at start-up,
// the country the current block came from, and the current block itself.
// Portable: no platform headers.
#pragma once

#include <cstdint>

#include "settings_block.h"

extern uint8_t ModelVariant;   // only 1 selects the variant
extern uint8_t CountryIndex;   // row of CountryDefaultTable
extern SettingsBlock currentBlock;
