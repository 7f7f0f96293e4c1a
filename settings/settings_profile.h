// The settings profile: a plain INI text an administrator can read, review
// and keep, with one section per page and one "Label = Value" line per
// setting, the values being the texts and numbers the pages show. A section
// [Profile] names the model variant the profile was made for, and [Reserved]
// carries the bytes no page shows, so that a profile gives back the very
// block it was written from.
// Portable: no platform headers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings_block.h"

std::string writeProfile(const SettingsBlock& block, uint8_t modelVariant);

// What a profile, and every listing made beside it, shows for `block`: the
// pages' choices after loading (shownChoices), with the "Scalable" line
// spacing named again, so that what is shown reads back to the same block.
PageChoices profileChoices(const SettingsBlock& block, uint8_t modelVariant);

// One fault of a profile; line 0 stands for the profile as a whole.
struct ProfileError {
    int line;
    std::string message;
};

struct ProfileEntry {
    int key;  // index into Settings, or ReservedKeyBase + block byte
    std::string value;
    int line;
};
constexpr int ReservedKeyBase = 1000;

struct Profile {
    int modelVariant = -1;  // as [Profile] Model names it
    std::vector<ProfileEntry> entries;
};

// Reads the structure: sections, keys, repeats and the model variant. Every
// line is checked; false with all the faults found.
bool parseProfile(const std::string& text, Profile* profile, std::vector<ProfileError>* errors);

// Checks every value against what the pages accept on the profile's model
// variant and packs the result as Send Settings packs the pages. Settings
// the profile leaves out keep their value in `base`. False (and `result`
// untouched) with all the faults found.
bool applyProfile(const Profile& profile, const SettingsBlock& base, SettingsBlock* result,
                  std::vector<ProfileError>* errors);
