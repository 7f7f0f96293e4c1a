// Reading the page controls back as they stand: what Send Settings packs.
// The window keeps no other copy of the user's choices.
#include "resources/resource.h"
#include "common/controls.h"
#include "ui/load_pages.h"

namespace {

struct ListChoice {
    int listId;
    int PageChoices::*choice;
};

const ListChoice ListChoices[] = {
    {IDC_EMULATION, &PageChoices::emulation},
    {IDC_CHARACTER_SET, &PageChoices::characterSet},
    {IDC_INTERNATIONAL, &PageChoices::internationalCharacter},
    {IDC_CODE_PAGE, &PageChoices::codePage},
    {IDC_AUTO_CR, &PageChoices::autoCR},
    {IDC_AUTO_LF, &PageChoices::autoLF},
    {IDC_AUTO_LOAD, &PageChoices::autoLoad},
    {IDC_AGM, &PageChoices::agm},
    {IDC_PAPER_OUT, &PageChoices::paperOutDetect},
    {IDC_ZERO_FONT, &PageChoices::zeroFont},
    {IDC_GRAPHIC_DIRECTION, &PageChoices::graphicDirection},
    {IDC_TEXT_DIRECTION, &PageChoices::textDirection},
    {IDC_TEAR_OFF, &PageChoices::tearOff},
    {IDC_FONT, &PageChoices::font},
    {IDC_PITCH, &PageChoices::pitch},
    {IDC_SHADOW, &PageChoices::shadow},
    {IDC_OUTLINE, &PageChoices::outline},
    {IDC_DOUBLE_WIDE, &PageChoices::doubleWide},
    {IDC_DOUBLE_STRIKE, &PageChoices::doubleStrike},
    {IDC_BOLD, &PageChoices::bold},
    {IDC_DOUBLE_HIGH, &PageChoices::doubleHigh},
    {IDC_ITALICS, &PageChoices::italics},
    {IDC_AUTO_ONLINE, &PageChoices::autoOnline},
    {IDC_AUTO_FEED_XT, &PageChoices::autoFeedXT},
    {IDC_BUFFER_CONTROL, &PageChoices::bufferControl},
    {IDC_PARITY, &PageChoices::parity},
    {IDC_BAUD_RATE, &PageChoices::baudRate},
    {IDC_PRINT_PASS, &PageChoices::printPass},
    {IDC_SIGNAL_POLARITY, &PageChoices::signalPolarity},
    {IDC_DATA_LENGTH, &PageChoices::dataLength},
    {IDC_PROTOCOL, &PageChoices::protocol},
    {IDC_POINT_SIZE, &PageChoices::pointSize},
    {IDC_LINE_SPACING, &PageChoices::lineSpacing},
    {IDC_PAGE_LENGTH, &PageChoices::pageLength},
};

// The margin and centering fields take 3 digits; reading no more than that
// keeps a value set from code within the field's size, so a margin never
// reaches the pitch class bits when it is packed.
constexpr int EditEntryChars = 3;

// A field's number as the edit entries are read: leading blanks, optional
// sign, digits; no digits gives 0.
int readFieldNumber(HWND window, int editId, int maxChars) {
    return asciiToInt(fieldText(window, editId, maxChars).c_str());
}

}  // namespace

PageChoices readPageChoices(HWND window) {
    PageChoices choices;
    static_assert(NoSelection == CB_ERR, "a list without a selection reads as the core's NoSelection");
    for (const ListChoice& list : ListChoices) choices.*list.choice = listSelection(window, list.listId);

    // The free page length may show a thousands separator ("1,980"), so it and
    // the top-of-form entries are read from their up-downs, not their text.
    choices.freePageLength = spinPosition(window, IDC_FREE_LENGTH_SPIN);
    choices.topMargin = readFieldNumber(window, IDC_TOP_MARGIN, EditEntryChars);
    choices.bottomMargin = readFieldNumber(window, IDC_BOTTOM_MARGIN, EditEntryChars);
    choices.leftMargin = readFieldNumber(window, IDC_LEFT_MARGIN, EditEntryChars);
    choices.rightMargin = readFieldNumber(window, IDC_RIGHT_MARGIN, EditEntryChars);
    choices.centeringPosition = readFieldNumber(window, IDC_CENTERING, EditEntryChars);
    choices.tractor = spinPosition(window, IDC_TRACTOR_SPIN);
    choices.friction = spinPosition(window, IDC_FRICTION_SPIN);
    return choices;
}
