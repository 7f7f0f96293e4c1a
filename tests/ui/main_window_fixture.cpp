#include "main_window_fixture.h"

#include <cstring>
#include <string>

#include "registry.h"
#include "ui/main_window.h"
#include "common/window_helpers.h"

void writeModelIni(std::optional<int> model) {
    // The program reads the INI named after its executable.
    char exe[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string path(exe, length < sizeof exe ? length : 0);
    path = path.substr(0, path.find_last_of('.') + 1) + "ini";
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

FILETIME programKeyWriteTime() {
    FILETIME time = {};
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ProgramKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return time;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, &time);
    RegCloseKey(key);
    return time;
}

bool sameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

bool isShown(HWND window, int id) {
    HWND control = GetDlgItem(window, id);
    return control && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

int comboSelection(HWND window, int id) {
    return static_cast<int>(SendDlgItemMessageA(window, id, CB_GETCURSEL, 0, 0));
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
    return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? static_cast<int>(message.wParam)
                                                                        : -1;
}
