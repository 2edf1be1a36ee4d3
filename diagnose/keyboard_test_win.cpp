// The keyboard test (dialog 12300): a key cap for each key, hidden as the key is seen. Keys that
// Windows tells apart only by the extended-key bit come from key-down messages, the rest from polling
// their state every 50 ms. The dialog closes itself when no key cap is left.
#include <windows.h>
#include <windowsx.h>

#include "diagnose/keyboard_test.h"
#include "diagnose/reports_win.h"
#include "platform/utilities_win.h"
#include "resources/resource_ids.h"

namespace {

constexpr UINT_PTR kPollTimer = 111;
constexpr UINT kPollMs = 50;

HWND g_keyboardTest;

void HideCap(HWND dialog, int capId) {
    ShowWindow(GetDlgItem(dialog, capId), SW_HIDE);
}

void KeyboardTest_OnInitDialog(HWND dialog) {
    for (const KeyCapPair &pair : kKeyCapTable) {
        EnableWindow(GetDlgItem(dialog, pair.capId), FALSE);
        // Reading the state once forgets presses made before the test.
        if (PolledKey(pair.code))
            GetAsyncKeyState(pair.code);
    }
    SetTimer(dialog, kPollTimer, kPollMs, nullptr);
    CenterWindowOver(dialog, GetWindow(dialog, GW_OWNER));
    SetFocus(dialog);
}

void KeyboardTest_OnKeyDown(HWND dialog, WPARAM virtualKey, LPARAM flags) {
    bool extended = (flags & (1 << 24)) != 0;
    for (const KeyCapPair &pair : kKeyCapTable)
        if (KeyDownClears(pair.code, static_cast<unsigned>(virtualKey), extended))
            HideCap(dialog, pair.capId);
}

void KeyboardTest_Close(HWND dialog) {
    KillTimer(dialog, kPollTimer);
    DestroyWindow(dialog);
}

void KeyboardTest_OnTimer(HWND dialog) {
    int visible = 0;
    for (const KeyCapPair &pair : kKeyCapTable) {
        if (PolledKey(pair.code) && GetAsyncKeyState(pair.code) != 0)
            HideCap(dialog, pair.capId);
    }
    for (const KeyCapPair &pair : kKeyCapTable)
        visible += IsWindowVisible(GetDlgItem(dialog, pair.capId)) ? 1 : 0;
    if (visible == 0)
        KeyboardTest_Close(dialog);
}

INT_PTR CALLBACK KeyboardTestProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            KeyboardTest_OnInitDialog(dialog);
            return FALSE; // the focus is set: on the dialog itself, so that it gets the keys
        case WM_GETDLGCODE:
            // Every key is the test's, Enter and Escape included.
            return SetDlgMsgResult(dialog, WM_GETDLGCODE, DLGC_WANTALLKEYS);
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            KeyboardTest_OnKeyDown(dialog, wParam, lParam);
            return TRUE;
        case WM_SYSKEYUP:
        case WM_SYSCHAR:
            return TRUE; // no menu: Alt and F10 are keys under test here
        case WM_TIMER:
            if (wParam == kPollTimer)
                KeyboardTest_OnTimer(dialog);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
                KeyboardTest_Close(dialog);
            return TRUE;
        case WM_DESTROY:
            g_keyboardTest = nullptr;
            return FALSE;
    }
    return FALSE;
}

} // namespace

HWND ShowKeyboardTest(HWND owner) {
    if (g_keyboardTest) {
        SetForegroundWindow(g_keyboardTest);
        return g_keyboardTest;
    }
    g_keyboardTest = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_KEYBOARD_TEST), owner,
                                        KeyboardTestProc, 0);
    if (g_keyboardTest)
        ShowWindow(g_keyboardTest, SW_SHOW);
    return g_keyboardTest;
}
