// quillset.exe as an administrator runs it, against the prefix's real
// registry and spooler with queues on file ports; and the catalogue it shares
// with the native build against the window's own resources.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "cli_cases.h"
#include "common/window_helpers.h"
#include "printer_queues.h"
#include "remote_window.h"
#include "stored_settings.h"
#include "settings/catalogue.h"
#include "settings/country_defaults.h"
#include "tests/core/hand_blocks.h"

namespace {

const std::string QuillsetExe = windowsPath(QUILLSET_EXE);
const std::string Dir = QuillsetExe.substr(0, QuillsetExe.rfind('\\') + 1);
const std::string Ini = Dir + "corvex.ini", Profile = Dir + "cli-profile.ini",
                  Capture = Dir + "cli-capture.prn";

// Runs quillset.exe with its output and errors in files of their own.
Outcome quillset(const std::string& arguments) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    const std::string paths[2] = {Dir + "cli-out.txt", Dir + "cli-err.txt"};
    HANDLE files[2];
    for (int i = 0; i < 2; ++i)
        // Shared: the last run's handles may still be closing as its process ends.
        files[i] = CreateFileA(paths[i].c_str(), GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                               CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = files[0];
    startup.hStdError = files[1];
    std::string line = "\"" + QuillsetExe + "\" " + arguments;
    PROCESS_INFORMATION process = {};
    DWORD code = 0xDEAD;
    std::string error;
    if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        error = "could not start quillset.exe: error " + std::to_string(GetLastError());
    }
    for (HANDLE file : files) CloseHandle(file);
    return {static_cast<int>(code), readFileBytes(paths[0]), error + readFileBytes(paths[1])};
}

void install(const SettingsBlock& block, int variant, DWORD country = 0) {
    std::ofstream(Ini) << "[Main]\r\nModel=" << variant << "\r\n";
    resetProgramKey();
    storeProgramSettings(static_cast<int>(country), variant, block);
}

class Quillset : public testing::Test {
protected:
    void SetUp() override {
        removeAllPrinters();
        for (const char* queue : {"Office", "Lab"}) removePortFile(queue);
    }
    void TearDown() override {
        for (const std::string& name :
             {Ini, Profile, Capture, Dir + "IBM_PC866.PRN", Dir + "cli-out.txt", Dir + "cli-err.txt"})
            DeleteFileA(name.c_str());
        resetProgramKey();
    }
};

INT_PTR CALLBACK quietProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

std::string labelText(HWND window, int id) {
    std::string label = controlText(window, id);
    label.erase(std::remove(label.begin(), label.end(), '&'), label.end());
    return label.substr(0, label.rfind(" :"));
}

TEST(Catalogue, MatchesTheWindowsStringTableAndLabels) {
    for (int i = 0; i < TextListCount; ++i)
        for (int k = 0; k < AllTextLists[i]->count; ++k)
            EXPECT_EQ(loadString(AllTextLists[i]->firstId + k), AllTextLists[i]->texts[k])
                << AllTextLists[i]->firstId + k;
    for (const CataloguePage& page : CataloguePages) EXPECT_EQ(loadString(page.stringId), page.name);
    HWND window = CreateDialogParamA(GetModuleHandleA(nullptr), "ROVOVUV", nullptr, quietProc, 0);
    ASSERT_NE(window, nullptr);
    for (const Setting& setting : Settings)
        if (setting.labelId) {
            EXPECT_EQ(labelText(window, setting.labelId), setting.label);
        }
    DestroyWindow(window);
}

// Rows of both emulations, a code page and the model variant; the profile
// fuzz target reads back whatever profile it writes.
TEST_F(Quillset, ExportThenImportGivesBackDefaultRowsByteForByte) {
    for (int row : {0, 4, 12, VariantDefaultRow}) {
        const int variant = row == VariantDefaultRow ? 1 : 0;
        SettingsBlock block = CountryDefaultTable[row];
        block.bytes[23] = 0x11;
        block.bytes[28] = 0xE2;
        install(block, variant);
        const Outcome exported = quillset("export \"" + Profile + "\"");
        ASSERT_EQ(exported.code, 0) << exported.err;
        install(CountryDefaultTable[(row + 4) % 16], variant, 7);
        const Outcome imported = quillset("import \"" + Profile + "\"");
        EXPECT_EQ(imported.code, 0) << imported.err;
        EXPECT_EQ(storedBlock(), block) << "row " << row;
        EXPECT_EQ(readProgramDword("SelectedCountry"), 7u);
    }
}

// One line per case, through the real quillset.exe, on Chile's set stored
// for corvex.ini's model and the queues Broken and Office: {P} is the
// profile's Windows path, {C} the capture's (Germany), {u} the folder's Unix
// path. Import names the file and line of a fault, and the model corvex.ini
// names. A command stores nothing but the profile's set (Chile in Roman),
// and only once every queue took it; without a clear choice of queue
// nothing is sent.
TEST_F(Quillset, ScriptsGetTheTrueExitStatusAndOutput) {
    ASSERT_TRUE(addQueue("Office") && addQueue("Broken", ModelDriver, "Z:\\no\\such\\folder\\port.prn"));
    const std::vector<uint8_t> germany = streamOf(CountryDefaultTable[6]);
    std::ofstream(Capture, std::ios::binary)
        .write(reinterpret_cast<const char*>(germany.data()), germany.size());
    const std::string unixDir = std::string(QUILLSET_EXE).substr(0, std::string(QUILLSET_EXE).rfind('/') + 1);
    const std::string table = Dir + "IBM_PC866.PRN";
    ASSERT_TRUE(CopyFileA((windowsPath(CHARACTER_TABLES) + "\\IBM_PC866.PRN").c_str(), table.c_str(), FALSE));
    const std::string bytes = readFileBytes(table);
    const std::vector<uint8_t> page(bytes.begin(), bytes.end());
    const char* roman = "[Profile]\nModel = 0\n[Print Style]\nFont = Roman\n";
    SettingsBlock romanChile = CountryDefaultTable[2];
    romanChile.bytes[4] = 0x06;
    // Of the profile's set, or the character table's page, to Office.
    enum Effect { Nothing, Stored, Sent, StoredAndSent, Page };
    // Models beyond corvex.ini's (which is then 0): Settings stored as 33
    // bytes; Office the only queue; no queue left.
    constexpr int Damaged = 8, OneQueue = 9, NoQueue = 10, Unlisted = 11;
    // clang-format off
    // model: corvex.ini's Model; profile: written to {P} first; text: in standard output or error.
    const struct { int model; const char* profile; const char* arguments; int code; int effect; const char* text; const char* pointer = nullptr; const char* json = nullptr; } cases[] = {
        {0, "[Profile]\nModel = 0\n[Print Style]\nPitch = 12 CPI\nFont = Roma\n", "import {P}", 1, Nothing, "cli-profile.ini:5: Font: \"Roma\" is not one of: Draft,"},
        {0, "[Profile]\nModel = 1\n[Print Style]\nFont = Roman\n", "import {P}", 1, Nothing, "was made for model variant 1, but corvex.ini names the standard model"},
        {7, roman, "import {P}", 0, Stored, "Stored the settings of"},
        {7, roman, "show --json", 0, Nothing, "", "/model", "0"},
        {0, nullptr, "decode {u}cli-capture.prn", 0, Nothing, "\n  International character: Germany\r\n"},
        {0, nullptr, "decode {C}", 0, Nothing, "Stream at offset 0, the standard model (both models show every field), the one the printer keeps:\r\n"},
        {1, nullptr, "decode {C}", 0, Nothing, "Stream at offset 0, model variant 1 (both models show every field)"},
        {0, nullptr, "diff --json --stored {C}", 1, Nothing, "", "/differences/3", R"({"page":"Character set","label":"International character","old":"USA","new":"Germany"})"},
        {0, nullptr, "diff --json --country chile --stored", 0, Nothing, "", "/differences", "[]"},
        {0, nullptr, "queues", 0, Nothing, "Broken\tZ:\\no\\such\\folder\\port.prn\r\nOffice\t"},
        {0, nullptr, "queues --json", 0, Nothing, "", "/queues/1/name", R"("Office")"},
        {0, roman, "send --profile {P}", 2, Nothing, "name them with --queue or use --all:\r\n  Broken\t"},
        {0, nullptr, "send --queue Nowhere", 2, Nothing, "\"Nowhere\" is no queue on this computer's spooler"},
        {0, nullptr, "send --all --queue Office", 2, Nothing, "--queue excludes --all"},
        {0, roman, "send --queue office --profile {P} --wait=20", 0, StoredAndSent, " completed\r\n"},
        {0, roman, "queues --server printhost", 2, Nothing, "--server names a CUPS print server"},
        {0, roman, "send --all --profile {P}", 1, Sent, " queued\r\n"},
        {0, nullptr, "send --queue Broken", 1, Nothing, "Broken (port Z:\\no\\such\\folder\\port.prn): "},
        // A profile means the same to every command: over the stored set.
        {0, "[Profile]\nModel = 0\n[Character set]\nCharacter set = Italic\n", "check {P}", 1, Nothing, "cli-profile.ini:4: Character set: \"Italic\" is not one of: Graphic 1, Graphic 2"},
        {0, roman, "diff --json --stored {P}", 1, Nothing, "", "/differences/1", "null"},
        {0, "[Profile]\nModel = 0\n[Print Style]\nFont = R\xf6man\n", "check --json {P}", 1, Nothing, "R\xc3\xb6man", "/problems/0/line", "4"},
        // A damaged stored set is never read as defaults, nor sent.
        {Damaged, nullptr, "show --stored", 1, Nothing, "the stored settings are unreadable: the registry value Settings"},
        {Damaged, nullptr, "send --queue Office", 1, Nothing, "the stored settings are unreadable"},
        // A character table by the dialog's texts, any case, lists sized by the variant; the page unchanged.
        {1, nullptr, "print-table IBM PC866(Russian) --queue office", 0, Page, ""},
        {0, nullptr, "print-table IBM \"SIC (OKI) 1Pass\"", 2, Nothing, "IBM are ASCII, USA, Multilingual,"},
        {0, nullptr, "print-table EPSON PC866(Russian)", 2, Nothing, "Abicomp, PC855, PC866, USSR GOST,"},
        {0, nullptr, "print-table Star ASCII", 2, Nothing, "the emulations are EPSON, IBM\r\n"},
        {1, nullptr, "print-table IBM \"sic (oki) 1pass\" --queue Office", 1, Nothing, "IBM_SIC_OKI_1PASS.PRN: No such file or directory\r\n"},
        {OneQueue, nullptr, "print-table ibm pc866(russian)", 0, Page, ""},
        {NoQueue, nullptr, "queues --json", 1, Nothing, "", "/problems/0", R"("no queue uses the Velmora DX-4170 driver; add a queue of it first")"},
        {Unlisted, nullptr, "queues", 1, Nothing, "quillset: cannot list the spooler's queues: "},
    };
    // clang-format on
    for (const auto& c : cases) {
        install(CountryDefaultTable[2], c.model >= Damaged ? 0 : c.model, 2);
        if (c.model == Damaged) writeProgramValue("Settings", REG_BINARY, std::string(33, 'x').data(), 33);
        // The rows of one queue come last but the last, which leaves none.
        if (c.model >= OneQueue) deleteQueue(c.model == OneQueue ? "Broken" : "Office");
        removePortFile("Office");
        if (c.profile) std::ofstream(Profile) << c.profile;
        ASSERT_TRUE(c.model != Unlisted || breakQueueList());
        std::string arguments = c.arguments;
        for (const auto& [name, value] :
             {std::pair<std::string, std::string>{"{P}", Profile}, {"{C}", Capture}, {"{u}", unixDir}})
            if (arguments.find(name) != std::string::npos) arguments.replace(arguments.find(name), 3, value);
        expectOutcome(quillset(arguments), arguments, c.code, c.text, c.pointer, c.json);
        mendQueueList();
        EXPECT_EQ(storedBlock(), c.effect & Stored    ? romanChile
                                 : c.model == Damaged ? SettingsBlock{}
                                                      : CountryDefaultTable[2])
            << arguments;
        EXPECT_EQ(readPortFile("Office"), c.effect == Page  ? page
                                          : c.effect & Sent ? streamOf(romanChile)
                                                            : std::vector<uint8_t>())
            << arguments;
    }
}

}  // namespace
