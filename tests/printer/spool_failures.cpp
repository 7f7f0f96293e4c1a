#include "spool_failures.h"

#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <vector>

namespace {
std::string spoolDirectory() {
    char system[MAX_PATH];
    const UINT length = GetSystemDirectoryA(system, MAX_PATH);
    return length && length < MAX_PATH ? std::string(system, length) + "\\spool\\printers" : std::string();
}

// Wine's own export; through void* because the two function types differ.
std::string unixPath(const std::string& path) {
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    void* const exported =
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
    std::vector<WCHAR> wide(path.size() + 1);
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    char* name = exported ? reinterpret_cast<UnixFileName>(exported)(wide.data()) : nullptr;
    const std::string result = name ? name : "";
    if (name) HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Wine starts a Unix program but cannot wait for it: wait until `done` holds.
bool runUnix(const char* program, std::string commandLine, bool (*done)(const std::string&),
             const std::string& path) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    for (int i = 0; i < 300 && !done(path); ++i) Sleep(10);
    return done(path);
}

// Listed in its directory; Wine reports no attributes for a link to a device.
bool listed(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    return search != INVALID_HANDLE_VALUE;
}

bool noLinkLeft(const std::string& directory) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "\\*.SPL").c_str(), &found);
    bool none = true;
    if (search == INVALID_HANDLE_VALUE) return true;
    do {
        none = none &&
               GetFileAttributesA((directory + "\\" + found.cFileName).c_str()) != INVALID_FILE_ATTRIBUTES;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return none;
}
}  // namespace

std::string nextSpoolFilePath(const std::string& queue) {
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(queue.c_str()), &printer, nullptr)) return std::string();
    std::vector<BYTE> buffer(4096);
    DWORD needed = 0;
    std::string next;
    if (AddJobA(printer, 1, buffer.data(), static_cast<DWORD>(buffer.size()), &needed)) {
        const auto* job = reinterpret_cast<const ADDJOB_INFO_1A*>(buffer.data());
        const std::string path = job->Path ? job->Path : "";
        char expected[32], following[32];
        snprintf(expected, sizeof expected, "\\%05lu.SPL", static_cast<unsigned long>(job->JobId));
        snprintf(following, sizeof following, "%05lu.SPL", static_cast<unsigned long>(job->JobId + 1));
        const size_t slash = path.rfind('\\');
        // Only when the spool files are named as assumed.
        if (slash != std::string::npos && _stricmp(path.c_str() + slash, expected) == 0)
            next = path.substr(0, slash + 1) + following;
    }
    ClosePrinter(printer);
    if (!next.empty() && listed(next) && !DeleteFileA(next.c_str())) return std::string();
    return next;
}

bool linkToDevFull(const std::string& path) {
    const std::string target = unixPath(path);
    return !target.empty() && !listed(path) &&
           runUnix("/bin/ln", "ln -s /dev/full \"" + target + "\"", listed, path);
}

bool removeSpoolLinks() {
    const std::string directory = spoolDirectory(), target = unixPath(directory);
    return !target.empty() && runUnix("/usr/bin/find", "find \"" + target + "\" -maxdepth 1 -type l -delete",
                                      noLinkLeft, directory);
}
