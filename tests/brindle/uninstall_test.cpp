// What the installer sees of MySetupUninstallOEMInf: the Setup API's own
// result and last-error value, the INF gone when it was there, and a library
// that does nothing by merely being loaded.
#include <gtest/gtest.h>

#include "brindle_under_test.h"

#include <setupapi.h>

namespace {

// Set before every call, so a matching error afterwards must come from the
// Setup API and not from what happened to be there before.
const DWORD Sentinel = 0x2A2A2A2A;

struct Outcome {
    BOOL result;
    DWORD error;
};

Outcome callSetupApi(PCSTR name) {
    SetLastError(Sentinel);
    BOOL result = SetupUninstallOEMInfA(name, SUOI_FORCEDELETE, NULL);
    return {result, GetLastError()};
}

Outcome callBrindle(UninstallOemInf uninstall, PCSTR name) {
    SetLastError(Sentinel);
    BOOL result = uninstall(name);
    return {result, GetLastError()};
}

class BrindleUninstall : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(brindle.module, nullptr) << brindlePath() << " error " << GetLastError();
        uninstall = findUninstall(brindle.module);
        ASSERT_NE(uninstall, nullptr);
    }
    LoadedBrindle brindle;
    UninstallOemInf uninstall = nullptr;
};

// Each name fails in its own way (no file, no directory, no name at all), so
// a library that changed or checked the string would show a different error.
TEST_F(BrindleUninstall, FailuresAreTheSetupApisOwn) {
    DeleteFileA(infPath("brindle-absent.inf").c_str());
    for (PCSTR name : {"brindle-absent.inf", "brindle-no-such-dir\\oem1.inf", static_cast<PCSTR>(nullptr)}) {
        SCOPED_TRACE(name ? name : "(null)");
        Outcome direct = callSetupApi(name);
        Outcome wrapped = callBrindle(uninstall, name);
        EXPECT_FALSE(direct.result);
        EXPECT_NE(direct.error, Sentinel);
        EXPECT_EQ(wrapped.result, direct.result);
        EXPECT_EQ(wrapped.error, direct.error);
    }
}

TEST_F(BrindleUninstall, PresentInfIsRemovedWithTheSetupApisResult) {
    ASSERT_TRUE(placeInf("oem42.inf"));
    Outcome direct = callSetupApi("oem42.inf");
    ASSERT_FALSE(fileExists(infPath("oem42.inf")));

    ASSERT_TRUE(placeInf("oem42.inf"));
    Outcome wrapped = callBrindle(uninstall, "oem42.inf");
    EXPECT_NE(wrapped.result, FALSE);
    EXPECT_FALSE(fileExists(infPath("oem42.inf")));
    // Success leaves the last-error value as the Setup API left it, too.
    EXPECT_EQ(wrapped.result, direct.result);
    EXPECT_EQ(wrapped.error, direct.error);
}

// The string is handed on as it is, not cut down to a bare file name.
TEST_F(BrindleUninstall, NameWithFolderReachesTheSetupApiUnchanged) {
    const std::string folder = infPath("brindle-sub");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), NULL) || GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(placeInf("brindle-sub\\oem7.inf"));
    ASSERT_TRUE(placeInf("oem7.inf"));

    EXPECT_NE(uninstall("brindle-sub\\oem7.inf"), FALSE);
    EXPECT_FALSE(fileExists(infPath("brindle-sub\\oem7.inf")));
    EXPECT_TRUE(fileExists(infPath("oem7.inf")));

    DeleteFileA(infPath("oem7.inf").c_str());
    RemoveDirectoryA(folder.c_str());
}

DWORD WINAPI doNothing(LPVOID) { return 7; }

// Loading, thread start and end, and unloading go through DllMain and must
// neither fail nor touch the INF directory.
TEST(BrindleLoading, LoadingWithoutACallChangesNothing) {
    ASSERT_TRUE(placeInf("oem44.inf"));
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        HMODULE module = LoadLibraryA(brindlePath().c_str());
        ASSERT_NE(module, nullptr) << GetLastError();
        HANDLE thread = CreateThread(NULL, 0, doNothing, NULL, 0, NULL);
        ASSERT_NE(thread, nullptr);
        EXPECT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
        DWORD code = 0;
        EXPECT_TRUE(GetExitCodeThread(thread, &code));
        EXPECT_EQ(code, 7u);
        CloseHandle(thread);
        EXPECT_TRUE(FreeLibrary(module));
        // Nothing keeps the library loaded once its one user lets go.
        EXPECT_EQ(GetModuleHandleA(brindlePath().c_str()), nullptr);
    }
    EXPECT_TRUE(fileExists(infPath("oem44.inf")));
    DeleteFileA(infPath("oem44.inf").c_str());
}

}  // namespace
