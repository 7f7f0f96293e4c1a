#include "catalogue.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <vector>

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

// The string ids are those of the window's string table.
const TextList Emulation = texts(142, EmulationTexts);
const TextList CharacterSet = texts(144, CharacterSetTexts);
const TextList International = texts(157, InternationalTexts);
const TextList ZeroFont = texts(173, ZeroFontTexts);
const TextList PageLength = texts(176, PageLengthTexts);
const TextList AutoLF = texts(191, OffOn);
const TextList AutoCR = texts(193, OffOn);
const TextList Agm = texts(197, OffOn);
const TextList Direction = texts(199, DirectionTexts);
const TextList AutoLoad = texts(205, OffOn);
const TextList Pitch = texts(290, PitchTexts);
const TextList PointSize = texts(300, PointSizeTexts);
const TextList LineSpacing = texts(320, LineSpacingTexts);
const TextList Bold = texts(335, OffOn);
const TextList DoubleHigh = texts(337, OffOn);
const TextList DoubleStrike = texts(339, OffOn);
const TextList DoubleWide = texts(341, OffOn);
const TextList Italics = texts(343, OffOn);
const TextList Outline = texts(345, OffOn);
const TextList Shadow = texts(347, OffOn);
const TextList CodePage = texts(350, CodePageTexts);
const TextList Buffer = texts(380, BufferTexts);
const TextList PaperOut = texts(384, OffOn);
const TextList TearOff = texts(386, TearOffTexts);
const TextList AutoFeedXT = texts(388, OnOff);
const TextList DataLength = texts(390, DataLengthTexts);
const TextList BaudRate = texts(392, BaudRateTexts);
const TextList Parity = texts(400, ParityTexts);
const TextList Protocol = texts(404, ProtocolTexts);
const TextList PrintPass = texts(406, PrintPassTexts);
const TextList AutoOnline = texts(416, OffOn);
const TextList StandardFont = texts(430, StandardFontTexts);
const TextList VariantFont = texts(450, VariantFontTexts);
const TextList Polarity = texts(1149, PolarityTexts);

// The variant offers only its six non-scalable fonts with the code pages
// from "KU (EPSON)" on; "Italic" (23) leaves it one character set.
constexpr int FirstCodePageWithoutScalableFonts = 18;
constexpr int VariantNonScalableFontCount = 6;
constexpr int ItalicCodePage = 23;
constexpr int StandardCodePageCount = 18;
// Font codes from 8 ("Script") on offer "Scalable" line spacing.
constexpr uint8_t FirstScalableLineSpacingFont = 8;

using PC = PageChoices;
constexpr int None = 0;

uint8_t fontCodeOf(const PageChoices& choices, uint8_t modelVariant) {
    uint8_t code = 0;  // what packing stores for a font without a pair
    fontCodeForIndex(modelVariant, choices.font, &code);
    return code;
}

}  // namespace

const TextList CountryList = texts(207, CountryTexts);

const TextList* const AllTextLists[] = {
    &Emulation,  &CharacterSet, &International, &ZeroFont,     &PageLength,  &AutoLF,      &AutoCR,
    &Agm,        &Direction,    &AutoLoad,      &Pitch,        &PointSize,   &LineSpacing, &Bold,
    &DoubleHigh, &DoubleStrike, &DoubleWide,    &Italics,      &Outline,     &Shadow,      &CodePage,
    &Buffer,     &PaperOut,     &TearOff,       &AutoFeedXT,   &DataLength,  &BaudRate,    &Parity,
    &Protocol,   &PrintPass,    &AutoOnline,    &StandardFont, &VariantFont, &Polarity,    &CountryList};
const int TextListCount = static_cast<int>(std::size(AllTextLists));

const CataloguePage CataloguePages[PageCount] = {
    {"Print Style", 419}, {"Emulation", 418},        {"Page Format", 420},
    {"Print mode", 421},  {"Text Enhancement", 422}, {"Character set", 423},
    {"Install", 424},     {"Serial Interface", 425}, {"TOF Setting", 426}};

// In the pages' row order; label ids are the main window template's.
// The font list given here is the standard model's: listFor picks the variant's.
const Setting Settings[SettingCount] = {
    {0, "Font", 1076, &PC::font, &StandardFont, None, None, false},
    {0, "Pitch", 1077, &PC::pitch, &Pitch, None, None, false},
    {0, "Point size", 1094, &PC::pointSize, &PointSize, None, None, false},
    {0, "Print pass", 1152, &PC::printPass, &PrintPass, None, None, true},
    {1, "Emulation", 1078, &PC::emulation, &Emulation, None, None, false},
    {2, "Line/Inch", 1096, &PC::lineSpacing, &LineSpacing, None, None, false},
    {2, "Page length", 1083, &PC::pageLength, &PageLength, None, None, false},
    {2, "Free page length", 0, &PC::freePageLength, nullptr, 90, 2700, false},
    {2, "Top margin", 1098, &PC::topMargin, nullptr, 0, 450, false},
    {2, "Bottom margin", 1101, &PC::bottomMargin, nullptr, 0, 900, false},
    {2, "Left margin", 1104, &PC::leftMargin, nullptr, None, None, false},
    {2, "Right margin", 1107, &PC::rightMargin, nullptr, None, None, false},
    {2, "Centering Position", 1110, &PC::centeringPosition, nullptr, 10, 45, false},
    {3, "Graphic direction", 1087, &PC::graphicDirection, &Direction, None, None, false},
    {3, "Text direction", 1113, &PC::textDirection, &Direction, None, None, false},
    {4, "Bold", 1115, &PC::bold, &Bold, None, None, false},
    {4, "Double high", 1117, &PC::doubleHigh, &DoubleHigh, None, None, false},
    {4, "Double strike", 1119, &PC::doubleStrike, &DoubleStrike, None, None, false},
    {4, "Double wide", 1121, &PC::doubleWide, &DoubleWide, None, None, false},
    {4, "Italics", 1123, &PC::italics, &Italics, None, None, false},
    {4, "Outline", 1125, &PC::outline, &Outline, None, None, false},
    {4, "Shadow", 1127, &PC::shadow, &Shadow, None, None, false},
    {4, "Zero font", 1082, &PC::zeroFont, &ZeroFont, None, None, false},
    {5, "Character set", 1079, &PC::characterSet, &CharacterSet, None, None, false},
    {5, "International character", 1081, &PC::internationalCharacter, &International, None, None, false},
    {5, "Code page", 1080, &PC::codePage, &CodePage, None, None, false},
    {6, "A.G.M.", 1086, &PC::agm, &Agm, None, None, false},
    {6, "Auto CR", 1085, &PC::autoCR, &AutoCR, None, None, false},
    {6, "Auto LF", 1084, &PC::autoLF, &AutoLF, None, None, false},
    {6, "Auto load", 1089, &PC::autoLoad, &AutoLoad, None, None, false},
    {6, "Paper out detect", 1129, &PC::paperOutDetect, &PaperOut, None, None, false},
    {6, "Tear off", 1131, &PC::tearOff, &TearOff, None, None, false},
    {6, "Buffer control", 1133, &PC::bufferControl, &Buffer, None, None, false},
    {6, "Auto Online", 1090, &PC::autoOnline, &AutoOnline, None, None, false},
    {6, "Auto feed XT", 1135, &PC::autoFeedXT, &AutoFeedXT, None, None, false},
    {7, "Data length", 1137, &PC::dataLength, &DataLength, None, None, false},
    {7, "Baud rate", 1139, &PC::baudRate, &BaudRate, None, None, false},
    {7, "Parity", 1141, &PC::parity, &Parity, None, None, false},
    {7, "Protocol", 1143, &PC::protocol, &Protocol, None, None, false},
    {7, "Signal Polarity", 1147, &PC::signalPolarity, &Polarity, None, None, false},
    {8, "Tractor", 1092, &PC::tractor, nullptr, 0, 900, false},
    {8, "Friction", 1093, &PC::friction, nullptr, 0, 900, false},
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
        if (variant || choices.emulation == 1) {
            view.offset = 1;
            view.count = variant && choices.codePage == ItalicCodePage ? 1 : 2;
        }
    }
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
    if (modelVariant != 1 && c.emulation == 0)
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

    // An index past the entries a list holds shows no entry. Backwards, so
    // that Line/Inch is judged by the stored font before a font the list
    // lacks loses its entry.
    for (int i = SettingCount - 1; i >= 0; --i) {
        const Setting& setting = Settings[i];
        if (!setting.list) continue;
        int& index = c.*setting.choice;
        if (index >= listFor(setting, c, modelVariant).count) index = NoSelection;
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
