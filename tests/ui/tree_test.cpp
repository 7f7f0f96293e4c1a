// The settings tree and the page switch on the real main window.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "ui/settings_tree.h"

namespace {
// The controls of each page as the user sees them: labels, lists, edit
// fields, up-downs and unit labels.
const std::vector<std::vector<int>> ExpectedPages = {
    {1076, 1050, 1077, 1051, 1094, 1095},
    {1078, 1003},
    {1096, 1097, 1083, 1053, 1145, 1146, 1151, 1098, 1099, 1100, 1154, 1101, 1102, 1103,
     1155, 1104, 1105, 1106, 1158, 1107, 1108, 1109, 1159, 1110, 1111, 1112, 1160},
    {1087, 1058, 1113, 1114},
    {1115, 1116, 1117, 1118, 1119, 1120, 1121, 1122, 1123, 1124, 1125, 1126, 1127, 1128, 1082, 1052},
    {1079, 1047, 1081, 1049, 1080, 1048},
    {1086, 1057, 1085, 1055, 1084, 1054, 1089, 1060, 1129, 1130, 1131, 1132, 1133, 1134, 1090, 1069, 1135,
     1136},
    {1137, 1138, 1139, 1140, 1141, 1142, 1143, 1144, 1147, 1148},
    {1092, 1001, 1063, 1156, 1093, 1061, 1064, 1157},
};
const std::vector<int> PrintPassRow = {1152, 1153};
const std::vector<int> NeverHidden = {1008, 1068, 1065, 1011, 1005, 1074};

// Every page control is visible exactly when it belongs to `page`; the
// Print pass row only on model variant 1.
void expectOnlyPageShown(HWND window, int page, bool variant) {
    for (int p = 0; p < static_cast<int>(ExpectedPages.size()); ++p)
        for (int id : ExpectedPages[p])
            EXPECT_EQ(isShown(window, id), p == page) << "page " << page << " control " << id;
    for (int id : PrintPassRow)
        EXPECT_EQ(isShown(window, id), page == 0 && variant) << "page " << page << " control " << id;
    for (int id : NeverHidden) EXPECT_TRUE(isShown(window, id)) << "frame control " << id;
}

HTREEITEM nextItem(HWND tree, UINT relation, HTREEITEM item = nullptr) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

void sendTreeNotification(HWND window, UINT_PTR fromId, UINT code, LPARAM itemParam) {
    NMTREEVIEWA change = {};
    change.hdr = {GetDlgItem(window, IDC_SETTINGS_TREE), fromId, code};
    change.action = TVC_BYMOUSE;
    change.itemNew.mask = TVIF_PARAM;
    change.itemNew.lParam = itemParam;
    EXPECT_EQ(SendMessageA(window, WM_NOTIFY, fromId, reinterpret_cast<LPARAM>(&change)), 0);
}

class TreeTest : public MainWindowTest {
protected:
    void openWith(int model) {
        writeModelIni(model);
        storeProgramSettings(0, model, CountryDefaultTable[model == 1 ? VariantDefaultRow : 0]);
        ASSERT_NE(openMainWindow(), nullptr);
        tree = GetDlgItem(window, IDC_SETTINGS_TREE);
        for (HTREEITEM item = nextItem(tree, TVGN_ROOT); item; item = nextItem(tree, TVGN_NEXT, item))
            items.push_back(item);
    }
    void select(int page) {
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items.at(page)));
    }
    HWND tree = nullptr;
    std::vector<HTREEITEM> items;
};
}  // namespace

TEST_F(TreeTest, NineFlatItemsInOrderAndTheFirstSelected) {
    openWith(0);
    const std::vector<std::string> texts = {"Print Style", "Emulation",        "Page Format",
                                            "Print mode",  "Text Enhancement", "Character set",
                                            "Install",     "Serial Interface", "TOF Setting"};
    ASSERT_EQ(items.size(), texts.size());
    for (size_t i = 0; i < items.size(); ++i) {
        char text[260] = "";
        TVITEMA item = {};
        item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_HANDLE;
        item.hItem = items[i];
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ASSERT_TRUE(SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        EXPECT_EQ(text, texts[i]);
        EXPECT_EQ(item.lParam, static_cast<LPARAM>(i));
        EXPECT_EQ(nextItem(tree, TVGN_CHILD, items[i]), nullptr) << texts[i] << " has a child";
    }
    EXPECT_EQ(nextItem(tree, TVGN_CARET), items[0]);
    EXPECT_EQ(ShownPage, 0);
}

TEST_F(TreeTest, EachPageShowsExactlyItsControls) {
    for (int model : {0, 1}) {
        SCOPED_TRACE(model);
        openWith(model);
        expectOnlyPageShown(window, 0, model == 1);
        // Forwards and back again, so every page is also left for every other.
        for (int page : {1, 2, 3, 4, 5, 6, 7, 8, 2, 3, 0, 8, 0}) {
            select(page);
            EXPECT_EQ(ShownPage, page);
            expectOnlyPageShown(window, page, model == 1);
        }
        DestroyWindow(window);
        takeQuitMessage();
        items.clear();
    }
}

TEST_F(TreeTest, OnlyANewSelectionInTheTreeSwitchesThePage) {
    openWith(0);
    sendTreeNotification(window, IDC_SETTINGS_TREE, TVN_ITEMEXPANDEDA, 3);
    sendTreeNotification(window, IDC_SETTINGS_TREE, TVN_SELCHANGINGA, 3);
    sendTreeNotification(window, IDC_SETTINGS_TREE, NM_CLICK, 3);
    sendTreeNotification(window, IDC_SEND_SETTINGS, TVN_SELCHANGEDA, 3);  // not from the tree
    expectOnlyPageShown(window, 0, false);
    EXPECT_EQ(ShownPage, 0);

    // Re-selecting the selected item: a page switch would show this control again.
    ShowWindow(GetDlgItem(window, IDC_PITCH), SW_HIDE);
    select(0);
    EXPECT_FALSE(isShown(window, IDC_PITCH));

    sendTreeNotification(window, IDC_SETTINGS_TREE, TVN_SELCHANGEDA, 3);
    expectOnlyPageShown(window, 3, false);
    EXPECT_EQ(ShownPage, 3);

    // An item parameter beyond the nine pages shows none of them.
    for (LPARAM beyond : {9, 0x7FFFFFFF}) {
        sendTreeNotification(window, IDC_SETTINGS_TREE, TVN_SELCHANGEDA, beyond);
        expectOnlyPageShown(window, -1, false);
    }
}
