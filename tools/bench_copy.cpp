// The yardstick of character-table printing: the least a program can do to
// copy a file to a queue as one spooler document (open, read it whole, one
// write, end). Prints the time from opening the queue to closing it, and
// the process's peak working set. With an event name it first waits for
// that event, which the benchmark's driver sets after its own clock starts,
// so that the copy is timed from outside exactly as a press of the dialog's
// Print button is: from the signal until the bytes are at the port.
//   bench_copy.exe <queue name> <file> [event name]
#include <windows.h>
#include <psapi.h>
#include <winspool.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        fprintf(stderr, "usage: bench_copy <queue name> <file> [event name]\n");
        return 2;
    }
    if (argc == 4) {
        HANDLE go = CreateEventA(nullptr, TRUE, FALSE, argv[3]);
        if (!go || WaitForSingleObject(go, 30000) != WAIT_OBJECT_0) return 1;
        CloseHandle(go);
    }
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    HANDLE printer = nullptr;
    if (!OpenPrinterA(argv[1], &printer, nullptr)) return 1;
    HANDLE file =
        CreateFileA(argv[2], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const DWORD size = GetFileSize(file, nullptr);
    std::vector<char> data(size);
    DWORD read = 0, written = 0;
    DOC_INFO_1A document = {argv[2], nullptr, nullptr};
    const bool done = ReadFile(file, data.data(), size, &read, nullptr) && read == size &&
                      StartDocPrinterA(printer, 1, reinterpret_cast<BYTE*>(&document)) &&
                      WritePrinter(printer, data.data(), size, &written) && written == size &&
                      EndDocPrinter(printer);
    ClosePrinter(printer);
    CloseHandle(file);
    QueryPerformanceCounter(&end);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    printf(
        "copy %.1f ms, peak working set %lu KB\n",
        1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart),
        static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
    return done ? 0 : 1;
}
