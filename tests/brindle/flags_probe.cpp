// Calls brindle's export the way the installer does, once for an INF that is
// there and once for one that is not, and once calls the Setup API directly
// with no flags. Run with Wine's setupapi trace on, check_flags.sh reads the
// flags of each call from the trace: the direct call shows that the trace
// tells flags apart, the other two that brindle always asks for a forced
// delete.
#include <cstdio>

#include "brindle_under_test.h"

#include <setupapi.h>

int main() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    HMODULE module = LoadLibraryA(brindlePath().c_str());
    UninstallOemInf uninstall = module ? findUninstall(module) : nullptr;
    if (!uninstall) {
        std::printf("cannot load %s\n", brindlePath().c_str());
        return 1;
    }
    DeleteFileA(infPath("brindle-missing.inf").c_str());
    if (!placeInf("brindle-present.inf")) {
        std::printf("cannot write %s\n", infPath("brindle-present.inf").c_str());
        return 1;
    }
    BOOL present = uninstall("brindle-present.inf");
    BOOL missing = uninstall("brindle-missing.inf");
    SetupUninstallOEMInfA("brindle-control.inf", 0, NULL);
    FreeLibrary(module);
    std::printf("present=%d missing=%d\n", present, missing);
    // The forced delete removes the INF that was there and fails on the other.
    return present && !missing && !fileExists(infPath("brindle-present.inf")) ? 0 : 1;
}
