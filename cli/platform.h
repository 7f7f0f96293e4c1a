// The platform's own ways with files and text that the commands share, one
// side chosen by the build: POSIX natively, Win32 in quillset.exe.
#pragma once

#include <string>

// Writes `text` to the file `path` names, as a redirection would update it:
// a symbolic link's target, with its mode and its other links. Written whole
// under a fresh temporary name beside it first; false with the reason.
bool writeFileWhole(const std::string& path, const std::string& text, std::string* reason);

// The system's text as UTF-8 (Windows: from its code page), and as the
// console shows it (Windows: the console's own code page).
std::string toUtf8(const std::string& text);
std::string consoleText(const std::string& text);

// The system's own words for one of its error codes (Win32 or errno).
std::string systemCodeText(unsigned long code);
