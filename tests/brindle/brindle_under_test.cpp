#include "brindle_under_test.h"

std::string brindlePath() {
    std::string path = BRINDLE_DLL_PATH;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

UninstallOemInf findUninstall(HMODULE module) {
    return reinterpret_cast<UninstallOemInf>(
        reinterpret_cast<void*>(GetProcAddress(module, "MySetupUninstallOEMInf")));
}

std::string infPath(const std::string& name) {
    char windows[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows) return std::string();
    return std::string(windows, length) + "\\inf\\" + name;
}

bool placeInf(const std::string& name) {
    const std::string path = infPath(name);
    if (path.empty()) return false;
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return false;
    static const char text[] = "[Version]\r\nSignature=\"$Windows NT$\"\r\nClass=Printer\r\n";
    DWORD written = 0;
    BOOL ok = WriteFile(file, text, sizeof text - 1, &written, NULL);
    CloseHandle(file);
    return ok && written == sizeof text - 1;
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
