// Any text as a profile: reading it never fails unsafely, a fault names a
// line of the text, and a profile that reads cleanly writes out again as a
// profile that gives back the same block over it.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "settings/country_defaults.h"
#include "settings/settings_profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    Profile profile;
    std::vector<ProfileError> errors;
    SettingsBlock block{};
    const bool read = parseProfile(text, &profile, &errors) &&
                      applyProfile(profile, CountryDefaultTable[0], &block, &errors);
    for (const ProfileError& error : errors)
        if (error.line < 0 || error.line > lines || error.message.empty()) std::abort();
    if (!read) return 0;

    Profile again;
    SettingsBlock back{};
    const uint8_t variant = static_cast<uint8_t>(profile.modelVariant);
    if (!parseProfile(writeProfile(block, variant), &again, &errors) ||
        !applyProfile(again, block, &back, &errors) || !(back == block))
        std::abort();
    return 0;
}
