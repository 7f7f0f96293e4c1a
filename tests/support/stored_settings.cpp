#include "stored_settings.h"

#include <cstring>
#include <fstream>

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

std::optional<std::vector<uint8_t>> readProgramValue(const char* name, DWORD* type) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ProgramKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<uint8_t> data(64);
    DWORD size = static_cast<DWORD>(data.size());
    const LONG status = RegQueryValueExA(key, name, nullptr, type, data.data(), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    data.resize(size);
    return data;
}

std::optional<DWORD> readProgramDword(const char* name) {
    DWORD type = 0, value = 0;
    const auto data = readProgramValue(name, &type);
    if (!data || type != REG_DWORD || data->size() != 4) return std::nullopt;
    std::memcpy(&value, data->data(), 4);
    return value;
}

SettingsBlock storedBlock() {
    SettingsBlock block = {};
    DWORD type = 0;
    const auto data = readProgramValue("Settings", &type);
    if (data && type == REG_BINARY && data->size() == sizeof block.bytes)
        std::memcpy(block.bytes, data->data(), sizeof block.bytes);
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
    std::string path = exePath;
    if (path.empty()) {
        char own[MAX_PATH];
        const DWORD length = GetModuleFileNameA(nullptr, own, sizeof own);
        path.assign(own, length < sizeof own ? length : 0);
    }
    return path.substr(0, path.find_last_of('.')) + ".ini";
}

void writeIni(const char* content, const std::string& exePath) {
    const std::string path = iniPathBeside(exePath);
    DeleteFileA(path.c_str());
    if (content) std::ofstream(path, std::ios::binary) << content;
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // drop any cached copy
}
