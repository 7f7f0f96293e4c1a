// The settings tree and the page switch on the real main window.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "main_window_fixture.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "stored_settings.h"
#include "ui/settings_tree.h"

namespace {
// The controls of each page as the user sees them: labels, lists, edit
// fields, up-downs and unit labels.
const std::vector<std::vector<int>> Pages = {
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

// Every page control is visible exactly when it belongs to `page`; the
// Print pass row only on model variant 1; the frame always.
void expectOnlyPageShown(HWND window, int page, bool variant) {
    for (int p = 0; p < static_cast<int>(Pages.size()); ++p)
        for (int id : Pages[p])
            EXPECT_EQ(isShown(window, id), p == page) << "page " << page << " control " << id;
    for (int id : {1152, 1153}) EXPECT_EQ(isShown(window, id), page == 0 && variant) << "page " << page;
    for (int id : {1008, 1068, 1065, 1011, 1005, 1074}) EXPECT_TRUE(isShown(window, id)) << id;
}

using TreeTest = MainWindowTest;
}  // namespace

// Each of the nine items, chosen in the tree, shows exactly its page (the
// item's parameter is its page); only a new selection of the tree switches.
TEST_F(TreeTest, EachItemShowsExactlyItsPage) {
    for (int model : {0, 1}) {
        SCOPED_TRACE(model);
        writeIni(model ? "[Main]\r\nModel=1\r\n" : nullptr);
        storeProgramSettings(0, model, CountryDefaultTable[model ? VariantDefaultRow : 0]);
        ASSERT_NE(openMainWindow(), nullptr);
        expectOnlyPageShown(window, 0, model == 1);
        for (int page : {1, 2, 3, 4, 5, 6, 7, 8, 2, 0}) {
            selectPage(page);
            EXPECT_EQ(ShownPage, page);
            expectOnlyPageShown(window, page, model == 1);
        }
        DestroyWindow(window);
        takeQuitMessage();
    }
    storeProgramSettings(0, 0, CountryDefaultTable[0]);
    ASSERT_NE(openMainWindow(), nullptr);
    auto notify = [this](UINT_PTR from, UINT code, LPARAM page) {
        NMTREEVIEWA change = {};
        change.hdr = {GetDlgItem(window, static_cast<int>(from)), from, code};
        change.itemNew.lParam = page;
        SendMessageA(window, WM_NOTIFY, from, reinterpret_cast<LPARAM>(&change));
    };
    notify(IDC_SETTINGS_TREE, TVN_SELCHANGINGA, 3);
    notify(IDC_TOP_MARGIN_SPIN, UDN_DELTAPOS, 3);  // an up-down's arrow
    ShowWindow(GetDlgItem(window, IDC_PITCH), SW_HIDE);
    selectPage(0);  // re-selected: a page switch would show the pitch again
    EXPECT_FALSE(isShown(window, IDC_PITCH));
    EXPECT_EQ(ShownPage, 0);
    notify(IDC_SETTINGS_TREE, TVN_SELCHANGEDA, 9);  // beyond the nine pages: none shown
    expectOnlyPageShown(window, -1, false);
}
