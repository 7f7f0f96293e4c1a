#include "settings/page_rules.h"

#include "resources/resource.h"
#include "settings/value_tables.h"

void ListShown::fill(uint16_t first, int entries) {
    firstString = first;
    count = entries;
    selection = NoSelection;
}

void ListShown::select(int index) { selection = index < 0 || index >= count ? NoSelection : index; }

bool NumberShown::setPosition(int value) {
    // The up-down's bounds may stand either way round; a value outside them
    // goes to the bound it passed, or to the upper one.
    const bool inside = high > low ? low <= value && value <= high : high <= value && value <= low;
    if (!inside) value = (low < high && value < low) || (low > high && value > low) ? low : high;
    position = value;
    const std::string shown = std::to_string(value);
    if (text == shown) return false;
    text = shown;
    return true;
}

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
// The two margins stay at least two columns apart.
constexpr int MarginGap = 2;

int selectionByte(const ListShown& list) { return list.selection == NoSelection ? NoEntry : list.selection; }

bool isVariant(const RuleContext& context) { return context.modelVariant == 1; }
// The non-scalable fonts head the font list; the scalable ("-SC") ones follow.
int nonScalableFontCount(const RuleContext& c) {
    return isVariant(c) ? VariantNonScalableFontCount : StandardNonScalableFontCount;
}
int fontCount(const RuleContext& c) { return isVariant(c) ? VariantFontCount : StandardFontCount; }
uint16_t firstFontString(const RuleContext& c) {
    return isVariant(c) ? IDS_FONT_VARIANT_FIRST : IDS_FONT_STANDARD_FIRST;
}

void fillCharacterSets(ListShown& list, int first, int last) {
    list.fill(static_cast<uint16_t>(IDS_CHARSET_FIRST + first), last - first + 1);
}

// A field's number as the entries read it: the first `chars` characters.
int numberIn(const NumberShown& field, int chars) { return asciiToInt(field.text.substr(0, chars).c_str()); }
int columnsIn(const NumberShown& field) { return numberIn(field, FieldTextChars) & 0xFF; }

// Text set from code raises the field's text update even when it is the
// same text: the margin fields run their rule, nested.
void setLeftText(PagesShown& pages, int value, const RuleContext& context) {
    pages.leftMargin.text = std::to_string(value);
    leftMarginUpdated(pages, context);
}
void setRightText(PagesShown& pages, int value, const RuleContext& context) {
    pages.rightMargin.text = std::to_string(value);
    rightMarginUpdated(pages, context);
}

// The geometry row of the pitch on view. None when the Pitch list shows no
// entry or the pitch has no row: the margin rules then change nothing.
const PitchGeometry* pitchRow(const PagesShown& pages) {
    return pages.pitch.selection == NoSelection ? nullptr : pitchGeometryRow(pages.pitch.selection);
}

// The margins are kept as distances from the left edge too, 16-bit as the
// printer counts them, so that a change of pitch can turn a margin back into
// columns of the new pitch.
uint16_t distance(int columns, const PitchGeometry& row) {
    return static_cast<uint16_t>(columns * row.columnWidth);
}

int clampTo(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

void clampTopOfForm(NumberShown& field) {
    // The field takes 3 digits; its up-down keeps the arrows within 0 .. 900,
    // but a typed number is brought back only here.
    const int value = numberIn(field, TypedChars);
    if (field.text.empty() || value < 0)
        field.text = "0";
    else if (value > LongestTopOfForm)
        field.text = std::to_string(LongestTopOfForm);
}

}  // namespace

void emulationChosen(PagesShown& pages, const RuleContext& context) {
    const int emulation = selectionByte(pages.emulation);
    // Showing the page again, or choosing the emulation in force, keeps the
    // user's character set.
    if (emulation == pages.charsetListEmulation) return;

    // "Italic" (entry 0) exists only for EPSON on the standard model. The
    // variant goes by the code page it was last loaded or sent with, not by
    // the Code page list.
    int first = emulation == IbmEmulation ? 1 : 0;
    int last = 2;
    if (isVariant(context)) {
        first = 1;
        if (context.blockCodePage == ItalicCodePage) last = 1;
    }
    fillCharacterSets(pages.characterSet, first, last);
    pages.characterSet.select(isVariant(context) && pages.characterSet.count == 2 ? 1 : 0);

    // A.G.M. and Auto CR mean something only outside the EPSON emulation.
    pages.agm.enabled = emulation != EpsonEmulation;
    pages.autoCR.enabled = emulation != EpsonEmulation;
    pages.charsetListEmulation = static_cast<uint8_t>(emulation);
}

void fontChosen(PagesShown& pages, const RuleContext& context) {
    const int font = selectionByte(pages.font);
    const int spacing = selectionByte(pages.lineSpacing);

    if (font < nonScalableFontCount(context)) {
        // A fixed font has no "Scalable" spacing and no point size; a fixed
        // spacing the user chose survives the change of font.
        pages.lineSpacing.fill(IDS_LINE_SPACING_FIRST, LineSpacingScalableIndex);
        pages.pointSize.enabled = false;
        int keep = NoSelection;
        if (spacing == LineSpacingScalableIndex)
            keep = LineSpacingSixIndex;
        else if (spacing < LineSpacingScalableIndex)
            keep = spacing;
        pages.lineSpacing.select(keep);
        return;
    }

    // A scalable font (or none chosen) follows the point size: its spacing
    // and pitch are proportional.
    pages.lineSpacing.fill(IDS_LINE_SPACING_FIRST, LineSpacingScalableIndex + 1);
    pages.pointSize.enabled = true;
    pages.lineSpacing.select(LineSpacingScalableIndex);
    const int pitchBefore = pages.pitch.selection;
    pages.pitch.select(PitchProportionalIndex);
    // Selecting from code raises no selection change, yet the margins must
    // follow the new pitch as after the user's own choice: a right margin of
    // 136 columns kept from 17 CPI cannot be printed at "P.S".
    if (pitchBefore != PitchProportionalIndex) pitchChosen(pages, context);
}

void codePageChosen(PagesShown& pages, const RuleContext& context) {
    const int page = selectionByte(pages.codePage);
    int font = selectionByte(pages.font);

    if (isVariant(context)) {
        // The variant's "Italic" code page prints only "Graphic 1"; every
        // other code page offers both graphic sets.
        if (page == ItalicCodePage) {
            fillCharacterSets(pages.characterSet, 1, 1);
            pages.characterSet.select(0);
        } else if (pages.characterSet.count != 2) {
            fillCharacterSets(pages.characterSet, 1, 2);
            pages.characterSet.select(0);
        }
    }

    // Only the code pages up to "Turkey" have the scalable fonts; a scalable
    // font chosen before falls back to "Draft".
    if (page > LastCodePageWithScalableFonts) {
        pages.font.fill(firstFontString(context), nonScalableFontCount(context));
        if (font >= nonScalableFontCount(context)) font = 0;
    } else {
        pages.font.fill(firstFontString(context), fontCount(context));
    }
    pages.font.select(font);
    fontChosen(pages, context);
}

void pageLengthChosen(PagesShown& pages, const RuleContext&) {
    const int index = pages.pageLength.selection;
    const bool isFree = index == PageLengthFreeIndex;
    int length = 0;  // 1/180 inch
    if (isFree) {
        // The up-down's position, never the field's text: the text carries
        // the locale's thousands separator ("1,980").
        length = pages.freeLength.position & 0xFFFF;
    } else {
        uint16_t value = 0;
        // A list without a selection names no length: nothing to limit by.
        if (!pageLengthForIndex(index, &value)) return;
        length = value / 6;  // 1/1080 inch to 1/180 inch
    }
    pages.freeLength.enabled = isFree;

    if (length >= LongPageLength) {
        pages.topMargin.setRange(0, WidestTopMargin);
        pages.bottomMargin.setRange(0, WidestBottomMargin);
        return;
    }
    // Margins that leave no page between them are dropped together.
    if (pages.topMargin.position + pages.bottomMargin.position > length) {
        pages.topMargin.setPosition(0);
        pages.bottomMargin.setPosition(0);
    }
    const int high = length > ShortPageClearance ? (length - ShortPageClearance) / 2 : 0;
    pages.topMargin.setRange(0, high);
    pages.bottomMargin.setRange(0, high);
}

void pitchChosen(PagesShown& pages, const RuleContext& context) {
    const PitchGeometry* row = pitchRow(pages);
    if (!row) return;

    // A margin the new pitch cannot print falls back to the left edge on the
    // left and to the widest line on the right. A right margin narrower than
    // the pitch can print jumps to the widest line, and that is the distance
    // kept from then on: keeping the old one
    // would bring it back at the next pitch, where it could lie left of the
    // left margin (20 CPI, right 4; 12 CPI shows 96, left 8; 20 CPI would show
    // left 13, right 4), and Send Settings would send that. A margin past
    // the widest line only shows that line, and keeps its distance, so that
    // going back to the first pitch shows the first margin again.
    int left = pages.leftMarginPosition / row->columnWidth;
    if (left < row->leftMin || left > row->leftMax) left = row->leftMin;
    setLeftText(pages, left, context);

    int right = pages.rightMarginPosition / row->columnWidth;
    if (right < row->rightMin) {
        right = row->rightMax;
        pages.rightMarginPosition = distance(right, *row);
    } else if (right > row->rightMax) {
        right = row->rightMax;
    }
    setRightText(pages, right, context);

    // Replace the ranges the nested text updates set.
    pages.leftMargin.setRange(row->leftMin, right < row->leftMax ? right - MarginGap : row->leftMax);
    pages.rightMargin.setRange(row->rightMin, row->rightMax);
}

void leftMarginUpdated(PagesShown& pages, const RuleContext&) {
    const PitchGeometry* row = pitchRow(pages);
    if (!row) return;
    // The right margin's arrows stop two columns right of the left one and
    // at the widest line of this pitch.
    const int left = columnsIn(pages.leftMargin);
    pages.rightMargin.setRange(left + MarginGap, row->rightMax);
    pages.leftMarginPosition = distance(left, *row);
}

void leftMarginLeft(PagesShown& pages, const RuleContext& context) {
    const PitchGeometry* row = pitchRow(pages);
    if (!row) return;
    const int right = columnsIn(pages.rightMargin);
    const int typed = numberIn(pages.leftMargin, TypedChars);
    int corrected = -1;
    if (pages.leftMargin.text.empty() || typed < row->leftMin)
        corrected = row->leftMin;
    else if (typed > right)
        // Two columns left of the right margin, but never beyond what the
        // pitch can print (at 12 CPI a right margin of 96 would give 94, past
        // the left maximum 93) nor below the left edge.
        corrected = clampTo(right - MarginGap, row->leftMin, row->leftMax);
    else if (typed > row->leftMax)
        corrected = row->leftMax;
    if (corrected >= 0) setLeftText(pages, corrected, context);
    pages.leftMarginPosition = distance(columnsIn(pages.leftMargin), *row);
}

void rightMarginUpdated(PagesShown& pages, const RuleContext&) {
    const PitchGeometry* row = pitchRow(pages);
    if (!row) return;
    const int right = columnsIn(pages.rightMargin);
    // A right margin of 0 or 1 (on the way to a longer number) must not turn
    // the left range upside down.
    pages.leftMargin.setRange(0, right > MarginGap ? right - MarginGap : 0);
    // One column up or down is an arrow step and moves the kept distance at
    // once; a typed number or a wrap waits for the focus loss.
    const uint16_t now = distance(right, *row);
    if (static_cast<uint16_t>(pages.rightMarginPosition - now) == row->columnWidth ||
        static_cast<uint16_t>(now - pages.rightMarginPosition) == row->columnWidth)
        pages.rightMarginPosition = now;
}

void rightMarginLeft(PagesShown& pages, const RuleContext& context) {
    const PitchGeometry* row = pitchRow(pages);
    if (!row) return;
    const int left = columnsIn(pages.leftMargin);
    const int typed = numberIn(pages.rightMargin, TypedChars);
    int corrected = -1;
    if (pages.rightMargin.text.empty() || typed < row->rightMin)
        corrected = row->rightMin;
    else if (typed < left)
        corrected = left + MarginGap;
    else if (typed > row->rightMax)
        corrected = row->rightMax;
    if (corrected >= 0) {
        // An empty field or one below the minimum must not put the right
        // margin left of the left one either: at 17 CPI with the left margin
        // at 7, the minimum 4 would.
        if (corrected < left) corrected = left + MarginGap;
        corrected = clampTo(corrected, row->rightMin, row->rightMax);
        setRightText(pages, corrected, context);
        // The up-down clamps this to its range, whose low end follows the
        // left margin.
        if (pages.rightMargin.setPosition(corrected)) rightMarginUpdated(pages, context);
    }
    pages.rightMarginPosition = distance(columnsIn(pages.rightMargin), *row);
}

void tractorLeft(PagesShown& pages, const RuleContext&) { clampTopOfForm(pages.tractor); }
void frictionLeft(PagesShown& pages, const RuleContext&) { clampTopOfForm(pages.friction); }
