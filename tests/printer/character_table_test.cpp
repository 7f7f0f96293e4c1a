// Character-table printing against Wine's real spooler and files: the lists
// of the "Print Character Table" dialog, the file each entry sends, the one
// document of a successful print, every failure reported to the dialog
// (which stays open), and the sample pages the build writes.
#include <fstream>
#include <random>

#include "printer/character_table_dialog.h"
#include "printer/character_table_print.h"
#include "printer/character_tables.h"
#include "printer_fixture.h"
#include "resource.h"
#include "settings/settings_state.h"
#include "window_cases.h"

namespace {
const std::string Queue = "Tables";

class CharacterTableTest : public PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        ModelVariant = 0;
        removePortFile(Queue);
    }
    void TearDown() override {
        DeleteFileA(path.c_str());
        ModelVariant = 0;
        PrinterTest::TearDown();
    }
    // The file the dialog's second EPSON entry sends, beside this executable.
    const std::string path = testDirectory() + "EPSON_ITALIC.PRN";
};

TEST_F(CharacterTableTest, ListsFollowTheModelAndTheEmulation) {
    for (const auto& [variant, epson, ibm] :
         {std::make_tuple(0, size_t{20}, size_t{19}), std::make_tuple(1, size_t{30}, size_t{29})}) {
        SCOPED_TRACE(variant);
        ModelVariant = static_cast<uint8_t>(variant);
        DialogWatcher watcher;
        watcher.expect([epson = epson, ibm = ibm](HWND dialog) {
            // WM_INITDIALOG answers TRUE, so the system gives the focus to the
            // first control (&Print); Wine's activation would give it there
            // anyway, so the answer itself is read (asking again refills the
            // lists as at the start). Every change of emulation starts again
            // at the first table.
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
            EXPECT_EQ(SendMessageA(dialog, WM_INITDIALOG, 0, 0), TRUE);
            runSteps(dialog,
                     {entries(IDC_TABLE_EMULATION, "EPSON|IBM"), selected(IDC_TABLE_EMULATION, "EPSON"),
                      selected(IDC_TABLE_LIST, "ASCII"), choose(IDC_TABLE_LIST, 5),
                      choose(IDC_TABLE_EMULATION, 1), selected(IDC_TABLE_LIST, "ASCII")});
            const std::vector<std::string> ibmList = listEntries(dialog, IDC_TABLE_LIST);
            runSteps(dialog, {choose(IDC_TABLE_LIST, 3), choose(IDC_TABLE_EMULATION, 0),
                              selected(IDC_TABLE_LIST, "ASCII")});
            const std::vector<std::string> epsonList = listEntries(dialog, IDC_TABLE_LIST);
            EXPECT_EQ(std::make_pair(epsonList.size(), ibmList.size()), std::make_pair(epson, ibm));
            if (epsonList.size() > 1 && ibmList.size() > 9) {
                EXPECT_EQ(epsonList[1] + "|" + ibmList[9], "Italic|PC855(Cyrillic)");
            }
            pressButton(dialog, IDCANCEL);
        });
        EXPECT_EQ(printCharacterTableDialog(owner), -1);
    }
}

TEST_F(CharacterTableTest, NamesTheFileOfEachPositionAndRefusesOthers) {
    struct Case {
        int emulation, position;
        uint8_t variant;
        const char* file;  // nullptr: outside the list
    };
    // clang-format off
    const Case cases[] = {
        {0, 0, 0, "EPSON_ASCII.PRN"},          {0, 1, 0, "EPSON_ITALIC.PRN"},
        {1, 0, 0, "IBM_ASCII.PRN"},            {1, 1, 0, "IBM_USA.PRN"},
        {0, 10, 0, "EPSON_PC855.PRN"},         {1, 9, 0, "IBM_PC855.PRN"},
        {0, 16, 0, "EPSON_ISOLATIN2.PRN"},     {1, 18, 0, "IBM_ISO8859_2.PRN"},
        {0, 19, 0, "EPSON_ISO8859_2.PRN"},     {0, 20, 0, nullptr},
        {1, 19, 0, nullptr},                   {0, 20, 1, "EPSON_KU_EPSON_3PASS.PRN"},
        {1, 22, 1, "IBM_SIC_EPSON_3PASS.PRN"}, {1, 28, 1, "IBM_SIC_OKI_1PASS.PRN"},
        {2, 3, 1, "IBM_CANADA_FRENCH.PRN"},    {1, 29, 1, nullptr},
        {0, -1, 1, nullptr},
    };
    // clang-format on
    ASSERT_TRUE(addQueue(Queue));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.emulation) + "/" + std::to_string(c.position));
        ModelVariant = c.variant;
        std::string found;
        const bool named = characterTablePath(c.emulation, c.position, &found);
        EXPECT_EQ(named ? found : "refused", c.file ? testDirectory() + c.file : "refused");
        if (c.file) continue;
        // Refused before anything is opened: no message (the watcher fails on
        // any dialog), nothing sent.
        DialogWatcher watcher;
        EXPECT_FALSE(printCharacterTable(owner, c.emulation, c.position));
        EXPECT_FALSE(portFileExists(Queue));
    }
}

// A full path of the platform's limit or more names no file it could open.
TEST_F(CharacterTableTest, RefusesAPathOfThePlatformsFullLength) {
    ASSERT_TRUE(addQueue(Queue));
    for (size_t length : {MAX_PATH - 1, MAX_PATH}) {
        const std::string name =
            testDirectory() + std::string(length - testDirectory().size() - 4, 'x') + ".PRN";
        std::ofstream(name, std::ios::binary) << "page";
        removePortFile(Queue);
        EXPECT_EQ(sendCharacterTableFile(Queue, name).messageId, length < MAX_PATH ? 0u : IDS_FILE_NOT_FOUND);
        EXPECT_EQ(portFileExists(Queue), length < MAX_PATH) << length;
        EXPECT_TRUE(DeleteFileA(name.c_str())) << length;
    }
}

// The chosen file goes out whole, several megabytes of it. The port appends
// what each job brings, so a second document would show.
TEST_F(CharacterTableTest, SendsTheChosenFileAsOneDocument) {
    const std::string port = std::string(QUILLSET_BUILD_DIR) + "/ports/appended.prn";
    ASSERT_TRUE(addQueue(Queue, ModelDriver, "|cat >> '" + port + "'"));
    std::string content(6 << 20, '\0');
    std::mt19937 random(4170);
    for (char& byte : content) byte = static_cast<char>(random());
    std::ofstream(testDirectory() + "IBM_USA.PRN", std::ios::binary) << content;
    DeleteFileA(windowsPath(port).c_str());
    DialogWatcher watcher;
    watcher.expect([](HWND dialog) {
        runSteps(dialog, {choose(IDC_TABLE_EMULATION, 1), choose(IDC_TABLE_LIST, 1)});
        pressButton(dialog, IDOK);
    });
    EXPECT_EQ(printCharacterTableDialog(owner), 1);  // and no message box: the watcher fails on one
    EXPECT_TRUE(readFileBytes(windowsPath(port)) == content);
    DeleteFileA((testDirectory() + "IBM_USA.PRN").c_str());
}

// Each failure is reported in one box owned by the dialog, which stays open
// with its choice; nothing reaches the port and the file is closed again.
// The printer is found and opened before the file is looked at.
TEST_F(CharacterTableTest, ReportsEachFailureAndKeepsTheDialogOpen) {
    HANDLE holder = INVALID_HANDLE_VALUE;
    // port, content: nullptr for no queue, no file; message: the text, a closing # standing for an error code.
    // clang-format off
    struct Failure { const char* name; const char* port; const char* content; std::function<void()> arrange; std::string message; };
    // clang-format on
    const std::string missing = "File <" + path + "> could not be find.";
    const Failure failures[] = {
        {"no printer, no file", nullptr, nullptr, {}, "Printer Driver <Velmora DX-4170> is not installed."},
        {"missing file", "", nullptr, {}, missing},
        {"empty file", "", "", {}, "Error occurs in reading file"},
        {"file held open without sharing", "", "page",
         [&] { holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); },
         missing},
        // 4 GB and 16 bytes: the low 32 bits of the size alone would send 16.
        {"file of 4 GB and more", "", "",
         [&] {
             HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
             LONG high = 1;
             SetFilePointer(file, 16, &high, FILE_BEGIN);
             SetEndOfFile(file);
             CloseHandle(file);
         },
         "Error occurs in reading file"},
        // The shared print job's failures (start, write, end) reach the user
        // the same way; the port's failure stands for them here.
        {"EndDocPrinter", "NOWHERE:", "page", {}, "Error in EndDocPrinter Error code = #"},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.name);
        removeAllPrinters();
        DeleteFileA(path.c_str());
        ASSERT_TRUE(!failure.port || addQueue(Queue, ModelDriver, failure.port));
        if (failure.content) std::ofstream(path, std::ios::binary) << failure.content;
        if (failure.arrange) failure.arrange();
        HWND table = nullptr;
        DialogWatcher watcher;
        watcher.expect([&table](HWND dialog) {
            runSteps(table = dialog, {choose(IDC_TABLE_LIST, 1)});
            pressButton(dialog, IDOK);
        });
        watcher.expect([&table](HWND box) {
            HWND dialog = GetWindow(box, GW_OWNER);
            EXPECT_EQ(dialog, table);
            runSteps(dialog, {selected(IDC_TABLE_LIST, "Italic")});
            pressButton(box, IDOK);
            pressButton(dialog, IDCANCEL);  // reaches the dialog once the box has gone
        });
        EXPECT_EQ(printCharacterTableDialog(owner), -1);
        if (holder != INVALID_HANDLE_VALUE) CloseHandle(holder);
        holder = INVALID_HANDLE_VALUE;
        ASSERT_EQ(watcher.seen().size(), 2u);
        EXPECT_EQ(watcher.seen()[0].caption, "Print Character Table");
        expectErrorBox(watcher.seen()[1], failure.message);
        EXPECT_FALSE(portFileExists(Queue));
        // Closed again: the file can be opened without sharing.
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(file == INVALID_HANDLE_VALUE, failure.content == nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
}

// The pages the build writes for the release, one per entry of both lists of
// the variant: each starts and ends with its emulation's reset and selects
// its table by the number the public command references give, typed in here
// from them (ESC/P "ESC ( t" d2 d3, Proprinter "ESC [ T" code page); a table
// no reference numbers is not selected, and its heading says so.
TEST(CharacterTablePages, SelectTheTableByItsPublicNumber) {
    const int N = -1;  // no public number
    const struct {
        const char* word;
        int d2, d3, codePage;
    } pages[] = {
        {"ASCII", N, N, N},  // the 7-bit codes only: no table to select
        {"ITALIC", 0, 0, N},          {"USA", 1, 0, 437},           {"MULTILINGUAL", 3, 0, 850},
        {"CANADA_FRENCH", 8, 0, 863}, {"NORWAY", 9, 0, 865},        {"PORTUGAL", 7, 0, 860},
        {"TURKEY", 11, 0, 857},       {"BRASCII", 25, 0, 1040},     {"ABICOMP", 26, 0, 1041},
        {"PC855", 6, 0, 855},         {"PC866", 14, 0, 866},        {"USSR_GOST", 16, 0, 8572},
        {"POLISH", 27, 0, 8574},      {"CZECH", 28, 0, N},          {"PC852", 10, 0, 852},
        {"ISOLATIN2", 127, 2, 8592},  {"HUNGARIAN", N, N, N},       {"BULGARIA", 32, 0, 1072},
        {"ISO8859_2", 29, 2, 8592},   {"KU_EPSON_3PASS", 18, 0, N}, {"KU_EPSON_1PASS", 18, 0, N},
        {"TIS_IBM_3PASS", 22, 0, N},  {"TIS_IBM_1PASS", 22, 0, N},  {"TIS_EPSON_3PASS", N, N, N},
        {"TIS_EPSON_1PASS", N, N, N}, {"SIC_EPSON_3PASS", N, N, N}, {"SIC_EPSON_1PASS", N, N, N},
        {"SIC_OKI_3PASS", N, N, N},   {"SIC_OKI_1PASS", N, N, N},
    };
    const std::string directory = windowsPath(std::string(QUILLSET_BUILD_DIR) + "/character_tables/");
    const std::string resets[] = {"\x1B@", std::string("\x1B[K\x02\x00\x00\x16", 7)};
    // 10 cpi, then the margins at the first and the 80th column (ESC/P ESC P,
    // ESC l, ESC Q; Proprinter DC2, ESC X).
    const std::string layouts[] = {std::string("\x1BP\x1Bl\x00\x1BQ\x50", 7), "\x12\x1BX\x01\x50"};
    for (const auto& p : pages) {
        const std::string epson =
            std::string("\x1B(t\x03\x00\x01", 6) + char(p.d2) + char(p.d3) + "\x1Bt\x01";
        const std::string ibm =
            std::string("\x1B[T\x04\x00\x00\x00", 7) + char(p.codePage >> 8) + char(p.codePage);
        const struct {
            std::string file, selection, command;
            bool numbered;
        } made[] = {{std::string("EPSON_") + p.word, epson, "\x1B(t", p.d2 != N},
                    {std::string("IBM_") + p.word, ibm, "\x1B[T", p.codePage != N}};
        for (int emulation : {EpsonEmulation, IbmEmulation}) {
            if (emulation == IbmEmulation && std::string(p.word) == "ITALIC") continue;  // no IBM list entry
            const std::string page = readFileBytes(directory + made[emulation].file + ".PRN");
            SCOPED_TRACE(made[emulation].file);
            ASSERT_GT(page.size(), 100u);
            EXPECT_EQ(page.rfind(resets[emulation] + layouts[emulation], 0), 0u);
            EXPECT_EQ(page.substr(page.size() - resets[emulation].size() - 1), "\f" + resets[emulation]);
            EXPECT_EQ(page.find(made[emulation].numbered ? made[emulation].selection
                                                         : made[emulation].command) != std::string::npos,
                      made[emulation].numbered);
            EXPECT_EQ(page.find("No public selection number") != std::string::npos,
                      !made[emulation].numbered && std::string(p.word) != "ASCII");
        }
    }
}
}  // namespace
