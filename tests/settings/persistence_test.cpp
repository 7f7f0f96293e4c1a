// Keeping the settings between runs: the INI file beside the executable and
// the program's key in the test prefix's registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "registry.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/persistence.h"
#include "settings/settings_state.h"
#include "ui/window_helpers.h"

namespace {

std::string ownIniPath() {
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return std::string();
    return iniPathFor(std::string(path, length));
}

void writeIni(const char* content) {
    const std::string path = ownIniPath();
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, content, static_cast<DWORD>(strlen(content)), &written, nullptr);
    CloseHandle(file);
}

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

TEST_F(Persistence, StoredSettingsAreLoaded) {
    writeProgramDword("SelectedCountry", 6);
    writeProgramDword("Model", 0);
    writeSettings(patterned(3));
    ASSERT_TRUE(loadStoredSettings());
    EXPECT_EQ(ModelVariant, 0);
    EXPECT_EQ(CountryIndex, 6);
    EXPECT_EQ(currentBlock, patterned(3));
}

TEST_F(Persistence, SettingsOfTheOtherModelVariantAreIgnored) {
    writeProgramDword("SelectedCountry", 0);
    writeProgramDword("Model", 0);
    writeSettings(patterned(1));
    writeIni("[Main]\r\nModel=1\r\n");
    EXPECT_FALSE(loadStoredSettings());
    EXPECT_EQ(ModelVariant, 1);

    deleteIni();
    writeProgramDword("Model", 1);
    EXPECT_FALSE(loadStoredSettings());
    EXPECT_EQ(ModelVariant, 0);
}

TEST_F(Persistence, MissingSettingsUseTheStoredCountryWithoutWriting) {
    writeProgramDword("SelectedCountry", 8);
    writeProgramDword("Model", 0);
    ASSERT_TRUE(loadStoredSettings());
    EXPECT_EQ(CountryIndex, 8);
    EXPECT_EQ(currentBlock, CountryDefaultTable[8]);
    EXPECT_FALSE(readProgramValue("Settings").has_value());
    EXPECT_EQ(readProgramDword("SelectedCountry"), 8u);
}

TEST_F(Persistence, VariantWithoutSettingsTakesTheCountryRowNotItsOwn) {
    writeIni("[Main]\r\nModel=1\r\n");
    writeProgramDword("SelectedCountry", 0);
    writeProgramDword("Model", 1);
    ASSERT_TRUE(loadStoredSettings());
    EXPECT_EQ(ModelVariant, 1);
    EXPECT_EQ(currentBlock, CountryDefaultTable[0]);
}

TEST_F(Persistence, MissingModelIsNoObstacle) {
    writeProgramDword("SelectedCountry", 2);
    writeSettings(patterned(9));
    ASSERT_TRUE(loadStoredSettings());
    EXPECT_EQ(CountryIndex, 2);
    EXPECT_EQ(currentBlock, patterned(9));
}

TEST_F(Persistence, SettingsNotExactlyThirtyTwoBinaryBytesCountAsMissing) {
    const SettingsBlock stored = patterned(5);
    const std::string text(32, 'x');
    struct Case {
        const char* name;
        DWORD type;
        const void* data;
        DWORD size;
    };
    const Case cases[] = {
        {"short", REG_BINARY, stored.bytes, 31}, {"long", REG_BINARY, std::string(40, '\x11').data(), 40},
        {"empty", REG_BINARY, stored.bytes, 0},  {"text", REG_SZ, text.c_str(), 33},
        {"dword", REG_DWORD, stored.bytes, 4},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        resetProgramKey();
        writeProgramDword("SelectedCountry", 5);
        writeProgramDword("Model", 0);
        writeProgramValue("Settings", tc.type, tc.data, tc.size);
        std::memset(currentBlock.bytes, 0xEE, sizeof currentBlock.bytes);
        ASSERT_TRUE(loadStoredSettings());
        EXPECT_EQ(currentBlock, CountryDefaultTable[5]);
    }
}

TEST_F(Persistence, SelectedCountryMustBeAFourByteDword) {
    const uint8_t six[8] = {6, 0, 0, 0, 0, 0, 0, 0};
    struct Case {
        const char* name;
        DWORD type;
        DWORD size;
    };
    const Case cases[] = {
        {"binary", REG_BINARY, 4}, {"two bytes", REG_DWORD, 2}, {"eight bytes", REG_DWORD, 8}};
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        resetProgramKey();
        writeProgramValue("SelectedCountry", tc.type, six, tc.size);
        writeProgramDword("Model", 0);
        writeSettings(patterned(2));
        EXPECT_FALSE(loadStoredSettings());
    }
}

TEST_F(Persistence, ModelNotAFourByteDwordCountsAsMissing) {
    const uint8_t one[4] = {1, 0, 0, 0};
    for (DWORD type : {static_cast<DWORD>(REG_BINARY), static_cast<DWORD>(REG_DWORD)}) {
        SCOPED_TRACE(type);
        resetProgramKey();
        writeProgramDword("SelectedCountry", 3);
        // As a real DWORD, 1 would be the other model variant.
        writeProgramValue("Model", type, one, type == REG_DWORD ? 2 : 4);
        writeSettings(patterned(4));
        ASSERT_TRUE(loadStoredSettings());
        EXPECT_EQ(currentBlock, patterned(4));
    }
}

TEST_F(Persistence, OnlyTheLowByteOfTheCountryCounts) {
    writeProgramDword("SelectedCountry", 0x0106);
    writeProgramDword("Model", 0x0100);
    ASSERT_TRUE(loadStoredSettings());
    EXPECT_EQ(CountryIndex, 6);
    EXPECT_EQ(currentBlock, CountryDefaultTable[6]);
}

TEST_F(Persistence, CountryPastTheTableBecomesTheFirstCountry) {
    for (DWORD country : {17u, 255u}) {
        SCOPED_TRACE(country);
        resetProgramKey();
        writeProgramDword("SelectedCountry", country);
        writeProgramDword("Model", 0);
        writeSettings(patterned(6));
        ASSERT_TRUE(loadStoredSettings());
        EXPECT_EQ(CountryIndex, 0);
        EXPECT_EQ(currentBlock, patterned(6));  // usable settings are kept

        deleteProgramValue("Settings");
        ASSERT_TRUE(loadStoredSettings());
        EXPECT_EQ(CountryIndex, 0);
        EXPECT_EQ(currentBlock, CountryDefaultTable[0]);
        EXPECT_EQ(defaultBlockFor(ModelVariant, CountryIndex), CountryDefaultTable[0]);
    }
}

TEST_F(Persistence, ModelVariantIsTheLowByteOfTheIniValue) {
    struct Case {
        const char* ini;
        uint8_t variant;
    };
    const Case cases[] = {
        {"[Main]\r\nModel=1\r\n", 1}, {"[Main]\r\nModel=257\r\n", 1}, {"[Main]\r\nModel=2\r\n", 2},
        {"[Main]\r\nModel=0\r\n", 0}, {"[Other]\r\nModel=1\r\n", 0},  {"[Main]\r\nModel=one\r\n", 0},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.ini);
        writeIni(tc.ini);
        ModelVariant = 0xAA;
        loadStoredSettings();
        EXPECT_EQ(ModelVariant, tc.variant);
        deleteIni();
    }
    ModelVariant = 0xAA;
    loadStoredSettings();
    EXPECT_EQ(ModelVariant, 0);  // no INI file at all
}

TEST_F(Persistence, StoreCreatesTheKeyWithTheAgreedTypes) {
    ModelVariant = 1;
    CountryIndex = 12;
    currentBlock = patterned(8);
    ASSERT_TRUE(storeSettings());

    EXPECT_EQ(readProgramDword("SelectedCountry"), 12u);
    EXPECT_EQ(readProgramDword("Model"), 1u);
    const auto settings = readProgramValue("Settings");
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(settings->type, static_cast<DWORD>(REG_BINARY));
    ASSERT_EQ(settings->data.size(), 32u);
    EXPECT_EQ(std::memcmp(settings->data.data(), patterned(8).bytes, 32), 0);
}

TEST_F(Persistence, StoreReplacesWhateverWasThere) {
    writeProgramValue("Settings", REG_SZ, "junk", 5);
    writeProgramValue("Model", REG_BINARY, "\x07", 1);
    writeProgramDword("SelectedCountry", 200);
    ModelVariant = 0;
    CountryIndex = 4;
    currentBlock = CountryDefaultTable[4];
    ASSERT_TRUE(storeSettings());

    // What was stored reads back as the same state.
    ModelVariant = 0xAA;
    CountryIndex = 0xBB;
    std::memset(currentBlock.bytes, 0, sizeof currentBlock.bytes);
    ASSERT_TRUE(loadStoredSettings());
    EXPECT_EQ(ModelVariant, 0);
    EXPECT_EQ(CountryIndex, 4);
    EXPECT_EQ(currentBlock, CountryDefaultTable[4]);
    EXPECT_EQ(readProgramDword("Model"), 0u);
}

TEST(RegistryKeyText, IsTheProgramsKey) {
    EXPECT_EQ(loadString(IDS_REGISTRY_KEY), std::string(ProgramKeyPath));
}

TEST(IniPathFor, ReplacesTheExtensionOfTheFileName) {
    EXPECT_EQ(iniPathFor("C:\\Program Files\\Velmora\\corvex.exe"), "C:\\Program Files\\Velmora\\corvex.ini");
    EXPECT_EQ(iniPathFor("C:\\tools\\corvex.v2.exe"), "C:\\tools\\corvex.v2.ini");
    EXPECT_EQ(iniPathFor("C:\\tools\\corvex."), "C:\\tools\\corvex.ini");
    EXPECT_EQ(iniPathFor("corvex.EXE"), "corvex.ini");
    // A dot in a folder's name is not the file's extension.
    EXPECT_EQ(iniPathFor("C:\\my.tools\\corvex"), "C:\\my.tools\\corvex.ini");
    EXPECT_EQ(iniPathFor("Z:/work/v1.0/corvex"), "Z:/work/v1.0/corvex.ini");
}
