// The main window's commands: the exit question, Restore Default, the About
// box and the system commands.
#include <windows.h>
#include <commctrl.h>

#include <iterator>

#include "main_window_fixture.h"
#include "registry.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/settings_state.h"
#include "ui/settings_tree.h"

namespace {
class CommandsTest : public MainWindowTest {
protected:
    // Opens on stored settings of "Germany", as a later run finds them.
    void openOnGermany() {
        storeProgramSettings(6, 0, CountryDefaultTable[6]);
        ASSERT_NE(openMainWindow(), nullptr);
    }
};
}  // namespace

TEST_F(CommandsTest, EveryExitRouteAsksAndOnlyYesDestroysTheWindow) {
    const struct {
        const char* route;
        UINT message;
        WPARAM param;
    } routes[] = {
        {"Exit button", WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED)},
        {"Escape", WM_COMMAND, IDCANCEL},
        {"Enter", WM_COMMAND, IDOK},
        {"close box", WM_SYSCOMMAND, SC_CLOSE},
        {"WM_CLOSE", WM_CLOSE, 0},
    };
    for (const auto& r : routes) {
        SCOPED_TRACE(r.route);
        openOnGermany();
        const FILETIME written = programKeyWriteTime();
        for (int answer : {IDNO, IDYES}) {
            watcher.answer(answer);
            SendMessageA(window, r.message, r.param, 0);
            // The close box may reach the command through a posted message.
            MSG message;
            while (PeekMessageA(&message, window, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            EXPECT_EQ(watcher.pending(), 0u);
            EXPECT_EQ(IsWindow(window) != FALSE, answer == IDNO);
            EXPECT_EQ(takeQuitMessage(), answer == IDNO ? -1 : 0);
            const DialogSnapshot& box = watcher.seen().back();
            EXPECT_EQ(box.caption, "Quillset");
            EXPECT_EQ(box.text, "Exit software ?");
            EXPECT_FALSE(box.hasIcon);
            EXPECT_EQ(box.buttons(), (std::vector<int>{IDYES, IDNO}));
        }
        EXPECT_TRUE(sameTime(programKeyWriteTime(), written)) << "stored on the way out";
    }
    EXPECT_EQ(watcher.seen().size(), 2 * std::size(routes));
}

TEST_F(CommandsTest, RestoreDefaultCancelledChangesNothingChosenReloadsAndStores) {
    openOnGermany();
    HWND tree = GetDlgItem(window, IDC_SETTINGS_TREE);
    const LRESULT first = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, first));
    ASSERT_EQ(ShownPage, 1);
    SendDlgItemMessageA(window, IDC_INTERNATIONAL, CB_SETCURSEL, 9, 0);  // an edit a reload would undo
    const FILETIME written = programKeyWriteTime();

    watcher.expect([](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_COUNTRY_LIST, LB_SETCURSEL, 0, 0);  // then changes their mind
        pressButton(dialog, IDCANCEL);
    });
    click(IDC_RESTORE_DEFAULT);
    EXPECT_EQ(CountryIndex, 6);
    EXPECT_EQ(comboSelection(window, IDC_INTERNATIONAL), 9);
    EXPECT_EQ(currentBlock, CountryDefaultTable[6]);
    EXPECT_TRUE(sameTime(programKeyWriteTime(), written));

    watcher.expect([](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_COUNTRY_LIST, LB_SETCURSEL, 4, 0);  // "Finland"
        pressButton(dialog, IDOK);
    });
    click(IDC_RESTORE_DEFAULT);
    EXPECT_EQ(CountryIndex, 4);
    EXPECT_EQ(currentBlock, CountryDefaultTable[4]);
    EXPECT_EQ(storedBlock(), CountryDefaultTable[4]);
    EXPECT_EQ(readProgramDword("SelectedCountry"), 4u);
    // The pages show Finland's row (IBM, Sweden, 12 inch) and the page on view stays.
    EXPECT_EQ(comboSelection(window, IDC_EMULATION), 1);
    EXPECT_EQ(comboSelection(window, IDC_INTERNATIONAL), 5);
    EXPECT_EQ(comboSelection(window, IDC_PAGE_LENGTH), 1);
    EXPECT_EQ(ShownPage, 1);
    EXPECT_TRUE(isShown(window, IDC_EMULATION));
    EXPECT_FALSE(isShown(window, IDC_FONT));
}

TEST_F(CommandsTest, RestoreDefaultOnTheModelVariantTakesItsRowWithoutAsking) {
    writeModelIni(1);
    storeProgramSettings(0, 1, CountryDefaultTable[0]);
    ASSERT_NE(openMainWindow(), nullptr);
    click(IDC_RESTORE_DEFAULT);
    EXPECT_TRUE(watcher.seen().empty());
    EXPECT_EQ(CountryIndex, 0);
    EXPECT_EQ(storedBlock(), CountryDefaultTable[VariantDefaultRow]);
    EXPECT_EQ(comboSelection(window, IDC_CODE_PAGE), 18);  // "KU (EPSON)"
}

TEST_F(CommandsTest, AboutBoxClosesOnlyOnOkOrCancelAndTheWindowMinimises) {
    openOnGermany();
    bool stayedOnOtherCommands = false;
    watcher.expect([&](HWND box) {
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, EN_CHANGE), 0);
        SendMessageA(box, WM_COMMAND, 3, 0);
        stayedOnOtherCommands = IsWindowVisible(box) != FALSE;
        pressButton(box, IDOK);
    });
    click(IDC_ABOUT);
    watcher.expect([](HWND box) { PostMessageA(box, WM_COMMAND, IDCANCEL, 0); });
    click(IDC_ABOUT);
    ASSERT_EQ(watcher.seen().size(), 2u);
    EXPECT_EQ(watcher.seen()[0].caption, "About Quillset");
    EXPECT_TRUE(stayedOnOtherCommands);

    SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(window));
    SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(IsWindowVisible(window));
}
