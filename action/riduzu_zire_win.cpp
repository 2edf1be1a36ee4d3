// Riduzu Zire: every top-level window of every program, with its state shown as pairs of buttons that
// change it. Each use opens another window; the state of one is its controls.
#include <windows.h>

#include <cstdint>
#include <cstring>

#include "action/window_actions_win.h"
#include "action/window_rules.h"
#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "resources/resource_ids.h"

namespace {

// The controls that act on the selected window: the caption and the six pairs of buttons.
const int kStateControls[] = {IDC_WINDOW_CAPTION, IDC_VISIBLE_SHOW, IDC_VISIBLE_HIDE, IDC_SIZE_ICON,
                              IDC_SIZE_WINDOW,    IDC_ACTIVE,       IDC_INACTIVE,     IDC_ENABLED,
                              IDC_DISABLED,       IDC_ON_TOP,       IDC_OFF_TOP,      IDC_POPUPS_SHOW,
                              IDC_POPUPS_HIDE};

// A selection flashes the window's caption this long.
constexpr DWORD kFlashMilliseconds = 500;

BOOL CALLBACK AddWindowLine(HWND window, LPARAM param) {
    char caption[256];
    CleanCaption(window, caption, sizeof caption);
    char line[300];
    FormatItemLine(caption[0] ? caption : "No Caption", reinterpret_cast<uintptr_t>(window), line,
                   sizeof line);
    SendMessageA(reinterpret_cast<HWND>(param), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    return TRUE;
}

void FillWindowList(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_WINDOW_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    EnumWindows(AddWindowLine, reinterpret_cast<LPARAM>(list));
}

// The window of the selected line, if it still exists.
HWND SelectedWindow(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_WINDOW_LIST);
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR || SendMessageA(list, LB_GETTEXTLEN, index, 0) >= 300)
        return nullptr;
    char line[300];
    SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(line));
    uint64_t number = 0;
    if (!ItemLineNumber(line, &number))
        return nullptr;
    HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(number));
    return IsWindow(window) ? window : nullptr;
}

void SelectPair(HWND dialog, int first, bool firstChosen) {
    CheckRadioButton(dialog, first, first + 1, firstChosen ? first : first + 1);
}

void FlashCaption(HWND window) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < kFlashMilliseconds) {
        FlashWindow(window, TRUE);
        Sleep(100);
    }
    FlashWindow(window, FALSE);
}

void RiduzuZire_OnLineSelected(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_WINDOW_LIST);
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    char line[300] = "";
    if (index != LB_ERR && SendMessageA(list, LB_GETTEXTLEN, index, 0) < static_cast<LRESULT>(sizeof line))
        SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(line));
    if (char *tab = strchr(line, '\t'))
        *tab = '\0';
    SetDlgItemTextA(dialog, IDC_WINDOW_CAPTION, line);
    HWND window = SelectedWindow(dialog);
    for (int id : kStateControls)
        EnableWindow(GetDlgItem(dialog, id), window != nullptr);
    if (!window)
        return;
    if (IsWindowVisible(window))
        FlashCaption(window);
    SelectPair(dialog, IDC_SIZE_ICON, IsIconic(window));
    SelectPair(dialog, IDC_VISIBLE_SHOW, IsWindowVisible(window));
    SelectPair(dialog, IDC_ACTIVE, GetActiveWindow() == window || GetForegroundWindow() == window);
    SelectPair(dialog, IDC_ENABLED, IsWindowEnabled(window));
    SelectPair(dialog, IDC_ON_TOP, (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    SelectPair(dialog, IDC_POPUPS_SHOW, true);
}

bool Confirmed(HWND dialog, const char *text, const char *caption) {
    return ShowMessage(dialog, text, caption, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

// Carries out the action of a state button on the selected window; whether it was done.
bool RiduzuZire_Act(HWND dialog, HWND window, int id) {
    switch (id) {
        case IDC_VISIBLE_SHOW:
            if (!Confirmed(
                    dialog,
                    "Depending on the program, showing some hidden windows can cause your system to act "
                    "erratically or lock up. Continue anyway?",
                    "Show"))
                return false;
            ShowWindow(window, SW_SHOW);
            return true;
        case IDC_VISIBLE_HIDE:
            ShowWindow(window, SW_HIDE);
            return true;
        case IDC_SIZE_ICON:
            ShowWindow(window, SW_MINIMIZE);
            return true;
        case IDC_SIZE_WINDOW:
            ShowWindow(window, SW_RESTORE);
            return true;
        case IDC_ACTIVE:
            SelectPair(dialog, IDC_ACTIVE, true);
            BringWindowToTop(window);
            SetForegroundWindow(window);
            return true;
        case IDC_INACTIVE:
            SetActiveWindow(dialog);
            return true;
        case IDC_ENABLED:
            EnableWindow(window, TRUE);
            return true;
        case IDC_DISABLED:
            if (!Confirmed(dialog,
                           "Disabling critical windows can cause your system to act erratically or lock up. "
                           "Continue anyway?",
                           "Disable"))
                return false;
            EnableWindow(window, FALSE);
            return true;
        case IDC_ON_TOP:
        case IDC_OFF_TOP:
            SetWindowPos(window, id == IDC_ON_TOP ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return true;
        case IDC_POPUPS_SHOW:
        case IDC_POPUPS_HIDE:
            ShowOwnedPopups(window, id == IDC_POPUPS_SHOW);
            return true;
        default:
            return false;
    }
}

void RiduzuZire_OnStateButton(HWND dialog, int id) {
    HWND window = SelectedWindow(dialog);
    if (!window || !RiduzuZire_Act(dialog, window, id))
        return;
    // The pairs start at multiples of five: 12205/12206, 12210/12211, ...
    int first = id - id % 5;
    CheckRadioButton(dialog, first, first + 1, id);
}

void RiduzuZire_OnCaptionDone(HWND dialog) {
    HWND window = SelectedWindow(dialog);
    if (!window)
        return;
    char caption[256];
    GetDlgItemTextA(dialog, IDC_WINDOW_CAPTION, caption, sizeof caption);
    SetWindowTextA(window, caption);
}

void RiduzuZire_OnInit(HWND dialog) {
    FillWindowList(dialog);
    INT tabStop = 5000;
    SendDlgItemMessageA(dialog, IDC_WINDOW_LIST, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    SendDlgItemMessageA(dialog, IDC_WINDOW_LIST, LB_SETCURSEL, 0, 0);
    RiduzuZire_OnLineSelected(dialog);
    CenterWindowOver(dialog, g_app.mainScreen);
}

void RiduzuZire_OnCommand(HWND dialog, int id, int code) {
    switch (id) {
        case IDOK:
        case IDCANCEL:
            DestroyWindow(dialog);
            break;
        case IDC_WINDOW_LIST:
            if (code == LBN_SELCHANGE || code == LBN_DBLCLK)
                RiduzuZire_OnLineSelected(dialog);
            break;
        case IDC_WINDOW_CAPTION:
            if (code == EN_KILLFOCUS)
                RiduzuZire_OnCaptionDone(dialog);
            break;
        default:
            if (code == BN_CLICKED && id >= IDC_VISIBLE_SHOW && id <= IDC_POPUPS_HIDE)
                RiduzuZire_OnStateButton(dialog, id);
            break;
    }
}

INT_PTR CALLBACK RiduzuZireProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            RiduzuZire_OnInit(dialog);
            return TRUE;
        case WM_COMMAND:
            RiduzuZire_OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_RBUTTONDOWN:
            FillWindowList(dialog);
            return TRUE;
        default:
            return FALSE;
    }
}

} // namespace

HWND OpenRiduzuZire(HWND) {
    if (g_app.headless)
        return nullptr; // a headless run shows no windows
    return CreateDialogParamA(g_app.instance, MAKEINTRESOURCEA(IDD_RIDUZU_ZIRE), g_app.main, RiduzuZireProc,
                              0);
}

void RunRiduzuZire(HWND mainScreen) {
    OpenRiduzuZire(mainScreen);
}
