// The commands that need nothing of Windows: they read countries' defaults,
// profiles and captures, and write profiles, streams and listings.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/commands.h"
#include "settings/catalogue.h"
#include "settings/country_defaults.h"
#include "settings/settings_profile.h"
#include "settings/transfer_stream.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

void reportFailure(const std::string& message) { std::fprintf(stderr, "quillset: %s\n", message.c_str()); }

bool readWholeFile(const std::string& path, std::string* contents) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream text;
    text << file.rdbuf();
    *contents = text.str();
    return !file.bad();
}

namespace {

void reportProfileErrors(const std::string& path, const std::vector<ProfileError>& errors) {
    for (const ProfileError& error : errors) {
        const std::string where = error.line > 0 ? path + ":" + std::to_string(error.line) : path;
        std::fprintf(stderr, "%s: %s\n", where.c_str(), error.message.c_str());
    }
}

}  // namespace

int readProfileFile(const std::string& path, Profile* profile) {
    std::string text;
    if (!readWholeFile(path, &text)) {
        reportFailure("cannot read " + path);
        return ExitFailed;
    }
    std::vector<ProfileError> errors;
    if (parseProfile(text, profile, &errors)) return ExitDone;
    reportProfileErrors(path, errors);
    return ExitFailed;
}

int applyProfileFile(const std::string& path, const Profile& profile, const SettingsBlock& base,
                     SettingsBlock* result) {
    std::vector<ProfileError> errors;
    if (applyProfile(profile, base, result, &errors)) return ExitDone;
    reportProfileErrors(path, errors);
    return ExitFailed;
}

int blockFromSource(const BlockSource& source, SettingsBlock* block, uint8_t* modelVariant) {
    if (!source.profile.empty()) {
        Profile profile;
        if (int code = readProfileFile(source.profile, &profile)) return code;
        *modelVariant = static_cast<uint8_t>(profile.modelVariant);
        // Settings the profile leaves out come from the factory defaults.
        return applyProfileFile(source.profile, profile, defaultBlockFor(*modelVariant, 0), block);
    }
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
    reportFailure("unknown country \"" + source.country + "\"; the countries are " + names);
    return ExitUsage;
}

void printSettings(const SettingsBlock& block, uint8_t modelVariant) {
    const PageChoices choices = shownChoices(block, modelVariant);
    for (int page = 0; page < PageCount; ++page) {
        std::printf("%s\n", CataloguePages[page].name);
        for (const Setting& setting : Settings) {
            if (setting.page != page || !hasRow(setting, modelVariant)) continue;
            const std::string value = shownText(setting, choices, modelVariant);
            std::printf("  %s: %s\n", setting.label, value.empty() ? "(no entry)" : value.c_str());
        }
    }
}

int exportProfile(const std::string& path, const SettingsBlock& block, uint8_t modelVariant) {
    // Text mode, so that Windows editors get their line ends.
    std::ofstream file(path);
    file << writeProfile(block, modelVariant);
    file.close();
    if (file) return ExitDone;
    reportFailure("cannot write " + path);
    return ExitFailed;
}

int writeStream(const SettingsBlock& block) {
#ifdef _WIN32
    // The bytes must reach a pipe or file unchanged.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    uint8_t stream[TransferStreamBufferSize];
    const size_t length = encodeTransferStream(block, stream, sizeof stream);
    if (std::fwrite(stream, 1, length, stdout) == length && std::fflush(stdout) == 0) return ExitDone;
    reportFailure("cannot write the stream to standard output");
    return ExitFailed;
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

int decodeCapture(const std::string& file, const std::string& hex, uint8_t modelVariant) {
    std::string capture;
    if (file.empty()) {
        if (!parseHex(hex, &capture)) return ExitUsage;
    } else if (!readWholeFile(file, &capture)) {
        reportFailure("cannot read " + file);
        return ExitFailed;
    }
    SettingsBlock block{};
    size_t start = 0;
    StreamProblem problem;
    if (!decodeTransferStream(reinterpret_cast<const uint8_t*>(capture.data()), capture.size(), &block,
                              &start, &problem)) {
        reportFailure((file.empty() ? std::string("--hex") : file) + ": offset " +
                      std::to_string(problem.offset) + ": " + problem.reason);
        return ExitFailed;
    }
    printSettings(block, modelVariant);
    return ExitDone;
}
