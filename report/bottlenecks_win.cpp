// The Bottlenecks window: ten progress bars, one per load band. Each use opens another window; its
// state is its controls.
#include "report/bottlenecks_win.h"

#include <commctrl.h>

#include <cstring>

#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "report/usage_pattern.h"
#include "report/window_echo.h"
#include "resources/resource_ids.h"

namespace {

void Bottlenecks_OnInit(HWND dialog, const int *shares) {
    char title[300] = "";
    if (g_app.mainTitle)
        GetWindowTextA(g_app.mainTitle, title, 256);
    strcat(title, " Bottlenecks");
    SetWindowTextA(dialog, title);
    for (int i = 0; i < kLoadBands; ++i)
        SendDlgItemMessageA(dialog, IDC_BAND_FIRST + i, PBM_SETPOS, shares[i], 0);
    CenterWindowOver(dialog, g_app.main);
}

INT_PTR CALLBACK BottlenecksProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            Bottlenecks_OnInit(dialog, reinterpret_cast<const int *>(lParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return GreyStaticColour(reinterpret_cast<HDC>(wParam));
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
                DestroyWindow(dialog);
            return TRUE;
        default:
            return FALSE;
    }
}

} // namespace

void RegisterProgressBars() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
}

INT_PTR GreyStaticColour(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(192, 192, 192));
    return reinterpret_cast<INT_PTR>(GetStockObject(LTGRAY_BRUSH));
}

HWND OpenBottlenecksWindow(const uint32_t histogram[kUsageSlots]) {
    int shares[kLoadBands];
    LoadBandShares(histogram, shares);
    if (g_app.headless) {
        EchoWindowLine("Bottlenecks");
        for (int i = 0; i < kLoadBands; ++i)
            EchoWindowLine("%s\t%d", kLoadBandLabel[i], shares[i]);
        return nullptr;
    }
    RegisterProgressBars();
    return CreateDialogParamA(g_app.instance, MAKEINTRESOURCEA(IDD_BOTTLENECKS), g_app.main, BottlenecksProc,
                              reinterpret_cast<LPARAM>(shares));
}
