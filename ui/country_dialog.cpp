// The "Select Country" dialog: which row of the factory defaults applies.
#include "ui/country_dialog.h"

#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/settings_state.h"
#include "common/window_helpers.h"

namespace {
constexpr INT_PTR Cancelled = -1;

void fillCountryList(HWND list) {
    for (int position = 0; position < CountryListCount; ++position) {
        const std::string text = loadString(IDS_COUNTRY_FIRST + position);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void onInitDialog(HWND dialog, LPARAM cancelAllowed) {
    EnableWindow(GetDlgItem(dialog, IDCANCEL), cancelAllowed != 0);
    HWND list = GetDlgItem(dialog, IDC_COUNTRY_LIST);
    fillCountryList(list);
    // Rows 15 and 16 of the defaults have no entry: a stored index there
    // (only from an edited registry) preselects nothing.
    if (CountryIndex < CountryListCount) SendMessageA(list, LB_SETCURSEL, CountryIndex, 0);
    centerWindowOnScreen(dialog);
}

// "&Select" with nothing selected (possible only when the dialog opened on an
// index outside the list) keeps the dialog open: the result is always a
// position of the list or a cancel, never a row the list does not offer.
void onSelect(HWND dialog) {
    const LRESULT selected = SendMessageA(GetDlgItem(dialog, IDC_COUNTRY_LIST), LB_GETCURSEL, 0, 0);
    if (selected < 0 || selected >= CountryListCount) {
        MessageBeep(MB_OK);
        return;
    }
    CountryIndex = static_cast<uint8_t>(selected);
    EndDialog(dialog, selected);
}

INT_PTR CALLBACK countryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            onInitDialog(dialog, lParam);
            return TRUE;
        case WM_COMMAND:
            // Only the two buttons end the dialog; a double-click on the list
            // and every other notification are ignored.
            if (LOWORD(wParam) == IDOK)
                onSelect(dialog);
            else if (LOWORD(wParam) == IDCANCEL)
                EndDialog(dialog, Cancelled);
            return TRUE;
        default:
            return FALSE;
    }
}
}  // namespace

int chooseCountry(HWND owner, int cancelAllowed) {
    // The variant has one default row of its own: there is nothing to choose.
    if (ModelVariant == 1) return 1;
    const INT_PTR result = DialogBoxParamA(appInstance(), MAKEINTRESOURCEA(IDD_SELECT_COUNTRY), owner,
                                           countryDialogProc, cancelAllowed);
    // The dialog could not be created (result -1) counts as a cancel.
    return result < 0 ? -1 : static_cast<int>(result);
}
