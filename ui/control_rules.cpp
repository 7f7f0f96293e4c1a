// The window's side of the control rules: the controls the rules read are
// read into a PagesShown, the decision runs on it, and only what it changed
// is written back. The decisions already run the rules a changed field's text
// sets off, nested, as the window would; so while the answer is written back
// the notifications it raises run no rule a second time.
#include "ui/control_rules.h"

#include <iterator>

#include "common/controls.h"
#include "resources/resource.h"
#include "settings/page_rules.h"
#include "settings/settings_state.h"

namespace {

static_assert(NoSelection == CB_ERR, "a list without a selection reads as the core's NoSelection");

struct ListControl {
    ListShown PagesShown::*shown;
    int id;
};
const ListControl Lists[] = {
    {&PagesShown::emulation, IDC_EMULATION},   {&PagesShown::characterSet, IDC_CHARACTER_SET},
    {&PagesShown::codePage, IDC_CODE_PAGE},    {&PagesShown::font, IDC_FONT},
    {&PagesShown::lineSpacing, IDC_LINE_SPACING}, {&PagesShown::pitch, IDC_PITCH},
    {&PagesShown::pointSize, IDC_POINT_SIZE},  {&PagesShown::pageLength, IDC_PAGE_LENGTH},
    {&PagesShown::agm, IDC_AGM},               {&PagesShown::autoCR, IDC_AUTO_CR},
};

struct NumberControl {
    NumberShown PagesShown::*shown;
    int editId;
    int spinId;
};
const NumberControl Numbers[] = {
    {&PagesShown::freeLength, IDC_FREE_LENGTH, IDC_FREE_LENGTH_SPIN},
    {&PagesShown::topMargin, IDC_TOP_MARGIN, IDC_TOP_MARGIN_SPIN},
    {&PagesShown::bottomMargin, IDC_BOTTOM_MARGIN, IDC_BOTTOM_MARGIN_SPIN},
    {&PagesShown::leftMargin, IDC_LEFT_MARGIN, IDC_LEFT_MARGIN_SPIN},
    {&PagesShown::rightMargin, IDC_RIGHT_MARGIN, IDC_RIGHT_MARGIN_SPIN},
    {&PagesShown::tractor, IDC_TRACTOR, IDC_TRACTOR_SPIN},
    {&PagesShown::friction, IDC_FRICTION, IDC_FRICTION_SPIN},
};

bool isEnabled(HWND window, int id) {
    HWND control = dialogControl(window, id);
    return control && IsWindowEnabled(control);
}

PagesShown readPages(HWND window) {
    PagesShown pages;
    for (const ListControl& c : Lists) {
        ListShown& list = pages.*c.shown;
        // The run it was filled with, so that a rule filling it with the same
        // entries again leaves it alone.
        list.firstString = static_cast<uint16_t>(listFirstString(window, c.id));
        list.count = listCount(window, c.id);
        list.selection = listSelection(window, c.id);
        list.enabled = isEnabled(window, c.id);
    }
    for (const NumberControl& c : Numbers) {
        NumberShown& field = pages.*c.shown;
        field.text = fieldText(window, c.editId, FieldTextChars);
        spinRange(window, c.spinId, &field.low, &field.high);
        field.position = spinPosition(window, c.spinId);
        field.enabled = isEnabled(window, c.editId);
    }
    pages.charsetListEmulation = windowState.charsetListEmulation;
    pages.leftMarginPosition = windowState.leftMarginPosition;
    pages.rightMarginPosition = windowState.rightMarginPosition;
    return pages;
}

void writeChanges(HWND window, const PagesShown& before, const PagesShown& after) {
    for (const ListControl& c : Lists) {
        const ListShown& was = before.*c.shown;
        const ListShown& now = after.*c.shown;
        const bool refilled = now.firstString != was.firstString || now.count != was.count;
        if (refilled) fillList(window, c.id, now.firstString, now.count);
        if (refilled || now.selection != was.selection) selectListEntry(window, c.id, now.selection);
        if (now.enabled != was.enabled) enableControl(window, c.id, now.enabled);
    }
    for (const NumberControl& c : Numbers) {
        const NumberShown& was = before.*c.shown;
        const NumberShown& now = after.*c.shown;
        if (now.enabled != was.enabled) {
            enableControl(window, c.editId, now.enabled);
            enableControl(window, c.spinId, now.enabled);
        }
        if (now.low != was.low || now.high != was.high) setSpinRange(window, c.spinId, now.low, now.high);
        // The decisions set positions within the ranges they leave.
        if (now.position != was.position) setSpinPosition(window, c.spinId, now.position);
        if (now.text != was.text && fieldText(window, c.editId, FieldTextChars) != now.text)
            SetDlgItemTextA(window, c.editId, now.text.c_str());
    }
    windowState.charsetListEmulation = after.charsetListEmulation;
    windowState.leftMarginPosition = after.leftMarginPosition;
    windowState.rightMarginPosition = after.rightMarginPosition;
}

bool writingBack = false;

void run(HWND window, PageRule rule) {
    if (writingBack) return;
    const PagesShown before = readPages(window);
    PagesShown after = before;
    rule(after, RuleContext{ModelVariant, codePage(currentBlock)});
    writingBack = true;
    writeChanges(window, before, after);
    writingBack = false;
}

}  // namespace

void applyEmulationRule(HWND window) { run(window, emulationChosen); }
void applyFontRule(HWND window) { run(window, fontChosen); }
void applyPitchRule(HWND window) { run(window, pitchChosen); }
void applyPageLengthRule(HWND window) { run(window, pageLengthChosen); }
void applyCodePageRule(HWND window) { run(window, codePageChosen); }

void applyLeftMarginRule(HWND window, UINT notification) {
    if (notification == EN_UPDATE) run(window, leftMarginUpdated);
    if (notification == EN_KILLFOCUS) run(window, leftMarginLeft);
}

void applyRightMarginRule(HWND window, UINT notification) {
    if (notification == EN_UPDATE) run(window, rightMarginUpdated);
    if (notification == EN_KILLFOCUS) run(window, rightMarginLeft);
}

void clampTofEntry(HWND window, int fieldId) { run(window, fieldId == IDC_TRACTOR ? tractorLeft : frictionLeft); }
