// The rules that keep the page controls consistent while the user edits, as
// decisions over a plain value of what the pages show: which character sets
// an emulation offers, which fonts a code page offers, which line spacings
// and pitch a font allows, the page length's limits on the top and bottom
// margins, the margins' ties to each other and to the pitch, and the bounds
// of the top-of-form entries. The window reads its controls into a
// PagesShown, runs a decision and writes back what changed; a rule that
// changes a field's text runs that field's own text rule at once, nested, as
// the field's notification does in the window. The rules change only what
// the pages show, never the current block. Portable: no platform headers.
#pragma once

#include <cstdint>
#include <string>

#include "settings_block.h"

// A drop-down list: the string run it holds, its selection, whether it is
// enabled. A window reads back the run it last filled the list with (0 when it
// does not know it); a rule that refills a list names its run, and a refill
// with the same run and count changes nothing.
struct ListShown {
    uint16_t firstString = 0;
    int count = 0;
    int selection = NoSelection;
    bool enabled = true;

    void fill(uint16_t first, int entries);  // empties the list and appends the run
    void select(int index);                  // an index outside the list selects nothing
};

// An edit field with its up-down: the text, the up-down's range and position,
// and whether both are enabled.
struct NumberShown {
    std::string text;
    int low = 0;
    int high = 0;
    int position = 0;
    bool enabled = true;

    void setRange(int from, int to) { low = from, high = to; }
    // As the up-down does it: clamps to the range, keeps the position and
    // writes it into the field when the text differs. True when the text was
    // written. The rules set no position of 1000 or more, which the up-down
    // would write with the locale's thousands separator.
    bool setPosition(int value);
};

// What the rules read and change on the pages, and the window's memory of
// the margins and of the emulation the Character set list was built for.
struct PagesShown {
    ListShown emulation, characterSet, codePage, font, lineSpacing, pitch, pointSize, pageLength, agm, autoCR;
    NumberShown freeLength, topMargin, bottomMargin, leftMargin, rightMargin, tractor, friction;
    uint8_t charsetListEmulation = 0;
    uint16_t leftMarginPosition = 0;  // 1/1440 inch
    uint16_t rightMarginPosition = 0;
};

// What the rules need beyond the pages: the model variant, and the code page
// of the block last loaded or sent (the variant's emulation rule goes by it).
struct RuleContext {
    uint8_t modelVariant = 0;
    uint8_t blockCodePage = 0;
};

// A field's text is read up to this many characters when it changes (text
// set from code is not cut to the field's limit); its focus loss reads no
// more than a user can type.
constexpr int FieldTextChars = 19;
constexpr int TypedChars = 3;

using PageRule = void (*)(PagesShown& pages, const RuleContext& context);

// A list choice the user made (or a page shown that runs its rules).
void emulationChosen(PagesShown& pages, const RuleContext& context);
void codePageChosen(PagesShown& pages, const RuleContext& context);
void fontChosen(PagesShown& pages, const RuleContext& context);
void pitchChosen(PagesShown& pages, const RuleContext& context);
// Also the free page length's text update.
void pageLengthChosen(PagesShown& pages, const RuleContext& context);
// A margin field's text update and its focus loss.
void leftMarginUpdated(PagesShown& pages, const RuleContext& context);
void leftMarginLeft(PagesShown& pages, const RuleContext& context);
void rightMarginUpdated(PagesShown& pages, const RuleContext& context);
void rightMarginLeft(PagesShown& pages, const RuleContext& context);
// A top-of-form field's focus loss.
void tractorLeft(PagesShown& pages, const RuleContext& context);
void frictionLeft(PagesShown& pages, const RuleContext& context);
