#include "printer/character_tables.h"

#include "resource.h"

namespace {
// The IBM list holds every EPSON table but "Italic", in the same order.
constexpr const char* EpsonTableFiles[] = {
    "EPSON_ASCII.PRN",           "EPSON_ITALIC.PRN",          "EPSON_USA.PRN",
    "EPSON_MULTILINGUAL.PRN",    "EPSON_CANADA_FRENCH.PRN",   "EPSON_NORWAY.PRN",
    "EPSON_PORTUGAL.PRN",        "EPSON_TURKEY.PRN",          "EPSON_BRASCII.PRN",
    "EPSON_ABICOMP.PRN",         "EPSON_PC855.PRN",           "EPSON_PC866.PRN",
    "EPSON_USSR_GOST.PRN",       "EPSON_POLISH.PRN",          "EPSON_CZECH.PRN",
    "EPSON_PC852.PRN",           "EPSON_ISOLATIN2.PRN",       "EPSON_HUNGARIAN.PRN",
    "EPSON_BULGARIA.PRN",        "EPSON_ISO8859_2.PRN",       "EPSON_KU_EPSON_3PASS.PRN",
    "EPSON_TIS_EPSON_3PASS.PRN", "EPSON_TIS_IBM_3PASS.PRN",   "EPSON_SIC_EPSON_3PASS.PRN",
    "EPSON_SIC_OKI_3PASS.PRN",   "EPSON_KU_EPSON_1PASS.PRN",  "EPSON_TIS_EPSON_1PASS.PRN",
    "EPSON_TIS_IBM_1PASS.PRN",   "EPSON_SIC_EPSON_1PASS.PRN", "EPSON_SIC_OKI_1PASS.PRN",
};
constexpr const char* IbmTableFiles[] = {
    "IBM_ASCII.PRN",           "IBM_USA.PRN",
    "IBM_MULTILINGUAL.PRN",    "IBM_CANADA_FRENCH.PRN",
    "IBM_NORWAY.PRN",          "IBM_PORTUGAL.PRN",
    "IBM_TURKEY.PRN",          "IBM_BRASCII.PRN",
    "IBM_ABICOMP.PRN",         "IBM_PC855.PRN",
    "IBM_PC866.PRN",           "IBM_USSR_GOST.PRN",
    "IBM_POLISH.PRN",          "IBM_CZECH.PRN",
    "IBM_PC852.PRN",           "IBM_ISOLATIN2.PRN",
    "IBM_HUNGARIAN.PRN",       "IBM_BULGARIA.PRN",
    "IBM_ISO8859_2.PRN",       "IBM_KU_EPSON_3PASS.PRN",
    "IBM_TIS_EPSON_3PASS.PRN", "IBM_TIS_IBM_3PASS.PRN",
    "IBM_SIC_EPSON_3PASS.PRN", "IBM_SIC_OKI_3PASS.PRN",
    "IBM_KU_EPSON_1PASS.PRN",  "IBM_TIS_EPSON_1PASS.PRN",
    "IBM_TIS_IBM_1PASS.PRN",   "IBM_SIC_EPSON_1PASS.PRN",
    "IBM_SIC_OKI_1PASS.PRN",
};

struct CharacterTableList {
    const char* const* files;
    int standardLength;  // without the ten KU, TIS and SIC tables
    int variantLength;
    unsigned firstString;
};

constexpr int EpsonLength = sizeof EpsonTableFiles / sizeof EpsonTableFiles[0];
constexpr int IbmLength = sizeof IbmTableFiles / sizeof IbmTableFiles[0];
static_assert(EpsonLength == 30 && IbmLength == 29, "one file per list entry");

// CharacterTableFileTable: (emulation, table position) to file name.
constexpr CharacterTableList CharacterTableFileTable[] = {
    {EpsonTableFiles, EpsonLength - 10, EpsonLength, IDS_EPSON_TABLE_FIRST},
    {IbmTableFiles, IbmLength - 10, IbmLength, IDS_IBM_TABLE_FIRST},
};

const CharacterTableList& listOf(int emulation) {
    return CharacterTableFileTable[emulation == EpsonEmulation ? 0 : 1];
}
}  // namespace

int characterTableCount(int emulation, uint8_t modelVariant) {
    const CharacterTableList& list = listOf(emulation);
    return modelVariant == 1 ? list.variantLength : list.standardLength;
}

unsigned characterTableFirstString(int emulation) { return listOf(emulation).firstString; }

const char* characterTableFileName(int emulation, int position, uint8_t modelVariant) {
    if (position < 0 || position >= characterTableCount(emulation, modelVariant)) return nullptr;
    return listOf(emulation).files[position];
}
