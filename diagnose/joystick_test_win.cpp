// The joystick test (modal dialog 12600): five exercises chosen from check boxes, each explained in
// the text; movement and button messages of joystick 1 clear the flags. Closing while a button is
// still held leaves the stuck button test failed.
#include <windows.h>
#include <mmsystem.h>

#include "diagnose/reports_win.h"
#include "platform/utilities_win.h"
#include "resources/resource_ids.h"

namespace {

struct JoystickTestState {
    JoystickFlags *flags;
    int buttonsDown;
};

JoystickTestDriver g_joystickDriver;

const COLORREF kLightGrey = RGB(192, 192, 192);

void JoystickTest_OnInitDialog(HWND dialog, JoystickTestState *state) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    for (uint32_t &flag : state->flags->flag)
        flag = 1;
    state->buttonsDown = 0;
    joyReleaseCapture(JOYSTICKID1);
    joySetCapture(dialog, JOYSTICKID1, 1, TRUE);
    joySetThreshold(JOYSTICKID1, 1);
    SetDlgItemTextA(
        dialog, IDC_JOYSTICK_TEXT,
        "Select each test from the list below. Proceed to the next test when you complete each test.");
    CenterWindowOver(dialog, GetWindow(dialog, GW_OWNER));
    if (g_joystickDriver)
        g_joystickDriver(dialog);
}

void JoystickTest_OnChoice(HWND dialog, int id) {
    const char *text = nullptr;
    switch (id) {
        case IDC_JOYSTICK_RANGE:
            text = "Move the joystick as far as possible to the right, left, top, and bottom. Proceed to the "
                   "next "
                   "test when done.";
            break;
        case IDC_JOYSTICK_TRACKING:
            text = "Move the joystick in circles. Proceed to the next test when done.";
            break;
        case IDC_JOYSTICK_SKIPPING:
            text = "Move the joystick rapidly left, then right, then up, then down. Repeat several times. "
                   "Proceed to "
                   "the next test when done.";
            break;
        case IDC_JOYSTICK_RELEASE:
            text = "Rapidly press and release each joystick button several times. Proceed to the next test "
                   "when done.";
            break;
        case IDC_JOYSTICK_PRESS:
            text = "Hold each joystick button down for several seconds, then release the button. Proceed to "
                   "the next "
                   "test when done.";
            break;
    }
    if (text)
        SetDlgItemTextA(dialog, IDC_JOYSTICK_TEXT, text);
}

void JoystickTest_OnClose(HWND dialog, JoystickTestState *state) {
    joyReleaseCapture(JOYSTICKID1);
    if (state->buttonsDown == 0)
        state->flags->flag[kJoystickStuckButton] = 0;
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK JoystickTestProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *state = reinterpret_cast<JoystickTestState *>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            JoystickTest_OnInitDialog(dialog, reinterpret_cast<JoystickTestState *>(lParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
            SetBkColor(reinterpret_cast<HDC>(wParam), kLightGrey);
            return reinterpret_cast<INT_PTR>(GetStockObject(LTGRAY_BRUSH));
        case MM_JOY1MOVE:
            if (state)
                state->flags->flag[kJoystickRange] = state->flags->flag[kJoystickSkipping] =
                    state->flags->flag[5] = 0;
            return TRUE;
        case MM_JOY1BUTTONDOWN:
            if (state) {
                ++state->buttonsDown;
                state->flags->flag[kJoystickPress] = 0;
            }
            return TRUE;
        case MM_JOY1BUTTONUP:
            if (state) {
                --state->buttonsDown;
                state->flags->flag[kJoystickRelease] = 0;
            }
            return TRUE;
        case WM_COMMAND:
            if ((LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) && state)
                JoystickTest_OnClose(dialog, state);
            else
                JoystickTest_OnChoice(dialog, LOWORD(wParam));
            return TRUE;
    }
    return FALSE;
}

} // namespace

void SetJoystickTestDriver(JoystickTestDriver driver) {
    g_joystickDriver = driver;
}

TestOutcome RunJoystickTest(HWND owner, JoystickFlags &flags) {
    JoystickTestState state = {&flags, 0};
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_JOYSTICK_TEST), owner,
                                     JoystickTestProc, reinterpret_cast<LPARAM>(&state));
    return result == IDOK ? kTestPassed : kTestNotRun;
}
