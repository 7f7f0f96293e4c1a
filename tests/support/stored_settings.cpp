#include "stored_settings.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

void resetProgramKey() { RegDeleteTreeA(HKEY_CURRENT_USER, ProgramKeyPath); }

void storeProgramSettings(int country, int model, const SettingsBlock& block) {
    const DWORD values[] = {static_cast<DWORD>(country), static_cast<DWORD>(model)};
    writeProgramValue("SelectedCountry", REG_DWORD, &values[0], 4);
    writeProgramValue("Model", REG_DWORD, &values[1], 4);
    writeProgramValue("Settings", REG_BINARY, block.bytes, sizeof block.bytes);
}

void writeProgramValue(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, ProgramKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    if (type == REG_NONE)
        RegDeleteValueA(key, name);
    else
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

namespace {
// A value of `type` and exactly `size` bytes; false otherwise.
bool readValue(const char* name, DWORD type, void* data, DWORD size) {
    DWORD foundType = 0, foundSize = size + 1;  // room to see a longer value
    std::vector<BYTE> buffer(foundSize);
    if (RegGetValueA(HKEY_CURRENT_USER, ProgramKeyPath, name, RRF_RT_ANY, &foundType, buffer.data(),
                     &foundSize) != ERROR_SUCCESS ||
        foundType != type || foundSize != size)
        return false;
    std::memcpy(data, buffer.data(), size);
    return true;
}
}  // namespace

std::optional<DWORD> readProgramDword(const char* name) {
    DWORD value = 0;
    return readValue(name, REG_DWORD, &value, 4) ? std::optional<DWORD>(value) : std::nullopt;
}

SettingsBlock storedBlock() {
    SettingsBlock block = {};
    readValue("Settings", REG_BINARY, block.bytes, sizeof block.bytes);
    return block;
}

ULONGLONG programKeyWriteTime() {
    FILETIME time = {};
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ProgramKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, &time);
    RegCloseKey(key);
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

std::string iniPathBeside(const std::string& exePath) {
    char own[MAX_PATH] = "";
    if (exePath.empty() && GetModuleFileNameA(nullptr, own, sizeof own) >= sizeof own)
        own[0] = '\0';  // cut short
    const std::string path = exePath.empty() ? own : exePath;
    return path.substr(0, path.find_last_of('.')) + ".ini";
}

void writeIni(const char* content, const std::string& exePath) {
    const std::string path = iniPathBeside(exePath);
    DeleteFileA(path.c_str());
    if (content) std::ofstream(path, std::ios::binary) << content;
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // drop any cached copy
}

std::string testDirectory() {
    const std::string own = iniPathBeside();
    return own.substr(0, own.rfind('\\') + 1);
}

std::string readFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
