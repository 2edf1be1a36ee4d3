// The sampler on the real system: statistics seeded under HKEY_DYN_DATA, memory, drives, the
// foreground window, the print queues, the tool-help snapshots and the notified monitor windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "platform/globals_win.h"
#include "inventory/equipment.h"
#include "monitor/monitors_win.h"
#include "monitor/performance.h"
#include "monitor/sampler_win.h"
#include "monitor/sampler_tick.h"
#include "monitor/usage_win.h"
#include "platform/toolhelp_win.h"
#include "tests/wintest_env.h"

namespace {

uint32_t Sum(const uint32_t *histogram, int slots) {
    uint32_t total = 0;
    for (int i = 0; i < slots; ++i)
        total += histogram[i];
    return total;
}

void SetStat(HKEY key, const char *name, DWORD value) {
    ASSERT_EQ(RegSetValueExA(key, name, 0, REG_BINARY, reinterpret_cast<const BYTE *>(&value), sizeof value),
              ERROR_SUCCESS)
        << name;
}

// The statistics as the system's statistics server would keep them; the counters grow by step.
void SeedStatistics(DWORD cpu, DWORD step) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_DYN_DATA, "PerfStats\\StatData", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    SetStat(key, "KERNEL\\CPUUsage", cpu);
    SetStat(key, "VMM\\cPageIns", 100 * step);
    SetStat(key, "VMM\\cPageOuts", 50 * step);
    SetStat(key, "VFAT\\BReadsSec", 8192 * step);
    SetStat(key, "VFAT\\BWritesSec", 4096 * step);
    SetStat(key, "VFAT\\ReadsSec", 4 * step);
    SetStat(key, "VFAT\\WritesSec", 2 * step);
    RegCloseKey(key);
}

void RemoveStatistics() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_DYN_DATA, "PerfStats\\StatData", 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    for (const char *name : {"KERNEL\\CPUUsage", "VMM\\cPageIns", "VMM\\cPageOuts", "VFAT\\BReadsSec",
                             "VFAT\\BWritesSec", "VFAT\\ReadsSec", "VFAT\\WritesSec"})
        RegDeleteValueA(key, name);
    RegCloseKey(key);
}

// 0 when the printer lock could be taken at once from this other thread.
DWORD WINAPI TakePrinterLock(LPVOID) {
    if (!TryEnterCriticalSection(&g_app.printerLock))
        return 1;
    LeaveCriticalSection(&g_app.printerLock);
    return 0;
}

// The records are saved and zeroed before each test and restored after it; message boxes go to
// standard error.
struct SamplerWinTest : testing::Test {
    PerformanceHistory savedHistory;
    PerformanceSample savedSample;
    int32_t savedFixedDisks = 0;

    void SetUp() override {
        savedHistory = *g_history;
        savedSample = *g_sample;
        memset(g_history, 0, sizeof *g_history);
        memset(g_sample, 0, sizeof *g_sample);
        savedFixedDisks = g_equipment->fixedDisks;
        g_equipment->fixedDisks = 1;
        g_app.headless = true;
        memset(&g_input, 0, sizeof g_input);
        ResetSampler();
    }
    void TearDown() override {
        RemoveStatistics();
        ResetSampler();
        memset(&g_input, 0, sizeof g_input);
        g_equipment->fixedDisks = savedFixedDisks;
        *g_history = savedHistory;
        *g_sample = savedSample;
        g_app.headless = false;
    }

    static void TypedTick() {
        g_input.keystrokes = 2;
        SamplerTick();
    }
};

TEST_F(SamplerWinTest, TicksWithInputMeasureTheMachine) {
    SeedStatistics(42, 1);
    StartPerformanceStatistics(); // this system has no PerfStats\StartStat: it must go on regardless
    TypedTick();
    EXPECT_EQ(g_history->monitoredSeconds, 0.0f) << "the first tick only remembers the time";
    EXPECT_EQ(Sum(g_history->cpu, kUsageSlots), 0u);
    EXPECT_EQ(g_input.keystrokes, 0u) << "counters are cleared every tick";

    for (DWORD step = 2; step <= 4; ++step) {
        SeedStatistics(42, step);
        TypedTick();
        EXPECT_EQ(g_input.keystrokes, 0u);
    }
    EXPECT_EQ(SampleFloat(*g_sample, kSampleActiveSeconds), 3.0f);
    EXPECT_EQ(g_history->keystrokes, 6u);
    EXPECT_EQ(g_history->cpu[42], 3u);
    EXPECT_EQ(g_sample->word[kSampleCpu], 42u);
    for (const uint32_t *histogram :
         {g_history->physicalFree, g_history->pageFileFree, g_history->virtualFree, g_history->memoryLoad,
          g_history->paging, g_history->diskFree, g_history->bytesRead, g_history->bytesWritten,
          g_history->reads, g_history->writes, g_history->readSize, g_history->writeSize,
          g_history->transfers, g_history->screenChange, g_history->displayActivity, g_history->modem})
        EXPECT_EQ(Sum(histogram, kUsageSlots), 3u);
    // The counters grow by the same amount each second: every rate is at its peak after the first.
    EXPECT_EQ(g_sample->word[kSamplePaging], 100u);
    EXPECT_EQ(g_history->pagingPeak, 150u);
    EXPECT_EQ(g_sample->word[kSampleBytesRead], 100u);
    EXPECT_EQ(g_history->bytesReadPeak, 8192u);
    EXPECT_EQ(g_sample->word[kSampleTransfers], 100u);
    EXPECT_GT(g_sample->word[kSamplePhysicalFree], 0u);
    EXPECT_LE(g_sample->word[kSamplePhysicalFree], 100u);
    SYSTEMTIME now;
    GetSystemTime(&now);
    EXPECT_EQ(g_history->year, now.wYear);

    // Software counts from the tool-help snapshots and the window list: this process at least.
    for (int word : {kSampleProcesses, kSampleThreads, kSampleModules, kSampleWindows})
        EXPECT_GE(g_sample->word[word], 1u) << word;
    for (const uint32_t *histogram :
         {g_history->processes, g_history->threads, g_history->windows, g_history->modules})
        EXPECT_EQ(Sum(histogram, kSoftwareSlots), 3u);
    EXPECT_GE(Sum(g_history->priority, kPrioritySlots), 3u);

    // The printer lock is free again: another thread can take it at once.
    HANDLE taker = CreateThread(nullptr, 0, TakePrinterLock, nullptr, 0, nullptr);
    ASSERT_NE(taker, nullptr);
    WaitForSingleObject(taker, 5000);
    DWORD code = 2;
    GetExitCodeThread(taker, &code);
    CloseHandle(taker);
    EXPECT_EQ(code, 0u);
}

TEST_F(SamplerWinTest, WithoutTheStatisticsCpuAndDiskRatesRecordNothing) {
    RemoveStatistics();
    TypedTick();
    TypedTick();
    TypedTick();
    for (const uint32_t *histogram : {g_history->cpu, g_history->paging, g_history->bytesRead})
        EXPECT_EQ(Sum(histogram, kUsageSlots), 0u);
    EXPECT_EQ(Sum(g_history->memoryLoad, kUsageSlots), 2u);
}

// Where HKEY_DYN_DATA holds no statistics (Wine, every NT-style system) the processor usage comes from
// the system's processor times, from the very first active tick on; paging and the disk counters only
// where the performance data helper has them.
TEST_F(SamplerWinTest, WithoutTheStatisticsTheSystemsProcessorTimesServe) {
    StartPerformanceStatistics();
    TypedTick();
    for (int tick = 0; tick < 3; ++tick) {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < 50) {
        }
        TypedTick();
    }
    EXPECT_EQ(Sum(g_history->cpu, kUsageSlots), 3u);
    EXPECT_LE(g_sample->word[kSampleCpu], 100u);
    // Back to the statistics, chosen again when they are started.
    SeedStatistics(7, 1);
    StartPerformanceStatistics();
    TypedTick();
    EXPECT_EQ(g_sample->word[kSampleCpu], 7u);
}

TEST_F(SamplerWinTest, NoDrivesCountedGivesSpaceFreeZero) {
    g_equipment->fixedDisks = 0;
    TypedTick();
    TypedTick();
    EXPECT_EQ(g_history->diskFree[0], 1u);
    EXPECT_EQ(g_sample->word[kSampleDiskFree], 0u);
}

int g_newData;

LRESULT CALLBACK CountingMonitorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_app.newDataMessage && message != 0) {
        ++g_newData;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(SamplerWinTest, ActiveTicksNotifyOpenMonitorsOnlyWhileOpen) {
    WNDCLASSA cls = {};
    cls.lpfnWndProc = CountingMonitorProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "QvSamplerTestMonitor";
    RegisterClassA(&cls);
    HWND monitor = CreateWindowA(cls.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 cls.hInstance, nullptr);
    ASSERT_NE(monitor, nullptr);
    g_newData = 0;
    g_monitorWindow[kDiskMonitor] = monitor;
    TypedTick();
    EXPECT_EQ(g_newData, 0) << "first tick";
    TypedTick();
    TypedTick();
    EXPECT_EQ(g_newData, 2);
    g_monitorWindow[kDiskMonitor] = nullptr;
    TypedTick();
    EXPECT_EQ(g_newData, 2);
    DestroyWindow(monitor);
}

// Where the sampler reads a process's loader list instead of taking its module snapshot, it must
// count what the snapshot lists.
TEST_F(SamplerWinTest, ModuleCountsAreThoseOfTheModuleSnapshots) {
    PROCESS_INFORMATION notepad;
    ASSERT_TRUE(StartNotepad(&notepad));
    int processes = 0;
    WalkProcesses(TH32CS_SNAPPROCESS, [&](const PROCESSENTRY32 &entry) {
        uint32_t listed = 0;
        WalkModulesOf(entry.th32ProcessID, [&](const MODULEENTRY32 &) { return ++listed, true; });
        EXPECT_EQ(CountModulesOf(entry.th32ProcessID), listed) << entry.szExeFile;
        processes += listed > 0;
        return true;
    });
    EndProgram(notepad);
    EXPECT_GE(processes, 2);
}

} // namespace
