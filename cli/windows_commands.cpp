// The commands that reach the registry and the spooler, on the window's own
// code: the stored settings as corvex.exe keeps them, its model's queues,
// the one-document print job and the character tables.
#include <windows.h>
#include <winspool.h>

#include <io.h>

#include <cstdio>
#include <vector>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "common/window_helpers.h"
#include "printer/character_table_print.h"
#include "printer/character_tables.h"
#include "printer/model_printers.h"
#include "printer/print_job.h"
#include "printer/send_settings.h"
#include "resource.h"
#include "settings/catalogue.h"
#include "settings/country_defaults.h"
#include "settings/persistence.h"
#include "settings/settings_profile.h"
#include "settings/settings_state.h"
#include "settings/transfer_stream.h"

namespace {

// The window's INI file: quillset keeps to the model variant corvex.exe
// runs as, never to an INI file of its own.
constexpr const char* WindowIniFile = "corvex.ini";

// corvex.exe's stored set into currentBlock, `stored` false when there is
// none. False, reported, when a value of it is damaged: quillset never
// reads that as defaults, nor sends or stores over it.
bool loadInstalled(bool* stored) {
    *stored = loadStoredSettings(programIniPath(WindowIniFile));
    std::string value;
    if (!storedValueDamaged(&value)) return true;
    reportFailure("the stored settings are unreadable: the registry value " + value +
                  " is not as corvex.exe stores it; nothing was read, sent or stored");
    return false;
}

// The system's text in another code page; unchanged when it cannot be converted.
std::string fromAnsiCodePage(const std::string& text, UINT codePage) {
    const int size = static_cast<int>(text.size());
    const int wide = text.empty() ? 0 : MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    if (wide <= 0) return text;
    std::wstring utf16(static_cast<size_t>(wide), L'\0');
    if (MultiByteToWideChar(CP_ACP, 0, text.data(), size, &utf16[0], wide) != wide) return text;
    const int bytes = WideCharToMultiByte(codePage, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return text;
    std::string converted(static_cast<size_t>(bytes), '\0');
    if (WideCharToMultiByte(codePage, 0, utf16.data(), wide, &converted[0], bytes, nullptr, nullptr) != bytes)
        return text;
    return converted;
}

// A console shows its own code page, which is not the system's.
std::string consoleText(const std::string& text) {
    const UINT console = GetConsoleOutputCP();
    return console == 0 || console == GetACP() ? text : fromAnsiCodePage(text, console);
}

bool sameName(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// Whether the model's driver is installed, whether or not a queue uses it.
bool modelDriverInstalled() {
    DWORD needed = 0, count = 0;
    EnumPrinterDriversA(nullptr, nullptr, 1, nullptr, 0, &needed, &count);
    if (needed == 0) return false;
    std::vector<BYTE> buffer(needed);
    if (!EnumPrinterDriversA(nullptr, nullptr, 1, buffer.data(), needed, &needed, &count) ||
        static_cast<size_t>(count) * sizeof(DRIVER_INFO_1A) > buffer.size())
        return false;
    const auto* drivers = reinterpret_cast<const DRIVER_INFO_1A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
        if (drivers[i].pName && sameName(drivers[i].pName, modelDriverName())) return true;
    return false;
}

// Why there is no queue to use: no driver, or no queue of it.
std::string noQueueText() {
    if (!modelDriverInstalled()) return formatString(IDS_DRIVER_NOT_INSTALLED, modelDriverName().c_str());
    return "no queue uses the " + modelDriverName() + " driver; add a queue of it first";
}

bool store(const SettingsBlock& block) {
    currentBlock = block;
    if (storeSettings()) return true;
    reportFailure("the settings could not be stored in the registry");
    return false;
}

const char* variantName(int variant) { return variant == 1 ? "model variant 1" : "the standard model"; }

// A profile is used only on the model corvex.ini names.
bool madeForThisModel(const std::string& path, const Profile& profile) {
    std::string why;
    if (profileFitsMachine(static_cast<uint8_t>(profile.modelVariant), &why)) return true;
    reportFailure(path + " " + why + "; nothing was stored or sent");
    return false;
}

// The system's own text for a Win32 error code, without its line end.
std::string win32ErrorText(DWORD error) {
    char text[512] = "";
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        error, 0, text, sizeof text, nullptr);
    std::string message(text, length < sizeof text ? length : 0);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(error) : message;
}

// The queues a command prints to: each of `names` once (spooler names
// ignore case), every queue of the model's driver with `all`, or the only
// one when none is named. A name that is no queue of the driver, or several
// queues and no choice, chooses nothing: the failure is reported (the
// queues listed, `howToChoose` telling what to add) and its exit code
// returned.
int chooseQueues(const std::vector<std::string>& names, bool all, const char* howToChoose,
                 std::vector<PrinterRecord>* targets) {
    std::vector<PrinterRecord> queues;
    if (!enumerateModelPrinters(&queues) || queues.empty()) {
        reportFailure(noQueueText());
        return ExitFailed;
    }
    for (const std::string& name : names) {
        const PrinterRecord* known = nullptr;
        bool repeated = false;
        std::vector<const char*> queueNames;
        for (const PrinterRecord& queue : queues) {
            if (sameName(queue.printerName, name)) known = &queue;
            queueNames.push_back(queue.printerName.c_str());
        }
        for (const PrinterRecord& target : *targets)
            repeated = repeated || sameName(target.printerName, name);
        if (!known) {
            reportFailure("\"" + name + "\" is not a queue of the " + modelDriverName() + " driver" +
                          didYouMean(name, queueNames.data(), static_cast<int>(queueNames.size())) +
                          "; see quillset queues");
            return ExitUsage;
        }
        // By the spooler's own name, however it was typed.
        if (!repeated) targets->push_back(*known);
    }
    if (all || (names.empty() && queues.size() == 1)) *targets = queues;
    if (targets->empty()) {
        reportFailure("several queues use the " + modelDriverName() + " driver; " + howToChoose + ":");
        for (const PrinterRecord& queue : queues)
            std::fprintf(stderr, "  %s\t%s\n", queue.printerName.c_str(), queue.portName.c_str());
        return ExitUsage;
    }
    return ExitDone;
}

// The position of `name` among `count` list entries from string `firstId`
// (ASCII case ignored, as everywhere in quillset); -1 when it is none of
// them, with `allowed` then listing them.
int listPosition(const std::string& name, UINT firstId, int count, std::string* allowed) {
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) {
        texts.push_back(loadString(firstId + static_cast<UINT>(i)));
        if (sameText(name, texts.back().c_str())) return i;
        *allowed += (i ? ", " : "") + texts.back();
    }
    std::vector<const char*> candidates;
    for (const std::string& text : texts) candidates.push_back(text.c_str());
    *allowed += didYouMean(name, candidates.data(), count);
    return -1;
}

}  // namespace

int profileBase(uint8_t model, SettingsBlock* base, std::string* baseName) {
    bool stored = false;
    if (!loadInstalled(&stored)) return ExitFailed;
    if (stored && modelOf(ModelVariant) == model) {
        *base = currentBlock;
        *baseName = "the stored settings";
    } else {
        // The first country's defaults (the variant's own row on the variant).
        *base = defaultBlockFor(model, 0);
        *baseName = std::string("the factory defaults of ") + variantName(model);
    }
    return ExitDone;
}

// Read as corvex.exe reads corvex.ini: only a Model whose low byte is 1 is
// the variant.
bool profileFitsMachine(uint8_t model, std::string* why) {
    if (model == installedModel()) return true;
    *why = std::string("was made for ") + variantName(model) + ", but corvex.ini names " +
           variantName(installedModel());
    return false;
}

std::string toUtf8(const std::string& text) { return fromAnsiCodePage(text, CP_UTF8); }

bool loadInstalledBlock(SettingsBlock* block, uint8_t* modelVariant) {
    bool stored = false;
    if (!loadInstalled(&stored)) return false;
    *block = currentBlock;
    *modelVariant = ModelVariant;
    if (!stored)
        reportFailure(
            "no settings are stored for this model variant yet; corvex.exe stores them when it starts");
    return stored;
}

uint8_t installedModel() { return modelOf(readModelVariant(programIniPath(WindowIniFile))); }

bool writeFileWhole(const std::string& path, const std::string& text, std::string* reason) {
    // A name the system makes up and creates for this process alone, in the
    // target's folder so that the rename stays on its volume.
    const size_t slash = path.find_last_of("\\/:");
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    char temporary[MAX_PATH] = "";
    if (folder.size() >= MAX_PATH - 14 || !GetTempFileNameA(folder.c_str(), "qst", 0, temporary)) {
        *reason = win32ErrorText(GetLastError()) + "; the file is as it was";
        return false;
    }
    // Text mode, so that Windows editors get their line ends; flushed to the
    // disk before it takes the target's name.
    FILE* file = std::fopen(temporary, "w");
    bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                   std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
    std::string why = written ? "" : systemErrorText(errno);
    if (file && std::fclose(file) != 0 && why.empty()) why = systemErrorText(errno);
    if (why.empty() &&
        MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (why.empty()) why = win32ErrorText(GetLastError());
    DeleteFileA(temporary);
    *reason = why + "; the file is as it was";
    return false;
}

int importProfile(const std::string& path) {
    Profile profile;
    SettingsBlock block{};
    if (int code = readProfileFile(path, &profile, &block)) return code;
    if (!madeForThisModel(path, profile)) return ExitFailed;
    bool stored = false;
    if (!loadInstalled(&stored)) return ExitFailed;
    if (!stored) CountryIndex = 0;
    if (!store(block)) return ExitFailed;
    std::printf("Stored the settings of %s.\n", path.c_str());
    return ExitDone;
}

int listQueues(bool json) {
    std::vector<PrinterRecord> queues;
    if (!enumerateModelPrinters(&queues) || queues.empty()) {
        reportFailure(noQueueText());
        return ExitFailed;
    }
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PrinterRecord& queue : queues) {
        if (json)
            list.push_back({{"name", toUtf8(queue.printerName)}, {"port", toUtf8(queue.portName)}});
        else
            std::printf("%s\t%s\n", consoleText(queue.printerName).c_str(),
                        consoleText(queue.portName).c_str());
    }
    if (json)
        writeJsonDocument(nlohmann::ordered_json({{"queues", list}, {"exit", 0}})
                              .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace));
    return ExitDone;
}

int sendSettingsTo(const std::vector<std::string>& names, bool all, const std::string& profilePath) {
    Profile profile;
    SettingsBlock block{};
    if (!profilePath.empty())
        if (int code = readProfileFile(profilePath, &profile, &block)) return code;
    bool stored = false;
    if (!loadInstalled(&stored)) return ExitFailed;
    if (!stored) CountryIndex = 0;

    // The queues first, so that a wrong name or an ambiguity sends nothing.
    std::vector<PrinterRecord> targets;
    if (int code = chooseQueues(names, all, "name them with --queue or use --all", &targets)) return code;

    if (!profilePath.empty()) {
        if (!madeForThisModel(profilePath, profile)) return ExitFailed;
    } else if (stored) {
        block = currentBlock;
    } else {
        reportFailure("no settings are stored for this model variant yet; send a profile with --profile");
        return ExitFailed;
    }

    int failed = 0;
    for (const PrinterRecord& target : targets) {
        const PrintJobResult result = sendBlockToQueue(target.printerName, block);
        if (result.ok()) {
            std::printf("%s: sent\n", target.printerName.c_str());
        } else {
            ++failed;
            std::fflush(stdout);
            // The window's text with the error code, then the port and the system's own words.
            std::fprintf(stderr, "%s (port %s): %s (%s)\n", target.printerName.c_str(),
                         target.portName.c_str(),
                         formatString(printJobMessageId(result), static_cast<int>(result.error)).c_str(),
                         win32ErrorText(result.error).c_str());
        }
    }
    std::fflush(stdout);
    // As the window does: the set becomes the stored one only once it is out,
    // and here only when every queue took it.
    if (failed) {
        reportFailure(std::to_string(failed) + " of " + std::to_string(targets.size()) +
                      " queues failed; the settings were not stored");
        return ExitFailed;
    }
    return store(block) ? ExitDone : ExitFailed;
}

int printCharacterTableTo(const std::string& emulationName, const std::string& tableName,
                          const std::string& queueName) {
    // The lists as the dialog fills them, sized by the model variant
    // corvex.ini names; the stored set plays no part.
    ModelVariant = readModelVariant(programIniPath(WindowIniFile));
    std::string allowed;
    const int emulation = listPosition(emulationName, IDS_EMULATION_FIRST, 2, &allowed);
    if (emulation < 0) {
        reportFailure("unknown emulation \"" + emulationName + "\"; the emulations are " + allowed);
        return ExitUsage;
    }
    allowed.clear();
    const int position = listPosition(tableName, characterTableFirstString(emulation),
                                      characterTableCount(emulation, ModelVariant), &allowed);
    std::string path;
    if (position < 0 || !characterTablePath(emulation, position, &path)) {
        reportFailure("unknown character table \"" + tableName + "\"; the tables of " +
                      loadString(IDS_EMULATION_FIRST + static_cast<UINT>(emulation)) + " are " + allowed);
        return ExitUsage;
    }

    std::vector<std::string> names;
    std::vector<PrinterRecord> targets;
    if (!queueName.empty()) names.push_back(queueName);
    if (int code = chooseQueues(names, false, "name one with --queue", &targets)) return code;
    const TablePrintResult result = sendCharacterTableFile(targets[0].printerName, path);
    if (!result.ok()) {
        reportFailure(targets[0].printerName + " (port " + targets[0].portName +
                      "): " + tablePrintFailureText(result));
        return ExitFailed;
    }
    std::printf("%s: sent %s\n", targets[0].printerName.c_str(), path.c_str());
    return ExitDone;
}
