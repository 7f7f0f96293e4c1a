// The one way the program asks the print spooler for its printers: local
// printers and connections, no server name. Every caller gets a buffer of its
// own that is released when the caller's operation ends.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Enumerates at `level` (1 or 2) into `buffer`, sized to what the spooler
// asks for; true with the record count when the spooler's answer is usable.
// A buffer that cannot be allocated counts as a failed enumeration.
bool enumeratePrinters(DWORD level, std::vector<BYTE>* buffer, DWORD* count);

// The fields of a level-2 record the program uses, copied out of the
// enumeration buffer so that they outlive it.
struct PrinterRecord {
    std::string printerName;  // the queue name: what OpenPrinterA takes
    std::string portName;
    std::string driverName;
    DWORD status = 0;  // PRINTER_STATUS_* bits: paused, error, ...
};

// A level-2 enumeration as records, in the spooler's order.
bool enumeratePrinterRecords(std::vector<PrinterRecord>* records);

// Starts loading the spooler's DLL on a thread of its own and returns at once.
// The program links the spooler to load on its first call, so that start-up
// never waits for the spooler to set itself up; called once the window is up,
// this spares the first print that wait too. Nothing depends on it: if the
// thread cannot start, the first spooler call loads the DLL itself.
void preloadSpooler();
