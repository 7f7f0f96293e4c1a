#include "catalogue.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <vector>

#include "resources/resource.h"
#include "value_tables.h"

namespace {

const char* const OffOn[] = {"Off", "On"};
const char* const OnOff[] = {"On", "Off"};
const char* const EmulationTexts[] = {"EPSON", "IBM"};
const char* const CharacterSetTexts[] = {"Italic", "Graphic 1", "Graphic 2"};
const char* const InternationalTexts[] = {
    "USA",   "France", "Germany",   "UK",      "Denmark 1",     "Sweden", "Italy",    "Spain 1",
    "Japan", "Norway", "Denmark 2", "Spain 2", "Latin America", "Korea",  "Slovenia", "Legal"};
const char* const ZeroFontTexts[] = {"Normal", "Pointed", "Slashed"};
const char* const PageLengthTexts[] = {"14 Inch",    "12 Inch", "11 2/3 Inch", "11 Inch",
                                       "8 1/2 Inch", "8 Inch",  "5 1/2 Inch",  "Free"};
const char* const DirectionTexts[] = {"Bi Direction", "Uni Direction"};
const char* const CountryTexts[] = {"USA",    "Belgium", "Chile",  "Denmark", "Finland",
                                    "France", "Germany", "Italy",  "Norway",  "Portugal",
                                    "Spain",  "Sweden",  "Turkey", "UK",      "Other country"};
const char* const PitchTexts[] = {"10 CPI", "12 CPI", "15 CPI", "17 CPI",  "20 CPI",
                                  "P.S",    "5 CPI",  "6 CPI",  "7.5 CPI", "8.5 CPI"};
const char* const PointSizeTexts[] = {"8",  "10", "10.5", "12", "14", "16", "18", "20",
                                      "21", "22", "24",   "26", "28", "30", "32"};
const char* const LineSpacingTexts[] = {"1", "1.5", "2", "2.5", "3",  "4",  "4.5",     "5",
                                        "6", "7.5", "8", "9",   "10", "12", "Scalable"};
const char* const CodePageTexts[] = {
    "USA",        "Multilingual", "Portugal",   "Canada-French", "Norway",    "Turkey",
    "BRASCII",    "ABICOMP",      "PC855",      "PC866",         "USSR GOST", "Polish",
    "Czech",      "PC852",        "ISO Latin2", "Hungarian",     "Bulgaria",  "ISO 8859-2",
    "KU (EPSON)", "TIS (EPSON)",  "TIS (IBM)",  "SIC (EPSON)",   "SIC (OKI)", "Italic"};
const char* const BufferTexts[] = {"22 KB", "8 KB", "0 KB", "ALL"};
const char* const TearOffTexts[] = {"Manual", "Auto"};
const char* const DataLengthTexts[] = {"8 Bit", "7 Bit"};
const char* const BaudRateTexts[] = {"150", "300", "600", "1200", "2400", "4800", "9600", "19200"};
const char* const ParityTexts[] = {"None", "Ignore", "Odd", "Even"};
const char* const ProtocolTexts[] = {"DTR", "XON/XOFF"};
const char* const PrintPassTexts[] = {"3 Pass", "1 Pass"};
const char* const StandardFontTexts[] = {
    "Draft",  "Bold PS",    "Courier",    "OCR-B",       "Prestige", "Roman",         "Sans Serif",
    "Script", "Bold PS-SC", "Courier-SC", "Prestige-SC", "Roman-SC", "Sans Serif-SC", "Script-SC"};
const char* const VariantFontTexts[] = {"Draft",      "Courier",       "Prestige",   "Roman",
                                        "Sans Serif", "Script",        "Courier-SC", "Prestige-SC",
                                        "Roman-SC",   "Sans Serif-SC", "Script-SC"};
const char* const PolarityTexts[] = {"Mark", "Space"};

template <size_t N>
constexpr TextList texts(uint16_t firstId, const char* const (&entries)[N]) {
    return {firstId, static_cast<uint8_t>(N), entries};
}

// The runs of the window's string table.
const TextList Emulation = texts(IDS_EMULATION_FIRST, EmulationTexts);
const TextList CharacterSet = texts(IDS_CHARSET_FIRST, CharacterSetTexts);
const TextList International = texts(IDS_INTERNATIONAL_FIRST, InternationalTexts);
const TextList ZeroFont = texts(IDS_ZERO_FONT_FIRST, ZeroFontTexts);
const TextList PageLength = texts(IDS_PAGE_LENGTH_FIRST, PageLengthTexts);
const TextList AutoLF = texts(IDS_AUTO_LF_FIRST, OffOn);
const TextList AutoCR = texts(IDS_AUTO_CR_FIRST, OffOn);
const TextList Agm = texts(IDS_AGM_FIRST, OffOn);
const TextList Direction = texts(IDS_DIRECTION_FIRST, DirectionTexts);
const TextList AutoLoad = texts(IDS_AUTO_LOAD_FIRST, OffOn);
const TextList Pitch = texts(IDS_PITCH_FIRST, PitchTexts);
const TextList PointSize = texts(IDS_POINT_SIZE_FIRST, PointSizeTexts);
const TextList LineSpacing = texts(IDS_LINE_SPACING_FIRST, LineSpacingTexts);
const TextList Bold = texts(IDS_BOLD_FIRST, OffOn);
const TextList DoubleHigh = texts(IDS_DOUBLE_HIGH_FIRST, OffOn);
const TextList DoubleStrike = texts(IDS_DOUBLE_STRIKE_FIRST, OffOn);
const TextList DoubleWide = texts(IDS_DOUBLE_WIDE_FIRST, OffOn);
const TextList Italics = texts(IDS_ITALICS_FIRST, OffOn);
const TextList Outline = texts(IDS_OUTLINE_FIRST, OffOn);
const TextList Shadow = texts(IDS_SHADOW_FIRST, OffOn);
const TextList CodePage = texts(IDS_CODE_PAGE_FIRST, CodePageTexts);
const TextList Buffer = texts(IDS_BUFFER_CONTROL_FIRST, BufferTexts);
const TextList PaperOut = texts(IDS_PAPER_OUT_FIRST, OffOn);
const TextList TearOff = texts(IDS_TEAR_OFF_FIRST, TearOffTexts);
const TextList AutoFeedXT = texts(IDS_AUTO_FEED_XT_FIRST, OnOff);
const TextList DataLength = texts(IDS_DATA_LENGTH_FIRST, DataLengthTexts);
const TextList BaudRate = texts(IDS_BAUD_RATE_FIRST, BaudRateTexts);
const TextList Parity = texts(IDS_PARITY_FIRST, ParityTexts);
const TextList Protocol = texts(IDS_PROTOCOL_FIRST, ProtocolTexts);
const TextList PrintPass = texts(IDS_PRINT_PASS_FIRST, PrintPassTexts);
const TextList AutoOnline = texts(IDS_AUTO_ONLINE_FIRST, OffOn);
const TextList StandardFont = texts(IDS_FONT_STANDARD_FIRST, StandardFontTexts);
const TextList VariantFont = texts(IDS_FONT_VARIANT_FIRST, VariantFontTexts);
const TextList Polarity = texts(IDS_SIGNAL_POLARITY_FIRST, PolarityTexts);

using PC = PageChoices;
constexpr int None = 0;

uint8_t fontCodeOf(const PageChoices& choices, uint8_t modelVariant) {
    uint8_t code = 0;  // what packing stores for a font without a pair
    fontCodeForIndex(modelVariant, choices.font, &code);
    return code;
}

}  // namespace

const TextList CountryList = texts(IDS_COUNTRY_FIRST, CountryTexts);

const TextList* const AllTextLists[] = {
    &Emulation,  &CharacterSet, &International, &ZeroFont,     &PageLength,  &AutoLF,      &AutoCR,
    &Agm,        &Direction,    &AutoLoad,      &Pitch,        &PointSize,   &LineSpacing, &Bold,
    &DoubleHigh, &DoubleStrike, &DoubleWide,    &Italics,      &Outline,     &Shadow,      &CodePage,
    &Buffer,     &PaperOut,     &TearOff,       &AutoFeedXT,   &DataLength,  &BaudRate,    &Parity,
    &Protocol,   &PrintPass,    &AutoOnline,    &StandardFont, &VariantFont, &Polarity,    &CountryList};
const int TextListCount = static_cast<int>(std::size(AllTextLists));

const CataloguePage CataloguePages[PageCount] = {
    {"Print Style", IDS_TREE_PRINT_STYLE},          {"Emulation", IDS_TREE_EMULATION},
    {"Page Format", IDS_TREE_PRINT_STYLE + 1},      {"Print mode", IDS_TREE_PRINT_STYLE + 2},
    {"Text Enhancement", IDS_TREE_PRINT_STYLE + 3}, {"Character set", IDS_TREE_PRINT_STYLE + 4},
    {"Install", IDS_TREE_PRINT_STYLE + 5},          {"Serial Interface", IDS_TREE_PRINT_STYLE + 6},
    {"TOF Setting", IDS_TREE_PRINT_STYLE + 7}};

// In the pages' row order, with the ids of the main window template's controls.
// The font list given here is the standard model's: listFor picks the variant's.
const Setting Settings[SettingCount] = {
    {0, "Font", IDC_FONT_LABEL, IDC_FONT, 0, 0, &PC::font, &StandardFont, None, None, false, 4},
    {0, "Pitch", IDC_PITCH_LABEL, IDC_PITCH, 0, 0, &PC::pitch, &Pitch, None, None, false, 4},
    {0, "Point size", IDC_POINT_SIZE_LABEL, IDC_POINT_SIZE, 0, 0, &PC::pointSize, &PointSize, None, None,
     false, 9},
    {0, "Print pass", IDC_PRINT_PASS_LABEL, IDC_PRINT_PASS, 0, 0, &PC::printPass, &PrintPass, None, None,
     true, 7},
    {1, "Emulation", IDC_EMULATION_LABEL, IDC_EMULATION, 0, 0, &PC::emulation, &Emulation, None, None, false,
     0},
    {2, "Line/Inch", IDC_LINE_SPACING_LABEL, IDC_LINE_SPACING, 0, 0, &PC::lineSpacing, &LineSpacing, None,
     None, false, 10},
    {2, "Page length", IDC_PAGE_LENGTH_LABEL, IDC_PAGE_LENGTH, 0, 0, &PC::pageLength, &PageLength, None, None,
     false, 12},
    {2, "Free page length", 0, IDC_FREE_LENGTH, IDC_FREE_LENGTH_SPIN, IDC_FREE_LENGTH_UNIT,
     &PC::freePageLength, nullptr, 90, 2700, false, 12},
    {2, "Top margin", IDC_TOP_MARGIN_LABEL, IDC_TOP_MARGIN, IDC_TOP_MARGIN_SPIN, IDC_TOP_MARGIN_UNIT,
     &PC::topMargin, nullptr, 0, 450, false, 14},
    {2, "Bottom margin", IDC_BOTTOM_MARGIN_LABEL, IDC_BOTTOM_MARGIN, IDC_BOTTOM_MARGIN_SPIN,
     IDC_BOTTOM_MARGIN_UNIT, &PC::bottomMargin, nullptr, 0, 900, false, 16},
    {2, "Left margin", IDC_LEFT_MARGIN_LABEL, IDC_LEFT_MARGIN, IDC_LEFT_MARGIN_SPIN, IDC_LEFT_MARGIN_UNIT,
     &PC::leftMargin, nullptr, None, None, false, 18},
    {2, "Right margin", IDC_RIGHT_MARGIN_LABEL, IDC_RIGHT_MARGIN, IDC_RIGHT_MARGIN_SPIN,
     IDC_RIGHT_MARGIN_UNIT, &PC::rightMargin, nullptr, None, None, false, 20},
    {2, "Centering Position", IDC_CENTERING_LABEL, IDC_CENTERING, IDC_CENTERING_SPIN, IDC_CENTERING_UNIT,
     &PC::centeringPosition, nullptr, 10, 45, false, 22},
    {3, "Graphic direction", IDC_GRAPHIC_DIRECTION_LABEL, IDC_GRAPHIC_DIRECTION, 0, 0, &PC::graphicDirection,
     &Direction, None, None, false, 3},
    {3, "Text direction", IDC_TEXT_DIRECTION_LABEL, IDC_TEXT_DIRECTION, 0, 0, &PC::textDirection, &Direction,
     None, None, false, 3},
    {4, "Bold", IDC_BOLD_LABEL, IDC_BOLD, 0, 0, &PC::bold, &Bold, None, None, false, 5},
    {4, "Double high", IDC_DOUBLE_HIGH_LABEL, IDC_DOUBLE_HIGH, 0, 0, &PC::doubleHigh, &DoubleHigh, None, None,
     false, 5},
    {4, "Double strike", IDC_DOUBLE_STRIKE_LABEL, IDC_DOUBLE_STRIKE, 0, 0, &PC::doubleStrike, &DoubleStrike,
     None, None, false, 5},
    {4, "Double wide", IDC_DOUBLE_WIDE_LABEL, IDC_DOUBLE_WIDE, 0, 0, &PC::doubleWide, &DoubleWide, None, None,
     false, 5},
    {4, "Italics", IDC_ITALICS_LABEL, IDC_ITALICS, 0, 0, &PC::italics, &Italics, None, None, false, 5},
    {4, "Outline", IDC_OUTLINE_LABEL, IDC_OUTLINE, 0, 0, &PC::outline, &Outline, None, None, false, 5},
    {4, "Shadow", IDC_SHADOW_LABEL, IDC_SHADOW, 0, 0, &PC::shadow, &Shadow, None, None, false, 5},
    {4, "Zero font", IDC_ZERO_FONT_LABEL, IDC_ZERO_FONT, 0, 0, &PC::zeroFont, &ZeroFont, None, None, false,
     3},
    {5, "Character set", IDC_CHARACTER_SET_LABEL, IDC_CHARACTER_SET, 0, 0, &PC::characterSet, &CharacterSet,
     None, None, false, 0},
    {5, "International character", IDC_INTERNATIONAL_LABEL, IDC_INTERNATIONAL, 0, 0,
     &PC::internationalCharacter, &International, None, None, false, 0},
    {5, "Code page", IDC_CODE_PAGE_LABEL, IDC_CODE_PAGE, 0, 0, &PC::codePage, &CodePage, None, None, false,
     1},
    {6, "A.G.M.", IDC_AGM_LABEL, IDC_AGM, 0, 0, &PC::agm, &Agm, None, None, false, 2},
    {6, "Auto CR", IDC_AUTO_CR_LABEL, IDC_AUTO_CR, 0, 0, &PC::autoCR, &AutoCR, None, None, false, 2},
    {6, "Auto LF", IDC_AUTO_LF_LABEL, IDC_AUTO_LF, 0, 0, &PC::autoLF, &AutoLF, None, None, false, 2},
    {6, "Auto load", IDC_AUTO_LOAD_LABEL, IDC_AUTO_LOAD, 0, 0, &PC::autoLoad, &AutoLoad, None, None, false,
     2},
    {6, "Paper out detect", IDC_PAPER_OUT_LABEL, IDC_PAPER_OUT, 0, 0, &PC::paperOutDetect, &PaperOut, None,
     None, false, 2},
    {6, "Tear off", IDC_TEAR_OFF_LABEL, IDC_TEAR_OFF, 0, 0, &PC::tearOff, &TearOff, None, None, false, 3},
    {6, "Buffer control", IDC_BUFFER_CONTROL_LABEL, IDC_BUFFER_CONTROL, 0, 0, &PC::bufferControl, &Buffer,
     None, None, false, 7},
    {6, "Auto Online", IDC_AUTO_ONLINE_LABEL, IDC_AUTO_ONLINE, 0, 0, &PC::autoOnline, &AutoOnline, None, None,
     false, 5},
    {6, "Auto feed XT", IDC_AUTO_FEED_XT_LABEL, IDC_AUTO_FEED_XT, 0, 0, &PC::autoFeedXT, &AutoFeedXT, None,
     None, false, 6},
    {7, "Data length", IDC_DATA_LENGTH_LABEL, IDC_DATA_LENGTH, 0, 0, &PC::dataLength, &DataLength, None, None,
     false, 8},
    {7, "Baud rate", IDC_BAUD_RATE_LABEL, IDC_BAUD_RATE, 0, 0, &PC::baudRate, &BaudRate, None, None, false,
     7},
    {7, "Parity", IDC_PARITY_LABEL, IDC_PARITY, 0, 0, &PC::parity, &Parity, None, None, false, 7},
    {7, "Protocol", IDC_PROTOCOL_LABEL, IDC_PROTOCOL, 0, 0, &PC::protocol, &Protocol, None, None, false, 8},
    {7, "Signal Polarity", IDC_SIGNAL_POLARITY_LABEL, IDC_SIGNAL_POLARITY, 0, 0, &PC::signalPolarity,
     &Polarity, None, None, false, 8},
    {8, "Tractor", IDC_TRACTOR_LABEL, IDC_TRACTOR, IDC_TRACTOR_SPIN, IDC_TRACTOR_UNIT, &PC::tractor, nullptr,
     0, 900, false, 24},
    {8, "Friction", IDC_FRICTION_LABEL, IDC_FRICTION, IDC_FRICTION_SPIN, IDC_FRICTION_UNIT, &PC::friction,
     nullptr, 0, 900, false, 26},
};

ListView listFor(const Setting& setting, const PageChoices& choices, uint8_t modelVariant) {
    const bool variant = modelVariant == 1;
    ListView view;
    view.list = setting.list;
    view.count = setting.list ? setting.list->count : 0;
    if (setting.list == &StandardFont && variant) {
        view.list = &VariantFont;
        view.count = choices.codePage >= FirstCodePageWithoutScalableFonts ? VariantNonScalableFontCount
                                                                           : VariantFont.count;
    } else if (setting.list == &LineSpacing) {
        if (fontCodeOf(choices, modelVariant) < FirstScalableLineSpacingFont)
            view.count = LineSpacingScalableIndex;
    } else if (setting.list == &CodePage) {
        if (!variant) view.count = StandardCodePageCount;
    } else if (setting.list == &CharacterSet) {
        // EPSON on the standard model has all three; IBM, and the variant
        // whatever the emulation, start at "Graphic 1".
        if (variant || choices.emulation == IbmEmulation) {
            view.offset = 1;
            view.count = variant && choices.codePage == ItalicCodePage ? 1 : 2;
        }
    }
    return view;
}

ListView loadedList(const Setting& setting, const PageChoices& shown, const SettingsBlock& block,
                    uint8_t modelVariant) {
    ListView view = listFor(setting, shown, modelVariant);
    // The stored code page decides the variant's fonts even when no code
    // page entry stands for it (one past the list still drops the scalable
    // fonts).
    if (setting.list == &StandardFont && modelVariant == 1)
        view.count = codePage(block) >= FirstCodePageWithoutScalableFonts ? VariantNonScalableFontCount
                                                                          : VariantFont.count;
    if (setting.list == &LineSpacing)
        view.count = font(block) >= FirstScalableLineSpacingFont ? LineSpacingScalableIndex + 1
                                                                 : LineSpacingScalableIndex;
    return view;
}

void numericRange(const Setting& setting, const PageChoices& choices, int* minimum, int* maximum) {
    *minimum = setting.minimum;
    *maximum = setting.maximum;
    if (setting.choice != &PC::leftMargin && setting.choice != &PC::rightMargin) return;
    // A pitch without a geometry row gets the margins of 10 CPI, as the window does.
    const PitchGeometry* row = pitchGeometryRow(choices.pitch);
    if (!row) row = &PitchGeometryTable[0];
    const bool left = setting.choice == &PC::leftMargin;
    *minimum = left ? row->leftMin : row->rightMin;
    *maximum = left ? row->leftMax : row->rightMax;
}

PageChoices shownChoices(const SettingsBlock& block, uint8_t modelVariant) {
    PageChoices c;
    c.emulation = emulation(block);
    c.codePage = codePage(block);
    c.internationalCharacter = internationalCharacter(block);
    c.autoCR = autoCR(block);
    c.autoLF = autoLF(block);
    c.autoLoad = autoLoad(block);
    c.agm = agm(block);
    c.paperOutDetect = paperOutDetect(block);
    c.zeroFont = zeroFont(block);
    c.graphicDirection = graphicDirection(block);
    c.textDirection = textDirection(block);
    c.tearOff = tearOff(block);
    if (!fontIndexForCode(modelVariant, font(block), &c.font)) c.font = NoSelection;
    c.pitch = pitch(block);
    c.shadow = shadow(block);
    c.outline = outline(block);
    c.doubleWide = doubleWide(block);
    c.doubleStrike = doubleStrike(block);
    c.bold = bold(block);
    c.doubleHigh = doubleHigh(block);
    c.italics = italics(block);
    c.autoOnline = autoOnline(block);
    c.autoFeedXT = autoFeedXT(block);
    c.bufferControl = bufferControl(block);
    c.parity = parity(block);
    c.baudRate = baudRate(block);
    c.printPass = printPass(block);
    c.signalPolarity = signalPolarity(block);
    c.dataLength = dataLength(block);
    c.protocol = protocol(block);
    const ValueRow* size = pointSizeRowForCode(pointSize(block));
    c.pointSize = size ? size->listIndex : NoSelection;
    if (!lineSpacingIndexFor(lineSpacing(block), &c.lineSpacing)) c.lineSpacing = NoSelection;
    // A length no row holds is a free length.
    if (!pageLengthIndexFor(pageLength(block), &c.pageLength)) c.pageLength = PageLengthFreeIndex;

    // The character set list: EPSON on the standard model reads the unused
    // code 2 as "Graphic 2" like 3; the shorter lists show "Graphic 2" only
    // for code 3 when they have it.
    const uint8_t set = characterSet(block);
    if (modelVariant != 1 && c.emulation == EpsonEmulation)
        c.characterSet = set == 0 ? 0 : set == 1 ? 1 : 2;
    else
        c.characterSet = set == 3 && !(modelVariant == 1 && c.codePage == ItalicCodePage) ? 1 : 0;

    c.freePageLength = pageLength(block) / 6;
    c.topMargin = topMargin(block) / 6;
    c.bottomMargin = bottomMargin(block) / 6;
    c.leftMargin = leftMargin(block) & 0x0FFF;  // bits 15-12 are the pitch class
    c.rightMargin = rightMargin(block) & 0x0FFF;
    c.centeringPosition = centeringPosition(block);
    c.tractor = tractorTof(block) / 2;
    c.friction = frictionTof(block) / 2;

    // An index past the entries a list holds shows no entry.
    for (const Setting& setting : Settings) {
        int& index = c.*setting.choice;
        if (setting.list && index >= loadedList(setting, c, block, modelVariant).count) index = NoSelection;
    }
    return c;
}

std::string shownText(const Setting& setting, const PageChoices& choices, uint8_t modelVariant) {
    const int value = choices.*setting.choice;
    if (!setting.list) return std::to_string(value);
    const ListView view = listFor(setting, choices, modelVariant);
    return value >= 0 && value < view.count ? view.text(value) : "";
}

bool sameText(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

const char* closestText(const std::string& text, const char* const* candidates, int count) {
    auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    const char* best = nullptr;
    size_t bestDistance = 0;
    for (int c = 0; c < count; ++c) {
        const std::string candidate = candidates[c];
        // Edits (insert, delete, change, swap of neighbours), row by row.
        const size_t width = candidate.size() + 1;
        std::vector<size_t> rows(3 * width);
        for (size_t i = 0; i <= text.size(); ++i) {
            size_t* row = &rows[(i % 3) * width];
            const size_t* above = &rows[((i + 2) % 3) * width];
            const size_t* twoAbove = &rows[((i + 1) % 3) * width];
            for (size_t j = 0; j < width; ++j) {
                if (i == 0 || j == 0) {
                    row[j] = i + j;
                    continue;
                }
                row[j] = std::min({above[j] + 1, row[j - 1] + 1,
                                   above[j - 1] + (same(text[i - 1], candidate[j - 1]) ? 0 : 1)});
                if (i > 1 && j > 1 && same(text[i - 1], candidate[j - 2]) &&
                    same(text[i - 2], candidate[j - 1]))
                    row[j] = std::min(row[j], twoAbove[j - 2] + 1);
            }
        }
        const size_t distance = rows[(text.size() % 3) * width + candidate.size()];
        if (distance > 0 && distance * 3 <= candidate.size() && (!best || distance < bestDistance)) {
            best = candidates[c];
            bestDistance = distance;
        }
    }
    return best;
}

std::string didYouMean(const std::string& text, const char* const* candidates, int count) {
    const char* closest = closestText(text, candidates, count);
    return closest ? std::string(" (did you mean \"") + closest + "\"?)" : std::string();
}
