// The built corvex.exe as its own process, started twice and driven from
// outside by window captions and control ids as a user drives it: the first
// run asks for the country and sends, the second start uses what was stored.
#include <gtest/gtest.h>

#include <vector>

#include "printer_queues.h"
#include "remote_window.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/transfer_stream.h"
#include "stored_settings.h"

namespace {
constexpr DWORD Patience = 20000;
const std::string Queue = "E2E Office";
const std::string Program = windowsPath(CORVEX_EXE);

std::vector<uint8_t> germanyStream() {
    uint8_t stream[TransferStreamBufferSize];
    return std::vector<uint8_t>(stream,
                                stream + encodeTransferStream(CountryDefaultTable[6], stream, sizeof stream));
}

class CorvexProcess : public testing::Test {
protected:
    void SetUp() override {
        resetProgramKey();
        removeAllPrinters();
        ASSERT_TRUE(addQueue(Queue));
        writeIni("[Main]\r\nModel=0\r\n", Program);
    }
    void TearDown() override {
        if (process.hProcess && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 99);
        writeIni(nullptr, Program);
        resetProgramKey();
        removeAllPrinters();
    }
    HWND find(const char* caption, DWORD patience = Patience, HWND except = nullptr) {
        return waitForWindow(process.dwProcessId, caption, patience, except);
    }
    // Asks to close the window and answers the exit question; its text.
    std::string closeAndAnswer(HWND main, int button, HWND target, UINT closeMessage, WPARAM param) {
        PostMessageA(target, closeMessage, param, 0);
        HWND question = find("Quillset", Patience, main);
        if (!question) return "(no question)";
        const std::string text = controlText(question, 0xFFFF);
        EXPECT_TRUE(postClick(question, button));
        waitForWindowGone(question, Patience);
        return text;
    }
    DWORD exitCode() {
        DWORD code = 0xDEAD;
        if (WaitForSingleObject(process.hProcess, Patience) == WAIT_OBJECT_0)
            GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return code;
    }
    PROCESS_INFORMATION process = {};
};
}  // namespace

TEST_F(CorvexProcess, FirstRunChoosesCountrySendsAndTheNextStartUsesWhatWasStored) {
    ASSERT_TRUE(startProgram("\"" + Program + "\"", &process));
    HWND country = find("Select Country");
    ASSERT_NE(country, nullptr);
    EXPECT_EQ(find("Quillset", 0), nullptr);  // the main window waits for the country
    EXPECT_EQ(selectedListText(country, IDC_COUNTRY_LIST), "USA");
    EXPECT_FALSE(postClick(country, IDCANCEL));  // no Cancel on the first run
    SendMessageA(GetDlgItem(country, IDC_COUNTRY_LIST), LB_SETCURSEL, 6, 0);
    ASSERT_EQ(selectedListText(country, IDC_COUNTRY_LIST), "Germany");
    ASSERT_TRUE(postClick(country, IDOK));

    HWND main = find("Quillset");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(readProgramDword("SelectedCountry"), 6u);
    EXPECT_EQ(readProgramDword("Model"), 0u);
    EXPECT_EQ(storedBlock(), CountryDefaultTable[6]);
    ASSERT_TRUE(sendClick(main, IDC_SEND_SETTINGS, Patience));
    EXPECT_EQ(readPortFile(Queue), germanyStream());
    EXPECT_EQ(closeAndAnswer(main, IDNO, main, WM_CLOSE, 0), "Exit software ?");
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(closeAndAnswer(main, IDYES, main, WM_CLOSE, 0), "Exit software ?");
    EXPECT_EQ(exitCode(), 0u);

    // Started again: no question, nothing written, the stored block is sent;
    // the Escape key, which only the message loop turns into a command, exits.
    removePortFile(Queue);
    const ULONGLONG written = programKeyWriteTime();
    ASSERT_TRUE(startProgram("\"" + Program + "\"", &process));
    main = find("Quillset");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(find("Select Country", 0), nullptr);
    EXPECT_EQ(programKeyWriteTime(), written);
    ASSERT_TRUE(sendClick(main, IDC_SEND_SETTINGS, Patience));
    EXPECT_EQ(readPortFile(Queue), germanyStream());
    EXPECT_EQ(closeAndAnswer(main, IDYES, GetDlgItem(main, IDC_SEND_SETTINGS), WM_KEYDOWN, VK_ESCAPE),
              "Exit software ?");
    EXPECT_EQ(exitCode(), 0u);
}
