// Start-up of the main window: first-run defaults on the model variant, stored
// settings, and the program's entry when it cannot make its window. The first
// run that asks for the country and the message loop are driven end to end.
#include <windows.h>

#include "main_window_fixture.h"
#include "registry.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/settings_state.h"
#include "ui/main_window.h"
#include "ui/settings_tree.h"
#include "common/window_helpers.h"

using StartupTest = MainWindowTest;

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
    SettingsBlock unseenByte = CountryDefaultTable[3];
    unseenByte.bytes[31] = 0x5A;
    // Pitch 15 has no list entry and no geometry row; country 40 none in the list.
    SettingsBlock outOfRange = CountryDefaultTable[0];
    outOfRange.bytes[4] = 0xF0;
    const struct {
        int country;
        SettingsBlock block;
    } cases[] = {{3, unseenByte}, {40, outOfRange}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.country);
        storeProgramSettings(c.country, 0, c.block);
        const FILETIME before = programKeyWriteTime();
        Sleep(20);
        ASSERT_NE(openMainWindow(), nullptr);
        EXPECT_TRUE(watcher.seen().empty());
        EXPECT_EQ(currentBlock, c.block);
        if (c.country < CountryRowCount)
            EXPECT_EQ(CountryIndex, c.country);
        else  // it must never index the default table out of bounds
            EXPECT_LT(CountryIndex, CountryRowCount);
        EXPECT_TRUE(sameTime(programKeyWriteTime(), before)) << "the registry was written at start-up";
        EXPECT_EQ(ShownPage, 0);
        EXPECT_TRUE(isShown(window, IDC_PITCH));
        DestroyWindow(window);
        takeQuitMessage();
    }
}

TEST_F(StartupTest, TheProgramEndsWhenItCannotMakeItsWindow) {
    // A class that is already registered ends it with 0 before any window exists.
    HINSTANCE own = appInstance();
    UnregisterClassA("RovoVuv", own);
    ASSERT_TRUE(registerMainWindowClass(own));
    storeProgramSettings(0, 0, CountryDefaultTable[0]);
    EXPECT_EQ(runMainWindow(own, nullptr, const_cast<char*>(""), SW_SHOWNORMAL), 0);
    EXPECT_EQ(FindWindowA(nullptr, "Quillset"), nullptr);
    UnregisterClassA("RovoVuv", own);

    // A module without the program's templates stands for a damaged build.
    HINSTANCE foreign = GetModuleHandleA("kernel32.dll");
    ASSERT_NE(foreign, nullptr);
    const int exitCode = runMainWindow(foreign, nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    setAppInstance(own);
    UnregisterClassA("RovoVuv", foreign);
    EXPECT_NE(exitCode, 0);
    EXPECT_TRUE(watcher.seen().empty());
}
