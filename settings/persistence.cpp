#include "settings/persistence.h"

#include <windows.h>

#include <vector>

#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/settings_state.h"
#include "common/window_helpers.h"

namespace {

constexpr const char* SelectedCountryValue = "SelectedCountry";
constexpr const char* ModelValue = "Model";
constexpr const char* SettingsValue = "Settings";

// Long paths (\\?\ prefixes, deep folders) can exceed MAX_PATH; past this
// the path is not worth chasing.

// Closes the key on every way out of the function that opened it.
struct RegistryKey {
    HKEY handle = nullptr;
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (handle) RegCloseKey(handle);
    }
};

// The key path is string 413; without it there is no key to open, and an
// empty path would open the hive's root instead.
std::string programKeyPath() { return loadString(IDS_REGISTRY_KEY); }

// Opens the program's key with full access, creating it when `create` is set
// and it does not exist yet.
bool openProgramKey(RegistryKey& key, bool create) {
    const std::string path = programKeyPath();
    if (path.empty()) return false;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key.handle) == ERROR_SUCCESS)
        return true;
    key.handle = nullptr;  // a failed call promises nothing about the handle
    if (!create) return false;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key.handle, nullptr) == ERROR_SUCCESS)
        return true;
    key.handle = nullptr;
    return false;
}

// A DWORD value, only when it is stored as one: a value of another type or
// size counts as missing.
bool queryDword(HKEY key, const char* name, DWORD* value) {
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_DWORD || size != sizeof data) return false;
    *value = data;
    return true;
}

// The stored block, only when it is exactly a 32-byte binary value; it is
// read into a scratch block first so that a short value never leaves part
// of the current block stale.
bool querySettingsBlock(HKEY key, SettingsBlock* block) {
    DWORD type = 0;
    SettingsBlock stored{};
    DWORD size = sizeof stored.bytes;
    if (RegQueryValueExA(key, SettingsValue, nullptr, &type, stored.bytes, &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_BINARY || size != sizeof stored.bytes) return false;
    *block = stored;
    return true;
}

bool setDword(HKEY key, const char* name, DWORD value) {
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}

}  // namespace

std::string iniPathFor(const std::string& executablePath) {
    const size_t nameStart = executablePath.find_last_of("\\/:");
    const size_t dot = executablePath.find_last_of('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart))
        return executablePath + ".ini";
    return executablePath.substr(0, dot + 1) + "ini";
}

std::string programIniPath(const char* fileName) {
    const std::string exePath = executablePath();
    if (exePath.empty() || !fileName) return exePath.empty() ? exePath : iniPathFor(exePath);
    return exePath.substr(0, exePath.find_last_of("\\/:") + 1) + fileName;
}

bool loadStoredSettings() { return loadStoredSettings(programIniPath()); }

uint8_t readModelVariant(const std::string& iniPath) {
    // Without a whole path to our own executable there is no INI file to read,
    // which behaves like a missing one.
    const UINT model = iniPath.empty() ? 0 : GetPrivateProfileIntA("Main", "Model", 0, iniPath.c_str());
    return static_cast<uint8_t>(model & 0xFF);
}

bool loadStoredSettings(const std::string& iniPath) {
    ModelVariant = readModelVariant(iniPath);

    RegistryKey key;
    if (!openProgramKey(key, false)) return false;

    DWORD country = 0;
    if (!queryDword(key.handle, SelectedCountryValue, &country)) return false;
    CountryIndex = static_cast<uint8_t>(country & 0xFF);
    // Only an edited registry holds a country past the table. Its settings
    // may still be good, but the index itself must never pick a row or a
    // list entry, so it becomes the first country.
    if (CountryIndex >= CountryRowCount) CountryIndex = 0;

    DWORD storedModel = 0;
    if (queryDword(key.handle, ModelValue, &storedModel) && (storedModel & 0xFF) != ModelVariant)
        return false;

    // Missing settings fall back to the stored country's row, on the model
    // variant too: the country alone chooses it.
    if (!querySettingsBlock(key.handle, &currentBlock)) currentBlock = CountryDefaultTable[CountryIndex];
    return true;
}

bool storedValueDamaged(std::string* name) {
    RegistryKey key;
    if (!openProgramKey(key, false)) return false;
    const struct {
        const char* name;
        DWORD type;
        DWORD size;
    } values[] = {{SelectedCountryValue, REG_DWORD, sizeof(DWORD)},
                  {ModelValue, REG_DWORD, sizeof(DWORD)},
                  {SettingsValue, REG_BINARY, sizeof currentBlock.bytes}};
    for (const auto& value : values) {
        DWORD type = 0, size = 0;
        if (RegQueryValueExA(key.handle, value.name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            continue;
        if (type == value.type && size == value.size) continue;
        *name = value.name;
        return true;
    }
    return false;
}

bool storeSettings() {
    RegistryKey key;
    if (!openProgramKey(key, true)) return false;

    if (!setDword(key.handle, SelectedCountryValue, CountryIndex)) return false;
    if (!setDword(key.handle, ModelValue, ModelVariant)) return false;
    return RegSetValueExA(key.handle, SettingsValue, 0, REG_BINARY, currentBlock.bytes,
                          sizeof currentBlock.bytes) == ERROR_SUCCESS;
}
