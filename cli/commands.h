// The commands of quillset, the command-line companion of the window. The
// portable ones work on a settings block from a country's defaults, a
// profile or a capture and build natively too; the others reach the
// registry and the spooler as corvex.exe does.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings_block.h"
#include "settings/settings_profile.h"

enum ExitCode { ExitDone = 0, ExitFailed = 1, ExitUsage = 2 };

// Where show, export and stream take their settings from.
struct BlockSource {
    std::string country;   // a country's defaults on the standard model
    bool variant = false;  // the model variant's defaults
    std::string profile;   // a settings profile file
};

// One line on standard error, prefixed with the program's name.
void reportFailure(const std::string& message);

bool readWholeFile(const std::string& path, std::string* contents);
// Reads a profile file and checks its structure; faults are reported as
// FILE:LINE: lines. On success `profile` holds the parsed profile.
int readProfileFile(const std::string& path, Profile* profile);
// Applies a parsed profile to `base`, reporting faults as FILE:LINE: lines.
int applyProfileFile(const std::string& path, const Profile& profile, const SettingsBlock& base,
                     SettingsBlock* result);

// A block from a country, the variant's defaults or a profile.
int blockFromSource(const BlockSource& source, SettingsBlock* block, uint8_t* modelVariant);

// Every setting by page and label, with the value the pages show.
void printSettings(const SettingsBlock& block, uint8_t modelVariant);

int exportProfile(const std::string& path, const SettingsBlock& block, uint8_t modelVariant);
int writeStream(const SettingsBlock& block);
// `file` is a capture, or "" with `hex` the capture's bytes as hexadecimal text.
int decodeCapture(const std::string& file, const std::string& hex, uint8_t modelVariant);

#ifdef _WIN32
// The block corvex.exe would start with (registry, and the model variant
// from corvex.ini beside quillset.exe); false when none is stored.
bool loadInstalledBlock(SettingsBlock* block, uint8_t* modelVariant);
// The model variant corvex.ini names.
uint8_t installedModelVariant();
int importProfile(const std::string& path);
int listQueues();
int sendSettingsTo(const std::vector<std::string>& queues, bool all, const std::string& profile);
// One character table, named by the dialog's list texts, to `queue` or the
// model's only queue.
int printCharacterTableTo(const std::string& emulation, const std::string& table, const std::string& queue);
#endif
