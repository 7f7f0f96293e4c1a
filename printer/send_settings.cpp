#include "printer/send_settings.h"

#include <string>

#include "printer/find_printer.h"
#include "printer/print_job.h"
#include "resource.h"
#include "settings/persistence.h"
#include "settings/settings_state.h"
#include "settings/transfer_stream.h"
#include "common/window_helpers.h"

namespace {
// The name the job carries in the spooler's queue.
constexpr const char* DocumentName = "print command";
}  // namespace

PrintJobResult writeSettingsDocument(HANDLE printer, const SettingsBlock& block) {
    uint8_t stream[TransferStreamBufferSize];
    const size_t length = encodeTransferStream(block, stream, sizeof stream);
    return writePrintDocument(printer, DocumentName, stream, static_cast<DWORD>(length));
}

PrintJobResult sendBlockToQueue(const std::string& queueName, const SettingsBlock& block) {
    HANDLE printer = nullptr;
    PrintJobResult result = openPrinterQueue(queueName, &printer);
    if (!result.ok()) return result;
    result = writeSettingsDocument(printer, block);
    closePrinterQueue(printer);
    return result;
}

bool sendSettings(HWND owner, ReadPageChoices readChoices) {
    std::string printerName;
    if (!findModelPrinter(owner, &printerName)) return false;

    HANDLE printer = nullptr;
    PrintJobResult result = openPrinterQueue(printerName, &printer);
    if (!result.ok()) {
        reportError(owner, printJobMessageId(result), static_cast<int>(result.error));
        return false;
    }

    // The current block stays untouched until the stream is out: it supplies
    // the bytes packing never writes.
    const SettingsBlock sent = packSettings(readChoices(owner), ModelVariant, currentBlock);
    result = writeSettingsDocument(printer, sent);
    closePrinterQueue(printer);
    if (!result.ok()) {
        reportError(owner, printJobMessageId(result), static_cast<int>(result.error));
        return false;
    }

    currentBlock = sent;
    // The stream is out either way; the result says whether it was also kept.
    // A registry failure shows nothing in the window.
    return storeSettings();
}
