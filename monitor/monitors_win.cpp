// The monitor windows of the data thread. Each LED monitor keeps a lit-state table and, on every
// new sample, invalidates only the cells whose state changed; the cells draw themselves from the
// table. The Priority Map fills one row per captioned program; the Usage Monitor shows five gauges.
#include "monitor/monitors_win.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstring>

#include "platform/globals_win.h"
#include "platform/toolhelp_win.h"
#include "monitor/performance.h"
#include "monitor/sampler_tick.h"
#include "report/main_screen_win.h"
#include "platform/utilities_win.h"
#include "resources/resource_ids.h"

HWND g_monitorWindow[kMonitorSlots];

namespace {

constexpr int kUsageDialog = 12100;
constexpr int kPriorityDialog = 10500;

uint8_t g_ledLit[kLedMonitorKinds][kMaxLedRows][kLedCells];
uint8_t g_priorityLit[kPriorityRows][kPriorityCells];
int g_priorityRowsShown;   // rows filled at the Priority Map's last update
int g_priorityFullHeight;  // its height as created, measured at the first resize
bool g_usageLegend;        // the Usage Monitor shows its legend
int g_gaugeShown[kGauges]; // icon on each gauge control, 0 when not known

MonitorSlot SlotOfLed(LedMonitorKind kind) {
    switch (kind) {
        case kLedSystem:
            return kSystemMonitor;
        case kLedDisk:
            return kDiskMonitor;
        case kLedMemory:
            return kMemoryMonitor;
        default:
            return kSoftwareMonitor;
    }
}

HBRUSH BrushOf(CellColour colour) {
    switch (colour) {
        case CellColour::kGreen:
            return g_draw.brightGreen;
        case CellColour::kYellow:
            return g_draw.yellow;
        case CellColour::kRed:
            return g_draw.red;
        case CellColour::kBlue:
            return g_draw.blue;
        case CellColour::kCyan:
            return g_draw.cyan;
        case CellColour::kMaroon:
            return g_draw.maroon;
        case CellColour::kMagenta:
            return g_draw.magenta;
    }
    return g_draw.buttonFace;
}

void DrawCell(const DRAWITEMSTRUCT *item, bool lit, CellColour colour) {
    HBRUSH brush = lit ? BrushOf(colour) : g_draw.buttonFace;
    if (!brush)
        brush = GetSysColorBrush(lit ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
    Draw3DBox(item->hDC, brush, &item->rcItem, lit ? TRUE : FALSE);
}

void InvalidateCell(HWND dialog, int id) {
    HWND cell = GetDlgItem(dialog, id);
    if (cell)
        InvalidateRect(cell, nullptr, FALSE);
}

// Closing forgets the window; the lit-state tables stay.
void CloseMonitor(HWND dialog, MonitorSlot slot) {
    if (g_monitorWindow[slot] == dialog)
        g_monitorWindow[slot] = nullptr;
    DestroyWindow(dialog);
}

// ---- LED monitors ----

LedMonitorKind LedKindOf(HWND dialog) {
    return static_cast<LedMonitorKind>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void LedMonitor_OnNewData(HWND dialog, LedMonitorKind kind) {
    if (!g_sample)
        return;
    const LedMonitorLayout &layout = LedMonitorOf(kind);
    for (int r = 0; r < layout.rowCount; ++r) {
        int changed[kLedCells];
        int lit = RowLitCount(layout.rows[r], *g_sample);
        int count = UpdateLitRow(g_ledLit[kind][r], kLedCells, lit, changed);
        for (int i = 0; i < count; ++i)
            InvalidateCell(dialog, layout.rows[r].firstCell + changed[i]);
    }
}

void LedMonitor_OnDrawItem(LedMonitorKind kind, const DRAWITEMSTRUCT *item) {
    if (!(item->itemAction & ODA_DRAWENTIRE))
        return;
    const LedMonitorLayout &layout = LedMonitorOf(kind);
    int row, column;
    if (!FindLedCell(layout, static_cast<int>(item->CtlID), &row, &column))
        return;
    DrawCell(item, g_ledLit[kind][row][column] != 0, LitCellColour(layout.colour, column));
}

INT_PTR CALLBACK LedMonitorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_app.newDataMessage && message != 0) {
        LedMonitor_OnNewData(dialog, LedKindOf(dialog));
        return TRUE;
    }
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            CenterWindowOver(dialog, g_app.mainScreen);
            return TRUE;
        case WM_DRAWITEM:
            LedMonitor_OnDrawItem(LedKindOf(dialog), reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                CloseMonitor(dialog, SlotOfLed(LedKindOf(dialog)));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

// Brings an open monitor to the top, or creates it and applies the top-most setting.
void OpenMonitor(MonitorSlot slot, int dialogId, DLGPROC procedure, LPARAM parameter) {
    if (g_app.headless)
        return; // a headless run shows no windows
    HWND &window = g_monitorWindow[slot];
    if (window && IsWindow(window)) {
        BringWindowToTop(window);
        return;
    }
    window = CreateDialogParamA(g_app.instance, MAKEINTRESOURCEA(dialogId), nullptr, procedure, parameter);
    ApplyMonitorsOnTop(window);
}

void OpenLedMonitor(LedMonitorKind kind) {
    OpenMonitor(SlotOfLed(kind), LedMonitorOf(kind).dialogId, LedMonitorProc, kind);
}

// ---- Priority Map ----

// Sets the row's cells from the level table, invalidating those that changed.
void SetPriorityRow(HWND dialog, int row, const uint8_t *cells) {
    for (int c = 0; c < kPriorityCells; ++c) {
        if (g_priorityLit[row][c] == cells[c])
            continue;
        g_priorityLit[row][c] = cells[c];
        InvalidateCell(dialog, PriorityLabelId(row) + 1 + c);
    }
}

// The 33 levels the threads of one process run at, from a thread snapshot.
void ProcessLevels(HANDLE threads, DWORD processId, uint8_t *levels) {
    memset(levels, 0, kPriorityLevels);
    EachThread(threads, [&](const THREADENTRY32 &entry) {
        if (entry.th32OwnerProcessID == processId)
            levels[PriorityLevel(entry.tpBasePri, entry.tpDeltaPri)] = 1;
        return true;
    });
}

// Fills rows with the programs that have a captioned, visible window; returns how many.
int FillPriorityRows(HWND dialog) {
    if (!ToolHelpAvailable(kNeedProcesses | kNeedThreads))
        return 0;
    HANDLE processes = g_toolhelp.CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (processes == INVALID_HANDLE_VALUE)
        return 0;
    // One thread snapshot serves every row of this update.
    HANDLE threads = g_toolhelp.CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    int filled = 0;
    EachProcess(processes, [&](const PROCESSENTRY32 &entry) {
        ProcessCaption caption;
        FindProcessCaption(entry.th32ProcessID, &caption);
        if (!caption.caption[0] || lstrcmpiA(caption.caption, "Quorvex") == 0 || caption.window == dialog ||
            !IsWindowVisible(caption.window))
            return true;
        SetDlgItemTextA(dialog, PriorityLabelId(filled), caption.caption);
        uint8_t levels[kPriorityLevels];
        ProcessLevels(threads, entry.th32ProcessID, levels);
        uint8_t cells[kPriorityCells];
        PriorityCellFlags(levels, cells);
        SetPriorityRow(dialog, filled, cells);
        return ++filled < kPriorityRows;
    });
    if (threads != INVALID_HANDLE_VALUE)
        CloseHandle(threads);
    CloseHandle(processes);
    return filled;
}

// The window's height follows the rows shown: it ends just above the first unfilled row's label.
void FitPriorityMap(HWND dialog, int filled) {
    RECT window;
    GetWindowRect(dialog, &window);
    if (g_priorityFullHeight == 0)
        g_priorityFullHeight = window.bottom - window.top;
    int height = g_priorityFullHeight;
    if (filled < kPriorityRows) {
        RECT label;
        GetWindowRect(GetDlgItem(dialog, PriorityLabelId(filled)), &label);
        height = label.top - window.top + GetSystemMetrics(SM_CYFIXEDFRAME);
    }
    SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PriorityMap_OnNewData(HWND dialog) {
    int filled = FillPriorityRows(dialog);
    static const uint8_t kNone[kPriorityCells] = {};
    for (int row = filled; row < kPriorityRows; ++row) {
        SetDlgItemTextA(dialog, PriorityLabelId(row), " ");
        SetPriorityRow(dialog, row, kNone);
    }
    if (filled != g_priorityRowsShown) {
        FitPriorityMap(dialog, filled);
        g_priorityRowsShown = filled;
    }
}

INT_PTR CALLBACK PriorityMapProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_app.newDataMessage && message != 0) {
        PriorityMap_OnNewData(dialog);
        return TRUE;
    }
    switch (message) {
        case WM_INITDIALOG:
            g_priorityRowsShown = 0;
            CenterWindowOver(dialog, g_app.mainScreen);
            return TRUE;
        case WM_DRAWITEM: {
            const DRAWITEMSTRUCT *item = reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
            int row, cell;
            if ((item->itemAction & ODA_DRAWENTIRE) &&
                FindPriorityCell(static_cast<int>(item->CtlID), &row, &cell))
                DrawCell(item, g_priorityLit[row][cell] != 0, CellColour::kMagenta);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                CloseMonitor(dialog, kPriorityMap);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

// ---- Usage Monitor ----

void SetGauge(HWND dialog, int gauge, int icon) {
    if (g_gaugeShown[gauge] == icon)
        return;
    HICON handle = LoadIconA(g_app.instance, MAKEINTRESOURCEA(icon));
    if (!handle)
        return;
    SendDlgItemMessageA(dialog, kGaugeControl + gauge, STM_SETICON, reinterpret_cast<WPARAM>(handle), 0);
    g_gaugeShown[gauge] = icon;
}

void UsageMonitor_OnNewData(HWND dialog) {
    if (g_usageLegend || !g_sample)
        return;
    const PerformanceSample &sample = *g_sample;
    SetGauge(dialog, 0, GaugeIcon(sample.word[kSampleCpu]));
    SetGauge(dialog, 1, GaugeIcon(sample.word[kSampleScreenChange]));
    SetGauge(dialog, 2, GaugeIcon(sample.word[kSampleTransfers]));
    SetGauge(dialog, 3, GaugeIcon(sample.word[kSamplePaging]));
    uint32_t speed;
    if (g_history && TypingSpeed(*g_history, &speed))
        SetGauge(dialog, 4, GaugeIcon(speed));
}

void UsageMonitor_OnRightButton(HWND dialog) {
    g_usageLegend = !g_usageLegend;
    if (g_usageLegend)
        for (int i = 0; i < kGauges; ++i)
            SetGauge(dialog, i, LegendIcon(i));
}

// Five icons stacked in a caption-less window just big enough for them.
void UsageMonitor_OnInitDialog(HWND dialog) {
    int iconWidth = GetSystemMetrics(SM_CXICON);
    int iconHeight = GetSystemMetrics(SM_CYICON);
    int width = iconWidth + 2 * (GetSystemMetrics(SM_CXEDGE) + GetSystemMetrics(SM_CXFIXEDFRAME));
    int height = kGauges * iconHeight + 2 * (GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYEDGE));
    SetWindowPos(dialog, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int i = 0; i < kGauges; ++i) {
        SetWindowPos(GetDlgItem(dialog, kGaugeControl + i), nullptr, 0, i * iconHeight, iconWidth, iconHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        g_gaugeShown[i] = 0;
    }
    if (g_usageLegend)
        for (int i = 0; i < kGauges; ++i)
            SetGauge(dialog, i, LegendIcon(i));
    CenterWindowOver(dialog, g_app.mainScreen);
}

void SetUsageCheck(bool checked) {
    HMENU menu = g_app.main ? GetMenu(g_app.main) : nullptr;
    if (menu)
        CheckMenuItem(menu, 2801, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

INT_PTR CALLBACK UsageMonitorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_app.newDataMessage && message != 0) {
        UsageMonitor_OnNewData(dialog);
        return TRUE;
    }
    switch (message) {
        case WM_INITDIALOG:
            UsageMonitor_OnInitDialog(dialog);
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<INT_PTR>(GetStockObject(BLACK_BRUSH));
        case WM_RBUTTONDOWN:
            UsageMonitor_OnRightButton(dialog);
            return TRUE;
        case WM_LBUTTONDOWN:
            // No caption to grab: a press anywhere moves the window as if the caption had been taken.
            SendMessageA(dialog, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                // The menu's check mark mirrors whether the window is open, however it was closed.
                SetUsageCheck(false);
                CloseMonitor(dialog, kUsageMonitor);
                return TRUE;
            }
            return FALSE;
        default:
            (void)lParam;
            return FALSE;
    }
}

} // namespace

void OpenUsageMonitor(HWND) {
    if (g_app.headless)
        return;
    HWND &window = g_monitorWindow[kUsageMonitor];
    if (window && IsWindow(window)) {
        SetUsageCheck(false);
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    window = CreateDialogParamA(g_app.instance, MAKEINTRESOURCEA(kUsageDialog), nullptr, UsageMonitorProc, 0);
    if (window)
        SetUsageCheck(true);
    ApplyMonitorsOnTop(window);
}

void OpenDiskMonitor(HWND) {
    OpenLedMonitor(kLedDisk);
}

void OpenMemoryMonitor(HWND) {
    OpenLedMonitor(kLedMemory);
}

void OpenPriorityMap(HWND) {
    OpenMonitor(kPriorityMap, kPriorityDialog, PriorityMapProc, 0);
}

void OpenSoftwareMonitor(HWND) {
    OpenLedMonitor(kLedSoftware);
}

void OpenSystemMonitor(HWND) {
    OpenLedMonitor(kLedSystem);
}

uint8_t LedCellLit(LedMonitorKind kind, int row, int column) {
    return g_ledLit[kind][row][column];
}

uint8_t PriorityCellLit(int row, int cell) {
    return g_priorityLit[row][cell];
}

bool UsageLegendShown() {
    return g_usageLegend;
}

bool MonitorsOnTop() {
    return MenuItemChecked(CMD_MONITORS_ON_TOP);
}

void ApplyMonitorsOnTop(HWND) {
    HWND order = MonitorsOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST;
    for (HWND monitor : g_monitorWindow)
        if (monitor && IsWindow(monitor))
            SetWindowPos(monitor, order, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ToggleMonitorsOnTop(HWND mainScreen) {
    ToggleMenuCheck(CMD_MONITORS_ON_TOP);
    ApplyMonitorsOnTop(mainScreen);
}
