// The window chain check over the live window list: the facts of every top-level window, then the
// report with the failing windows named by caption (or their root owner's, or their program's).
#include <windows.h>
#include <tlhelp32.h>

#include "check/check_win.h"
#include "check/window_chain.h"
#include "platform/globals_win.h"
#include "platform/utilities.h"
#include "platform/utilities_win.h"
#include "report/main_screen_win.h"

namespace {

WindowChainFacts FactsOf(HWND window) {
    WindowChainFacts facts = {};
    char text[257] = {};
    GetWindowTextA(window, text, 256);
    facts.hasText = text[0] != 0;
    facts.style = static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE));
    facts.visible = IsWindowVisible(window) != FALSE;
    DWORD processId = 0;
    facts.threadId = GetWindowThreadProcessId(window, &processId);
    facts.processId = processId;
    facts.zoomed = IsZoomed(window) != FALSE;
    facts.iconic = IsIconic(window) != FALSE;
    facts.focus = GetFocus() == window;
    RECT outer = {};
    GetWindowRect(window, &outer);
    facts.window = {outer.left, outer.top, outer.right, outer.bottom};
    RECT client = {};
    GetClientRect(window, &client);
    POINT corner = {client.right, client.bottom};
    ClientToScreen(window, &corner);
    facts.clientCorner = {corner.x, corner.y};
    facts.maxTrackWidth = GetSystemMetrics(SM_CXMAXTRACK);
    facts.maxTrackHeight = GetSystemMetrics(SM_CYMAXTRACK);
    facts.captionHeight = GetSystemMetrics(SM_CYCAPTION);
    return facts;
}

BOOL CALLBACK CheckOneWindow(HWND window, LPARAM data) {
    WindowChainRun &run = *reinterpret_cast<WindowChainRun *>(data);
    if (IsWindow(window))
        CountWindow(run, reinterpret_cast<uintptr_t>(window), WindowChainFailures(FactsOf(window)));
    return TRUE;
}

void DescribeWindow(void *, uintptr_t handle, char *name, size_t nameSize, char *path, size_t pathSize) {
    HWND window = reinterpret_cast<HWND>(handle);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    MODULEENTRY32 module = {};
    FindMainModule(processId, &module);
    module.szModule[sizeof module.szModule - 1] = 0;
    module.szExePath[sizeof module.szExePath - 1] = 0;
    char caption[256] = {};
    CleanCaption(window, caption, sizeof caption);
    if (!caption[0])
        CleanCaption(TopLevelWindow(window), caption, sizeof caption);
    CopyOutsideText(caption[0] ? caption : module.szModule, name, nameSize);
    CopyOutsideText(module.szExePath, path, pathSize);
}

} // namespace

void CheckWindowChain(HWND) {
    WindowChainRun run;
    BeginWindowChain(run);
    EnumWindows(CheckOneWindow, reinterpret_cast<LPARAM>(&run));
    BeginReport(*g_report);
    WriteWindowChainReport(*g_report, run, WindowLookup{nullptr, DescribeWindow});
    ShowReport();
}
