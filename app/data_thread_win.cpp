// The data thread: owns the hidden QXDynamic window and every monitor window.
#include <windows.h>

#include "app/frame.h"
#include "app/globals.h"
#include "resources/resource_ids.h"

namespace {

HANDLE g_dataReady;

LRESULT CALLBACK DataWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_app.monitorActiveMessage && message != 0) {
        // Monitor tools run here, so their windows belong to this thread.
        RunFamilyTool(hwnd, LOWORD(wParam));
        return 0;
    }
    switch (message) {
        case WM_DESTROY:
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

// The Analyzing box is the data thread's busy window for long tools; it appears with the sampler.
void ShowAnalyzingBox() {}
void HideAnalyzingBox() {}
