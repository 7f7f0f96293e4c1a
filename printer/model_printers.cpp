#include "printer/model_printers.h"

#include <windows.h>

#include "resource.h"
#include "common/window_helpers.h"

std::string modelDriverName() { return loadString(IDS_MODEL_DRIVER_NAME); }

bool isModelPrinter(const PrinterRecord& record, const std::string& driverName) {
    return lstrcmpiA(record.driverName.c_str(), driverName.c_str()) == 0;
}

bool enumerateModelPrinters(std::vector<PrinterRecord>* matches) {
    matches->clear();
    const std::string driverName = modelDriverName();
    std::vector<PrinterRecord> records;
    if (!enumeratePrinterRecords(&records)) return false;
    for (auto& record : records)
        if (isModelPrinter(record, driverName)) matches->push_back(std::move(record));
    return true;
}
