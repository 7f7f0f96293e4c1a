// What the pages would show for a block: the list positions and entries a
// user would see after the block was loaded, as packing takes them back.
#pragma once

#include <cstdint>

#include "settings/settings_block.h"

PageChoices choicesShownFor(const SettingsBlock& block, uint8_t modelVariant);
