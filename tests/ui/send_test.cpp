// "&Send Settings" on the real main window: every factory default row sent
// unchanged after start-up, and choices edited on several pages as a user
// edits them, reach the queue's port file as the transfer stream and are
// stored.
#include <vector>

#include "main_window_fixture.h"
#include "printer_queues.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "stored_settings.h"
#include "tests/core/hand_blocks.h"
#include "window_cases.h"

namespace {
constexpr const char* Queue = "Roundtrip DX";

class SendTest : public MainWindowTest {
protected:
    static void SetUpTestSuite() {
        removeAllPrinters();
        ASSERT_TRUE(addQueue(Queue));
    }
    static void TearDownTestSuite() { removeAllPrinters(); }
    // Opens on `stored` with the bytes the pages never show (23, 28 to 31)
    // set, which must be stored and sent all the same; returns that block.
    SettingsBlock openOn(int country, int model, SettingsBlock stored) {
        for (int k : {23, 28, 29, 30, 31}) stored.bytes[k] = static_cast<uint8_t>(k);
        removePortFile(Queue);
        EXPECT_NE(openMainWindow(model, country, stored), nullptr);
        writeProgramValue("Settings", REG_NONE, nullptr, 0);  // so only the send can store it again
        return stored;
    }
};
}  // namespace

// Start-up leaves the focus on Send Settings; showing the pages that have
// rules changes nothing.
TEST_F(SendTest, SendsEveryDefaultRowUnchanged) {
    for (int row = 0; row < CountryRowCount; ++row) {
        SCOPED_TRACE(row);
        const bool variant = row == VariantDefaultRow;
        const SettingsBlock expected = openOn(variant ? 0 : row, variant, CountryDefaultTable[row]);
        EXPECT_EQ(GetFocus(), GetDlgItem(window, IDC_SEND_SETTINGS));
        runSteps(window, {page(1), page(2), page(0)});
        click(IDC_SEND_SETTINGS);
        EXPECT_EQ(readPortFile(Queue), streamOf(expected));
        EXPECT_EQ(storedBlock(), expected);
    }
}

TEST_F(SendTest, SendsWhatTheUserChoseOnSeveralPages) {
    openOn(0, 0, CountryDefaultTable[0]);  // USA
    // IBM; the second set under IBM (code 3), Norway, Portugal; Bold; Auto
    // LF, tear off Auto, buffer ALL, Auto feed XT On; 19200, Even; margins
    // and centering; top of form.
    // clang-format off
    runSteps(window, {page(1), choose(IDC_EMULATION, 1),
                      page(5), choose(IDC_CHARACTER_SET, 1), choose(IDC_INTERNATIONAL, 9), choose(IDC_CODE_PAGE, 2),
                      page(4), choose(IDC_BOLD, 1),
                      page(6), choose(IDC_AUTO_LF, 1), choose(IDC_TEAR_OFF, 1), choose(IDC_BUFFER_CONTROL, 3), choose(IDC_AUTO_FEED_XT, 0),
                      page(7), choose(IDC_BAUD_RATE, 7), choose(IDC_PARITY, 3), choose(IDC_DATA_LENGTH, 1),
                      page(2), type(IDC_TOP_MARGIN, "12"), type(IDC_BOTTOM_MARGIN, "30"), type(IDC_LEFT_MARGIN, "5"), type(IDC_CENTERING, "41"),
                      page(8), type(IDC_TRACTOR, "45"), type(IDC_FRICTION, "900")});
    // clang-format on
    click(IDC_SEND_SETTINGS);

    // Worked out by hand from the block's layout.
    const SettingsBlock expected = {{0x79, 0x02, 0xB4, 0x01, 0x00, 0x09, 0x00, 0x7F, 0x08, 21,   0xB4,
                                     0x00, 0x68, 0x2E, 0x48, 0x00, 0xB4, 0x00, 0x05, 0x00, 0x50, 0x00,
                                     0x29, 23,   0x5A, 0x00, 0x08, 0x07, 28,   29,   30,   31}};
    EXPECT_EQ(storedBlock(), expected);
    EXPECT_EQ(readPortFile(Queue), streamOf(expected));
}
