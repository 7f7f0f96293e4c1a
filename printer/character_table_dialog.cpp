#include "printer/character_table_dialog.h"

#include "common/window_helpers.h"
#include "printer/character_table_print.h"
#include "printer/character_tables.h"
#include "resource.h"
#include "settings/settings_state.h"

namespace {
// The selected entry of a drop-down list; CB_GETCURSEL gives CB_ERR (-1)
// when nothing is selected.
int selectedPosition(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

void fillList(HWND dialog, int id, UINT firstString, int count) {
    HWND list = GetDlgItem(dialog, id);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i) {
        const std::string text = loadString(firstString + static_cast<UINT>(i));
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageA(list, CB_SETCURSEL, 0, 0);
}

// The tables of the chosen emulation, starting again at the first.
void fillTableList(HWND dialog, int emulation) {
    fillList(dialog, IDC_TABLE_LIST, characterTableFirstString(emulation),
             characterTableCount(emulation, ModelVariant));
}

BOOL onInitDialog(HWND dialog) {
    fillList(dialog, IDC_TABLE_EMULATION, IDS_EMULATION_FIRST, 2);
    fillTableList(dialog, EpsonEmulation);
    centerWindowOnScreen(dialog);
    return TRUE;
}

BOOL onCommand(HWND dialog, WORD id, WORD notification) {
    switch (id) {
        case IDOK:
            if (printCharacterTable(dialog, selectedPosition(dialog, IDC_TABLE_EMULATION),
                                    selectedPosition(dialog, IDC_TABLE_LIST)))
                EndDialog(dialog, 1);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, -1);
            return TRUE;
        case IDC_TABLE_EMULATION:
            if (notification != CBN_SELCHANGE) return FALSE;
            fillTableList(dialog, selectedPosition(dialog, IDC_TABLE_EMULATION) == EpsonEmulation
                                      ? EpsonEmulation
                                      : IbmEmulation);
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK characterTableProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return onInitDialog(dialog);
        case WM_COMMAND:
            return onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        default:
            return FALSE;
    }
}
}  // namespace

int printCharacterTableDialog(HWND owner) {
    const INT_PTR result =
        DialogBoxParamA(appInstance(), MAKEINTRESOURCEA(IDD_CHARACTER_TABLE), owner, characterTableProc, 0);
    return result == 1 ? 1 : -1;
}
