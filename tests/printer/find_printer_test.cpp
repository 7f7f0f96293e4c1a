// Finding the model's queue among the spooler's printers, and the Select
// Printer dialog, against Wine's real spooler.
#include <windows.h>

#include "printer/find_printer.h"
#include "printer_fixture.h"
#include "printer_queues.h"
#include "resource.h"

namespace {
// Wine lists queues by name, so these names fix the spooler's order.
const std::string Alpha = "Alpha", Bravo = "Bravo", Charlie = "Charlie";

class FindPrinterTest : public PrinterTest {
protected:
    // Runs findModelPrinter with `handler` answering the Select Printer dialog.
    bool choose(std::string* name, DialogWatcher::Handler handler) {
        DialogWatcher watcher;
        watcher.expect([handler](HWND dialog) {
            handler(dialog);
            // A failed assertion left the handler early: close the dialog
            // instead of leaving the test waiting on it.
            if (::testing::Test::HasFatalFailure()) pressButton(dialog, IDCANCEL);
        });
        const bool found = findModelPrinter(owner, name);
        EXPECT_EQ(watcher.pending(), 0u) << "the Select Printer dialog never opened";
        EXPECT_EQ(watcher.seen().size(), 1u) << "a message box appeared besides the dialog";
        for (const auto& seen : watcher.seen())
            EXPECT_TRUE(seen.expected) << seen.caption << ": " << seen.text;
        return found;
    }
};

TEST_F(FindPrinterTest, ReportsNotInstalledWithoutAQueueOfTheModelsDriver) {
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "no printers" : "other drivers only");
        if (round == 1) {
            ASSERT_TRUE(addQueue("Office", "Other Driver"));
            ASSERT_TRUE(addQueue("Plotter", "Velmora DX-4170 Plus"));
        }
        DialogWatcher watcher;
        HWND boxOwner = nullptr;
        watcher.expect([&](HWND box) {
            boxOwner = ownerOf(box);
            pressButton(box, IDOK);
        });
        std::string name = "unchanged";
        EXPECT_FALSE(findModelPrinter(owner, &name));
        ASSERT_EQ(watcher.seen().size(), 1u);
        expectErrorBox(watcher.seen()[0], "Printer Driver <Velmora DX-4170> is not installed.");
        EXPECT_EQ(boxOwner, owner);
        EXPECT_EQ(name, "unchanged");
    }
}

// One match is taken without a dialog, whatever is remembered, and the
// driver name is compared without regard to case.
TEST_F(FindPrinterTest, TakesTheOnlyMatchWithoutAsking) {
    ASSERT_TRUE(addQueue("Office", "Other Driver"));
    ASSERT_TRUE(addQueue("Shouting", "VELMORA DX-4170"));
    rememberedPrinterName = "Office";
    DialogWatcher watcher;
    std::string name;
    EXPECT_TRUE(findModelPrinter(owner, &name));
    EXPECT_EQ(name, "Shouting");
    EXPECT_TRUE(watcher.seen().empty());
    EXPECT_EQ(rememberedPrinterName, "Office");
}

TEST_F(FindPrinterTest, DialogListsOnlyMatchesAndFollowsTheHighlightedPort) {
    ASSERT_TRUE(addQueue(Alpha));
    ASSERT_TRUE(addQueue(Bravo, "Other Driver"));
    ASSERT_TRUE(addQueue(Charlie));
    std::string name;
    const bool found = choose(&name, [&](HWND dialog) {
        EXPECT_EQ(ownerOf(dialog), owner);
        EXPECT_EQ(snapshotDialog(dialog).caption, "Select Printer");
        RECT window, client;
        GetWindowRect(dialog, &window);
        GetClientRect(dialog, &client);
        EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - client.right) / 2);
        EXPECT_EQ(window.top,
                  (GetSystemMetrics(SM_CYSCREEN) - client.bottom - GetSystemMetrics(SM_CYCAPTION)) / 2);

        EXPECT_EQ(listEntries(dialog), (std::vector<std::string>{Alpha, Charlie}));
        EXPECT_EQ(selectedEntry(dialog), 0);
        EXPECT_EQ(portText(dialog), portFilePath(Alpha));
        highlight(dialog, 1);
        EXPECT_EQ(portText(dialog), portFilePath(Charlie));
        // A double-click is not a confirmation.
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PRINTER_LIST, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_PRINTER_LIST)));
        EXPECT_TRUE(IsWindow(dialog));
        pressButton(dialog, IDOK);
    });
    EXPECT_TRUE(found);
    EXPECT_EQ(name, Charlie);
    EXPECT_EQ(rememberedPrinterName, Charlie);

    // Opened again in the same run, the dialog starts on the confirmed queue;
    // Cancel then ends the search quietly and forgets nothing.
    name = "unchanged";
    EXPECT_FALSE(choose(&name, [&](HWND dialog) {
        EXPECT_EQ(selectedEntry(dialog), 1);
        EXPECT_EQ(portText(dialog), portFilePath(Charlie));
        pressButton(dialog, IDCANCEL);
    }));
    EXPECT_EQ(name, "unchanged");
    EXPECT_EQ(rememberedPrinterName, Charlie);

    // A remembered queue that is no longer listed selects the first entry.
    rememberedPrinterName = "Zulu";
    EXPECT_TRUE(choose(&name, [&](HWND dialog) {
        EXPECT_EQ(selectedEntry(dialog), 0);
        EXPECT_EQ(portText(dialog), portFilePath(Alpha));
        pressButton(dialog, IDOK);
    }));
    EXPECT_EQ(name, Alpha);
}

TEST_F(FindPrinterTest, DialogRefillsWhenThePrintersChange) {
    ASSERT_TRUE(addQueue(Alpha));
    ASSERT_TRUE(addQueue(Charlie));
    std::string name;
    EXPECT_FALSE(choose(&name, [&](HWND dialog) {
        highlight(dialog, 1);
        ASSERT_TRUE(addQueue(Bravo));
        ASSERT_TRUE(addQueue("Beta", "Other Driver"));
        SendMessageA(dialog, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("devices"));
        EXPECT_EQ(listEntries(dialog), (std::vector<std::string>{Alpha, Bravo, Charlie}));
        // A refill moves the selection back to the first (nothing is remembered).
        EXPECT_EQ(selectedEntry(dialog), 0);
        EXPECT_EQ(portText(dialog), portFilePath(Alpha));

        // Every queue of the model gone: nothing to confirm.
        for (const auto& queue : {Alpha, Bravo, Charlie}) ASSERT_TRUE(deleteQueue(queue));
        SendMessageA(dialog, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("devices"));
        EXPECT_TRUE(listEntries(dialog).empty());
        EXPECT_EQ(portText(dialog), "");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
        pressButton(dialog, IDCANCEL);
    }));
}

// The spooler may change between the user's OK and the lookup that follows
// it: position 1 may be gone or hold another queue. Either way the name handed
// back is the queue the user chose.
TEST_F(FindPrinterTest, KeepsTheConfirmedQueueWhenTheSpoolerChangesUnderTheDialog) {
    const std::vector<std::vector<std::string>> deletions = {{Alpha, Bravo}, {Alpha}};
    for (const auto& deleted : deletions) {
        SCOPED_TRACE(deleted.size());
        removeAllPrinters();
        for (const auto& queue : {Alpha, Bravo, Charlie}) ASSERT_TRUE(addQueue(queue));
        std::string name;
        EXPECT_TRUE(choose(&name, [&](HWND dialog) {
            highlight(dialog, 1);
            for (const auto& queue : deleted) ASSERT_TRUE(deleteQueue(queue));
            pressButton(dialog, IDOK);
        }));
        EXPECT_EQ(name, Bravo);
    }
}

// Names longer than any fixed buffer come back whole, chosen or found alone.
TEST_F(FindPrinterTest, HandsBackLongQueueNamesWhole) {
    const std::string longA = "A" + std::string(180, 'x'), longB = "B" + std::string(200, 'y');
    ASSERT_TRUE(addQueue(longA, ModelDriver, portFilePath("longA")));
    ASSERT_TRUE(addQueue(longB, ModelDriver, portFilePath("longB")));
    std::string name;
    EXPECT_TRUE(choose(&name, [&](HWND dialog) {
        EXPECT_EQ(listEntries(dialog), (std::vector<std::string>{longA, longB}));
        highlight(dialog, 1);
        EXPECT_EQ(portText(dialog), portFilePath("longB"));
        pressButton(dialog, IDOK);
    }));
    EXPECT_EQ(name, longB);

    ASSERT_TRUE(deleteQueue(longB));
    DialogWatcher watcher;
    EXPECT_TRUE(findModelPrinter(owner, &name));
    EXPECT_EQ(name, longA);
}
}  // namespace
