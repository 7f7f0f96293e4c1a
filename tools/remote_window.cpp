#include "remote_window.h"

#include <vector>

namespace {
struct WindowSearch {
    DWORD processId;
    const char* caption;
    HWND except;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    if (window == search->except || !IsWindowVisible(window)) return TRUE;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search->processId != 0 && owner != search->processId) return TRUE;
    char caption[256] = "";
    GetWindowTextA(window, caption, sizeof caption);
    if (strcmp(caption, search->caption) != 0) return TRUE;
    search->found = window;
    return FALSE;
}
}  // namespace

HWND waitForWindow(DWORD processId, const char* caption, DWORD timeoutMs, HWND except) {
    const DWORD start = GetTickCount();
    for (;;) {
        WindowSearch search = {processId, caption, except, nullptr};
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (GetTickCount() - start > timeoutMs) return nullptr;
        Sleep(20);
    }
}

bool waitForWindowGone(HWND window, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

std::string controlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) return std::string();
    // WM_GETTEXT is marshalled between processes; ask for the length first.
    LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return std::string();
    std::vector<char> text(static_cast<size_t>(length) + 1);
    LRESULT got = SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

bool isComboBox(HWND list) {
    wchar_t name[16] = L"";
    GetClassNameW(list, name, 16);
    return lstrcmpiW(name, L"ComboBox") == 0;
}

std::vector<std::string> listEntries(HWND dialog, int listId) {
    HWND list = GetDlgItem(dialog, listId);
    const bool combo = isComboBox(list);
    std::vector<std::string> entries;
    const LRESULT count = SendMessageW(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // Wine hands a list's text to another process in UTF-16 even when it
        // is asked through SendMessageA; ask for UTF-16 openly and convert.
        const LRESULT length = SendMessageW(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0);
        std::vector<wchar_t> wide(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        if (length > 0)
            SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
        const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
        std::string text(bytes > 0 ? static_cast<size_t>(bytes) : 1, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, &text[0], static_cast<int>(text.size()), nullptr,
                            nullptr);
        text.resize(text.size() - 1);  // the closing null
        entries.push_back(text);
    }
    return entries;
}

std::string selectedText(HWND dialog, int listId) {
    HWND list = GetDlgItem(dialog, listId);
    const LRESULT index = SendMessageW(list, isComboBox(list) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
    const std::vector<std::string> entries = listEntries(dialog, listId);
    return index >= 0 && index < static_cast<LRESULT>(entries.size()) ? entries[index] : std::string();
}

namespace {
// The button, when a user could press it.
HWND pressable(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    return button && IsWindowEnabled(button) && IsWindowVisible(button) ? button : nullptr;
}
}  // namespace

bool postClick(HWND dialog, int id) {
    HWND button = pressable(dialog, id);
    return button && PostMessageA(button, BM_CLICK, 0, 0);
}

bool sendClick(HWND dialog, int id, DWORD timeoutMs) {
    HWND button = pressable(dialog, id);
    DWORD_PTR result = 0;
    return button && SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

bool startProgram(const std::string& commandLine, PROCESS_INFORMATION* info) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          info) != FALSE;
}
