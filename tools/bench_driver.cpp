// Times a dialog program under Wine from outside: start to idle main window,
// and one press of its send button until the job reached the port file.
//   bench_driver.exe <runs> <caption> <port file> <command line...>
// Prints one line per run and the medians, in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "remote_window.h"

namespace {
constexpr int SendButton = 1008;
constexpr DWORD Patience = 30000;

double nowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

long fileSize(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return -1;
    return static_cast<long>(data.nFileSizeLow);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Closes the program: its main window's close box, and Yes to a question
// that shares the caption, if one comes.
void closeProgram(HWND main, const char* caption, DWORD processId) {
    PostMessageA(main, WM_CLOSE, 0, 0);
    HWND question = waitForWindow(processId, caption, 2000, main);
    if (question) postClick(question, IDYES);
    waitForWindowGone(main, Patience);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        fprintf(stderr, "usage: bench_driver <runs> <caption> <port file> <command line...>\n");
        return 2;
    }
    const int runs = atoi(argv[1]);
    const char* caption = argv[2];
    const char* portFile = argv[3];
    std::string commandLine;
    for (int i = 4; i < argc; ++i) commandLine += std::string(i > 4 ? " " : "") + argv[i];

    std::vector<double> startTimes, sendTimes;
    for (int run = 0; run < runs; ++run) {
        PROCESS_INFORMATION process;
        const double started = nowMs();
        if (!startProgram(commandLine, &process)) {
            fprintf(stderr, "bench_driver: cannot start %s\n", commandLine.c_str());
            return 1;
        }
        HWND main = waitForWindow(process.dwProcessId, caption, Patience);
        if (!main) {
            fprintf(stderr, "bench_driver: no window \"%s\"\n", caption);
            return 1;
        }
        const double shown = nowMs();
        WaitForInputIdle(process.hProcess, Patience);
        const double idle = nowMs();
        fprintf(stderr, "  shown after %.1f ms, idle %.1f ms later\n", shown - started, idle - shown);

        DeleteFileA(portFile);
        const double pressed = nowMs();
        sendClick(main, SendButton, Patience);
        while (fileSize(portFile) < 98 && nowMs() - pressed < Patience) Sleep(1);
        const double sent = nowMs();
        if (fileSize(portFile) < 98) {
            fprintf(stderr, "bench_driver: nothing reached %s\n", portFile);
            return 1;
        }
        closeProgram(main, caption, process.dwProcessId);
        WaitForSingleObject(process.hProcess, Patience);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);

        startTimes.push_back(idle - started);
        sendTimes.push_back(sent - pressed);
        printf("run %d: start %.1f ms, send %.1f ms\n", run + 1, idle - started, sent - pressed);
    }
    printf("median start %.1f ms, median send %.1f ms\n", median(startTimes), median(sendTimes));
    return 0;
}
