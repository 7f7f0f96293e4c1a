// The GoogleTest main of every Windows test executable: common controls are
// registered once, as the program's start-up does.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    InitCommonControls();
    // A crash must fail the test run, not wait for someone to close a box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
