#include "spool_failures.h"

#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <vector>

namespace {
std::string spoolDirectory() {
    char system[MAX_PATH];
    const UINT length = GetSystemDirectoryA(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    return std::string(system, length) + "\\spool\\printers";
}

std::string unixPath(const std::string& path) {
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    // Wine's own export; through void* because the two function types differ.
    void* const exported =
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
    if (!exported) return std::string();
    std::vector<WCHAR> wide(path.size() + 1);
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    char* name = reinterpret_cast<UnixFileName>(exported)(wide.data());
    if (!name) return std::string();
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Wine starts Unix programs too, but cannot wait for them: callers watch for
// the program's effect.
bool startUnix(const char* program, std::string commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    return true;
}

// Listed in its directory. (Wine reports no attributes for a link to a device.)
bool listed(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

bool waitUntilListed(const std::string& path, bool wanted) {
    for (int i = 0; i < 300; ++i) {
        if (listed(path) == wanted) return true;
        Sleep(10);
    }
    return false;
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
        const size_t slash = path.rfind('\\');
        char expected[32], following[32];
        snprintf(expected, sizeof expected, "%05lu.SPL", static_cast<unsigned long>(job->JobId));
        snprintf(following, sizeof following, "%05lu.SPL", static_cast<unsigned long>(job->JobId + 1));
        // Only when the spool files are named as assumed.
        if (slash != std::string::npos && _stricmp(path.c_str() + slash + 1, expected) == 0)
            next = path.substr(0, slash + 1) + following;
    }
    ClosePrinter(printer);
    // Job numbers restart with each process, and a job whose port failed
    // leaves its spool file behind: clear what an earlier run left there.
    if (!next.empty() && listed(next) && !DeleteFileA(next.c_str())) return std::string();
    return next;
}

bool linkToDevFull(const std::string& path) {
    const std::string target = unixPath(path);
    if (target.empty() || listed(path)) return false;
    if (!startUnix("/bin/ln", "ln -s /dev/full \"" + target + "\"")) return false;
    return waitUntilListed(path, true);
}

bool removeSpoolLinks() {
    const std::string directory = spoolDirectory();
    const std::string target = unixPath(directory);
    if (target.empty()) return false;
    if (!startUnix("/usr/bin/find", "find \"" + target + "\" -maxdepth 1 -type l -delete")) return false;
    // Done when no spool file is a link any more: the links are the entries
    // GetFileAttributesA cannot read.
    for (int i = 0; i < 300; ++i) {
        bool linkLeft = false;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((directory + "\\*.SPL").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string file = directory + "\\" + found.cFileName;
                if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) linkLeft = true;
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        if (!linkLeft) return true;
        Sleep(10);
    }
    return false;
}
