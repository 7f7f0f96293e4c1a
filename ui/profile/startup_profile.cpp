// Where the main window's start-up time goes: the template alone (a dialog
// procedure that does nothing: the floor), then each step of the window's own
// start-up run on that window in the program's order, with the time and the
// messages every control received. Stores a factory block first, so the run
// starts as every run after the first does. A tool to read, not part of a
// release.
// The message hook slows every message down: with "count" the last run
// counts, and its times are left out. With "table", it times printing a
// character-table file instead: finding the queue, then the job itself.
//   startup_profile.exe [runs] [count]
//   startup_profile.exe <runs> table <file>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "common/window_helpers.h"
#include "printer/character_table_print.h"
#include "printer/find_printer.h"
#include "settings/country_defaults.h"
#include "settings/persistence.h"
#include "settings/settings_state.h"
#include "ui/load_pages.h"
#include "ui/main_window.h"
#include "ui/settings_tree.h"

namespace {
double nowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

INT_PTR CALLBACK doNothing(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Messages sent to each control (by id; 0 is the main window) in a phase.
std::map<int, std::map<UINT, int>> received;
bool counting = false;

LRESULT CALLBACK countSent(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && counting) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        const int id = GetParent(sent->hwnd) ? GetDlgCtrlID(sent->hwnd) : 0;
        ++received[id][sent->message];
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct Phase {
    const char* name;
    void (*run)(HWND);
};

const Phase Phases[] = {
    {"common controls, caption, stored settings",
     [](HWND) {
         InitCommonControls();
         loadProductCaption();
         loadStoredSettings();
     }},
    {"tree", [](HWND window) { buildSettingsTree(window); }},
    {"load pages", [](HWND window) { loadPages(window); }},
    {"show first page", [](HWND window) { showPage(window, 0); }},
    {"centre", [](HWND window) { centerWindowOnScreen(window); }},
    {"show and paint", [](HWND window) {
         ShowWindow(window, SW_SHOWNORMAL);
         UpdateWindow(window);
     }},
};
}  // namespace

int timeTablePrint(int runs, const std::string& path) {
    std::vector<double> finding, sending;
    for (int run = 0; run < runs; ++run) {
        std::string queue;
        double start = nowMs();
        if (!findModelPrinter(nullptr, &queue)) return 1;
        finding.push_back(nowMs() - start);
        start = nowMs();
        if (!sendCharacterTableFile(queue, path).ok()) return 1;
        sending.push_back(nowMs() - start);
    }
    std::sort(finding.begin(), finding.end());
    std::sort(sending.begin(), sending.end());
    printf("find the queue: fastest %.2f ms, median %.2f ms\n", finding[0], finding[finding.size() / 2]);
    printf("send the file:  fastest %.2f ms, median %.2f ms\n", sending[0], sending[sending.size() / 2]);
    return 0;
}

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    if (argc > 3 && strcmp(argv[2], "table") == 0) return timeTablePrint(runs, argv[3]);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    setAppInstance(instance);
    registerMainWindowClass(instance);
    InitCommonControls();
    currentBlock = defaultBlockFor(ModelVariant, 0);
    storeSettings();
    const bool count = argc > 2 && strcmp(argv[2], "count") == 0;

    const size_t phaseCount = sizeof Phases / sizeof Phases[0];
    std::vector<std::vector<double>> times(phaseCount + 1);
    HHOOK hook = nullptr;
    for (int run = 0; run < runs + (count ? 1 : 0); ++run) {
        const bool last = run == runs;
        if (last) hook = SetWindowsHookExA(WH_CALLWNDPROC, countSent, nullptr, GetCurrentThreadId());
        double start = nowMs();
        counting = last;
        HWND window = CreateDialogParamA(instance, "ROVOVUV", nullptr, doNothing, 0);
        counting = false;
        if (!window) return 1;
        if (!last) times[0].push_back(nowMs() - start);
        if (last) {
            int total = 0;
            for (auto& control : received)
                for (auto& message : control.second) total += message.second;
            printf("template: %d messages\n", total);
            received.clear();
        }
        // From here on the program's own procedure answers, as it does from
        // WM_INITDIALOG on: the fields' notifications reach the rules.
        SetWindowLongPtrA(window, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(mainDialogProc));
        for (size_t p = 0; p < phaseCount; ++p) {
            counting = last;
            start = nowMs();
            Phases[p].run(window);
            if (!last) times[p + 1].push_back(nowMs() - start);
            counting = false;
            if (!last) continue;
            int total = 0;
            std::string detail;
            for (auto& control : received) {
                int sum = 0;
                std::string kinds;
                for (auto& message : control.second) {
                    sum += message.second;
                    char text[32];
                    snprintf(text, sizeof text, " %04x:%d", message.first, message.second);
                    kinds += text;
                }
                total += sum;
                char line[64];
                snprintf(line, sizeof line, "    control %d: %d", control.first, sum);
                detail += line + kinds + "\n";
            }
            printf("%s: %d messages\n%s", Phases[p].name, total, detail.c_str());
            received.clear();
        }
        SetWindowLongPtrA(window, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(doNothing));
        DestroyWindow(window);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    if (hook) UnhookWindowsHookEx(hook);
    // The fastest run of each step: on a busy machine the least disturbed.
    auto fastest = [](std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); };
    printf("fastest of %d runs:\n", runs);
    const double floor = fastest(times[0]);
    printf("  %-45s %7.2f ms\n", "template (floor)", floor);
    double own = 0;
    for (size_t p = 0; p < phaseCount; ++p) {
        const double time = fastest(times[p + 1]);
        // Showing and painting the window is the floor program's work too.
        if (p + 1 < phaseCount) own += time;
        printf("  %-45s %7.2f ms\n", Phases[p].name, time);
    }
    printf("the window's own work before showing: %.2f ms, %.1f%% of the floor\n", own, 100.0 * own / floor);
    return 0;
}
