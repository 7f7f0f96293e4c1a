#include "printer/spooler.h"

#include <winspool.h>

#include <new>

namespace {
// PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS: the printers of this machine
// and the network printers the user has connected to.
constexpr DWORD EnumerationScope = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;

size_t recordSize(DWORD level) { return level == 1 ? sizeof(PRINTER_INFO_1A) : sizeof(PRINTER_INFO_2A); }

std::string copyText(const char* text) { return text ? std::string(text) : std::string(); }
}  // namespace

bool enumeratePrinters(DWORD level, std::vector<BYTE>* buffer, DWORD* count) {
    *count = 0;
    if (level != 1 && level != 2) return false;
    // The first call only asks for the size; its result means nothing on its own.
    DWORD needed = 0;
    DWORD returned = 0;
    EnumPrintersA(EnumerationScope, nullptr, level, nullptr, 0, &needed, &returned);
    try {
        buffer->assign(needed, 0);
    } catch (const std::bad_alloc&) {
        buffer->clear();
        return false;
    }
    DWORD stillNeeded = 0;
    if (!EnumPrintersA(EnumerationScope, nullptr, level, buffer->empty() ? nullptr : buffer->data(),
                       static_cast<DWORD>(buffer->size()), &stillNeeded, &returned))
        return false;
    // The records must lie inside what was handed over; anything else is a
    // spooler answer the program cannot read safely.
    if (returned > buffer->size() / recordSize(level)) return false;
    *count = returned;
    return true;
}

bool enumeratePrinterRecords(std::vector<PrinterRecord>* records) {
    records->clear();
    std::vector<BYTE> buffer;
    DWORD count = 0;
    if (!enumeratePrinters(2, &buffer, &count)) return false;
    const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    try {
        records->reserve(count);
        for (DWORD i = 0; i < count; ++i)
            records->push_back({copyText(info[i].pPrinterName), copyText(info[i].pPortName),
                                copyText(info[i].pDriverName), info[i].Status});
    } catch (const std::bad_alloc&) {
        records->clear();
        return false;
    }
    return true;
}

namespace {
DWORD WINAPI loadSpooler(LPVOID) {
    // Kept loaded for the rest of the run: the first spooler call finds it.
    return LoadLibraryA("winspool.drv") != nullptr ? 0 : 1;
}
}  // namespace

void preloadSpooler() {
    HANDLE thread = CreateThread(nullptr, 0, loadSpooler, nullptr, 0, nullptr);
    if (thread) CloseHandle(thread);
}
