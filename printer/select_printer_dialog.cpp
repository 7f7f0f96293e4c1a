#include "printer/select_printer_dialog.h"

#include <vector>

#include "printer/model_printers.h"
#include "resource.h"
#include "settings/settings_state.h"
#include "common/window_helpers.h"

namespace {
// The entry's whole text, however long: LB_GETTEXT writes as many characters
// as LB_GETTEXTLEN announced plus the terminator, so the buffer is sized from
// that and the copied length is checked against it.
bool listEntryText(HWND list, int index, std::string* text) {
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return false;  // LB_ERR
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    if (copied < 0 || copied > length) return false;
    text->assign(buffer.data(), static_cast<size_t>(copied));
    return true;
}

// Puts the model's queues into the list in spooler order and selects the
// remembered one when it is listed, otherwise the first.
void fillPrinterList(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_PRINTER_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    std::vector<PrinterRecord> matches;
    bool appended = false;
    if (enumerateModelPrinters(&matches)) {
        for (const auto& match : matches) {
            const LRESULT index =
                SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(match.printerName.c_str()));
            if (index < 0) continue;  // LB_ERR or LB_ERRSPACE
            const bool first = !appended;
            appended = true;
            if (first || lstrcmpiA(match.printerName.c_str(), windowState.rememberedPrinterName.c_str()) == 0) {
                SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
                SetDlgItemTextA(dialog, IDC_PRINTER_PORT, match.portName.c_str());
            }
        }
    }
    if (!appended) SetDlgItemTextA(dialog, IDC_PRINTER_PORT, "");
    EnableWindow(GetDlgItem(dialog, IDOK), appended ? TRUE : FALSE);
}

// Shows the port of the queue the user highlighted, as the spooler reports it now.
void showSelectedPort(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_PRINTER_LIST);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    std::string name;
    if (selected < 0 || !listEntryText(list, static_cast<int>(selected), &name)) return;
    std::vector<PrinterRecord> records;
    if (!enumeratePrinterRecords(&records)) return;
    for (const auto& record : records)
        if (lstrcmpiA(record.printerName.c_str(), name.c_str()) == 0)
            SetDlgItemTextA(dialog, IDC_PRINTER_PORT, record.portName.c_str());
}

void confirmSelection(HWND dialog, std::string* confirmedName) {
    HWND list = GetDlgItem(dialog, IDC_PRINTER_LIST);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    std::string name;
    if (selected < 0 || !listEntryText(list, static_cast<int>(selected), &name)) {
        EndDialog(dialog, -1);
        return;
    }
    windowState.rememberedPrinterName = name;
    *confirmedName = name;
    EndDialog(dialog, selected);
}

BOOL onInitDialog(HWND dialog, LPARAM param) {
    SetWindowLongPtrA(dialog, DWLP_USER, param);
    centerWindowOnScreen(dialog);
    fillPrinterList(dialog);
    return TRUE;
}

void onCommand(HWND dialog, WPARAM wParam) {
    auto* confirmedName = reinterpret_cast<std::string*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (LOWORD(wParam)) {
        case IDOK:
            confirmSelection(dialog, confirmedName);
            break;
        case IDCANCEL:
            EndDialog(dialog, -1);
            break;
        case IDC_PRINTER_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE) showSelectedPort(dialog);
            break;
    }
}

INT_PTR CALLBACK selectPrinterProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return onInitDialog(dialog, lParam);
        case WM_WININICHANGE:
            // Printers were added, removed or changed: list what is there now.
            fillPrinterList(dialog);
            return TRUE;
        case WM_COMMAND:
            // A dialog's commands need nothing of the default handling.
            onCommand(dialog, wParam);
            return TRUE;
        default:
            return FALSE;
    }
}
}  // namespace

int selectPrinterDialog(HWND owner, std::string* confirmedName) {
    confirmedName->clear();
    const INT_PTR result = DialogBoxParamA(appInstance(), MAKEINTRESOURCEA(IDD_SELECT_PRINTER), owner,
                                           selectPrinterProc, reinterpret_cast<LPARAM>(confirmedName));
    // A dialog that could not be shown confirmed nothing.
    if (result < 0 || confirmedName->empty()) return -1;
    return static_cast<int>(result);
}
