// The control rules on the real main window, driven as a user drives it:
// list choices with their notifications, typed text with its focus loss,
// arrow keys, page switches in the tree. Each notification reaches its rule
// here; the rules' own cases are decided and tried in the portable core.
#include "main_window_fixture.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/settings_state.h"
#include "stored_settings.h"
#include "ui/load_pages.h"
#include "ui/settings_tree.h"
#include "window_cases.h"

namespace {
constexpr const char* FixedSpacings = "1|1.5|2|2.5|3|4|4.5|5|6|7.5|8|9|10|12";

struct RuleCase {
    const char* name;
    std::vector<std::pair<int, uint8_t>> bytes;  // changed bytes of the first country's row
    std::vector<WindowStep> steps;
};

// clang-format off
const RuleCase Cases[] = {
    {"EPSON to IBM and back", {}, {page(1), choose(IDC_EMULATION, 1), entries(IDC_CHARACTER_SET, "Graphic 1|Graphic 2"), selected(IDC_CHARACTER_SET, "Graphic 1"), enabled(IDC_AGM, true), enabled(IDC_AUTO_CR, true), choose(IDC_EMULATION, 0), entries(IDC_CHARACTER_SET, "Italic|Graphic 1|Graphic 2"), selected(IDC_CHARACTER_SET, "Italic"), enabled(IDC_AGM, false), enabled(IDC_AUTO_CR, false)}},
    {"-SC font, then Draft", {}, {choose(IDC_FONT, 9), selected(IDC_LINE_SPACING, "Scalable"), selected(IDC_PITCH, "P.S"), enabled(IDC_POINT_SIZE, true), choose(IDC_FONT, 0), entries(IDC_LINE_SPACING, FixedSpacings), selected(IDC_LINE_SPACING, "6"), enabled(IDC_POINT_SIZE, false), selected(IDC_PITCH, "P.S")}},
    {"PC866 with Roman-SC", {}, {choose(IDC_FONT, 11), page(5), choose(IDC_CODE_PAGE, 9), entries(IDC_FONT, "Draft|Bold PS|Courier|OCR-B|Prestige|Roman|Sans Serif|Script"), selected(IDC_FONT, "Draft"), entries(IDC_LINE_SPACING, FixedSpacings)}},
    {"10 to 12 CPI", {}, {page(2), type(IDC_LEFT_MARGIN, "10"), page(0), choose(IDC_PITCH, 1), text(IDC_LEFT_MARGIN, "12"), text(IDC_RIGHT_MARGIN, "96"), range(IDC_LEFT_MARGIN_SPIN, 0, 93)}},
    {"5 1/2 inch drops 400 + 600", {}, {page(2), type(IDC_TOP_MARGIN, "400"), type(IDC_BOTTOM_MARGIN, "600"), choose(IDC_PAGE_LENGTH, 6), text(IDC_TOP_MARGIN, "0"), text(IDC_BOTTOM_MARGIN, "0")}},
    {"free at 1349", {}, {page(2), choose(IDC_PAGE_LENGTH, 7), enabled(IDC_FREE_LENGTH, true), type(IDC_FREE_LENGTH, "1349"), range(IDC_TOP_MARGIN_SPIN, 0, 629), range(IDC_BOTTOM_MARGIN_SPIN, 0, 629)}},
    {"tractor and friction", {}, {page(8), type(IDC_TRACTOR, "950"), text(IDC_TRACTOR, "900"), type(IDC_TRACTOR, ""), text(IDC_TRACTOR, "0"), type(IDC_TRACTOR, "900"), text(IDC_TRACTOR, "900"), type(IDC_FRICTION, "999"), text(IDC_FRICTION, "900")}},
    {"margins typed at 12 CPI", {}, {choose(IDC_PITCH, 1), page(2), type(IDC_RIGHT_MARGIN, "80"), type(IDC_LEFT_MARGIN, "80"), text(IDC_LEFT_MARGIN, "80"), type(IDC_LEFT_MARGIN, "81"), text(IDC_LEFT_MARGIN, "78"), type(IDC_LEFT_MARGIN, "10"), type(IDC_RIGHT_MARGIN, "5"), text(IDC_RIGHT_MARGIN, "12")}},
    {"start-up runs the font, then the pitch rule", {{4, 0x88}, {18, 5}, {19, 0x20}, {20, 0x78}, {21, 0x20}}, {entries(IDC_LINE_SPACING, FixedSpacings), selected(IDC_LINE_SPACING, "6"), enabled(IDC_POINT_SIZE, false), text(IDC_LEFT_MARGIN, "5"), holds(windowState.leftMarginPosition, 480), range(IDC_LEFT_MARGIN_SPIN, 0, 117)}},
    {"the free length shows its separator and is read by its position", {}, {page(2), choose(IDC_PAGE_LENGTH, 7), text(IDC_FREE_LENGTH, "1,980"), range(IDC_TOP_MARGIN_SPIN, 0, 450)}},
    {"typed margins are corrected only when left", {}, {page(2), type(IDC_LEFT_MARGIN, "90", false), text(IDC_LEFT_MARGIN, "90"), type(IDC_RIGHT_MARGIN, "1", false), text(IDC_RIGHT_MARGIN, "1")}},
    {"typing stops at the limit; the arrows wrap", {}, {page(8), type(IDC_TRACTOR, "9000"), text(IDC_TRACTOR, "900"), type(IDC_FRICTION, "900", false), arrow(IDC_FRICTION, VK_UP), text(IDC_FRICTION, "0")}},
};
// clang-format on

class RulesTest : public MainWindowTest {
protected:
    // Starts the program on the first country's row with `bytes` changed; an
    // unchanged row on a window already open is put back on view as start-up
    // does it (load, then show "Print Style"): a window saved.
    void start(const std::vector<std::pair<int, uint8_t>>& bytes) {
        SettingsBlock block = CountryDefaultTable[0];
        for (const auto& b : bytes) block.bytes[b.first] = b.second;
        if (window && bytes.empty() && ModelVariant == 0 && !IsIconic(window)) {
            SetFocus(GetDlgItem(window, IDC_SEND_SETTINGS));
            currentBlock = block;
            loadPages(window);
            runSteps(window, {page(0)});
            showPage(window, 0);
            return;
        }
        ASSERT_NE(openMainWindow(0, 0, block), nullptr);
    }
};

}  // namespace

TEST_F(RulesTest, EachNotificationReachesItsRule) {
    for (const RuleCase& c : Cases) {
        SCOPED_TRACE(c.name);
        start(c.bytes);
        runSteps(window, c.steps);
    }
}
