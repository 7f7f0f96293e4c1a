// Reaching the printer: the spooler's queues of the model's driver, and the
// Select Printer dialog when there are several.
#pragma once

#include <windows.h>

#include <string>

// True with a queue name OpenPrinterA accepts; false after telling the user
// why, or after the user cancelled the choice.
bool findModelPrinter(HWND owner, std::string* printerName);
