#include "main_window_fixture.h"

#include "common/window_helpers.h"
#include "resource.h"
#include "stored_settings.h"
#include "ui/main_window.h"

bool isShown(HWND window, int id) {
    HWND control = GetDlgItem(window, id);
    return control && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void MainWindowTest::SetUp() {
    resetProgramKey();
    writeIni(nullptr);
}

void MainWindowTest::TearDown() {
    if (window && IsWindow(window)) DestroyWindow(window);
    takeQuitMessage();
    SetUp();
}

HWND MainWindowTest::openMainWindow() {
    window = CreateDialogParamA(appInstance(), "ROVOVUV", nullptr, mainDialogProc, 0);
    if (window) {
        watcher.ignore(window);
        ShowWindow(window, SW_SHOWNORMAL);
    }
    return window;
}

HWND MainWindowTest::openMainWindow(int model, int country, const SettingsBlock& block) {
    if (window && IsWindow(window)) DestroyWindow(window);
    takeQuitMessage();
    writeIni(model ? "[Main]\r\nModel=1\r\n" : "[Main]\r\nModel=0\r\n");
    storeProgramSettings(country, model, block);
    return openMainWindow();
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
