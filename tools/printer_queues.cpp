#include "printer_queues.h"

#include <windows.h>
#include <winspool.h>

#include <fstream>
#include <iterator>

std::string windowsPath(const std::string& unixPath) {
    std::string path = "Z:";
    for (char c : unixPath) path += c == '/' ? '\\' : c;
    return path;
}

namespace {
std::string portsDir() { return windowsPath(QUILLSET_BUILD_DIR) + "\\ports"; }
HKEY brokenQueue = nullptr;
}  // namespace

void removeAllPrinters() {
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 1, nullptr, 0, &needed, &count);
    if (needed == 0) return;
    std::vector<BYTE> buffer(needed);
    if (!EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 1, buffer.data(), needed, &needed, &count)) return;
    auto* records = reinterpret_cast<PRINTER_INFO_1A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) deleteQueue(records[i].pName);
}

bool ensureDriver(const std::string& driverName) {
    DRIVER_INFO_3A info = {};
    info.cVersion = 3;
    info.pName = const_cast<char*>(driverName.c_str());
    info.pDriverPath = const_cast<char*>("wineps.drv");
    info.pDataFile = const_cast<char*>("generic.ppd");
    info.pConfigFile = const_cast<char*>("wineps.drv");
    if (AddPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE*>(&info))) return true;
    return GetLastError() == ERROR_PRINTER_DRIVER_ALREADY_INSTALLED;
}

bool addQueue(const std::string& name, const std::string& driverName, const std::string& port) {
    if (!ensureDriver(driverName)) return false;
    CreateDirectoryA(portsDir().c_str(), nullptr);
    std::string portName = port.empty() ? portFilePath(name) : port;
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<char*>(name.c_str());
    info.pPortName = const_cast<char*>(portName.c_str());
    info.pDriverName = const_cast<char*>(driverName.c_str());
    info.pPrintProcessor = const_cast<char*>("WinPrint");
    info.pDatatype = const_cast<char*>("RAW");
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (!printer) return false;
    ClosePrinter(printer);
    return true;
}

bool deleteQueue(const std::string& name) {
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (!OpenPrinterA(const_cast<char*>(name.c_str()), &printer, &access)) return false;
    BOOL deleted = DeletePrinter(printer);
    ClosePrinter(printer);
    return deleted != FALSE;
}

std::string portFilePath(const std::string& queue) { return portsDir() + "\\" + queue + ".prn"; }

bool portFileExists(const std::string& queue) {
    return GetFileAttributesA(portFilePath(queue).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<uint8_t> readPortFile(const std::string& queue) {
    std::ifstream file(portFilePath(queue), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void removePortFile(const std::string& queue) { DeleteFileA(portFilePath(queue).c_str()); }

bool breakQueueList() {
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Print\\Printers\\Unread", 0,
                        nullptr, REG_OPTION_VOLATILE | REG_OPTION_CREATE_LINK, KEY_ALL_ACCESS | KEY_CREATE_LINK,
                        nullptr, &brokenQueue, nullptr) != ERROR_SUCCESS)
        return false;
    const wchar_t target[] = L"\\Registry\\Machine\\Software\\NoSuchKey";
    return RegSetValueExW(brokenQueue, L"SymbolicLinkValue", 0, REG_LINK, reinterpret_cast<const BYTE*>(target),
                          sizeof target - sizeof target[0]) == ERROR_SUCCESS;
}

void mendQueueList() {
    // A link key is deleted by its handle: opening it by name would follow it.
    using DeleteKey = LONG(WINAPI*)(HANDLE);
    if (!brokenQueue) return;
    reinterpret_cast<DeleteKey>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtDeleteKey")))(brokenQueue);
    RegCloseKey(brokenQueue);
    brokenQueue = nullptr;
}
