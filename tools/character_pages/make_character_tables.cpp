// Writes the 59 character-table sample pages that ship beside corvex.exe:
// for each emulation and table a raw page for the DX-4170 that resets the
// printer, sets 10 characters per inch and both margins, prints a heading
// naming the emulation, the table and how it is selected, selects the table
// with the emulation's own commands and prints the codes 0x20 to 0xFF in a
// grid of 16 columns, each code with its hex value; then a form feed and a
// second reset, so the printer is left in its power-on state.
//   make_character_tables <output directory>
// A host program run by the build; the output depends on nothing but this
// source, so every build writes the same bytes.
#include <cstdint>
#include <cstdio>
#include <string>

#include "printer/character_tables.h"

namespace {
constexpr char ESC = 0x1B;

// Every selection number below is taken from a public command reference,
// named beside its row by these marks:
//   [T] Tally Genicom matrix printer programmer's manual, "Assign Character
//       Table ESC ( t" (d2 d3 list).
//   [C] Compuprint MDP-30 FB user manual, ESC/P "ESC ( t" d2 d3 list.
//   [O] Oki ML591 Microline reference manual, table 11 (IBM "ESC [ T"
//       Hcp Lcp) and table 12 (Epson "ESC ( t" Pn2 Pn3).
//   [P] Compuprint 4247-L03 programmer manual, "Character Set ESC [ T".
//   [K] Oki ML1120 technical reference guide, code page IDs of "ESC [ T".
//   [E] The ESC/P reference's "ESC ( t" list as transcribed in the escapy
//       project (github.com/ysard/escapy, escapy/commons.py).
// Where they disagree, the row says which it follows. A table that no
// reference numbers is not selected at all: its page says so in its
// heading and prints the grid in whatever table the printer holds.
constexpr int None = -1;

struct TableSelection {
    const char* heading;
    int epson[2];     // ESC ( t d2 d3, or None
    int ibmCodePage;  // ESC [ T code page, None, or 0 for no IBM entry
    bool asciiOnly;   // the 7-bit range only: the same in every table
    bool italic;      // 0x80-0x9F hold no characters in this table
};

// In EPSON list order; the IBM list is the same without "Italic".
constexpr TableSelection Tables[] = {
    {"ASCII", {None, None}, None, true, false},            // nothing to select
    {"Italic", {0, 0}, 0, false, true},                    // [T][O][E]
    {"USA (PC437)", {1, 0}, 437, false, false},            // [T][C][O][E]; [P][O]
    {"Multilingual (PC850)", {3, 0}, 850, false, false},   // [T][C][O][E]; [P][O]
    {"Canada-French (PC863)", {8, 0}, 863, false, false},  // [T][C][O][E]; [P][O]
    {"Norway (PC865)", {9, 0}, 865, false, false},         // [T][C][O][E]; [P][O]
    {"Portugal (PC860)", {7, 0}, 860, false, false},       // [T][C][O][E]; [P][O]
    {"Turkey (PC857)", {11, 0}, 857, false, false},        // [T][C][E]; [P]
    // [C] gives 25 0 to its PC877; [T], [O] and [E], the ESC/P list itself,
    // give it to BRASCII, which is followed. IBM: [O][K].
    {"BRASCII", {25, 0}, 1040, false, false},
    {"Abicomp", {26, 0}, 1041, false, false},         // [O][E]; [O][K]
    {"PC855 (Cyrillic)", {6, 0}, 855, false, false},  // [C][E]; [P]
    {"PC866 (Russian)", {14, 0}, 866, false, false},  // [T][C][E]; [P]
    // [C] marks GOST as having no number on its printer; [E], the ESC/P
    // list itself, gives 16 0, which is followed. IBM: [P] ("GOST").
    {"USSR GOST", {16, 0}, 8572, false, false},
    {"Polish (Mazowia)", {27, 0}, 8574, false, false},    // [E]; [P] ("MAZOWIA")
    {"Czech (Code MJK)", {28, 0}, None, false, false},    // [E]; no IBM number found
    {"PC852 (East Europe)", {10, 0}, 852, false, false},  // [T][C][E]; [P]
    // One character set with two public ESC/P numbers: [E] gives 127 2 and
    // [C] 29 2 (its 29 n are the ISO 8859 parts); the list's two entries take
    // one each. IBM: [P] ("8859/2") for both.
    {"ISO Latin 2", {127, 2}, 8592, false, false},
    {"Hungarian", {None, None}, None, false, false},  // no reference numbers it
    {"Bulgaria", {32, 0}, 1072, false, false},        // [E]; [K]
    {"ISO 8859-2", {29, 2}, 8592, false, false},      // [C]; [P]
    // Thai. 3Pass and 1Pass name the printer's print-pass setting, not a
    // table, so both pages of a table select the same one. [E] names KU42
    // "K.U. Thai" and TIS13 "IBM STD. Thai", which are followed; it names two
    // more TIS tables and two SIC tables without saying which is the EPSON
    // or the OKI one, so those are not guessed. No IBM numbers were found.
    {"KU (EPSON) 3Pass", {18, 0}, None, false, false},
    {"TIS (EPSON) 3Pass", {None, None}, None, false, false},
    {"TIS (IBM) 3Pass", {22, 0}, None, false, false},
    {"SIC (EPSON) 3Pass", {None, None}, None, false, false},
    {"SIC (OKI) 3Pass", {None, None}, None, false, false},
    {"KU (EPSON) 1Pass", {18, 0}, None, false, false},
    {"TIS (EPSON) 1Pass", {None, None}, None, false, false},
    {"TIS (IBM) 1Pass", {22, 0}, None, false, false},
    {"SIC (EPSON) 1Pass", {None, None}, None, false, false},
    {"SIC (OKI) 1Pass", {None, None}, None, false, false},
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
    std::string reset;  // back to the power-on state
    // 10 characters per inch, left margin at the first column and right
    // margin at the 80th: the grid's 79 columns fit whatever the printer
    // holds, whether a right margin is counted inclusive or not.
    std::string layout;
    std::string boldOn, boldOff;
    // The selection commands, and the same in words for the heading;
    // "" when the table has no public number.
    std::string (*select)(const TableSelection&);
    std::string (*describe)(const TableSelection&);
    std::string (*printAsCharacter)(uint8_t code);  // for a code that is a control code
};

bool hasEpsonNumber(const TableSelection& table) { return table.epson[0] != None; }

std::string selectEpson(const TableSelection& table) {
    // USA national characters, so the grid shows the table itself; then the
    // table assigned to slot 1 and slot 1 made current.
    std::string out = bytes({ESC, 'R', 0});
    if (hasEpsonNumber(table))
        out += bytes({ESC, '(', 't', 3, 0, 1, table.epson[0], table.epson[1]}) + bytes({ESC, 't', 1});
    return out;
}

std::string describeEpson(const TableSelection& table) {
    if (!hasEpsonNumber(table)) return "";
    return "Selected with ESC ( t " + std::to_string(table.epson[0]) + " " + std::to_string(table.epson[1]);
}

std::string selectIbm(const TableSelection& table) {
    if (table.ibmCodePage <= 0) return "";
    return bytes({ESC, '[', 'T', 4, 0, 0, 0, table.ibmCodePage >> 8, table.ibmCodePage & 0xFF});
}

std::string describeIbm(const TableSelection& table) {
    if (table.ibmCodePage <= 0) return "";
    return "Selected with ESC [ T, code page " + std::to_string(table.ibmCodePage);
}

// ESC ( ^ prints its data as characters (ESC/P); ESC ^ prints the next byte
// from the all-characters chart (Proprinter).
std::string epsonCharacter(uint8_t code) { return bytes({ESC, '(', '^', 1, 0, code}); }
std::string ibmCharacter(uint8_t code) { return bytes({ESC, '^', code}); }

const Emulation Emulations[] = {
    {"EPSON", bytes({ESC, '@'}), bytes({ESC, 'P', ESC, 'l', 0, ESC, 'Q', 80}), bytes({ESC, 'E'}),
     bytes({ESC, 'F'}), selectEpson, describeEpson, epsonCharacter},
    // ESC [ K: set initial conditions from the stored power-on settings
    // (two parameter bytes: load 0, Proprinter identity 0x16). DC2 selects
    // 10 characters per inch, cancelling 12 cpi and condensed (Output
    // Solutions 650 manual, IBM ProPrinter commands, "Print Pitches"; the
    // Compuprint MDP-30 FB user manual, "DC2 Sets 10 cpi printing (IBM)");
    // ESC X sets the left and right margin columns.
    {"IBM", bytes({ESC, '[', 'K', 2, 0, 0, 0x16}), bytes({0x12, ESC, 'X', 1, 80}), bytes({ESC, 'E'}),
     bytes({ESC, 'F'}), selectIbm, describeIbm, ibmCharacter},
};

std::string page(const Emulation& emulation, const TableSelection& table) {
    const char* const hex = "0123456789ABCDEF";
    std::string out = emulation.reset + emulation.layout;
    out += emulation.boldOn + "Velmora DX-4170 character table" + emulation.boldOff + "\r\n";
    out += std::string("Emulation: ") + emulation.name + "    Table: " + table.heading + "\r\n";
    const std::string selection = emulation.select(table);
    std::string how = emulation.describe(table);
    if (table.asciiOnly)
        how = "Codes 20-7F, the same in every table";
    else if (how.empty())
        how = "No public selection number: printed in the printer's current table";
    out += how + "\r\n\r\n" + selection;
    const int lastRow = table.asciiOnly ? 7 : 15;
    for (int row = 2; row <= lastRow; ++row) {
        for (int column = 0; column < 16; ++column) {
            const uint8_t code = static_cast<uint8_t>(row * 16 + column);
            out += hex[row];
            out += hex[column];
            out += ' ';
            // DEL and 0x80-0x9F are control codes in both emulations until
            // printed as characters; the italic table has nothing to print
            // there, so those cells keep only their hex value.
            if (code == 0x7F || (code >= 0x80 && code <= 0x9F))
                out += table.italic && code != 0x7F ? std::string(" ") : emulation.printAsCharacter(code);
            else
                out += static_cast<char>(code);
            out += column < 15 ? " " : "\r\n";
        }
    }
    return out + "\f" + emulation.reset;
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
