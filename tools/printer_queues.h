// Printer queues of a Wine prefix's real spooler, for the tests, the demo and
// the benchmark. A queue of the model's driver prints to a file port, whose
// bytes can be read back after the job ended.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr const char* ModelDriver = "Velmora DX-4170";

// A Unix path as Wine's Z: drive shows it ("/a/b" becomes "Z:\a\b").
std::string windowsPath(const std::string& unixPath);

// Deletes every queue of the prefix, so a test starts from a known set.
void removeAllPrinters();
// Installs a driver of that name (backed by Wine's PostScript driver files).
bool ensureDriver(const std::string& driverName);
// Adds a queue; an empty port means the queue's own file under build/ports
// (QUILLSET_BUILD_DIR, where the tests keep their port files).
bool addQueue(const std::string& name, const std::string& driverName = ModelDriver,
              const std::string& port = std::string());
bool deleteQueue(const std::string& name);

// The Windows path of the queue's default port file.
std::string portFilePath(const std::string& queue);
bool portFileExists(const std::string& queue);
std::vector<uint8_t> readPortFile(const std::string& queue);
void removePortFile(const std::string& queue);

// Makes the spooler's list of queues unreadable (a queue key that is a link
// to no key), so that enumerating the queues fails, until mendQueueList.
bool breakQueueList();
void mendQueueList();
