// Keeping the settings between runs: the model variant from the INI file
// beside the executable, and the current block with its country and model
// variant in the current user's registry.
#pragma once

#include <string>

// The INI path for an executable path: everything after the last "." becomes
// "ini". A path without a "." (in its file name) gets ".ini" appended.
std::string iniPathFor(const std::string& executablePath);

// Reads ModelVariant, then the registry; true when currentBlock, CountryIndex
// and ModelVariant are ready, false when the caller must choose defaults.
// Values of the wrong type or size count as missing. A stored country past
// CountryDefaultTable becomes 0, the stored Settings still being used (or,
// when they are missing too, row 0).
bool loadStoredSettings();

// Writes SelectedCountry, Model and Settings; false on the first failure.
bool storeSettings();
