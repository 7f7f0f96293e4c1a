// The built corvex.exe as its own process, driven from outside by window
// captions and control ids the way a user drives it: first run, Send
// Settings to a queue on a file port, the exit question through the real
// message loop, a second start.
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

std::string windowsPath(std::string path) {
    for (char& c : path) c = c == '/' ? '\\' : c;
    return "Z:" + path;
}
const std::string Program = windowsPath(CORVEX_EXE);
const std::string Ini = Program.substr(0, Program.rfind('.')) + ".ini";

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
        std::ofstream(Ini) << "[Main]\r\nModel=0\r\n";
    }
    void TearDown() override {
        if (process_.hProcess) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process_.hProcess, 99);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
        DeleteFileA(Ini.c_str());
        resetProgramKey();
    }

    HWND find(const char* caption, DWORD patience = Patience, HWND except = nullptr) {
        return waitForWindow(process_.dwProcessId, caption, patience, except);
    }

    // Asks to close the window (by WM_CLOSE, or by the Escape key, which only
    // the message loop's dialog handling turns into a command) and answers the
    // exit question; returns the question's text.
    std::string closeAndAnswer(HWND main, int button, bool escapeKey = false) {
        if (escapeKey)
            PostMessageA(GetDlgItem(main, IDC_SEND_SETTINGS), WM_KEYDOWN, VK_ESCAPE, 0);
        else
            PostMessageA(main, WM_CLOSE, 0, 0);
        HWND question = find("Quillset", Patience, main);
        if (!question) return "(no question)";
        std::string text = controlText(question, 0xFFFF);
        postClick(question, button);
        waitForWindowGone(question, Patience);
        return text;
    }

    DWORD exitCode() {
        DWORD code = 0xDEAD;
        if (WaitForSingleObject(process_.hProcess, Patience) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    PROCESS_INFORMATION process_ = {};
};
}  // namespace

TEST_F(CorvexProcess, FirstRunChoosesCountrySendsAndExitsOnYes) {
    ASSERT_TRUE(startProgram("\"" + Program + "\"", &process_));
    HWND country = find("Select Country");
    ASSERT_NE(country, nullptr);
    // The main window is not on view while the country is asked for.
    EXPECT_EQ(find("Quillset", 0), nullptr);
    EXPECT_EQ(selectedListText(country, IDC_COUNTRY_LIST), "USA");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(country, IDCANCEL)));
    SendMessageA(GetDlgItem(country, IDC_COUNTRY_LIST), LB_SETCURSEL, 6, 0);
    ASSERT_EQ(selectedListText(country, IDC_COUNTRY_LIST), "Germany");
    postClick(country, IDOK);

    HWND main = find("Quillset");
    ASSERT_NE(main, nullptr);
    const SettingsBlock& germany = CountryDefaultTable[6];
    EXPECT_EQ(readProgramDword("SelectedCountry"), 6u);
    EXPECT_EQ(readProgramDword("Model"), 0u);
    const auto stored = readProgramValue("Settings");
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

    ASSERT_TRUE(startProgram("\"" + Program + "\"", &process_));
    HWND main = find("Quillset");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(find("Select Country", 0), nullptr);
    ASSERT_TRUE(sendClick(main, IDC_SEND_SETTINGS, Patience));
    EXPECT_EQ(readPortFile(Queue), streamFor(uk));

    EXPECT_EQ(closeAndAnswer(main, IDYES, true), "Exit software ?");
    EXPECT_EQ(exitCode(), 0u);
}
