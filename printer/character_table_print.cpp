#include "printer/character_table_print.h"

#include <memory>
#include <new>

#include "common/window_helpers.h"
#include "printer/character_tables.h"
#include "printer/find_printer.h"
#include "printer/print_job.h"
#include "resource.h"
#include "settings/settings_state.h"

namespace {
// Closes a file handle on every way out.
struct FileHandle {
    HANDLE handle;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

struct PrinterHandle {
    HANDLE handle = nullptr;
    ~PrinterHandle() { closePrinterQueue(handle); }
};

TablePrintResult failure(UINT messageId, DWORD error = 0, const std::string& path = std::string()) {
    return {messageId, error, path};
}

// The directory of the running executable with its trailing backslash; ""
// when it cannot be read. A path that ends up too long is refused where the
// file is opened.
std::string executableDirectory() {
    const std::string path = executablePath();
    return path.substr(0, path.rfind('\\') + 1);
}
}  // namespace

bool characterTablePath(int emulation, int position, std::string* path) {
    const char* name = characterTableFileName(emulation, position, ModelVariant);
    if (!name) return false;
    *path = executableDirectory() + name;
    return true;
}

TablePrintResult sendCharacterTableFile(const std::string& queueName, const std::string& path) {
    // The printer is opened before the file is touched, so that with both
    // missing the user hears about the printer.
    PrinterHandle printer;
    const PrintJobResult opened = openPrinterQueue(queueName, &printer.handle);
    if (!opened.ok()) return failure(printJobMessageId(opened), opened.error);

    // A path beyond the platform's limit names no file it could open; a bare
    // name (the executable's directory could not be read) would be looked up
    // in whatever directory is current, and no other directory is searched.
    if (path.size() >= MAX_PATH || path.find('\\') == std::string::npos)
        return failure(IDS_FILE_NOT_FOUND, 0, path);
    FileHandle file{
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) return failure(IDS_FILE_NOT_FOUND, 0, path);

    // A file of 4 GB or more has a size the low 32 bits do not tell: reading
    // only those would send part of it.
    DWORD high = 0;
    const DWORD size = GetFileSize(file.handle, &high);
    if (size == 0 || size == INVALID_FILE_SIZE || high != 0) return failure(IDS_FILE_READ_ERROR);

    std::unique_ptr<char[]> buffer(new (std::nothrow) char[size]);
    if (!buffer) return failure(IDS_FILE_READ_ERROR);
    DWORD read = 0;
    // A short read (the file shrank meanwhile) is a failed read: never a
    // partial page.
    if (!ReadFile(file.handle, buffer.get(), size, &read, nullptr) || read != size)
        return failure(IDS_FILE_READ_ERROR);

    const PrintJobResult job = writePrintDocument(printer.handle, path, buffer.get(), size);
    if (!job.ok()) return failure(printJobMessageId(job), job.error);
    return {};
}

void reportTablePrintFailure(HWND owner, const TablePrintResult& result) {
    if (result.ok()) return;
    // Each message takes what it names: the file, nothing, or an error code.
    std::string text;
    if (result.messageId == IDS_FILE_NOT_FOUND)
        text = formatString(result.messageId, result.path.c_str());
    else if (result.messageId == IDS_FILE_READ_ERROR)
        text = formatString(result.messageId);
    else
        text = formatString(result.messageId, static_cast<int>(result.error));
    reportErrorText(owner, text);
}

bool printCharacterTable(HWND owner, int emulation, int position) {
    // The dialog never offers a position outside its list; a direct call
    // that asks for one is refused before anything is opened.
    std::string path;
    if (!characterTablePath(emulation, position, &path)) return false;
    std::string printerName;
    if (!findModelPrinter(owner, &printerName)) return false;
    const TablePrintResult result = sendCharacterTableFile(printerName, path);
    reportTablePrintFailure(owner, result);
    return result.ok();
}
