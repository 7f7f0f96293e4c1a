#include "printer/character_table_dialog.h"

#include "common/controls.h"
#include "common/window_helpers.h"
#include "printer/character_table_print.h"
#include "printer/character_tables.h"
#include "resource.h"
#include "settings/settings_state.h"

namespace {
// The tables of the chosen emulation, starting again at the first.
void fillTableList(HWND dialog, int emulation) {
    fillList(dialog, IDC_TABLE_LIST, characterTableFirstString(emulation),
             characterTableCount(emulation, ModelVariant));
    selectListEntry(dialog, IDC_TABLE_LIST, 0);
}

BOOL onInitDialog(HWND dialog) {
    fillList(dialog, IDC_TABLE_EMULATION, IDS_EMULATION_FIRST, 2);
    selectListEntry(dialog, IDC_TABLE_EMULATION, 0);
    fillTableList(dialog, EpsonEmulation);
    centerWindowOnScreen(dialog);
    return TRUE;
}

void onCommand(HWND dialog, WORD id, WORD notification) {
    switch (id) {
        case IDOK:
            if (printCharacterTable(dialog, listSelection(dialog, IDC_TABLE_EMULATION),
                                    listSelection(dialog, IDC_TABLE_LIST)))
                EndDialog(dialog, 1);
            break;
        case IDCANCEL:
            EndDialog(dialog, -1);
            break;
        case IDC_TABLE_EMULATION:
            if (notification == CBN_SELCHANGE)
                fillTableList(dialog, listSelection(dialog, IDC_TABLE_EMULATION) == EpsonEmulation
                                          ? EpsonEmulation
                                          : IbmEmulation);
            break;
    }
}

INT_PTR CALLBACK characterTableProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return onInitDialog(dialog);
        case WM_COMMAND:
            // A dialog's commands need nothing of the default handling.
            onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
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
