#include "dialog_watcher.h"

#include <algorithm>

namespace {
DialogWatcher* activeWatcher = nullptr;

std::string windowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(window, &text[0], length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

std::string className(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool isDialog(HWND window) { return className(window) == "#32770"; }

BOOL CALLBACK collectThreadDialogs(HWND window, LPARAM param) {
    if (isDialog(window) && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

std::vector<HWND> threadDialogs() {
    std::vector<HWND> dialogs;
    EnumThreadWindows(GetCurrentThreadId(), collectThreadDialogs, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

BOOL CALLBACK collectChild(HWND child, LPARAM param) {
    auto* snapshot = reinterpret_cast<DialogSnapshot*>(param);
    if (GetParent(child) != GetAncestor(child, GA_PARENT)) return TRUE;
    ControlSnapshot c;
    c.id = GetDlgCtrlID(child);
    c.className = className(child);
    c.text = windowText(child);
    c.enabled = IsWindowEnabled(child) != FALSE;
    c.visible = IsWindowVisible(child) != FALSE;
    snapshot->controls.push_back(c);
    return TRUE;
}
}  // namespace

const ControlSnapshot* DialogSnapshot::control(int id) const {
    for (const auto& c : controls)
        if (c.id == id) return &c;
    return nullptr;
}

std::vector<int> DialogSnapshot::buttons() const {
    std::vector<int> ids;
    for (const auto& c : controls)
        if (_stricmp(c.className.c_str(), "Button") == 0) ids.push_back(c.id);
    return ids;
}

DialogSnapshot snapshotDialog(HWND dialog) {
    DialogSnapshot s;
    s.caption = windowText(dialog);
    EnumChildWindows(dialog, collectChild, reinterpret_cast<LPARAM>(&s));
    // A message box shows its message in a static text and its icon in a
    // static of style SS_ICON; compare the icon with the shared stop icon.
    HICON stop = LoadIconA(nullptr, IDI_HAND);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_stricmp(className(child).c_str(), "Static") != 0) continue;
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON) {
            HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            if (icon && IsWindowVisible(child)) {
                s.hasIcon = true;
                s.stopIcon = s.stopIcon || icon == stop;
            }
        } else if (GetDlgCtrlID(child) == 0xFFFF && s.text.empty()) {
            s.text = windowText(child);
        }
    }
    return s;
}

void pressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

DialogWatcher::DialogWatcher() {
    known_ = threadDialogs();
    activeWatcher = this;
    timer_ = SetTimer(nullptr, 0, 15, onTimer);
}

DialogWatcher::~DialogWatcher() {
    if (timer_) KillTimer(nullptr, timer_);
    if (activeWatcher == this) activeWatcher = nullptr;
}

void DialogWatcher::expect(Handler handler) { handlers_.push_back(std::move(handler)); }

void DialogWatcher::answer(int button) {
    expect([button](HWND dialog) { pressButton(dialog, button); });
}

void CALLBACK DialogWatcher::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (activeWatcher) activeWatcher->poll();
}

void DialogWatcher::poll() {
    for (HWND dialog : threadDialogs()) {
        if (std::find(known_.begin(), known_.end(), dialog) != known_.end()) continue;
        known_.push_back(dialog);
        DialogSnapshot snapshot = snapshotDialog(dialog);
        if (handlers_.empty()) {
            // Nobody expected it: record it and close it by its safest button.
            snapshot.expected = false;
            seen_.push_back(snapshot);
            const auto ids = snapshot.buttons();
            int button = IDOK;
            for (int candidate : {IDCANCEL, IDNO})
                if (std::find(ids.begin(), ids.end(), candidate) != ids.end()) {
                    button = candidate;
                    break;
                }
            pressButton(dialog, button);
            continue;
        }
        seen_.push_back(snapshot);
        Handler handler = std::move(handlers_.front());
        handlers_.erase(handlers_.begin());
        handler(dialog);
    }
}
