// Files and text in quillset.exe: a file replaced through a name the system
// makes up, and the system's code page converted for JSON and the console.
#include <windows.h>

#include <io.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/platform.h"

namespace {

// The system's text in another code page; unchanged when it cannot be converted.
std::string fromAnsiCodePage(const std::string& text, UINT codePage) {
    const int size = static_cast<int>(text.size());
    const int wide = text.empty() ? 0 : MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    if (wide <= 0) return text;
    std::wstring utf16(static_cast<size_t>(wide), L'\0');
    if (MultiByteToWideChar(CP_ACP, 0, text.data(), size, &utf16[0], wide) != wide) return text;
    const int bytes = WideCharToMultiByte(codePage, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return text;
    std::string converted(static_cast<size_t>(bytes), '\0');
    if (WideCharToMultiByte(codePage, 0, utf16.data(), wide, &converted[0], bytes, nullptr, nullptr) != bytes)
        return text;
    return converted;
}

}  // namespace

// A console shows its own code page, which is not the system's.
std::string consoleText(const std::string& text) {
    const UINT console = GetConsoleOutputCP();
    return console == 0 || console == GetACP() ? text : fromAnsiCodePage(text, console);
}

std::string toUtf8(const std::string& text) { return fromAnsiCodePage(text, CP_UTF8); }

// The system's own text for a Win32 error code, without its line end.
std::string systemCodeText(unsigned long error) {
    char text[512] = "";
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        error, 0, text, sizeof text, nullptr);
    std::string message(text, length < sizeof text ? length : 0);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(error) : message;
}

bool writeFileWhole(const std::string& path, const std::string& text, std::string* reason) {
    // A name the system makes up and creates for this process alone, in the
    // target's folder so that the rename stays on its volume.
    const size_t slash = path.find_last_of("\\/:");
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    char temporary[MAX_PATH] = "";
    if (folder.size() >= MAX_PATH - 14 || !GetTempFileNameA(folder.c_str(), "qst", 0, temporary)) {
        *reason = systemCodeText(GetLastError()) + "; the file is as it was";
        return false;
    }
    // Text mode, so that Windows editors get their line ends; flushed to the
    // disk before it takes the target's name.
    FILE* file = std::fopen(temporary, "w");
    bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                   std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
    std::string why = written ? "" : std::strerror(errno);
    if (file && std::fclose(file) != 0 && why.empty()) why = std::strerror(errno);
    if (why.empty() &&
        MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (why.empty()) why = systemCodeText(GetLastError());
    DeleteFileA(temporary);
    *reason = why + "; the file is as it was";
    return false;
}
