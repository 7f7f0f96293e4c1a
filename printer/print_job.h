// One spooler document: open the queue, start the document, write the data in
// one piece, end the document, close the queue. Failures come back as values
// (the step that failed and the platform's error code), so that the window
// can show them in its message boxes and the command line can print them.
#pragma once

#include <windows.h>

#include <string>

enum class PrintJobStep { None, Open, Start, Write, End };

struct PrintJobResult {
    PrintJobStep failedStep = PrintJobStep::None;
    DWORD error = 0;  // the last error right after the failing call
    bool ok() const { return failedStep == PrintJobStep::None; }
};

// The string-table format ("... Error code = %d") that reports a failed step;
// 0 for success.
UINT printJobMessageId(const PrintJobResult& result);

// Opens the queue by name with default access.
PrintJobResult openPrinterQueue(const std::string& queueName, HANDLE* printer);

void closePrinterQueue(HANDLE printer);

// Writes `data` as one document named `documentName` (no output file, no data
// type, so the bytes reach the printer unchanged) on an open printer, which
// stays open. When the document cannot be completed the job is cancelled, so
// that nothing partial is printed. `job`, when given, gets the spooler's id
// of the job.
PrintJobResult writePrintDocument(HANDLE printer, const std::string& documentName, const void* data,
                                  DWORD length, DWORD* job = nullptr);
