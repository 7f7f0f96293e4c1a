// What brindle's tests share: where the built library is, a handle that frees
// it again, and INF files in the prefix's INF directory.
#pragma once

#include <windows.h>

#include <string>

// The built brindle.dll as a Windows path.
std::string brindlePath();

// Loads brindle.dll for one test and frees it when the test is done.
struct LoadedBrindle {
    HMODULE module = LoadLibraryA(brindlePath().c_str());
    ~LoadedBrindle() {
        if (module) FreeLibrary(module);
    }
};

// The installer's view of the export.
using UninstallOemInf = BOOL(WINAPI*)(PCSTR);
UninstallOemInf findUninstall(HMODULE module);

// %windir%\inf\<name>, where the Setup API looks for OEM INF files.
std::string infPath(const std::string& name);
// Writes a small INF file there; false when it could not be written.
bool placeInf(const std::string& name);
bool fileExists(const std::string& path);
