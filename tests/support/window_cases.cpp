#include "window_cases.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "dialog_watcher.h"
#include "remote_window.h"
#include "resource.h"

void runSteps(HWND window, const std::vector<WindowStep>& steps) {
    for (size_t i = 0; i < steps.size(); ++i) {
        const WindowStep& s = steps[i];
        SCOPED_TRACE(testing::Message() << "step " << i + 1 << ", control " << s.id);
        HWND control = GetDlgItem(window, s.id);
        if (s.kind <= WindowStep::Arrow && !(IsWindowVisible(control) && IsWindowEnabled(control))) {
            ADD_FAILURE() << "a user cannot reach this control";
            continue;
        }
        int low = -1, high = -1;
        HTREEITEM item = TreeView_GetRoot(control);
        std::string joined;
        switch (s.kind) {
            case WindowStep::Choose:  // the selection, then the notification a user's pick sends
                SendMessageA(control, isComboBox(control) ? CB_SETCURSEL : LB_SETCURSEL,
                             static_cast<WPARAM>(s.low), 0);
                SendMessageA(window, WM_COMMAND, MAKEWPARAM(s.id, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(control));
                break;
            case WindowStep::Type:
                SetFocus(control);
                SendMessageA(control, EM_SETSEL, 0, -1);
                if (s.text.empty()) SendMessageA(control, WM_CHAR, VK_BACK, 0);
                for (char c : s.text) SendMessageA(control, WM_CHAR, static_cast<WPARAM>(c), 0);
                // The tree is never hidden; giving it the focus is the field's focus loss.
                if (s.low) SetFocus(GetDlgItem(window, IDC_SETTINGS_TREE));
                break;
            case WindowStep::Arrow:
                SetFocus(control);
                SendMessageA(control, WM_KEYDOWN, static_cast<WPARAM>(s.low), 0);
                SendMessageA(control, WM_KEYUP, static_cast<WPARAM>(s.low), 0);
                break;
            case WindowStep::Page:  // the tree lists the pages in their order
                for (int p = 0; p < s.low && item; ++p) item = TreeView_GetNextSibling(control, item);
                TreeView_SelectItem(control, item);
                break;
            case WindowStep::Entries:
                for (const std::string& entry : listEntries(window, s.id))
                    joined += (joined.empty() ? "" : "|") + entry;
                EXPECT_EQ(joined, s.text);
                break;
            case WindowStep::Selected:
                EXPECT_EQ(selectedText(window, s.id), s.text);
                break;
            case WindowStep::Enabled:
                EXPECT_EQ(IsWindowEnabled(control) != FALSE, s.low != 0);
                break;
            case WindowStep::Range:
                SendMessageA(control, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                             reinterpret_cast<LPARAM>(&high));
                EXPECT_EQ(std::make_pair(low, high), std::make_pair(s.low, s.high));
                break;
            case WindowStep::Text:
                EXPECT_EQ(controlText(window, s.id), s.text);
                break;
            case WindowStep::Holds:
                EXPECT_EQ(*s.state, s.low);
                break;
        }
    }
}
