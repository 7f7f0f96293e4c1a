// Puts the current settings block on view: every list and numeric entry of
// the nine pages, shown or hidden, in one fixed order. Loading shows and hides
// nothing and runs no rule itself; the only rules that run meanwhile are those
// a field's changed text sets off in the window's own command handling.
#include "ui/load_pages.h"

#include "resources/resource.h"
#include "settings/catalogue.h"
#include "settings/settings_state.h"
#include "settings/value_tables.h"
#include "common/controls.h"

namespace {

// Every list, with the entries the catalogue gives it for the block and the
// entry the block stands for (none when no entry does).
void loadLists(HWND window, const SettingsBlock& block) {
    const PageChoices shown = shownChoices(block, ModelVariant);
    for (const Setting& setting : Settings) {
        if (!setting.list) continue;
        const ListView view = loadedList(setting, shown, block, ModelVariant);
        fillList(window, setting.controlId, view.list->firstId + static_cast<UINT>(view.offset), view.count);
        selectListEntry(window, setting.controlId, shown.*setting.choice);
    }
}

// Every numeric entry with the catalogue's range and the position the block
// gives it, in the catalogue's order. The free entry always holds the length
// in 1/180 inch, whichever entry the Page length list shows: its changed text
// runs the page length rule, which decides whether it is enabled and narrows
// the top and bottom ranges for short pages. Each position is set right after
// its own range: a changed margin text runs the margin rules, which set the
// other up-down's range, and the order makes the pitch row's right range
// replace what the left rule set.
void loadNumericEntries(HWND window, const SettingsBlock& block) {
    const PageChoices shown = shownChoices(block, ModelVariant);
    for (const Setting& setting : Settings) {
        if (setting.list) continue;
        int low = 0;
        int high = 0;
        numericRange(setting, shown, &low, &high);
        // The fields take 3 digits; the free page length, up to 2700, takes 4.
        setupNumericEntry(window, setting.controlId, setting.upDownId, high >= 1000 ? 4 : 3, low, high);
        setSpinPosition(window, setting.upDownId, shown.*setting.choice);
    }
}

// Packing never stores a pitch of 10 to 15 and the geometry table has no row
// for one; such a block gets the margin bounds and column width of 10 CPI, the
// printer's own base pitch, so that the margin entries stay usable.
const PitchGeometry& geometryForPitch(uint8_t pitchIndex) {
    const PitchGeometry* row = pitchGeometryRow(pitchIndex);
    return row ? *row : PitchGeometryTable[0];
}

// Set after the fields, so whatever the rules wrote meanwhile is replaced.
// The distances keep their low 16 bits, as all margin arithmetic does.
void keepMarginPositions(const SettingsBlock& block) {
    const PitchGeometry& row = geometryForPitch(pitch(block));
    // Bits 15-12 hold the pitch class the margin was packed with; the pitch
    // list is the authority for it, so only the columns are read.
    const uint16_t leftColumns = leftMargin(block) & 0x0FFF;
    const uint16_t rightColumns = rightMargin(block) & 0x0FFF;
    windowState.leftMarginPosition = static_cast<uint16_t>(row.columnWidth * leftColumns);
    windowState.rightMarginPosition = static_cast<uint16_t>(row.columnWidth * rightColumns);
}

}  // namespace

// The order is fixed: the fields whose changed text runs a rule (page
// length, margins) come after the lists those rules read.
int loadPages(HWND window) {
    const SettingsBlock block = currentBlock;

    loadLists(window, block);
    windowState.charsetListEmulation = emulation(block);
    // A.G.M. and Auto CR mean something only to the IBM emulation; their
    // labels stay enabled.
    const bool ibm = emulation(block) == IbmEmulation;
    enableControl(window, IDC_AGM, ibm);
    enableControl(window, IDC_AUTO_CR, ibm);
    loadNumericEntries(window, block);
    keepMarginPositions(block);
    return 1;
}
