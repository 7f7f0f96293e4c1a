// What the installer sees of MySetupUninstallOEMInf: the Setup API's own
// result and last-error value, the INF gone when it was there, and a library
// that does nothing by merely being loaded.
#include <gtest/gtest.h>

#include "brindle_under_test.h"

#include <setupapi.h>

namespace {

struct Outcome {
    BOOL result;
    DWORD error;
};

// The last error is set to a sentinel first, so a matching error afterwards
// must come from the Setup API and not from what happened to be there.
template <typename Call>
Outcome outcomeOf(Call call) {
    SetLastError(0x2A2A2A2A);
    const BOOL result = call();
    return {result, GetLastError()};
}

Outcome direct(PCSTR name) {
    return outcomeOf([name] { return SetupUninstallOEMInfA(name, SUOI_FORCEDELETE, NULL); });
}

class BrindleUninstall : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(brindle.module, nullptr) << brindlePath() << " error " << GetLastError();
        uninstall = findUninstall(brindle.module);
        ASSERT_NE(uninstall, nullptr);
    }
    Outcome wrapped(PCSTR name) {
        return outcomeOf([this, name] { return uninstall(name); });
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
        const Outcome expected = direct(name);
        const Outcome seen = wrapped(name);
        EXPECT_FALSE(expected.result);
        EXPECT_NE(expected.error, 0x2A2A2A2Au);
        EXPECT_EQ(seen.result, expected.result);
        EXPECT_EQ(seen.error, expected.error);
    }
}

TEST_F(BrindleUninstall, PresentInfIsRemovedWithTheSetupApisResult) {
    ASSERT_TRUE(placeInf("oem42.inf"));
    const Outcome expected = direct("oem42.inf");
    ASSERT_FALSE(fileExists(infPath("oem42.inf")));

    ASSERT_TRUE(placeInf("oem42.inf"));
    const Outcome seen = wrapped("oem42.inf");
    EXPECT_NE(seen.result, FALSE);
    EXPECT_FALSE(fileExists(infPath("oem42.inf")));
    // Success leaves the last-error value as the Setup API left it, too.
    EXPECT_EQ(seen.result, expected.result);
    EXPECT_EQ(seen.error, expected.error);
}

DWORD WINAPI doNothing(LPVOID) { return 0; }

// Loading, a thread's start and end, and unloading go through DllMain and
// must neither fail nor touch the INF directory.
TEST(BrindleLoading, LoadingWithoutACallChangesNothing) {
    ASSERT_TRUE(placeInf("oem44.inf"));
    HMODULE module = LoadLibraryA(brindlePath().c_str());
    ASSERT_NE(module, nullptr) << GetLastError();
    HANDLE thread = CreateThread(NULL, 0, doNothing, NULL, 0, NULL);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
    CloseHandle(thread);
    EXPECT_TRUE(FreeLibrary(module));
    // Nothing keeps the library loaded once its one user lets go.
    EXPECT_EQ(GetModuleHandleA(brindlePath().c_str()), nullptr);
    EXPECT_TRUE(fileExists(infPath("oem44.inf")));
    DeleteFileA(infPath("oem44.inf").c_str());
}

}  // namespace
