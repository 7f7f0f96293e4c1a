// Keeping the settings between runs: the INI file beside the executable and
// the program's key in the test prefix's registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "registry.h"
#include "settings/country_defaults.h"
#include "settings/persistence.h"
#include "settings/settings_state.h"

namespace {

std::string ownIniPath() {
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return std::string();
    return iniPathFor(std::string(path, length));
}

void writeIni(const char* content) { std::ofstream(ownIniPath(), std::ios::binary) << content; }

void deleteIni() { DeleteFileA(ownIniPath().c_str()); }

SettingsBlock patterned(uint8_t seed) {
    SettingsBlock b;
    for (int k = 0; k < 32; ++k) b.bytes[k] = static_cast<uint8_t>(seed + 7 * k);
    return b;
}

void writeSettings(const SettingsBlock& b) { writeProgramValue("Settings", REG_BINARY, b.bytes, 32); }

// Each test starts as a first run: no key, no INI file, and a process state
// that no load would leave behind.
class Persistence : public testing::Test {
protected:
    void SetUp() override {
        resetProgramKey();
        deleteIni();
        ModelVariant = 0xAA;
        CountryIndex = 0xBB;
        std::memset(currentBlock.bytes, 0xEE, sizeof currentBlock.bytes);
    }
    void TearDown() override {
        resetProgramKey();
        deleteIni();
    }
};

}  // namespace

TEST_F(Persistence, FirstRunFindsNothingAndWritesNothing) {
    EXPECT_FALSE(loadStoredSettings());
    EXPECT_EQ(ModelVariant, 0);
    EXPECT_FALSE(programKeyExists());
}

// Only the low bytes of the stored country and model count.
TEST_F(Persistence, StoredSettingsAreLoaded) {
    writeProgramDword("SelectedCountry", 0x0106);
    writeProgramDword("Model", 0x0100);
    writeSettings(patterned(3));
    ASSERT_TRUE(loadStoredSettings());
    EXPECT_EQ(ModelVariant, 0);
    EXPECT_EQ(CountryIndex, 6);
    EXPECT_EQ(currentBlock, patterned(3));
}

// A registry edited or left behind by something else: a value of another
// type or size counts as missing, never as a misread number or a half block.
TEST_F(Persistence, MissingOrMistypedValues) {
    enum Outcome { NotLoaded, StoredBlock, CountryRow };
    struct Case {
        const char* value;
        DWORD type;  // REG_NONE: the value is deleted
        DWORD size;
        Outcome outcome;
    };
    const Case cases[] = {
        {"Settings", REG_NONE, 0, CountryRow},        {"Settings", REG_BINARY, 31, CountryRow},
        {"Settings", REG_BINARY, 40, CountryRow},     {"Settings", REG_BINARY, 0, CountryRow},
        {"Settings", REG_SZ, 32, CountryRow},         {"Settings", REG_DWORD, 4, CountryRow},
        {"SelectedCountry", REG_NONE, 0, NotLoaded},  {"SelectedCountry", REG_BINARY, 4, NotLoaded},
        {"SelectedCountry", REG_DWORD, 2, NotLoaded}, {"SelectedCountry", REG_DWORD, 8, NotLoaded},
        {"Model", REG_NONE, 0, StoredBlock},          {"Model", REG_BINARY, 4, StoredBlock},
        {"Model", REG_DWORD, 2, StoredBlock},
    };
    // As a DWORD, {1, 0, 0, 0} would be country 1 or the other model variant.
    uint8_t data[40] = {1};
    for (const Case& tc : cases) {
        SCOPED_TRACE(testing::Message() << tc.value << " type " << tc.type << " size " << tc.size);
        resetProgramKey();
        writeProgramDword("SelectedCountry", 5);
        writeProgramDword("Model", 0);
        writeSettings(patterned(5));
        if (tc.type == REG_NONE)
            deleteProgramValue(tc.value);
        else
            writeProgramValue(tc.value, tc.type, data, tc.size);
        std::memset(currentBlock.bytes, 0xEE, sizeof currentBlock.bytes);
        EXPECT_EQ(loadStoredSettings(), tc.outcome != NotLoaded);
        // Loading never writes.
        if (tc.type == REG_NONE) {
            EXPECT_FALSE(readProgramValue(tc.value).has_value());
        }
        if (tc.outcome == NotLoaded) continue;
        EXPECT_EQ(CountryIndex, 5);
        EXPECT_EQ(currentBlock, tc.outcome == StoredBlock ? patterned(5) : CountryDefaultTable[5]);
    }
}

// Only an edited registry holds a country past the table; usable settings
// stored with it are kept.
TEST_F(Persistence, CountryPastTheTableBecomesTheFirstCountry) {
    writeProgramDword("SelectedCountry", 17);
    writeSettings(patterned(6));
    ASSERT_TRUE(loadStoredSettings());
    EXPECT_EQ(CountryIndex, 0);
    EXPECT_EQ(currentBlock, patterned(6));

    writeProgramDword("SelectedCountry", 255);
    deleteProgramValue("Settings");
    ASSERT_TRUE(loadStoredSettings());
    EXPECT_EQ(CountryIndex, 0);
    EXPECT_EQ(currentBlock, CountryDefaultTable[0]);
}

// The INI file's Model picks the variant (its low byte); settings stored for
// the other variant are not loaded, and without settings the variant too
// starts from the stored country's row.
TEST_F(Persistence, ModelVariantComesFromTheIniFile) {
    struct Case {
        const char* ini;  // nullptr: no INI file
        uint8_t variant;
    };
    const Case cases[] = {
        {"[Main]\r\nModel=1\r\n", 1},
        {"[Main]\r\nModel=257\r\n", 1},
        {"[Main]\r\nModel=2\r\n", 2},
        {"[Main]\r\nModel=0\r\n", 0},
        {"[Other]\r\nModel=1\r\n", 0},
        {"[Main]\r\nModel=one\r\n", 0},
        {nullptr, 0},
    };
    writeProgramDword("SelectedCountry", 7);
    writeProgramDword("Model", 1);
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.ini ? tc.ini : "no INI file");
        if (tc.ini) writeIni(tc.ini);
        ModelVariant = 0xAA;
        std::memset(currentBlock.bytes, 0xEE, sizeof currentBlock.bytes);
        EXPECT_EQ(loadStoredSettings(), tc.variant == 1);
        EXPECT_EQ(ModelVariant, tc.variant);
        if (tc.variant == 1) {
            EXPECT_EQ(currentBlock, CountryDefaultTable[7]);
        }
        deleteIni();
    }
}

TEST_F(Persistence, StoreCreatesTheKeyWithTheAgreedTypesAndReadsBack) {
    ModelVariant = 1;
    CountryIndex = 12;
    currentBlock = patterned(8);
    ASSERT_TRUE(storeSettings());
    EXPECT_EQ(readProgramDword("SelectedCountry"), 12u);  // REG_DWORD, 4 bytes
    EXPECT_EQ(readProgramDword("Model"), 1u);
    const auto settings = readProgramValue("Settings");
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(settings->type, static_cast<DWORD>(REG_BINARY));
    ASSERT_EQ(settings->data.size(), 32u);
    EXPECT_EQ(std::memcmp(settings->data.data(), patterned(8).bytes, 32), 0);

    // Whatever was there is replaced, and reads back as the same state.
    writeProgramValue("Model", REG_BINARY, "\x07", 1);
    ModelVariant = 0;
    CountryIndex = 4;
    currentBlock = CountryDefaultTable[4];
    ASSERT_TRUE(storeSettings());
    CountryIndex = 0xBB;
    std::memset(currentBlock.bytes, 0, sizeof currentBlock.bytes);
    ASSERT_TRUE(loadStoredSettings());
    EXPECT_EQ(CountryIndex, 4);
    EXPECT_EQ(currentBlock, CountryDefaultTable[4]);
    EXPECT_EQ(readProgramDword("Model"), 0u);
}

TEST(IniPathFor, ReplacesTheExtensionOfTheFileName) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\tools\\corvex.exe", "C:\\tools\\corvex.ini"},
        {"C:\\tools\\corvex.v2.exe", "C:\\tools\\corvex.v2.ini"},
        {"C:\\tools\\corvex.", "C:\\tools\\corvex.ini"},
        {"corvex.EXE", "corvex.ini"},
        // A dot in a folder's name is not the file's extension.
        {"C:\\my.tools\\corvex", "C:\\my.tools\\corvex.ini"},
        {"Z:/work/v1.0/corvex", "Z:/work/v1.0/corvex.ini"},
    };
    for (const auto& tc : cases) EXPECT_EQ(iniPathFor(tc.first), tc.second);
}
