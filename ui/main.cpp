// The program's entry point: everything happens in the main window.
#include <windows.h>

#include "ui/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand) {
    return runMainWindow(instance, previousInstance, commandLine, showCommand);
}
