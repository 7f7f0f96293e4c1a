// Writes the 59 character-table sample pages that ship beside corvex.exe:
// for each emulation and table a raw page for the DX-4170 that resets the
// printer, prints a heading naming the emulation and the table, selects the
// table with the emulation's own commands and prints the codes 0x20 to 0xFF
// in a grid of 16 columns, each code with its hex value.
//   make_character_tables <output directory>
// A host program run by the build; the output depends on nothing but this
// source, so every build writes the same bytes.
#include <cstdint>
#include <cstdio>
#include <string>

#include "printer/character_tables.h"

namespace {
constexpr char ESC = 0x1B;

// How each table is selected. EPSON (ESC/P): the table's registration pair
// for "assign character table" (ESC ( t). IBM (Proprinter): the code page
// number for "select code page" (ESC [ T). Tables with no common number
// carry the numbers the DX-4170's firmware gives them; on the IBM side
// those lie above 10000, where the Proprinter convention puts code pages
// that are not plain numbers.
struct TableSelection {
    const char* heading;
    uint8_t epsonTable[2];
    uint16_t ibmCodePage;  // 0: no IBM list entry ("Italic")
};

// In EPSON list order; the IBM list is the same without "Italic".
constexpr TableSelection Tables[] = {
    {"ASCII", {1, 0}, 437},
    {"Italic", {0, 0}, 0},
    {"USA", {1, 0}, 437},
    {"Multilingual (PC850)", {3, 0}, 850},
    {"Canada-French (PC863)", {8, 0}, 863},
    {"Norway (PC865)", {9, 0}, 865},
    {"Portugal (PC860)", {7, 0}, 860},
    {"Turkey (PC857)", {11, 0}, 857},
    {"BRASCII", {25, 0}, 10025},
    {"Abicomp", {26, 0}, 10026},
    {"PC855 (Cyrillic)", {6, 0}, 855},
    {"PC866 (Russian)", {14, 0}, 866},
    {"USSR GOST", {16, 0}, 8572},
    {"Polish (Mazowia)", {18, 0}, 8574},
    {"Czech (Kamenicky)", {19, 0}, 895},
    {"PC852 (East Europe)", {10, 0}, 852},
    {"ISO Latin 2", {127, 2}, 912},
    {"Hungarian", {20, 0}, 10020},
    {"Bulgaria", {22, 0}, 10022},
    {"ISO 8859-2", {29, 2}, 8592},
    {"KU (EPSON) 3Pass", {40, 3}, 10040},
    {"TIS (EPSON) 3Pass", {41, 3}, 10041},
    {"TIS (IBM) 3Pass", {42, 3}, 874},
    {"SIC (EPSON) 3Pass", {43, 3}, 10043},
    {"SIC (OKI) 3Pass", {44, 3}, 10044},
    {"KU (EPSON) 1Pass", {40, 1}, 11040},
    {"TIS (EPSON) 1Pass", {41, 1}, 11041},
    {"TIS (IBM) 1Pass", {42, 1}, 11874},
    {"SIC (EPSON) 1Pass", {43, 1}, 11043},
    {"SIC (OKI) 1Pass", {44, 1}, 11044},
};
static_assert(sizeof Tables / sizeof Tables[0] == 30, "one row per EPSON list entry");

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

// The commands of one emulation: everything but the grid itself.
struct Emulation {
    const char* name;
    std::string reset;    // back to the power-on state
    std::string pitch12;  // 12 characters per inch: 16 cells of 5 fit
    std::string boldOn, boldOff;
    std::string (*select)(const TableSelection&);
    std::string (*printAsCharacter)(uint8_t code);  // for a code that is a control code
};

std::string selectEpson(const TableSelection& table) {
    // Assign the table to slot 1, make slot 1 current, USA national
    // characters, and codes 0x80-0x9F printable.
    return bytes({ESC, '(', 't', 3, 0, 1, table.epsonTable[0], table.epsonTable[1]}) + bytes({ESC, 't', 1}) +
           bytes({ESC, 'R', 0}) + bytes({ESC, '6'});
}

std::string selectIbm(const TableSelection& table) {
    // Select the code page, then character set 2, where 0x80-0x9F print.
    return bytes({ESC, '[', 'T', 4, 0, 0, 0, table.ibmCodePage >> 8, table.ibmCodePage & 0xFF}) +
           bytes({ESC, '6'});
}

// ESC ( ^ prints its data as characters (ESC/P); ESC ^ prints the next byte
// from the all-characters chart (Proprinter).
std::string epsonCharacter(uint8_t code) { return bytes({ESC, '(', '^', 1, 0, code}); }
std::string ibmCharacter(uint8_t code) { return bytes({ESC, '^', code}); }

const Emulation Emulations[] = {
    {"EPSON", bytes({ESC, '@'}), bytes({ESC, 'M'}), bytes({ESC, 'E'}), bytes({ESC, 'F'}), selectEpson,
     epsonCharacter},
    // ESC [ K: set initial conditions from the stored power-on settings
    // (two parameter bytes: load 0, Proprinter identity 0x16).
    {"IBM", bytes({ESC, '[', 'K', 2, 0, 0, 0x16}), bytes({ESC, ':'}), bytes({ESC, 'E'}), bytes({ESC, 'F'}),
     selectIbm, ibmCharacter},
};

std::string page(const Emulation& emulation, const TableSelection& table) {
    const char* const hex = "0123456789ABCDEF";
    std::string out = emulation.reset + emulation.pitch12;
    out += emulation.boldOn + "Velmora DX-4170 character table" + emulation.boldOff + "\r\n";
    out += std::string("Emulation: ") + emulation.name + "    Table: " + table.heading + "\r\n\r\n";
    out += emulation.select(table);
    for (int row = 2; row < 16; ++row) {
        for (int column = 0; column < 16; ++column) {
            const uint8_t code = static_cast<uint8_t>(row * 16 + column);
            out += hex[row];
            out += hex[column];
            out += ' ';
            // DEL is a control code in both emulations.
            out += code == 0x7F ? emulation.printAsCharacter(code) : std::string(1, static_cast<char>(code));
            out += column < 15 ? "  " : "\r\n";
        }
    }
    return out + "\f";
}

bool writeFile(const std::string& path, const std::string& content) {
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = fwrite(content.data(), 1, content.size(), file) == content.size();
    return fclose(file) == 0 && written;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: make_character_tables <output directory>\n");
        return 2;
    }
    int written = 0;
    for (int emulation = 0; emulation < 2; ++emulation) {
        // The variant's lists are the longest: every file of both models.
        const int count = characterTableCount(emulation, 1);
        for (int position = 0; position < count; ++position) {
            const char* name = characterTableFileName(emulation, position, 1);
            // The IBM list skips "Italic", the EPSON list's second entry.
            const TableSelection& table = Tables[emulation == 0 || position == 0 ? position : position + 1];
            const std::string path = std::string(argv[1]) + "/" + name;
            if (!writeFile(path, page(Emulations[emulation], table))) {
                fprintf(stderr, "make_character_tables: cannot write %s\n", path.c_str());
                return 1;
            }
            ++written;
        }
    }
    printf("%d character-table pages in %s\n", written, argv[1]);
    return 0;
}
