// The character-table pages print-table sends, named as the Print Character
// Table dialog lists them, and where they lie: beside quillset.exe, as
// corvex.exe has them; natively in share/quillset/tables/ of the
// installation, or in the build tree the program was built in.
#pragma once

#include <cstdint>
#include <string>

// The emulation's position in the dialog's first list (0 EPSON, 1 IBM), its
// text matched ignoring case; -1 when it is none, with `allowed` the list.
int emulationPosition(const std::string& name, std::string* allowed);

// The table's position in the list the dialog shows for `emulation` on
// `modelVariant`; -1 when it is none, with `allowed` the list.
int tablePosition(int emulation, const std::string& name, uint8_t modelVariant, std::string* allowed);

// The dialog's text of an emulation, and of a table of its list.
const char* emulationText(int emulation);

// The full path of the page of list entry `position` of `emulation`.
std::string tablePagePath(int emulation, int position, uint8_t modelVariant);
