// Drives a running corvex.exe from outside, by window captions and control
// ids, the way a user would on the first run of the demo.
//   demo_driver.exe send <port file>   first run: take "USA", press Send Settings,
//                                      wait until the job reached the port file
//   demo_driver.exe table <port file> <size>
//                                      open "Character table...", print the
//                                      first table, wait until <size> bytes
//                                      reached the port file
//   demo_driver.exe exit               close the window and answer Yes
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "remote_window.h"
#include "resource.h"

namespace {
constexpr DWORD Patience = 30000;

long fileSize(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return -1;
    return static_cast<long>(data.nFileSizeLow);
}

int send(const char* portFile) {
    // A first run asks for the country before the main window appears; the
    // first start in a new prefix can take a while, so wait for either.
    HWND main = nullptr;
    const DWORD start = GetTickCount();
    while (!main) {
        if (GetTickCount() - start > Patience) {
            fprintf(stderr, "demo_driver: the main window did not appear\n");
            return 1;
        }
        if (HWND country = waitForWindow(0, "Select Country", 0)) {
            printf("country dialog: \"%s\" preselected, pressing &Select\n",
                   selectedText(country, IDC_COUNTRY_LIST).c_str());
            postClick(country, IDOK);
            waitForWindowGone(country, Patience);
        }
        main = waitForWindow(0, "Quillset", 100);
    }
    DeleteFileA(portFile);
    printf("pressing \"%s\"\n", controlText(main, IDC_SEND_SETTINGS).c_str());
    postClick(main, IDC_SEND_SETTINGS);
    const DWORD pressed = GetTickCount();
    while (fileSize(portFile) < 98) {
        if (GetTickCount() - pressed > Patience) {
            fprintf(stderr, "demo_driver: nothing reached %s\n", portFile);
            return 1;
        }
        Sleep(50);
    }
    // Where the window stands, so the caller can cut it out of a screenshot.
    RECT frame;
    GetWindowRect(main, &frame);
    printf("window %ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top, frame.left,
           frame.top);
    return 0;
}

int printTable(const char* portFile, long size) {
    HWND main = waitForWindow(0, "Quillset", Patience);
    if (!main) return 1;
    DeleteFileA(portFile);
    printf("pressing \"%s\"\n", controlText(main, IDC_CHARACTER_TABLE).c_str());
    postClick(main, IDC_CHARACTER_TABLE);
    HWND dialog = waitForWindow(0, "Print Character Table", Patience);
    if (!dialog) {
        fprintf(stderr, "demo_driver: no \"Print Character Table\" dialog\n");
        return 1;
    }
    printf("\"Print Character Table\": \"%s\", \"%s\", pressing \"%s\"\n",
           controlText(dialog, IDC_TABLE_EMULATION).c_str(), controlText(dialog, IDC_TABLE_LIST).c_str(),
           controlText(dialog, IDOK).c_str());
    postClick(dialog, IDOK);
    const DWORD pressed = GetTickCount();
    while (fileSize(portFile) < size) {
        if (GetTickCount() - pressed > Patience) {
            fprintf(stderr, "demo_driver: the table did not reach %s\n", portFile);
            return 1;
        }
        Sleep(50);
    }
    // A printed table ends the dialog.
    return waitForWindowGone(dialog, Patience) ? 0 : 1;
}

int exitProgram() {
    HWND main = waitForWindow(0, "Quillset", Patience);
    if (!main) return 1;
    PostMessageA(main, WM_CLOSE, 0, 0);
    HWND question = waitForWindow(0, "Quillset", Patience, main);
    if (!question) {
        fprintf(stderr, "demo_driver: no exit question\n");
        return 1;
    }
    postClick(question, IDYES);
    return waitForWindowGone(main, Patience) ? 0 : 1;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && strcmp(argv[1], "send") == 0) return send(argv[2]);
    if (argc == 4 && strcmp(argv[1], "table") == 0) return printTable(argv[2], atol(argv[3]));
    if (argc == 2 && strcmp(argv[1], "exit") == 0) return exitProgram();
    fprintf(stderr, "usage: demo_driver send <port file> | table <port file> <size> | exit\n");
    return 2;
}
