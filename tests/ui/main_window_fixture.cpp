#include "main_window_fixture.h"

#include <cstring>
#include <string>

#include "registry.h"
#include "ui/main_window.h"
#include "ui/window_helpers.h"

namespace {
std::string iniPath() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string result(path, length < sizeof path ? length : 0);
    const size_t dot = result.find_last_of('.');
    return result.substr(0, dot + 1) + "ini";
}
}  // namespace

void writeModelIni(std::optional<int> model) {
    const std::string path = iniPath();
    DeleteFileA(path.c_str());
    if (!model) return;
    WritePrivateProfileStringA("Main", "Model", std::to_string(*model).c_str(), path.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // flush the cache
}

void storeProgramSettings(int country, int model, const SettingsBlock& block) {
    writeProgramDword("SelectedCountry", static_cast<DWORD>(country));
    writeProgramDword("Model", static_cast<DWORD>(model));
    writeProgramValue("Settings", REG_BINARY, block.bytes, sizeof block.bytes);
}

SettingsBlock storedBlock() {
    SettingsBlock block = {};
    const auto value = readProgramValue("Settings");
    if (value && value->type == REG_BINARY && value->data.size() == sizeof block.bytes)
        std::memcpy(block.bytes, value->data.data(), sizeof block.bytes);
    return block;
}

bool sameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

FILETIME programKeyWriteTime() {
    FILETIME time = {};
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ProgramKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return time;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, &time);
    RegCloseKey(key);
    return time;
}

bool isShown(HWND window, int id) {
    HWND control = GetDlgItem(window, id);
    return control && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

int comboSelection(HWND window, int id) {
    return static_cast<int>(SendDlgItemMessageA(window, id, CB_GETCURSEL, 0, 0));
}

bool pumpUntil(const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 2000) return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (message.message == WM_QUIT) break;
            PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
    return true;
}

void MainWindowTest::SetUp() {
    resetProgramKey();
    writeModelIni(std::nullopt);
}

void MainWindowTest::TearDown() {
    if (window && IsWindow(window)) DestroyWindow(window);
    takeQuitMessage();
    for (const DialogSnapshot& dialog : watcher.seen())
        EXPECT_TRUE(dialog.expected) << "unexpected dialog \"" << dialog.caption << "\" " << dialog.text;
    EXPECT_EQ(watcher.pending(), 0u) << "an expected dialog never appeared";
    writeModelIni(std::nullopt);
    resetProgramKey();
}

HWND MainWindowTest::openMainWindow() {
    window = CreateDialogParamA(appInstance(), "ROVOVUV", nullptr, mainDialogProc, 0);
    if (window) {
        watcher.ignore(window);
        ShowWindow(window, SW_SHOWNORMAL);
    }
    return window;
}

void MainWindowTest::click(int id) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

int MainWindowTest::takeQuitMessage() {
    MSG message;
    if (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return static_cast<int>(message.wParam);
    return -1;
}
