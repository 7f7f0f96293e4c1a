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

std::string selectedListText(HWND dialog, int listId) {
    HWND list = GetDlgItem(dialog, listId);
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return std::string();
    // Wine hands a list box's text to another process in UTF-16 even when it
    // is asked through SendMessageA; ask for UTF-16 openly and convert.
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return std::string();
    std::vector<wchar_t> wide(static_cast<size_t>(length) + 1);
    LRESULT got = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide.data()));
    if (got <= 0) return std::string();
    int bytes =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(got), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(got), &text[0], bytes, nullptr, nullptr);
    return text;
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
