// Character-table printing against Wine's real spooler and files: the lists
// of the "Print Character Table" dialog, the file each entry sends, the one
// document of a successful print, every failure reported to the dialog
// (which stays open), and the sample pages the build writes.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <regex>

#include "printer/character_table_dialog.h"
#include "printer/character_table_print.h"
#include "printer/character_tables.h"
#include "printer_fixture.h"
#include "printer_queues.h"
#include "resource.h"
#include "settings/settings_state.h"

namespace {
const std::string Queue = "Tables";

std::string testDirectory() {
    char path[MAX_PATH];
    const std::string module(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return module.substr(0, module.rfind('\\') + 1);
}

std::string windowsPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The entries of a drop-down list and its selected position.
struct ListState {
    std::vector<std::string> entries;
    int selected;
};

ListState listState(HWND dialog, int id) {
    ListState state{{}, static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0))};
    const LRESULT count = SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[256] = {};
        SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        state.entries.push_back(text);
    }
    return state;
}

// Picks entry `index` as a user does: the selection moves and the list tells
// the dialog.
void choose(HWND dialog, int id, int index) {
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

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
    void writeItalic(const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

    const std::string path = testDirectory() + "EPSON_ITALIC.PRN";
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
        ListState emulations, epson, ibm, epsonAgain;
        DialogWatcher watcher;
        watcher.expect([&](HWND dialog) {
            emulations = listState(dialog, IDC_TABLE_EMULATION);
            epson = listState(dialog, IDC_TABLE_LIST);
            SendDlgItemMessageA(dialog, IDC_TABLE_LIST, CB_SETCURSEL, 5, 0);
            choose(dialog, IDC_TABLE_EMULATION, 1);
            ibm = listState(dialog, IDC_TABLE_LIST);
            SendDlgItemMessageA(dialog, IDC_TABLE_LIST, CB_SETCURSEL, 3, 0);
            choose(dialog, IDC_TABLE_EMULATION, 0);
            epsonAgain = listState(dialog, IDC_TABLE_LIST);
            pressButton(dialog, IDCANCEL);
        });
        EXPECT_EQ(printCharacterTableDialog(owner), -1);
        EXPECT_EQ(emulations.entries, (std::vector<std::string>{"EPSON", "IBM"}));
        EXPECT_EQ(emulations.selected, 0);
        ASSERT_EQ(epson.entries.size(), c.epsonLength);
        ASSERT_EQ(ibm.entries.size(), c.ibmLength);
        EXPECT_EQ(epson.entries[1], "Italic");
        EXPECT_EQ(ibm.entries[9], "PC855(Cyrillic)");
        EXPECT_EQ(epson.entries.back(), c.last);
        EXPECT_EQ(ibm.entries.back(), c.last);
        EXPECT_EQ(std::count(ibm.entries.begin(), ibm.entries.end(), "Italic"), 0);
        // Every change of emulation starts again at the first table.
        EXPECT_EQ(epsonAgain.entries, epson.entries);
        EXPECT_EQ((std::vector<int>{epson.selected, ibm.selected, epsonAgain.selected}),
                  std::vector<int>(3, 0));
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

// The chosen file goes out whole, several megabytes included. The port
// appends what each job brings, so a second document would show. (The
// document's name and its one write are checked in the spooler's trace by
// the test printer_tests_table_document.)
TEST_F(CharacterTableTest, SendsTheChosenFileAsOneDocument) {
    const std::string port = std::string(QUILLSET_BUILD_DIR) + "/ports/appended.prn";
    ASSERT_TRUE(addQueue(Queue, ModelDriver, "|cat >> '" + port + "'"));
    std::mt19937 random(4170);
    for (const auto& [emulation, name, size] :
         {std::make_tuple(0, "EPSON_ITALIC.PRN", 3000), std::make_tuple(1, "IBM_USA.PRN", 6 << 20)}) {
        SCOPED_TRACE(name);
        std::string content(static_cast<size_t>(size), '\0');
        for (char& byte : content) byte = static_cast<char>(random());
        std::ofstream(testDirectory() + name, std::ios::binary) << content;
        DeleteFileA(windowsPath(port).c_str());
        DialogWatcher watcher;
        watcher.expect([emulation = emulation](HWND dialog) {
            choose(dialog, IDC_TABLE_EMULATION, emulation);
            choose(dialog, IDC_TABLE_LIST, 1);
            pressButton(dialog, IDOK);
        });
        EXPECT_EQ(printCharacterTableDialog(owner), 1);
        EXPECT_EQ(watcher.seen().size(), 1u) << "no message box";
        EXPECT_TRUE(readFile(windowsPath(port)) == content);
        DeleteFileA((testDirectory() + name).c_str());
    }
}

// Each failure is reported in one box owned by the dialog, which stays open
// with its choice; nothing reaches the port and the file is closed again.
// The printer is found and opened before the file is looked at.
TEST_F(CharacterTableTest, ReportsEachFailureAndKeepsTheDialogOpen) {
    HANDLE holder = INVALID_HANDLE_VALUE;
    struct Failure {
        const char* name;
        const char* port;     // nullptr: no queue
        const char* content;  // nullptr: no file
        std::function<void()> arrange;
        std::string message;  // a pattern
    };
    const std::string quotedPath = std::regex_replace(path, std::regex(R"([\\.])"), R"(\$&)");
    const Failure failures[] = {
        {"no printer, no file", nullptr, nullptr, {}, "Printer Driver <Velmora DX-4170> is not installed\\."},
        {"missing file", "", nullptr, {}, "File <" + quotedPath + "> could not be find\\."},
        {"empty file", "", "", {}, "Error occurs in reading file"},
        {"file held open without sharing", "", "page",
         [&] { holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); },
         "File <" + quotedPath + "> could not be find\\."},
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
        {"EndDocPrinter", "NOWHERE:", "page", {}, "Error in EndDocPrinter Error code = [1-9][0-9]*"},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.name);
        removeAllPrinters();
        DeleteFileA(path.c_str());
        ASSERT_TRUE(!failure.port || addQueue(Queue, ModelDriver, failure.port));
        if (failure.content) writeItalic(failure.content);
        if (failure.arrange) failure.arrange();
        char ownerCaption[64] = "";
        int tableShown = -2;
        DialogWatcher watcher;
        watcher.expect([](HWND dialog) {
            choose(dialog, IDC_TABLE_LIST, 1);
            pressButton(dialog, IDOK);
        });
        watcher.expect([&](HWND box) {
            GetWindowTextA(ownerOf(box), ownerCaption, sizeof ownerCaption);
            tableShown = listState(ownerOf(box), IDC_TABLE_LIST).selected;
            pressButton(box, IDOK);
            pressButton(ownerOf(box), IDCANCEL);  // reaches the dialog once the box has gone
        });
        EXPECT_EQ(printCharacterTableDialog(owner), -1);
        if (holder != INVALID_HANDLE_VALUE) CloseHandle(holder);
        holder = INVALID_HANDLE_VALUE;
        ASSERT_EQ(watcher.seen().size(), 2u);
        const DialogSnapshot& box = watcher.seen()[1];
        expectErrorBox(box, box.text);
        EXPECT_TRUE(std::regex_match(box.text, std::regex(failure.message))) << box.text;
        EXPECT_STREQ(ownerCaption, "Print Character Table");
        EXPECT_EQ(tableShown, 1);
        EXPECT_FALSE(portFileExists(Queue));
        // Closed again: the file can be opened without sharing.
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(file == INVALID_HANDLE_VALUE, failure.content == nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
}

// The pages the build writes for the release: one per entry of both lists of
// the variant (which hold the standard model's too), each a raw page that
// starts with the emulation's reset and prints the grid with hex values.
// (That the release holds these 59 and nothing more is checked where it is
// made.)
TEST(CharacterTablePages, TheBuildWritesOnePagePerTable) {
    const std::string directory = windowsPath(std::string(QUILLSET_BUILD_DIR) + "/character_tables/");
    const char* const resets[] = {"\x1B@", "\x1B[K"};  // ESC/P; Proprinter "set initial conditions"
    for (int emulation : {EpsonEmulation, IbmEmulation}) {
        for (int position = 0; position < characterTableCount(emulation, 1); ++position) {
            const char* name = characterTableFileName(emulation, position, 1);
            SCOPED_TRACE(name);
            const std::string page = readFile(directory + name);
            EXPECT_EQ(page.compare(0, strlen(resets[emulation]), resets[emulation]), 0);
            EXPECT_NE(page.find("41 A  42 B"), std::string::npos);
        }
    }
}
}  // namespace
