#include "spool_failures.h"

#include <windows.h>
#include <winspool.h>

#include <cstdio>

namespace {
// Listed in its directory; Wine reports no attributes for a link to a device.
bool listed(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    return search != INVALID_HANDLE_VALUE;
}
}  // namespace

std::string nextSpoolFilePath(const std::string& queue) {
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(queue.c_str()), &printer, nullptr)) return std::string();
    BYTE buffer[4096];
    DWORD needed = 0;
    std::string next;
    if (AddJobA(printer, 1, buffer, sizeof buffer, &needed)) {
        const auto* job = reinterpret_cast<const ADDJOB_INFO_1A*>(buffer);
        const std::string path = job->Path ? job->Path : "";
        char expected[32];
        snprintf(expected, sizeof expected, "\\%05lu.SPL", static_cast<unsigned long>(job->JobId));
        // Only when the spool files are named as assumed.
        if (path.size() > 10 && _stricmp(path.c_str() + path.size() - 10, expected) == 0) {
            snprintf(expected, sizeof expected, "%05lu.SPL", static_cast<unsigned long>(job->JobId + 1));
            next = path.substr(0, path.size() - 9) + expected;
        }
    }
    ClosePrinter(printer);
    if (listed(next) && !DeleteFileA(next.c_str())) return std::string();
    return next;
}

bool linkToDevFull(const std::string& path) {
    // Wine's own export; through void* because the two function types differ.
    const auto unixName = reinterpret_cast<char*(CDECL*)(LPCWSTR)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    WCHAR wide[MAX_PATH];
    char* target = nullptr;
    if (!unixName || !MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH) ||
        !(target = unixName(wide)))
        return false;
    std::string line = R"(sh -c "ln -sf /dev/full \"$0\" || exit; i=0; while [ ! -e \"$0.done\" ] && )"
                       R"([ $i -lt 600 ]; do sleep 0.1; i=$((i + 1)); done; rm -f \"$0\" \"$0.done\"" ")" +
                       std::string(target) + "\"";
    HeapFree(GetProcessHeap(), 0, target);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION shell = {};
    if (!CreateProcessA("/bin/sh", &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &shell))
        return false;
    CloseHandle(shell.hProcess);
    CloseHandle(shell.hThread);
    // Wine starts a Unix program but cannot wait for it.
    for (int i = 0; i < 300 && !listed(path); ++i) Sleep(10);
    return listed(path);
}

bool removeDevFullLink(const std::string& path) {
    const std::string done = path + ".done";
    CloseHandle(CreateFileA(done.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    for (int i = 0; i < 300 && (listed(path) || listed(done)); ++i) Sleep(10);
    return !listed(path);
}
