// Send Settings below the window: the printer is found, the pages' choices
// packed, the stream written as one job, the block stored. Real Wine spooler,
// real registry; the page choices come from a stand-in for the main window.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <regex>

#include "printer/find_printer.h"
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
    PageChoices c;
    c.emulation = 1;               // IBM
    c.characterSet = 1;            // Graphic 2 under IBM
    c.internationalCharacter = 5;  // Sweden
    c.codePage = 0;
    c.autoCR = 0;
    c.autoLF = 0;
    c.autoLoad = 1;
    c.agm = 0;
    c.paperOutDetect = 1;
    c.zeroFont = 0;
    c.graphicDirection = 0;
    c.textDirection = 0;
    c.tearOff = 0;
    c.font = 0;
    c.pitch = 0;
    c.shadow = c.outline = c.doubleWide = c.doubleStrike = c.bold = c.doubleHigh = c.italics = 0;
    c.autoOnline = 1;
    c.autoFeedXT = 1;  // Off
    c.bufferControl = 0;
    c.parity = 0;
    c.baudRate = 6;  // 9600
    c.printPass = 0;
    c.signalPolarity = 0;
    c.dataLength = 0;
    c.protocol = 0;
    c.pointSize = 2;    // 10.5
    c.lineSpacing = 8;  // 6 lines per inch
    c.pageLength = 1;   // 12 inch
    c.freePageLength = 1980;
    c.topMargin = 0;
    c.bottomMargin = 0;
    c.leftMargin = 0;
    c.rightMargin = 80;
    c.centeringPosition = 41;
    c.tractor = 10;
    c.friction = 5;
    return c;
}

// The block those choices pack into, starting from `startBlock()`.
SettingsBlock expectedBlock() {
    return SettingsBlock{{0x75, 0x00, 0x94, 0x00, 0x00, 0x01, 0x20, 0x06, 0x00, 21,   0xB4,
                          0x00, 0xA0, 0x32, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x50, 0x00,
                          41,   0xAB, 0x14, 0x00, 0x0A, 0x00, 0x01, 0x02, 0x03, 0x04}};
}

// A current block whose every byte differs from the packed one where packing
// writes, and whose reserved bytes must survive.
SettingsBlock startBlock() {
    SettingsBlock b;
    std::fill(std::begin(b.bytes), std::end(b.bytes), 0x5A);
    b.bytes[23] = 0xAB;
    b.bytes[28] = 1;
    b.bytes[29] = 2;
    b.bytes[30] = 3;
    b.bytes[31] = 4;
    return b;
}

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
        currentBlock = startBlock();
        choicesRead = 0;
        choicesReadFrom = nullptr;
    }

    // Stores an earlier block, as a previous run would have left it.
    void storeEarlierSettings() {
        SettingsBlock earlier = startBlock();
        writeProgramDword("SelectedCountry", 7);
        writeProgramDword("Model", 0);
        writeProgramValue("Settings", REG_BINARY, earlier.bytes, sizeof earlier.bytes);
    }

    void expectEarlierSettingsKept() {
        EXPECT_EQ(readProgramDword("SelectedCountry"), std::optional<DWORD>(7));
        const auto settings = readProgramValue("Settings");
        ASSERT_TRUE(settings.has_value());
        EXPECT_EQ(settings->data, blockBytes(startBlock()));
        EXPECT_TRUE(currentBlock == startBlock());
    }

    // Sends expecting one error report owned by `owner`; returns its text.
    std::string sendExpectingError(DialogWatcher& watcher) {
        HWND boxOwner = nullptr;
        watcher.expect([&](HWND box) {
            boxOwner = ownerOf(box);
            pressButton(box, IDOK);
        });
        EXPECT_FALSE(sendSettings(owner, shownChoices));
        EXPECT_EQ(watcher.pending(), 0u);
        if (watcher.seen().empty()) return std::string();
        const DialogSnapshot& box = watcher.seen().back();
        expectErrorBox(box, box.text);
        EXPECT_EQ(boxOwner, owner);
        return box.text;
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
    ASSERT_EQ(encodeTransferStream(expectedBlock(), expected, sizeof expected), 98u);
    ASSERT_EQ(port.size(), 98u);
    EXPECT_EQ(port, std::vector<uint8_t>(expected, expected + 98));
    // The frames as the printer reads them.
    const std::vector<uint8_t> firstHeader = {0x1B, 0x1B, 0x00, '7', '4', '2', 0x00, 0x02, 0x00, 0x17};
    EXPECT_TRUE(std::equal(firstHeader.begin(), firstHeader.end(), port.begin()));
    EXPECT_EQ(port[10], 0x05);  // byte 0 = 0x75, low nibble first
    EXPECT_EQ(port[11], 0x07);
    EXPECT_EQ(port[30], 0x04);  // lineSpacing 180 = 0xB4
    EXPECT_EQ(port[31], 0x0B);
    EXPECT_EQ(port[54], 0x09);  // Centering Position 41 = 0x29
    EXPECT_EQ(port[55], 0x02);
    const std::vector<uint8_t> secondHeader = {0x1B, 0x1B, 0x00, '7', '4', '2', 0x00, 0x02, 0x18, 0x08};
    EXPECT_TRUE(std::equal(secondHeader.begin(), secondHeader.end(), port.begin() + 56));
    EXPECT_EQ(port[66], 0x04);  // tractorTof 20 = 0x14
    EXPECT_EQ(port[67], 0x01);
    EXPECT_EQ(port[80], 0x04);  // reserved byte 31 carried over from the current block
    EXPECT_EQ(port[89], 0x06);
    EXPECT_EQ(port[97], 0x05);

    EXPECT_TRUE(currentBlock == expectedBlock());
    const auto settings = readProgramValue("Settings");
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(settings->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(settings->data, blockBytes(expectedBlock()));
    EXPECT_EQ(readProgramDword("SelectedCountry"), std::optional<DWORD>(4));
    EXPECT_EQ(readProgramDword("Model"), std::optional<DWORD>(0));
}

TEST_F(SendSettingsTest, SendsToTheQueueTheUserChose) {
    ASSERT_TRUE(addQueue("Alpha"));
    ASSERT_TRUE(addQueue("Bravo"));
    removePortFile("Alpha");
    removePortFile("Bravo");
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

TEST_F(SendSettingsTest, CancellingTheChoiceSendsAndStoresNothing) {
    ASSERT_TRUE(addQueue("Alpha"));
    ASSERT_TRUE(addQueue("Bravo"));
    removePortFile("Alpha");
    removePortFile("Bravo");
    storeEarlierSettings();
    DialogWatcher watcher;
    watcher.answer(IDCANCEL);
    EXPECT_FALSE(sendSettings(owner, shownChoices));
    EXPECT_EQ(watcher.seen().size(), 1u) << "Cancel needs no message";
    EXPECT_EQ(choicesRead, 0);
    EXPECT_FALSE(portFileExists("Alpha"));
    EXPECT_FALSE(portFileExists("Bravo"));
    expectEarlierSettingsKept();
}

TEST_F(SendSettingsTest, NoPrinterOfTheModelStoresNothing) {
    storeEarlierSettings();
    DialogWatcher watcher;
    EXPECT_EQ(sendExpectingError(watcher), "Printer Driver <Velmora DX-4170> is not installed.");
    EXPECT_EQ(choicesRead, 0);
    expectEarlierSettingsKept();
}

// The user confirms a queue that is deleted before it can be opened.
TEST_F(SendSettingsTest, ReportsAQueueThatCannotBeOpened) {
    ASSERT_TRUE(addQueue("Alpha"));
    ASSERT_TRUE(addQueue("Bravo"));
    removePortFile("Alpha");
    storeEarlierSettings();
    DialogWatcher watcher;
    watcher.expect([](HWND dialog) {
        highlight(dialog, 1);
        deleteQueue("Bravo");
        pressButton(dialog, IDOK);
    });
    const std::string text = sendExpectingError(watcher);
    // Wine's code for a printer name it does not know.
    EXPECT_EQ(text, "Error in OpenPrinter Error code = 1801");
    EXPECT_EQ(choicesRead, 0);
    EXPECT_FALSE(portFileExists("Alpha"));
    expectEarlierSettingsKept();
}

// A directory where the spooler wants to create the job's spool file.
TEST_F(SendSettingsTest, ReportsADocumentThatCannotBeStarted) {
    ASSERT_TRUE(addQueue("Dot"));
    removePortFile("Dot");
    storeEarlierSettings();
    const std::string spoolFile = nextSpoolFilePath("Dot");
    ASSERT_FALSE(spoolFile.empty());
    ASSERT_TRUE(CreateDirectoryA(spoolFile.c_str(), nullptr));
    DialogWatcher watcher;
    const std::string text = sendExpectingError(watcher);
    RemoveDirectoryA(spoolFile.c_str());
    EXPECT_TRUE(std::regex_match(text, std::regex("Error in StartDocPrinter Error code = [1-9][0-9]*")))
        << text;
    EXPECT_FALSE(portFileExists("Dot"));
    expectEarlierSettingsKept();
}

// The job's spool file is /dev/full. Its queue prints to a file in a missing
// directory, so the spooler gives up before it would read /dev/full.
TEST_F(SendSettingsTest, ReportsAStreamThatCannotBeWritten) {
    ASSERT_TRUE(addQueue("Dot", ModelDriver, portFilePath("missing\\Dot")));
    storeEarlierSettings();
    const std::string spoolFile = nextSpoolFilePath("Dot");
    ASSERT_FALSE(spoolFile.empty());
    struct LinkRemover {
        ~LinkRemover() { EXPECT_TRUE(removeSpoolLinks()); }
    } removeLinkAfterwards;
    ASSERT_TRUE(linkToDevFull(spoolFile));
    DialogWatcher watcher;
    const std::string text = sendExpectingError(watcher);
    EXPECT_EQ(text, "Error in WritePrinter Error code = 112");  // ERROR_DISK_FULL
    EXPECT_EQ(choicesRead, 1);
    expectEarlierSettingsKept();
}

// Wine hands the job to the port only when the document ends: a command that
// fails, or a port name no monitor knows, fails EndDocPrinter.
TEST_F(SendSettingsTest, ReportsADocumentThatCannotBeEnded) {
    for (const char* port : {"|exit 3", "NOWHERE:"}) {
        SCOPED_TRACE(port);
        removeAllPrinters();
        ASSERT_TRUE(addQueue("Dot", ModelDriver, port));
        storeEarlierSettings();
        DialogWatcher watcher;
        const std::string text = sendExpectingError(watcher);
        EXPECT_TRUE(std::regex_match(text, std::regex("Error in EndDocPrinter Error code = [1-9][0-9]*")))
            << text;
        EXPECT_EQ(choicesRead, 1);
        expectEarlierSettingsKept();
        choicesRead = 0;
    }
}
}  // namespace
