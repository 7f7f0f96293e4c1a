// Keeping the settings between runs: the INI file beside the executable and
// the program's key in the test prefix's registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "settings/country_defaults.h"
#include "settings/persistence.h"
#include "settings/settings_state.h"
#include "stored_settings.h"

namespace {
SettingsBlock patterned(uint8_t seed) {
    SettingsBlock b;
    for (int k = 0; k < 32; ++k) b.bytes[k] = static_cast<uint8_t>(seed + 7 * k);
    return b;
}

// Each case starts as a first run: no key, no INI file, and a process state
// no load would leave behind.
class Persistence : public testing::Test {
protected:
    void SetUp() override {
        resetProgramKey();
        writeIni(nullptr);
        ModelVariant = 0xAA;
        CountryIndex = 0xBB;
        std::memset(currentBlock.bytes, 0xEE, sizeof currentBlock.bytes);
    }
    void TearDown() override { SetUp(); }
};
}  // namespace

// No INI file (the standard model), stored country 5 and model 0 with a
// patterned block, then one value replaced: missing, of another type or
// size, or past the table. The data
// written is {first, 1, 0, ...}: read as a DWORD only its low byte counts. A
// value of the wrong type or size counts as missing, never as a misread
// number or a half block, and loading never writes.
TEST_F(Persistence, StoredValuesGoodCorruptAndForeign) {
    enum Outcome { NotLoaded, StoredBlock, CountryRow };
    const struct {
        const char* value;
        DWORD type;  // REG_NONE: the value is deleted
        DWORD size;
        uint8_t first;
        Outcome outcome;
        int country;
    } cases[] = {
        {"Model", REG_DWORD, 4, 0, StoredBlock, 5},
        {"Model", REG_DWORD, 4, 1, NotLoaded, 0},  // stored for the other model variant
        {"SelectedCountry", REG_DWORD, 4, 6, StoredBlock, 6},
        {"SelectedCountry", REG_DWORD, 4, 17, StoredBlock, 0},  // past the table: the first country
        {"Settings", REG_NONE, 0, 1, CountryRow, 5},
        {"Settings", REG_BINARY, 31, 1, CountryRow, 5},
        {"Settings", REG_BINARY, 40, 1, CountryRow, 5},
        {"Settings", REG_SZ, 32, 1, CountryRow, 5},
        {"SelectedCountry", REG_NONE, 0, 1, NotLoaded, 0},
        {"SelectedCountry", REG_BINARY, 4, 1, NotLoaded, 0},
        {"SelectedCountry", REG_DWORD, 2, 1, NotLoaded, 0},
        {"Model", REG_NONE, 0, 1, StoredBlock, 5},
        {"Model", REG_BINARY, 4, 1, StoredBlock, 5},
        {"Model", REG_DWORD, 2, 1, StoredBlock, 5},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message() << tc.value << " type " << tc.type << " size " << tc.size);
        resetProgramKey();
        storeProgramSettings(5, 0, patterned(5));
        const uint8_t data[40] = {tc.first, 1};
        writeProgramValue(tc.value, tc.type, data, tc.size);
        std::memset(currentBlock.bytes, 0xEE, sizeof currentBlock.bytes);
        const ULONGLONG written = programKeyWriteTime();
        EXPECT_EQ(loadStoredSettings(), tc.outcome != NotLoaded);
        EXPECT_EQ(ModelVariant, 0);
        EXPECT_EQ(programKeyWriteTime(), written);
        if (tc.outcome == NotLoaded) continue;
        EXPECT_EQ(CountryIndex, tc.country);
        EXPECT_EQ(currentBlock, tc.outcome == StoredBlock ? patterned(5) : CountryDefaultTable[5]);
    }
}
