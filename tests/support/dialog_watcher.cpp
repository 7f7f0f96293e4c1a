#include "dialog_watcher.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
DialogWatcher* activeWatcher = nullptr;

std::string windowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool hasClass(HWND window, const char* name) {
    char found[64] = "";
    GetClassNameA(window, found, sizeof found);
    return _stricmp(found, name) == 0;
}

BOOL CALLBACK collectThreadDialog(HWND window, LPARAM param) {
    if (hasClass(window, "#32770") && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

std::vector<HWND> threadDialogs() {
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), collectThreadDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

DialogSnapshot snapshotDialog(HWND dialog) {
    DialogSnapshot s;
    s.caption = windowText(dialog);
    // A message box shows its message in the static 0xFFFF and its icon in a
    // static of style SS_ICON.
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        if (hasClass(child, "Button")) s.buttons.push_back(GetDlgCtrlID(child));
        if (!hasClass(child, "Static")) continue;
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            const HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            s.hasIcon = s.hasIcon || icon;
            s.stopIcon = s.stopIcon || icon == LoadIconA(nullptr, IDI_HAND);
        } else if (GetDlgCtrlID(child) == 0xFFFF) {
            s.text = windowText(child);
        }
    }
    return s;
}
}  // namespace

void pressButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    if (button && IsWindowEnabled(button) && IsWindowVisible(button)) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        return;
    }
    ADD_FAILURE() << "button " << id << " of \"" << windowText(dialog) << "\" cannot be pressed";
    EndDialog(dialog, IDCANCEL);
}

DialogWatcher::DialogWatcher() : known_(threadDialogs()) {
    activeWatcher = this;
    timer_ = SetTimer(nullptr, 0, 15, onTimer);
}

DialogWatcher::~DialogWatcher() {
    KillTimer(nullptr, timer_);
    if (activeWatcher == this) activeWatcher = nullptr;
    EXPECT_TRUE(handlers_.empty()) << handlers_.size() << " expected dialog(s) never appeared";
}

void DialogWatcher::expect(Handler handler) { handlers_.push_back(std::move(handler)); }

void CALLBACK DialogWatcher::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (activeWatcher) activeWatcher->poll();
}

void DialogWatcher::poll() {
    for (HWND dialog : threadDialogs()) {
        if (std::find(known_.begin(), known_.end(), dialog) != known_.end()) continue;
        known_.push_back(dialog);
        seen_.push_back(snapshotDialog(dialog));
        if (handlers_.empty()) {
            ADD_FAILURE() << "unexpected dialog \"" << seen_.back().caption << "\" " << seen_.back().text;
            EndDialog(dialog, IDCANCEL);
            continue;
        }
        Handler handler = std::move(handlers_.front());
        handlers_.erase(handlers_.begin());
        handler(dialog);
    }
}
