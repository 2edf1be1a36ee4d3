// The monitor windows on the real data thread: opening through the main window's commands, the
// top-most setting, the cells lit by a new sample (state and pixels), the Priority Map's rows and
// size, the Usage Monitor's gauges and legend, and the Analyzing box with the timer-driven sampler.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "action/window_actions_win.h"
#include "app/frame_win.h"
#include "platform/globals_win.h"
#include "monitor/led_rules.h"
#include "monitor/monitors_win.h"
#include "monitor/performance.h"
#include "monitor/sampler_win.h"
#include "monitor/sampler_tick.h"
#include "monitor/usage_win.h"
#include "platform/utilities_win.h"
#include "resources/resource_ids.h"
#include "tests/wintest_env.h"

namespace {

bool Topmost(HWND window) {
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void SetOnTopMark(bool checked) {
    CheckMenuItem(GetMenu(g_app.main), CMD_MONITORS_ON_TOP,
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void NewData(HWND monitor) {
    SendMessageA(monitor, g_app.newDataMessage, 0, 0);
}

// Waits (handling this thread's messages) until the condition holds or the time is up.
template <typename Condition> bool WaitFor(Condition condition, DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds)
            return false;
        PumpMessages();
        Sleep(20);
    }
    return true;
}

// Each test starts with no monitor open, the top-most mark set and a zero sample; the records are
// restored afterwards.
struct MonitorTest : testing::Test {
    PerformanceHistory savedHistory;
    PerformanceSample savedSample;
    void SetUp() override {
        CloseMonitors();
        SetOnTopMark(true);
        savedHistory = *g_history;
        savedSample = *g_sample;
        memset(g_sample, 0, sizeof *g_sample);
    }
    void TearDown() override {
        CloseMonitors();
        HoldSampler(true);
        *g_history = savedHistory;
        *g_sample = savedSample;
        SetOnTopMark(true);
    }
};

TEST_F(MonitorTest, CommandsOpenEachMonitorOnTheDataThread) {
    struct Case {
        int command;
        MonitorSlot slot;
        const char *title;
        int help;
    };
    const Case cases[] = {{2802, kDiskMonitor, "Disk Monitor", 2856},
                          {2803, kMemoryMonitor, "Memory Monitor", 2855},
                          {2804, kPriorityMap, "Priority Map", 2853},
                          {2805, kSoftwareMonitor, "Software Monitor", 2852},
                          {2806, kSystemMonitor, "System Monitor", 2851}};
    DWORD dataThread = GetWindowThreadProcessId(g_app.dataWindow, nullptr);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.title);
        Command(c.command);
        HWND window = g_monitorWindow[c.slot];
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(WindowText(window), c.title);
        EXPECT_EQ(GetWindowThreadProcessId(window, nullptr), dataThread);
        EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
        EXPECT_TRUE(Topmost(window));
        EXPECT_FALSE(QuickHelpLines(c.help).empty());
        EXPECT_GT(SendMessageA(g_app.helpScreen, LB_GETCOUNT, 0, 0), 5);
        // A second command brings the same window back instead of opening another.
        Command(c.command);
        EXPECT_EQ(g_monitorWindow[c.slot], window);
    }
    // Centred over the Main Screen.
    RECT screen, monitor;
    GetWindowRect(g_app.mainScreen, &screen);
    GetWindowRect(g_monitorWindow[kSystemMonitor], &monitor);
    EXPECT_NEAR((monitor.left + monitor.right) / 2, (screen.left + screen.right) / 2, 2);
    // Escape (the dialog's Cancel) closes it and forgets it.
    HWND system = g_monitorWindow[kSystemMonitor];
    SendMessageA(system, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(g_monitorWindow[kSystemMonitor], nullptr);
    EXPECT_FALSE(IsWindow(system));
}

TEST_F(MonitorTest, KeepMonitorsOnTopAppliesToOpenAndLaterMonitors) {
    Command(2802);
    HWND disk = g_monitorWindow[kDiskMonitor];
    ASSERT_NE(disk, nullptr);
    EXPECT_TRUE(Topmost(disk));
    Command(CMD_MONITORS_ON_TOP); // clears the mark
    EXPECT_FALSE(MonitorsOnTop());
    EXPECT_FALSE(Topmost(disk));
    Command(2803);
    ASSERT_NE(g_monitorWindow[kMemoryMonitor], nullptr);
    EXPECT_FALSE(Topmost(g_monitorWindow[kMemoryMonitor]));
    Command(CMD_MONITORS_ON_TOP);
    EXPECT_TRUE(MonitorsOnTop());
    EXPECT_TRUE(Topmost(disk));
    EXPECT_TRUE(Topmost(g_monitorWindow[kMemoryMonitor]));
}

COLORREF PixelAt(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ReleaseDC(nullptr, screen);
    return colour;
}

// The monitors paint on the data thread: wait (up to two seconds) until the control shows the
// expected colour, and give the colour it shows then.
COLORREF PaintedPixel(HWND control, COLORREF expected) {
    COLORREF colour = PixelAt(control);
    for (int i = 0; i < 100 && colour != expected; ++i) {
        Sleep(20);
        colour = PixelAt(control);
    }
    return colour;
}

TEST_F(MonitorTest, NewSampleLightsTheRowsAndCellsPaintTheirColours) {
    Command(2806);
    HWND system = g_monitorWindow[kSystemMonitor];
    ASSERT_NE(system, nullptr);
    g_sample->word[kSampleCpu] = 55;
    g_sample->word[kSampleModem] = 100;
    g_sample->word[kSamplePrintPages] = 1;
    NewData(system);
    for (int c = 0; c < kLedCells; ++c) {
        EXPECT_EQ(LedCellLit(kLedSystem, 0, c), c < 6 ? 1 : 0) << "CPU cell " << c;
        EXPECT_EQ(LedCellLit(kLedSystem, 6, c), 1) << "Modem cell " << c;
        EXPECT_EQ(LedCellLit(kLedSystem, 5, c), c < 1 ? 1 : 0) << "Printers cell " << c;
        EXPECT_EQ(LedCellLit(kLedSystem, 1, c), 0) << "Video Card cell " << c;
    }
    RedrawWindow(system, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(PaintedPixel(GetDlgItem(system, 10101), RGB(0, 255, 0)), RGB(0, 255, 0));
    EXPECT_EQ(PaintedPixel(GetDlgItem(system, 10104), RGB(255, 255, 0)), RGB(255, 255, 0));
    EXPECT_EQ(PaintedPixel(GetDlgItem(system, 10177), RGB(255, 0, 0)), RGB(255, 0, 0));
    EXPECT_EQ(PaintedPixel(GetDlgItem(system, 10108), GetSysColor(COLOR_BTNFACE)),
              GetSysColor(COLOR_BTNFACE));
    // The next sample turns cells off again.
    g_sample->word[kSampleCpu] = 0;
    NewData(system);
    EXPECT_EQ(LedCellLit(kLedSystem, 0, 0), 0);
    RedrawWindow(system, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(PaintedPixel(GetDlgItem(system, 10101), GetSysColor(COLOR_BTNFACE)),
              GetSysColor(COLOR_BTNFACE));
}

TEST_F(MonitorTest, OtherLedMonitorsFollowTheirRules) {
    Command(2802);
    Command(2803);
    Command(2805);
    g_sample->word[kSampleWriteSize] = 0;
    g_sample->word[kSampleDiskFree] = 1;
    g_sample->word[kSamplePhysicalFree] = 31;
    g_sample->word[kSampleThreads] = 470;
    g_sample->word[kSampleProcesses] = 5;
    NewData(g_monitorWindow[kDiskMonitor]);
    NewData(g_monitorWindow[kMemoryMonitor]);
    NewData(g_monitorWindow[kSoftwareMonitor]);
    int writeSize = 0, spaceFree = 0, ram = 0, threads = 0, processes = 0;
    for (int c = 0; c < kLedCells; ++c) {
        writeSize += LedCellLit(kLedDisk, 7, c);
        spaceFree += LedCellLit(kLedDisk, 0, c);
        ram += LedCellLit(kLedMemory, 2, c);
        threads += LedCellLit(kLedSoftware, 1, c);
        processes += LedCellLit(kLedSoftware, 0, c);
    }
    EXPECT_EQ(writeSize, 10);
    EXPECT_EQ(spaceFree, 0);
    EXPECT_EQ(ram, 6);
    EXPECT_EQ(threads, 10);
    EXPECT_EQ(processes, 1);
    // The lit state outlives the window: a reopened monitor paints from it.
    SendMessageA(g_monitorWindow[kDiskMonitor], WM_COMMAND, IDCANCEL, 0);
    Command(2802);
    HWND disk = g_monitorWindow[kDiskMonitor];
    ASSERT_NE(disk, nullptr);
    RedrawWindow(disk, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(PaintedPixel(GetDlgItem(disk, 10210), RGB(0, 0, 255)), RGB(0, 0, 255));
}

// Ticks of the sampler itself notify every open monitor.
TEST_F(MonitorTest, SamplerTicksRedrawOpenMonitors) {
    Command(2805);
    ASSERT_NE(g_monitorWindow[kSoftwareMonitor], nullptr);
    ResetSampler();
    for (int i = 0; i < 2; ++i) {
        g_input.keystrokes = 1;
        SamplerTick();
    }
    ASSERT_GT(g_sample->word[kSampleProcesses], 0u);
    int lit = 0;
    for (int c = 0; c < kLedCells; ++c)
        lit += LedCellLit(kLedSoftware, 2, c);
    EXPECT_EQ(lit, LitCount(LitRule::kScale, g_sample->word[kSampleModules], 460));
    EXPECT_GT(lit, 0) << "Wine's processes load modules";
}

// A program with a visible captioned window gets a row; the window keeps only the filled rows.
TEST_F(MonitorTest, PriorityMapListsCaptionedProgramsAndFitsItsRows) {
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(StartNotepad(&process));
    Command(2804);
    HWND map = g_monitorWindow[kPriorityMap];
    ASSERT_NE(map, nullptr);
    RECT full;
    GetWindowRect(map, &full);
    // Its row is labelled with the program's cleaned caption.
    ProcessCaption notepad = {};
    int row = -1;
    ASSERT_TRUE(WaitFor(
        [&] {
            FindProcessCaption(process.dwProcessId, &notepad);
            NewData(map);
            for (int r = 0; r < kPriorityRows && notepad.caption[0]; ++r)
                if (WindowText(GetDlgItem(map, PriorityLabelId(r))) == notepad.caption)
                    row = r;
            return row >= 0;
        },
        10000))
        << "caption " << notepad.caption << ", first row " << WindowText(GetDlgItem(map, PriorityLabelId(0)));
    // Its cells are those of its threads' levels (Wine reports relative priorities as the base, so
    // the levels differ from Windows; the cells must follow whatever the snapshot says).
    uint8_t levels[kPriorityLevels] = {};
    HANDLE threads = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 thread = {};
    thread.dwSize = sizeof thread;
    for (BOOL more = Thread32First(threads, &thread); more; more = Thread32Next(threads, &thread))
        if (thread.th32OwnerProcessID == process.dwProcessId)
            levels[PriorityLevel(thread.tpBasePri, thread.tpDeltaPri)] = 1;
    CloseHandle(threads);
    uint8_t expected[kPriorityCells];
    PriorityCellFlags(levels, expected);
    int lit = 0;
    for (int c = 0; c < kPriorityCells; ++c) {
        EXPECT_EQ(PriorityCellLit(row, c), expected[c]) << "cell " << c + 1;
        lit += PriorityCellLit(row, c);
    }
    EXPECT_GT(lit, 0);
    int filled = 0;
    while (filled < kPriorityRows && WindowText(GetDlgItem(map, PriorityLabelId(filled))) != " ")
        ++filled;
    ASSERT_LT(filled, kPriorityRows) << "fewer than ten captioned programs run here";
    for (int r = filled; r < kPriorityRows; ++r)
        for (int c = 0; c < kPriorityCells; ++c)
            EXPECT_EQ(PriorityCellLit(r, c), 0);
    RECT shrunk, label;
    GetWindowRect(map, &shrunk);
    GetWindowRect(GetDlgItem(map, PriorityLabelId(filled)), &label);
    EXPECT_EQ(shrunk.top, full.top);
    EXPECT_EQ(shrunk.right - shrunk.left, full.right - full.left);
    EXPECT_EQ(shrunk.bottom - shrunk.top, label.top - shrunk.top + GetSystemMetrics(SM_CYFIXEDFRAME));
    EndProgram(process);
    // Notepad's row is gone at the next update and the window shrinks by a row.
    NewData(map);
    for (int r = 0; r < kPriorityRows; ++r)
        EXPECT_NE(WindowText(GetDlgItem(map, PriorityLabelId(r))), notepad.caption);
    RECT after;
    GetWindowRect(map, &after);
    EXPECT_LT(after.bottom - after.top, shrunk.bottom - shrunk.top);
}

HICON GaugeOn(HWND usage, int gauge) {
    return reinterpret_cast<HICON>(SendDlgItemMessageA(usage, kGaugeControl + gauge, STM_GETICON, 0, 0));
}

HICON Icon(int id) {
    return LoadIconA(g_app.instance, MAKEINTRESOURCEA(id));
}

TEST_F(MonitorTest, UsageMonitorTogglesShowsGaugesAndLegend) {
    HMENU menu = GetMenu(g_app.main);
    Command(2801);
    HWND usage = g_monitorWindow[kUsageMonitor];
    ASSERT_NE(usage, nullptr);
    EXPECT_NE(GetMenuState(menu, 2801, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_TRUE(Topmost(usage));
    EXPECT_EQ(GetWindowLongA(usage, GWL_STYLE) & WS_CAPTION, 0) << "no caption";
    RECT rect;
    GetWindowRect(usage, &rect);
    EXPECT_EQ(rect.right - rect.left, GetSystemMetrics(SM_CXICON) + 2 * (GetSystemMetrics(SM_CXEDGE) +
                                                                         GetSystemMetrics(SM_CXFIXEDFRAME)));
    EXPECT_EQ(rect.bottom - rect.top,
              5 * GetSystemMetrics(SM_CYICON) +
                  2 * (GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYEDGE)));
    g_sample->word[kSampleCpu] = 150;
    g_sample->word[kSampleScreenChange] = 42;
    g_sample->word[kSampleTransfers] = 0;
    g_sample->word[kSamplePaging] = 7;
    g_history->keystrokes = 100;
    g_history->typingSeconds = 25;
    NewData(usage);
    EXPECT_EQ(GaugeOn(usage, 0), Icon(1799));
    EXPECT_EQ(GaugeOn(usage, 1), Icon(1742));
    EXPECT_EQ(GaugeOn(usage, 2), Icon(1700));
    EXPECT_EQ(GaugeOn(usage, 3), Icon(1707));
    EXPECT_EQ(GaugeOn(usage, 4), Icon(1748)); // 100 / 25 * 12
    // A right click shows the legend, which stays until the next right click.
    SendMessageA(usage, WM_RBUTTONDOWN, 0, 0);
    EXPECT_TRUE(UsageLegendShown());
    const int legend[kGauges] = {1850, 1854, 1851, 1853, 1852};
    for (int i = 0; i < kGauges; ++i)
        EXPECT_EQ(GaugeOn(usage, i), Icon(legend[i])) << i;
    NewData(usage);
    EXPECT_EQ(GaugeOn(usage, 0), Icon(1850));
    SendMessageA(usage, WM_RBUTTONDOWN, 0, 0);
    EXPECT_FALSE(UsageLegendShown());
    NewData(usage);
    EXPECT_EQ(GaugeOn(usage, 0), Icon(1799));
    // The command again closes it and clears the mark.
    Command(2801);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(usage); }, 3000));
    EXPECT_EQ(g_monitorWindow[kUsageMonitor], nullptr);
    EXPECT_EQ(GetMenuState(menu, 2801, MF_BYCOMMAND) & MF_CHECKED, 0u);
}

TEST_F(MonitorTest, AnalyzingBoxTurnsWhileTheMainThreadWorks) {
    HWND box = g_app.analyzingBox;
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindowThreadProcessId(box, nullptr), GetWindowThreadProcessId(g_app.dataWindow, nullptr));
    EXPECT_FALSE(IsWindowVisible(box));
    ShowAnalyzingBox();
    EXPECT_TRUE(IsWindowVisible(box));
    ASSERT_NE(Icon(1840), nullptr);
    ASSERT_NE(Icon(1841), nullptr);
    EXPECT_NE(Icon(1840), Icon(1841));
    // Busy: this thread handles no messages while the data thread's timer turns the icon each second,
    // so both icons show within a few seconds.
    bool seen1840 = false, seen1841 = false;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 3500 && !(seen1840 && seen1841)) {
        HICON now = reinterpret_cast<HICON>(SendDlgItemMessageA(box, 11001, STM_GETICON, 0, 0));
        seen1840 = seen1840 || now == Icon(1840);
        seen1841 = seen1841 || now == Icon(1841);
        Sleep(100);
    }
    EXPECT_TRUE(seen1840 && seen1841) << seen1840 << seen1841;
    HideAnalyzingBox();
    EXPECT_FALSE(IsWindowVisible(box));
}

// Released, the data thread's timer ticks the sampler once a second; with input arriving it records
// and the open monitors follow.
TEST_F(MonitorTest, TheDataThreadTicksTheSamplerOnceASecond) {
    memset(g_history, 0, sizeof *g_history);
    Command(2803);
    ResetSampler();
    HoldSampler(false);
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 4500) {
        InterlockedIncrement(reinterpret_cast<volatile LONG *>(&g_input.keystrokes));
        Sleep(100);
    }
    HoldSampler(true);
    Sleep(100);
    EXPECT_GE(g_history->monitoredSeconds, 3.0f);
    EXPECT_LE(g_history->monitoredSeconds, 5.0f);
    EXPECT_GE(g_history->activeSeconds, 2.0f);
    uint32_t memoryCounts = 0;
    for (uint32_t count : g_history->memoryLoad)
        memoryCounts += count;
    EXPECT_GE(memoryCounts, 2u);
    // The Memory Monitor's Load row shows the last sample's memory load.
    ASSERT_GT(g_sample->word[kSampleMemoryLoad], 0u);
    int lit = 0;
    for (int c = 0; c < kLedCells; ++c)
        lit += LedCellLit(kLedMemory, 1, c);
    EXPECT_EQ(lit, LitCount(LitRule::kCeil, g_sample->word[kSampleMemoryLoad], 0));
}

} // namespace
