// The data thread: owns the hidden QXDynamic window, the Analyzing box whose timer ticks the sampler
// once a second, and every monitor window.
#include <windows.h>

#include "app/frame_win.h"
#include "platform/globals_win.h"
#include "monitor/sampler_win.h"
#include "platform/utilities_win.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kAnalyzingDialog = 11000;
constexpr int kAnalyzingIcon = 11001;
constexpr UINT_PTR kSamplerTimer = 9;
constexpr int kBusyIcon = 1840; // and 1841, alternating

HANDLE g_dataReady;
int g_busyFrame;

void AnalyzingBox_OnTimer(HWND box) {
    if (!SamplerHeld())
        SamplerTick();
    if (IsWindowVisible(box)) {
        g_busyFrame ^= 1;
        HICON icon = LoadIconA(g_app.instance, MAKEINTRESOURCEA(kBusyIcon + g_busyFrame));
        if (icon)
            SendDlgItemMessageA(box, kAnalyzingIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
}

INT_PTR CALLBACK AnalyzingBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            SetTimer(box, kSamplerTimer, 1000, nullptr);
            return TRUE;
        case WM_TIMER:
            if (wParam == kSamplerTimer)
                AnalyzingBox_OnTimer(box);
            return TRUE;
        case WM_DESTROY:
            KillTimer(box, kSamplerTimer);
            return TRUE;
        default:
            return FALSE;
    }
}

LRESULT CALLBACK DataWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_app.monitorActiveMessage && message != 0) {
        // Monitor tools run here, so their windows belong to this thread.
        RunFamilyTool(hwnd, LOWORD(wParam));
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            g_app.analyzingBox = CreateDialogParamA(g_app.instance, MAKEINTRESOURCEA(kAnalyzingDialog), hwnd,
                                                    AnalyzingBoxProc, 0);
            if (g_app.analyzingBox)
                ShowWindow(g_app.analyzingBox, SW_HIDE);
            return 0;
        case WM_DESTROY:
            if (g_app.analyzingBox)
                DestroyWindow(g_app.analyzingBox);
            g_app.analyzingBox = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

DWORD WINAPI DataThreadMain(LPVOID) {
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = DataWndProc;
    wc.hInstance = g_app.instance;
    wc.hIcon = LoadIconA(g_app.instance, MAKEINTRESOURCEA(IDI_APP));
    wc.lpszClassName = "QXDynamic";
    if (!RegisterClassA(&wc))
        ExitProcess(1);
    g_app.dataWindow = CreateWindowExA(0, "QXDynamic", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                       nullptr, g_app.instance, nullptr);
    SetEvent(g_dataReady);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Escape and the close box reach the monitor dialogs through the dialog manager.
        HWND active = GetActiveWindow();
        if (active && IsDialogMessageA(active, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

} // namespace

bool StartDataThread() {
    g_dataReady = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD id = 0;
    g_app.dataThread = CreateThread(nullptr, 0, DataThreadMain, nullptr, 0, &id);
    if (!g_app.dataThread)
        return false;
    // Monitor commands go to the data window: wait until it exists.
    WaitForSingleObject(g_dataReady, 10000);
    CloseHandle(g_dataReady);
    g_dataReady = nullptr;
    return g_app.dataWindow != nullptr;
}

void StopDataThread() {
    if (!g_app.dataThread)
        return;
    if (g_app.dataWindow)
        PostMessageA(g_app.dataWindow, WM_CLOSE, 0, 0);
    // A tick may be asking one of this thread's windows for its caption: keep answering sent
    // messages while waiting, and give up after a few seconds rather than hang the exit.
    DWORD start = GetTickCount();
    for (;;) {
        DWORD waited = GetTickCount() - start;
        if (waited >= 5000)
            break;
        DWORD result = MsgWaitForMultipleObjects(1, &g_app.dataThread, FALSE, 5000 - waited, QS_SENDMESSAGE);
        if (result != WAIT_OBJECT_0 + 1)
            break;
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(g_app.dataThread);
    g_app.dataThread = nullptr;
    g_app.dataWindow = nullptr;
}

// The busy window for long tools: its icon keeps turning because the timer runs on the data thread
// while the main thread works. It takes no input, so it never takes the activation or the focus away
// from the window the tool is looking at (the Window List reports which window has the focus).
