// Finding the model's queue among the spooler's printers, and the Select
// Printer dialog, against Wine's real spooler.
#include <windows.h>

#include "printer/find_printer.h"
#include "printer_fixture.h"
#include "printer_queues.h"
#include "resource.h"

namespace {
using Names = std::vector<std::string>;

std::string portText(HWND dialog) {
    char text[1024] = {};
    GetDlgItemTextA(dialog, IDC_PRINTER_PORT, text, sizeof text);
    return text;
}

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

// No queue at all, then only queues of other drivers (one whose name merely
// starts like the model's).
TEST_F(FindPrinterTest, ReportsNotInstalledWithoutAQueueOfTheModelsDriver) {
    for (int round = 0; round < 2; ++round) {
        if (round == 1) {
            ASSERT_TRUE(addQueue("Office", "Other Driver"));
            ASSERT_TRUE(addQueue("Plotter", "Velmora DX-4170 Plus"));
        }
        DialogWatcher watcher;
        watcher.expect([this](HWND box) {
            EXPECT_EQ(GetWindow(box, GW_OWNER), owner);
            pressButton(box, IDOK);
        });
        std::string name = "unchanged";
        EXPECT_FALSE(findModelPrinter(owner, &name));
        ASSERT_EQ(watcher.seen().size(), 1u);
        expectErrorBox(watcher.seen()[0], "Printer Driver <Velmora DX-4170> is not installed\\.");
        EXPECT_EQ(name, "unchanged");
    }
}

// One match is taken without a dialog whatever is remembered; the driver
// name is compared without regard to case.
TEST_F(FindPrinterTest, TakesTheOnlyMatchWithoutAsking) {
    ASSERT_TRUE(addQueue("Office", "Other Driver"));
    ASSERT_TRUE(addQueue("Shouting", "VELMORA DX-4170"));
    rememberedPrinterName = "Office";
    DialogWatcher watcher;
    std::string name;
    EXPECT_TRUE(findModelPrinter(owner, &name));
    EXPECT_EQ(name, "Shouting");
}

TEST_F(FindPrinterTest, DialogListsOnlyMatchesFollowsTheHighlightAndRemembersTheChoice) {
    ASSERT_TRUE(addQueue("Alpha"));
    ASSERT_TRUE(addQueue("Bravo", "Other Driver"));
    ASSERT_TRUE(addQueue("Charlie"));
    std::string name;
    EXPECT_TRUE(choose(&name, [](HWND dialog) {
        EXPECT_EQ(listEntries(dialog, IDC_PRINTER_LIST), (Names{"Alpha", "Charlie"}));
        EXPECT_EQ(selectedText(dialog, IDC_PRINTER_LIST), "Alpha");
        EXPECT_EQ(portText(dialog), portFilePath("Alpha"));
        highlight(dialog, 1);
        EXPECT_EQ(portText(dialog), portFilePath("Charlie"));
        pressButton(dialog, IDOK);
    }));
    EXPECT_EQ(name, "Charlie");
    // Opened again, the dialog starts on the confirmed queue; Cancel ends the
    // search quietly and forgets nothing.
    name = "unchanged";
    EXPECT_FALSE(choose(&name, [](HWND dialog) {
        EXPECT_EQ(selectedText(dialog, IDC_PRINTER_LIST), "Charlie");
        pressButton(dialog, IDCANCEL);
    }));
    EXPECT_EQ(name, "unchanged");
    EXPECT_EQ(rememberedPrinterName, "Charlie");
}

TEST_F(FindPrinterTest, DialogRefillsWhenThePrintersChange) {
    ASSERT_TRUE(addQueue("Alpha"));
    ASSERT_TRUE(addQueue("Charlie"));
    rememberedPrinterName = "Zulu";  // no longer listed: the first entry is selected
    std::string name;
    EXPECT_FALSE(choose(&name, [](HWND dialog) {
        EXPECT_EQ(selectedText(dialog, IDC_PRINTER_LIST), "Alpha");
        highlight(dialog, 1);
        ASSERT_TRUE(addQueue("Bravo"));
        SendMessageA(dialog, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("devices"));
        EXPECT_EQ(listEntries(dialog, IDC_PRINTER_LIST), (Names{"Alpha", "Bravo", "Charlie"}));
        EXPECT_EQ(portText(dialog), portFilePath("Alpha"));
        for (const char* queue : {"Alpha", "Bravo", "Charlie"}) ASSERT_TRUE(deleteQueue(queue));
        SendMessageA(dialog, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("devices"));
        EXPECT_TRUE(listEntries(dialog, IDC_PRINTER_LIST).empty());
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));  // nothing to confirm
        pressButton(dialog, IDCANCEL);
    }));
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
            highlight(dialog, 1);
            for (const std::string& queue : deleted) ASSERT_TRUE(deleteQueue(queue));
            pressButton(dialog, IDOK);
        }));
        EXPECT_EQ(name, longName) << deleted.size();
    }
}
}  // namespace
