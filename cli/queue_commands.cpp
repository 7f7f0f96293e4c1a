// The commands that reach the print queues and the stored set: import,
// queues, send and print-table, on every platform in the same words, over
// the two ports the build chooses (print_queues.h, stored_set.h).
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/platform.h"
#include "cli/print_queues.h"
#include "cli/stored_set.h"
#include "cli/table_pages.h"
#include "settings/catalogue.h"
#include "settings/settings_state.h"
#include "settings/transfer_stream.h"
#include "string_texts.h"

namespace {

// The stored set, or false with the failure reported: a damaged one is an
// error, never the factory defaults.
bool loadStored(StoredSet* stored) {
    *stored = loadStoredSet();
    if (stored->state != StoredSet::Damaged) return true;
    reportFailure(stored->problem);
    return false;
}

// A profile is used only on a machine that takes its model (quillset.exe:
// the one corvex.ini names).
bool madeForThisModel(const std::string& path, const Profile& profile) {
    std::string why;
    if (profileFitsMachine(static_cast<uint8_t>(profile.modelVariant), &why)) return true;
    reportFailure(path + " " + why + "; nothing was stored or sent");
    return false;
}

bool store(const SettingsBlock& block, uint8_t modelVariant) {
    std::string failure;
    if (storeStoredSet(block, modelVariant, &failure)) return true;
    reportFailure(failure);
    return false;
}

bool sameName(const std::string& a, const std::string& b) { return sameText(a, b.c_str()); }

// Every queue of the server a command names (the default one without), or
// the exit code of the failure reported: a server that cannot be used is a
// usage fault, one that cannot be asked a failure.
int serverQueues(const std::string& server, std::vector<PrintQueue>* queues) {
    std::string failure;
    if (!usePrintServer(server, &failure)) {
        reportFailure(failure);
        return ExitUsage;
    }
    if (!listPrintQueues(queues, &failure)) {
        reportFailure(failure);
        return ExitFailed;
    }
    return ExitDone;
}

// The queues a command prints to: each of `names` once (any queue, by the
// system's own name for it, case ignored), every queue of the model with
// `all`, or the model's only queue when none is named. A name that is no
// queue, or several of the model's queues and no choice, chooses nothing:
// the failure is reported (the queues listed, `howToChoose` telling what to
// add) and its exit code returned.
int chooseQueues(const std::string& server, const std::vector<std::string>& names, bool all,
                 const char* howToChoose, std::vector<PrintQueue>* targets) {
    std::vector<PrintQueue> queues, model;
    if (int code = serverQueues(server, &queues)) return code;
    std::vector<const char*> queueNames;
    for (const PrintQueue& queue : queues) {
        queueNames.push_back(queue.name.c_str());
        if (queue.model) model.push_back(queue);
    }
    for (const std::string& name : names) {
        const PrintQueue* known = nullptr;
        for (const PrintQueue& queue : queues)
            if (sameName(name, queue.name)) known = &queue;
        if (!known) {
            reportFailure("\"" + name + "\" is no queue on " + printServerName() +
                          didYouMean(name, queueNames.data(), static_cast<int>(queueNames.size())) +
                          "; see quillset queues");
            return ExitUsage;
        }
        bool repeated = false;
        for (const PrintQueue& target : *targets) repeated = repeated || sameName(target.name, known->name);
        if (!repeated) targets->push_back(*known);
    }
    if (!names.empty()) return ExitDone;
    if (model.empty()) {
        reportFailure(noModelQueueText());
        return ExitFailed;
    }
    if (all || model.size() == 1) {
        *targets = model;
        return ExitDone;
    }
    reportFailure("several queues use the " + std::string(ModelDriverNameText) + " driver; " + howToChoose +
                  ":");
    for (const PrintQueue& queue : model)
        std::fprintf(stderr, "  %s\t%s\n", queue.name.c_str(), queue.port.c_str());
    return ExitUsage;
}

// Sends `data` as one document named `title` to every target, one line
// each, then with `wait` (seconds; negative: no waiting) waits for every
// job to complete. The number of queues that failed.
size_t sendToEach(const std::vector<PrintQueue>& targets, const std::string& title, const std::string& data,
                  int wait, const std::string& shown) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(wait < 0 ? 0 : wait);
    std::vector<int> jobs(targets.size(), 0);
    size_t failed = 0;
    auto fail = [&](const PrintQueue& queue, const std::string& failure) {
        ++failed;
        std::fflush(stdout);
        std::fprintf(stderr, "%s (port %s): %s\n", queue.name.c_str(), queue.port.c_str(), failure.c_str());
    };
    for (size_t i = 0; i < targets.size(); ++i) {
        std::string failure;
        if (!sendRawDocument(targets[i], title, data, &jobs[i], &failure)) {
            jobs[i] = 0;
            fail(targets[i], failure);
        } else if (wait < 0) {
            std::printf("%s: job %d queued%s\n", targets[i].name.c_str(), jobs[i], shown.c_str());
        }
    }
    for (size_t i = 0; wait >= 0 && i < targets.size(); ++i) {
        std::string failure;
        if (!jobs[i]) continue;
        if (waitForJob(targets[i], jobs[i], deadline, &failure))
            std::printf("%s: job %d completed%s\n", targets[i].name.c_str(), jobs[i], shown.c_str());
        else
            fail(targets[i], failure);
    }
    std::fflush(stdout);
    return failed;
}

// A page whole, as the printer takes it; false with the reason reported.
bool readPage(const std::string& path, std::string* page) {
    FILE* file = std::fopen(path.c_str(), "rb");
    char buffer[65536];
    for (size_t length; file && (length = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        page->append(buffer, length);
    const int error = errno;
    const bool read = file && !std::ferror(file) && !page->empty();
    if (file) std::fclose(file);
    if (!read)
        reportFailure("cannot read " + path + ": " +
                      (page->empty() && file ? "the page is empty" : systemErrorText(error)));
    return read;
}

}  // namespace

int storedBlock(SettingsBlock* block, uint8_t* modelVariant) {
    StoredSet stored;
    if (!loadStored(&stored)) return ExitFailed;
    if (stored.state == StoredSet::None) {
        reportFailure(stored.problem);
        return ExitFailed;
    }
    *block = stored.block;
    *modelVariant = stored.modelVariant;
    return ExitDone;
}

int importProfile(const std::string& path) {
    Profile profile;
    SettingsBlock block{};
    if (int code = readProfileFile(path, &profile, &block)) return code;
    if (!madeForThisModel(path, profile) || !store(block, static_cast<uint8_t>(profile.modelVariant)))
        return ExitFailed;
    std::printf("Stored the settings of %s.\n", path.c_str());
    return ExitDone;
}

int listQueues(const std::string& server, bool json) {
    std::vector<PrintQueue> queues;
    if (int code = serverQueues(server, &queues)) return code;
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PrintQueue& queue : queues)
        if (queue.model) list.push_back({{"name", queue.name}, {"port", queue.port}});
    if (list.empty()) {
        reportFailure(noModelQueueText());
        return ExitFailed;
    }
    if (json)
        writeJsonDocument({{"queues", list}, {"exit", 0}});
    for (const PrintQueue& queue : queues)
        if (queue.model && !json)
            std::printf("%s\t%s\n", consoleText(queue.name).c_str(), consoleText(queue.port).c_str());
    return ExitDone;
}

int sendSettingsTo(const QueueOptions& options, const std::string& profilePath) {
    Profile profile;
    SettingsBlock block{};
    if (!profilePath.empty())
        if (int code = readProfileFile(profilePath, &profile, &block)) return code;
    StoredSet stored;
    if (!loadStored(&stored)) return ExitFailed;

    // The queues first, so that a wrong name or an ambiguity sends nothing.
    std::vector<PrintQueue> targets;
    if (int code = chooseQueues(options.server, options.queues, options.all,
                                "name them with --queue or use --all", &targets))
        return code;

    uint8_t model = stored.modelVariant;
    if (!profilePath.empty()) {
        if (!madeForThisModel(profilePath, profile)) return ExitFailed;
        model = static_cast<uint8_t>(profile.modelVariant);
    } else if (stored.state == StoredSet::Loaded) {
        block = stored.block;
    } else {
        reportFailure(stored.problem + "; or send a profile with --profile");
        return ExitFailed;
    }

    uint8_t stream[TransferStreamBufferSize];
    const size_t length = encodeTransferStream(block, stream, sizeof stream);
    const size_t failed =
        sendToEach(targets, "print command", std::string(reinterpret_cast<const char*>(stream), length),
                   options.wait, "");
    // As the window does: the set becomes the stored one only once it is out,
    // and here only when every queue took it.
    if (failed) {
        reportFailure(std::to_string(failed) + " of " + std::to_string(targets.size()) +
                      " queues failed; the settings were not stored");
        return ExitFailed;
    }
    return store(block, model) ? ExitDone : ExitFailed;
}

int printCharacterTableTo(const std::string& emulationName, const std::string& tableName,
                          const QueueOptions& options) {
    // The lists as the dialog fills them, sized by the model.
    int model = requiredModel();
    if (model < 0) {
        StoredSet stored;
        if (!loadStored(&stored)) return ExitFailed;
        model = stored.modelVariant;
    }
    std::string allowed;
    const int emulation = emulationPosition(emulationName, &allowed);
    if (emulation < 0) {
        reportFailure("unknown emulation \"" + emulationName + "\"; the emulations are " + allowed);
        return ExitUsage;
    }
    allowed.clear();
    const int position = tablePosition(emulation, tableName, static_cast<uint8_t>(model), &allowed);
    if (position < 0) {
        reportFailure("unknown character table \"" + tableName + "\"; the tables of " +
                      emulationText(emulation) + " are " + allowed);
        return ExitUsage;
    }
    std::vector<PrintQueue> targets;
    if (int code = chooseQueues(options.server, options.queues, false, "name one with --queue", &targets))
        return code;
    const std::string path = tablePagePath(emulation, position, static_cast<uint8_t>(model));
    std::string page;
    if (!readPage(path, &page)) return ExitFailed;
    return sendToEach(targets, path, page, options.wait, " (" + path + ")") ? ExitFailed : ExitDone;
}
