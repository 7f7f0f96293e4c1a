// Every factory default row, loaded into the real window and sent with
// "&Send Settings", reaches the printer's port file as exactly that row's
// transfer stream, and is stored.
#include <cstring>
#include <vector>

#include "main_window_fixture.h"
#include "printer_queues.h"
#include "registry.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/transfer_stream.h"

namespace {
constexpr const char* Queue = "Roundtrip DX";

class SendRoundTripTest : public MainWindowTest, public testing::WithParamInterface<int> {
protected:
    static void SetUpTestSuite() {
        removeAllPrinters();
        ASSERT_TRUE(ensureDriver(ModelDriver));
        ASSERT_TRUE(addQueue(Queue));
    }
    static void TearDownTestSuite() { removeAllPrinters(); }
};
}  // namespace

TEST_P(SendRoundTripTest, SendsTheLoadedRowUnchanged) {
    const int row = GetParam();
    const bool variant = row == VariantDefaultRow;
    // Bytes the pages never show; they must travel with the block (28 to 31)
    // and be stored (23) all the same.
    SettingsBlock loaded = CountryDefaultTable[row];
    for (int i : {23, 28, 29, 30, 31}) loaded.bytes[i] = static_cast<uint8_t>(0xC3 + i);
    writeModelIni(variant ? 1 : 0);
    storeProgramSettings(variant ? 0 : row, variant ? 1 : 0, loaded);
    removePortFile(Queue);

    ASSERT_NE(openMainWindow(), nullptr);
    deleteProgramValue("Settings");  // so only the send can store it again
    click(IDC_SEND_SETTINGS);

    uint8_t expected[TransferStreamBufferSize];
    const size_t length = encodeTransferStream(loaded, expected, sizeof expected);
    ASSERT_EQ(length, TransferStreamLength);
    EXPECT_EQ(readPortFile(Queue), std::vector<uint8_t>(expected, expected + length));

    EXPECT_EQ(storedBlock(), loaded);
}

INSTANTIATE_TEST_SUITE_P(EveryDefaultRow, SendRoundTripTest,
                         testing::Values(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16));
