// The catalogue of the pages: every setting with its page, its label as the
// page shows it, the ids of its controls, and the entries of its list,
// together with how a settings block reads on the pages once they are loaded.
// The window shows its pages, builds its tree, loads its lists and numeric
// entries and reads them back from these rows. It fills its lists from the
// string table; the same texts stand here for the programs that have no
// string table (the native build) and for the settings profile, and a test
// under Wine checks both against the resources entry by entry.
// Portable: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "settings_block.h"

// A run of consecutive string ids that fills a list: entry i is string
// firstId + i.
struct TextList {
    uint16_t firstId;
    uint8_t count;
    const char* const* texts;
};

struct CataloguePage {
    const char* name;  // the tree item's text
    uint16_t stringId;
};
constexpr int PageCount = 9;
extern const CataloguePage CataloguePages[PageCount];

struct Setting {
    uint8_t page;
    const char* label;   // the row's label without its mnemonic and colon
    uint16_t labelId;    // control id of the label; 0 for the free page length entry
    uint16_t controlId;  // the list or the edit field
    uint16_t upDownId;   // numeric entries: the up-down, and the unit label after it; 0 for a list
    uint16_t unitId;
    int PageChoices::*choice;
    const TextList* list;  // nullptr for a numeric entry
    int minimum;           // numeric entries: the up-down's range
    int maximum;
    bool variantOnly;  // Print pass: a row only model variant 1 shows
    // The block byte of its field (the low one of a word), to name where a
    // block holds a value no entry stands for.
    uint8_t blockByte;
};
constexpr int SettingCount = 42;
extern const Setting Settings[SettingCount];

// Every list of the catalogue, for the check against the string table.
extern const TextList* const AllTextLists[];
extern const int TextListCount;
// The country dialog's list, in the order of CountryDefaultTable's rows.
extern const TextList CountryList;

// The entries a setting's list holds for the other choices on the pages and
// the model variant (the font list shrinks with the variant's late code
// pages, "Scalable" needs a font code of 8 or more, the character sets follow
// the emulation). `offset` is where the shown entries start in `list`.
struct ListView {
    const TextList* list = nullptr;
    int offset = 0;
    int count = 0;
    const char* text(int index) const { return list->texts[offset + index]; }
};
ListView listFor(const Setting& setting, const PageChoices& choices, uint8_t modelVariant);
// The entries a list holds right after `block` is loaded, which the window
// fills it with: as listFor gives them for `shown`, the block's
// shownChoices, but "Scalable" goes by the stored font code, which decides
// it even when no font entry stands for that code.
ListView loadedList(const Setting& setting, const PageChoices& shown, const SettingsBlock& block,
                    uint8_t modelVariant);

// The range a numeric entry's up-down accepts; the margins' follow the pitch.
void numericRange(const Setting& setting, const PageChoices& choices, int* minimum, int* maximum);

// What the pages show right after loading `block`: each list's selected
// index (NoSelection when no entry stands for the stored value) and each
// numeric entry's position. Packing these choices with the block as the
// starting block gives back the block that packing would send.
PageChoices shownChoices(const SettingsBlock& block, uint8_t modelVariant);

// The value a setting shows: its list entry's text, "" when no entry is
// selected, or the numeric entry's number.
std::string shownText(const Setting& setting, const PageChoices& choices, uint8_t modelVariant);

// Whether the setting has a row on the pages of this model variant.
inline bool hasRow(const Setting& setting, uint8_t modelVariant) {
    return !setting.variantOnly || modelVariant == 1;
}

// ASCII comparison ignoring case, as profile keys and values are matched.
bool sameText(const std::string& a, const char* b);

// The candidate a mistyped `text` most likely meant, for a "did you mean"
// hint: the one fewest edits away (a character inserted, deleted, changed,
// or two neighbours swapped; ASCII case ignored),
// when that is at most a third of its length, or nullptr.
const char* closestText(const std::string& text, const char* const* candidates, int count);
// The same as the hint " (did you mean \"X\"?)", or "".
std::string didYouMean(const std::string& text, const char* const* candidates, int count);
