// The program's registry key in the test prefix, read and reset directly.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

constexpr const char* ProgramKeyPath = "Software\\Velmora\\DX-4170";

// Deletes the key with all its values, so a test starts as a first run.
void resetProgramKey();
bool programKeyExists();

struct StoredValue {
    DWORD type = 0;
    std::vector<uint8_t> data;
};
// A value of the program's key, or nothing when the key or value is missing.
std::optional<StoredValue> readProgramValue(const char* name);
// Writes a value of any type and size (the key is created when missing).
void writeProgramValue(const char* name, DWORD type, const void* data, DWORD size);
void writeProgramDword(const char* name, DWORD value);
void deleteProgramValue(const char* name);
// A REG_DWORD value, or nothing when it is missing or not a 4-byte DWORD.
std::optional<DWORD> readProgramDword(const char* name);
