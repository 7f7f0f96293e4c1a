// Send Settings below the window, against Wine's real spooler and registry:
// one row per way it can end. The page choices come from a stand-in for the
// main window.
#include <windows.h>

#include <cstring>
#include <functional>

#include "printer_fixture.h"
#include "printer_queues.h"
#include "resource.h"
#include "settings/send_settings.h"
#include "settings/settings_state.h"
#include "settings/transfer_stream.h"
#include "spool_failures.h"
#include "stored_settings.h"
#include "tests/core/hand_blocks.h"

namespace {
int choicesRead = 0;
PageChoices shownChoices(HWND) {
    ++choicesRead;
    return HandBlocks[0].choices;
}

using SendSettingsTest = PrinterTest;

TEST_F(SendSettingsTest, SendsAndStoresOnlyWhenEveryStepSucceeds) {
    std::string spoolFile;  // where the StartDoc and WritePrinter rows plant their obstacle
    struct Row {
        const char* name;
        std::function<void(DialogWatcher&)> arrange;
        const char* message;  // a pattern; nullptr when no message is due
        int choicesRead;
    };
    const Row rows[] = {
        {"sent", [](DialogWatcher&) { ASSERT_TRUE(addQueue("Dot")); }, nullptr, 1},
        {"choice cancelled",
         [](DialogWatcher& watcher) {
             ASSERT_TRUE(addQueue("Alpha"));
             ASSERT_TRUE(addQueue("Dot"));
             watcher.answer(IDCANCEL);
         },
         nullptr, 0},
        {"no queue of the model", [](DialogWatcher&) {},
         "Printer Driver <Velmora DX-4170> is not installed\\.", 0},
        // The confirmed queue is deleted before it can be opened; 1801 is
        // Wine's code for a printer name it does not know.
        {"OpenPrinter",
         [](DialogWatcher& watcher) {
             ASSERT_TRUE(addQueue("Alpha"));
             ASSERT_TRUE(addQueue("Dot"));
             watcher.expect([](HWND dialog) {
                 highlight(dialog, 1);
                 deleteQueue("Dot");
                 pressButton(dialog, IDOK);
             });
         },
         "Error in OpenPrinter Error code = 1801", 0},
        // A directory where the spooler wants to create the job's spool file.
        {"StartDocPrinter",
         [&](DialogWatcher&) {
             ASSERT_TRUE(addQueue("Dot"));
             spoolFile = nextSpoolFilePath("Dot");
             ASSERT_TRUE(CreateDirectoryA(spoolFile.c_str(), nullptr));
         },
         "Error in StartDocPrinter Error code = [1-9][0-9]*", 1},
        // The spool file is /dev/full; the port's directory is missing, so the
        // spooler gives up before it would read /dev/full.
        {"WritePrinter",
         [&](DialogWatcher&) {
             ASSERT_TRUE(addQueue("Dot", ModelDriver, portFilePath("missing\\Dot")));
             spoolFile = nextSpoolFilePath("Dot");
             ASSERT_TRUE(linkToDevFull(spoolFile));
         },
         "Error in WritePrinter Error code = 112", 1},
        // Wine hands the job to the port when the document ends.
        {"EndDocPrinter", [](DialogWatcher&) { ASSERT_TRUE(addQueue("Dot", ModelDriver, "NOWHERE:")); },
         "Error in EndDocPrinter Error code = [1-9][0-9]*", 1},
    };
    // Every byte unlike the hand block's where packing writes; the reserved
    // bytes are the hand block's and must survive.
    SettingsBlock earlier;
    std::memset(earlier.bytes, 0xA5, sizeof earlier.bytes);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(removeSpoolLinks());
        removeAllPrinters();
        removePortFile("Dot");
        storeProgramSettings(7, 0, earlier);
        ModelVariant = 0;
        CountryIndex = 4;
        currentBlock = earlier;
        choicesRead = 0;
        spoolFile.clear();
        bool sent = false;
        {
            DialogWatcher watcher;
            row.arrange(watcher);
            if (row.message)
                watcher.expect([this](HWND box) {
                    EXPECT_EQ(GetWindow(box, GW_OWNER), owner);
                    pressButton(box, IDOK);
                });
            if (!HasFatalFailure()) sent = sendSettings(owner, shownChoices);
            if (row.message && !watcher.seen().empty()) expectErrorBox(watcher.seen().back(), row.message);
        }
        if (!spoolFile.empty()) RemoveDirectoryA(spoolFile.c_str());
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_EQ(sent, row.message == nullptr && row.choicesRead == 1);
        EXPECT_EQ(choicesRead, row.choicesRead);
        const SettingsBlock kept = sent ? HandBlocks[0].block : earlier;
        EXPECT_EQ(currentBlock, kept);
        EXPECT_EQ(storedBlock(), kept);
        EXPECT_EQ(readProgramDword("SelectedCountry"), sent ? 4u : 7u);
        uint8_t stream[TransferStreamBufferSize];
        const size_t length = encodeTransferStream(HandBlocks[0].block, stream, sizeof stream);
        EXPECT_EQ(readPortFile("Dot"),
                  sent ? std::vector<uint8_t>(stream, stream + length) : std::vector<uint8_t>());
    }
    EXPECT_TRUE(removeSpoolLinks());
}
}  // namespace
