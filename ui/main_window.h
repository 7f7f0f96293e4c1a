// The program's one window: a modeless dialog from the template ROVOVUV.
#pragma once

#include <windows.h>

int runMainWindow(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand);
bool registerMainWindowClass(HINSTANCE instance);
INT_PTR CALLBACK mainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK aboutDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
