// Reading the page controls back as they stand: what Send Settings packs.
// The window keeps no other copy of the user's choices.
#include "common/controls.h"
#include "settings/catalogue.h"
#include "settings/page_rules.h"
#include "ui/load_pages.h"

namespace {

// The free page length may show a thousands separator ("1,980"), so it and
// the top-of-form entries are read from their up-downs, not their text.
bool readsUpDown(const Setting& setting) {
    return setting.choice == &PageChoices::freePageLength || setting.choice == &PageChoices::tractor ||
           setting.choice == &PageChoices::friction;
}

}  // namespace

PageChoices readPageChoices(HWND window) {
    static_assert(NoSelection == CB_ERR, "a list without a selection reads as the core's NoSelection");
    PageChoices choices;
    for (const Setting& setting : Settings) {
        int& choice = choices.*setting.choice;
        if (setting.list)
            choice = listSelection(window, setting.controlId);
        else if (readsUpDown(setting))
            choice = spinPosition(window, setting.upDownId);
        else  // no more than a user can type: a margin set from code never reaches the pitch class bits
            choice = asciiToInt(fieldText(window, setting.controlId, TypedChars).c_str());
    }
    return choices;
}
