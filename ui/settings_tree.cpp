// The tree of the nine setting pages and the page switch. All page controls
// live in the main window from the start and overlap; showing a page means
// hiding every page control and then showing the rows of that one page.
#include "ui/settings_tree.h"

#include <commctrl.h>

#include "resource.h"
#include "settings/catalogue.h"
#include "settings/settings_state.h"
#include "ui/control_rules.h"
#include "common/controls.h"
#include "common/window_helpers.h"

namespace {
constexpr int TreeTextBufferSize = 260;

struct TreeItem {
    UINT textId;
    unsigned page;
};

// Tree order. "Print Style" comes first although its string id is above
// that of "Emulation".
constexpr TreeItem TreeItems[PageCount] = {
    {IDS_TREE_PRINT_STYLE, 0},      // "Print Style"
    {IDS_TREE_EMULATION, 1},        // "Emulation"
    {IDS_TREE_PRINT_STYLE + 1, 2},  // "Page Format"
    {IDS_TREE_PRINT_STYLE + 2, 3},  // "Print mode"
    {IDS_TREE_PRINT_STYLE + 3, 4},  // "Text Enhancement"
    {IDS_TREE_PRINT_STYLE + 4, 5},  // "Character set"
    {IDS_TREE_PRINT_STYLE + 5, 6},  // "Install"
    {IDS_TREE_PRINT_STYLE + 6, 7},  // "Serial Interface"
    {IDS_TREE_PRINT_STYLE + 7, 8},  // "TOF Setting"
};

struct PageControl {
    uint8_t page;
    int id;
    bool variantOnly;  // the Print pass row exists on model variant 1 only
};

// Every page control of the window with the page it belongs to: labels,
// lists, edit fields, up-downs and unit labels. The tree, the command
// buttons and the tree's label are not in here and are never hidden.
constexpr PageControl PageControls[] = {
    // Print Style
    {0, IDC_FONT_LABEL, false},
    {0, IDC_FONT, false},
    {0, IDC_PITCH_LABEL, false},
    {0, IDC_PITCH, false},
    {0, IDC_POINT_SIZE_LABEL, false},
    {0, IDC_POINT_SIZE, false},
    {0, IDC_PRINT_PASS_LABEL, true},
    {0, IDC_PRINT_PASS, true},
    // Emulation
    {1, IDC_EMULATION_LABEL, false},
    {1, IDC_EMULATION, false},
    // Page Format
    {2, IDC_LINE_SPACING_LABEL, false},
    {2, IDC_LINE_SPACING, false},
    {2, IDC_PAGE_LENGTH_LABEL, false},
    {2, IDC_PAGE_LENGTH, false},
    {2, IDC_FREE_LENGTH, false},
    {2, IDC_FREE_LENGTH_SPIN, false},
    {2, IDC_FREE_LENGTH_UNIT, false},
    {2, IDC_TOP_MARGIN_LABEL, false},
    {2, IDC_TOP_MARGIN, false},
    {2, IDC_TOP_MARGIN_SPIN, false},
    {2, IDC_TOP_MARGIN_UNIT, false},
    {2, IDC_BOTTOM_MARGIN_LABEL, false},
    {2, IDC_BOTTOM_MARGIN, false},
    {2, IDC_BOTTOM_MARGIN_SPIN, false},
    {2, IDC_BOTTOM_MARGIN_UNIT, false},
    {2, IDC_LEFT_MARGIN_LABEL, false},
    {2, IDC_LEFT_MARGIN, false},
    {2, IDC_LEFT_MARGIN_SPIN, false},
    {2, IDC_LEFT_MARGIN_UNIT, false},
    {2, IDC_RIGHT_MARGIN_LABEL, false},
    {2, IDC_RIGHT_MARGIN, false},
    {2, IDC_RIGHT_MARGIN_SPIN, false},
    {2, IDC_RIGHT_MARGIN_UNIT, false},
    {2, IDC_CENTERING_LABEL, false},
    {2, IDC_CENTERING, false},
    {2, IDC_CENTERING_SPIN, false},
    {2, IDC_CENTERING_UNIT, false},
    // Print mode
    {3, IDC_GRAPHIC_DIRECTION_LABEL, false},
    {3, IDC_GRAPHIC_DIRECTION, false},
    {3, IDC_TEXT_DIRECTION_LABEL, false},
    {3, IDC_TEXT_DIRECTION, false},
    // Text Enhancement
    {4, IDC_BOLD_LABEL, false},
    {4, IDC_BOLD, false},
    {4, IDC_DOUBLE_HIGH_LABEL, false},
    {4, IDC_DOUBLE_HIGH, false},
    {4, IDC_DOUBLE_STRIKE_LABEL, false},
    {4, IDC_DOUBLE_STRIKE, false},
    {4, IDC_DOUBLE_WIDE_LABEL, false},
    {4, IDC_DOUBLE_WIDE, false},
    {4, IDC_ITALICS_LABEL, false},
    {4, IDC_ITALICS, false},
    {4, IDC_OUTLINE_LABEL, false},
    {4, IDC_OUTLINE, false},
    {4, IDC_SHADOW_LABEL, false},
    {4, IDC_SHADOW, false},
    {4, IDC_ZERO_FONT_LABEL, false},
    {4, IDC_ZERO_FONT, false},
    // Character set
    {5, IDC_CHARACTER_SET_LABEL, false},
    {5, IDC_CHARACTER_SET, false},
    {5, IDC_INTERNATIONAL_LABEL, false},
    {5, IDC_INTERNATIONAL, false},
    {5, IDC_CODE_PAGE_LABEL, false},
    {5, IDC_CODE_PAGE, false},
    // Install
    {6, IDC_AGM_LABEL, false},
    {6, IDC_AGM, false},
    {6, IDC_AUTO_CR_LABEL, false},
    {6, IDC_AUTO_CR, false},
    {6, IDC_AUTO_LF_LABEL, false},
    {6, IDC_AUTO_LF, false},
    {6, IDC_AUTO_LOAD_LABEL, false},
    {6, IDC_AUTO_LOAD, false},
    {6, IDC_PAPER_OUT_LABEL, false},
    {6, IDC_PAPER_OUT, false},
    {6, IDC_TEAR_OFF_LABEL, false},
    {6, IDC_TEAR_OFF, false},
    {6, IDC_BUFFER_CONTROL_LABEL, false},
    {6, IDC_BUFFER_CONTROL, false},
    {6, IDC_AUTO_ONLINE_LABEL, false},
    {6, IDC_AUTO_ONLINE, false},
    {6, IDC_AUTO_FEED_XT_LABEL, false},
    {6, IDC_AUTO_FEED_XT, false},
    // Serial Interface
    {7, IDC_DATA_LENGTH_LABEL, false},
    {7, IDC_DATA_LENGTH, false},
    {7, IDC_BAUD_RATE_LABEL, false},
    {7, IDC_BAUD_RATE, false},
    {7, IDC_PARITY_LABEL, false},
    {7, IDC_PARITY, false},
    {7, IDC_PROTOCOL_LABEL, false},
    {7, IDC_PROTOCOL, false},
    {7, IDC_SIGNAL_POLARITY_LABEL, false},
    {7, IDC_SIGNAL_POLARITY, false},
    // TOF Setting
    {8, IDC_TRACTOR_LABEL, false},
    {8, IDC_TRACTOR, false},
    {8, IDC_TRACTOR_SPIN, false},
    {8, IDC_TRACTOR_UNIT, false},
    {8, IDC_FRICTION_LABEL, false},
    {8, IDC_FRICTION, false},
    {8, IDC_FRICTION_SPIN, false},
    {8, IDC_FRICTION_UNIT, false},
};

void runPageRules(HWND window, unsigned page) {
    switch (page) {
        case 0:
            applyFontRule(window);
            applyPitchRule(window);
            break;
        case 1:
            applyEmulationRule(window);
            break;
        case 2:
            applyPageLengthRule(window);
            break;
        default:
            break;  // the other pages have no rules of their own
    }
}

// Makes the first top-level item the selected one. The tree reports that as
// a selection change, so the page switch runs, nested in here. False when
// the tree has no first item to select.
bool selectFirstTreeItem(HWND window) {
    HWND tree = GetDlgItem(window, IDC_SETTINGS_TREE);
    if (!tree) return false;
    auto first = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    if (!first) return false;
    TVITEMA item = {};
    item.mask = TVIF_PARAM | TVIF_HANDLE;
    item.hItem = first;
    if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return false;
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(first));
    return true;
}
}  // namespace

int buildSettingsTree(HWND window) {
    windowState.ShownPage = NoPageShown;
    HWND tree = GetDlgItem(window, IDC_SETTINGS_TREE);
    HTREEITEM previous = TVI_LAST;
    for (const TreeItem& entry : TreeItems) {
        char text[TreeTextBufferSize];
        if (LoadStringA(appInstance(), entry.textId, text, sizeof text) <= 0) text[0] = '\0';
        TVINSERTSTRUCTA insert = {};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = previous;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = text;
        insert.item.lParam = static_cast<LPARAM>(entry.page);
        auto inserted = reinterpret_cast<HTREEITEM>(
            SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        if (inserted) previous = inserted;
    }
    return 1;
}

int showPage(HWND window, unsigned page) {
    // The first page switch selects the tree's first item before anything
    // else: the tree reports that as a selection change, whose nested switch
    // shows "Print Style" and runs its rules. When that was the page asked
    // for, everything is done; doing it all again here would only hide and
    // show the same controls and run the same rules on the same values.
    if (windowState.ShownPage == NoPageShown && selectFirstTreeItem(window) && windowState.ShownPage == page) return 1;

    for (const PageControl& control : PageControls) ShowWindow(dialogControl(window, control.id), SW_HIDE);

    // A page index outside the nine pages (never produced by the tree, whose
    // item parameters are 0 to 8) shows nothing and runs no rule.
    if (page < static_cast<unsigned>(PageCount)) {
        for (const PageControl& control : PageControls) {
            if (control.page != page) continue;
            if (control.variantOnly && ModelVariant != 1) continue;
            ShowWindow(dialogControl(window, control.id), SW_SHOWNORMAL);
        }
        runPageRules(window, page);
    }

    // An index beyond the pages is kept as 9, never cut down to a byte: a
    // low byte of 255 would read as "no page shown yet" and make the next
    // switch select the first item again.
    windowState.ShownPage = static_cast<uint8_t>(page < static_cast<unsigned>(PageCount) ? page : PageCount);
    return 1;
}
