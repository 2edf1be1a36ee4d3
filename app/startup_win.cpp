// Start-up: the single-instance test, the main window, the five stages and the message loop.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "app/command_line.h"
#include "app/frame_win.h"
#include "platform/globals_win.h"
#include "platform/toolhelp_win.h"
#include "inventory/equipment.h"
#include "inventory/inventory_win.h"
#include "monitor/performance.h"
#include "monitor/sampler_win.h"
#include "monitor/usage_win.h"
#include "report/main_screen_win.h"
#include "report/screens_win.h"
#include "report/startup_pictures_win.h"
#include "platform/utilities.h"
#include "platform/utilities_win.h"

void InitializeStage() {
    CreateDrawingObjects();
    HWND fontUsers[] = {g_app.helpScreen, g_app.mainTitle, g_app.helpTitle};
    for (HWND w : fontUsers)
        if (w)
            SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(g_draw.normalFont), FALSE);
    BindToolHelp();
    g_history = static_cast<PerformanceHistory *>(AllocZeroed(GPTR, sizeof(PerformanceHistory)));
    g_sample = static_cast<PerformanceSample *>(AllocZeroed(GPTR, sizeof(PerformanceSample)));
    g_equipment = static_cast<EquipmentRecord *>(AllocZeroed(GPTR, sizeof(EquipmentRecord)));
    g_report = static_cast<ReportBuffer *>(AllocZeroed(GPTR, sizeof(ReportBuffer)));
}

namespace {

void AnnounceStage(const char *name) {
    DebugTrace(kTraceText, "Main...", name);
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Tab, Escape and the close box reach the modeless Action windows through the dialog manager.
        HWND active = GetActiveWindow();
        char className[16] = "";
        if (active && GetClassNameA(active, className, sizeof className) &&
            strcmp(className, "#32770") == 0 && IsDialogMessageA(active, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

} // namespace

int StartApplication() {
    // One copy per desktop: a second start raises the first and leaves.
    if (HWND running = FindWindowA(kMainClass, nullptr)) {
        ShowWindow(running, SW_SHOWNORMAL);
        SetForegroundWindow(running);
        BringWindowToTop(running);
        ExitProcess(0);
    }
    if (!RegisterMainClass(kMainClass))
        ExitProcess(1);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    g_app.newDataMessage = RegisterWindowMessageA("NEWDATAREADY");
    g_app.monitorActiveMessage = RegisterWindowMessageA("MONITORACTIVE");
    if (!CreateMainWindow(kMainClass, WS_OVERLAPPEDWINDOW | WS_VISIBLE))
        ExitProcess(1);
    ShowLogo();

    AnnounceStage("Initialize");
    InitializeStage();

    AnnounceStage("Read Databases");
    InitializeHistoryLock();
    LoadHistory();

    AnnounceStage("Start Performance Data");
    StartPerformanceStatistics();
    Sleep(3000);
    HideLogo();

    AnnounceStage("Get All Equipment");
    OpenPyramid();
    RunDeviceWalk(g_app.main);
    RunMeasurements(g_app.main);
    ClosePyramid();

    AnnounceStage("Create Thread");
    InstallUsageHook();
    ShowAbout();
    InitializeCriticalSection(&g_app.printerLock);
    StartDataThread();

    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    return RunMessageLoop();
}
