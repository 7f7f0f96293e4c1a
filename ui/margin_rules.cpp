// The left and right margin rules and the pitch rule that ties them to the
// Pitch list. The margins are kept twice: as columns in the fields, and as
// distances from the left edge in 1/1440 inch (windowState.leftMarginPosition,
// windowState.rightMarginPosition), so that a change of pitch can turn a margin back
// into columns of the new pitch. The distances are 16-bit, as the printer
// counts them.
#include <cstdint>

#include "resources/resource.h"
#include "settings/value_tables.h"
#include "ui/control_rules.h"
#include "common/controls.h"
#include "settings/settings_state.h"
#include "ui/load_pages.h"

namespace {

// The text update reads what the field holds (text set from code is not cut
// to the field's limit); the focus loss reads no more than a user can type.
constexpr int FieldTextChars = 19;
constexpr int TypedChars = 3;
// The two margins stay at least two columns apart.
constexpr int MarginGap = 2;

// The geometry row of the pitch on view. None when the Pitch list shows no
// entry or the pitch has no row: the margin rules then change nothing.
const PitchGeometry* pitchRow(HWND window) {
    const int pitch = listSelection(window, IDC_PITCH);
    return pitch == NoSelection ? nullptr : pitchGeometryRow(pitch);
}

int fieldColumns(HWND window, int editId) { return readFieldNumber(window, editId, FieldTextChars) & 0xFF; }

uint16_t distance(int columns, const PitchGeometry& row) {
    return static_cast<uint16_t>(columns * row.columnWidth);
}

int clampTo(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

}  // namespace

void applyPitchRule(HWND window) {
    const PitchGeometry* row = pitchRow(window);
    if (!row) return;

    // A margin the new pitch cannot print falls back to the left edge on the
    // left and to the widest line on the right.
    int left = windowState.leftMarginPosition / row->columnWidth;
    if (left < row->leftMin || left > row->leftMax) left = row->leftMin;
    setFieldNumber(window, IDC_LEFT_MARGIN, left);  // runs the left rule's text update

    int right = windowState.rightMarginPosition / row->columnWidth;
    if (right < row->rightMin || right > row->rightMax) right = row->rightMax;
    setFieldNumber(window, IDC_RIGHT_MARGIN, right);  // runs the right rule's text update

    // Replace the ranges the nested text updates set.
    setSpinRange(window, IDC_LEFT_MARGIN_SPIN, row->leftMin,
                 right < row->leftMax ? right - MarginGap : row->leftMax);
    setSpinRange(window, IDC_RIGHT_MARGIN_SPIN, row->rightMin, row->rightMax);
}

void applyLeftMarginRule(HWND window, UINT notification) {
    if (notification != EN_UPDATE && notification != EN_KILLFOCUS) return;
    const PitchGeometry* row = pitchRow(window);
    if (!row) return;
    const int right = fieldColumns(window, IDC_RIGHT_MARGIN);

    if (notification == EN_UPDATE) {
        // The right margin's arrows stop two columns right of the left one
        // and at the widest line of this pitch.
        const int left = fieldColumns(window, IDC_LEFT_MARGIN);
        setSpinRange(window, IDC_RIGHT_MARGIN_SPIN, left + MarginGap, row->rightMax);
        windowState.leftMarginPosition = distance(left, *row);
        return;
    }

    bool isEmpty = false;
    const int typed = readFieldNumber(window, IDC_LEFT_MARGIN, TypedChars, &isEmpty);
    int corrected = -1;
    if (isEmpty || typed < row->leftMin)
        corrected = row->leftMin;
    else if (typed > right)
        // Two columns left of the right margin, but never beyond what the
        // pitch can print (at 12 CPI a right margin of 96 would give 94, past
        // the left maximum 93) nor below the left edge.
        corrected = clampTo(right - MarginGap, row->leftMin, row->leftMax);
    else if (typed > row->leftMax)
        corrected = row->leftMax;
    if (corrected >= 0) setFieldNumber(window, IDC_LEFT_MARGIN, corrected);
    windowState.leftMarginPosition = distance(fieldColumns(window, IDC_LEFT_MARGIN), *row);
}

void applyRightMarginRule(HWND window, UINT notification) {
    if (notification != EN_UPDATE && notification != EN_KILLFOCUS) return;
    const PitchGeometry* row = pitchRow(window);
    if (!row) return;
    const int left = fieldColumns(window, IDC_LEFT_MARGIN);

    if (notification == EN_UPDATE) {
        const int right = fieldColumns(window, IDC_RIGHT_MARGIN);
        // A right margin of 0 or 1 (on the way to a longer number) must not
        // turn the left range upside down.
        setSpinRange(window, IDC_LEFT_MARGIN_SPIN, 0, right > MarginGap ? right - MarginGap : 0);
        // One column up or down is an arrow step and moves the kept distance
        // at once; a typed number or a wrap waits for the focus loss.
        const uint16_t now = distance(right, *row);
        if (static_cast<uint16_t>(windowState.rightMarginPosition - now) == row->columnWidth ||
            static_cast<uint16_t>(now - windowState.rightMarginPosition) == row->columnWidth)
            windowState.rightMarginPosition = now;
        return;
    }

    bool isEmpty = false;
    const int typed = readFieldNumber(window, IDC_RIGHT_MARGIN, TypedChars, &isEmpty);
    int corrected = -1;
    if (isEmpty || typed < row->rightMin)
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
        setFieldNumber(window, IDC_RIGHT_MARGIN, corrected);
        // The up-down clamps this to its range, whose low end follows the
        // left margin.
        setSpinPosition(window, IDC_RIGHT_MARGIN_SPIN, corrected);
    }
    windowState.rightMarginPosition = distance(fieldColumns(window, IDC_RIGHT_MARGIN), *row);
}
