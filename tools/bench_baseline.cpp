// The yardstick of the benchmark: the smallest Win32 dialog program that
// does what corvex does at its core, so that the ratio shows what corvex adds.
// It starts a modeless dialog with a message loop; its button writes 98 bytes
// to the named queue as one spooler document.
//   bench_baseline.exe <queue name>
#include <windows.h>
#include <winspool.h>

#include "bench_baseline.h"

namespace {
char queueName[256] = "";

void printOnce() {
    HANDLE printer = nullptr;
    if (!OpenPrinterA(queueName, &printer, nullptr)) return;
    DOC_INFO_1A doc = {const_cast<char*>("print command"), nullptr, nullptr};
    if (StartDocPrinterA(printer, 1, reinterpret_cast<BYTE*>(&doc))) {
        BYTE data[98] = {};
        DWORD written = 0;
        WritePrinter(printer, data, sizeof data, &written);
        EndDocPrinter(printer);
    }
    ClosePrinter(printer);
}

INT_PTR CALLBACK baselineProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_BASELINE_SEND) printOnce();
            if (LOWORD(wParam) == IDCANCEL) DestroyWindow(window);
            return TRUE;
        case WM_CLOSE:
            DestroyWindow(window);
            return TRUE;
        case WM_DESTROY:
            PostQuitMessage(0);
            return FALSE;
    }
    return FALSE;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    lstrcpynA(queueName, commandLine, sizeof queueName);
    HWND window = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_BASELINE), nullptr, baselineProc, 0);
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
