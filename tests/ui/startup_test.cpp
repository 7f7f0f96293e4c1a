// Start-up of the main window: first-run defaults, stored settings, the class
// and the message loop of the real program.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "main_window_fixture.h"
#include "registry.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/settings_state.h"
#include "ui/main_window.h"
#include "ui/settings_tree.h"
#include "ui/window_helpers.h"

namespace {
std::string listText(HWND list, int index) {
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (length < 0 || length > 255) return std::string();
    char text[256] = "";
    SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

using StartupTest = MainWindowTest;
}  // namespace

TEST_F(StartupTest, FirstRunAsksForTheCountryBeforeTheWindowShows) {
    bool ownerVisible = true;
    int preselected = -2;
    std::string preselectedText;
    watcher.expect([&](HWND dialog) {
        ownerVisible = IsWindowVisible(GetWindow(dialog, GW_OWNER)) != FALSE;
        HWND list = GetDlgItem(dialog, IDC_COUNTRY_LIST);
        preselected = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
        preselectedText = listText(list, preselected);
        SendMessageA(list, LB_SETCURSEL, 6, 0);  // "Germany"
        pressButton(dialog, IDOK);
    });
    ASSERT_NE(openMainWindow(), nullptr);

    ASSERT_EQ(watcher.seen().size(), 1u);
    const DialogSnapshot& dialog = watcher.seen()[0];
    EXPECT_EQ(dialog.caption, "Select Country");
    ASSERT_NE(dialog.control(IDCANCEL), nullptr);
    EXPECT_FALSE(dialog.control(IDCANCEL)->enabled);
    EXPECT_FALSE(ownerVisible);
    EXPECT_EQ(preselected, 0);
    EXPECT_EQ(preselectedText, "USA");

    EXPECT_EQ(readProgramDword("SelectedCountry"), 6u);
    EXPECT_EQ(readProgramDword("Model"), 0u);
    EXPECT_EQ(storedBlock(), CountryDefaultTable[6]);
    EXPECT_EQ(currentBlock, CountryDefaultTable[6]);
    EXPECT_EQ(ShownPage, 0);
}

TEST_F(StartupTest, FirstRunOnTheModelVariantTakesItsRowWithoutAsking) {
    writeModelIni(1);
    CountryIndex = 9;  // left over from elsewhere: the first run resets it
    ASSERT_NE(openMainWindow(), nullptr);
    EXPECT_TRUE(watcher.seen().empty());
    EXPECT_EQ(readProgramDword("SelectedCountry"), 0u);
    EXPECT_EQ(readProgramDword("Model"), 1u);
    EXPECT_EQ(storedBlock(), CountryDefaultTable[VariantDefaultRow]);
    EXPECT_EQ(ShownPage, 0);
}

TEST_F(StartupTest, StoredSettingsAreUsedWithoutAskingOrWriting) {
    SettingsBlock block = CountryDefaultTable[3];
    block.bytes[31] = 0x5A;
    storeProgramSettings(3, 0, block);
    const FILETIME before = programKeyWriteTime();
    Sleep(20);
    ASSERT_NE(openMainWindow(), nullptr);
    EXPECT_TRUE(watcher.seen().empty());
    EXPECT_EQ(currentBlock, block);
    EXPECT_EQ(CountryIndex, 3);
    EXPECT_TRUE(sameTime(programKeyWriteTime(), before)) << "the registry was written at start-up";
    EXPECT_EQ(storedBlock(), block);
}

TEST_F(StartupTest, OutOfRangeStoredValuesStillOpenTheWindow) {
    // Pitch 15 has no list entry and no geometry row; a country beyond the
    // list has no entry in the country dialog.
    SettingsBlock block = CountryDefaultTable[0];
    block.bytes[4] = 0xF0;
    storeProgramSettings(40, 0, block);
    ASSERT_NE(openMainWindow(), nullptr);
    EXPECT_EQ(ShownPage, 0);
    EXPECT_TRUE(isShown(window, IDC_PITCH));

    // Restore Default on that country offers no preselection; the user picks one.
    watcher.expect([](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_COUNTRY_LIST, LB_SETCURSEL, 2, 0);
        pressButton(dialog, IDOK);
    });
    click(IDC_RESTORE_DEFAULT);
    EXPECT_EQ(CountryIndex, 2);
    EXPECT_EQ(storedBlock(), CountryDefaultTable[2]);
}

TEST_F(StartupTest, TheClassIsRegisteredAsADialogClassOnce) {
    HINSTANCE instance = appInstance();
    UnregisterClassA("RovoVuv", instance);
    ASSERT_TRUE(registerMainWindowClass(instance));
    WNDCLASSA info = {};
    ASSERT_TRUE(GetClassInfoA(instance, "RovoVuv", &info));
    EXPECT_EQ(info.style, 0u);
    EXPECT_EQ(info.cbClsExtra, 0);
    EXPECT_EQ(info.cbWndExtra, DLGWINDOWEXTRA);
    EXPECT_NE(info.hIcon, nullptr);
    EXPECT_EQ(info.hbrBackground, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(info.lpszMenuName, nullptr);

    // A second registration fails, and the program then ends with 0 before
    // any window exists.
    EXPECT_FALSE(registerMainWindowClass(instance));
    storeProgramSettings(0, 0, CountryDefaultTable[0]);
    EXPECT_EQ(runMainWindow(instance, nullptr, const_cast<char*>(""), SW_SHOWNORMAL), 0);
    EXPECT_TRUE(watcher.seen().empty());
    EXPECT_EQ(FindWindowA(nullptr, "Quillset"), nullptr);
    UnregisterClassA("RovoVuv", instance);
}

TEST_F(StartupTest, RunsTheMessageLoopUntilTheExitIsConfirmed) {
    storeProgramSettings(0, 0, CountryDefaultTable[0]);
    HINSTANCE instance = appInstance();
    UnregisterClassA("RovoVuv", instance);
    HWND seenWindow = nullptr;
    bool visibleOnPrintStyle = false;
    // The main window itself is the first dialog the watcher sees. Escape
    // goes through the loop's IsDialogMessageA; No keeps the window, and the
    // Exit click posted behind it reaches the window once the box is gone.
    watcher.expect([&](HWND mainWindow) {
        seenWindow = mainWindow;
        visibleOnPrintStyle = IsWindowVisible(mainWindow) && isShown(mainWindow, IDC_FONT);
        PostMessageA(GetDlgItem(mainWindow, IDC_SEND_SETTINGS), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    watcher.expect([&](HWND box) {
        pressButton(box, IDNO);
        pressButton(seenWindow, IDC_EXIT);
    });
    watcher.answer(IDYES);
    const int exitCode = runMainWindow(instance, nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(visibleOnPrintStyle);
    EXPECT_FALSE(IsWindow(seenWindow));
    UnregisterClassA("RovoVuv", instance);
}

TEST_F(StartupTest, AMissingTemplateEndsTheProgramWithAnError) {
    // A module without the program's templates stands for a damaged build.
    HINSTANCE own = appInstance();
    HINSTANCE foreign = GetModuleHandleA("kernel32.dll");
    ASSERT_NE(foreign, nullptr);
    UnregisterClassA("RovoVuv", foreign);
    const int exitCode = runMainWindow(foreign, nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    setAppInstance(own);
    UnregisterClassA("RovoVuv", foreign);
    EXPECT_NE(exitCode, 0);
    EXPECT_TRUE(watcher.seen().empty());
}
