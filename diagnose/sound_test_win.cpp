// The sound test (dialog 12500): noise on the right channel, the left channel or both, looping until
// another button, OK or Cancel. The noise files lie beside the program; a missing one plays nothing.
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>

#include "diagnose/reports_win.h"
#include "platform/utilities_win.h"
#include "resources/resource_ids.h"

namespace {

HWND g_soundTest;

void SoundTest_Play(int button) {
    const char *file = button == IDC_SOUND_RIGHT  ? "r_noise.wav"
                       : button == IDC_SOUND_LEFT ? "l_noise.wav"
                                                  : "b_noise.wav";
    char directory[MAX_PATH] = "";
    ProgramDirectory(nullptr, directory, sizeof directory);
    char path[MAX_PATH + 16];
    snprintf(path, sizeof path, "%s\\%s", directory, file);
    PlaySoundA(path, nullptr, SND_ASYNC | SND_LOOP | SND_FILENAME | SND_NODEFAULT);
}

void SoundTest_Close(HWND dialog) {
    PlaySoundA(nullptr, nullptr, 0);
    DestroyWindow(dialog);
}

INT_PTR CALLBACK SoundTestProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            CenterWindowOver(dialog, GetWindow(dialog, GW_OWNER));
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_SOUND_RIGHT:
                case IDC_SOUND_LEFT:
                case IDC_SOUND_STEREO:
                    SoundTest_Play(LOWORD(wParam));
                    return TRUE;
                case IDOK:
                case IDCANCEL:
                    SoundTest_Close(dialog);
                    return TRUE;
            }
            return FALSE;
        case WM_DESTROY:
            g_soundTest = nullptr;
            return FALSE;
    }
    return FALSE;
}

} // namespace

HWND ShowSoundTest(HWND owner) {
    if (g_soundTest) {
        SetForegroundWindow(g_soundTest);
        return g_soundTest;
    }
    g_soundTest = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SOUND_TEST), owner,
                                     SoundTestProc, 0);
    if (g_soundTest)
        ShowWindow(g_soundTest, SW_SHOW);
    return g_soundTest;
}
