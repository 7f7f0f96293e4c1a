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
void showRow(HWND window, const Setting& setting, int command) {
    for (int id : {setting.labelId, setting.controlId, setting.upDownId, setting.unitId})
        if (id) ShowWindow(dialogControl(window, id), command);
}

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
// a selection change, so the page switch runs, nested in here; a tree
// without items switches nothing.
void selectFirstTreeItem(HWND window) {
    // Without a tree the messages answer 0: no first item.
    HWND tree = GetDlgItem(window, IDC_SETTINGS_TREE);
    auto first = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    if (first) SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(first));
}
}  // namespace

int buildSettingsTree(HWND window) {
    windowState.ShownPage = NoPageShown;
    HWND tree = GetDlgItem(window, IDC_SETTINGS_TREE);
    HTREEITEM previous = TVI_LAST;
    // The tree lists the pages in their order; an item's parameter is its page.
    for (int page = 0; page < PageCount; ++page) {
        std::string text = loadString(CataloguePages[page].stringId);
        TVINSERTSTRUCTA insert = {};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = previous;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = text.data();
        insert.item.lParam = static_cast<LPARAM>(page);
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
    if (windowState.ShownPage == NoPageShown) {
        selectFirstTreeItem(window);
        if (windowState.ShownPage == page) return 1;
    }

    // Every control of a setting row (label, list or field, up-down, unit) is
    // hidden, then those of the page's rows are shown. The tree, the command
    // buttons and the tree's label belong to no row and are never hidden.
    for (const Setting& setting : Settings) showRow(window, setting, SW_HIDE);

    // A page index outside the nine pages (never produced by the tree, whose
    // item parameters are 0 to 8) shows nothing and runs no rule.
    if (page < static_cast<unsigned>(PageCount)) {
        for (const Setting& setting : Settings)
            if (setting.page == page && hasRow(setting, ModelVariant))
                showRow(window, setting, SW_SHOWNORMAL);
        runPageRules(window, page);
    }

    // An index beyond the pages is kept as 9, never cut down to a byte: a
    // low byte of 255 would read as "no page shown yet" and make the next
    // switch select the first item again.
    windowState.ShownPage = static_cast<uint8_t>(page < static_cast<unsigned>(PageCount) ? page : PageCount);
    return 1;
}
