// The character-table sample files: the two lists the "Print Character
// Table" dialog offers (one per emulation) and the .PRN file each entry
// sends. Portable (no platform headers), so that the build's page generator
// and a command-line caller name the same files as the dialog.
#pragma once

#include <cstdint>

// The emulation positions of the dialog's first list are the pages' own.
#include "settings/value_tables.h"

// Entries in the table list of `emulation` (0 EPSON, anything else IBM):
// the tables from "KU (EPSON) 3Pass" on exist only for model variant 1.
int characterTableCount(int emulation, uint8_t modelVariant);

// The string id of the list's first entry; the entries follow consecutively.
unsigned characterTableFirstString(int emulation);

// The file of entry `position` in the list of `emulation`; nullptr for a
// position outside that list (as the model variant sizes it).
const char* characterTableFileName(int emulation, int position, uint8_t modelVariant);
