// The main window's commands: the exit question, Restore Default, the About
// box and the system commands.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "main_window_fixture.h"
#include "registry.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/settings_state.h"
#include "ui/settings_tree.h"

namespace {
void expectExitQuestion(const DialogSnapshot& box) {
    EXPECT_EQ(box.caption, "Quillset");
    EXPECT_EQ(box.text, "Exit software ?");
    EXPECT_FALSE(box.hasIcon);
    auto buttons = box.buttons();
    std::sort(buttons.begin(), buttons.end());
    EXPECT_EQ(buttons, (std::vector<int>{IDYES, IDNO}));
}

class CommandsTest : public MainWindowTest {
protected:
    // Opens on stored settings of "Germany", as a later run finds them.
    void openOnGermany() {
        storeProgramSettings(6, 0, CountryDefaultTable[6]);
        ASSERT_NE(openMainWindow(), nullptr);
    }
};

enum class ExitRoute { ExitButton, Escape, OkCommand, CloseBox, CloseMessage };

class ExitQuestionTest : public CommandsTest, public testing::WithParamInterface<ExitRoute> {
protected:
    void ask() {
        switch (GetParam()) {
            case ExitRoute::ExitButton:
                click(IDC_EXIT);
                break;
            case ExitRoute::Escape:
                click(IDCANCEL);
                break;
            case ExitRoute::OkCommand:
                click(IDOK);
                break;
            case ExitRoute::CloseBox:
                SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
                break;
            case ExitRoute::CloseMessage:
                SendMessageA(window, WM_CLOSE, 0, 0);
                break;
        }
        // The close box and WM_CLOSE may reach the command by a posted message.
        pumpUntil([this] { return watcher.pending() == 0; });
    }
};
}  // namespace

TEST_P(ExitQuestionTest, NoKeepsEverythingYesDestroysTheWindow) {
    openOnGermany();
    const FILETIME written = programKeyWriteTime();
    const int shownPage = ShownPage;

    watcher.answer(IDNO);
    ask();
    ASSERT_EQ(watcher.seen().size(), 1u);
    expectExitQuestion(watcher.seen()[0]);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(ShownPage, shownPage);
    EXPECT_EQ(takeQuitMessage(), -1);

    watcher.answer(IDYES);
    ask();
    ASSERT_EQ(watcher.seen().size(), 2u);
    expectExitQuestion(watcher.seen()[1]);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(takeQuitMessage(), 0);
    // Nothing is stored on the way out.
    EXPECT_TRUE(sameTime(programKeyWriteTime(), written));
}

INSTANTIATE_TEST_SUITE_P(EveryRoute, ExitQuestionTest,
                         testing::Values(ExitRoute::ExitButton, ExitRoute::Escape, ExitRoute::OkCommand,
                                         ExitRoute::CloseBox, ExitRoute::CloseMessage));

TEST_F(CommandsTest, RestoreDefaultCancelledChangesNothing) {
    openOnGermany();
    // An edit on the pages that a reload would undo.
    SendDlgItemMessageA(window, IDC_INTERNATIONAL, CB_SETCURSEL, 9, 0);
    const FILETIME written = programKeyWriteTime();

    int preselected = -2;
    watcher.expect([&](HWND dialog) {
        preselected = static_cast<int>(SendDlgItemMessageA(dialog, IDC_COUNTRY_LIST, LB_GETCURSEL, 0, 0));
        SendDlgItemMessageA(dialog, IDC_COUNTRY_LIST, LB_SETCURSEL, 0, 0);  // then changes their mind
        pressButton(dialog, IDCANCEL);
    });
    click(IDC_RESTORE_DEFAULT);

    ASSERT_EQ(watcher.seen().size(), 1u);
    ASSERT_NE(watcher.seen()[0].control(IDCANCEL), nullptr);
    EXPECT_TRUE(watcher.seen()[0].control(IDCANCEL)->enabled);
    EXPECT_EQ(preselected, 6);
    EXPECT_EQ(CountryIndex, 6);
    EXPECT_EQ(comboSelection(window, IDC_INTERNATIONAL), 9);
    EXPECT_EQ(currentBlock, CountryDefaultTable[6]);
    EXPECT_TRUE(sameTime(programKeyWriteTime(), written));
}

TEST_F(CommandsTest, RestoreDefaultLoadsAndStoresTheChosenCountry) {
    openOnGermany();
    HWND tree = GetDlgItem(window, IDC_SETTINGS_TREE);
    const auto emulationItem = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)));
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(emulationItem));
    ASSERT_EQ(ShownPage, 1);

    watcher.expect([](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_COUNTRY_LIST, LB_SETCURSEL, 4, 0);  // "Finland"
        pressButton(dialog, IDOK);
    });
    click(IDC_RESTORE_DEFAULT);

    EXPECT_EQ(CountryIndex, 4);
    EXPECT_EQ(currentBlock, CountryDefaultTable[4]);
    EXPECT_EQ(storedBlock(), CountryDefaultTable[4]);
    EXPECT_EQ(readProgramDword("SelectedCountry"), 4u);
    // The pages show Finland's row: IBM, Sweden, 12 inch.
    EXPECT_EQ(comboSelection(window, IDC_EMULATION), 1);
    EXPECT_EQ(comboSelection(window, IDC_INTERNATIONAL), 5);
    EXPECT_EQ(comboSelection(window, IDC_PAGE_LENGTH), 1);
    // The page on view stays.
    EXPECT_EQ(ShownPage, 1);
    EXPECT_TRUE(isShown(window, IDC_EMULATION));
    EXPECT_FALSE(isShown(window, IDC_FONT));
}

TEST_F(CommandsTest, RestoreDefaultOnTheModelVariantTakesItsRowWithoutAsking) {
    writeModelIni(1);
    storeProgramSettings(0, 1, CountryDefaultTable[0]);
    ASSERT_NE(openMainWindow(), nullptr);
    ASSERT_EQ(currentBlock, CountryDefaultTable[0]);

    click(IDC_RESTORE_DEFAULT);
    EXPECT_TRUE(watcher.seen().empty());
    EXPECT_EQ(CountryIndex, 0);
    EXPECT_EQ(storedBlock(), CountryDefaultTable[VariantDefaultRow]);
    EXPECT_EQ(comboSelection(window, IDC_CODE_PAGE), 18);  // "KU (EPSON)"
}

TEST_F(CommandsTest, AboutBoxShowsTheProductAndCloses) {
    openOnGermany();
    bool ignoredOtherCommand = false;
    watcher.expect([&](HWND box) {
        // Only the commands 1 and 2 close the box.
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, EN_CHANGE), 0);
        SendMessageA(box, WM_COMMAND, 3, 0);
        ignoredOtherCommand = IsWindowVisible(box) != FALSE;
        pressButton(box, IDOK);
    });
    click(IDC_ABOUT);
    watcher.expect([](HWND box) { PostMessageA(box, WM_COMMAND, IDCANCEL, 0); });
    click(IDC_ABOUT);

    ASSERT_EQ(watcher.seen().size(), 2u);
    const DialogSnapshot& box = watcher.seen()[0];
    EXPECT_EQ(box.caption, "About Quillset");
    std::vector<std::string> texts;
    for (const auto& control : box.controls) texts.push_back(control.text);
    for (const char* text : {"Quillset", "Version ", "1.00.000", "OK"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
    EXPECT_TRUE(ignoredOtherCommand);
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(CommandsTest, MinimiseAndRestore) {
    openOnGermany();
    SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(window));
    SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(watcher.seen().empty());
}
