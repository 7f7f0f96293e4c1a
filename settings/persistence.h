// Keeping the settings between runs: the model variant from the INI file
// beside the executable, and the current block with its country and model
// variant in the current user's registry.
#pragma once

#include <string>

// The INI path for an executable path: everything after the last "." becomes
// "ini". A path without a "." (in its file name) gets ".ini" appended.
std::string iniPathFor(const std::string& executablePath);

// The INI file of the running executable (its own path with "ini"), or, with
// a file name, the file of that name in the executable's directory: the
// command line reads the window's corvex.ini. "" when the executable's path
// cannot be had whole.
std::string programIniPath(const char* fileName = nullptr);

// The ModelVariant an INI file names: the low byte of [Main] Model, 0 when
// the file, the key or the path ("") is missing. corvex.exe and quillset
// both read corvex.ini through this, and both take only 1 as the variant
// (modelOf).
uint8_t readModelVariant(const std::string& iniPath);

// Reads ModelVariant from `iniPath` ("" reads as a missing file), then the
// registry; true when currentBlock, CountryIndex and ModelVariant are ready,
// false when the caller must choose defaults. Values of the wrong type or
// size count as missing. A stored country past CountryDefaultTable becomes 0,
// the stored Settings still being used (or, when they are missing too, row 0).
bool loadStoredSettings(const std::string& iniPath);
// The same with the running executable's own INI file.
bool loadStoredSettings();

// Whether a SelectedCountry, Model or Settings value is stored with another
// type or size than loading takes: loading reads it as missing, which a
// program that must not fall back to defaults needs to tell apart. `name`
// gets the first such value's name.
bool storedValueDamaged(std::string* name);

// Writes SelectedCountry, Model and Settings; false on the first failure.
bool storeSettings();
