// The Bottle tools: the Overall Bottlenecks and Wait Time windows, and the histogram tools that open
// the Bottlenecks window and write the usage pattern's interpretation. Each use opens another window;
// its state is its controls.
#include "advice/bottle_win.h"

#include <commctrl.h>

#include <cstdio>

#include "advice/bottle.h"
#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "report/bottlenecks_win.h"
#include "report/main_screen_win.h"
#include "report/window_echo.h"
#include "resources/resource_ids.h"

namespace {

// The controls of each component, in the order of kComponentName.
const int kOverallBar[kComponents] = {IDC_OVERALL_CPU,          IDC_OVERALL_DISK,    IDC_OVERALL_MEMORY,
                                      IDC_OVERALL_MODEM,        IDC_OVERALL_PRINTER, IDC_OVERALL_VIDEO_CARD,
                                      IDC_OVERALL_VIDEO_MONITOR};
const int kWaitBar[kComponents] = {IDC_WAIT_BAR_CPU,          IDC_WAIT_BAR_DISK,    IDC_WAIT_BAR_MEMORY,
                                   IDC_WAIT_BAR_MODEM,        IDC_WAIT_BAR_PRINTER, IDC_WAIT_BAR_VIDEO_CARD,
                                   IDC_WAIT_BAR_VIDEO_MONITOR};
const int kWaitLabel[kComponents] = {IDC_WAIT_CPU,          IDC_WAIT_DISK,    IDC_WAIT_MEMORY,
                                     IDC_WAIT_MODEM,        IDC_WAIT_PRINTER, IDC_WAIT_VIDEO_CARD,
                                     IDC_WAIT_VIDEO_MONITOR};

constexpr char kWaitingCaption[] = "Total time waiting on the PC";
constexpr char kPercentCaption[] = "Percent of time waiting on the PC";
constexpr char kUsingCaption[] = "Total time using the PC";

// The history as it stands now (the sampler may add to it meanwhile).
PerformanceHistory CurrentHistory() {
    PerformanceHistory history = {};
    if (g_history)
        history = *g_history;
    return history;
}

INT_PTR CloseOnCommand(HWND dialog, WPARAM wParam) {
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
        DestroyWindow(dialog);
    return TRUE;
}

void Overall_OnInit(HWND dialog, const int *bars) {
    for (int i = 0; i < kComponents; ++i)
        SendDlgItemMessageA(dialog, kOverallBar[i], PBM_SETPOS, bars[i], 0);
    CenterWindowOver(dialog, g_app.mainScreen);
}

INT_PTR CALLBACK OverallProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            Overall_OnInit(dialog, reinterpret_cast<const int *>(lParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return GreyStaticColour(reinterpret_cast<HDC>(wParam));
        case WM_COMMAND:
            return CloseOnCommand(dialog, wParam);
        default:
            return FALSE;
    }
}

struct WaitTexts {
    char label[kComponents][32];
    char waiting[32];
    char percent[32];
    char using_[32];
};

WaitTexts FormatWaitTexts(const WaitTimes &times, double activeSeconds) {
    WaitTexts texts;
    for (int i = 0; i < kComponents; ++i)
        FormatWaitTime(times.seconds[i], texts.label[i], sizeof texts.label[i]);
    FormatWaitTime(times.total, texts.waiting, sizeof texts.waiting);
    snprintf(texts.percent, sizeof texts.percent, "%d%%", times.percent);
    FormatWaitTime(activeSeconds, texts.using_, sizeof texts.using_);
    return texts;
}

struct WaitWindow {
    WaitTimes times;
    WaitTexts texts;
};

void WaitTime_OnInit(HWND dialog, const WaitWindow *window) {
    for (int i = 0; i < kComponents; ++i) {
        SendDlgItemMessageA(dialog, kWaitBar[i], PBM_SETPOS, window->times.bar[i], 0);
        SetDlgItemTextA(dialog, kWaitLabel[i], window->texts.label[i]);
    }
    SetDlgItemTextA(dialog, IDC_WAIT_TOTAL, window->texts.waiting);
    SetDlgItemTextA(dialog, IDC_WAIT_PERCENT, window->texts.percent);
    SetDlgItemTextA(dialog, IDC_USE_TOTAL, window->texts.using_);
    CenterWindowOver(dialog, g_app.mainScreen);
}

INT_PTR WaitTime_OnColour(HDC dc, HWND control) {
    int id = GetDlgCtrlID(control);
    if (id < IDC_WAIT_VIDEO_MONITOR || id > IDC_USE_TOTAL)
        return GreyStaticColour(dc);
    SetTextColor(dc, RGB(0, 0, 128));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

INT_PTR CALLBACK WaitTimeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            WaitTime_OnInit(dialog, reinterpret_cast<const WaitWindow *>(lParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return WaitTime_OnColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_COMMAND:
            return CloseOnCommand(dialog, wParam);
        default:
            return FALSE;
    }
}

} // namespace

void BottleOverall(HWND) {
    PerformanceHistory history = CurrentHistory();
    int bars[kComponents];
    OverallBars(history, bars);
    if (g_app.headless) {
        EchoWindowLine("Overall Bottlenecks");
        for (int i = 0; i < kComponents; ++i)
            EchoWindowLine("%s\t%d", kComponentName[i], bars[i]);
        return;
    }
    RegisterProgressBars();
    CreateDialogParamA(g_app.instance, MAKEINTRESOURCEA(IDD_OVERALL), g_app.main, OverallProc,
                       reinterpret_cast<LPARAM>(bars));
}

void BottleWaitTime(HWND) {
    PerformanceHistory history = CurrentHistory();
    WaitWindow window;
    window.times = ComputeWaitTimes(history);
    window.texts = FormatWaitTexts(window.times, history.activeSeconds);
    if (g_app.headless) {
        EchoWindowLine("Wait Time");
        for (int i = 0; i < kComponents; ++i)
            EchoWindowLine("%s\t%d\t%s", kComponentName[i], window.times.bar[i], window.texts.label[i]);
        EchoWindowLine("%s\t%s", kWaitingCaption, window.texts.waiting);
        EchoWindowLine("%s\t%s", kPercentCaption, window.texts.percent);
        EchoWindowLine("%s\t%s", kUsingCaption, window.texts.using_);
        return;
    }
    RegisterProgressBars();
    CreateDialogParamA(g_app.instance, MAKEINTRESOURCEA(IDD_WAIT_TIME), g_app.main, WaitTimeProc,
                       reinterpret_cast<LPARAM>(&window));
}

void RunBottleHistogramTool(int command) {
    PerformanceHistory history = CurrentHistory();
    uint32_t histogram[kUsageSlots];
    if (!BottleHistogram(history, command, histogram) || !g_report)
        return;
    OpenBottlenecksWindow(histogram);
    UsagePattern pattern = ClassifyUsagePattern(histogram);
    BeginReport(*g_report);
    WritePatternReport(*g_report, kBottleReadings, pattern);
    LoadReportText(g_app.mainScreen, UsagePatternExample(pattern), g_report->count);
}
