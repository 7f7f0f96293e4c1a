// The control rules as decisions on what the pages show, driven as a user
// drives the window: list choices, text typed with its focus loss, arrow
// steps of an up-down, page switches; the pages start as loading a block
// leaves them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iterator>
#include <random>

#include "resources/resource.h"
#include "settings/catalogue.h"
#include "settings/country_defaults.h"
#include "settings/page_rules.h"
#include "settings/value_tables.h"

namespace {
using List = ListShown PagesShown::*;
using Number = NumberShown PagesShown::*;
using P = PagesShown;

// The up-down re-reads its field before it answers: a number within its range becomes the position.
void syncPosition(NumberShown& f) {
    int value = 0;
    for (char c : f.text)
        if (c < '0' || c > '9' || (value = value * 10 + c - '0') > 99999) return;
    if (!f.text.empty() && value >= std::min(f.low, f.high) && value <= std::max(f.low, f.high)) f.position = value;
}

// The pages of a window: what they show, the rules' context, the page on view, the field with the focus.
// staleRight: a pitch showed its right max instead of the kept right distance, and the right field has
// not lost the focus since; a later pitch change then brings the old distance back, which may lie left
// of the left margin (see "a stale right distance after two pitch changes").
struct Pages {
    PagesShown shown;
    RuleContext context;
    int page = 0;
    Number focus = nullptr;
    bool staleRight = false;
    NumberShown& operator[](Number n) { return shown.*n; }
    // The window reads the up-downs' positions as a rule starts.
    void run(PageRule rule) {
        for (Number n : {&PagesShown::freeLength, &PagesShown::topMargin, &PagesShown::bottomMargin})
            syncPosition(shown.*n);
        rule(shown, context);
        const PitchGeometry* row = pitchGeometryRow(shown.pitch.selection);
        if (rule == rightMarginLeft) staleRight = false;
        if (row && shown.rightMargin.text == std::to_string(row->rightMax) &&
            shown.rightMarginPosition / row->columnWidth != row->rightMax)
            staleRight = true;
    }
};

// The rule a field's text update runs, and the one its focus loss runs.
PageRule updateRule(Number n) {
    return n == &P::leftMargin ? leftMarginUpdated : n == &P::rightMargin ? rightMarginUpdated
           : n == &P::freeLength ? pageLengthChosen : nullptr;
}
PageRule focusLossRule(Number n) {
    return n == &P::leftMargin ? leftMarginLeft : n == &P::rightMargin ? rightMarginLeft
           : n == &P::tractor ? tractorLeft : n == &P::friction ? frictionLeft : nullptr;
}
PageRule choiceRule(List l) {
    return l == &P::emulation ? emulationChosen : l == &P::codePage ? codePageChosen
           : l == &P::font ? fontChosen : l == &P::pitch ? pitchChosen
           : l == &P::pageLength ? pageLengthChosen : nullptr;
}

void setFocus(Pages& p, Number n) {
    if (p.focus == n) return;
    const Number lost = p.focus;
    p.focus = n;
    if (lost && focusLossRule(lost)) p.run(focusLossRule(lost));
}
void textUpdated(Pages& p, Number n) {
    if (updateRule(n)) p.run(updateRule(n));
}
// Showing the page on view again changes nothing.
void showPage(Pages& p, int page) {
    if (page == p.page) return;
    p.page = page;
    setFocus(p, nullptr);  // a hidden field loses the focus
    if (page == 0) p.run(fontChosen), p.run(pitchChosen);
    if (page == 1) p.run(emulationChosen);
    if (page == 2) p.run(pageLengthChosen);
}
void choose(Pages& p, List l, int index) {
    (p.shown.*l).select(index);
    if (choiceRule(l)) p.run(choiceRule(l));
}
// Typed over the whole text, one character at a time, up to the field's limit.
void type(Pages& p, Number n, const std::string& text, bool leave) {
    setFocus(p, n);
    const size_t limit = n == &P::freeLength ? 4 : 3;
    p[n].text = "";
    if (text.empty()) textUpdated(p, n);
    for (size_t i = 0; i < text.size() && i < limit; ++i) p[n].text += text[i], textUpdated(p, n);
    if (leave) setFocus(p, nullptr);
}
// An arrow key: one step of the up-down, wrapping at its ends.
void arrow(Pages& p, Number n, int step) {
    setFocus(p, n);
    NumberShown& f = p[n];
    syncPosition(f);
    int value = f.position + step;
    if (value > std::max(f.low, f.high)) value = f.low;
    if (value < std::min(f.low, f.high)) value = f.high;
    if (f.setPosition(value)) textUpdated(p, n);
}

// The pages right after loading `block` and showing "Print Style", as start-up leaves them.
Pages loaded(const SettingsBlock& block, uint8_t variant) {
    Pages p;
    p.context = {variant, codePage(block)};
    const PageChoices choices = shownChoices(block, variant);
    const std::pair<List, int PageChoices::*> lists[] = {
        {&P::emulation, &PageChoices::emulation}, {&P::characterSet, &PageChoices::characterSet},
        {&P::codePage, &PageChoices::codePage},   {&P::font, &PageChoices::font},
        {&P::lineSpacing, &PageChoices::lineSpacing}, {&P::pitch, &PageChoices::pitch},
        {&P::pointSize, &PageChoices::pointSize}, {&P::pageLength, &PageChoices::pageLength},
        {&P::agm, &PageChoices::agm},             {&P::autoCR, &PageChoices::autoCR}};
    const std::pair<Number, int PageChoices::*> numbers[] = {
        {&P::freeLength, &PageChoices::freePageLength}, {&P::topMargin, &PageChoices::topMargin},
        {&P::bottomMargin, &PageChoices::bottomMargin}, {&P::leftMargin, &PageChoices::leftMargin},
        {&P::rightMargin, &PageChoices::rightMargin},   {&P::tractor, &PageChoices::tractor},
        {&P::friction, &PageChoices::friction}};
    for (const Setting& s : Settings) {
        for (const auto& l : lists)
            if (s.choice == l.second) {
                const ListView view = listFor(s, choices, variant);
                p.shown.*l.first = {static_cast<uint16_t>(view.list->firstId + view.offset), view.count,
                                    choices.*s.choice, true};
            }
        for (const auto& n : numbers)
            if (s.choice == n.second) {
                numericRange(s, choices, &p[n.first].low, &p[n.first].high);
                if (p[n.first].setPosition(choices.*s.choice)) textUpdated(p, n.first);
            }
    }
    p.shown.agm.enabled = p.shown.autoCR.enabled = emulation(block) == IbmEmulation;
    p.shown.charsetListEmulation = emulation(block);
    const PitchGeometry* row = pitchGeometryRow(pitch(block));
    const int width = (row ? row : &PitchGeometryTable[0])->columnWidth;
    p.shown.leftMarginPosition = static_cast<uint16_t>(width * choices.leftMargin);
    p.shown.rightMarginPosition = static_cast<uint16_t>(width * choices.rightMargin);
    p.page = -1;
    showPage(p, 0);
    return p;
}

using Step = std::function<void(Pages&)>;
Step pick(List l, int index) { return [=](Pages& p) { choose(p, l, index); }; }
Step typed(Number n, const char* text, bool leave = true) { return [=](Pages& p) { type(p, n, text, leave); }; }
Step page(int n) { return [=](Pages& p) { showPage(p, n); }; }
Step entries(List l, int first, int count) {
    return [=](Pages& p) { EXPECT_EQ(std::make_pair(int{(p.shown.*l).firstString}, (p.shown.*l).count),
                                     std::make_pair(first, count)); };
}
Step selected(List l, int index) { return [=](Pages& p) { EXPECT_EQ((p.shown.*l).selection, index); }; }
Step enabled(List l, bool on) { return [=](Pages& p) { EXPECT_EQ((p.shown.*l).enabled, on); }; }
Step enabled(Number n, bool on) { return [=](Pages& p) { EXPECT_EQ(p[n].enabled, on); }; }
Step range(Number n, int low, int high) {
    return [=](Pages& p) { EXPECT_EQ(std::make_pair(p[n].low, p[n].high), std::make_pair(low, high)); };
}
Step text(Number n, const char* t) { return [=](Pages& p) { EXPECT_EQ(p[n].text, t); }; }
Step holds(uint16_t PagesShown::*m, int v) { return [=](Pages& p) { EXPECT_EQ(p.shown.*m, v); }; }

constexpr List Font = &P::font, Pitch = &P::pitch, Spacing = &P::lineSpacing, Length = &P::pageLength,
               Emulation = &P::emulation, Set = &P::characterSet, CodePage = &P::codePage;
constexpr Number Free = &P::freeLength, Top = &P::topMargin, Bottom = &P::bottomMargin, Left = &P::leftMargin,
                 Right = &P::rightMargin, Tractor = &P::tractor, Friction = &P::friction;
constexpr auto LeftAt = &P::leftMarginPosition, RightAt = &P::rightMarginPosition;
constexpr int Standard = 0, Variant = 1, Fixed = IDS_LINE_SPACING_FIRST, Sets = IDS_CHARSET_FIRST;

struct RuleCase {
    const char* name;
    int model;
    std::vector<std::pair<int, uint8_t>> bytes;  // changed bytes of the model's default row
    std::vector<Step> steps;
};
// clang-format off
const RuleCase Cases[] = {
    {"EPSON to IBM and back", Standard, {}, {page(1), pick(Emulation, 1), entries(Set, Sets + 1, 2), selected(Set, 0), enabled(&P::agm, true), enabled(&P::autoCR, true), pick(Emulation, 0), entries(Set, Sets, 3), selected(Set, 0), enabled(&P::agm, false), enabled(&P::autoCR, false)}},
    {"the emulation in force keeps the set", Standard, {}, {page(5), pick(Set, 2), page(1), pick(Emulation, 0), page(5), page(1), selected(Set, 2)}},
    {"variant emulation change", Variant, {}, {page(1), pick(Emulation, 1), entries(Set, Sets + 1, 2), selected(Set, 1)}},
    {"variant with code page Italic", Variant, {{1, 23}}, {page(1), pick(Emulation, 1), entries(Set, Sets + 1, 1), selected(Set, 0)}},
    {"variant: Italic, then another code page", Variant, {}, {page(5), pick(CodePage, 23), entries(Set, Sets + 1, 1), pick(CodePage, 2), entries(Set, Sets + 1, 2), selected(Set, 0), entries(Font, IDS_FONT_VARIANT_FIRST, 11)}},
    {"-SC font, then Draft", Standard, {}, {pick(Font, 9), selected(Spacing, 14), selected(Pitch, 5), enabled(&P::pointSize, true), pick(Font, 0), entries(Spacing, Fixed, 14), selected(Spacing, 8), enabled(&P::pointSize, false), selected(Pitch, 5)}},
    {"4 kept across fixed fonts", Standard, {}, {page(2), pick(Spacing, 5), page(0), pick(Font, 2), selected(Spacing, 5)}},
    {"PC866 with Roman-SC", Standard, {}, {pick(Font, 11), page(5), pick(CodePage, 9), entries(Font, IDS_FONT_STANDARD_FIRST, 8), selected(Font, 0), entries(Spacing, Fixed, 14)}},
    {"PC866 with Roman", Standard, {}, {pick(Font, 5), page(5), pick(CodePage, 9), selected(Font, 5)}},
    {"10 to 12 CPI", Standard, {}, {page(2), typed(Left, "10"), page(0), pick(Pitch, 1), text(Left, "12"), text(Right, "96")}},
    {"10 to 17 CPI and back", Standard, {}, {page(2), typed(Left, "10"), page(0), pick(Pitch, 3), text(Left, "17"), holds(LeftAt, 1428), text(Right, "136"), holds(RightAt, 11520), range(Left, 0, 133), range(Right, 4, 136), pick(Pitch, 0), text(Left, "9"), text(Right, "80")}},
    {"left margin past the maximum", Standard, {{18, 120}}, {text(Left, "0"), holds(LeftAt, 0)}},
    {"5 1/2 inch keeps 300 + 300", Standard, {}, {page(2), typed(Top, "300"), typed(Bottom, "300"), pick(Length, 6), text(Top, "300"), text(Bottom, "300"), range(Top, 0, 450), range(Bottom, 0, 450), enabled(Free, false)}},
    {"5 1/2 inch drops 400 + 600", Standard, {}, {page(2), typed(Top, "400"), typed(Bottom, "600"), pick(Length, 6), text(Top, "0"), text(Bottom, "0")}},
    {"8 inch", Standard, {}, {page(2), pick(Length, 6), pick(Length, 5), range(Top, 0, 450), range(Bottom, 0, 900)}},
    {"free at 1349", Standard, {}, {page(2), pick(Length, 7), enabled(Free, true), typed(Free, "1349"), range(Top, 0, 629), range(Bottom, 0, 629)}},
    {"free at 90 closes both margins", Standard, {}, {page(2), pick(Length, 7), typed(Free, "90"), range(Top, 0, 0), range(Bottom, 0, 0)}},
    {"tractor and friction", Standard, {}, {page(8), typed(Tractor, "950"), text(Tractor, "900"), typed(Tractor, ""), text(Tractor, "0"), typed(Tractor, "900"), text(Tractor, "900"), typed(Friction, "999"), text(Friction, "900")}},
    {"margins typed at 12 CPI", Standard, {}, {pick(Pitch, 1), page(2), typed(Right, "80"), typed(Left, "80"), text(Left, "80"), typed(Left, "81"), text(Left, "78"), typed(Left, "10"), typed(Right, "5"), text(Right, "12")}},
    {"12 CPI with a short right margin", Standard, {}, {page(2), typed(Right, "60"), page(0), pick(Pitch, 1), text(Right, "72"), range(Left, 0, 70)}},
    {"a right margin update keeps the left low bound at 0", Standard, {}, {page(2), typed(Left, "10"), typed(Right, "50", false), range(Left, 0, 48), range(Right, 12, 80)}},
    {"start-up runs the font, then the pitch rule", Standard, {{4, 0x88}, {18, 5}, {19, 0x20}, {20, 0x78}, {21, 0x20}}, {entries(Spacing, Fixed, 14), selected(Spacing, 8), enabled(&P::pointSize, false), text(Left, "5"), holds(LeftAt, 480), range(Left, 0, 117)}},
    // Where the written rules fall short:
    {"17 CPI: right arrows reach 136 after a left update", Standard, {}, {pick(Pitch, 3), page(2), typed(Left, "10"), range(Right, 12, 136)}},
    {"no geometry row: margins left alone", Standard, {{4, 0xF0}}, {page(2), typed(Left, "200"), text(Left, "200"), range(Left, 0, 78), range(Right, 2, 80)}},
    {"left past its maximum, short of the right", Standard, {}, {page(2), typed(Left, "79"), text(Left, "78")}},
    {"12 CPI: left past the right stops at the left max", Standard, {}, {pick(Pitch, 1), page(2), typed(Left, "97"), text(Left, "93")}},
    {"a scalable font's P.S pulls the margins in", Standard, {}, {pick(Pitch, 3), pick(Font, 9), text(Right, "80")}},
    // The kept right distance outlives a pitch that showed the right max instead: the next pitch change
    // brings it back, left of a left margin set meanwhile, until the right field loses the focus.
    {"a stale right distance after two pitch changes", Standard, {}, {pick(Pitch, 4), page(2), typed(Right, "4"), page(0), pick(Pitch, 1), text(Right, "96"), holds(RightAt, 288), page(2), typed(Left, "8"), page(0), pick(Pitch, 4), text(Left, "13"), text(Right, "4")}},
    {"a right margin below the left one's, 17 CPI", Standard, {}, {pick(Pitch, 3), page(2), typed(Left, "7"), typed(Right, ""), text(Right, "9"), holds(RightAt, 756)}},
};
// clang-format on

SettingsBlock modelRow(int model, const std::vector<std::pair<int, uint8_t>>& bytes = {}) {
    SettingsBlock block = CountryDefaultTable[model ? VariantDefaultRow : 0];
    for (const auto& b : bytes) block.bytes[b.first] = b.second;
    return block;
}
}  // namespace

TEST(PageRules, EdgeCases) {
    for (const RuleCase& c : Cases) {
        SCOPED_TRACE(c.name);
        Pages p = loaded(modelRow(c.model, c.bytes), static_cast<uint8_t>(c.model));
        for (size_t i = 0; i < c.steps.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "step " << i + 1);
            c.steps[i](p);
        }
    }
}

namespace {
// The margins fit the pitch's bounds, the right one not left of the left one unless the kept right
// distance is stale.
bool marginsFit(int pitch, int left, int right, bool staleRight) {
    const PitchGeometry* row = pitchGeometryRow(pitch);
    return row && row->leftMin <= left && left <= row->leftMax && (left <= right || staleRight) &&
           row->rightMin <= right && right <= row->rightMax;
}

// What Send Settings packs: the pages as they stand, the lists without rules as loaded.
SettingsBlock sent(Pages& p, const SettingsBlock& block) {
    setFocus(p, nullptr);  // the click takes the focus first
    PageChoices c = shownChoices(block, p.context.modelVariant);
    c.font = p.shown.font.selection, c.pitch = p.shown.pitch.selection;
    c.pointSize = p.shown.pointSize.selection, c.lineSpacing = p.shown.lineSpacing.selection;
    c.pageLength = p.shown.pageLength.selection, c.emulation = p.shown.emulation.selection;
    c.characterSet = p.shown.characterSet.selection, c.codePage = p.shown.codePage.selection;
    for (Number n : {Free, Tractor, Friction}) syncPosition(p[n]);
    c.freePageLength = p[Free].position, c.tractor = p[Tractor].position, c.friction = p[Friction].position;
    const auto typedNumber = [&](Number n) { return asciiToInt(p[n].text.substr(0, TypedChars).c_str()); };
    c.topMargin = typedNumber(Top), c.bottomMargin = typedNumber(Bottom);
    c.leftMargin = typedNumber(Left), c.rightMargin = typedNumber(Right);
    for (List l : {Font, Pitch, Spacing, Length, Emulation, Set, CodePage, &P::pointSize})
        EXPECT_NE((p.shown.*l).selection, NoSelection);
    return packSettings(c, p.context.modelVariant, block);
}
}  // namespace

TEST(PageRules, RandomUserActionsKeepEveryEntryInRange) {
    struct Target {
        List list;
        Number number;
        int page;
    };
    const Target targets[] = {{Font, nullptr, 0},    {Pitch, nullptr, 0},   {&P::pointSize, nullptr, 0},
                              {Emulation, nullptr, 1}, {Spacing, nullptr, 2}, {Length, nullptr, 2},
                              {Set, nullptr, 5},     {CodePage, nullptr, 5}, {nullptr, Free, 2},
                              {nullptr, Top, 2},     {nullptr, Bottom, 2},  {nullptr, Left, 2},
                              {nullptr, Right, 2},   {nullptr, Tractor, 8}, {nullptr, Friction, 8}};
    std::mt19937 random(4170);  // fixed: a failure replays exactly
    const auto any = [&](size_t n) { return static_cast<int>(random() % n); };
    for (int model : {Standard, Variant}) {
        const SettingsBlock block = model ? modelRow(model) : CountryDefaultTable[any(CountryListCount)];
        Pages p = loaded(block, static_cast<uint8_t>(model));
        for (int action = 0; action < 100000 && !testing::Test::HasFailure(); ++action) {
            SCOPED_TRACE(testing::Message() << "model " << model << ", action " << action);
            const Target& t = targets[any(std::size(targets))];
            const int what = any(20);
            showPage(p, what == 0 ? any(9) : t.page);
            const bool reachable = t.list ? (p.shown.*t.list).enabled : p[t.number].enabled;
            if (what == 19) {
                const SettingsBlock b = sent(p, block);
                EXPECT_TRUE(marginsFit(pitch(b), leftMargin(b) & 0xFFF, rightMargin(b) & 0xFFF, p.staleRight) &&
                            leftMargin(b) >> 12 == pitchClass(pitch(b)));
                EXPECT_TRUE(pageLength(b) >= 540 && pageLength(b) <= 16200 && tractorTof(b) <= 1800 &&
                            frictionTof(b) <= 1800);
            } else if (what == 0 || !reachable) {
            } else if (t.list) {
                choose(p, t.list, any((p.shown.*t.list).count));
            } else if (what < 14) {
                std::string digits(any(t.number == Free ? 5 : 4), '0');
                for (char& c : digits) c = static_cast<char>('0' + any(10));
                type(p, t.number, digits, any(2) == 0);
            } else {
                arrow(p, t.number, what < 16 ? 1 : -1);
            }
            // Margins and top-of-form entries the user is not typing into are in range.
            const std::string& left = p[Left].text;
            const std::string& right = p[Right].text;
            EXPECT_TRUE(p.focus == Left || p.focus == Right ||
                        marginsFit(p.shown.pitch.selection, atoi(left.c_str()), atoi(right.c_str()), p.staleRight))
                << left << " .. " << right;
            for (Number n : {Tractor, Friction})
                EXPECT_TRUE(p.focus == n || (!p[n].text.empty() && atoi(p[n].text.c_str()) <= 900)) << p[n].text;
        }
    }
}
