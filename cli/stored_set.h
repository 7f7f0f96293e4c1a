// The stored set: the settings quillset last sent to every queue it was
// asked to, or imported, from which later commands start (--stored). One
// side is chosen by the build: in quillset.exe, corvex.exe's own (the
// registry, with the model of corvex.ini); natively a settings profile with
// its model in the user's configuration folder. Failures come back as text,
// never printed here; a set that cannot be read is never taken for the
// factory defaults.
#pragma once

#include <cstdint>
#include <string>

#include "settings/settings_block.h"

struct StoredSet {
    enum State { None, Loaded, Damaged };
    State state = None;
    SettingsBlock block{};
    uint8_t modelVariant = 0;
    std::string problem;  // Damaged: where the set lies and what is wrong with it
};

StoredSet loadStoredSet();

// Stores `block` for `modelVariant`; false with the reason, the stored set
// then being as it was.
bool storeStoredSet(const SettingsBlock& block, uint8_t modelVariant, std::string* failure);

// Where the stored set lies, for messages.
std::string storedSetPlace();
