// Reaching the printer and Send Settings below the window, against Wine's
// real spooler and registry: finding the model's queue, the Select Printer
// dialog, and one row per way a send can end. The page choices come from a
// stand-in for the main window.
#include <cstring>
#include <array>

#include "printer_fixture.h"
#include "remote_window.h"
#include "resource.h"
#include "printer/model_printers.h"
#include "printer/send_settings.h"
#include "settings/settings_state.h"
#include "spool_failures.h"
#include "tests/core/hand_blocks.h"
#include "window_cases.h"

namespace {
using Names = std::vector<std::string>;

class FindPrinterTest : public PrinterTest {
protected:
    // findModelPrinter with `handler` answering the Select Printer dialog.
    bool choose(std::string* name, DialogWatcher::Handler handler) {
        DialogWatcher watcher;
        watcher.expect([this, handler](HWND dialog) {
            EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
            handler(dialog);
            if (HasFatalFailure()) pressButton(dialog, IDCANCEL);
        });
        return findModelPrinter(owner, name);
    }
};

// Only queues of the model are listed; the port follows the highlight; the
// choice is remembered for the run. Opened again, the dialog starts on it and
// refills when the printers change; with none left nothing can be confirmed.
TEST_F(FindPrinterTest, DialogListsOnlyMatchesFollowsTheHighlightAndRefills) {
    ASSERT_TRUE(addQueue("Alpha"));
    ASSERT_TRUE(addQueue("Bravo", "Other Driver"));
    ASSERT_TRUE(addQueue("Charlie"));
    windowState.rememberedPrinterName = "Zulu";  // not listed: the first entry is selected
    std::string name;
    EXPECT_TRUE(choose(&name, [](HWND dialog) {
        EXPECT_EQ(listEntries(dialog, IDC_PRINTER_LIST), (Names{"Alpha", "Charlie"}));
        EXPECT_EQ(controlText(dialog, IDC_PRINTER_PORT), portFilePath("Alpha"));
        runSteps(dialog, {::choose(IDC_PRINTER_LIST, 1)});
        EXPECT_EQ(controlText(dialog, IDC_PRINTER_PORT), portFilePath("Charlie"));
        pressButton(dialog, IDOK);
    }));
    EXPECT_EQ(name, "Charlie");
    EXPECT_FALSE(choose(&name, [](HWND dialog) {
        EXPECT_EQ(selectedText(dialog, IDC_PRINTER_LIST), "Charlie");
        ASSERT_TRUE(deleteQueue("Bravo") && addQueue("Bravo"));
        SendMessageA(dialog, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("devices"));
        EXPECT_EQ(listEntries(dialog, IDC_PRINTER_LIST), (Names{"Alpha", "Bravo", "Charlie"}));
        for (const char* queue : {"Alpha", "Bravo", "Charlie"}) ASSERT_TRUE(deleteQueue(queue));
        SendMessageA(dialog, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("devices"));
        EXPECT_TRUE(listEntries(dialog, IDC_PRINTER_LIST).empty());
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
        pressButton(dialog, IDCANCEL);
    }));
    EXPECT_EQ(name, "Charlie");  // Cancel hands back nothing and forgets nothing
    EXPECT_EQ(windowState.rememberedPrinterName, "Charlie");
}

// Between the user's OK and the lookup after it, position 1 may be gone or
// hold another queue; the name handed back is the one the user chose, whole
// however long it is.
TEST_F(FindPrinterTest, HandsBackTheConfirmedQueueWhateverHappensToTheSpooler) {
    const std::string longName = "B" + std::string(200, 'y');
    for (const Names& deleted : {Names{"Alpha", longName}, Names{"Alpha"}}) {
        removeAllPrinters();
        for (const std::string& queue : {std::string("Alpha"), longName, std::string("Charlie")})
            ASSERT_TRUE(addQueue(queue, ModelDriver, portFilePath(queue.substr(0, 5))));
        std::string name;
        EXPECT_TRUE(choose(&name, [&](HWND dialog) {
            runSteps(dialog, {::choose(IDC_PRINTER_LIST, 1)});
            for (const std::string& queue : deleted) ASSERT_TRUE(deleteQueue(queue));
            pressButton(dialog, IDOK);
        }));
        EXPECT_EQ(name, longName) << deleted.size();
    }
}

// A spooler list that cannot be read (here a queue's registry key is a link
// to no key) is a failed enumeration, not an empty one.
TEST_F(FindPrinterTest, AnUnreadableQueueListIsAFailure) {
    ASSERT_TRUE(addQueue("Alpha"));
    ASSERT_TRUE(breakQueueList());
    std::vector<PrinterRecord> matches;
    EXPECT_FALSE(enumerateModelPrinters(&matches));
    mendQueueList();
    EXPECT_TRUE(enumerateModelPrinters(&matches) && matches.size() == 1);
}

PageChoices shownChoices(HWND) { return HandBlocks[0].choices; }

using SendSettingsTest = PrinterTest;

TEST_F(SendSettingsTest, SendsAndStoresOnlyWhenEveryStepSucceeds) {
    std::string spoolFile;  // where the StartDoc and WritePrinter rows plant their obstacle
    enum Obstacle { None, Cancel, DeleteChosen, Directory, DevFull };
    struct Row {
        const char* name;
        std::vector<std::array<std::string, 3>> queues;  // name, driver, port
        Obstacle obstacle;
        const char* message;  // nullptr when no message is due
    };
    const std::string model = ModelDriver, other = "Other Driver";
    // clang-format off
    const Row rows[] = {
        // The only queue of the model is taken without a dialog; the driver
        // name is compared without regard to case.
        {"sent", {{"Office", other, ""}, {"Dot", "VELMORA DX-4170", ""}}, None, nullptr},
        {"choice cancelled", {{"Alpha", model, ""}, {"Dot", model, ""}}, Cancel, nullptr},
        // Queues of other drivers only, one whose name merely starts like the model's.
        {"no queue of the model", {{"Office", other, ""}, {"Plotter", "Velmora DX-4170 Plus", ""}}, None, "Printer Driver <Velmora DX-4170> is not installed."},
        // The confirmed queue is deleted before it can be opened; 1801 is
        // Wine's code for a printer name it does not know.
        {"OpenPrinter", {{"Alpha", model, ""}, {"Dot", model, ""}}, DeleteChosen, "Error in OpenPrinter Error code = 1801"},
        // A directory where the spooler wants to create the job's spool file.
        {"StartDocPrinter", {{"Dot", model, ""}}, Directory, "Error in StartDocPrinter Error code = #"},
        // The spool file is /dev/full; the port's directory is missing, so the
        // spooler gives up before it would read /dev/full.
        {"WritePrinter", {{"Dot", model, portFilePath("missing\\Dot")}}, DevFull, "Error in WritePrinter Error code = 112"},
        // Wine hands the job to the port when the document ends.
        {"EndDocPrinter", {{"Dot", model, "NOWHERE:"}}, None, "Error in EndDocPrinter Error code = #"},
    };
    // clang-format on
    // Every byte unlike the hand block's where packing writes; the reserved
    // bytes are the hand block's and must survive.
    SettingsBlock earlier;
    std::memset(earlier.bytes, 0xA5, sizeof earlier.bytes);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        removeAllPrinters();
        removePortFile("Dot");
        storeProgramSettings(7, 0, earlier);
        ModelVariant = 0;
        CountryIndex = 4;
        currentBlock = earlier;
        spoolFile.clear();
        bool sent = false;
        {
            DialogWatcher watcher;
            for (const auto& queue : row.queues) ASSERT_TRUE(addQueue(queue[0], queue[1], queue[2]));
            if (row.obstacle >= Directory) spoolFile = nextSpoolFilePath("Dot");
            ASSERT_TRUE(row.obstacle != Directory || CreateDirectoryA(spoolFile.c_str(), nullptr));
            ASSERT_TRUE(row.obstacle != DevFull || linkToDevFull(spoolFile));
            if (row.obstacle == Cancel) watcher.answer(IDCANCEL);
            if (row.obstacle == DeleteChosen)
                watcher.expect([](HWND dialog) {
                    runSteps(dialog, {choose(IDC_PRINTER_LIST, 1)});
                    deleteQueue("Dot");
                    pressButton(dialog, IDOK);
                });
            if (row.message)
                watcher.expect([this](HWND box) {
                    EXPECT_EQ(GetWindow(box, GW_OWNER), owner);
                    pressButton(box, IDOK);
                });
            sent = sendSettings(owner, shownChoices);
            if (row.message && !watcher.seen().empty()) expectErrorBox(watcher.seen().back(), row.message);
        }
        if (!spoolFile.empty()) {
            EXPECT_TRUE(row.obstacle == Directory ? RemoveDirectoryA(spoolFile.c_str())
                                                  : removeDevFullLink(spoolFile));
        }
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_EQ(sent, row.message == nullptr && row.obstacle != Cancel);
        const SettingsBlock kept = sent ? HandBlocks[0].block : earlier;
        EXPECT_EQ(currentBlock, kept);
        EXPECT_EQ(storedBlock(), kept);
        EXPECT_EQ(readProgramDword("SelectedCountry"), sent ? 4u : 7u);
        EXPECT_EQ(readPortFile("Dot"), sent ? streamOf(HandBlocks[0].block) : std::vector<uint8_t>());
    }
}
}  // namespace
