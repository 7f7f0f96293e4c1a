// The installer finds brindle's one entry point by name or by ordinal 2 and
// calls it as a WINAPI function: the export table and the calling convention
// are the library's whole contract besides the behaviour.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "brindle_under_test.h"

namespace {

struct ExportTable {
    DWORD ordinalBase = 0;
    std::vector<DWORD> functions;  // RVAs by ordinal - base; 0 is an unused slot
    std::vector<std::string> names;
    std::vector<WORD> nameOrdinals;  // index into functions, per name
};

const BYTE* imageBase(HMODULE module) { return reinterpret_cast<const BYTE*>(module); }

const IMAGE_NT_HEADERS32* ntHeaders(HMODULE module) {
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(imageBase(module) + dos->e_lfanew);
    return nt->Signature == IMAGE_NT_SIGNATURE ? nt : nullptr;
}

bool readExportTable(HMODULE module, ExportTable* table) {
    const IMAGE_NT_HEADERS32* nt = ntHeaders(module);
    if (!nt) return false;
    const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (entry.VirtualAddress == 0 || entry.Size < sizeof(IMAGE_EXPORT_DIRECTORY)) return false;
    auto dir = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(imageBase(module) + entry.VirtualAddress);
    auto functions = reinterpret_cast<const DWORD*>(imageBase(module) + dir->AddressOfFunctions);
    auto names = reinterpret_cast<const DWORD*>(imageBase(module) + dir->AddressOfNames);
    auto ordinals = reinterpret_cast<const WORD*>(imageBase(module) + dir->AddressOfNameOrdinals);
    table->ordinalBase = dir->Base;
    table->functions.assign(functions, functions + dir->NumberOfFunctions);
    for (DWORD i = 0; i < dir->NumberOfNames; ++i) {
        table->names.emplace_back(reinterpret_cast<const char*>(imageBase(module) + names[i]));
        table->nameOrdinals.push_back(ordinals[i]);
    }
    return true;
}

std::vector<std::string> importedLibraries(HMODULE module) {
    std::vector<std::string> result;
    const IMAGE_NT_HEADERS32* nt = ntHeaders(module);
    if (!nt) return result;
    const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (entry.VirtualAddress == 0) return result;
    auto desc = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(imageBase(module) + entry.VirtualAddress);
    for (; desc->Name != 0; ++desc) {
        std::string name(reinterpret_cast<const char*>(imageBase(module) + desc->Name));
        for (char& c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        result.push_back(name);
    }
    return result;
}

// Calls fn(arg) the way the installer does and returns how far the stack
// pointer moved over the call. A WINAPI (stdcall) function removes its own
// argument, so the answer is 0; a cdecl function would leave 4 bytes behind,
// which would corrupt the installer's stack. The stack pointer is put back
// afterwards either way.
long stackDriftOfCall(FARPROC fn, const char* arg, BOOL* result) {
    unsigned long before = 0, after = 0;
    BOOL r = FALSE;
    __asm__ volatile(
        "movl %%esp, %[before]\n\t"
        "pushl %[arg]\n\t"
        "call *%[fn]\n\t"
        "movl %%esp, %[after]\n\t"
        "movl %[before], %%esp\n\t"
        : [before] "=&r"(before), [after] "=&r"(after), "=a"(r)
        : [arg] "r"(arg), [fn] "r"(fn)
        : "ecx", "edx", "memory", "cc");
    *result = r;
    return static_cast<long>(before - after);
}

TEST(BrindleExports, OnlyTheUninstallEntryUnderItsPlainNameAndOrdinalTwo) {
    LoadedBrindle brindle;
    ASSERT_NE(brindle.module, nullptr) << brindlePath() << " error " << GetLastError();
    ExportTable table;
    ASSERT_TRUE(readExportTable(brindle.module, &table));

    ASSERT_EQ(table.names.size(), 1u);
    EXPECT_EQ(table.names[0], "MySetupUninstallOEMInf");
    EXPECT_EQ(table.ordinalBase + table.nameOrdinals[0], 2u);

    // No other entry, not even a nameless one reachable by ordinal.
    size_t used = 0;
    for (DWORD rva : table.functions) used += rva != 0;
    EXPECT_EQ(used, 1u);

    FARPROC byName = GetProcAddress(brindle.module, "MySetupUninstallOEMInf");
    FARPROC byOrdinal = GetProcAddress(brindle.module, MAKEINTRESOURCEA(2));
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(byOrdinal, byName);
    EXPECT_EQ(GetProcAddress(brindle.module, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_EQ(GetProcAddress(brindle.module, MAKEINTRESOURCEA(3)), nullptr);
}

TEST(BrindleExports, NoDecoratedOrCompilerSymbolsLeak) {
    LoadedBrindle brindle;
    ASSERT_NE(brindle.module, nullptr);
    for (const char* name :
         {"MySetupUninstallOEMInf@4", "_MySetupUninstallOEMInf@4", "_MySetupUninstallOEMInf", "DllMain",
          "DllMain@12", "_DllMain@12", "DllMainCRTStartup"}) {
        EXPECT_EQ(GetProcAddress(brindle.module, name), nullptr) << name;
    }
}

TEST(BrindleExports, EntryIsWinapiAndCleansItsArgument) {
    LoadedBrindle brindle;
    ASSERT_NE(brindle.module, nullptr);
    FARPROC entry = GetProcAddress(brindle.module, "MySetupUninstallOEMInf");
    ASSERT_NE(entry, nullptr);
    BOOL result = TRUE;
    EXPECT_EQ(stackDriftOfCall(entry, "brindle-not-there.inf", &result), 0);
    EXPECT_FALSE(result);
}

// The library goes beside the installer on its own, so it may need no
// compiler runtime DLL; and the Setup API is bound at load time.
TEST(BrindleExports, NeedsOnlySystemLibraries) {
    LoadedBrindle brindle;
    ASSERT_NE(brindle.module, nullptr);
    std::vector<std::string> imports = importedLibraries(brindle.module);
    bool setupApi = false;
    for (const std::string& name : imports) {
        EXPECT_NE(name.compare(0, 3, "lib"), 0) << name;
        setupApi = setupApi || name == "setupapi.dll";
    }
    EXPECT_TRUE(setupApi);
}

}  // namespace
