// Printing a character table: one .PRN sample file from the executable's
// directory, copied unchanged to the model's printer as one spooler document
// named by the file's full path.
#pragma once

#include <windows.h>

#include <string>

// Why a sample file did not reach the spooler: the string-table message and
// what fills it in (the error code of 412 and 427-429, the path of 126;
// 127 takes nothing). A message id of 0 means the file was sent.
struct TablePrintResult {
    UINT messageId = 0;
    DWORD error = 0;
    std::string path;
    bool ok() const { return messageId == 0; }
};

// The full path of the sample file of list entry `position` of `emulation`
// for the current model variant: the executable's directory and the file's
// name. False for a position outside that list.
bool characterTablePath(int emulation, int position, std::string* path);

// Opens the queue, then the file at the full path `path` (read, no sharing),
// reads it whole with one read into a buffer of its exact size and writes it
// as one document named `path`. Everything opened is closed again on every
// path.
TablePrintResult sendCharacterTableFile(const std::string& queueName, const std::string& path);

// Shows a failure of sendCharacterTableFile in a message box owned by `owner`.
void reportTablePrintFailure(HWND owner, const TablePrintResult& result);

// Finds the printer (which reports its own failures or the user's Cancel),
// sends the file and reports any failure; true once the document is out.
bool printCharacterTable(HWND owner, int emulation, int position);
