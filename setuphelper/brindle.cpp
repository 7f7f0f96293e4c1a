// brindle.dll: the printer software's installer calls this library to remove
// the printer's OEM INF package. The work is the Setup API's; the library only
// fixes the flags, so that the INF goes even while devices installed from it
// are still present.
#include <windows.h>
#include <setupapi.h>

extern "C" {

// The name and ordinal the installer looks for are fixed by brindle.def; the
// function is WINAPI like the Setup API it stands in front of.
BOOL WINAPI MySetupUninstallOEMInf(PCSTR infFileName) {
    // No check and no copy: the installer's string goes to the platform as it
    // came, and the result and last-error value come back as the platform
    // left them.
    return SetupUninstallOEMInfA(infFileName, SUOI_FORCEDELETE, NULL);
}

// Nothing to set up or tear down: the library keeps no state, so loading and
// unloading (and every thread notification) always succeed.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }

}  // extern "C"
