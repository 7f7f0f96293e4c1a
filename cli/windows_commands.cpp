// The commands that reach the registry and the spooler, on the window's own
// code: the stored settings as corvex.exe keeps them, its model's queues,
// the one-document print job and the character tables.
#include <windows.h>

#include <cstdio>
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

bool loadInstalled() { return loadStoredSettings(programIniPath(WindowIniFile)); }

// With nothing usable stored, the first country's defaults (the variant's
// own row on the variant) are the base a profile builds on.
SettingsBlock baseBlock(bool stored) {
    return stored ? currentBlock : defaultBlockFor(ModelVariant, CountryIndex = 0);
}

std::string driverNotInstalled() { return formatString(IDS_DRIVER_NOT_INSTALLED, modelDriverName().c_str()); }

bool store(const SettingsBlock& block) {
    currentBlock = block;
    if (storeSettings()) return true;
    reportFailure("the settings could not be stored in the registry");
    return false;
}

bool sameName(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

const char* variantName(int variant) { return variant == 1 ? "model variant 1" : "the standard model"; }

// A profile is used only on the model corvex.ini names, read as corvex.exe
// reads it: any value but 1 is the standard model.
bool madeForThisModel(const std::string& path, const Profile& profile) {
    if (profile.modelVariant == modelOf(ModelVariant)) return true;
    reportFailure(path + " was made for " + variantName(profile.modelVariant) + ", but corvex.ini names " +
                  variantName(modelOf(ModelVariant)) + "; nothing was stored or sent");
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
        reportFailure(driverNotInstalled());
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

bool loadInstalledBlock(SettingsBlock* block, uint8_t* modelVariant) {
    const bool stored = loadInstalled();
    *block = currentBlock;
    *modelVariant = ModelVariant;
    if (!stored)
        reportFailure(
            "no settings are stored for this model variant yet; corvex.exe stores them when it starts");
    return stored;
}

uint8_t installedModel() { return modelOf(readModelVariant(programIniPath(WindowIniFile))); }

bool replaceFile(const std::string& from, const std::string& to, std::string* reason) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *reason = win32ErrorText(GetLastError());
    return false;
}

int importProfile(const std::string& path) {
    Profile profile;
    if (int code = readProfileFile(path, &profile)) return code;
    const bool stored = loadInstalled();
    if (!madeForThisModel(path, profile)) return ExitFailed;
    SettingsBlock block{};
    if (int code = applyProfileFile(path, profile, baseBlock(stored), &block)) return code;
    if (!store(block)) return ExitFailed;
    std::printf("Stored the settings of %s.\n", path.c_str());
    return ExitDone;
}

int listQueues(bool json) {
    std::vector<PrinterRecord> queues;
    if (!enumerateModelPrinters(&queues) || queues.empty()) {
        reportFailure(driverNotInstalled());
        return ExitFailed;
    }
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PrinterRecord& queue : queues) {
        if (json)
            list.push_back({{"name", queue.printerName}, {"port", queue.portName}});
        else
            std::printf("%s\t%s\n", queue.printerName.c_str(), queue.portName.c_str());
    }
    if (json) std::printf("%s\n", nlohmann::ordered_json({{"queues", list}, {"exit", 0}}).dump(2).c_str());
    return ExitDone;
}

int sendSettingsTo(const std::vector<std::string>& names, bool all, const std::string& profilePath) {
    Profile profile;
    if (!profilePath.empty())
        if (int code = readProfileFile(profilePath, &profile)) return code;
    const bool stored = loadInstalled();

    // The queues first, so that a wrong name or an ambiguity sends nothing.
    std::vector<PrinterRecord> targets;
    if (int code = chooseQueues(names, all, "name them with --queue or use --all", &targets)) return code;

    SettingsBlock block{};
    if (!profilePath.empty()) {
        if (!madeForThisModel(profilePath, profile)) return ExitFailed;
        if (int code = applyProfileFile(profilePath, profile, baseBlock(stored), &block)) return code;
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
    // corvex.ini names.
    loadInstalled();
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
