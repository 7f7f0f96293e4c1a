#include "window_cases.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "resource.h"

WindowStep choose(int listId, int index) { return {WindowStep::Choose, listId, "", index}; }
WindowStep type(int editId, const char* text, bool leave) {
    return {WindowStep::Type, editId, text, leave ? 1 : 0};
}
WindowStep page(int page) { return {WindowStep::Page, IDC_SETTINGS_TREE, "", page}; }
WindowStep entries(int listId, const char* texts) { return {WindowStep::Entries, listId, texts}; }
WindowStep selected(int listId, const char* text) { return {WindowStep::Selected, listId, text}; }
WindowStep enabled(int id, bool on) { return {WindowStep::Enabled, id, "", on ? 1 : 0}; }
WindowStep range(int spinId, int low, int high) { return {WindowStep::Range, spinId, "", low, high}; }
WindowStep text(int id, const char* text) { return {WindowStep::Text, id, text}; }
WindowStep holds(const uint16_t& state, int expected) {
    return {WindowStep::Holds, 0, "", expected, 0, &state};
}

namespace {

std::string entryText(HWND list, LRESULT index) {
    const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return "";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    return text.c_str();
}

void chooseEntry(HWND window, int listId, int index) {
    HWND list = GetDlgItem(window, listId);
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void typeInto(HWND window, int editId, const std::string& text, bool leave) {
    HWND field = GetDlgItem(window, editId);
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
    if (text.empty()) SendMessageA(field, WM_CHAR, VK_BACK, 0);
    for (char c : text) SendMessageA(field, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 0);
    // Leaving for the tree, which is never hidden, raises the field's focus loss.
    if (leave) SetFocus(GetDlgItem(window, IDC_SETTINGS_TREE));
}

void selectPage(HWND window, int page) {
    HWND tree = GetDlgItem(window, IDC_SETTINGS_TREE);
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (; item; item = reinterpret_cast<HTREEITEM>(
                     SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        TVITEMA data = {};
        data.mask = TVIF_PARAM;
        data.hItem = item;
        if (SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data)) && data.lParam == page) {
            SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
            return;
        }
    }
    ADD_FAILURE() << "no tree item for page " << page;
}

}  // namespace

std::string listEntries(HWND window, int listId) {
    HWND list = GetDlgItem(window, listId);
    std::string joined;
    const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) joined += (i ? "|" : "") + entryText(list, i);
    return joined;
}

std::string selectedEntry(HWND window, int listId) {
    HWND list = GetDlgItem(window, listId);
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? "" : entryText(list, index);
}

std::string controlText(HWND window, int id) {
    char text[64] = "";
    GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

void spinBounds(HWND window, int spinId, int* low, int* high) {
    SendDlgItemMessageA(window, spinId, UDM_GETRANGE32, reinterpret_cast<WPARAM>(low),
                        reinterpret_cast<LPARAM>(high));
}

void runSteps(HWND window, const std::vector<WindowStep>& steps) {
    for (size_t i = 0; i < steps.size(); ++i) {
        const WindowStep& s = steps[i];
        SCOPED_TRACE(testing::Message() << "step " << i + 1 << ", control " << s.id);
        switch (s.kind) {
            case WindowStep::Choose:
                chooseEntry(window, s.id, s.low);
                break;
            case WindowStep::Type:
                typeInto(window, s.id, s.text, s.low != 0);
                break;
            case WindowStep::Page:
                selectPage(window, s.low);
                break;
            case WindowStep::Entries:
                EXPECT_EQ(listEntries(window, s.id), s.text);
                break;
            case WindowStep::Selected:
                EXPECT_EQ(selectedEntry(window, s.id), s.text);
                break;
            case WindowStep::Enabled:
                EXPECT_EQ(IsWindowEnabled(GetDlgItem(window, s.id)) != FALSE, s.low != 0);
                break;
            case WindowStep::Range: {
                int low = -1, high = -1;
                spinBounds(window, s.id, &low, &high);
                EXPECT_EQ(std::make_pair(low, high), std::make_pair(s.low, s.high));
                break;
            }
            case WindowStep::Text:
                EXPECT_EQ(controlText(window, s.id), s.text);
                break;
            case WindowStep::Holds:
                EXPECT_EQ(*s.state, s.low);
                break;
        }
    }
}
