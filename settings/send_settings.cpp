#include "settings/send_settings.h"

#include <winspool.h>

#include <string>

#include "printer/find_printer.h"
#include "resource.h"
#include "settings/persistence.h"
#include "settings/settings_state.h"
#include "settings/transfer_stream.h"
#include "ui/window_helpers.h"

namespace {
// The name the job carries in the spooler's queue.
char DocumentName[] = "print command";

struct SpoolerFailure {
    UINT messageId = 0;  // 0: the document reached the spooler whole
    DWORD error = 0;
};

// Writes `data` as one spooler document on the open `printer`. Every call is
// judged by its own result, never by the last-error value, which the spooler
// leaves set after calls that succeed. When the document cannot be completed
// the job is cancelled, so that no partial stream reaches the printer.
SpoolerFailure writeDocument(HANDLE printer, const uint8_t* data, DWORD length) {
    // No output file and no data type: the bytes go to the printer unchanged.
    DOC_INFO_1A document = {DocumentName, nullptr, nullptr};
    if (StartDocPrinterA(printer, 1, reinterpret_cast<BYTE*>(&document)) == 0)
        return {IDS_START_DOC_ERROR, GetLastError()};

    DWORD written = 0;
    // A short write that reports success leaves no error of its own to show.
    SetLastError(ERROR_SUCCESS);
    if (!WritePrinter(printer, const_cast<uint8_t*>(data), length, &written) || written != length) {
        const DWORD error = GetLastError();
        AbortPrinter(printer);
        return {IDS_WRITE_PRINTER_ERROR, error};
    }
    if (!EndDocPrinter(printer)) {
        const DWORD error = GetLastError();
        AbortPrinter(printer);
        return {IDS_END_DOC_ERROR, error};
    }
    return {};
}
}  // namespace

bool sendSettings(HWND owner, ReadPageChoices readChoices) {
    std::string printerName;
    if (!findModelPrinter(owner, &printerName)) return false;

    HANDLE printer = nullptr;
    if (!OpenPrinterA(&printerName[0], &printer, nullptr)) {
        reportError(owner, IDS_OPEN_PRINTER_ERROR, static_cast<int>(GetLastError()));
        return false;
    }

    // The current block stays untouched until the stream is out: it supplies
    // the bytes packing never writes.
    const SettingsBlock sent = packSettings(readChoices(owner), ModelVariant, currentBlock);
    uint8_t stream[TransferStreamBufferSize];
    const size_t length = encodeTransferStream(sent, stream, sizeof stream);

    const SpoolerFailure failure = writeDocument(printer, stream, static_cast<DWORD>(length));
    ClosePrinter(printer);
    if (failure.messageId != 0) {
        reportError(owner, failure.messageId, static_cast<int>(failure.error));
        return false;
    }

    currentBlock = sent;
    storeSettings();  // a registry failure is not the printer's: the send stands
    return true;
}
