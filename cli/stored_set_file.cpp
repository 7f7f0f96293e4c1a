// The stored set on Linux: a settings profile, with its model, in
// $XDG_CONFIG_HOME/quillset/ (by default ~/.config/quillset/), which a
// person can read and diff. It is written as export writes files
// (platform.h): under a fresh, exclusively created name beside it, then
// renamed over it, so that the old set stays until the new one is complete.
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <set>
#include <vector>

#include "cli/commands.h"
#include "cli/platform.h"
#include "cli/stored_set.h"
#include "settings/catalogue.h"
#include "settings/country_defaults.h"
#include "settings/settings_profile.h"

namespace {

constexpr const char* StoredFileName = "settings.ini";
constexpr const char* Heading =
    "; The settings quillset last sent or imported. quillset replaces this file\n"
    "; whole; a file it cannot read in full is an error, never factory defaults.\n";

std::string configFolder() {
    // The XDG base directories: only an absolute XDG_CONFIG_HOME counts.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return std::string(config) + "/quillset";
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* user = getpwuid(getuid());
        home = user ? user->pw_dir : "/";
    }
    return std::string(home) + "/.config/quillset";
}

std::string storedPath() { return configFolder() + "/" + StoredFileName; }

// The keys a whole stored profile of `model` holds: every one that
// writeProfile writes.
std::set<int> keysOf(const Profile& profile) {
    std::set<int> keys;
    for (const ProfileEntry& entry : profile.entries) keys.insert(entry.key);
    return keys;
}

std::string keyName(int key) {
    return key >= ReservedKeyBase
               ? "Reserved / Byte " + std::to_string(key - ReservedKeyBase)
               : std::string(CataloguePages[Settings[key].page].name) + " / " + Settings[key].label;
}

// The folders of `path` that are missing, made for the user alone.
bool makeFolders(const std::string& path, std::string* failure) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
            *failure = "cannot make " + folder + ": " + systemErrorText(errno);
            return false;
        }
        if (slash == std::string::npos) return true;
    }
}

}  // namespace

int requiredModel() { return -1; }

std::string requiredModelSource() { return ""; }

StoredSet loadStoredSet() {
    StoredSet stored;
    const std::string path = storedPath();
    std::string text, reason;
    int error = 0;
    if (!readWholeFile(path, &text, &reason, &error)) {
        if (error == ENOENT) {
            stored.problem = "no settings are stored yet in " + path +
                             "; quillset import or quillset send --profile stores them";
            return stored;
        }
        stored.state = StoredSet::Damaged;
        stored.problem = error ? "cannot read the stored set " + path + ": " + systemErrorText(error)
                               : "the stored set: " + reason;
        return stored;
    }
    stored.state = StoredSet::Damaged;
    Profile profile;
    std::vector<ProfileError> errors;
    if (parseProfile(text, &profile, &errors)) {
        stored.modelVariant = profile.modelVariant == 1 ? 1 : 0;
        applyProfile(profile, defaultBlockFor(stored.modelVariant, 0), &stored.block, &errors);
    }
    if (!errors.empty()) {
        const ProfileError& first = errors.front();
        stored.problem = "the stored set " + path + (first.line ? ":" + std::to_string(first.line) : "") +
                         " is damaged: " + first.message;
        return stored;
    }
    // A set that lacks a setting would take it from the factory defaults.
    Profile whole;
    parseProfile(writeProfile(stored.block, stored.modelVariant), &whole, &errors);
    const std::set<int> have = keysOf(profile);
    for (int key : keysOf(whole)) {
        if (have.count(key)) continue;
        stored.problem = "the stored set " + path + " is damaged: it lacks " + keyName(key);
        return stored;
    }
    stored.state = StoredSet::Loaded;
    return stored;
}

bool storeStoredSet(const SettingsBlock& block, uint8_t modelVariant, std::string* failure) {
    if (!makeFolders(configFolder(), failure)) return false;
    std::string reason;
    if (writeFileWhole(storedPath(), Heading + writeProfile(block, modelVariant), &reason)) return true;
    *failure = "cannot write the stored set " + storedPath() + ": " + reason;
    return false;
}
