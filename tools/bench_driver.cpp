// Times a dialog program under Wine from outside.
//   bench_driver.exe <runs> <caption> <port file|-> <command line...>
//       start to idle main window, and one press of its send button until
//       the job reached the port file ("-": start-up only)
//   bench_driver.exe table <runs> <port file> <bytes> <command line...>
//       corvex: from pressing "&Print" in the "Print Character Table"
//       dialog until <bytes> reached the port file, and the peak working set
//   bench_driver.exe copy <runs> <port file> <bytes> <command line...>
//       bench_copy.exe started with the event name as its last argument:
//       from setting the event until <bytes> reached the port file (the copy
//       prints its own peak working set)
// Prints one line per run and the medians, in milliseconds.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "remote_window.h"

namespace {
constexpr int SendButton = 1008;
constexpr int CharacterTableButton = 1065;
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

// Waits until `bytes` reached the port file, at most the patience from
// `started`; the milliseconds since `started`, or a negative value (with the
// reason on standard error) when they did not arrive.
double waitForPort(const char* portFile, long bytes, double started, const char* what) {
    while (fileSize(portFile) < bytes && nowMs() - started < Patience) Sleep(1);
    const double elapsed = nowMs() - started;
    if (fileSize(portFile) >= bytes) return elapsed;
    fprintf(stderr, "bench_driver: %s did not reach %s\n", what, portFile);
    return -1;
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
std::string commandLineFrom(int argc, char** argv, int first) {
    std::string commandLine;
    for (int i = first; i < argc; ++i) commandLine += std::string(i > first ? " " : "") + argv[i];
    return commandLine;
}

// Starts the program and waits until its main window is idle; the time
// that took, or a negative value.
double startAndWait(const std::string& commandLine, const char* caption, PROCESS_INFORMATION* process,
                    HWND* main) {
    const double started = nowMs();
    if (!startProgram(commandLine, process)) {
        fprintf(stderr, "bench_driver: cannot start %s\n", commandLine.c_str());
        return -1;
    }
    *main = waitForWindow(process->dwProcessId, caption, Patience);
    if (!*main) {
        fprintf(stderr, "bench_driver: no window \"%s\"\n", caption);
        return -1;
    }
    const double shown = nowMs();
    WaitForInputIdle(process->hProcess, Patience);
    const double idle = nowMs();
    fprintf(stderr, "  shown after %.1f ms, idle %.1f ms later\n", shown - started, idle - shown);
    return idle - started;
}

void endProgram(PROCESS_INFORMATION* process) {
    WaitForSingleObject(process->hProcess, Patience);
    CloseHandle(process->hThread);
    CloseHandle(process->hProcess);
}

int timeStartAndSend(int runs, const char* caption, const char* portFile, const std::string& commandLine) {
    const bool send = strcmp(portFile, "-") != 0;
    std::vector<double> startTimes, sendTimes;
    for (int run = 0; run < runs; ++run) {
        PROCESS_INFORMATION process;
        HWND main = nullptr;
        const double start = startAndWait(commandLine, caption, &process, &main);
        if (start < 0) return 1;
        double sendTime = 0;
        if (send) {
            DeleteFileA(portFile);
            const double pressed = nowMs();
            sendClick(main, SendButton, Patience);
            sendTime = waitForPort(portFile, 98, pressed, "the settings");
            if (sendTime < 0) return 1;
            closeProgram(main, caption, process.dwProcessId);
        } else {
            // A program with nothing to ask on closing.
            PostMessageA(main, WM_CLOSE, 0, 0);
        }
        endProgram(&process);
        startTimes.push_back(start);
        sendTimes.push_back(sendTime);
        printf("run %d: start %.1f ms, send %.1f ms\n", run + 1, start, sendTime);
    }
    printf("median start %.1f ms, median send %.1f ms\n", median(startTimes), median(sendTimes));
    return 0;
}

int timeTable(int runs, const char* portFile, long bytes, const std::string& commandLine) {
    std::vector<double> times;
    SIZE_T peak = 0;
    for (int run = 0; run < runs; ++run) {
        PROCESS_INFORMATION process;
        HWND main = nullptr;
        if (startAndWait(commandLine, "Quillset", &process, &main) < 0) return 1;
        postClick(main, CharacterTableButton);
        HWND dialog = waitForWindow(process.dwProcessId, "Print Character Table", Patience);
        if (!dialog) {
            fprintf(stderr, "bench_driver: no \"Print Character Table\" dialog\n");
            return 1;
        }
        WaitForInputIdle(process.hProcess, Patience);
        DeleteFileA(portFile);
        const double pressed = nowMs();
        postClick(dialog, IDOK);
        const double elapsed = waitForPort(portFile, bytes, pressed, "the table");
        if (elapsed < 0) return 1;
        waitForWindowGone(dialog, Patience);
        PROCESS_MEMORY_COUNTERS memory = {};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory) &&
            memory.PeakWorkingSetSize > peak)
            peak = memory.PeakWorkingSetSize;
        closeProgram(main, "Quillset", process.dwProcessId);
        endProgram(&process);
        times.push_back(elapsed);
        printf("run %d: table %.1f ms, peak working set %lu KB\n", run + 1, elapsed,
               static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
    }
    printf("median table %.1f ms, peak working set %lu KB\n", median(times),
           static_cast<unsigned long>(peak / 1024));
    return 0;
}
}  // namespace

constexpr const char* CopyEvent = "QuillsetBenchCopy";

int timeCopy(int runs, const char* portFile, long bytes, const std::string& commandLine) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        // The event exists before the copy starts, so it cannot be missed.
        HANDLE go = CreateEventA(nullptr, TRUE, FALSE, CopyEvent);
        PROCESS_INFORMATION process;
        if (!go || !startProgram(commandLine + " " + CopyEvent, &process)) return 1;
        // Started and waiting: give it the time a started program takes to
        // settle, as the dialog had before its button was pressed.
        Sleep(300);
        DeleteFileA(portFile);
        const double signalled = nowMs();
        SetEvent(go);
        const double elapsed = waitForPort(portFile, bytes, signalled, "the copy");
        WaitForSingleObject(process.hProcess, Patience);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        CloseHandle(go);
        if (elapsed < 0) return 1;
        times.push_back(elapsed);
        printf("run %d: copy %.1f ms\n", run + 1, elapsed);
    }
    printf("median copy %.1f ms\n", median(times));
    return 0;
}

int main(int argc, char** argv) {
    if (argc >= 6 && strcmp(argv[1], "copy") == 0)
        return timeCopy(atoi(argv[2]), argv[3], atol(argv[4]), commandLineFrom(argc, argv, 5));
    if (argc >= 6 && strcmp(argv[1], "table") == 0)
        return timeTable(atoi(argv[2]), argv[3], atol(argv[4]), commandLineFrom(argc, argv, 5));
    if (argc >= 5) return timeStartAndSend(atoi(argv[1]), argv[2], argv[3], commandLineFrom(argc, argv, 4));
    fprintf(stderr,
            "usage: bench_driver <runs> <caption> <port file|-> <command line...>\n"
            "       bench_driver table <runs> <port file> <bytes> <command line...>\n"
            "       bench_driver copy <runs> <port file> <bytes> <command line...>\n");
    return 2;
}
