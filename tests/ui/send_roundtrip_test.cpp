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
    loaded.bytes[23] = 0xC3;
    loaded.bytes[28] = 0x12;
    loaded.bytes[29] = 0x34;
    loaded.bytes[30] = 0x56;
    loaded.bytes[31] = 0x78;
    writeModelIni(variant ? 1 : 0);
    storeProgramSettings(variant ? 0 : row, variant ? 1 : 0, loaded);
    removePortFile(Queue);

    ASSERT_NE(openMainWindow(), nullptr);
    click(IDC_SEND_SETTINGS);

    uint8_t expected[TransferStreamBufferSize];
    const size_t length = encodeTransferStream(loaded, expected, sizeof expected);
    ASSERT_EQ(length, TransferStreamLength);
    EXPECT_EQ(readPortFile(Queue), std::vector<uint8_t>(expected, expected + length));

    const auto stored = readProgramValue("Settings");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->data, std::vector<uint8_t>(loaded.bytes, loaded.bytes + sizeof loaded.bytes));
}

INSTANTIATE_TEST_SUITE_P(EveryDefaultRow, SendRoundTripTest,
                         testing::Values(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16));
