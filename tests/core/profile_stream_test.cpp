// The settings profile text and the stream decoder: profiles show what the
// pages show and name the line of every fault; the decoder finds every
// default row in a capture and names the offset of every fault. (Export and
// import of every default row run under Wine, through quillset itself.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/country_defaults.h"
#include "settings/settings_profile.h"
#include "hand_blocks.h"

namespace {

bool readBack(const std::string& text, const SettingsBlock& base, SettingsBlock* result,
              std::vector<ProfileError>* errors) {
    Profile profile;
    return parseProfile(text, &profile, errors) && applyProfile(profile, base, result, errors);
}

TEST(Profile, ShowsTheTextsAndNumbersOfThePages) {
    SettingsBlock roman = CountryDefaultTable[0];
    roman.bytes[4] = 0x06;   // Roman, 10 CPI
    roman.bytes[18] = 10;    // left margin 10 columns
    roman.bytes[7] |= 0x80;  // print pass bit, shown only on the variant
    roman.bytes[12] = 0xF8;  // page length 11000, which no list row holds
    roman.bytes[13] = 0x2A;
    roman.bytes[24] = 7;  // tractor 7/360 inch
    const struct {
        SettingsBlock block;
        uint8_t variant;
        const char* line;
    } cases[] = {
        {roman, 0, "\nFont = Roman\n"},
        {roman, 0, "\nLeft margin = 10\n"},
        {roman, 0, "\nPage length = Free\nFree page length = 1833\n"},
        {roman, 0, "[TOF Setting]\nTractor = 3\nFriction = 0\n\n"},
        {roman, 0, "[Text Enhancement]\nBold = Off\nDouble high = Off\nDouble strike = Off\nDouble wide = Off\n"
                   "Italics = Off\nOutline = Off\nShadow = Off\nZero font = Normal\n\n"},
        {roman, 1, "\nPrint pass = 1 Pass\n"},
        {CountryDefaultTable[4], 0, "\nCharacter set = Graphic 2\n"},
        {CountryDefaultTable[4], 0, "\nPage length = 12 Inch\nFree page length = 2160\n"},
        {CountryDefaultTable[4], 0, "\nPoint size = 10.5\n"},
        {CountryDefaultTable[4], 0, "\nRight margin = 80\nCentering Position = 40\n"},
        {CountryDefaultTable[16], 1, "\nCode page = KU (EPSON)\n"},
        {CountryDefaultTable[16], 1, "[Profile]\nModel = 1\n"},
    };
    for (const auto& c : cases)
        EXPECT_NE(writeProfile(c.block, c.variant).find(c.line), std::string::npos) << c.line;
    EXPECT_EQ(writeProfile(roman, 0).find("Print pass"), std::string::npos);
}

#define MODEL_0 "[Profile]\nModel = 0\n"  // lines 1 and 2

TEST(Profile, EveryFaultNamesItsLineAndStoresNothing) {
    // clang-format off
    // line: 0 for the whole profile.
    const struct { const char* text; int line; const char* message; } cases[] = {
        {"[Profile]\nModel = 1\n[Print Style]\nFont = Courier-SC\n[Character set]\nCode page = KU (EPSON)\n", 4, "Font: \"Courier-SC\" is not one of: Draft, Courier, Prestige, Roman, Sans Serif, Script\n"},
        {MODEL_0 "[Page Format]\nTop margin = 0000451\n", 4, "Top margin: 451 is outside 0 to 450"},
        {MODEL_0 "[Page Format]\nFree page length = 1,980\n", 4, "not a number"},
        {MODEL_0 "[Print Style]\nPitch = 7.5 CPI\n[Page Format]\nRight margin = 121\n", 6, "outside 3 to 120"},
        {MODEL_0 "[Page Format]\nPage length = 11 Inch\nFree page length = 500\n", 5, "counts only with Page length = Free"},
        {MODEL_0 "[Print Style]\nFont = Draft\n[Page Format]\nLine/Inch = Scalable\n", 6, "is not one of: 1, 1.5"},
        {MODEL_0 "[Emulation]\nEmulation = IBM\n[Character set]\nCharacter set = Italic\n", 6, "is not one of: Graphic 1, Graphic 2"},
        {MODEL_0 "[Emulation]\nEmulation = IBM\n[Character set]\nCharacter set = \n", 6, "Character set: \"\" is not one of: Graphic 1, Graphic 2"},
        {MODEL_0 "[Character set]\nCode page = KU (EPSON)\n", 4, "Code page: \"KU (EPSON)\" is not one of: USA"},
        {MODEL_0 "[Print Style]\nPrint pass = 1 Pass\n", 4, "only model variant 1"},
        {MODEL_0 "[Reserved]\nByte 23 = 256\n", 4, "Byte 23: \"256\" is not a number from 0 to 255"},
        {MODEL_0 "[Print Styl]\nFont = Draft\n", 3, "unknown section [Print Styl]; the sections are Profile, Print Style"},
        {MODEL_0 "[Emulation]\nFont = Draft\n", 4, "Font belongs in [Print Style], not in this section"},
        {MODEL_0 "[Print Style]\nFnt = Draft\n", 4, "unknown key \"Fnt\" in this section; its keys are Font, Pitch"},
        {MODEL_0 "[Print Style]\nFont = Draft\nFont = Roman\n", 5, "Font is given twice (first on line 4)"},
        {MODEL_0 "[Print Style]\nFont Draft\n", 4, "expected \"Label = Value\""},
        // The model variant must be named, and be one of the two.
        {"[Emulation]\nEmulation = IBM\n", 0, "the profile names no model variant"},
        {"\n[Profile]\nModel = 2\n", 3, "Model: \"2\" is not one of: 0 (standard model), 1"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SettingsBlock result = CountryDefaultTable[1];
        std::vector<ProfileError> errors;
        EXPECT_FALSE(readBack(c.text, CountryDefaultTable[0], &result, &errors));
        EXPECT_EQ(result, CountryDefaultTable[1]) << c.text;
        ASSERT_EQ(errors.size(), 1u) << c.text;
        EXPECT_EQ(errors[0].line, c.line) << c.text;
        EXPECT_NE((errors[0].message + "\n").find(c.message), std::string::npos) << errors[0].message;
    }
}

TEST(StreamDecoder, FindsEveryRowInACapture) {
    for (const SettingsBlock& row : CountryDefaultTable) {
        std::vector<uint8_t> capture = {'@', 0x1B, 0x1B, 0x00, 0x37};  // a near miss first
        const std::vector<uint8_t> stream = streamOf(row);
        capture.insert(capture.end(), stream.begin(), stream.end());
        capture.push_back(0x0C);
        SettingsBlock block{};
        size_t start = 0;
        StreamProblem problem;
        ASSERT_TRUE(decodeTransferStream(capture.data(), capture.size(), &block, &start, &problem))
            << problem.reason;
        EXPECT_EQ(block, row);
        EXPECT_EQ(start, 5u);
    }
}

TEST(StreamDecoder, NamesTheOffsetAndReasonOfAFault) {
    // at: the byte changed, or the length cut to when value is -1.
    const struct { size_t at; int value; size_t offset; const char* reason; } cases[] = {
        {57, 0x1C, 57, "header: 0x1C where the frame header has 0x1B"},
        {7, 0x03, 7, "frame: command 0x03, expected 0x02"},
        {64, 0x19, 64, "frame: block offset 0x19, expected 0x18"},
        {9, 0x16, 9, "length: byte count 0x16, expected 0x17"},
        {30, 0x10, 30, "nibble: 0x10 is above 0x0F"},
        {97, -1, 97, "length: the capture ends 97 bytes into the 98-byte stream"},
        {6, -1, 0, "header: no frame header"},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> stream = streamOf(CountryDefaultTable[4]);
        if (c.value < 0)
            stream.resize(c.at);
        else
            stream[c.at] = static_cast<uint8_t>(c.value);
        SettingsBlock block{};
        size_t start = 0;
        StreamProblem problem;
        EXPECT_FALSE(decodeTransferStream(stream.data(), stream.size(), &block, &start, &problem));
        EXPECT_EQ(problem.offset, c.offset) << c.reason;
        EXPECT_EQ(problem.reason.rfind(c.reason, 0), 0u) << problem.reason;
    }
}

}  // namespace
