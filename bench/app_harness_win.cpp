#include "bench/app_harness_win.h"

#include <commctrl.h>

#include "app/frame_win.h"
#include "inventory/inventory_win.h"
#include "monitor/usage_win.h"
#include "platform/globals_win.h"

bool StartFrameInProcess() {
    static const char kClass[] = "QUORVEX_BENCH";
    g_app.instance = GetModuleHandleA(nullptr);
    g_app.headless = true; // nothing waits for a click
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    g_app.newDataMessage = RegisterWindowMessageA("NEWDATAREADY");
    g_app.monitorActiveMessage = RegisterWindowMessageA("MONITORACTIVE");
    if (!RegisterMainClass(kClass) || !CreateMainWindow(kClass, WS_OVERLAPPEDWINDOW))
        return false;
    InitializeStage();
    InitializeHistoryLock();
    LoadHistory();
    RunDeviceWalk(g_app.main);
    RunMeasurements(g_app.main);
    InitializeCriticalSection(&g_app.printerLock);
    return true;
}

void RunToolAndPaint(int toolId) {
    RunFamilyTool(g_app.main, toolId);
    RedrawWindow(g_app.main, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
