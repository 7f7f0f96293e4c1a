// The installer finds brindle's one entry point by its plain name or by
// ordinal 2: the export table is the library's contract besides its behaviour.
#include <gtest/gtest.h>

#include <algorithm>

#include "brindle_under_test.h"

TEST(BrindleExports, OnlyTheUninstallEntryUnderItsPlainNameAndOrdinalTwo) {
    LoadedBrindle brindle;
    ASSERT_NE(brindle.module, nullptr) << brindlePath() << " error " << GetLastError();
    const BYTE* base = reinterpret_cast<const BYTE*>(brindle.module);
    // The headers of the build's own word size: 32-bit for the product, 64-bit
    // where the tests run under a 64-bit Wine.
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    ASSERT_NE(entry.VirtualAddress, 0u);
    auto dir = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);

    // One name, undecorated, for ordinal 2.
    ASSERT_EQ(dir->NumberOfNames, 1u);
    const DWORD nameRva = *reinterpret_cast<const DWORD*>(base + dir->AddressOfNames);
    EXPECT_STREQ(reinterpret_cast<const char*>(base + nameRva), "MySetupUninstallOEMInf");
    EXPECT_EQ(dir->Base + *reinterpret_cast<const WORD*>(base + dir->AddressOfNameOrdinals), 2u);
    // No other entry, not even a nameless one reachable by ordinal.
    auto functions = reinterpret_cast<const DWORD*>(base + dir->AddressOfFunctions);
    EXPECT_EQ(
        std::count_if(functions, functions + dir->NumberOfFunctions, [](DWORD rva) { return rva != 0; }), 1);

    FARPROC byName = GetProcAddress(brindle.module, "MySetupUninstallOEMInf");
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(GetProcAddress(brindle.module, MAKEINTRESOURCEA(2)), byName);
    EXPECT_EQ(GetProcAddress(brindle.module, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_EQ(GetProcAddress(brindle.module, MAKEINTRESOURCEA(3)), nullptr);
}
