// Puts the current settings block on view: every list and numeric entry of
// the nine pages, shown or hidden, in one fixed order. Loading shows and hides
// nothing and runs no rule itself; the only rules that run meanwhile are those
// a field's changed text sets off in the window's own command handling.
#include "ui/load_pages.h"

#include <iterator>

#include "resources/resource.h"
#include "settings/catalogue.h"
#include "settings/settings_state.h"
#include "settings/value_tables.h"
#include "common/controls.h"

namespace {

// A list whose entry index is the field value itself.
struct SimpleList {
    int listId;
    UINT firstString;
    int count;
    uint8_t (*field)(const SettingsBlock&);
};

void loadSimpleLists(HWND window, const SettingsBlock& block, const SimpleList* lists, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        fillList(window, lists[i].listId, lists[i].firstString, lists[i].count);
        selectListEntry(window, lists[i].listId, lists[i].field(block));
    }
}

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

void loadPointSize(HWND window, const SettingsBlock& block) {
    fillList(window, IDC_POINT_SIZE, IDS_POINT_SIZE_FIRST, 15);
    const ValueRow* row = pointSizeRowForCode(pointSize(block));
    selectListEntry(window, IDC_POINT_SIZE, row ? row->listIndex : NoSelection);
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

void loadPageLength(HWND window, const SettingsBlock& block) {
    fillList(window, IDC_PAGE_LENGTH, IDS_PAGE_LENGTH_FIRST, PageLengthFreeIndex + 1);
    // The rows are searched in order, so 11880 finds "11 Inch" before "Free";
    // a length no row holds is a free length.
    int index = PageLengthFreeIndex;
    if (!pageLengthIndexFor(pageLength(block), &index)) index = PageLengthFreeIndex;
    selectListEntry(window, IDC_PAGE_LENGTH, index);
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
// length, margins) come after the lists those rules read, and the character
// set and the IBM-only lists follow the emulation they depend on.
int loadPages(HWND window) {
    const SettingsBlock block = currentBlock;

    loadFont(window, block);
    fillList(window, IDC_PITCH, IDS_PITCH_FIRST, 10);
    selectListEntry(window, IDC_PITCH, pitch(block));
    loadPointSize(window, block);
    // Print pass is filled on both models; the standard model never shows its row.
    fillList(window, IDC_PRINT_PASS, IDS_PRINT_PASS_FIRST, 2);
    selectListEntry(window, IDC_PRINT_PASS, printPass(block));
    fillList(window, IDC_EMULATION, IDS_EMULATION_FIRST, 2);
    selectListEntry(window, IDC_EMULATION, emulation(block));
    windowState.charsetListEmulation = emulation(block);
    loadLineSpacing(window, block);
    loadPageLength(window, block);
    loadNumericEntries(window, block);
    keepMarginPositions(block);

    static const SimpleList printModeAndEnhancements[] = {
        {IDC_GRAPHIC_DIRECTION, IDS_DIRECTION_FIRST, 2, graphicDirection},
        {IDC_TEXT_DIRECTION, IDS_DIRECTION_FIRST, 2, textDirection},
        {IDC_BOLD, IDS_BOLD_FIRST, 2, bold},
        {IDC_DOUBLE_HIGH, IDS_DOUBLE_HIGH_FIRST, 2, doubleHigh},
        {IDC_DOUBLE_STRIKE, IDS_DOUBLE_STRIKE_FIRST, 2, doubleStrike},
        {IDC_DOUBLE_WIDE, IDS_DOUBLE_WIDE_FIRST, 2, doubleWide},
        {IDC_ITALICS, IDS_ITALICS_FIRST, 2, italics},
        {IDC_OUTLINE, IDS_OUTLINE_FIRST, 2, outline},
        {IDC_SHADOW, IDS_SHADOW_FIRST, 2, shadow},
        {IDC_ZERO_FONT, IDS_ZERO_FONT_FIRST, 3, zeroFont},
    };
    loadSimpleLists(window, block, printModeAndEnhancements, std::size(printModeAndEnhancements));

    loadCharacterSet(window, block);
    fillList(window, IDC_CODE_PAGE, IDS_CODE_PAGE_FIRST,
             isVariant() ? VariantCodePageCount : StandardCodePageCount);
    selectListEntry(window, IDC_CODE_PAGE, codePage(block));

    static const SimpleList internationalAndIbmOnly[] = {
        {IDC_INTERNATIONAL, IDS_INTERNATIONAL_FIRST, 16, internationalCharacter},
        {IDC_AGM, IDS_AGM_FIRST, 2, agm},
        {IDC_AUTO_CR, IDS_AUTO_CR_FIRST, 2, autoCR},
    };
    loadSimpleLists(window, block, internationalAndIbmOnly, std::size(internationalAndIbmOnly));
    // A.G.M. and Auto CR mean something only to the IBM emulation; their
    // labels stay enabled.
    const bool ibm = emulation(block) == IbmEmulation;
    enableControl(window, IDC_AGM, ibm);
    enableControl(window, IDC_AUTO_CR, ibm);

    static const SimpleList installAndSerial[] = {
        {IDC_AUTO_LF, IDS_AUTO_LF_FIRST, 2, autoLF},
        {IDC_AUTO_LOAD, IDS_AUTO_LOAD_FIRST, 2, autoLoad},
        {IDC_PAPER_OUT, IDS_PAPER_OUT_FIRST, 2, paperOutDetect},
        {IDC_TEAR_OFF, IDS_TEAR_OFF_FIRST, 2, tearOff},
        {IDC_BUFFER_CONTROL, IDS_BUFFER_CONTROL_FIRST, 4, bufferControl},
        {IDC_AUTO_ONLINE, IDS_AUTO_ONLINE_FIRST, 2, autoOnline},
        {IDC_AUTO_FEED_XT, IDS_AUTO_FEED_XT_FIRST, 2, autoFeedXT},
        {IDC_DATA_LENGTH, IDS_DATA_LENGTH_FIRST, 2, dataLength},
        {IDC_BAUD_RATE, IDS_BAUD_RATE_FIRST, 8, baudRate},
        {IDC_PARITY, IDS_PARITY_FIRST, 4, parity},
        {IDC_PROTOCOL, IDS_PROTOCOL_FIRST, 2, protocol},
        {IDC_SIGNAL_POLARITY, IDS_SIGNAL_POLARITY_FIRST, 2, signalPolarity},
    };
    loadSimpleLists(window, block, installAndSerial, std::size(installAndSerial));
    return 1;
}
