#include "settings_profile.h"

#include <algorithm>
#include <iterator>

#include "catalogue.h"
#include "page_rules.h"
#include "value_tables.h"

namespace {

constexpr const char* ProfileSection = "Profile";
constexpr const char* ModelKey = "Model";
constexpr const char* ReservedSection = "Reserved";
// The block bytes no page shows: 23 is never sent, 28 to 31 travel as they stand.
constexpr int ReservedBytes[] = {23, 28, 29, 30, 31};
// Sections other than the pages.
constexpr int ProfileSectionIndex = PageCount;
constexpr int ReservedSectionIndex = PageCount + 1;
constexpr int UnknownSection = -1;
// Long enough for every accepted number, short enough never to overflow.
constexpr size_t LongestNumber = 6;
constexpr int ModelKeyIndex = ReservedKeyBase - 1;
// Where a key's first line is kept: settings, then block bytes, then Model.
size_t slotOf(int key) {
    if (key == ModelKeyIndex) return SettingCount + 32;
    return static_cast<size_t>(key >= ReservedKeyBase ? SettingCount + key - ReservedKeyBase : key);
}

std::string trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string reservedKey(int byte) { return "Byte " + std::to_string(byte); }

// Digits only; false for anything else, including a sign or a separator.
// Leading zeros are no part of the length.
bool readNumber(const std::string& text, int* value) {
    const size_t first = std::min(text.find_first_not_of('0'), text.size() - (text.empty() ? 0 : 1));
    if (text.empty() || text.size() - first > LongestNumber) return false;
    int number = 0;
    for (char c : text.substr(first)) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + (c - '0');
    }
    *value = number;
    return true;
}

std::string joined(const ListView& view) {
    std::string all;
    for (int i = 0; i < view.count; ++i) all += (i ? ", " : "") + std::string(view.text(i));
    return all;
}

std::string sectionNames() {
    std::string all = ProfileSection;
    for (const CataloguePage& page : CataloguePages) all += std::string(", ") + page.name;
    return all + ", " + ReservedSection;
}

std::string keyNames(int section) {
    std::string all;
    if (section == ProfileSectionIndex) return ModelKey;
    if (section == ReservedSectionIndex) {
        for (int byte : ReservedBytes) all += (all.empty() ? "" : ", ") + reservedKey(byte);
        return all;
    }
    for (const Setting& setting : Settings)
        if (setting.page == section) all += (all.empty() ? "" : ", ") + std::string(setting.label);
    return all;
}

// What a mistyped section or key most likely meant, among `section`'s keys
// (or, with UnknownSection, the section names).
std::string hintFor(const std::string& name, int section) {
    std::vector<std::string> names;
    if (section == UnknownSection) {
        names = {ProfileSection, ReservedSection};
        for (const CataloguePage& page : CataloguePages) names.push_back(page.name);
    } else if (section == ProfileSectionIndex) {
        names = {ModelKey};
    } else if (section == ReservedSectionIndex) {
        for (int byte : ReservedBytes) names.push_back(reservedKey(byte));
    } else {
        for (const Setting& setting : Settings)
            if (setting.page == section) names.push_back(setting.label);
    }
    std::vector<const char*> texts;
    for (const std::string& text : names) texts.push_back(text.c_str());
    return didYouMean(name, texts.data(), static_cast<int>(texts.size()));
}

int findSection(const std::string& name) {
    if (sameText(name, ProfileSection)) return ProfileSectionIndex;
    if (sameText(name, ReservedSection)) return ReservedSectionIndex;
    for (int i = 0; i < PageCount; ++i)
        if (sameText(name, CataloguePages[i].name)) return i;
    return UnknownSection;
}

// The entry's key index, or -1 when the section has no such key.
int findKey(int section, const std::string& name) {
    if (section == ProfileSectionIndex) return sameText(name, ModelKey) ? ModelKeyIndex : -1;
    if (section == ReservedSectionIndex) {
        for (int byte : ReservedBytes)
            if (sameText(name, reservedKey(byte).c_str())) return ReservedKeyBase + byte;
        return -1;
    }
    for (int i = 0; i < SettingCount; ++i)
        if (Settings[i].page == section && sameText(name, Settings[i].label)) return i;
    return -1;
}

// Lists whose entries depend on others come after them: the code page picks
// the variant's fonts, the font decides "Scalable", the emulation the
// character sets, the pitch the margins' ranges.
int resolutionOrder(int index) {
    static const char* const First[] = {"Emulation", "Code page", "Font", "Pitch"};
    for (int i = 0; i < static_cast<int>(std::size(First)); ++i)
        if (sameText(Settings[index].label, First[i])) return i;
    return static_cast<int>(std::size(First)) + index;
}

const Setting& settingOf(int PageChoices::*choice) {
    const Setting* found = Settings;
    for (const Setting& setting : Settings)
        if (setting.choice == choice) found = &setting;
    return *found;
}

// The ranges the pages' own rules leave a numeric entry with the other
// choices: the page length bounds the top and bottom margins (pageLengthChosen),
// each side margin the other (the margins' text updates), within the
// catalogue's range. The rules run on a copy; only their ranges are read.
void allowedRange(const Setting& setting, const PageChoices& c, uint8_t variant, int* low, int* high) {
    numericRange(setting, c, low, high);
    PagesShown pages;
    pages.pageLength.selection = c.pageLength;
    pages.freeLength.position = c.freePageLength;
    pages.topMargin.position = c.topMargin;
    pages.bottomMargin.position = c.bottomMargin;
    pages.pitch.selection = c.pitch;
    pages.leftMargin.text = std::to_string(c.leftMargin);
    pages.rightMargin.text = std::to_string(c.rightMargin);
    for (NumberShown* field : {&pages.topMargin, &pages.bottomMargin, &pages.leftMargin, &pages.rightMargin})
        field->setRange(*low, *high);
    const RuleContext context{variant, 0};
    pageLengthChosen(pages, context);
    leftMarginUpdated(pages, context);
    rightMarginUpdated(pages, context);
    const NumberShown* field = setting.choice == &PageChoices::topMargin      ? &pages.topMargin
                               : setting.choice == &PageChoices::bottomMargin ? &pages.bottomMargin
                               : setting.choice == &PageChoices::leftMargin   ? &pages.leftMargin
                               : setting.choice == &PageChoices::rightMargin  ? &pages.rightMargin
                                                                              : nullptr;
    if (!field) return;
    *low = std::max(*low, field->low);
    *high = std::min(*high, field->high);
}

// The choices that bound the margins' ranges.
constexpr int PageChoices::*Bounds[] = {&PageChoices::pageLength, &PageChoices::freePageLength,
                                        &PageChoices::topMargin,  &PageChoices::bottomMargin,
                                        &PageChoices::leftMargin, &PageChoices::rightMargin,
                                        &PageChoices::pitch,      &PageChoices::font};

bool isMargin(const Setting& setting) {
    return setting.choice == &PageChoices::topMargin || setting.choice == &PageChoices::bottomMargin ||
           setting.choice == &PageChoices::leftMargin || setting.choice == &PageChoices::rightMargin;
}

// The numeric entries, once every list is resolved: each within the range
// the rules give it. A value the profile names is reported at its line; a
// base value the profile's other choices put out of range, at the line of
// the entry that bounds it.
void checkNumbers(const PageChoices& choices, uint8_t variant, const int* lineOf,
                  std::vector<ProfileError>* errors) {
    for (int i = 0; i < SettingCount; ++i) {
        const Setting& setting = Settings[i];
        if (setting.list) continue;
        int low = 0, high = 0;
        allowedRange(setting, choices, variant, &low, &high);
        const int value = choices.*setting.choice;
        if (value >= low && value <= high) continue;
        int line = lineOf[i];
        for (int PageChoices::*bound : Bounds)
            if (!line && isMargin(setting)) line = lineOf[&settingOf(bound) - Settings];
        if (!line) continue;  // the base set as it stands
        errors->push_back({line, std::string(setting.label) + ": " + std::to_string(value) + " is outside " +
                                     std::to_string(low) + " to " + std::to_string(high) +
                                     (lineOf[i] ? "" : " (the base set's value; name it in the profile)")});
    }
    // A free length counts only with the "Free" page length; any other
    // length stands in its place, and a different number would be lost.
    const int free = static_cast<int>(&settingOf(&PageChoices::freePageLength) - Settings);
    uint16_t fixed = 0;
    if (lineOf[free] && pageLengthForIndex(choices.pageLength, &fixed) &&
        choices.pageLength != PageLengthFreeIndex && choices.freePageLength != fixed / 6)
        errors->push_back({lineOf[free], "Free page length: " + std::to_string(choices.freePageLength) +
                                             " counts only with Page length = Free; this page length is " +
                                             std::to_string(fixed / 6)});
}

}  // namespace

PageChoices profileChoices(const SettingsBlock& block, uint8_t modelVariant) {
    PageChoices c = shownChoices(block, modelVariant);
    // "Scalable" packs the line pitch of the point size beside it, and
    // loading reads it back only from a stored 0: name it again where the
    // word is that pitch and the list offers it.
    const ValueRow* size = pointSizeRow(c.pointSize);
    const Setting& spacing = settingOf(&PageChoices::lineSpacing);
    if (c.lineSpacing == NoSelection && size && lineSpacing(block) == size->value &&
        loadedList(spacing, c, block, modelVariant).count > LineSpacingScalableIndex)
        c.lineSpacing = LineSpacingScalableIndex;
    return c;
}

std::string writeProfile(const SettingsBlock& block, uint8_t modelVariant) {
    const PageChoices choices = profileChoices(block, modelVariant);
    std::string text = "; Quillset settings profile: one section per page, values as the pages show them.\n";
    text += "; Settings left out keep their value when the profile is imported.\n";
    text +=
        std::string("[") + ProfileSection + "]\n" + ModelKey + " = " + std::to_string(modelVariant) + "\n";
    for (int page = 0; page < PageCount; ++page) {
        text += std::string("\n[") + CataloguePages[page].name + "]\n";
        for (const Setting& setting : Settings) {
            if (setting.page != page || !hasRow(setting, modelVariant)) continue;
            const std::string value = shownText(setting, choices, modelVariant);
            if (value.empty())
                text += std::string("; ") + setting.label + ": the stored value has no entry in the list\n";
            else
                text += std::string(setting.label) + " = " + value + "\n";
        }
    }
    text += std::string("\n; Bytes no page shows, kept as they are.\n[") + ReservedSection + "]\n";
    for (int byte : ReservedBytes)
        text += reservedKey(byte) + " = " + std::to_string(block.bytes[byte]) + "\n";
    return text;
}

bool parseProfile(const std::string& text, Profile* profile, std::vector<ProfileError>* errors) {
    *profile = Profile();
    const size_t errorsBefore = errors->size();
    std::vector<int> firstLine(SettingCount + 33, 0);
    int section = UnknownSection;
    bool inSection = false;
    size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;  // a UTF-8 mark from an editor
    for (int lineNumber = 1; start <= text.size(); ++lineNumber) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = trim(text.substr(start, end - start));
        start = end + 1;
        auto fault = [&](const std::string& message) { errors->push_back({lineNumber, message}); };

        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.find('\0') != std::string::npos) {
            fault("not a line of text");
            continue;
        }
        if (line[0] == '[') {
            inSection = true;
            if (line.back() != ']') {
                section = UnknownSection;
                fault("a section name ends with ]");
                continue;
            }
            section = findSection(trim(line.substr(1, line.size() - 2)));
            if (section == UnknownSection)
                fault("unknown section " + line + "; the sections are " + sectionNames() +
                      hintFor(trim(line.substr(1, line.size() - 2)), UnknownSection));
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            fault("expected \"Label = Value\"");
            continue;
        }
        if (!inSection) {
            fault("a setting before the first [section]");
            continue;
        }
        if (section == UnknownSection) continue;  // its section was reported already
        const std::string key = trim(line.substr(0, equals));
        const std::string value = trim(line.substr(equals + 1));
        const int index = findKey(section, key);
        if (index < 0) {
            // A page's key under another page's heading: say where it goes.
            int home = UnknownSection;
            for (int page = 0; page < PageCount && home == UnknownSection; ++page)
                if (findKey(page, key) >= 0) home = page;
            if (home != UnknownSection)
                fault(key + " belongs in [" + CataloguePages[home].name + "], not in this section");
            else
                fault("unknown key \"" + key + "\" in this section; its keys are " + keyNames(section) +
                      hintFor(key, section));
            continue;
        }
        const size_t slot = slotOf(index);
        if (firstLine[slot] != 0) {
            fault(key + " is given twice (first on line " + std::to_string(firstLine[slot]) + ")");
            continue;
        }
        firstLine[slot] = lineNumber;
        if (index == ModelKeyIndex) {
            if (value == "0" || value == "1")
                profile->modelVariant = value[0] - '0';
            else
                fault("Model: \"" + value + "\" is not one of: 0 (standard model), 1 (model variant)");
            continue;
        }
        profile->entries.push_back({index, value, lineNumber});
    }
    // A Model line that was wrong has been reported as such already.
    if (firstLine[slotOf(ModelKeyIndex)] == 0)
        errors->push_back(
            {0, "the profile names no model variant: [Profile] with Model = 0 or 1 is missing"});
    return errors->size() == errorsBefore;
}

bool applyProfile(const Profile& profile, const SettingsBlock& base, SettingsBlock* result,
                  std::vector<ProfileError>* errors) {
    const uint8_t variant = static_cast<uint8_t>(profile.modelVariant == 1 ? 1 : 0);
    const size_t errorsBefore = errors->size();
    SettingsBlock start = base;
    const PageChoices shown = profileChoices(base, variant);
    PageChoices choices = shown;

    // What each list should show, as text: the profile's, or the base's for
    // settings left out, so that a base entry is found again in a list that
    // the profile's other choices have changed.
    std::string wanted[SettingCount];
    int lineOf[SettingCount] = {};
    for (int i = 0; i < SettingCount; ++i)
        if (Settings[i].list) wanted[i] = shownText(Settings[i], shown, variant);

    for (const ProfileEntry& entry : profile.entries) {
        auto fault = [&](const std::string& message) { errors->push_back({entry.line, message}); };
        int number = 0;
        if (entry.key >= ReservedKeyBase) {
            if (!readNumber(entry.value, &number) || number > 255)
                fault(reservedKey(entry.key - ReservedKeyBase) + ": \"" + entry.value +
                      "\" is not a number from 0 to 255");
            else
                start.bytes[entry.key - ReservedKeyBase] = static_cast<uint8_t>(number);
            continue;
        }
        const Setting& setting = Settings[entry.key];
        if (!hasRow(setting, variant)) {
            fault(std::string(setting.label) + ": only model variant 1 has this setting");
        } else if (setting.list) {
            wanted[entry.key] = entry.value;
            lineOf[entry.key] = entry.line;
        } else {
            if (!readNumber(entry.value, &number)) {
                fault(std::string(setting.label) + ": \"" + entry.value + "\" is not a number (digits only)");
            } else {
                choices.*setting.choice = number;
                lineOf[entry.key] = entry.line;
            }
        }
    }

    int order[SettingCount];
    for (int i = 0; i < SettingCount; ++i) order[i] = i;
    std::sort(std::begin(order), std::end(order),
              [](int a, int b) { return resolutionOrder(a) < resolutionOrder(b); });
    for (int i : order) {
        const Setting& setting = Settings[i];
        if (!setting.list) continue;  // once every list that bounds them is known
        // A value left empty in the profile is looked up like any other text,
        // and fails like any unknown one; only the base may have no entry.
        if (wanted[i].empty() && !lineOf[i]) {
            choices.*setting.choice = NoSelection;  // the base had no entry either
            continue;
        }
        const ListView view = listFor(setting, choices, variant);
        int found = NoSelection;
        for (int k = 0; k < view.count && found == NoSelection; ++k)
            if (sameText(wanted[i], view.text(k))) found = k;
        choices.*setting.choice = found;
        if (found != NoSelection || !hasRow(setting, variant)) continue;
        const std::string message = std::string(setting.label) + ": \"" + wanted[i] +
                                    "\" is not one of: " + joined(view) +
                                    didYouMean(wanted[i], view.list->texts + view.offset, view.count);
        errors->push_back(
            {lineOf[i], lineOf[i] ? message : message + " (the base set's value; name it in the profile)"});
    }
    checkNumbers(choices, variant, lineOf, errors);
    if (errors->size() != errorsBefore) return false;
    *result = packSettings(choices, variant, start);
    return true;
}
