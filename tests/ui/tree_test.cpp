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
// Which controls make up each page, as the user sees them: labels, lists,
// edit fields, up-downs and unit labels.
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

HWND treeOf(HWND window) { return GetDlgItem(window, IDC_SETTINGS_TREE); }

std::vector<HTREEITEM> rootItems(HWND tree) {
    std::vector<HTREEITEM> items;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    while (item) {
        items.push_back(item);
        item = reinterpret_cast<HTREEITEM>(
            SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
    return items;
}

struct ItemInfo {
    std::string text;
    LPARAM param = -1;
};

ItemInfo readItem(HWND tree, HTREEITEM handle) {
    char text[260] = "";
    TVITEMA item = {};
    item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_HANDLE;
    item.hItem = handle;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return {};
    return {text, item.lParam};
}

HTREEITEM selectedItem(HWND tree) {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

void selectItem(HWND tree, HTREEITEM item) {
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

LRESULT sendTreeNotification(HWND window, UINT_PTR fromId, UINT code, LPARAM itemParam) {
    NMTREEVIEWA change = {};
    change.hdr.hwndFrom = treeOf(window);
    change.hdr.idFrom = fromId;
    change.hdr.code = code;
    change.action = TVC_BYMOUSE;
    change.itemNew.mask = TVIF_PARAM;
    change.itemNew.lParam = itemParam;
    return SendMessageA(window, WM_NOTIFY, fromId, reinterpret_cast<LPARAM>(&change));
}

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

class TreeTest : public MainWindowTest {
protected:
    void openWith(int model) {
        writeModelIni(model);
        storeProgramSettings(0, model, CountryDefaultTable[model == 1 ? VariantDefaultRow : 0]);
        ASSERT_NE(openMainWindow(), nullptr);
    }
};
}  // namespace

TEST_F(TreeTest, NineTopLevelItemsInTableOrderCarryTheirPageIndex) {
    openWith(0);
    HWND tree = treeOf(window);
    const std::vector<std::string> texts = {"Print Style", "Emulation",        "Page Format",
                                            "Print mode",  "Text Enhancement", "Character set",
                                            "Install",     "Serial Interface", "TOF Setting"};
    const auto items = rootItems(tree);
    ASSERT_EQ(items.size(), texts.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const ItemInfo info = readItem(tree, items[i]);
        EXPECT_EQ(info.text, texts[i]);
        EXPECT_EQ(info.param, static_cast<LPARAM>(i));
        EXPECT_EQ(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(items[i])), 0)
            << texts[i] << " has a child";
    }
}

TEST_F(TreeTest, OpensOnPrintStyleWithItsItemSelected) {
    openWith(0);
    const ItemInfo selected = readItem(treeOf(window), selectedItem(treeOf(window)));
    EXPECT_EQ(selected.text, "Print Style");
    EXPECT_EQ(ShownPage, 0);
    expectOnlyPageShown(window, 0, false);
}

TEST_F(TreeTest, EachPageShowsExactlyItsControlsOnTheStandardModel) {
    openWith(0);
    HWND tree = treeOf(window);
    const auto items = rootItems(tree);
    ASSERT_EQ(items.size(), 9u);
    // Forwards and back again, so every page is also left for every other.
    for (int page : {1, 2, 3, 4, 5, 6, 7, 8, 2, 3, 0, 8, 0}) {
        selectItem(tree, items[page]);
        EXPECT_EQ(ShownPage, page);
        expectOnlyPageShown(window, page, false);
    }
}

TEST_F(TreeTest, PrintPassRowOnlyOnTheModelVariant) {
    openWith(1);
    HWND tree = treeOf(window);
    const auto items = rootItems(tree);
    ASSERT_EQ(items.size(), 9u);
    expectOnlyPageShown(window, 0, true);
    for (int page : {2, 0, 5}) {
        selectItem(tree, items[page]);
        expectOnlyPageShown(window, page, true);
    }
}

TEST_F(TreeTest, ReselectingTheSelectedItemSwitchesNothing) {
    openWith(0);
    HWND tree = treeOf(window);
    // Hide a control of the page on view behind the window's back: a page
    // switch would show it again, so it stays hidden only if none ran.
    ShowWindow(GetDlgItem(window, IDC_PITCH), SW_HIDE);
    selectItem(tree, selectedItem(tree));
    EXPECT_FALSE(isShown(window, IDC_PITCH));
    EXPECT_EQ(ShownPage, 0);
}

TEST_F(TreeTest, OnlyTheTreesSelectionChangeSwitchesThePage) {
    openWith(0);
    EXPECT_EQ(sendTreeNotification(window, IDC_SETTINGS_TREE, TVN_ITEMEXPANDEDA, 3), 0);
    EXPECT_EQ(sendTreeNotification(window, IDC_SETTINGS_TREE, TVN_SELCHANGINGA, 3), 0);
    EXPECT_EQ(sendTreeNotification(window, IDC_SETTINGS_TREE, NM_CLICK, 3), 0);
    // The same code from another control is not the tree's.
    EXPECT_EQ(sendTreeNotification(window, IDC_SEND_SETTINGS, TVN_SELCHANGEDA, 3), 0);
    expectOnlyPageShown(window, 0, false);
    EXPECT_EQ(ShownPage, 0);

    EXPECT_EQ(sendTreeNotification(window, IDC_SETTINGS_TREE, TVN_SELCHANGEDA, 3), 0);
    expectOnlyPageShown(window, 3, false);
    EXPECT_EQ(ShownPage, 3);
}

TEST_F(TreeTest, PageIndexBeyondTheNinePagesShowsNothing) {
    openWith(0);
    EXPECT_EQ(sendTreeNotification(window, IDC_SETTINGS_TREE, TVN_SELCHANGEDA, 9), 0);
    expectOnlyPageShown(window, -1, false);
    EXPECT_EQ(sendTreeNotification(window, IDC_SETTINGS_TREE, TVN_SELCHANGEDA, 0x7FFFFFFF), 0);
    expectOnlyPageShown(window, -1, false);
    EXPECT_NE(ShownPage, NoPageShown);
    // The tree's own items still work afterwards.
    selectItem(treeOf(window), rootItems(treeOf(window))[4]);
    expectOnlyPageShown(window, 4, false);
}
