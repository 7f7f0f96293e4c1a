// The "Print Character Table" dialog: the user picks an emulation and one of
// its character tables and prints that table's sample page.
#pragma once

#include <windows.h>

// Modal, owned by `owner`. Returns 1 after a table was printed, -1 when
// cancelled. A failed print keeps the dialog open for another try.
int printCharacterTableDialog(HWND owner);
