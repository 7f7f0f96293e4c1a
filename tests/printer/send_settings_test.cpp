// Send Settings below the window: the printer is found, the pages' choices
// packed, the stream written as one job, the block stored. Real Wine spooler,
// real registry; the page choices come from a stand-in for the main window.
#include <windows.h>

#include <functional>
#include <regex>

#include "printer_fixture.h"
#include "printer_queues.h"
#include "registry.h"
#include "resource.h"
#include "settings/send_settings.h"
#include "settings/settings_state.h"
#include "settings/transfer_stream.h"
#include "spool_failures.h"

namespace {
int choicesRead = 0;
HWND choicesReadFrom = nullptr;

// What the pages would show for the Finland defaults, with the Centering
// Position at 41 and the top-of-form positions at 10 and 5.
PageChoices shownChoices(HWND window) {
    ++choicesRead;
    choicesReadFrom = window;
    return PageChoices{1,    1, 5, 0,             // IBM, Graphic 2, Sweden, code page
                       0,    0, 1, 0, 1,          // Auto CR, Auto LF, Auto load, A.G.M., paper out
                       0,    0, 0, 0, 0,  0,      // zero font, directions, tear off, font, pitch
                       0,    0, 0, 0, 0,  0,  0,  // attributes
                       1,    1, 0, 0, 6,          // Auto online, Auto feed XT Off, buffer, parity, 9600
                       0,    0, 0, 0,             // print pass, polarity, data length, protocol
                       2,    8, 1,                // 10.5 points, 6 lines per inch, 12 inch
                       1980, 0, 0, 0, 80, 41, 10, 5};
}

// The block those choices pack into, starting from StartBlock.
const SettingsBlock ExpectedBlock{{0x75, 0x00, 0x94, 0x00, 0x00, 0x01, 0x20, 0x06, 0x00, 21,   0xB4,
                                   0x00, 0xA0, 0x32, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x50, 0x00,
                                   41,   0xAB, 0x14, 0x00, 0x0A, 0x00, 0x01, 0x02, 0x03, 0x04}};

// A current block whose every byte differs from the packed one where packing
// writes, and whose reserved bytes (23, 28-31) must survive.
const SettingsBlock StartBlock{{0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A,
                                0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A,
                                0x5A, 0xAB, 0x5A, 0x5A, 0x5A, 0x5A, 1,    2,    3,    4}};

std::vector<uint8_t> blockBytes(const SettingsBlock& b) {
    return std::vector<uint8_t>(b.bytes, b.bytes + 32);
}

class SendSettingsTest : public PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        // A run killed inside the write-failure test would leave its link.
        ASSERT_TRUE(removeSpoolLinks());
        ModelVariant = 0;
        CountryIndex = 4;
        currentBlock = StartBlock;
        choicesRead = 0;
        choicesReadFrom = nullptr;
    }

    // Stores an earlier block, as a previous run would have left it.
    void storeEarlierSettings() {
        writeProgramDword("SelectedCountry", 7);
        writeProgramDword("Model", 0);
        writeProgramValue("Settings", REG_BINARY, StartBlock.bytes, sizeof StartBlock.bytes);
    }

    void expectEarlierSettingsKept() {
        EXPECT_EQ(readProgramDword("SelectedCountry"), std::optional<DWORD>(7));
        const auto settings = readProgramValue("Settings");
        ASSERT_TRUE(settings.has_value());
        EXPECT_EQ(settings->data, blockBytes(StartBlock));
        EXPECT_TRUE(currentBlock == StartBlock);
    }
};

TEST_F(SendSettingsTest, WritesTheStreamAsOneJobAndStoresTheBlock) {
    ASSERT_TRUE(addQueue("Dot"));
    removePortFile("Dot");
    DialogWatcher watcher;
    EXPECT_TRUE(sendSettings(owner, shownChoices));
    EXPECT_TRUE(watcher.seen().empty());
    EXPECT_EQ(choicesRead, 1);
    EXPECT_EQ(choicesReadFrom, owner);

    const std::vector<uint8_t> port = readPortFile("Dot");
    uint8_t expected[TransferStreamBufferSize];
    ASSERT_EQ(encodeTransferStream(ExpectedBlock, expected, sizeof expected), 98u);
    ASSERT_EQ(port.size(), 98u);
    EXPECT_EQ(port, std::vector<uint8_t>(expected, expected + 98));

    EXPECT_TRUE(currentBlock == ExpectedBlock);
    const auto settings = readProgramValue("Settings");
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(settings->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(settings->data, blockBytes(ExpectedBlock));
    EXPECT_EQ(readProgramDword("SelectedCountry"), std::optional<DWORD>(4));
    EXPECT_EQ(readProgramDword("Model"), std::optional<DWORD>(0));
}

// Cancel sends nothing, reads no choices and stores nothing; OK sends to the
// confirmed queue only.
TEST_F(SendSettingsTest, SendsOnlyToTheQueueTheUserConfirms) {
    ASSERT_TRUE(addQueue("Alpha"));
    ASSERT_TRUE(addQueue("Bravo"));
    removePortFile("Alpha");
    removePortFile("Bravo");
    storeEarlierSettings();
    {
        DialogWatcher watcher;
        watcher.answer(IDCANCEL);
        EXPECT_FALSE(sendSettings(owner, shownChoices));
        EXPECT_EQ(watcher.seen().size(), 1u) << "Cancel needs no message";
    }
    EXPECT_EQ(choicesRead, 0);
    EXPECT_FALSE(portFileExists("Alpha"));
    EXPECT_FALSE(portFileExists("Bravo"));
    expectEarlierSettingsKept();

    DialogWatcher watcher;
    watcher.expect([](HWND dialog) {
        highlight(dialog, 1);
        pressButton(dialog, IDOK);
    });
    EXPECT_TRUE(sendSettings(owner, shownChoices));
    EXPECT_EQ(watcher.seen().size(), 1u);
    EXPECT_EQ(readPortFile("Bravo").size(), 98u);
    EXPECT_FALSE(portFileExists("Alpha"));
}

// Every way the send can fail is reported to the owner with the program's
// caption and stop icon, and leaves the current block and the stored settings
// as they were.
TEST_F(SendSettingsTest, ReportsEachFailureAndStoresNothing) {
    std::string spoolFile;  // where the StartDoc and WritePrinter cases plant their obstacle
    struct Failure {
        const char* name;
        std::function<void(DialogWatcher&)> arrange;
        const char* message;  // a pattern
        int choicesRead;
    };
    const Failure failures[] = {
        {"no queue of the model", [](DialogWatcher&) {},
         "Printer Driver <Velmora DX-4170> is not installed\\.", 0},
        // The user confirms a queue that is deleted before it can be opened;
        // 1801 is Wine's code for a printer name it does not know.
        {"OpenPrinter",
         [](DialogWatcher& watcher) {
             ASSERT_TRUE(addQueue("Alpha"));
             ASSERT_TRUE(addQueue("Bravo"));
             watcher.expect([](HWND dialog) {
                 highlight(dialog, 1);
                 deleteQueue("Bravo");
                 pressButton(dialog, IDOK);
             });
         },
         "Error in OpenPrinter Error code = 1801", 0},
        // A directory where the spooler wants to create the job's spool file.
        {"StartDocPrinter",
         [&](DialogWatcher&) {
             ASSERT_TRUE(addQueue("Dot"));
             spoolFile = nextSpoolFilePath("Dot");
             ASSERT_FALSE(spoolFile.empty());
             ASSERT_TRUE(CreateDirectoryA(spoolFile.c_str(), nullptr));
         },
         "Error in StartDocPrinter Error code = [1-9][0-9]*", 1},
        // The spool file is /dev/full (ERROR_DISK_FULL). The queue prints to a
        // file in a missing directory, so the spooler gives up before it would
        // read /dev/full.
        {"WritePrinter",
         [&](DialogWatcher&) {
             ASSERT_TRUE(addQueue("Dot", ModelDriver, portFilePath("missing\\Dot")));
             spoolFile = nextSpoolFilePath("Dot");
             ASSERT_FALSE(spoolFile.empty());
             ASSERT_TRUE(linkToDevFull(spoolFile));
         },
         "Error in WritePrinter Error code = 112", 1},
        // Wine hands the job to the port only when the document ends: a
        // command that fails, or a port name no monitor knows, fails EndDoc.
        {"EndDocPrinter, failing command",
         [](DialogWatcher&) { ASSERT_TRUE(addQueue("Dot", ModelDriver, "|exit 3")); },
         "Error in EndDocPrinter Error code = [1-9][0-9]*", 1},
        {"EndDocPrinter, unknown port",
         [](DialogWatcher&) { ASSERT_TRUE(addQueue("Dot", ModelDriver, "NOWHERE:")); },
         "Error in EndDocPrinter Error code = [1-9][0-9]*", 1},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.name);
        removeAllPrinters();
        removePortFile("Alpha");
        removePortFile("Dot");
        storeEarlierSettings();
        currentBlock = StartBlock;
        choicesRead = 0;
        spoolFile.clear();
        DialogWatcher watcher;
        failure.arrange(watcher);
        HWND boxOwner = nullptr;
        watcher.expect([&](HWND box) {
            boxOwner = ownerOf(box);
            pressButton(box, IDOK);
        });
        if (!HasFatalFailure()) {
            EXPECT_FALSE(sendSettings(owner, shownChoices));
        }
        if (!spoolFile.empty()) RemoveDirectoryA(spoolFile.c_str());
        EXPECT_TRUE(removeSpoolLinks());
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_EQ(watcher.pending(), 0u);
        const DialogSnapshot& box = watcher.seen().back();
        expectErrorBox(box, box.text);
        EXPECT_EQ(boxOwner, owner);
        EXPECT_TRUE(std::regex_match(box.text, std::regex(failure.message))) << box.text;
        EXPECT_EQ(choicesRead, failure.choicesRead);
        EXPECT_FALSE(portFileExists("Alpha"));
        EXPECT_FALSE(portFileExists("Dot"));
        expectEarlierSettingsKept();
    }
}
}  // namespace
