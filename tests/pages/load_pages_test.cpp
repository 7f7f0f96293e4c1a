// Loading a settings block into the page controls: the lists whose entries
// depend on the model, the emulation, the code page or the font; the
// selections that must stay empty; the numeric entries and their ranges.
#include <windows.h>

#include <tuple>

#include "pages_fixture.h"
#include "resource.h"
#include "settings/settings_state.h"
#include "ui/load_pages.h"

using Entries = std::vector<std::string>;
using Range = std::pair<int, int>;

// "Scalable" is offered from font code 8 on (Script, list index 7); a stored
// 158 is what packing writes for it at 10.5 points, so it finds no row.
TEST_F(PagesTest, LineSpacingFindsItsRowAndOffersScalableOnlyFromFontCode8) {
    const std::tuple<unsigned, uint16_t, size_t, const char*> cases[] = {
        {0, 180, 14, "6"}, {0, 158, 14, ""}, {7, 0, 14, ""}, {8, 0, 15, "Scalable"}, {13, 1080, 15, "1"}};
    for (const auto& [font, spacing, count, chosen] : cases) {
        SCOPED_TRACE(testing::Message() << "font " << font << ", spacing " << spacing);
        SettingsBlock b = baseBlock();
        setFont(b, font);
        writeWord(b, 10, spacing);
        load(b);
        const Entries listed = entries(IDC_LINE_SPACING);
        EXPECT_EQ(listed.size(), count);
        EXPECT_EQ(selected(IDC_LINE_SPACING), chosen);
        EXPECT_EQ(!listed.empty() && listed.back() == "Scalable", count == 15);
    }
}

// A named row wins over "Free"; the free entry always shows the length, and a
// position above 999 survives its thousands separator when read back.
TEST_F(PagesTest, PageLengthPrefersItsNamedRowAndAlwaysSetsTheFreeEntry) {
    const std::tuple<uint16_t, const char*, int> cases[] = {
        {11880, "11 Inch", 1980}, {11000, "Free", 1833}, {2160 * 6, "12 Inch", 2160}};
    for (const auto& [stored, chosen, free] : cases) {
        SCOPED_TRACE(stored);
        SettingsBlock b = baseBlock();
        writeWord(b, 12, stored);
        load(b);
        EXPECT_EQ(selected(IDC_PAGE_LENGTH), chosen);
        EXPECT_EQ(position(IDC_FREE_LENGTH_SPIN), free);
        EXPECT_EQ(readPageChoices(window).freePageLength, free);
    }
    EXPECT_EQ(entries(IDC_PAGE_LENGTH), (Entries{"14 Inch", "12 Inch", "11 2/3 Inch", "11 Inch", "8 1/2 Inch",
                                                 "8 Inch", "5 1/2 Inch", "Free"}));
    EXPECT_EQ(range(IDC_FREE_LENGTH_SPIN), Range(90, 2700));
    EXPECT_EQ(SendDlgItemMessageA(window, IDC_FREE_LENGTH, EM_GETLIMITTEXT, 0, 0), 4);
}

TEST_F(PagesTest, CharacterSetListFollowsModelEmulationAndCodePage) {
    const Entries epson = {"Italic", "Graphic 1", "Graphic 2"}, ibm = {"Graphic 1", "Graphic 2"};
    // {variant, emulation, code page (0: the row's own), set code, entries, selected}. The variant
    // has no "Italic" set with either emulation, and with its "Italic" code page (23) only
    // "Graphic 1", even for code 3.
    const std::tuple<uint8_t, unsigned, unsigned, unsigned, Entries, const char*> cases[] = {
        {0, 0, 0, 0, epson, "Italic"},    {0, 0, 0, 1, epson, "Graphic 1"},
        {0, 0, 0, 2, epson, "Graphic 2"}, {0, 0, 0, 3, epson, "Graphic 2"},
        {0, 1, 0, 0, ibm, "Graphic 1"},   {0, 1, 0, 1, ibm, "Graphic 1"},
        {0, 1, 0, 2, ibm, "Graphic 1"},   {0, 1, 0, 3, ibm, "Graphic 2"},
        {1, 0, 17, 3, ibm, "Graphic 2"},  {1, 0, 23, 3, {"Graphic 1"}, "Graphic 1"}};
    for (const auto& [variant, emulation, codePage, code, expected, chosen] : cases) {
        SCOPED_TRACE(testing::Message() << "variant " << int(variant) << ", emulation " << emulation
                                        << ", code page " << codePage << ", code " << code);
        SettingsBlock b = baseBlock();
        setEmulation(b, emulation);
        if (codePage) setCodePage(b, codePage);
        setCharacterSet(b, code);
        load(b, variant);
        EXPECT_EQ(entries(IDC_CHARACTER_SET), expected);
        EXPECT_EQ(selected(IDC_CHARACTER_SET), chosen);
        EXPECT_EQ(charsetListEmulation, emulation);
    }
    EXPECT_EQ(entries(IDC_FONT), (Entries{"Draft", "Courier", "Prestige", "Roman", "Sans Serif", "Script"}));
    EXPECT_EQ(entries(IDC_CODE_PAGE).size(), 24u);
    EXPECT_EQ(selected(IDC_CODE_PAGE), "Italic");
}

// Fonts 4 and 9 have no pair; the variant's code page 18 offers only the six
// non-scalable fonts; the standard model lists 18 code pages, so 18 is none.
TEST_F(PagesTest, FontAndCodePageListsFollowModelAndCodePage) {
    // {variant, code page (0: the row's own), font, list, entries, selected}
    const std::tuple<uint8_t, unsigned, unsigned, int, size_t, const char*> cases[] = {
        {0, 0, 13, IDC_FONT, 14, "Roman-SC"},
        {0, 0, 4, IDC_FONT, 14, ""},
        {0, 0, 9, IDC_FONT, 14, ""},
        {1, 17, 0, IDC_FONT, 11, "Draft"},
        {1, 18, 11, IDC_FONT, 6, ""},
        {1, 18, 8, IDC_FONT, 6, "Script"},
        {1, 2, 11, IDC_FONT, 11, "Courier-SC"},
        {0, 17, 0, IDC_CODE_PAGE, 18, "ISO 8859-2"},
        {0, 18, 0, IDC_CODE_PAGE, 18, ""}};
    for (const auto& [variant, codePage, font, list, count, chosen] : cases) {
        SCOPED_TRACE(testing::Message()
                     << "variant " << int(variant) << ", code page " << codePage << ", font " << font);
        SettingsBlock b = baseBlock();
        if (codePage) setCodePage(b, codePage);
        setFont(b, font);
        load(b, variant);
        EXPECT_EQ(entries(list).size(), count);
        EXPECT_EQ(selected(list), chosen);
    }
}

TEST_F(PagesTest, ReloadingReplacesEveryListsEntriesAndFollowsTheNewEmulation) {
    SettingsBlock ibm = baseBlock();
    setEmulation(ibm, 1);
    load(ibm, 1);
    load(baseBlock());
    EXPECT_EQ(entries(IDC_CHARACTER_SET).size(), 3u);
    EXPECT_EQ(entries(IDC_FONT).size(), 14u);
    EXPECT_EQ(entries(IDC_BAUD_RATE).size(), 8u);
    EXPECT_EQ(entries(IDC_CODE_PAGE).size(), 18u);
    EXPECT_EQ(charsetListEmulation, 0);
    EXPECT_EQ(selected(IDC_EMULATION), "EPSON");
}

// Margins are stored in columns of the pitch with the pitch class in the top
// bits; the class must not reach the distance. At 12 CPI a class bit left in
// the columns would show (0x1000 x 120 keeps 32768 in 16 bits). Pitch codes
// 10-15 have no row: they select nothing and the 10 CPI row stands in.
TEST_F(PagesTest, MarginsTakeTheirPitchRowAndIgnoreThePitchClassBits) {
    using Margins = std::tuple<std::string, std::string, int, int, Range, Range>;
    const Margins tenCpiStandIn = {"3", "64", 3 * 144, 64 * 144, {0, 78}, {2, 80}};
    const std::tuple<unsigned, uint16_t, uint16_t, const char*, Margins> cases[] = {
        {8, 0x2005, 0x2078, "7.5 CPI", {"5", "120", 480, 11520, {0, 117}, {3, 120}}},
        {0, 0x0000, 0x0050, "10 CPI", {"0", "80", 0, 11520, {0, 78}, {2, 80}}},
        {1, 0x1005, 0x1060, "12 CPI", {"5", "96", 600, 96 * 120, {0, 93}, {3, 96}}},
        {10, 3, 64, "", tenCpiStandIn},
        {11, 3, 64, "", tenCpiStandIn},
        {12, 3, 64, "", tenCpiStandIn},
        {13, 3, 64, "", tenCpiStandIn},
        {14, 3, 64, "", tenCpiStandIn},
        {15, 3, 64, "", tenCpiStandIn}};
    for (const auto& [pitch, left, right, pitchName, expected] : cases) {
        SCOPED_TRACE(pitch);
        SettingsBlock b = baseBlock();
        setPitch(b, pitch);
        writeWord(b, 18, left);
        writeWord(b, 20, right);
        load(b);
        EXPECT_EQ(selected(IDC_PITCH), pitchName);
        EXPECT_EQ(Margins(text(IDC_LEFT_MARGIN), text(IDC_RIGHT_MARGIN), leftMarginPosition,
                          rightMarginPosition, range(IDC_LEFT_MARGIN_SPIN), range(IDC_RIGHT_MARGIN_SPIN)),
                  expected);
    }
}

TEST_F(PagesTest, IbmOnlyListsAreEnabledOnlyForIbmTheirLabelsAlways) {
    for (unsigned emulation : {1u, 0u}) {
        SCOPED_TRACE(emulation);
        SettingsBlock b = baseBlock();
        setEmulation(b, emulation);
        load(b);
        for (int id : {IDC_AGM, IDC_AUTO_CR})
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(window, id)) != 0, emulation == 1);
        for (int id : {IDC_AGM_LABEL, IDC_AUTO_CR_LABEL, IDC_AUTO_LF})
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, id)));
    }
}

TEST_F(PagesTest, FieldValuesBecomeEntriesAndPositionsInTheUnitsShown) {
    SettingsBlock b = baseBlock();
    setBits(b, 6, 5, 1, 0);  // Auto feed XT: 0 is "On", listed first
    setBits(b, 3, 0, 1, 1);  // Tear off Auto
    setBits(b, 7, 0, 3, 7);  // 19200 baud
    setBits(b, 7, 7, 1, 1);  // 1 Pass
    setBits(b, 8, 4, 1, 1);  // Space
    setBits(b, 3, 6, 2, 3);  // a zero font no entry stands for
    b.bytes[9] = 64;         // 32 points
    writeWord(b, 14, 905);   // 150 5/6 in 1/180 inch: the remainder is dropped
    writeWord(b, 16, 5400);
    b.bytes[22] = 33;
    writeWord(b, 24, 7);
    writeWord(b, 26, 1800);
    load(b);
    EXPECT_EQ(selected(IDC_AUTO_FEED_XT), "On");
    EXPECT_EQ(selected(IDC_TEAR_OFF), "Auto");
    EXPECT_EQ(selected(IDC_BAUD_RATE), "19200");
    EXPECT_EQ(selected(IDC_PRINT_PASS), "1 Pass");
    EXPECT_EQ(selected(IDC_SIGNAL_POLARITY), "Space");
    EXPECT_EQ(entries(IDC_ZERO_FONT).size(), 3u);
    EXPECT_EQ(selected(IDC_ZERO_FONT), "");
    EXPECT_EQ(selected(IDC_POINT_SIZE), "32");
    EXPECT_EQ(text(IDC_TOP_MARGIN), "150");
    EXPECT_EQ(text(IDC_BOTTOM_MARGIN), "900");
    EXPECT_EQ(text(IDC_CENTERING), "33");
    EXPECT_EQ(text(IDC_TRACTOR), "3");
    EXPECT_EQ(position(IDC_TRACTOR_SPIN), 3);
    EXPECT_EQ(position(IDC_FRICTION_SPIN), 900);

    // The variant fills Print pass too; a point size code no row holds
    // selects nothing.
    b.bytes[9] = 22;
    load(b, 1);
    EXPECT_EQ(selected(IDC_PRINT_PASS), "1 Pass");
    EXPECT_EQ(selected(IDC_POINT_SIZE), "");
}
