// The model's queues: every spooler queue whose driver is the model's driver,
// ignoring case. Discovery and the Select Printer dialog use this one rule, so
// the p-th match means the same queue in both while the spooler is unchanged.
#pragma once

#include <string>
#include <vector>

#include "printer/spooler.h"

// ModelDriverName, from the string table each time it is needed.
std::string modelDriverName();

bool isModelPrinter(const PrinterRecord& record, const std::string& driverName);

// A fresh level-2 enumeration reduced to the model's queues, in spooler order.
bool enumerateModelPrinters(std::vector<PrinterRecord>* matches);
