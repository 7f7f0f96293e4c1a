// "&Send Settings" on the real main window: every factory default row sent
// unchanged, and choices edited on several pages as a user edits them, reach
// the queue's port file as the transfer stream and are stored.
#include <vector>

#include "main_window_fixture.h"
#include "printer_queues.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/transfer_stream.h"
#include "stored_settings.h"

namespace {
constexpr const char* Queue = "Roundtrip DX";

std::vector<uint8_t> streamFor(const SettingsBlock& block) {
    uint8_t stream[TransferStreamBufferSize];
    return std::vector<uint8_t>(stream, stream + encodeTransferStream(block, stream, sizeof stream));
}

class SendTest : public MainWindowTest, public testing::WithParamInterface<int> {
protected:
    static void SetUpTestSuite() {
        removeAllPrinters();
        ASSERT_TRUE(addQueue(Queue));
    }
    static void TearDownTestSuite() { removeAllPrinters(); }
    // Opens on `stored`, with bytes the pages never show (23, 28 to 31),
    // which must be stored and sent all the same.
    void openOn(int country, int model, SettingsBlock stored) {
        for (int k : {23, 28, 29, 30, 31}) stored.bytes[k] = static_cast<uint8_t>(k);
        writeIni(model ? "[Main]\r\nModel=1\r\n" : nullptr);
        storeProgramSettings(country, model, stored);
        removePortFile(Queue);
        ASSERT_NE(openMainWindow(), nullptr);
        writeProgramValue("Settings", REG_NONE, nullptr, 0);  // so only the send can store it again
    }
};
}  // namespace

TEST_P(SendTest, SendsTheLoadedRowUnchanged) {
    const bool variant = GetParam() == VariantDefaultRow;
    SettingsBlock expected = CountryDefaultTable[GetParam()];
    openOn(variant ? 0 : GetParam(), variant, expected);
    for (int k : {23, 28, 29, 30, 31}) expected.bytes[k] = static_cast<uint8_t>(k);
    click(IDC_SEND_SETTINGS);
    EXPECT_EQ(readPortFile(Queue), streamFor(expected));
    EXPECT_EQ(storedBlock(), expected);
}

INSTANTIATE_TEST_SUITE_P(EveryDefaultRow, SendTest,
                         testing::Values(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16));

class EditedSendTest : public SendTest {};

TEST_F(EditedSendTest, SendsWhatTheUserChoseOnSeveralPages) {
    openOn(0, 0, CountryDefaultTable[0]);  // USA
    selectPage(1);
    choose(IDC_EMULATION, 1);  // IBM
    selectPage(5);
    choose(IDC_CHARACTER_SET, 1);  // the second set under IBM: code 3
    choose(IDC_INTERNATIONAL, 9);  // Norway
    choose(IDC_CODE_PAGE, 2);      // Portugal
    selectPage(4);
    choose(IDC_BOLD, 1);
    selectPage(6);
    choose(IDC_AUTO_LF, 1);
    choose(IDC_TEAR_OFF, 1);        // Auto
    choose(IDC_BUFFER_CONTROL, 3);  // ALL
    choose(IDC_AUTO_FEED_XT, 0);    // On
    selectPage(7);
    choose(IDC_BAUD_RATE, 7);  // 19200
    choose(IDC_PARITY, 3);     // Even
    choose(IDC_DATA_LENGTH, 1);
    selectPage(2);
    type(IDC_TOP_MARGIN, "12");
    type(IDC_BOTTOM_MARGIN, "30");
    type(IDC_LEFT_MARGIN, "5");
    type(IDC_CENTERING, "41");
    selectPage(8);
    type(IDC_TRACTOR, "45");
    type(IDC_FRICTION, "900");
    click(IDC_SEND_SETTINGS);

    // Worked out by hand from the block's layout.
    const SettingsBlock expected = {{0x79, 0x02, 0xB4, 0x01, 0x00, 0x09, 0x00, 0x7F, 0x08, 21,   0xB4,
                                     0x00, 0x68, 0x2E, 0x48, 0x00, 0xB4, 0x00, 0x05, 0x00, 0x50, 0x00,
                                     0x29, 23,   0x5A, 0x00, 0x08, 0x07, 28,   29,   30,   31}};
    EXPECT_EQ(storedBlock(), expected);
    EXPECT_EQ(readPortFile(Queue), streamFor(expected));
}
