#include "common/controls.h"

#include <commctrl.h>

#include <map>
#include <vector>

#include "common/window_helpers.h"

namespace {
// The handles of controls already looked up, by id. Under Wine a lookup by
// id asks the server for the dialog's whole list of children, which costs
// more than the message it is for; checking a remembered handle (its parent
// and its id, both kept in the process) costs next to nothing. A handle that
// no longer is that dialog's control with that id is looked up afresh, so a
// closed window or a new one never misleads. There is one slot per id, so
// they are as many as the program has control ids. A list's
// slot also keeps the run of strings fillList put in and their number: the
// lists change their entries only through fillList, and a count read from
// the slot spares the rules a message for every list they look at.
struct KnownControl {
    HWND dialog;
    int id;
    HWND handle;
    UINT firstString;  // 0: not filled since the slot was taken
    int count;         // -1: not known, ask the list
};
std::map<int, KnownControl> knownControls;

KnownControl& knownControl(HWND window, int id) {
    KnownControl& known = knownControls[id];
    if (!(known.handle && known.dialog == window && known.id == id && GetParent(known.handle) == window &&
          GetDlgCtrlID(known.handle) == id))
        known = {window, id, GetDlgItem(window, id), 0, -1};
    return known;
}
}  // namespace

HWND dialogControl(HWND window, int id) { return knownControl(window, id).handle; }

UINT listFirstString(HWND window, int listId) { return knownControl(window, listId).firstString; }

namespace {
// A missing control makes the messages go nowhere and read as 0.
LRESULT sendTo(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return control ? SendMessageA(control, message, wParam, lParam) : 0;
}

int countOf(KnownControl& list) {
    if (list.count >= 0) return list.count;
    const LRESULT count = sendTo(list.handle, CB_GETCOUNT, 0, 0);
    return count == CB_ERR || count < 0 ? 0 : static_cast<int>(count);
}

void appendTo(HWND list, UINT stringId) {
    // The list keeps its own copy of the text, so the temporary may go.
    const std::string text = loadString(stringId);
    sendTo(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
}  // namespace

void fillList(HWND window, int listId, UINT firstStringId, int count) {
    KnownControl& known = knownControl(window, listId);
    HWND list = known.handle;
    // Emptying an empty list shows nothing new, yet the combo box redraws
    // itself for it: lists fresh from the template are left as they are.
    if (countOf(known) > 0) sendTo(list, CB_RESETCONTENT, 0, 0);
    // With redraw on, the list box updates its scroll bar after every string,
    // which under Wine costs more than adding the string: about half of what
    // loading the pages takes in a new process.
    const bool shown = list && (GetWindowLongA(list, GWL_STYLE) & WS_VISIBLE) != 0;
    sendTo(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < count; ++i) appendTo(list, firstStringId + static_cast<UINT>(i));
    sendTo(list, WM_SETREDRAW, TRUE, 0);
    // Where turning redraw on goes to the default handling, it sets
    // WS_VISIBLE: a list of a hidden page must stay hidden.
    if (list && !shown && (GetWindowLongA(list, GWL_STYLE) & WS_VISIBLE) != 0) ShowWindow(list, SW_HIDE);
    if (shown) InvalidateRect(list, nullptr, TRUE);
    known.firstString = firstStringId;
    known.count = list ? count : 0;
}

void selectListEntry(HWND window, int listId, int index) {
    KnownControl& list = knownControl(window, listId);
    // CB_SETCURSEL with -1 clears the selection. An index past the end is
    // documented to do the same, but the combo box then also depends on how
    // its list box treats the bad index; asking for -1 outright is the one
    // form every implementation agrees on.
    if (index < 0 || index >= countOf(list)) index = -1;
    sendTo(list.handle, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int listSelection(HWND window, int listId) {
    // No selection reads as CB_ERR; a missing control answers 0 to any
    // message, so it is checked first rather than taken for entry 0.
    HWND list = dialogControl(window, listId);
    if (list == nullptr) return CB_ERR;
    LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    return index < 0 ? CB_ERR : static_cast<int>(index);
}

int listCount(HWND window, int listId) { return countOf(knownControl(window, listId)); }

void enableControl(HWND window, int id, bool enabled) {
    HWND control = dialogControl(window, id);
    if (control) EnableWindow(control, enabled ? TRUE : FALSE);
}

void setupNumericEntry(HWND window, int editId, int spinId, int maxChars, int low, int high) {
    // EM_LIMITTEXT restricts what the user types or pastes; text set from
    // code (WM_SETTEXT, the up-down writing its position) is not cut to it.
    HWND field = dialogControl(window, editId);
    sendTo(field, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
    // Binding the same field again on a later load only replaces the buddy;
    // the up-down has no alignment style, so it stays where the template
    // placed it instead of snapping onto the field.
    sendTo(dialogControl(window, spinId), UDM_SETBUDDY, reinterpret_cast<WPARAM>(field), 0);
    setSpinRange(window, spinId, low, high);
}

void setSpinRange(HWND window, int spinId, int low, int high) {
    // UDM_SETRANGE32 only stores the bounds: the position keeps its value and
    // the field its text until the position is set again.
    sendTo(dialogControl(window, spinId), UDM_SETRANGE32, static_cast<WPARAM>(low),
           static_cast<LPARAM>(high));
}

void spinRange(HWND window, int spinId, int* low, int* high) {
    int lo = 0;
    int hi = 0;
    sendTo(dialogControl(window, spinId), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lo),
           reinterpret_cast<LPARAM>(&hi));
    if (low) *low = lo;
    if (high) *high = hi;
}

void setSpinPosition(HWND window, int spinId, int position) {
    // UDM_SETPOS32 rather than UDM_SETPOS: the older message carries the
    // position in 16 bits. The control clamps the position to its range and
    // writes it into the bound field, with the locale's thousands separator
    // from 1000 on; the field's text (and so its EN_UPDATE / EN_CHANGE) is
    // rewritten only when the formatted number differs from what it shows.
    sendTo(dialogControl(window, spinId), UDM_SETPOS32, 0, static_cast<LPARAM>(position));
}

int spinPosition(HWND window, int spinId) {
    // With UDS_SETBUDDYINT the up-down first re-reads its field: a number
    // within the range that the user typed (separators allowed) becomes the
    // position; an empty field, stray text or a number out of range leaves
    // the last position, which is what is returned then.
    // No error flag is asked for (lParam 0): the position is the answer either way.
    return static_cast<int>(sendTo(dialogControl(window, spinId), UDM_GETPOS32, 0, 0));
}

std::string fieldText(HWND window, int editId, int maxChars) {
    if (maxChars < 0) maxChars = 0;
    // GetWindowTextA copies at most size - 1 characters and terminates the
    // buffer, so a longer text (possible only when set from code) is cut to
    // the field's own limit rather than overrunning anything; the buffer
    // starts zeroed, so the text is read up to its terminator whatever count
    // the call hands back. The control comes from dialogControl: the rules
    // read every field each time they run, and a lookup by id costs more
    // than the text.
    std::vector<char> text(static_cast<size_t>(maxChars) + 1, '\0');
    HWND field = dialogControl(window, editId);
    if (field) GetWindowTextA(field, text.data(), static_cast<int>(text.size()));
    return text.data();
}

void setFieldNumber(HWND window, int editId, int value) {
    // Plain decimal, no separators: the fields take digits only.
    SetDlgItemInt(window, editId, static_cast<UINT>(value), TRUE);
}
