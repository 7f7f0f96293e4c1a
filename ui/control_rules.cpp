// The list interlocks: which character sets an emulation offers, which fonts
// a code page offers, which line spacings and pitch a font allows, and the
// page length's limits on the top and bottom margins; plus the bounds of the
// top-of-form entries. The rules change only controls, never the current
// block: Send Settings packs whatever the controls show.
#include "ui/control_rules.h"

#include <cstdint>

#include "resources/resource.h"
#include "settings/settings_state.h"
#include "settings/value_tables.h"
#include "common/controls.h"
#include "ui/load_pages.h"

namespace {

// A list without a selection reads as this byte, which is past every entry.
constexpr int NoEntry = 255;

// At 7.5 inch (1350 / 180) and more the margins get their widest ranges.
constexpr int LongPageLength = 1350;
constexpr int WidestTopMargin = 450;
constexpr int WidestBottomMargin = 900;
// A short page keeps at least half an inch (90 / 180) clear of both margins.
constexpr int ShortPageClearance = 90;
constexpr int LongestTopOfForm = 900;  // 5 inches in 1/180 inch

bool isVariant() { return ModelVariant == 1; }

int selectionByte(HWND window, int listId) {
    const int index = listSelection(window, listId);
    return index == NoSelection ? NoEntry : index;
}

// The non-scalable fonts head the font list; the scalable ("-SC") ones follow.
int nonScalableFontCount() { return isVariant() ? VariantNonScalableFontCount : StandardNonScalableFontCount; }
int fontCount() { return isVariant() ? VariantFontCount : StandardFontCount; }
UINT firstFontString() { return isVariant() ? IDS_FONT_VARIANT_FIRST : IDS_FONT_STANDARD_FIRST; }

void fillCharacterSetList(HWND window, int first, int last) {
    fillList(window, IDC_CHARACTER_SET, IDS_CHARSET_FIRST + static_cast<UINT>(first), last - first + 1);
}

}  // namespace

void applyEmulationRule(HWND window) {
    const int emulation = selectionByte(window, IDC_EMULATION);
    // Showing the page again, or choosing the emulation in force, keeps the
    // user's character set.
    if (emulation == windowState.charsetListEmulation) return;

    // "Italic" (entry 0) exists only for EPSON on the standard model. The
    // variant goes by the code page it was last loaded or sent with, not by
    // the Code page list.
    int first = emulation == IbmEmulation ? 1 : 0;
    int last = 2;
    if (isVariant()) {
        first = 1;
        if (codePage(currentBlock) == ItalicCodePage) last = 1;
    }
    fillCharacterSetList(window, first, last);
    selectListEntry(window, IDC_CHARACTER_SET,
                    isVariant() && listCount(window, IDC_CHARACTER_SET) == 2 ? 1 : 0);

    // A.G.M. and Auto CR mean something only outside the EPSON emulation.
    enableControl(window, IDC_AGM, emulation != EpsonEmulation);
    enableControl(window, IDC_AUTO_CR, emulation != EpsonEmulation);
    windowState.charsetListEmulation = static_cast<uint8_t>(emulation);
}

void applyFontRule(HWND window) {
    const int font = selectionByte(window, IDC_FONT);
    const int spacing = selectionByte(window, IDC_LINE_SPACING);

    if (font < nonScalableFontCount()) {
        // A fixed font has no "Scalable" spacing and no point size; a fixed
        // spacing the user chose survives the change of font.
        fillList(window, IDC_LINE_SPACING, IDS_LINE_SPACING_FIRST, LineSpacingScalableIndex);
        enableControl(window, IDC_POINT_SIZE, false);
        int keep = NoSelection;
        if (spacing == LineSpacingScalableIndex)
            keep = LineSpacingSixIndex;
        else if (spacing < LineSpacingScalableIndex)
            keep = spacing;
        selectListEntry(window, IDC_LINE_SPACING, keep);
        return;
    }

    // A scalable font (or none chosen) follows the point size: its spacing
    // and pitch are proportional.
    fillList(window, IDC_LINE_SPACING, IDS_LINE_SPACING_FIRST, LineSpacingScalableIndex + 1);
    enableControl(window, IDC_POINT_SIZE, true);
    selectListEntry(window, IDC_LINE_SPACING, LineSpacingScalableIndex);
    const int pitchBefore = listSelection(window, IDC_PITCH);
    selectListEntry(window, IDC_PITCH, PitchProportionalIndex);
    // Selecting from code raises no selection change, yet the margins must
    // follow the new pitch as after the user's own choice: a right margin of
    // 136 columns kept from 17 CPI cannot be printed at "P.S".
    if (pitchBefore != PitchProportionalIndex) applyPitchRule(window);
}

void applyCodePageRule(HWND window) {
    const int page = selectionByte(window, IDC_CODE_PAGE);
    int font = selectionByte(window, IDC_FONT);

    if (isVariant()) {
        // The variant's "Italic" code page prints only "Graphic 1"; every
        // other code page offers both graphic sets.
        if (page == ItalicCodePage) {
            fillCharacterSetList(window, 1, 1);
            selectListEntry(window, IDC_CHARACTER_SET, 0);
        } else if (listCount(window, IDC_CHARACTER_SET) != 2) {
            fillCharacterSetList(window, 1, 2);
            selectListEntry(window, IDC_CHARACTER_SET, 0);
        }
    }

    // Only the code pages up to "Turkey" have the scalable fonts; a scalable
    // font chosen before falls back to "Draft".
    if (page > LastCodePageWithScalableFonts) {
        fillList(window, IDC_FONT, firstFontString(), nonScalableFontCount());
        if (font >= nonScalableFontCount()) font = 0;
    } else {
        fillList(window, IDC_FONT, firstFontString(), fontCount());
    }
    selectListEntry(window, IDC_FONT, font);
    applyFontRule(window);
}

void applyPageLengthRule(HWND window) {
    const int index = listSelection(window, IDC_PAGE_LENGTH);
    const bool isFree = index == PageLengthFreeIndex;
    int length = 0;  // 1/180 inch
    if (isFree) {
        // The up-down's position, never its text: the text carries the
        // locale's thousands separator ("1,980").
        length = spinPosition(window, IDC_FREE_LENGTH_SPIN) & 0xFFFF;
    } else {
        uint16_t value = 0;
        // A list without a selection names no length: nothing to limit by.
        if (!pageLengthForIndex(index, &value)) return;
        length = value / 6;  // 1/1080 inch to 1/180 inch
    }
    enableControl(window, IDC_FREE_LENGTH, isFree);
    enableControl(window, IDC_FREE_LENGTH_SPIN, isFree);

    if (length >= LongPageLength) {
        setSpinRange(window, IDC_TOP_MARGIN_SPIN, 0, WidestTopMargin);
        setSpinRange(window, IDC_BOTTOM_MARGIN_SPIN, 0, WidestBottomMargin);
        return;
    }
    // Margins that leave no page between them are dropped together.
    if (spinPosition(window, IDC_TOP_MARGIN_SPIN) + spinPosition(window, IDC_BOTTOM_MARGIN_SPIN) > length) {
        setSpinPosition(window, IDC_TOP_MARGIN_SPIN, 0);
        setSpinPosition(window, IDC_BOTTOM_MARGIN_SPIN, 0);
    }
    const int high = length > ShortPageClearance ? (length - ShortPageClearance) / 2 : 0;
    setSpinRange(window, IDC_TOP_MARGIN_SPIN, 0, high);
    setSpinRange(window, IDC_BOTTOM_MARGIN_SPIN, 0, high);
}

void clampTofEntry(HWND window, int fieldId) {
    // The field takes 3 digits; its up-down keeps the arrows within 0 .. 900,
    // but a typed number is brought back only here.
    bool isEmpty = false;
    const int value = readFieldNumber(window, fieldId, 3, &isEmpty);
    if (isEmpty || value < 0)
        setFieldNumber(window, fieldId, 0);
    else if (value > LongestTopOfForm)
        setFieldNumber(window, fieldId, LongestTopOfForm);
}
