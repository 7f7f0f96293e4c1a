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

// The queue the user confirmed, looked up afresh by its list position. The
// spooler may have changed while the dialog was open; when the position no
// longer holds the confirmed queue, the confirmed name itself is used, so a
// job never goes to a queue the user did not choose.
std::string confirmedQueue(int position, const std::string& confirmedName) {
    std::vector<PrinterRecord> matches;
    if (enumerateModelPrinters(&matches) && static_cast<size_t>(position) < matches.size() &&
        lstrcmpiA(matches[position].printerName.c_str(), confirmedName.c_str()) == 0)
        return matches[position].printerName;
    return confirmedName;
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
    // Several candidates: the user chooses. Cancel needs no message.
    std::string confirmedName;
    const int position = selectPrinterDialog(owner, &confirmedName);
    if (position < 0) return false;
    *printerName = confirmedQueue(position, confirmedName);
    return true;
}
