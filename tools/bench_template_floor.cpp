// The floor of corvex's start-up: the same main window template ("ROVOVUV",
// linked from the program's own resources) created by a dialog procedure
// that does nothing, so the benchmark can tell what Wine's creation of the
// controls costs from what corvex adds (filling the lists and pages).
//   bench_template_floor.exe
#include <windows.h>
#include <commctrl.h>

namespace {
INT_PTR CALLBACK floorProc(HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_CLOSE:
            DestroyWindow(window);
            return TRUE;
        case WM_DESTROY:
            PostQuitMessage(0);
            return FALSE;
        default:
            return FALSE;
    }
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    // The template holds a tree view and up-down controls.
    InitCommonControls();
    HWND window = CreateDialogParamA(instance, "ROVOVUV", nullptr, floorProc, 0);
    if (!window) return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
