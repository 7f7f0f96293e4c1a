// The control rules as decisions on what the pages show, driven as a user
// drives the window: list choices, text typed with its focus loss, arrow
// steps of an up-down, page switches; the pages start as loading a block
// and showing "Print Style" leave them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <random>
#include <sstream>

#include "settings/catalogue.h"
#include "settings/country_defaults.h"
#include "settings/page_rules.h"
#include "settings/value_tables.h"

namespace {
using List = ListShown PagesShown::*;
using Number = NumberShown PagesShown::*;
using P = PagesShown;
using C = PageChoices;

// Each control the rules read, with its short name in the cases below, the page choice it shows,
// the rule its choice or text update runs and the rule its focus loss runs.
struct Control { const char* name; List list; Number number; int C::*choice; PageRule changed, left; };
const Control Controls[] = {
    {"E", &P::emulation, nullptr, &C::emulation, emulationChosen, nullptr},
    {"Cs", &P::characterSet, nullptr, &C::characterSet, nullptr, nullptr},
    {"Cp", &P::codePage, nullptr, &C::codePage, codePageChosen, nullptr},
    {"F", &P::font, nullptr, &C::font, fontChosen, nullptr},
    {"Ls", &P::lineSpacing, nullptr, &C::lineSpacing, nullptr, nullptr},
    {"Pi", &P::pitch, nullptr, &C::pitch, pitchChosen, nullptr},
    {"Ps", &P::pointSize, nullptr, &C::pointSize, nullptr, nullptr},
    {"Pl", &P::pageLength, nullptr, &C::pageLength, pageLengthChosen, nullptr},
    {"Ag", &P::agm, nullptr, &C::agm, nullptr, nullptr},
    {"Cr", &P::autoCR, nullptr, &C::autoCR, nullptr, nullptr},
    {"Fr", nullptr, &P::freeLength, &C::freePageLength, pageLengthChosen, nullptr},
    {"T", nullptr, &P::topMargin, &C::topMargin, nullptr, nullptr},
    {"B", nullptr, &P::bottomMargin, &C::bottomMargin, nullptr, nullptr},
    {"L", nullptr, &P::leftMargin, &C::leftMargin, leftMarginUpdated, leftMarginLeft},
    {"R", nullptr, &P::rightMargin, &C::rightMargin, rightMarginUpdated, rightMarginLeft},
    {"Tr", nullptr, &P::tractor, &C::tractor, nullptr, tractorLeft},
    {"Fi", nullptr, &P::friction, &C::friction, nullptr, frictionLeft},
};
const Control& control(const std::string& name) {
    for (const Control& c : Controls)
        if (name == c.name) return c;
    ADD_FAILURE() << "no control " << name;
    return Controls[0];
}
const Control& control(Number n) {
    for (const Control& c : Controls)
        if (n == c.number) return c;
    return Controls[0];
}

// The up-down re-reads its field before it answers: a number within its range becomes the position.
void syncPosition(NumberShown& f) {
    int value = 0;
    for (char c : f.text)
        if (c < '0' || c > '9' || (value = value * 10 + c - '0') > 99999) return;
    if (!f.text.empty() && value >= std::min(f.low, f.high) && value <= std::max(f.low, f.high))
        f.position = value;
}

// The pages of a window: what they show, the rules' context, the page on view, the field with the
// focus.
struct Pages {
    PagesShown shown;
    RuleContext context;
    int page = -1;
    Number focus = nullptr;
    NumberShown& operator[](Number n) { return shown.*n; }
    // The window reads the up-downs' positions as a rule starts.
    void run(PageRule rule) {
        if (!rule) return;
        for (Number n : {&P::freeLength, &P::topMargin, &P::bottomMargin}) syncPosition(shown.*n);
        rule(shown, context);
    }
    void setFocus(Number n) {
        const Number lost = focus;
        focus = n;
        if (lost && lost != n) run(control(lost).left);
    }
    // Showing the page on view again changes nothing; a field hidden loses the focus.
    void showPage(int n) {
        if (n == page) return;
        page = n;
        setFocus(nullptr);
        if (n == 0) run(fontChosen), run(pitchChosen);
        if (n == 1) run(emulationChosen);
        if (n == 2) run(pageLengthChosen);
    }
    void choose(List l, int index) {
        (shown.*l).select(index);
        for (const Control& c : Controls)
            if (c.list == l) run(c.changed);
    }
    // Typed over the whole text, one character at a time, up to the field's limit.
    void type(Number n, const std::string& text, bool leave) {
        setFocus(n);
        const size_t limit = n == &P::freeLength ? 4 : 3;
        (*this)[n].text = "";
        if (text.empty()) run(control(n).changed);
        for (size_t i = 0; i < text.size() && i < limit; ++i)
            (*this)[n].text += text[i], run(control(n).changed);
        if (leave) setFocus(nullptr);
    }
    // An arrow key: one step of the up-down, wrapping at its ends.
    void arrow(Number n, int step) {
        setFocus(n);
        NumberShown& f = (*this)[n];
        syncPosition(f);
        int value = f.position + step;
        if (value > std::max(f.low, f.high)) value = f.low;
        if (value < std::min(f.low, f.high)) value = f.high;
        if (f.setPosition(value)) run(control(n).changed);
    }
};

// The pages right after loading `block`, in the window's order, and showing "Print Style".
Pages loaded(const SettingsBlock& block, uint8_t variant) {
    Pages p;
    p.context = {variant, codePage(block)};
    const PageChoices choices = shownChoices(block, variant);
    for (const Setting& s : Settings)
        for (const Control& c : Controls) {
            if (s.choice != c.choice) continue;
            if (c.list) {
                const ListView view = loadedList(s, choices, block, variant);
                p.shown.*c.list = {static_cast<uint16_t>(view.list->firstId + view.offset), view.count,
                                   choices.*s.choice, true};
            } else {
                numericRange(s, choices, &p[c.number].low, &p[c.number].high);
                if (p[c.number].setPosition(choices.*s.choice)) p.run(c.changed);
            }
        }
    p.shown.agm.enabled = p.shown.autoCR.enabled = emulation(block) == IbmEmulation;
    p.shown.charsetListEmulation = emulation(block);
    const PitchGeometry* row = pitchGeometryRow(pitch(block));
    const int width = (row ? row : &PitchGeometryTable[0])->columnWidth;
    p.shown.leftMarginPosition = static_cast<uint16_t>(width * choices.leftMargin);
    p.shown.rightMarginPosition = static_cast<uint16_t>(width * choices.rightMargin);
    p.showPage(0);
    return p;
}

// A case is a line of steps, run in order on the first country's row:
//   V  the model variant's row instead      b4=136  block byte 4 set to 136 before loading
//   P2 show page 2                          Pi=3    choose entry 3 of the Pitch list
//   L<10  type 10 and leave the field       L<10.   type 10 and stay in it
//   Pi?3  entry 3 is selected (-1: none)    Cs#145+2  the list holds strings 145 and 146
//   Ps+  Ps-  enabled, disabled             L[0,133]  the up-down's range
//   L:17  the field's text                  @L1428 @R11520  leftMarginPosition, rightMarginPosition
//   R^-1  one arrow step down
// The controls: E emulation, Cs character set, Cp code page, F font, Ls Line/Inch, Pi pitch, Ps point
// size, Pl page length, Ag A.G.M., Cr Auto CR; the fields Fr free page length, T top, B bottom, L left
// and R right margin, Tr tractor, Fi friction. Strings: 144 "Italic", 320 "1" (Line/Inch), fonts 430
// (standard) and 450 (variant).
struct RuleCase { const char* name; const char* steps; };
const RuleCase Cases[] = {
    {"EPSON to IBM and back", "P1 E=1 Cs#145+2 Cs?0 Ag+ Cr+ E=0 Cs#144+3 Cs?0 Ag- Cr-"},
    {"the emulation in force keeps the set", "P5 Cs=2 P1 E=0 P5 P1 Cs?2"},
    {"variant emulation change", "V P1 E=1 Cs#145+2 Cs?1"},
    {"variant with code page Italic", "V b1=23 P1 E=1 Cs#145+1 Cs?0"},
    {"variant with a code page past the list", "V b1=24 F#450+6"},
    {"variant, code page Italic, Graphic 2 stored", "V b0=48 b1=23 Cs?0"},
    {"variant: Italic, then another code page", "V P5 Cp=23 Cs#145+1 Cp=2 Cs#145+2 Cs?0 F#450+11"},
    {"-SC font, then Draft", "F=9 Ls?14 Pi?5 Ps+ F=0 Ls#320+14 Ls?8 Ps- Pi?5"},
    {"4 kept across fixed fonts", "P2 Ls=5 P0 F=2 Ls?5"},
    {"PC866 with Roman-SC", "F=11 P5 Cp=9 F#430+8 F?0 Ls#320+14"},
    {"PC866 with Roman", "F=5 P5 Cp=9 F?5"},
    {"10 to 12 CPI", "P2 L<10 P0 Pi=1 L:12 R:96"},
    {"a left margin at the new pitch's maximum stays", "P2 L<78 P0 Pi=1 L:93"},
    {"10 to 17 CPI and back", "P2 L<10 P0 Pi=3 L:17 @L1428 R:136 @R11520 L[0,133] R[4,136] Pi=0 L:9 R:80"},
    {"left margin past the maximum", "b18=120 L:0 @L0"},
    {"5 1/2 inch keeps 300 + 300", "P2 T<300 B<300 Pl=6 T:300 B:300 T[0,450] B[0,450] Fr-"},
    {"5 1/2 inch drops 400 + 600", "P2 T<400 B<600 Pl=6 T:0 B:0"},
    {"8 inch", "P2 Pl=6 Pl=5 T[0,450] B[0,900]"},
    {"free at 1349", "P2 Pl=7 Fr+ Fr<1349 T[0,629] B[0,629]"},
    {"free at 1350 opens the widest margins", "P2 Pl=7 Fr<1350 T[0,450] B[0,900]"},
    {"free at 90 closes both margins", "P2 Pl=7 Fr<90 T[0,0] B[0,0]"},
    {"tractor and friction", "P8 Tr<950 Tr:900 Tr< Tr:0 Tr<900 Tr:900 Fi<999 Fi:900"},
    {"margins typed at 12 CPI", "Pi=1 P2 R<80 L<80 L:80 L<81 L:78 L<10 R<5 R:12"},
    {"12 CPI with a short right margin", "P2 R<60 P0 Pi=1 R:72 L[0,70]"},
    {"a right margin update keeps the left low bound at 0", "P2 L<10 R<50. L[0,48] R[12,80]"},
    {"an arrow step moves the kept right margin at once", "P2 R^-1 R:79 @R11376 R^1 @R11520"},
    {"start-up runs the font, then the pitch rule",
     "b4=136 b18=5 b19=32 b20=120 b21=32 Ls#320+14 Ls?8 Ps- L:5 @L480 L[0,117]"},
    // Where the written rules fall short:
    {"17 CPI: right arrows reach 136 after a left update", "Pi=3 P2 L<10 R[12,136]"},
    {"no geometry row: margins left alone", "b4=240 P2 L<200 L:200 L[0,78] R[2,80]"},
    {"left past its maximum, short of the right", "P2 L<79 L:78"},
    {"12 CPI: left past the right stops at the left max", "Pi=1 P2 L<97 L:93"},
    {"a scalable font's P.S pulls the margins in", "Pi=3 F=9 R:80"},
    {"a right margin below the left one's, 17 CPI", "Pi=3 P2 L<7 R< R:9 @R756"},
    {"a right margin too narrow for the pitch is kept as its widest",
     "Pi=4 P2 R<4 P0 Pi=1 R:96 @R11520 P2 L<8 P0 Pi=4 L:13 R:160"},
};

void runCase(const char* steps) {
    std::istringstream in(steps);
    SettingsBlock block = CountryDefaultTable[0];
    uint8_t variant = 0;
    Pages p;
    for (std::string t; in >> t;) {
        SCOPED_TRACE(t);
        const size_t k = t.find_first_not_of("@ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        const std::string name = t.substr(0, k), arg = k < t.size() ? t.substr(k + 1) : "";
        const char op = k < t.size() ? t[k] : 0;
        if (name == "V") block = CountryDefaultTable[VariantDefaultRow], variant = 1;
        if (name == "b") block.bytes[atoi(&t[1]) % 32] = static_cast<uint8_t>(atoi(&t[t.find('=') + 1]));
        if (name == "V" || name == "b") continue;
        if (p.page < 0) p = loaded(block, variant);
        if (name == "P") p.showPage(atoi(t.c_str() + 1));
        if (name == "@L" || name == "@R") {
            EXPECT_EQ(name == "@L" ? p.shown.leftMarginPosition : p.shown.rightMarginPosition, atoi(&t[2]));
        }
        if (name == "P" || name[0] == '@') continue;
        const Control& c = control(name);
        ListShown* list = c.list ? &(p.shown.*c.list) : nullptr;
        NumberShown* field = c.number ? &p[c.number] : nullptr;
        const std::string range =
            field ? "[" + std::to_string(field->low) + "," + std::to_string(field->high) + "]" : "";
        const bool stay = !arg.empty() && arg.back() == '.';
        const std::string run =
            list ? std::to_string(list->firstString) + "+" + std::to_string(list->count) : "";
        switch (list ? op : op + 256) {
            case '=': p.choose(c.list, atoi(arg.c_str())); break;
            case '?': EXPECT_EQ(list->selection, atoi(arg.c_str())); break;
            case '#': EXPECT_EQ(run, arg); break;
            case '<' + 256: p.type(c.number, stay ? arg.substr(0, arg.size() - 1) : arg, !stay); break;
            case '^' + 256: p.arrow(c.number, atoi(arg.c_str())); break;
            case ':' + 256: EXPECT_EQ(field->text, arg); break;
            case '[' + 256: EXPECT_EQ(range, t.substr(k)); break;
            default: EXPECT_EQ(list ? list->enabled : field->enabled, op == '+') << "+ or - expected"; break;
        }
    }
}
}  // namespace

TEST(PageRules, EdgeCases) {
    for (const RuleCase& c : Cases) {
        SCOPED_TRACE(c.name);
        runCase(c.steps);
    }
}

// An up-down's bounds may stand either way round; a position outside them goes to the bound it
// passed, and the field's text is written only when it changes.
TEST(PageRules, UpDownPositionsKeepToTheirBounds) {
    // clang-format off
    const struct { int low, high, value, position; const char* before; bool written; } rows[] = {
        {0, 10, 5, 5, "", true}, {0, 10, 5, 5, "5", false}, {0, 10, 10, 10, "", true}, {0, 10, 11, 10, "", true},
        {0, 10, -1, 0, "", true}, {10, 0, 11, 10, "", true}, {10, 0, -1, 0, "", true}, {10, 0, 5, 5, "", true},
        {10, 0, 0, 0, "0", false}};
    // clang-format on
    for (const auto& r : rows) {
        NumberShown field{r.before, r.low, r.high, 0, true};
        EXPECT_EQ(field.setPosition(r.value), r.written) << r.low << ".." << r.high << " " << r.value;
        EXPECT_EQ(field.text + " " + std::to_string(field.position), std::to_string(r.position) + " " + field.text);
    }
    ListShown list;
    list.fill(100, 3);
    for (int index : {-1, 0, 2, 3}) {
        list.select(index);
        EXPECT_EQ(list.selection, index == 0 || index == 2 ? index : NoSelection) << index;
    }
}

namespace {
// The margins fit the pitch's bounds, the right one not left of the left one.
bool marginsFit(int pitch, int left, int right) {
    const PitchGeometry* row = pitchGeometryRow(pitch);
    return row && row->leftMin <= left && left <= row->leftMax && left <= right &&
           row->rightMin <= right && right <= row->rightMax;
}

// What Send Settings packs: the pages as they stand, the lists without rules as loaded. Every list
// shows an entry.
SettingsBlock sent(Pages& p, const SettingsBlock& block) {
    p.setFocus(nullptr);  // the click takes the focus first
    PageChoices choices = shownChoices(block, p.context.modelVariant);
    for (const Control& c : Controls) {
        if (c.list) {
            EXPECT_NE(choices.*c.choice = (p.shown.*c.list).selection, NoSelection) << c.name;
            continue;
        }
        // The free length and the top-of-form entries are read from their up-downs, the others'
        // texts up to what a user can type.
        syncPosition(p[c.number]);
        const bool fromUpDown =
            c.number == &P::freeLength || c.number == &P::tractor || c.number == &P::friction;
        choices.*c.choice = fromUpDown ? p[c.number].position
                                       : asciiToInt(p[c.number].text.substr(0, TypedChars).c_str());
    }
    return packSettings(choices, p.context.modelVariant, block);
}
}  // namespace

TEST(PageRules, RandomUserActionsKeepEveryEntryInRange) {
    const int pages[] = {1, 5, 5, 0, 2, 0, 0, 2, 6, 6, 2, 2, 2, 2, 2, 8, 8};  // of each of the Controls
    std::mt19937 random(4170);  // fixed: a failure replays exactly
    const auto any = [&](size_t n) { return static_cast<int>(random() % n); };
    for (uint8_t model : {0, 1}) {
        const SettingsBlock block = CountryDefaultTable[model ? VariantDefaultRow : any(CountryListCount)];
        Pages p = loaded(block, model);
        for (int action = 0; action < 100000 && !testing::Test::HasFailure(); ++action) {
            SCOPED_TRACE(testing::Message() << "model " << int{model} << ", action " << action);
            const int target = any(std::size(Controls));
            const Control& c = Controls[target];
            const int what = any(20);
            p.showPage(what == 0 ? any(9) : pages[target]);
            if (what == 19) {
                const SettingsBlock b = sent(p, block);
                const int left = leftMargin(b) & 0xFFF, right = rightMargin(b) & 0xFFF;
                EXPECT_TRUE(marginsFit(pitch(b), left, right) &&
                            leftMargin(b) >> 12 == pitchClass(pitch(b)));
                EXPECT_TRUE(pageLength(b) >= 540 && pageLength(b) <= 16200 && tractorTof(b) <= 1800 &&
                            frictionTof(b) <= 1800);
            } else if (what == 0 || !(c.list ? (p.shown.*c.list).enabled : p[c.number].enabled)) {
            } else if (c.list) {
                p.choose(c.list, any((p.shown.*c.list).count));
            } else if (what < 14) {
                std::string digits(any(c.number == &P::freeLength ? 5 : 4), '0');
                for (char& d : digits) d = static_cast<char>('0' + any(10));
                p.type(c.number, digits, any(2) == 0);
            } else {
                p.arrow(c.number, what < 16 ? 1 : -1);
            }
            // Margins and top-of-form entries the user is not typing into are in range.
            const std::string& left = p[&P::leftMargin].text;
            const std::string& right = p[&P::rightMargin].text;
            const int pitch = p.shown.pitch.selection;
            EXPECT_TRUE(p.focus == &P::leftMargin || p.focus == &P::rightMargin ||
                        marginsFit(pitch, atoi(left.c_str()), atoi(right.c_str())))
                << left << " .. " << right;
            for (Number n : {&P::tractor, &P::friction})
                EXPECT_TRUE(p.focus == n || (!p[n].text.empty() && atoi(p[n].text.c_str()) <= 900))
                    << p[n].text;
        }
    }
}
