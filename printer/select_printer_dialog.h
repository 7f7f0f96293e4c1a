// The Select Printer dialog: lets the user pick one of several queues of the
// model's driver and shows the port of the highlighted one.
#pragma once

#include <windows.h>

#include <string>

// Modal, owned by `owner`. Returns the 0-based list position of the entry
// confirmed with OK, and its text in `confirmedName`; -1 when cancelled or
// when nothing was selected (`confirmedName` is then left empty).
int selectPrinterDialog(HWND owner, std::string* confirmedName);
