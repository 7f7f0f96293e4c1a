// Finding the model's queue among the spooler's printers, and the Select
// Printer dialog, against Wine's real spooler.
#include <windows.h>

#include "printer/find_printer.h"
#include "printer_fixture.h"
#include "printer_queues.h"
#include "resource.h"

namespace {
const char* const NotInstalled = "Printer Driver <Velmora DX-4170> is not installed.";

// Wine lists queues by name, so these names fix the spooler's order.
const std::string Alpha = "Alpha";
const std::string Bravo = "Bravo";
const std::string Charlie = "Charlie";

class FindPrinterTest : public PrinterTest {
protected:
    // Runs findModelPrinter expecting the not-installed report, owned by `owner`.
    void expectNotInstalled() {
        DialogWatcher watcher;
        HWND boxOwner = nullptr;
        watcher.expect([&](HWND box) {
            boxOwner = ownerOf(box);
            pressButton(box, IDOK);
        });
        std::string name = "unchanged";
        EXPECT_FALSE(findModelPrinter(owner, &name));
        ASSERT_EQ(watcher.seen().size(), 1u);
        expectErrorBox(watcher.seen()[0], NotInstalled);
        EXPECT_EQ(boxOwner, owner);
        EXPECT_EQ(name, "unchanged");
    }

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

TEST_F(FindPrinterTest, ReportsNotInstalledWithoutAnyPrinter) { expectNotInstalled(); }

TEST_F(FindPrinterTest, ReportsNotInstalledWhenOnlyOtherDriversHaveQueues) {
    ASSERT_TRUE(addQueue("Office", "Other Driver"));
    ASSERT_TRUE(addQueue("Plotter", "Velmora DX-4170 Plus"));
    expectNotInstalled();
}

TEST_F(FindPrinterTest, TakesTheOnlyMatchWithoutAskingWhateverIsRemembered) {
    ASSERT_TRUE(addQueue("Office", "Other Driver"));
    ASSERT_TRUE(addQueue("Dot"));
    rememberedPrinterName = "Office";
    DialogWatcher watcher;
    std::string name;
    EXPECT_TRUE(findModelPrinter(owner, &name));
    EXPECT_EQ(name, "Dot");
    EXPECT_TRUE(watcher.seen().empty());
    EXPECT_EQ(rememberedPrinterName, "Office");
}

TEST_F(FindPrinterTest, MatchesTheDriverNameIgnoringCase) {
    ASSERT_TRUE(addQueue("Shouting", "VELMORA DX-4170"));
    DialogWatcher watcher;
    std::string name;
    EXPECT_TRUE(findModelPrinter(owner, &name));
    EXPECT_EQ(name, "Shouting");
    EXPECT_TRUE(watcher.seen().empty());
}

TEST_F(FindPrinterTest, DialogListsOnlyMatchesAndFollowsTheHighlightedPort) {
    ASSERT_TRUE(addQueue(Alpha));
    ASSERT_TRUE(addQueue(Bravo, "Other Driver"));
    ASSERT_TRUE(addQueue(Charlie));
    std::string name;
    const bool found = choose(&name, [&](HWND dialog) {
        EXPECT_EQ(ownerOf(dialog), owner);
        const DialogSnapshot shown = snapshotDialog(dialog);
        EXPECT_EQ(shown.caption, "Select Printer");
        EXPECT_EQ(listEntries(dialog), (std::vector<std::string>{Alpha, Charlie}));
        EXPECT_EQ(selectedEntry(dialog), 0);
        EXPECT_EQ(portText(dialog), portFilePath(Alpha));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
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
    const bool again = choose(&name, [&](HWND dialog) {
        EXPECT_EQ(selectedEntry(dialog), 1);
        EXPECT_EQ(portText(dialog), portFilePath(Charlie));
        pressButton(dialog, IDCANCEL);
    });
    EXPECT_FALSE(again);
    EXPECT_EQ(name, "unchanged");
    EXPECT_EQ(rememberedPrinterName, Charlie);
}

TEST_F(FindPrinterTest, DialogSelectsTheFirstEntryWhenTheRememberedQueueIsGone) {
    ASSERT_TRUE(addQueue(Alpha));
    ASSERT_TRUE(addQueue(Bravo));
    rememberedPrinterName = "Zulu";
    std::string name;
    EXPECT_TRUE(choose(&name, [&](HWND dialog) {
        EXPECT_EQ(selectedEntry(dialog), 0);
        EXPECT_EQ(portText(dialog), portFilePath(Alpha));
        pressButton(dialog, IDOK);
    }));
    EXPECT_EQ(name, Alpha);
}

TEST_F(FindPrinterTest, DialogIsTheTemplateAndSitsInTheMiddleOfTheScreen) {
    // More queues than the list shows at once: the list keeps WS_VSCROLL only
    // while it has something to scroll.
    for (char c = 'A'; c <= 'P'; ++c) ASSERT_TRUE(addQueue(std::string("Queue ") + c));
    std::string name;
    choose(&name, [&](HWND dialog) {
        const LONG listStyle = GetWindowLongA(GetDlgItem(dialog, IDC_PRINTER_LIST), GWL_STYLE);
        EXPECT_TRUE(listStyle & LBS_NOTIFY);
        EXPECT_TRUE(listStyle & WS_VSCROLL);
        EXPECT_FALSE(listStyle & LBS_SORT);
        EXPECT_FALSE(listStyle & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
        const LONG portStyle = GetWindowLongA(GetDlgItem(dialog, IDC_PRINTER_PORT), GWL_STYLE);
        EXPECT_TRUE(portStyle & ES_READONLY);
        EXPECT_TRUE(portStyle & ES_AUTOHSCROLL);
        EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        const DialogSnapshot shown = snapshotDialog(dialog);
        ASSERT_NE(shown.control(IDCANCEL), nullptr);
        EXPECT_EQ(shown.control(IDCANCEL)->text, "Cancel");
        EXPECT_EQ(shown.control(IDOK)->text, "OK");

        RECT window, client;
        GetWindowRect(dialog, &window);
        GetClientRect(dialog, &client);
        const int expectedX = (GetSystemMetrics(SM_CXSCREEN) - client.right) / 2;
        const int expectedY =
            (GetSystemMetrics(SM_CYSCREEN) - client.bottom - GetSystemMetrics(SM_CYCAPTION)) / 2;
        EXPECT_EQ(window.left, expectedX);
        EXPECT_EQ(window.top, expectedY);
        pressButton(dialog, IDCANCEL);
    });
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
// it. Whatever happened, the name handed back is the queue the user chose.
TEST_F(FindPrinterTest, KeepsTheConfirmedQueueWhenItsPositionIsGone) {
    ASSERT_TRUE(addQueue(Alpha));
    ASSERT_TRUE(addQueue(Bravo));
    ASSERT_TRUE(addQueue(Charlie));
    std::string name;
    EXPECT_TRUE(choose(&name, [&](HWND dialog) {
        highlight(dialog, 1);
        // The list still shows all three: nobody told the dialog.
        ASSERT_TRUE(deleteQueue(Alpha));
        ASSERT_TRUE(deleteQueue(Bravo));
        pressButton(dialog, IDOK);
    }));
    // Position 1 no longer exists; the last match of the first walk (Charlie)
    // was never chosen.
    EXPECT_EQ(name, Bravo);
}

TEST_F(FindPrinterTest, KeepsTheConfirmedQueueWhenItsPositionHoldsAnother) {
    ASSERT_TRUE(addQueue(Alpha));
    ASSERT_TRUE(addQueue(Bravo));
    ASSERT_TRUE(addQueue(Charlie));
    std::string name;
    EXPECT_TRUE(choose(&name, [&](HWND dialog) {
        highlight(dialog, 1);
        ASSERT_TRUE(deleteQueue(Alpha));
        pressButton(dialog, IDOK);
    }));
    // Position 1 of the fresh enumeration is Charlie now.
    EXPECT_EQ(name, Bravo);
}

TEST_F(FindPrinterTest, HandsBackLongQueueNamesWhole) {
    const std::string longA = "A" + std::string(180, 'x');
    const std::string longB = "B" + std::string(200, 'y');
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
    EXPECT_EQ(rememberedPrinterName, longB);

    ASSERT_TRUE(deleteQueue(longB));
    DialogWatcher watcher;
    EXPECT_TRUE(findModelPrinter(owner, &name));
    EXPECT_EQ(name, longA);
    EXPECT_TRUE(watcher.seen().empty());
}
}  // namespace
