// quillset preview: follows the commands of both emulations that the
// character-table pages use (reset, table selection, national characters,
// print-as-character, pitch, margins, bold, CR, LF, FF) and maps every
// printed byte to Unicode through the selected table with the platform's own
// conversion: glibc's iconv natively, the Windows code-page conversion in
// quillset.exe. Anything else is named with its offset, never guessed.
#include "cli/preview.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace {

constexpr uint8_t ESC = 0x1B;

// A character table as the data selects it: its name as the references give
// it, and its names for the conversion libraries.
struct Table {
    Table(std::string name = "", std::string iconvName = "", unsigned windowsCodePage = 0)
        : name(std::move(name)), iconvName(std::move(iconvName)), windowsCodePage(windowsCodePage) {}
    std::string name;
    std::string iconvName;     // "" when iconv has none
    unsigned windowsCodePage;  // 0 when Windows has none
};

// ESC ( t d2 d3 (ESC/P). The names are those of the ESC/P command
// references; the conversions are those of the code pages the names give.
Table epsonTable(int d2, int d3) {
    static const std::map<std::pair<int, int>, Table> known = {
        {{0, 0}, {"Italic"}},
        {{1, 0}, {"PC437", "CP437", 437}},
        {{3, 0}, {"PC850", "CP850", 850}},
        {{6, 0}, {"PC855", "CP855", 855}},
        {{7, 0}, {"PC860", "CP860", 860}},
        {{8, 0}, {"PC863", "CP863", 863}},
        {{9, 0}, {"PC865", "CP865", 865}},
        {{10, 0}, {"PC852", "CP852", 852}},
        {{11, 0}, {"PC857", "CP857", 857}},
        {{12, 0}, {"PC862", "CP862", 862}},
        {{14, 0}, {"PC866", "CP866", 866}},
        {{15, 0}, {"PC869", "CP869", 869}},
        {{16, 0}, {"USSR GOST"}},
        {{18, 0}, {"KU42"}},
        // IBM's standard Thai table is its code page 874.
        {{22, 0}, {"TIS13 (IBM standard Thai)", "IBM874", 874}},
        {{24, 0}, {"PC861", "CP861", 861}},
        {{25, 0}, {"BRASCII"}},
        {{26, 0}, {"Abicomp"}},
        {{27, 0}, {"MAZOWIA"}},
        {{28, 0}, {"Code MJK"}},
        {{29, 2}, {"ISO 8859-2", "ISO-8859-2", 28592}},
        {{29, 16}, {"ISO 8859-1", "ISO-8859-1", 28591}},
        {{32, 0}, {"Bulgaria"}},
        {{127, 1}, {"ISO Latin 1", "ISO-8859-1", 28591}},
        {{127, 2}, {"ISO Latin 2", "ISO-8859-2", 28592}},
    };
    auto found = known.find({d2, d3});
    Table table = found != known.end() ? found->second : Table{"table"};
    table.name += " (ESC ( t " + std::to_string(d2) + " " + std::to_string(d3) + ")";
    return table;
}

// ESC [ T code page (Proprinter): plain numbers are IBM's PC code pages.
Table ibmTable(int codePage) {
    static const std::set<int> pcCodePages = {437, 850, 852, 855, 857, 860, 861, 862, 863, 865, 866, 869};
    static const std::map<int, Table> known = {
        {1040, {"BRASCII"}}, {1041, {"Abicomp"}}, {1072, {"Bulgarian"}},
        {8572, {"GOST"}},    {8574, {"MAZOWIA"}}, {8592, {"ISO 8859-2", "ISO-8859-2", 28592}},
    };
    Table table{"code page " + std::to_string(codePage)};
    if (pcCodePages.count(codePage)) {
        const std::string number = std::to_string(codePage);
        table = {"PC" + number, "CP" + number, static_cast<unsigned>(codePage)};
    } else if (known.count(codePage)) {
        table = known.at(codePage);
    }
    table.name += " (ESC [ T " + std::to_string(codePage) + ")";
    return table;
}

// The 12 codes ESC R replaces with a country's characters.
bool nationalCode(uint8_t code) {
    for (uint8_t c : {0x23, 0x24, 0x40, 0x5B, 0x5C, 0x5D, 0x5E, 0x60, 0x7B, 0x7C, 0x7D, 0x7E})
        if (code == c) return true;
    return false;
}

// A code the library maps to a C0 or C1 control character has no graphic
// character in its table as the library knows it.
bool controlCharacter(const std::string& utf8) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(utf8[i]); };
    return (utf8.size() == 1 && (byte(0) < 0x20 || byte(0) == 0x7F)) ||
           (utf8.size() == 2 && byte(0) == 0xC2 && byte(1) < 0xA0);
}

// Whether the platform's conversion knows the table; and one byte through
// it: the character as UTF-8, or "" when the library has no graphic
// character for the byte.
#ifdef _WIN32
constexpr const char* LibraryName = "the Windows code-page conversion";

bool libraryKnows(const Table& table) {
    return table.windowsCodePage && IsValidCodePage(table.windowsCodePage);
}

std::string convertByte(const Table& table, uint8_t byte) {
    if (!libraryKnows(table)) return "";
    const char in = static_cast<char>(byte);
    wchar_t wide[2];
    const int count = MultiByteToWideChar(table.windowsCodePage, MB_ERR_INVALID_CHARS, &in, 1, wide, 2);
    if (count < 1) return "";
    char utf8[8];
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, count, utf8, sizeof utf8, nullptr, nullptr);
    if (length < 1) return "";
    const std::string out(utf8, static_cast<size_t>(length));
    return controlCharacter(out) ? "" : out;
}
#else
constexpr const char* LibraryName = "iconv";

// One converter per table name for the whole run; none for a name iconv
// does not know.
const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);

iconv_t converterFor(const Table& table) {
    static struct Converters : std::map<std::string, iconv_t> {
        ~Converters() {
            for (auto& entry : *this)
                if (entry.second != NoConverter) iconv_close(entry.second);
        }
    } converters;
    if (table.iconvName.empty()) return NoConverter;
    auto found = converters.find(table.iconvName);
    if (found == converters.end())
        found = converters.emplace(table.iconvName, iconv_open("UTF-8", table.iconvName.c_str())).first;
    return found->second;
}

bool libraryKnows(const Table& table) { return converterFor(table) != NoConverter; }

std::string convertByte(const Table& table, uint8_t byte) {
    if (!libraryKnows(table)) return "";
    const iconv_t converter = converterFor(table);
    char in = static_cast<char>(byte);
    char utf8[8];
    char* inPointer = &in;
    char* outPointer = utf8;
    size_t inLeft = 1, outLeft = sizeof utf8;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<size_t>(-1) ||
        outLeft == sizeof utf8)
        return "";
    const std::string out(utf8, sizeof utf8 - outLeft);
    return controlCharacter(out) ? "" : out;
}
#endif

struct Cell {
    std::string text = " ";
    bool bold = false;
};
using Line = std::vector<Cell>;

enum class Emulation { Unknown, Epson, Ibm };

class Printer {
public:
    Printer(const std::string& path, const std::string& data, FILE* problems)
        : path_(path), data_(data), problems_(problems) {
        reset();
    }

    // Runs the whole capture; the printed lines, with "\f" lines for form feeds.
    std::vector<Line> run() {
        for (size_t at = 0; at < data_.size();) at = step(at);
        if (!line_.empty()) lines_.push_back(line_);
        return lines_;
    }
    bool faulty() const { return faulty_; }

private:
    void reset() {
        slots_.assign(4, Table{"the printer's stored table (the data selects none)"});
        slot_ = 0;
        ibmTable_ = Table{"the printer's stored table (the data selects none)"};
        national_ = 0;
        bold_ = false;
        leftMargin_ = 0;
    }

    void report(size_t offset, const std::string& what) {
        std::fprintf(problems_, "quillset: %s: offset %zu: %s\n", path_.c_str(), offset, what.c_str());
        faulty_ = true;
    }

    void setEmulation(Emulation emulation) {
        if (emulation_ == Emulation::Unknown) emulation_ = emulation;
    }

    const Table& current() const { return emulation_ == Emulation::Ibm ? ibmTable_ : slots_[slot_]; }

    void print(uint8_t byte) {
        std::string text;
        if (byte < 0x80 && !(national_ && nationalCode(byte))) {
            text = byte >= 0x20 && byte < 0x7F ? std::string(1, static_cast<char>(byte)) : "";
        } else if (byte < 0x80) {
            if (reportedNational_.insert(national_).second)
                std::fprintf(problems_,
                             "quillset: %s: national character set %d: its 12 codes are shown as ?\n",
                             path_.c_str(), national_);
        } else {
            text = convertByte(current(), byte);
            if (!libraryKnows(current()) && reportedTables_.insert(current().name).second)
                std::fprintf(problems_,
                             "quillset: %s: %s is not known to %s; its characters are shown as ?\n",
                             path_.c_str(), current().name.c_str(), LibraryName);
        }
        if (line_.size() < leftMargin_) line_.resize(leftMargin_);
        if (column_ < leftMargin_) column_ = leftMargin_;
        if (line_.size() <= column_) line_.resize(column_ + 1);
        line_[column_++] = {text.empty() ? "?" : text, bold_};
    }

    void newLine() {
        lines_.push_back(line_);
        line_.clear();
    }

    // Bytes `count` from `at`, or nullptr when the capture ends first.
    const uint8_t* take(size_t at, size_t count, size_t commandOffset, const char* command) {
        if (at + count > data_.size()) {
            report(commandOffset, std::string(command) + " is cut short by the end of the data");
            return nullptr;
        }
        return reinterpret_cast<const uint8_t*>(data_.data()) + at;
    }

    // ESC ( c nL nH data and ESC [ c nL nH data: the command letter, the
    // data's length and the data; false (reported) when the data ends first.
    struct Parameters {
        uint8_t letter = 0;
        size_t length = 0;
        const uint8_t* data = nullptr;
        size_t next = 0;
    };
    bool lengthPrefixed(size_t at, const char* command, Parameters* parameters) {
        const uint8_t* head = take(at + 2, 3, at, command);
        if (!head) return false;
        parameters->letter = head[0];
        parameters->length = head[1] | head[2] << 8;
        parameters->data = take(at + 5, parameters->length, at, command);
        parameters->next = at + 5 + parameters->length;
        return parameters->data != nullptr;
    }

    size_t unknownLengthPrefixed(size_t at, const char* command, const Parameters& parameters) {
        char what[64];
        std::snprintf(what, sizeof what, "unknown command %s 0x%02X with %zu data bytes", command,
                      parameters.letter, parameters.length);
        report(at, what);
        return parameters.next;
    }

    // Handles the command or character at `at`; returns where the next starts.
    size_t step(size_t at) {
        const uint8_t byte = static_cast<uint8_t>(data_[at]);
        switch (byte) {
            case '\r':
                column_ = 0;
                return at + 1;
            case '\n':
                newLine();
                return at + 1;
            case '\f':
                if (!line_.empty()) newLine();
                lines_.push_back({Cell{"\f", false}});
                column_ = 0;
                return at + 1;
            case 0x12:  // DC2: 10 characters per inch (condensed off)
                return at + 1;
            case ESC:
                return escape(at);
            default:
                break;
        }
        if (byte < 0x20 || (byte >= 0x7F && byte <= 0x9F)) {
            char what[64];
            std::snprintf(what, sizeof what, "control code 0x%02X sent as a plain byte", byte);
            report(at, what);
            return at + 1;
        }
        print(byte);
        return at + 1;
    }

    size_t escape(size_t at) {
        const uint8_t* p = take(at + 1, 1, at, "ESC");
        if (!p) return data_.size();
        const uint8_t command = p[0];
        auto parameters = [&](size_t count, const char* name) { return take(at + 2, count, at, name); };
        switch (command) {
            case '@':  // ESC/P initialise
                setEmulation(Emulation::Epson);
                reset();
                return at + 2;
            case 'E':  // bold (emphasized) on, both emulations
                bold_ = true;
                return at + 2;
            case 'F':
                bold_ = false;
                return at + 2;
            case 'P':  // ESC/P 10 cpi
            case 'M':  // ESC/P 12 cpi
            case ':':  // Proprinter 12 cpi
                return at + 2;
            case 'l': {  // ESC/P left margin, in columns
                const uint8_t* n = parameters(1, "ESC l");
                if (!n) return data_.size();
                leftMargin_ = n[0];
                return at + 3;
            }
            case 'Q':  // ESC/P right margin: nothing to show in a preview
                return parameters(1, "ESC Q") ? at + 3 : data_.size();
            case 'R': {  // ESC/P national characters
                const uint8_t* n = parameters(1, "ESC R");
                if (!n) return data_.size();
                national_ = n[0];
                return at + 3;
            }
            case 't': {  // ESC/P make slot n current
                const uint8_t* n = parameters(1, "ESC t");
                if (!n) return data_.size();
                const int slot = n[0] >= '0' ? n[0] - '0' : n[0];
                if (slot < 0 || slot > 3) {
                    report(at, "ESC t " + std::to_string(n[0]) + " names no table slot");
                } else {
                    setEmulation(Emulation::Epson);
                    slot_ = slot;
                }
                return at + 3;
            }
            case '(':
                return epsonExtended(at);
            case '[':
                return ibmBracket(at);
            case 'X':
            case '^':
                if (emulation_ == Emulation::Ibm) {
                    // ESC X left right; ESC ^ and the one code to print as a character.
                    const bool margins = command == 'X';
                    const size_t count = margins ? 2 : 1;
                    const uint8_t* n = parameters(count, margins ? "ESC X" : "ESC ^");
                    if (!n) return data_.size();
                    if (margins)
                        leftMargin_ = n[0] > 1 ? n[0] - 1u : 0u;
                    else
                        print(n[0]);
                    return at + 2 + count;
                }
                break;
            default:
                break;
        }
        char what[96];
        std::snprintf(what, sizeof what, "unknown command ESC 0x%02X ('%c')%s", command,
                      command >= 0x20 && command < 0x7F ? command : '?',
                      emulation_ == Emulation::Unknown ? " (emulation not yet known)" : "");
        report(at, what);
        return at + 2;
    }

    // ESC ( c nL nH data: ESC ( t assigns a table, ESC ( ^ prints as characters.
    size_t epsonExtended(size_t at) {
        Parameters p;
        if (!lengthPrefixed(at, "ESC (", &p)) return data_.size();
        if (p.letter == 't' && p.length == 3) {
            const int slot = p.data[0] >= '0' ? p.data[0] - '0' : p.data[0];
            if (slot >= 0 && slot <= 3) {
                setEmulation(Emulation::Epson);
                slots_[slot] = epsonTable(p.data[1], p.data[2]);
                return p.next;
            }
        } else if (p.letter == '^') {
            setEmulation(Emulation::Epson);
            for (size_t i = 0; i < p.length; ++i) print(p.data[i]);
            return p.next;
        }
        return unknownLengthPrefixed(at, "ESC (", p);
    }

    // ESC [ c nL nH data: ESC [ T selects a code page, ESC [ K sets the
    // initial conditions (Proprinter).
    size_t ibmBracket(size_t at) {
        Parameters p;
        if (!lengthPrefixed(at, "ESC [", &p)) return data_.size();
        if (p.letter == 'K') {
            setEmulation(Emulation::Ibm);
            reset();
            return p.next;
        }
        if (p.letter == 'T' && p.length == 4) {
            setEmulation(Emulation::Ibm);
            ibmTable_ = ibmTable(p.data[2] << 8 | p.data[3]);
            return p.next;
        }
        return unknownLengthPrefixed(at, "ESC [", p);
    }

    std::string path_;
    const std::string& data_;
    FILE* problems_;
    Emulation emulation_ = Emulation::Unknown;
    std::vector<Table> slots_;
    int slot_ = 0;
    Table ibmTable_;
    int national_ = 0;
    bool bold_ = false;
    size_t leftMargin_ = 0;
    size_t column_ = 0;
    Line line_;
    std::vector<Line> lines_;
    std::set<std::string> reportedTables_;
    std::set<int> reportedNational_;
    bool faulty_ = false;
};

std::string escapeHtml(const std::string& text) {
    if (text == "&") return "&amp;";
    if (text == "<") return "&lt;";
    if (text == ">") return "&gt;";
    return text;
}

std::string render(const std::vector<Line>& lines, bool html) {
    std::string out;
    if (html)
        out +=
            "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><style>pre{font-family:monospace}</style>"
            "</head><body><pre>";
    for (Line line : lines) {
        if (line.size() == 1 && line[0].text == "\f") {
            out += html ? "</pre><hr><pre>" : "\f\n";
            continue;
        }
        while (!line.empty() && line.back().text == " ") line.pop_back();
        bool bold = false;
        for (const Cell& cell : line) {
            if (html && cell.bold != bold) out += cell.bold ? "<b>" : "</b>";
            bold = cell.bold;
            out += html ? escapeHtml(cell.text) : cell.text;
        }
        if (html && bold) out += "</b>";
        out += "\n";
    }
    if (html) out += "</pre></body></html>\n";
    return out;
}

}  // namespace

std::string previewPage(const std::string& name, const std::string& data, bool html, FILE* problems,
                        bool* faulty) {
    Printer printer(name, data, problems);
    const std::string out = render(printer.run(), html);
    *faulty = printer.faulty();
    return out;
}
