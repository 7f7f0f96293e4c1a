// What the installer sees of brindle.dll: one entry point, found by its plain
// name or by ordinal 2, that hands the Setup API's own result and last-error
// value back and removes an OEM INF that is there.
#include <windows.h>
#include <setupapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {
using UninstallOemInf = BOOL(WINAPI*)(PCSTR);

// %windir%\inf\<name>, where the Setup API looks for OEM INF files.
std::string infPath(const char* name) {
    char windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    return length && length < sizeof windows ? std::string(windows, length) + "\\inf\\" + name
                                             : std::string();
}

bool placeInf(const char* name) {
    std::ofstream file(infPath(name), std::ios::binary);
    return static_cast<bool>(file << "[Version]\r\nSignature=\"$Windows NT$\"\r\nClass=Printer\r\n"
                                  << std::flush);
}

// The result and last error of a call, the error set to a sentinel first so
// that a match must come from the Setup API.
std::pair<BOOL, DWORD> outcome(BOOL result) { return {result, GetLastError()}; }
#define OUTCOME(call) outcome((SetLastError(0x2A2A2A2A), (call)))

class Brindle : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(module, nullptr) << BRINDLE_DLL_PATH << " error " << GetLastError();
        uninstall = reinterpret_cast<UninstallOemInf>(
            reinterpret_cast<void*>(GetProcAddress(module, "MySetupUninstallOEMInf")));
        ASSERT_NE(uninstall, nullptr);
    }
    void TearDown() override { FreeLibrary(module); }
    HMODULE module = LoadLibraryA(BRINDLE_DLL_PATH);
    UninstallOemInf uninstall = nullptr;
};
}  // namespace

TEST_F(Brindle, ExportsOnlyTheUninstallEntryAsOrdinalTwo) {
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(2))),
              reinterpret_cast<void*>(uninstall));
    EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(3)), nullptr);
}

// Wine deletes the file only when the forced delete is asked for; each
// failing name fails in its own way (no file, no directory, no name).
TEST_F(Brindle, RemovesAPresentInfAndHandsBackTheSetupApisOwnOutcome) {
    ASSERT_TRUE(placeInf("oem42.inf"));
    const auto expected = OUTCOME(SetupUninstallOEMInfA("oem42.inf", SUOI_FORCEDELETE, nullptr));
    ASSERT_TRUE(placeInf("oem42.inf"));
    EXPECT_EQ(OUTCOME(uninstall("oem42.inf")), expected);
    EXPECT_NE(expected.first, FALSE);
    EXPECT_EQ(GetFileAttributesA(infPath("oem42.inf").c_str()), INVALID_FILE_ATTRIBUTES);
    for (PCSTR name : {"brindle-absent.inf", "brindle-no-such-dir\\oem1.inf", static_cast<PCSTR>(nullptr)}) {
        const auto direct = OUTCOME(SetupUninstallOEMInfA(name, SUOI_FORCEDELETE, nullptr));
        EXPECT_EQ(direct.first, FALSE);
        EXPECT_EQ(OUTCOME(uninstall(name)), direct) << (name ? name : "(null)");
    }
}
