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

bool isVariant() { return ModelVariant == 1; }

void loadFont(HWND window, const SettingsBlock& block) {
    int count = StandardFontCount;
    UINT first = IDS_FONT_STANDARD_FIRST;
    if (isVariant()) {
        first = IDS_FONT_VARIANT_FIRST;
        count = codePage(block) >= FirstCodePageWithoutScalableFonts ? VariantNonScalableFontCount
                                                                     : VariantFontCount;
    }
    fillList(window, IDC_FONT, first, count);
    // A code without a pair, or a scalable font the short list lacks, shows
    // no entry.
    int index = NoSelection;
    if (!fontIndexForCode(ModelVariant, font(block), &index)) index = NoSelection;
    selectListEntry(window, IDC_FONT, index);
}

void loadLineSpacing(HWND window, const SettingsBlock& block) {
    // "Scalable" is offered only with a font that can follow the point size;
    // the test is on the stored code, not on the font list's index.
    bool scalable = font(block) >= FirstScalableLineSpacingFont;
    fillList(window, IDC_LINE_SPACING, IDS_LINE_SPACING_FIRST,
             scalable ? LineSpacingScalableIndex + 1 : LineSpacingScalableIndex);
    // A stored 0 finds the "Scalable" row; on the short list that index lies
    // past the end and so shows no entry.
    int index = NoSelection;
    if (!lineSpacingIndexFor(lineSpacing(block), &index)) index = NoSelection;
    selectListEntry(window, IDC_LINE_SPACING, index);
}

// Every list but those of the font, Line/Inch and the character set, as the
// catalogue gives their entries and the entry the block stands for. Those
// three go by the stored codes themselves: a font code without an entry
// still decides whether "Scalable" is offered, the character set follows
// the emulation stored.
void loadCataloguedLists(HWND window, const SettingsBlock& block) {
    const PageChoices shown = shownChoices(block, ModelVariant);
    for (const Setting& setting : Settings) {
        const int PageChoices::*choice = setting.choice;
        if (!setting.list || choice == &PageChoices::font || choice == &PageChoices::lineSpacing ||
            choice == &PageChoices::characterSet)
            continue;
        const ListView view = listFor(setting, shown, ModelVariant);
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

void loadCharacterSet(HWND window, const SettingsBlock& block) {
    const uint8_t code = characterSet(block);
    if (!isVariant() && emulation(block) == EpsonEmulation) {
        // EPSON on the standard model: "Italic", "Graphic 1", "Graphic 2";
        // the unused code 2 reads as "Graphic 2" like 3.
        fillList(window, IDC_CHARACTER_SET, IDS_CHARSET_FIRST, 3);
        selectListEntry(window, IDC_CHARACTER_SET, code == 0 ? 0 : code == 1 ? 1 : 2);
        return;
    }
    // IBM, and the variant whatever the emulation, have no "Italic" set; the
    // variant's "Italic" code page leaves only "Graphic 1".
    const int count = isVariant() && codePage(block) == ItalicCodePage ? 1 : 2;
    fillList(window, IDC_CHARACTER_SET, IDS_CHARSET_FIRST + 1, count);
    selectListEntry(window, IDC_CHARACTER_SET, code == 3 && count == 2 ? 1 : 0);
}

}  // namespace

// The order is fixed: the fields whose changed text runs a rule (page
// length, margins) come after the lists those rules read.
int loadPages(HWND window) {
    const SettingsBlock block = currentBlock;

    loadFont(window, block);
    loadLineSpacing(window, block);
    loadCataloguedLists(window, block);
    windowState.charsetListEmulation = emulation(block);
    loadCharacterSet(window, block);
    // A.G.M. and Auto CR mean something only to the IBM emulation; their
    // labels stay enabled.
    const bool ibm = emulation(block) == IbmEmulation;
    enableControl(window, IDC_AGM, ibm);
    enableControl(window, IDC_AUTO_CR, ibm);
    loadNumericEntries(window, block);
    keepMarginPositions(block);
    return 1;
}
