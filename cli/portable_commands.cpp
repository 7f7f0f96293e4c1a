// The commands on settings alone: they read countries' defaults, profiles,
// captures and the stored set, and write profiles, streams, listings and
// their JSON documents.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/platform.h"
#include "cli/stored_set.h"
#include "settings/catalogue.h"
#include "settings/country_defaults.h"
#include "settings/settings_profile.h"
#include "settings/settings_state.h"
#include "settings/transfer_stream.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif
#include <sys/stat.h>

// Members in the order written, as the README documents them.
using Json = nlohmann::ordered_json;

namespace {

// No profile or capture comes near this; a larger file is a wrong one.
constexpr long LargestInput = 1 << 20;
// Problems listed before "and N more".
constexpr size_t ProblemCap = 25;

constexpr const char* BothModelsShow = "both models show every field";

const char* modelName(uint8_t model) { return model == 1 ? "model variant 1" : "the standard model"; }

std::string inputName(const std::string& path) { return path == "-" ? "standard input" : path; }

Json pagesJson(const SettingsBlock& block, uint8_t modelVariant) {
    const PageChoices choices = profileChoices(block, modelVariant);
    Json pages = Json::array();
    for (int page = 0; page < PageCount; ++page) {
        Json settings = Json::array();
        for (const Setting& setting : Settings) {
            if (setting.page != page || !hasRow(setting, modelVariant)) continue;
            const std::string value = shownText(setting, choices, modelVariant);
            settings.push_back({{"label", setting.label}, {"value", value.empty() ? Json() : Json(value)}});
        }
        pages.push_back({{"page", CataloguePages[page].name}, {"settings", settings}});
    }
    return pages;
}

// File names, profile lines and queue names are the system's bytes; a JSON
// document holds UTF-8 only.
void makeUtf8(Json& value) {
    if (value.is_string()) value = toUtf8(value.get<std::string>());
    if (value.is_structured())
        for (Json& member : value) makeUtf8(member);
}


// The --json run's state: whether a document is due, whether one went out,
// and the failures reported on the way, for the document that stands in.
struct JsonRun {
    bool wanted = false;
    bool written = false;
    std::vector<std::string> failures;
};
JsonRun jsonRun;

// Every problem of a profile text, structural and value ones together by
// line, its values judged over the set the profile fills in (profileBase,
// named by `baseName`); `block` gets the set it yields. ExitFailed only when
// that set cannot be read (reported).
int profileProblems(const std::string& text, Profile* profile, SettingsBlock* block, std::string* baseName,
                    std::vector<ProfileError>* errors) {
    parseProfile(text, profile, errors);
    SettingsBlock base{};
    if (int code = profileBase(profile->modelVariant == 1 ? 1 : 0, &base, baseName)) return code;
    applyProfile(*profile, base, block, errors);
    std::stable_sort(errors->begin(), errors->end(),
                     [](const ProfileError& a, const ProfileError& b) { return a.line < b.line; });
    return ExitDone;
}

void reportProfileErrors(const std::string& path, const std::vector<ProfileError>& errors) {
    const std::string name = inputName(path);
    for (size_t i = 0; i < errors.size() && i < ProblemCap; ++i) {
        const std::string where = errors[i].line > 0 ? name + ":" + std::to_string(errors[i].line) : name;
        std::fprintf(stderr, "%s: %s\n", where.c_str(), errors[i].message.c_str());
    }
    if (errors.size() > ProblemCap)
        std::fprintf(stderr, "%s: and %s more problems\n", name.c_str(),
                     std::to_string(errors.size() - ProblemCap).c_str());
}

int profileFromText(const std::string& path, const std::string& text, Profile* profile,
                    SettingsBlock* block) {
    std::vector<ProfileError> errors;
    std::string baseName;
    if (int code = profileProblems(text, profile, block, &baseName, &errors)) return code;
    if (errors.empty()) return ExitDone;
    reportProfileErrors(path, errors);
    return ExitFailed;
}

// The first list setting `model` cannot show for `block`, or -1.
int unshownSetting(const SettingsBlock& block, uint8_t model) {
    const PageChoices choices = profileChoices(block, model);
    for (int i = 0; i < SettingCount; ++i)
        if (Settings[i].list && hasRow(Settings[i], model) && shownText(Settings[i], choices, model).empty())
            return i;
    return -1;
}

// Where both models show every field of a capture: the one the installed
// program runs as, natively the standard model.
uint8_t fallbackModel() { return requiredModel() == 1 ? 1 : 0; }

// A stream's model: `wanted` when given (1), else the one model that shows
// every field, else the fallback. False with `why` naming the field the
// chosen or both models cannot show and where the capture holds it.
bool streamModel(const CapturedStream& stream, int wanted, uint8_t* model, std::string* why) {
    const int standard = unshownSetting(stream.block, 0), variant = unshownSetting(stream.block, 1);
    int unshown = -1;
    if (wanted == 1) {
        *model = 1;
        unshown = variant;
        *why = "as --variant asks";
    } else if ((standard < 0) != (variant < 0)) {
        *model = standard < 0 ? 0 : 1;
        *why = "the only model that shows every field";
    } else {
        *model = fallbackModel();
        unshown = *model == 1 ? variant : standard;
        *why = BothModelsShow;
    }
    if (unshown < 0) return true;
    const int byte = Settings[unshown].blockByte;
    *why = std::string(Settings[unshown].label) + " (block byte " + std::to_string(byte) + ", at offset " +
           std::to_string(stream.start + streamOffsetOfByte(byte)) + ") has no entry on " +
           (wanted == 1 ? modelName(1) : "either model");
    return false;
}

// The stream of a capture the printer keeps: the last complete one.
const CapturedStream* keptStream(const std::vector<CapturedStream>& streams) {
    for (auto stream = streams.rbegin(); stream != streams.rend(); ++stream)
        if (stream->complete) return &*stream;
    return nullptr;
}

bool looksLikeCapture(const std::string& contents) {
    static const char header[] = {0x1B, 0x1B, 0x00, 0x37, 0x34, 0x32, 0x00};
    return std::search(contents.begin(), contents.end(), std::begin(header), std::end(header)) !=
           contents.end();
}

// A capture read as the printer would keep it.
int blockFromCapture(const std::string& path, const std::string& capture, SettingsBlock* block,
                     uint8_t* modelVariant, bool* eitherModel) {
    const std::vector<CapturedStream> streams =
        decodeAllTransferStreams(reinterpret_cast<const uint8_t*>(capture.data()), capture.size());
    const CapturedStream* kept = keptStream(streams);
    std::string why;
    if (!kept) {
        reportFailure(inputName(path) + ": no complete settings stream in the capture");
        return ExitFailed;
    }
    if (!streamModel(*kept, -1, modelVariant, &why)) {
        reportFailure(inputName(path) + ": " + why);
        return ExitFailed;
    }
    *block = kept->block;
    if (eitherModel) *eitherModel = why == BothModelsShow;
    return ExitDone;
}

}  // namespace

void reportFailure(const std::string& message) {
    std::fprintf(stderr, "quillset: %s\n", message.c_str());
    jsonRun.failures.push_back(message);
}

void expectJson() { jsonRun.wanted = true; }

void writeJsonDocument(Json document) {
    makeUtf8(document);
    // Bytes that are still not UTF-8 become U+FFFD rather than end the run.
    std::printf("%s\n", document.dump(2, ' ', false, Json::error_handler_t::replace).c_str());
    jsonRun.written = true;
}

void finishJson(int code) {
    if (!jsonRun.wanted || jsonRun.written) return;
    writeJsonDocument({{"problems", jsonRun.failures}, {"exit", code}});
}

// What a profile of `model` fills in: the stored set, where one is stored
// for that model, else the model's factory defaults.
int profileBase(uint8_t model, SettingsBlock* base, std::string* baseName) {
    const StoredSet stored = loadStoredSet();
    if (stored.state == StoredSet::Damaged) {
        reportFailure(stored.problem);
        return ExitFailed;
    }
    if (stored.state == StoredSet::Loaded && stored.modelVariant == model) {
        *base = stored.block;
        *baseName = "the stored settings";
    } else {
        // The first country's defaults (the variant's own row on the variant).
        *base = defaultBlockFor(model, 0);
        *baseName = std::string("the factory defaults of ") + modelName(model);
    }
    return ExitDone;
}

bool profileFitsMachine(uint8_t model, std::string* why) {
    const int required = requiredModel();
    if (required < 0 || model == required) return true;
    *why = std::string("was made for ") + modelName(model) + ", but " + requiredModelSource() + " names " +
           modelName(static_cast<uint8_t>(required));
    return false;
}

std::string systemErrorText(int error) { return std::strerror(error); }

bool readWholeFile(const std::string& path, std::string* contents, std::string* reason, int* error) {
    *error = 0;
    const bool standardInput = path == "-";
    struct stat status;
    if (!standardInput && stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
        *reason = path + " is a directory, not a profile or capture";
        return false;
    }
    FILE* file = standardInput ? stdin : std::fopen(path.c_str(), "rb");
    if (!file) {
        *error = errno;
        *reason = "cannot read " + path + ": " + systemErrorText(*error);
        return false;
    }
#ifdef _WIN32
    if (standardInput) _setmode(_fileno(stdin), _O_BINARY);
#endif
    // A file's size is known at once; a pipe's only by reading, up to the limit.
    bool tooLarge = false;
    if (!standardInput && std::fseek(file, 0, SEEK_END) == 0) {
        tooLarge = std::ftell(file) > LargestInput;
        std::rewind(file);
    }
    contents->clear();
    char buffer[65536];
    size_t length = 0;
    while (!tooLarge && (length = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        contents->append(buffer, length);
        tooLarge = contents->size() > static_cast<size_t>(LargestInput);
    }
    const int readError = errno;
    const bool failed = !tooLarge && std::ferror(file);
    if (!standardInput) std::fclose(file);
    if (tooLarge) {
        *reason = inputName(path) + " is larger than 1 MB, more than any profile or capture; it was not read";
        return false;
    }
    if (failed) {
        *error = readError;
        *reason = "cannot read " + inputName(path) + ": " + systemErrorText(readError);
        return false;
    }
    return true;
}

bool readInputFile(const std::string& path, std::string* contents) {
    std::string reason;
    int error = 0;
    if (readWholeFile(path, contents, &reason, &error)) return true;
    reportFailure(reason);
    return false;
}

int readProfileFile(const std::string& path, Profile* profile, SettingsBlock* block) {
    std::string text;
    if (!readInputFile(path, &text)) return ExitFailed;
    return profileFromText(path, text, profile, block);
}

int blockFromSource(const BlockSource& source, SettingsBlock* block, uint8_t* modelVariant,
                    bool* eitherModel) {
    std::string text;
    const std::string& path = source.profile.empty() ? source.file : source.profile;
    if (!path.empty()) {
        if (!readInputFile(path, &text)) return ExitFailed;
        if (source.profile.empty() && looksLikeCapture(text))
            return blockFromCapture(path, text, block, modelVariant, eitherModel);
        Profile profile;
        if (int code = profileFromText(path, text, &profile, block)) return code;
        *modelVariant = static_cast<uint8_t>(profile.modelVariant);
        return ExitDone;
    }
    if (source.stored) return storedBlock(block, modelVariant);
    if (source.variant) {
        *modelVariant = 1;
        *block = CountryDefaultTable[VariantDefaultRow];
        return ExitDone;
    }
    for (int row = 0; row < CountryList.count; ++row) {
        if (sameText(source.country, CountryList.texts[row])) {
            *modelVariant = 0;
            *block = CountryDefaultTable[row];
            return ExitDone;
        }
    }
    std::string names;
    for (int row = 0; row < CountryList.count; ++row)
        names += (row ? ", " : "") + std::string(CountryList.texts[row]);
    reportFailure("unknown country \"" + source.country + "\"" +
                  didYouMean(source.country, CountryList.texts, CountryList.count) + "; the countries are " +
                  names);
    return ExitUsage;
}

void printSettings(const SettingsBlock& block, uint8_t modelVariant) {
    const PageChoices choices = profileChoices(block, modelVariant);
    for (int page = 0; page < PageCount; ++page) {
        std::printf("%s\n", CataloguePages[page].name);
        for (const Setting& setting : Settings) {
            if (setting.page != page || !hasRow(setting, modelVariant)) continue;
            const std::string value = shownText(setting, choices, modelVariant);
            std::printf("  %s: %s\n", setting.label, value.empty() ? "(no entry)" : value.c_str());
        }
    }
}

int showSettings(const SettingsBlock& block, uint8_t modelVariant, bool json) {
    if (!json) {
        printSettings(block, modelVariant);
        return ExitDone;
    }
    writeJsonDocument({{"model", modelOf(modelVariant)}, {"pages", pagesJson(block, modelVariant)}, {"exit", 0}});
    return ExitDone;
}

int exportProfile(const std::string& path, const SettingsBlock& block, uint8_t modelVariant) {
    const std::string text = writeProfile(block, modelVariant);
    if (path == "-") {
        std::fputs(text.c_str(), stdout);
        return ExitDone;  // whether it got out is checked as the program ends
    }
    std::string reason;
    if (writeFileWhole(path, text, &reason)) return ExitDone;
    reportFailure("cannot write " + path + ": " + reason);
    return ExitFailed;
}

int writeStream(const SettingsBlock& block) {
#ifdef _WIN32
    // The bytes must reach a pipe or file unchanged.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    uint8_t stream[TransferStreamBufferSize];
    const size_t length = encodeTransferStream(block, stream, sizeof stream);
    std::fwrite(stream, 1, length, stdout);
    return ExitDone;  // whether it got out is checked as the program ends
}

namespace {

// Hexadecimal digits in pairs; blanks, commas, colons and dashes between
// bytes are allowed, as dumps and captures print them.
bool parseHex(const std::string& text, std::string* bytes) {
    auto digit = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    for (size_t i = 0; i < text.size();) {
        if (std::string(" \t\r\n,:-").find(text[i]) != std::string::npos) {
            ++i;
            continue;
        }
        if (i + 1 >= text.size() || digit(text[i]) < 0 || digit(text[i + 1]) < 0) {
            reportFailure("--hex: not a pair of hexadecimal digits at character " + std::to_string(i + 1));
            return false;
        }
        bytes->push_back(static_cast<char>(digit(text[i]) << 4 | digit(text[i + 1])));
        i += 2;
    }
    return true;
}

}  // namespace

int decodeCapture(const std::string& file, const std::string& hex, int model, bool json) {
    std::string capture;
    if (file.empty()) {
        if (!parseHex(hex, &capture)) return ExitUsage;
    } else if (!readInputFile(file, &capture)) {
        return ExitFailed;
    }
    const std::string name = file.empty() ? "--hex" : inputName(file);
    if (capture.empty()) {
        // An empty port file: nothing was sent at all.
        reportFailure("no settings stream in " + name);
        return ExitFailed;
    }
    const std::vector<CapturedStream> streams =
        decodeAllTransferStreams(reinterpret_cast<const uint8_t*>(capture.data()), capture.size());
    const CapturedStream* kept = keptStream(streams);
    int code = ExitDone;
    Json shown = Json::array();
    for (const CapturedStream& stream : streams) {
        Json entry = {{"offset", stream.start}, {"complete", stream.complete}};
        uint8_t chosen = 0;
        std::string why;
        if (!stream.complete) {
            code = ExitFailed;
            reportFailure(name + ": offset " + std::to_string(stream.problem.offset) + ": " +
                          stream.problem.reason);
            entry["problem"] = {{"offset", stream.problem.offset}, {"reason", stream.problem.reason}};
        } else if (!streamModel(stream, model, &chosen, &why)) {
            code = ExitFailed;
            reportFailure(name + ": stream at offset " + std::to_string(stream.start) + ": " + why);
            entry["problem"] = {{"offset", stream.start}, {"reason", why}};
        } else if (json) {
            entry["model"] = chosen;
            entry["pages"] = pagesJson(stream.block, chosen);
        } else {
            std::printf("Stream at offset %s, %s (%s)%s:\n", std::to_string(stream.start).c_str(),
                        modelName(chosen), why.c_str(), &stream == kept ? ", the one the printer keeps" : "");
            printSettings(stream.block, chosen);
        }
        shown.push_back(entry);
    }
    if (json)
        writeJsonDocument({{"streams", shown}, {"kept", kept ? Json(kept->start) : Json()}, {"exit", code}});
    else if (kept && streams.size() > 1)
        std::printf("The printer keeps the stream at offset %s, the last complete one.\n",
                    std::to_string(kept->start).c_str());
    return code;
}

int checkProfile(const std::string& path, bool json) {
    std::string text;
    if (!readInputFile(path, &text)) return ExitFailed;
    Profile profile;
    SettingsBlock block{};
    std::string base;
    std::vector<ProfileError> errors;
    if (int code = profileProblems(text, &profile, &block, &base, &errors)) return code;
    std::string misfit;
    if (profile.modelVariant >= 0 && !profileFitsMachine(static_cast<uint8_t>(profile.modelVariant), &misfit))
        errors.insert(errors.begin(), {0, misfit});
    const int code = errors.empty() ? ExitDone : ExitFailed;
    if (json) {
        Json problems = Json::array();
        for (const ProfileError& error : errors)
            problems.push_back({{"line", error.line}, {"message", error.message}});
        writeJsonDocument({{"file", path},
                   {"model", profile.modelVariant < 0 ? Json() : Json(profile.modelVariant)},
                   {"base", base},
                   {"problems", problems},
                   {"exit", code}});
    } else if (errors.empty()) {
        std::printf("%s: a sound profile for %s, over %s\n", inputName(path).c_str(),
                    modelName(profile.modelVariant), base.c_str());
    } else {
        reportProfileErrors(path, errors);
    }
    return code;
}

int diffSettings(const BlockSource& old, const BlockSource& changed, bool json) {
    SettingsBlock blocks[2] = {};
    uint8_t models[2] = {};
    bool either[2] = {};
    // Any trouble reading a side is diff's 2, as diff(1) has it.
    if (blockFromSource(old, &blocks[0], &models[0], &either[0]) ||
        blockFromSource(changed, &blocks[1], &models[1], &either[1]))
        return ExitUsage;
    // A capture that reads alike on both models is taken as the other side's.
    for (int side = 0; side < 2; ++side)
        if (either[side] && !either[1 - side]) models[side] = models[1 - side];
    struct Difference {
        std::string page, label, from, to;
    };
    std::vector<Difference> differences;
    if (modelOf(models[0]) != modelOf(models[1]))
        differences.push_back(
            {"Profile", "Model", std::to_string(modelOf(models[0])), std::to_string(modelOf(models[1]))});
    const PageChoices choices[2] = {profileChoices(blocks[0], models[0]),
                                    profileChoices(blocks[1], models[1])};
    for (const Setting& setting : Settings) {
        const auto textOn = [&](int side) -> std::string {
            if (!hasRow(setting, models[side])) return "(no row)";
            const std::string text = shownText(setting, choices[side], models[side]);
            return text.empty() ? "(no entry)" : text;
        };
        const std::string texts[] = {textOn(0), textOn(1)};
        if (texts[0] != texts[1])
            differences.push_back({CataloguePages[setting.page].name, setting.label, texts[0], texts[1]});
    }
    // The bytes no page shows that the stream carries (23 never travels).
    for (int byte = 28; byte < 32; ++byte)
        if (blocks[0].bytes[byte] != blocks[1].bytes[byte])
            differences.push_back({"Reserved", "Byte " + std::to_string(byte),
                                   std::to_string(blocks[0].bytes[byte]),
                                   std::to_string(blocks[1].bytes[byte])});
    const int code = differences.empty() ? ExitDone : ExitFailed;
    if (json) {
        Json list = Json::array();
        for (const Difference& d : differences)
            list.push_back({{"page", d.page}, {"label", d.label}, {"old", d.from}, {"new", d.to}});
        writeJsonDocument({{"differences", list}, {"exit", code}});
    } else {
        for (const Difference& d : differences)
            std::printf("%s / %s: %s -> %s\n", d.page.c_str(), d.label.c_str(), d.from.c_str(), d.to.c_str());
    }
    return code;
}
