// The print queues of the Win32 spooler, on the window's own code: the
// queues by level-2 enumeration, the model's by their driver, one spooler
// document per print, and the job followed by GetJobA until it is gone.
#include <windows.h>
#include <winspool.h>

#include <memory>
#include <vector>
#include <thread>

#include "cli/platform.h"
#include "cli/print_queues.h"
#include "common/window_helpers.h"
#include "printer/model_printers.h"
#include "printer/print_job.h"
#include "resource.h"
#include "settings/catalogue.h"

namespace {

// The window's text with the error code, then the system's own words.
std::string jobFailure(const PrintJobResult& result) {
    return formatString(printJobMessageId(result), static_cast<int>(result.error)) + " (" +
           systemCodeText(result.error) + ")";
}

// Whether the model's driver is installed, whether or not a queue uses it.
bool modelDriverInstalled() {
    DWORD needed = 0, count = 0;
    EnumPrinterDriversA(nullptr, nullptr, 1, nullptr, 0, &needed, &count);
    if (needed == 0) return false;
    std::vector<BYTE> buffer(needed);
    if (!EnumPrinterDriversA(nullptr, nullptr, 1, buffer.data(), needed, &needed, &count) ||
        static_cast<size_t>(count) * sizeof(DRIVER_INFO_1A) > buffer.size())
        return false;
    const auto* drivers = reinterpret_cast<const DRIVER_INFO_1A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
        if (drivers[i].pName && sameText(drivers[i].pName, modelDriverName().c_str())) return true;
    return false;
}

struct Queue {
    HANDLE handle = nullptr;
    ~Queue() { closePrinterQueue(handle); }
};

}  // namespace

bool usePrintServer(const std::string& server, std::string* failure) {
    if (server.empty()) return true;
    *failure = "--server names a CUPS print server; quillset.exe prints to the spooler's queues";
    return false;
}

std::string printServerName() { return "this computer's spooler"; }

// No driver, or no queue of it: the window's own text for the first.
std::string noModelQueueText() {
    if (!modelDriverInstalled()) return formatString(IDS_DRIVER_NOT_INSTALLED, modelDriverName().c_str());
    return "no queue uses the " + modelDriverName() + " driver; add a queue of it first";
}

bool listPrintQueues(std::vector<PrintQueue>* queues, std::string* failure) {
    std::vector<PrinterRecord> records;
    queues->clear();
    if (!enumeratePrinterRecords(&records)) {
        *failure = "cannot list the spooler's queues: " + systemCodeText(GetLastError());
        return false;
    }
    const std::string driver = modelDriverName();
    for (const PrinterRecord& record : records) {
        PrintQueue queue;
        queue.name = record.printerName;
        queue.port = record.portName;
        queue.model = isModelPrinter(record, driver);
        queue.stopped = (record.status & PRINTER_STATUS_PAUSED) != 0;
        queue.stateMessage = queue.stopped ? "paused" : "";
        queues->push_back(queue);
    }
    return true;
}

bool sendRawDocument(const PrintQueue& queue, const std::string& title, const std::string& data, int* job,
                     std::string* failure) {
    if (queue.stopped) {
        *failure = "the queue is stopped (" + queue.stateMessage + "); nothing was sent";
        return false;
    }
    Queue printer;
    PrintJobResult result = openPrinterQueue(queue.name, &printer.handle);
    DWORD id = 0;
    if (result.ok())
        result = writePrintDocument(printer.handle, title, data.data(), static_cast<DWORD>(data.size()), &id);
    if (!result.ok()) {
        *failure = jobFailure(result);
        return false;
    }
    *job = static_cast<int>(id);
    return true;
}

bool waitForJob(const PrintQueue& queue, int job, std::chrono::steady_clock::time_point deadline,
                std::string* failure) {
    Queue printer;
    const PrintJobResult opened = openPrinterQueue(queue.name, &printer.handle);
    if (!opened.ok()) {
        *failure = "cannot follow job " + std::to_string(job) + ": " + jobFailure(opened);
        return false;
    }
    for (;;) {
        // A job the spooler no longer knows has left it: printed.
        DWORD needed = 0;
        GetJobA(printer.handle, static_cast<DWORD>(job), 1, nullptr, 0, &needed);
        if (needed < sizeof(JOB_INFO_1A)) return true;
        std::unique_ptr<BYTE[]> buffer(new BYTE[needed]);
        if (!GetJobA(printer.handle, static_cast<DWORD>(job), 1, buffer.get(), needed, &needed)) return true;
        const auto* info = reinterpret_cast<const JOB_INFO_1A*>(buffer.get());
        if (info->Status & (JOB_STATUS_PRINTED | JOB_STATUS_COMPLETE)) return true;
        const std::string reason = info->pStatus ? std::string(": ") + info->pStatus : "";
        const std::string name = "job " + std::to_string(job);
        if (info->Status & (JOB_STATUS_DELETED | JOB_STATUS_DELETING)) {
            *failure = name + " was cancelled" + reason;
            return false;
        }
        if (info->Status & JOB_STATUS_ERROR) {
            *failure = name + " was stopped" + reason;
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            *failure = name + " is still pending at the time limit" + reason;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}
