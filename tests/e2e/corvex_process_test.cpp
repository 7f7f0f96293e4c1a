// The built corvex.exe as its own process, driven from outside by window
// captions and control ids the way a user drives it: first run, Send
// Settings to a queue on a file port, the exit question, a second start.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "printer_queues.h"
#include "registry.h"
#include "remote_window.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/transfer_stream.h"

namespace {
constexpr DWORD Patience = 20000;
const std::string Queue = "E2E Office";

std::string windowsPath(const std::string& unixPath) {
    std::string path = "Z:";
    for (char c : unixPath) path += c == '/' ? '\\' : c;
    return path;
}

const std::string Program = windowsPath(CORVEX_EXE);

std::string iniPath() { return Program.substr(0, Program.rfind('.')) + ".ini"; }

std::vector<uint8_t> streamFor(const SettingsBlock& block) {
    std::vector<uint8_t> bytes(TransferStreamBufferSize);
    bytes.resize(encodeTransferStream(block, bytes.data(), bytes.size()));
    return bytes;
}

class CorvexProcess : public testing::Test {
protected:
    void SetUp() override {
        resetProgramKey();
        removeAllPrinters();
        ASSERT_TRUE(addQueue(Queue));
        removePortFile(Queue);
        std::ofstream(iniPath()) << "[Main]\r\nModel=0\r\n";
    }
    void TearDown() override {
        if (process_.hProcess) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
        DeleteFileA(iniPath().c_str());
        resetProgramKey();
    }

    void start() { ASSERT_TRUE(startProgram("\"" + Program + "\"", &process_)); }

    HWND mainWindow() { return waitForWindow(process_.dwProcessId, "Quillset", Patience); }

    // Asks to close the window and answers the exit question; returns the
    // question's text.
    std::string closeAndAnswer(HWND main, int button) {
        PostMessageA(main, WM_CLOSE, 0, 0);
        HWND question = waitForWindow(process_.dwProcessId, "Quillset", Patience, main);
        if (!question) return "(no question)";
        std::string text = controlText(question, 0xFFFF);
        postClick(question, button);
        waitForWindowGone(question, Patience);
        return text;
    }

    DWORD exitCode() {
        if (WaitForSingleObject(process_.hProcess, Patience) != WAIT_OBJECT_0) return 0xDEAD;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    PROCESS_INFORMATION process_ = {};
};
}  // namespace

TEST_F(CorvexProcess, FirstRunChoosesCountrySendsAndExitsOnYes) {
    start();
    HWND country = waitForWindow(process_.dwProcessId, "Select Country", Patience);
    ASSERT_NE(country, nullptr);
    // The main window is not on view while the country is asked for.
    EXPECT_EQ(waitForWindow(process_.dwProcessId, "Quillset", 0), nullptr);
    EXPECT_EQ(selectedListText(country, IDC_COUNTRY_LIST), "USA");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(country, IDCANCEL)));
    SendMessageA(GetDlgItem(country, IDC_COUNTRY_LIST), LB_SETCURSEL, 6, 0);
    ASSERT_EQ(selectedListText(country, IDC_COUNTRY_LIST), "Germany");
    postClick(country, IDOK);

    HWND main = mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(readProgramDword("SelectedCountry"), 6u);
    EXPECT_EQ(readProgramDword("Model"), 0u);
    const SettingsBlock& germany = CountryDefaultTable[6];
    auto stored = readProgramValue("Settings");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->data, std::vector<uint8_t>(germany.bytes, germany.bytes + 32));

    ASSERT_TRUE(sendClick(main, IDC_SEND_SETTINGS, Patience));
    EXPECT_EQ(readPortFile(Queue), streamFor(germany));

    // No keeps the program running; Yes ends it with exit code 0.
    EXPECT_EQ(closeAndAnswer(main, IDNO), "Exit software ?");
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(closeAndAnswer(main, IDYES), "Exit software ?");
    EXPECT_EQ(exitCode(), 0u);
}

TEST_F(CorvexProcess, LaterStartUsesStoredSettingsWithoutAsking) {
    const SettingsBlock& uk = CountryDefaultTable[13];
    writeProgramDword("SelectedCountry", 13);
    writeProgramDword("Model", 0);
    writeProgramValue("Settings", REG_BINARY, uk.bytes, sizeof uk.bytes);

    start();
    HWND main = mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(waitForWindow(process_.dwProcessId, "Select Country", 0), nullptr);
    ASSERT_TRUE(sendClick(main, IDC_SEND_SETTINGS, Patience));
    EXPECT_EQ(readPortFile(Queue), streamFor(uk));

    EXPECT_EQ(closeAndAnswer(main, IDYES), "Exit software ?");
    EXPECT_EQ(exitCode(), 0u);
}
