// Character-table printing against Wine's real spooler and files: the lists
// of the "Print Character Table" dialog, the file each entry sends, the one
// document of a successful print, every failure reported to the dialog
// (which stays open), and the sample pages the build writes.
#include <windows.h>
#include <winspool.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <regex>
#include <vector>

#include "printer/character_table_dialog.h"
#include "printer/character_table_print.h"
#include "printer/character_tables.h"
#include "printer_fixture.h"
#include "printer_queues.h"
#include "resource.h"
#include "settings/settings_state.h"
#include "spool_failures.h"

namespace {
const std::string Queue = "Tables";

std::string testDirectory() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string module(path, length);
    return module.substr(0, module.rfind('\\') + 1);
}

std::vector<std::string> comboEntries(HWND dialog, int id) {
    std::vector<std::string> entries;
    const LRESULT count = SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[256] = {};
        SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

int comboSelection(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

// Picks entry `index` as a user does: the selection moves and the list tells
// the dialog.
void choose(HWND dialog, int id, int index) {
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The documents this process starts and the writes on each, recorded on the
// way to the real spooler: the program's calls pass through this
// executable's import table, where the recorders are put.
struct SpooledDocument {
    std::string name;
    bool outputFile, datatype;
    std::vector<DWORD> writes;
};
std::vector<SpooledDocument> spooled;
decltype(&StartDocPrinterA) realStartDoc = nullptr;
decltype(&WritePrinter) realWrite = nullptr;

DWORD WINAPI recordStartDoc(HANDLE printer, DWORD level, LPBYTE info) {
    const auto* document = reinterpret_cast<const DOC_INFO_1A*>(info);
    spooled.push_back({document->pDocName ? document->pDocName : "(null)",
                       document->pOutputFile != nullptr,
                       document->pDatatype != nullptr,
                       {}});
    return realStartDoc(printer, level, info);
}

BOOL WINAPI recordWrite(HANDLE printer, LPVOID data, DWORD length, LPDWORD written) {
    if (!spooled.empty()) spooled.back().writes.push_back(length);
    return realWrite(printer, data, length, written);
}

// Swaps the import-table slot of `function` for `replacement`; returns what
// the slot held, nullptr when the function is not imported.
void* swapImport(const char* function, void* replacement) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* module = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
    for (; module->Name; ++module) {
        auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0) continue;
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
            void* previous = reinterpret_cast<void*>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            return previous;
        }
    }
    return nullptr;
}

class CharacterTableTest : public PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        ASSERT_TRUE(removeSpoolLinks());
        ModelVariant = 0;
        removePortFile(Queue);
    }
    void TearDown() override {
        for (const std::string& path : created_) DeleteFileA(path.c_str());
        ModelVariant = 0;
        PrinterTest::TearDown();
    }

    std::string writeTable(const char* name, const std::string& content) {
        const std::string path = testDirectory() + name;
        std::ofstream(path, std::ios::binary) << content;
        created_.push_back(path);
        return path;
    }

    std::vector<std::string> created_;
};

TEST_F(CharacterTableTest, ListsFollowTheModelAndTheEmulation) {
    struct Case {
        uint8_t variant;
        size_t epsonLength, ibmLength;
        const char* last;
    };
    for (const Case& c : {Case{0, 20, 19, "ISO 8859-2"}, Case{1, 30, 29, "SIC (OKI) 1Pass"}}) {
        SCOPED_TRACE(c.variant);
        ModelVariant = c.variant;
        std::vector<std::string> emulations, epson, ibm;
        int emulationSelected = -2, epsonSelected = -2, ibmSelected = -2, backSelected = -2;
        size_t backLength = 0;
        DialogWatcher watcher;
        watcher.expect([&](HWND dialog) {
            emulations = comboEntries(dialog, IDC_TABLE_EMULATION);
            emulationSelected = comboSelection(dialog, IDC_TABLE_EMULATION);
            epson = comboEntries(dialog, IDC_TABLE_LIST);
            epsonSelected = comboSelection(dialog, IDC_TABLE_LIST);
            SendDlgItemMessageA(dialog, IDC_TABLE_LIST, CB_SETCURSEL, 5, 0);
            choose(dialog, IDC_TABLE_EMULATION, 1);
            ibm = comboEntries(dialog, IDC_TABLE_LIST);
            ibmSelected = comboSelection(dialog, IDC_TABLE_LIST);
            SendDlgItemMessageA(dialog, IDC_TABLE_LIST, CB_SETCURSEL, 3, 0);
            choose(dialog, IDC_TABLE_EMULATION, 0);
            backLength = comboEntries(dialog, IDC_TABLE_LIST).size();
            backSelected = comboSelection(dialog, IDC_TABLE_LIST);
            pressButton(dialog, IDCANCEL);
        });
        EXPECT_EQ(printCharacterTableDialog(owner), -1);
        ASSERT_EQ(watcher.seen().size(), 1u);
        EXPECT_EQ(watcher.seen()[0].caption, "Print Character Table");
        EXPECT_EQ(emulations, (std::vector<std::string>{"EPSON", "IBM"}));
        EXPECT_EQ(emulationSelected, 0);
        ASSERT_EQ(epson.size(), c.epsonLength);
        EXPECT_EQ(epson[1], "Italic");
        EXPECT_EQ(epson.back(), c.last);
        ASSERT_EQ(ibm.size(), c.ibmLength);
        EXPECT_EQ(ibm[1], "USA");
        EXPECT_EQ(ibm[9], "PC855(Cyrillic)");
        EXPECT_EQ(ibm.back(), c.last);
        EXPECT_EQ(std::count(ibm.begin(), ibm.end(), "Italic"), 0);
        // Every change of emulation starts again at the first table.
        EXPECT_EQ(epsonSelected, 0);
        EXPECT_EQ(ibmSelected, 0);
        EXPECT_EQ(backSelected, 0);
        EXPECT_EQ(backLength, c.epsonLength);
    }
}

TEST_F(CharacterTableTest, NamesTheFileOfEachPositionAndRefusesOthers) {
    struct Case {
        int emulation, position;
        uint8_t variant;
        const char* file;  // nullptr: outside the list
    };
    const Case cases[] = {
        {0, 0, 0, "EPSON_ASCII.PRN"},
        {0, 1, 0, "EPSON_ITALIC.PRN"},
        {1, 0, 0, "IBM_ASCII.PRN"},
        {1, 1, 0, "IBM_USA.PRN"},
        {0, 10, 0, "EPSON_PC855.PRN"},
        {1, 9, 0, "IBM_PC855.PRN"},
        {0, 16, 0, "EPSON_ISOLATIN2.PRN"},
        {1, 18, 0, "IBM_ISO8859_2.PRN"},
        {0, 19, 0, "EPSON_ISO8859_2.PRN"},
        {0, 20, 0, nullptr},
        {1, 19, 0, nullptr},
        {0, 20, 1, "EPSON_KU_EPSON_3PASS.PRN"},
        {1, 22, 1, "IBM_SIC_EPSON_3PASS.PRN"},
        {1, 28, 1, "IBM_SIC_OKI_1PASS.PRN"},
        {2, 3, 1, "IBM_CANADA_FRENCH.PRN"},
        {1, 29, 1, nullptr},
        {0, -1, 1, nullptr},
    };
    ASSERT_TRUE(addQueue(Queue));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.emulation) + "/" + std::to_string(c.position));
        ModelVariant = c.variant;
        const char* file = characterTableFileName(c.emulation, c.position, c.variant);
        EXPECT_EQ(file ? std::string(file) : "(none)", c.file ? c.file : "(none)");
        std::string path;
        EXPECT_EQ(characterTablePath(c.emulation, c.position, &path), c.file != nullptr);
        if (c.file) {
            EXPECT_EQ(path, testDirectory() + c.file);
            continue;
        }
        // Refused before anything is opened: no message, nothing sent.
        DialogWatcher watcher;
        EXPECT_FALSE(printCharacterTable(owner, c.emulation, c.position));
        EXPECT_TRUE(watcher.seen().empty());
        EXPECT_FALSE(portFileExists(Queue));
    }
}

// The chosen file goes out whole, as one document named by its full path,
// in one write, several megabytes included.
TEST_F(CharacterTableTest, SendsTheChosenFileAsOneDocument) {
    struct Case {
        int emulation, table;
        const char* file;
        size_t size;
    };
    ASSERT_TRUE(addQueue(Queue));
    realStartDoc = reinterpret_cast<decltype(realStartDoc)>(
        swapImport("StartDocPrinterA", reinterpret_cast<void*>(recordStartDoc)));
    realWrite = reinterpret_cast<decltype(realWrite)>(
        swapImport("WritePrinter", reinterpret_cast<void*>(recordWrite)));
    ASSERT_TRUE(realStartDoc && realWrite);
    std::mt19937 random(4170);
    for (const Case& c : {Case{0, 1, "EPSON_ITALIC.PRN", 3000}, Case{1, 1, "IBM_USA.PRN", 6 << 20}}) {
        SCOPED_TRACE(c.file);
        std::string content(c.size, '\0');
        for (char& byte : content) byte = static_cast<char>(random());
        const std::string path = writeTable(c.file, content);
        removePortFile(Queue);
        spooled.clear();
        DialogWatcher watcher;
        watcher.expect([&](HWND dialog) {
            choose(dialog, IDC_TABLE_EMULATION, c.emulation);
            choose(dialog, IDC_TABLE_LIST, c.table);
            pressButton(dialog, IDOK);
        });
        EXPECT_EQ(printCharacterTableDialog(owner), 1);
        EXPECT_EQ(watcher.seen().size(), 1u) << "no message box";
        ASSERT_EQ(spooled.size(), 1u);
        EXPECT_EQ(spooled[0].name, path);
        EXPECT_FALSE(spooled[0].outputFile);
        EXPECT_FALSE(spooled[0].datatype);
        EXPECT_EQ(spooled[0].writes, std::vector<DWORD>{static_cast<DWORD>(c.size)});
        EXPECT_TRUE(readFile(portFilePath(Queue)) == content);
    }
    swapImport("StartDocPrinterA", reinterpret_cast<void*>(realStartDoc));
    swapImport("WritePrinter", reinterpret_cast<void*>(realWrite));
}
}  // namespace
