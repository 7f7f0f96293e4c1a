// The stored set in quillset.exe: corvex.exe's own, in the registry, with
// the model corvex.ini beside quillset.exe names, read and written by the
// window's persistence code so that both programs always agree.
#include <windows.h>

#include "cli/stored_set.h"
#include "settings/persistence.h"
#include "settings/settings_state.h"

namespace {

// The window's INI file: quillset keeps to the model variant corvex.exe
// runs as, never to an INI file of its own.
constexpr const char* WindowIniFile = "corvex.ini";

}  // namespace

StoredSet loadStoredSet() {
    StoredSet stored;
    const bool found = loadStoredSettings(programIniPath(WindowIniFile));
    std::string value;
    if (storedValueDamaged(&value)) {
        stored.state = StoredSet::Damaged;
        stored.problem = "the stored settings are unreadable: the registry value " + value +
                         " is not as corvex.exe stores it; nothing was read, sent or stored";
        return stored;
    }
    stored.modelVariant = modelOf(ModelVariant);
    if (!found) {
        // A set stored later starts its country list at the top.
        CountryIndex = 0;
        stored.problem =
            "no settings are stored for this model variant yet; corvex.exe stores them when it starts";
        return stored;
    }
    stored.state = StoredSet::Loaded;
    stored.block = currentBlock;
    return stored;
}

bool storeStoredSet(const SettingsBlock& block, uint8_t modelVariant, std::string* failure) {
    currentBlock = block;
    // corvex.ini's own value stays as it is written when it names this model.
    if (modelOf(ModelVariant) != modelVariant) ModelVariant = modelVariant;
    if (storeSettings()) return true;
    *failure = "the settings could not be stored in the registry";
    return false;
}

// Read as corvex.exe reads corvex.ini: only a Model whose low byte is 1 is
// the variant.
int requiredModel() { return modelOf(readModelVariant(programIniPath(WindowIniFile))); }

std::string requiredModelSource() { return WindowIniFile; }
