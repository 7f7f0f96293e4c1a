// The program's one window: a modeless dialog from the template ROVOVUV with
// the settings tree, the overlapping setting pages and the command buttons.
// Its procedure is a dispatch table of small handlers; the work itself lives
// in the subsystems they call.
#include "ui/main_window.h"

#include <commctrl.h>

#include "printer/character_table_dialog.h"
#include "printer/select_printer_dialog.h"
#include "printer/spooler.h"
#include "resource.h"
#include "settings/country_defaults.h"
#include "settings/persistence.h"
#include "printer/send_settings.h"
#include "settings/settings_state.h"
#include "ui/control_rules.h"
#include "ui/country_dialog.h"
#include "ui/load_pages.h"
#include "ui/settings_tree.h"
#include "common/window_helpers.h"

namespace {
constexpr const char* MainWindowClass = "RovoVuv";
constexpr const char* MainWindowTemplate = "ROVOVUV";
constexpr const char* AboutBoxTemplate = "AboutBox";
// The window extra bytes of the class: exactly what the dialog manager keeps
// per dialog window (DLGWINDOWEXTRA).
constexpr int MainWindowExtraBytes = 30;
// The main window could not be made from its template.
constexpr int NoWindowExitCode = 1;

HWND mainWindow = nullptr;

// The class procedure of RovoVuv. The class is registered as a dialog class
// (its extra bytes are the dialog manager's), but the template names no
// class, so CreateDialogParamA makes an ordinary dialog window and this
// procedure never sees a message of the main window. A class procedure must
// be a window procedure, not a dialog procedure, so it hands everything to
// the dialog manager's default, which is what a window of a dialog class
// expects.
LRESULT CALLBACK mainWindowClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefDlgProcA(window, message, wParam, lParam);
}

// Nothing usable was stored: the model variant takes its own row, the
// standard model asks for the country first (without a Cancel). The index
// is reset before asking, so a dialog that ends without a choice leaves the
// first row in force.
void chooseFirstRunDefaults(HWND window) {
    CountryIndex = 0;
    if (ModelVariant != 1) chooseCountry(window, FALSE);
    currentBlock = defaultBlockFor(ModelVariant, CountryIndex);
    storeSettings();
}

BOOL onInitDialog(HWND window) {
    InitCommonControls();
    loadProductCaption();
    if (!loadStoredSettings()) chooseFirstRunDefaults(window);
    buildSettingsTree(window);
    loadPages(window);
    showPage(window, 0);
    centerWindowOnScreen(window);
    windowState.rememberedPrinterName.clear();
    // TRUE: the dialog manager gives the focus to the first control.
    return TRUE;
}

void askToExit(HWND window) {
    // Nothing is sent or stored on exit: edits since the last Send Settings
    // are dropped once the user confirms.
    if (askYesNo(window, IDS_EXIT_QUESTION)) DestroyWindow(window);
}

void restoreDefault(HWND window) {
    if (chooseCountry(window, TRUE) < 0) return;
    currentBlock = defaultBlockFor(ModelVariant, CountryIndex);
    // The page on view stays as it is: reloading shows no page anew.
    loadPages(window);
    storeSettings();
}

void showAboutBox(HWND window) {
    DialogBoxParamA(appInstance(), AboutBoxTemplate, window, aboutDialogProc, 0);
}

void onCommand(HWND window, WORD id, WORD notification) {
    switch (id) {
        case IDOK:
        case IDCANCEL:  // also the Escape key and the close box
        case IDC_EXIT:
            askToExit(window);
            break;
        case IDC_SEND_SETTINGS:
            sendSettings(window, readPageChoices);
            break;
        case IDC_RESTORE_DEFAULT:
            restoreDefault(window);
            break;
        case IDC_CHARACTER_TABLE:
            // Printing a table changes no setting: the result is not needed.
            printCharacterTableDialog(window);
            break;
        case IDC_ABOUT:
            showAboutBox(window);
            break;
        case IDC_EMULATION:
            if (notification == CBN_SELCHANGE) applyEmulationRule(window);
            break;
        case IDC_CODE_PAGE:
            if (notification == CBN_SELCHANGE) applyCodePageRule(window);
            break;
        case IDC_FONT:
            if (notification == CBN_SELCHANGE) applyFontRule(window);
            break;
        case IDC_PITCH:
            if (notification == CBN_SELCHANGE) applyPitchRule(window);
            break;
        case IDC_PAGE_LENGTH:
            if (notification == CBN_SELCHANGE) applyPageLengthRule(window);
            break;
        case IDC_FREE_LENGTH:
            if (notification == EN_UPDATE) applyPageLengthRule(window);
            break;
        case IDC_LEFT_MARGIN:
            applyLeftMarginRule(window, notification);
            break;
        case IDC_RIGHT_MARGIN:
            applyRightMarginRule(window, notification);
            break;
        case IDC_TRACTOR:
        case IDC_FRICTION:
            if (notification == EN_KILLFOCUS) clampTofEntry(window, id);
            break;
    }
}

BOOL onNotify(HWND window, const NMHDR* header) {
    // Only the tree's selection change switches the page; expanding items,
    // clicks and the rest are left alone. The answer is 0 in every case.
    if (header->idFrom == IDC_SETTINGS_TREE && header->code == TVN_SELCHANGEDA) {
        const auto* change = reinterpret_cast<const NMTREEVIEWA*>(header);
        showPage(window, static_cast<unsigned>(change->itemNew.lParam));
    }
    return FALSE;
}

BOOL onSysCommand(HWND window, WPARAM command) {
    if (command == SC_MINIMIZE) {
        ShowWindow(window, SW_MINIMIZE);
        return TRUE;
    }
    if (command == SC_RESTORE) {
        ShowWindow(window, SW_RESTORE);
        return TRUE;
    }
    return FALSE;
}

BOOL onDestroy(HWND window) {
    if (window == mainWindow) mainWindow = nullptr;
    PostQuitMessage(0);
    return FALSE;
}
}  // namespace

bool registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = 0;
    windowClass.lpfnWndProc = mainWindowClassProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = MainWindowExtraBytes;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = MainWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

int runMainWindow(HINSTANCE instance, HINSTANCE previousInstance, LPSTR, int showCommand) {
    if (!previousInstance && !registerMainWindowClass(instance)) return 0;
    setAppInstance(instance);

    mainWindow = CreateDialogParamA(instance, MainWindowTemplate, nullptr, mainDialogProc, 0);
    // Without its window the program could never be ended by the user: stop
    // at once instead of waiting in a message loop nobody can reach.
    if (!mainWindow) return NoWindowExitCode;
    ShowWindow(mainWindow, showCommand);
    UpdateWindow(mainWindow);
    preloadSpooler();

    MSG message;
    for (;;) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) break;  // WM_QUIT
        if (got == -1) return NoWindowExitCode;
        if (mainWindow && IsDialogMessageA(mainWindow, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

INT_PTR CALLBACK mainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return onInitDialog(window);
        case WM_COMMAND:
            // The window's commands need nothing of the default handling.
            onCommand(window, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_NOTIFY:
            return onNotify(window, reinterpret_cast<const NMHDR*>(lParam));
        case WM_SYSCOMMAND:
            return onSysCommand(window, wParam);
        case WM_DESTROY:
            return onDestroy(window);
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK aboutDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    // Only a command whose whole first parameter is 1 or 2 closes the box:
    // the OK button, or the dialog manager's OK and Cancel.
    if (message == WM_COMMAND && (wParam == IDOK || wParam == IDCANCEL)) {
        EndDialog(window, 1);
        return TRUE;
    }
    return FALSE;
}
