// Loading a settings block into the page controls: the lists whose entries
// depend on the model, the emulation, the code page or the font; the
// selections that must stay empty; the numeric entries and their ranges.
#include <windows.h>

#include "pages_fixture.h"
#include "resource.h"
#include "settings/settings_state.h"
#include "ui/load_pages.h"

using Entries = std::vector<std::string>;

TEST_F(PagesTest, LineSpacingFindsItsRowAndOffersScalableOnlyFromFontCode8) {
    SettingsBlock b = baseBlock();  // Draft, 180
    load(b);
    EXPECT_EQ(entries(IDC_LINE_SPACING).size(), 14u);
    EXPECT_EQ(selected(IDC_LINE_SPACING), "6");

    writeWord(b, 10, 158);  // what packing stores for "Scalable" at 10.5 points
    load(b);
    EXPECT_EQ(selected(IDC_LINE_SPACING), "");

    writeWord(b, 10, 0);
    setFont(b, 7);  // Sans Serif: no "Scalable", so a stored 0 shows nothing
    load(b);
    EXPECT_EQ(entries(IDC_LINE_SPACING).size(), 14u);
    EXPECT_EQ(selected(IDC_LINE_SPACING), "");

    setFont(b, 8);  // Script: a code of 8, although its list index is 7
    load(b);
    ASSERT_EQ(entries(IDC_LINE_SPACING).size(), 15u);
    EXPECT_EQ(entries(IDC_LINE_SPACING).back(), "Scalable");
    EXPECT_EQ(selected(IDC_LINE_SPACING), "Scalable");

    setFont(b, 13);  // Roman-SC
    writeWord(b, 10, 1080);
    load(b);
    EXPECT_EQ(entries(IDC_LINE_SPACING).size(), 15u);
    EXPECT_EQ(selected(IDC_LINE_SPACING), "1");
}

TEST_F(PagesTest, PageLengthPrefersItsNamedRowAndFallsBackToFreeWithTheFreeEntryAlwaysSet) {
    SettingsBlock b = baseBlock();
    writeWord(b, 12, 11880);
    load(b);
    EXPECT_EQ(entries(IDC_PAGE_LENGTH), (Entries{"14 Inch", "12 Inch", "11 2/3 Inch", "11 Inch", "8 1/2 Inch",
                                                 "8 Inch", "5 1/2 Inch", "Free"}));
    EXPECT_EQ(selected(IDC_PAGE_LENGTH), "11 Inch");
    EXPECT_EQ(position(IDC_FREE_LENGTH_SPIN), 1980);
    EXPECT_EQ(readPageChoices(window).freePageLength, 1980)
        << "a position above 999 must survive its separator";

    writeWord(b, 12, 11000);
    load(b);
    EXPECT_EQ(selected(IDC_PAGE_LENGTH), "Free");
    EXPECT_EQ(position(IDC_FREE_LENGTH_SPIN), 1833);
    EXPECT_EQ(readPageChoices(window).freePageLength, 1833);

    writeWord(b, 12, 2160 * 6);  // a free length of 2160 packed: 12 inches
    load(b);
    EXPECT_EQ(selected(IDC_PAGE_LENGTH), "12 Inch");
    EXPECT_EQ(position(IDC_FREE_LENGTH_SPIN), 2160);

    int low = 0, high = 0;
    range(IDC_FREE_LENGTH_SPIN, &low, &high);
    EXPECT_EQ(low, 90);
    EXPECT_EQ(high, 2700);
    EXPECT_EQ(SendDlgItemMessageA(window, IDC_FREE_LENGTH, EM_GETLIMITTEXT, 0, 0), 4);
}

TEST_F(PagesTest, CharacterSetListFollowsModelEmulationAndCodePage) {
    SettingsBlock b = baseBlock();
    const char* epson[] = {"Italic", "Graphic 1", "Graphic 2", "Graphic 2"};
    for (unsigned code = 0; code < 4; ++code) {
        setCharacterSet(b, code);
        load(b);
        EXPECT_EQ(entries(IDC_CHARACTER_SET), (Entries{"Italic", "Graphic 1", "Graphic 2"})) << code;
        EXPECT_EQ(selected(IDC_CHARACTER_SET), epson[code]) << "EPSON code " << code;
    }

    setEmulation(b, 1);
    const char* ibm[] = {"Graphic 1", "Graphic 1", "Graphic 1", "Graphic 2"};
    for (unsigned code = 0; code < 4; ++code) {
        setCharacterSet(b, code);
        load(b);
        EXPECT_EQ(entries(IDC_CHARACTER_SET), (Entries{"Graphic 1", "Graphic 2"})) << code;
        EXPECT_EQ(selected(IDC_CHARACTER_SET), ibm[code]) << "IBM code " << code;
        EXPECT_EQ(charsetListEmulation, 1);
    }

    // The variant has no "Italic" set with either emulation.
    setEmulation(b, 0);
    setCodePage(b, 17);
    load(b, 1);
    EXPECT_EQ(entries(IDC_CHARACTER_SET), (Entries{"Graphic 1", "Graphic 2"}));
    EXPECT_EQ(selected(IDC_CHARACTER_SET), "Graphic 2");
    EXPECT_EQ(entries(IDC_FONT).size(), 11u);

    // ... and with its "Italic" code page only "Graphic 1", even for code 3.
    setCodePage(b, 23);
    load(b, 1);
    EXPECT_EQ(entries(IDC_CHARACTER_SET), (Entries{"Graphic 1"}));
    EXPECT_EQ(selected(IDC_CHARACTER_SET), "Graphic 1");
    EXPECT_EQ(entries(IDC_FONT), (Entries{"Draft", "Courier", "Prestige", "Roman", "Sans Serif", "Script"}));
    EXPECT_EQ(entries(IDC_CODE_PAGE).size(), 24u);
    EXPECT_EQ(selected(IDC_CODE_PAGE), "Italic");
}

TEST_F(PagesTest, ReloadingReplacesEveryListsEntriesAndFollowsTheNewEmulation) {
    SettingsBlock ibm = baseBlock();
    setEmulation(ibm, 1);
    load(ibm);
    load(baseBlock());
    EXPECT_EQ(entries(IDC_CHARACTER_SET).size(), 3u);
    EXPECT_EQ(entries(IDC_FONT).size(), 14u);
    EXPECT_EQ(entries(IDC_BAUD_RATE).size(), 8u);
    EXPECT_EQ(entries(IDC_CODE_PAGE).size(), 18u);
    EXPECT_EQ(charsetListEmulation, 0);
    EXPECT_EQ(selected(IDC_EMULATION), "EPSON");
}

TEST_F(PagesTest, FontsWithoutAPairOrMissingFromTheShortListSelectNothing) {
    SettingsBlock b = baseBlock();
    setFont(b, 13);
    load(b);
    EXPECT_EQ(selected(IDC_FONT), "Roman-SC");
    for (unsigned code : {4u, 9u}) {
        setFont(b, code);
        load(b);
        EXPECT_EQ(entries(IDC_FONT).size(), 14u);
        EXPECT_EQ(selected(IDC_FONT), "") << "font code " << code;
    }

    // Variant: code page 18 offers only the six non-scalable fonts, so a
    // stored Courier-SC (code 11, list index 6) has no entry.
    setCodePage(b, 18);
    setFont(b, 11);
    load(b, 1);
    EXPECT_EQ(entries(IDC_FONT).size(), 6u);
    EXPECT_EQ(selected(IDC_FONT), "");
    setFont(b, 8);
    load(b, 1);
    EXPECT_EQ(selected(IDC_FONT), "Script");
    setCodePage(b, 2);
    setFont(b, 11);
    load(b, 1);
    EXPECT_EQ(selected(IDC_FONT), "Courier-SC");
}

TEST_F(PagesTest, StandardModelListsOnlyEighteenCodePages) {
    SettingsBlock b = baseBlock();
    setCodePage(b, 17);
    load(b);
    EXPECT_EQ(selected(IDC_CODE_PAGE), "ISO 8859-2");
    setCodePage(b, 18);
    load(b);
    EXPECT_EQ(entries(IDC_CODE_PAGE).size(), 18u);
    EXPECT_EQ(selected(IDC_CODE_PAGE), "");
}

TEST_F(PagesTest, MarginsTakeTheirPitchRowAndIgnoreThePitchClassBits) {
    SettingsBlock b = baseBlock();
    setPitch(b, 8);  // 7.5 CPI: columns of 96/1440 inch
    writeWord(b, 18, 0x2005);
    writeWord(b, 20, 0x2078);
    load(b);
    EXPECT_EQ(selected(IDC_PITCH), "7.5 CPI");
    EXPECT_EQ(text(IDC_LEFT_MARGIN), "5");
    EXPECT_EQ(text(IDC_RIGHT_MARGIN), "120");
    EXPECT_EQ(leftMarginPosition, 480);
    EXPECT_EQ(rightMarginPosition, 11520);
    int low = 0, high = 0;
    range(IDC_LEFT_MARGIN_SPIN, &low, &high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 117);
    range(IDC_RIGHT_MARGIN_SPIN, &low, &high);
    EXPECT_EQ(low, 3);
    EXPECT_EQ(high, 120);

    b = baseBlock();
    writeWord(b, 20, 0x0050);
    load(b);
    EXPECT_EQ(text(IDC_RIGHT_MARGIN), "80");
    range(IDC_RIGHT_MARGIN_SPIN, &low, &high);
    EXPECT_EQ(low, 2);
    EXPECT_EQ(high, 80);
    EXPECT_EQ(rightMarginPosition, 11520);
    EXPECT_EQ(leftMarginPosition, 0);

    // At 12 CPI a class bit left in the columns would show in the distance
    // (0x1000 x 120 keeps 32768 in 16 bits), unlike the multiples of 16 above.
    setPitch(b, 1);
    writeWord(b, 18, 0x1005);
    writeWord(b, 20, 0x1060);
    load(b);
    EXPECT_EQ(text(IDC_LEFT_MARGIN), "5");
    EXPECT_EQ(leftMarginPosition, 600);
    EXPECT_EQ(rightMarginPosition, 96 * 120);
}

TEST_F(PagesTest, PitchWithoutAGeometryRowSelectsNothingAndKeepsUsableMargins) {
    for (unsigned p = 10; p <= 15; ++p) {
        SettingsBlock b = baseBlock();
        setPitch(b, p);
        writeWord(b, 18, 0x0003);
        writeWord(b, 20, 0x0040);
        load(b);
        EXPECT_EQ(selected(IDC_PITCH), "") << p;
        // The 10 CPI row stands in: its bounds and its column width.
        int low = 0, high = 0;
        range(IDC_LEFT_MARGIN_SPIN, &low, &high);
        EXPECT_EQ(low, 0);
        EXPECT_EQ(high, 78);
        range(IDC_RIGHT_MARGIN_SPIN, &low, &high);
        EXPECT_EQ(low, 2);
        EXPECT_EQ(high, 80);
        EXPECT_EQ(text(IDC_LEFT_MARGIN), "3");
        EXPECT_EQ(leftMarginPosition, 3 * 144);
        EXPECT_EQ(rightMarginPosition, 64 * 144);
    }
}

TEST_F(PagesTest, IbmOnlyListsAreEnabledOnlyForIbmTheirLabelsAlways) {
    SettingsBlock b = baseBlock();
    setEmulation(b, 1);
    load(b);
    EXPECT_TRUE(enabled(IDC_AGM));
    EXPECT_TRUE(enabled(IDC_AUTO_CR));
    setEmulation(b, 0);
    load(b);
    EXPECT_FALSE(enabled(IDC_AGM));
    EXPECT_FALSE(enabled(IDC_AUTO_CR));
    EXPECT_TRUE(enabled(IDC_AGM_LABEL));
    EXPECT_TRUE(enabled(IDC_AUTO_CR_LABEL));
    EXPECT_TRUE(enabled(IDC_AUTO_LF));
    EXPECT_EQ(entries(IDC_AGM), (Entries{"Off", "On"}));
}

TEST_F(PagesTest, FieldValuesBecomeEntriesAndPositionsInTheUnitsShown) {
    SettingsBlock b = baseBlock();
    setBits(b, 6, 5, 1, 0);  // Auto feed XT: 0 is "On", listed first
    setBits(b, 3, 0, 1, 1);  // Tear off Auto
    setBits(b, 7, 0, 3, 7);  // 19200 baud
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
    EXPECT_EQ(selected(IDC_SIGNAL_POLARITY), "Space");
    EXPECT_EQ(entries(IDC_ZERO_FONT).size(), 3u);
    EXPECT_EQ(selected(IDC_ZERO_FONT), "");
    EXPECT_EQ(selected(IDC_POINT_SIZE), "32");
    EXPECT_EQ(text(IDC_TOP_MARGIN), "150");
    EXPECT_EQ(text(IDC_BOTTOM_MARGIN), "900");
    EXPECT_EQ(text(IDC_CENTERING), "33");
    EXPECT_EQ(position(IDC_TRACTOR_SPIN), 3);
    EXPECT_EQ(text(IDC_TRACTOR), "3");
    EXPECT_EQ(position(IDC_FRICTION_SPIN), 900);

    // A point size code no row holds selects nothing.
    b.bytes[9] = 22;
    load(b);
    EXPECT_EQ(selected(IDC_POINT_SIZE), "");
}

TEST_F(PagesTest, PrintPassIsFilledOnBothModels) {
    SettingsBlock b = baseBlock();
    setBits(b, 7, 7, 1, 1);
    load(b);
    EXPECT_EQ(entries(IDC_PRINT_PASS), (Entries{"3 Pass", "1 Pass"}));
    EXPECT_EQ(selected(IDC_PRINT_PASS), "1 Pass");
    load(b, 1);
    EXPECT_EQ(selected(IDC_PRINT_PASS), "1 Pass");
}
