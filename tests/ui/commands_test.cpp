// Start-up and the main window's commands: the first run on the model
// variant, the exit question, Restore Default and its "Select Country" dialog.
#include <windows.h>

#include "main_window_fixture.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/settings_state.h"
#include "stored_settings.h"
#include "ui/main_window.h"
#include "ui/settings_tree.h"
#include "window_cases.h"

using CommandsTest = MainWindowTest;

TEST_F(CommandsTest, TheVariantStartsAndRestoresItsOwnRowWithoutAsking) {
    writeIni("[Main]\r\nModel=257\r\n");  // only the low byte counts
    CountryIndex = 9;                     // left over from elsewhere: the first run resets it
    ASSERT_NE(openMainWindow(), nullptr);
    // Centred by its client area, the caption's height counted below it.
    RECT client, frame;
    ASSERT_TRUE(GetClientRect(window, &client) && GetWindowRect(window, &frame));
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - client.right) / 2);
    EXPECT_EQ(frame.top,
              (GetSystemMetrics(SM_CYSCREEN) - client.bottom - GetSystemMetrics(SM_CYCAPTION)) / 2);
    EXPECT_EQ(readProgramDword("SelectedCountry"), 0u);
    EXPECT_EQ(readProgramDword("Model"), 1u);
    EXPECT_EQ(storedBlock(), CountryDefaultTable[VariantDefaultRow]);
    storeProgramSettings(0, 1, CountryDefaultTable[0]);
    click(IDC_RESTORE_DEFAULT);
    EXPECT_EQ(storedBlock(), CountryDefaultTable[VariantDefaultRow]);
    runSteps(window, {selected(IDC_CODE_PAGE, "KU (EPSON)")});
}

TEST_F(CommandsTest, EveryExitRouteAsksAndOnlyYesDestroysTheWindow) {
    const std::pair<UINT, WPARAM> routes[] = {
        {WM_COMMAND, IDC_EXIT}, {WM_COMMAND, IDCANCEL}, {WM_COMMAND, IDOK}, {WM_SYSCOMMAND, SC_CLOSE}};
    for (const auto& [routeMessage, routeParam] : routes) {
        SCOPED_TRACE(routeParam);
        ASSERT_NE(openMainWindow(0, 6, CountryDefaultTable[6]), nullptr);
        const ULONGLONG written = programKeyWriteTime();
        for (int answer : {IDNO, IDYES}) {
            watcher.answer(answer);
            SendMessageA(window, routeMessage, routeParam, 0);
            MSG message;  // the close box may reach the command through a posted message
            while (PeekMessageA(&message, window, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            EXPECT_EQ(IsWindow(window) != FALSE, answer == IDNO);
            EXPECT_EQ(takeQuitMessage(), answer == IDNO ? -1 : 0);
            const DialogSnapshot& box = watcher.seen().back();
            EXPECT_EQ(box.caption + "|" + box.text, "Quillset|Exit software ?");
            EXPECT_FALSE(box.hasIcon);
            EXPECT_EQ(box.buttons, (std::vector<int>{IDYES, IDNO}));
        }
        EXPECT_EQ(programKeyWriteTime(), written) << "stored on the way out";
    }
}

TEST_F(CommandsTest, RestoreDefaultCancelledChangesNothingChosenReloadsAndStores) {
    ASSERT_NE(openMainWindow(0, 6, CountryDefaultTable[6]), nullptr);  // Germany
    // An edit a reload would undo.
    runSteps(window, {enabled(IDC_AGM, false), page(5), choose(IDC_INTERNATIONAL, 9)});
    const ULONGLONG written = programKeyWriteTime();
    watcher.expect([](HWND dialog) {
        runSteps(dialog, {entries(IDC_COUNTRY_LIST,
                                  "USA|Belgium|Chile|Denmark|Finland|France|Germany|Italy|"
                                  "Norway|Portugal|Spain|Sweden|Turkey|UK|Other country"),
                          selected(IDC_COUNTRY_LIST, "Germany"), choose(IDC_COUNTRY_LIST, -1)});
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);  // Select with nothing selected keeps the dialog open
        runSteps(dialog, {choose(IDC_COUNTRY_LIST, 0)});  // then changes their mind
        pressButton(dialog, IDCANCEL);
    });
    click(IDC_RESTORE_DEFAULT);
    EXPECT_EQ(CountryIndex, 6);
    runSteps(window, {selected(IDC_INTERNATIONAL, "Norway")});
    EXPECT_EQ(programKeyWriteTime(), written);

    watcher.expect([](HWND dialog) {
        runSteps(dialog, {choose(IDC_COUNTRY_LIST, 4)});  // "Finland"
        pressButton(dialog, IDOK);
    });
    click(IDC_RESTORE_DEFAULT);
    EXPECT_EQ(storedBlock(), CountryDefaultTable[4]);
    EXPECT_EQ(readProgramDword("SelectedCountry"), 4u);
    // The pages show Finland's row; the page on view stays.
    runSteps(window,
             {selected(IDC_EMULATION, "IBM"), enabled(IDC_AGM, true), selected(IDC_INTERNATIONAL, "Sweden"),
              selected(IDC_PAGE_LENGTH, "12 Inch"), choose(IDC_INTERNATIONAL, 0)});
}

// The program's class is a dialog class: the dialog manager's extra bytes, white, the arrow, the icon.
TEST(MainWindowClass, IsADialogClass) {
    ASSERT_TRUE(registerMainWindowClass(GetModuleHandleA(nullptr)));
    WNDCLASSA c;
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "RovoVuv", &c));
    EXPECT_EQ(std::make_tuple(c.cbWndExtra, c.cbClsExtra, c.style), std::make_tuple(DLGWINDOWEXTRA, 0, 0u));
    EXPECT_TRUE(c.hIcon && c.hCursor == LoadCursorA(nullptr, IDC_ARROW) && c.hbrBackground == GetStockObject(WHITE_BRUSH));
    UnregisterClassA("RovoVuv", GetModuleHandleA(nullptr));
}
