// What the program keeps between runs, read and written directly: its
// registry key in the test prefix and the INI file beside an executable.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "settings/settings_block.h"

constexpr const char* ProgramKeyPath = "Software\\Velmora\\DX-4170";

// Deletes the key with all its values, so a test starts as a first run.
void resetProgramKey();
// A complete stored set, as a finished earlier run leaves it.
void storeProgramSettings(int country, int model, const SettingsBlock& block);
// Writes a value of any type and size (the key is created when missing);
// REG_NONE deletes the value.
void writeProgramValue(const char* name, DWORD type, const void* data, DWORD size);
std::optional<DWORD> readProgramDword(const char* name);  // only a 4-byte REG_DWORD
SettingsBlock storedBlock();                              // all zero unless 32 bytes REG_BINARY
// Last write time of the key, to prove that nothing was stored. Wine leaves
// the time alone for a write of identical data: it shows changes only.
ULONGLONG programKeyWriteTime();

// The INI file the program reads beside `exePath` (an empty path: this test
// executable); a null `content` deletes it.
std::string iniPathBeside(const std::string& exePath = std::string());
void writeIni(const char* content, const std::string& exePath = std::string());

// This test executable's folder, with its closing backslash.
std::string testDirectory();
// A file's whole content, byte for byte; empty when it cannot be read.
std::string readFileBytes(const std::string& path);
