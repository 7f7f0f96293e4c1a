#include "main_window_fixture.h"

#include <commctrl.h>

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

void MainWindowTest::click(int id) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

int MainWindowTest::takeQuitMessage() {
    MSG message;
    return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? static_cast<int>(message.wParam)
                                                                        : -1;
}

void MainWindowTest::selectPage(int page) {
    HWND tree = GetDlgItem(window, IDC_SETTINGS_TREE);
    LPARAM item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    for (int i = 0; i < page; ++i) item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, item);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, item);
}

void MainWindowTest::choose(int listId, int index) {
    HWND list = GetDlgItem(window, listId);
    ASSERT_TRUE(IsWindowVisible(list) && IsWindowEnabled(list)) << "list " << listId << " cannot be used";
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void MainWindowTest::type(int editId, const char* text) {
    HWND edit = GetDlgItem(window, editId);
    ASSERT_TRUE(IsWindowVisible(edit) && IsWindowEnabled(edit)) << "field " << editId << " cannot be used";
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (const char* c = text; *c; ++c) SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(*c), 0);
    SetFocus(GetDlgItem(window, IDC_SETTINGS_TREE));
}
