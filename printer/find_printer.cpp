#include "printer/find_printer.h"

#include <vector>

#include "printer/model_printers.h"
#include "printer/select_printer_dialog.h"
#include "printer/spooler.h"
#include "resource.h"
#include "common/window_helpers.h"

namespace {
// One text for every cause: no printer at all, a failed enumeration, no queue
// of the model's driver. The user's remedy is the same.
void reportNotInstalled(HWND owner) {
    const std::string driverName = modelDriverName();
    reportError(owner, IDS_DRIVER_NOT_INSTALLED, driverName.c_str());
}

// Establishes only that the spooler knows at least one printer.
bool spoolerHasPrinters() {
    std::vector<BYTE> buffer;
    DWORD count = 0;
    return enumeratePrinters(1, &buffer, &count) && count > 0;
}

}  // namespace

bool findModelPrinter(HWND owner, std::string* printerName) {
    if (!spoolerHasPrinters()) {
        reportNotInstalled(owner);
        return false;
    }
    std::vector<PrinterRecord> matches;
    if (!enumerateModelPrinters(&matches) || matches.empty()) {
        reportNotInstalled(owner);
        return false;
    }
    if (matches.size() == 1) {
        *printerName = matches.front().printerName;
        return true;
    }
    // Several candidates: the user chooses. Cancel needs no message. The
    // spooler may change while the dialog is open, so the list position the
    // dialog ends with may hold another queue by now: the job goes to the
    // queue the user confirmed, by its name.
    std::string confirmedName;
    if (selectPrinterDialog(owner, &confirmedName) < 0) return false;
    *printerName = confirmedName;
    return true;
}
