// The GoogleTest main of brindle's tests. They link nothing of the program, so
// they do not use the program tests' main; like it, they turn a crash into a
// failed run instead of a dialog that waits for someone to close it.
#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
