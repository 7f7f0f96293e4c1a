#include "printer/print_job.h"

#include <winspool.h>

#include "resource.h"

UINT printJobMessageId(const PrintJobResult& result) {
    switch (result.failedStep) {
        case PrintJobStep::Open:
            return IDS_OPEN_PRINTER_ERROR;
        case PrintJobStep::Start:
            return IDS_START_DOC_ERROR;
        case PrintJobStep::Write:
            return IDS_WRITE_PRINTER_ERROR;
        case PrintJobStep::End:
            return IDS_END_DOC_ERROR;
        case PrintJobStep::None:
            break;
    }
    return 0;
}

PrintJobResult openPrinterQueue(const std::string& queueName, HANDLE* printer) {
    *printer = nullptr;
    std::string name = queueName;  // OpenPrinterA takes a writable string
    if (!OpenPrinterA(&name[0], printer, nullptr)) {
        *printer = nullptr;
        return {PrintJobStep::Open, GetLastError()};
    }
    return {};
}

void closePrinterQueue(HANDLE printer) {
    if (printer) ClosePrinter(printer);
}

// Every call is judged by its own result, never by the last-error value,
// which the spooler leaves set after calls that succeed.
PrintJobResult writePrintDocument(HANDLE printer, const std::string& documentName, const void* data,
                                  DWORD length, DWORD* job) {
    std::string name = documentName;
    DOC_INFO_1A document = {&name[0], nullptr, nullptr};
    const DWORD started = StartDocPrinterA(printer, 1, reinterpret_cast<BYTE*>(&document));
    if (started == 0) return {PrintJobStep::Start, GetLastError()};
    if (job) *job = started;

    DWORD written = 0;
    // A short write that reports success leaves no error of its own to show.
    SetLastError(ERROR_SUCCESS);
    if (!WritePrinter(printer, const_cast<void*>(data), length, &written) || written != length) {
        const DWORD error = GetLastError();
        AbortPrinter(printer);
        return {PrintJobStep::Write, error};
    }
    if (!EndDocPrinter(printer)) {
        const DWORD error = GetLastError();
        AbortPrinter(printer);
        return {PrintJobStep::End, error};
    }
    return {};
}
