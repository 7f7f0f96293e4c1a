// The commands of quillset, the command-line companion of the window, one
// set on every platform: those on a settings block from a country's
// defaults, a profile, a capture or the stored set, and those that reach the
// print queues; the platform's side lies behind the ports (print_queues.h,
// stored_set.h, platform.h).
#pragma once

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

#include "settings/settings_block.h"
#include "settings/settings_profile.h"

enum ExitCode { ExitDone = 0, ExitFailed = 1, ExitUsage = 2 };

// Where show, export, stream and each side of diff take their settings from.
struct BlockSource {
    std::string country;   // a country's defaults on the standard model
    bool variant = false;  // the model variant's defaults
    std::string profile;   // a settings profile file ("-": standard input)
    std::string file;      // diff: a profile or a capture, told apart by content
    bool stored = false;   // the stored set: the one last sent or imported
};

// One line on standard error, prefixed with the program's name.
void reportFailure(const std::string& message);
// The system's text for an errno value.
std::string systemErrorText(int error);

// A file read whole, "-" being standard input; false when it cannot be read
// or is larger than any real profile or capture (1 MB), with the reason and
// the system's error code (0 when the reason is none of the system's).
bool readWholeFile(const std::string& path, std::string* contents, std::string* reason, int* error);
// The same for a profile or capture, the reason reported.
bool readInputFile(const std::string& path, std::string* contents);

// The set a profile of `model` fills in, for every command alike: where a
// set is stored for that model, the stored set, else the model's factory
// defaults; `baseName` says which. ExitFailed, reported, when the stored set
// is damaged.
int profileBase(uint8_t model, SettingsBlock* base, std::string* baseName);
// False, with `why`, when this machine takes no profile of `model`
// (quillset.exe: corvex.ini names the other model).
bool profileFitsMachine(uint8_t model, std::string* why);

// Reads a profile file and checks it whole over its base (profileBase): its
// structure and its values. Every problem is reported as a FILE:LINE: line
// (up to a cap); on success `block` holds the set it yields.
int readProfileFile(const std::string& path, Profile* profile, SettingsBlock* block);

// With --json: one document per run. A command's own document, or, when it
// failed before writing one, a document of the failures reported and the
// exit code. Strings go out as UTF-8 (platform.h's toUtf8).
void expectJson();
void writeJsonDocument(nlohmann::ordered_json document);
void finishJson(int code);

// A block from a country, the variant's defaults, a profile, a capture (the
// stream the printer keeps) or the stored set.
// A capture whose stream both models show takes `eitherModel` true.
int blockFromSource(const BlockSource& source, SettingsBlock* block, uint8_t* modelVariant,
                    bool* eitherModel = nullptr);

// Every setting by page and label, with the value the pages show.
void printSettings(const SettingsBlock& block, uint8_t modelVariant);

int showSettings(const SettingsBlock& block, uint8_t modelVariant, bool json);
int exportProfile(const std::string& path, const SettingsBlock& block, uint8_t modelVariant);
int writeStream(const SettingsBlock& block);
// `file` is a capture ("-": standard input), or "" with `hex` the capture's
// bytes as hexadecimal text. `model` is 1 to read every stream as the model
// variant, -1 to take for each stream the model that shows every field.
int decodeCapture(const std::string& file, const std::string& hex, int model, bool json);
int checkProfile(const std::string& path, bool json);
int diffSettings(const BlockSource& old, const BlockSource& changed, bool json);

// Where import, queues, send and print-table reach the queues.
struct QueueOptions {
    std::string server;               // a print server's HOST[:PORT]; "" the system's own
    std::vector<std::string> queues;  // queues named with --queue
    bool all = false;                 // every queue of the model
    int wait = -1;                    // seconds to wait for the jobs; -1 not to wait
};

// The stored set (--stored); a damaged one, or none, is a failure, reported.
int storedBlock(SettingsBlock* block, uint8_t* modelVariant);
int importProfile(const std::string& path);
// The model's queues, with where each prints.
int listQueues(const std::string& server, bool json);
int sendSettingsTo(const QueueOptions& options, const std::string& profile);
// One character table, named by the dialog's list texts, to the queue named
// or the model's only queue.
int printCharacterTableTo(const std::string& emulation, const std::string& table,
                          const QueueOptions& options);
