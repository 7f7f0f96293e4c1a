// The built corvex.exe as its own process, started twice and driven from
// outside by window captions and control ids as a user drives it: the first
// run asks for the country and sends, the second start uses what was stored.
#include <gtest/gtest.h>

#include <vector>

#include "printer_queues.h"
#include "remote_window.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "stored_settings.h"
#include "tests/core/hand_blocks.h"

namespace {
constexpr DWORD Patience = 20000;
const std::string Queue = "E2E Office";
const std::string Program = windowsPath(CORVEX_EXE);

class CorvexProcess : public testing::Test {
protected:
    void SetUp() override {
        resetProgramKey();
        removeAllPrinters();
        ASSERT_TRUE(addQueue(Queue));
        writeIni("[Main]\r\nModel=0\r\n", Program);
    }
    void TearDown() override {
        if (process.hProcess) TerminateProcess(process.hProcess, 99);  // nothing when it has ended
        writeIni(nullptr, Program);
        resetProgramKey();
        removeAllPrinters();
    }
    HWND start(const char* firstCaption) {
        if (process.hProcess) CloseHandle(process.hProcess), CloseHandle(process.hThread);
        removePortFile(Queue);
        if (!startProgram("\"" + Program + "\"", &process)) return nullptr;
        return waitForWindow(process.dwProcessId, firstCaption, Patience);
    }
    // Presses Send Settings and expects Germany's row at the port; then
    // closes by `key` (0: the close box) and answers the exit question Yes.
    void sendAndQuit(HWND main, WPARAM key) {
        EXPECT_TRUE(sendClick(main, IDC_SEND_SETTINGS, Patience));
        EXPECT_EQ(readPortFile(Queue), streamOf(CountryDefaultTable[6]));
        // Only the message loop turns the key into a command.
        PostMessageA(key ? GetDlgItem(main, IDC_SEND_SETTINGS) : main, key ? WM_KEYDOWN : WM_CLOSE, key, 0);
        HWND question = waitForWindow(process.dwProcessId, "Quillset", Patience, main);
        EXPECT_EQ(question ? controlText(question, 0xFFFF) : "(no question)", "Exit software ?");
        EXPECT_TRUE(question && postClick(question, IDYES));
        DWORD code = 0xDEAD;
        if (WaitForSingleObject(process.hProcess, Patience) == WAIT_OBJECT_0)
            GetExitCodeProcess(process.hProcess, &code);
        EXPECT_EQ(code, 0u);
    }
    PROCESS_INFORMATION process = {};
};
}  // namespace

TEST_F(CorvexProcess, FirstRunChoosesCountrySendsAndTheNextStartUsesWhatWasStored) {
    HWND country = start("Select Country");
    ASSERT_NE(country, nullptr);
    EXPECT_EQ(waitForWindow(process.dwProcessId, "Quillset", 0), nullptr);  // the main window waits
    EXPECT_EQ(selectedText(country, IDC_COUNTRY_LIST), "USA");
    EXPECT_FALSE(postClick(country, IDCANCEL));                               // no Cancel on the first run
    SendMessageA(GetDlgItem(country, IDC_COUNTRY_LIST), LB_SETCURSEL, 6, 0);  // Germany
    ASSERT_TRUE(postClick(country, IDOK));
    HWND main = waitForWindow(process.dwProcessId, "Quillset", Patience);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(readProgramDword("SelectedCountry"), 6u);
    EXPECT_EQ(storedBlock(), CountryDefaultTable[6]);
    ASSERT_TRUE(postClick(main, IDC_ABOUT));
    HWND about = waitForWindow(process.dwProcessId, "About Quillset", Patience);
    EXPECT_TRUE(about && postClick(about, IDOK) && waitForWindowGone(about, Patience));
    sendAndQuit(main, 0);

    // Started again: no question and nothing written at start-up; the stored
    // block is sent; the Escape key asks the exit question.
    const ULONGLONG written = programKeyWriteTime();
    main = start("Quillset");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(waitForWindow(process.dwProcessId, "Select Country", 0), nullptr);
    EXPECT_EQ(programKeyWriteTime(), written);
    sendAndQuit(main, VK_ESCAPE);
}
