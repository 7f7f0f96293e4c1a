// Process-wide state of the run: the model variant read at start-up, the
// country the current block came from, the current block itself, and what the
// window keeps between two messages. Portable: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "settings_block.h"

extern uint8_t ModelVariant;   // only 1 selects the variant
extern uint8_t CountryIndex;   // row of CountryDefaultTable
extern SettingsBlock currentBlock;

// The model a ModelVariant value selects: 1 the variant, any other value the
// standard model (0), as profiles, captures and listings name it.
inline uint8_t modelOf(uint8_t modelVariant) { return modelVariant == 1 ? 1 : 0; }

constexpr uint8_t NoPageShown = 255;

// What the window remembers between messages, beyond what its controls show.
struct WindowState {
    uint8_t charsetListEmulation = 0;  // emulation the Character set list was built for
    uint16_t leftMarginPosition = 0;   // left margin in 1/1440 inch
    uint16_t rightMarginPosition = 0;  // right margin in 1/1440 inch
    uint8_t ShownPage = NoPageShown;   // last page shown, NoPageShown before the first
    std::string rememberedPrinterName; // the queue confirmed last in Select Printer
};
extern WindowState windowState;
