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
    // None: that nothing is stored, and how a set comes to be; Damaged:
    // where the set lies and what is wrong with it.
    std::string problem;
};

StoredSet loadStoredSet();

// Stores `block` for `modelVariant`; false with the reason, the stored set
// then being as it was.
bool storeStoredSet(const SettingsBlock& block, uint8_t modelVariant, std::string* failure);

// The model a profile must be made for to be imported or sent, and what
// names it: in quillset.exe corvex.ini's, as corvex.exe runs; natively -1,
// any model, the stored set then taking the profile's.
int requiredModel();
std::string requiredModelSource();
