// The sampler's readings of the machine: the statistics under HKEY_DYN_DATA, memory, fixed drives,
// the foreground window and its pixels, the print queues, the tool-help snapshots. The tick's
// arithmetic and its records are in monitor/sampler_tick.cpp.
#include "monitor/sampler_win.h"

#include <windows.h>
#include <mmsystem.h>
#include <tlhelp32.h>
#include <winspool.h>

#include <cstdlib>
#include <cstring>

#include "platform/globals_win.h"
#include "platform/toolhelp_win.h"
#include "inventory/equipment.h"
#include "platform/printers_win.h"
#include "monitor/monitors_win.h"
#include "monitor/sampler_tick.h"
#include "monitor/system_counters_win.h"
#include "monitor/usage_win.h"
#include "platform/utilities_win.h"

namespace {

constexpr int kScreenPoints = 100;
constexpr int kJobsPerPrinter = 20;

// The foreground window as the previous tick saw it, and the screen points taken on it.
struct ForegroundState {
    HWND window;
    RECT rect;
    HWND topLevel;
    POINT point[kScreenPoints];
    COLORREF colour[kScreenPoints];
    uint32_t screenArea; // read once; 0 until then
    uint32_t randomSeed;
};

SamplerState g_state;
ForegroundState g_foreground;
SamplerReadings g_readings; // one tick's readings; kept here so that the tick allocates nothing
volatile LONG g_samplerHeld;

const char kStatData[] = "PerfStats\\StatData";

// Queries each value into a 4-byte buffer; the results are not used.
void QueryStartValues(const char *keyName, const char *const *names, int count) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_DYN_DATA, keyName, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    for (int i = 0; i < count; ++i) {
        DWORD value = 0, type = 0, size = sizeof value;
        RegQueryValueExA(key, names[i], nullptr, &type, reinterpret_cast<BYTE *>(&value), &size);
    }
    RegCloseKey(key);
}

// One 4-byte statistic; false when it is missing or of another size.
bool ReadStat(HKEY key, const char *name, uint32_t *value) {
    DWORD data = 0, type = 0, size = sizeof data;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE *>(&data), &size) !=
            ERROR_SUCCESS ||
        size != sizeof data)
        return false;
    *value = data;
    return true;
}

void ReadStatistics(SamplerReadings &r) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_DYN_DATA, kStatData, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    r.cpuRead = ReadStat(key, "KERNEL\\CPUUsage", &r.cpuUsage);
    r.pagingRead = ReadStat(key, "VMM\\cPageIns", &r.pageIns) && ReadStat(key, "VMM\\cPageOuts", &r.pageOuts);
    bool bytesRead = ReadStat(key, "VFAT\\BReadsSec", &r.disk.bytesRead);
    bool bytesWritten = ReadStat(key, "VFAT\\BWritesSec", &r.disk.bytesWritten);
    bool reads = ReadStat(key, "VFAT\\ReadsSec", &r.disk.reads);
    bool writes = ReadStat(key, "VFAT\\WritesSec", &r.disk.writes);
    r.diskCountersRead = bytesRead && bytesWritten && reads && writes;
    RegCloseKey(key);
}

void ReadMemory(SamplerReadings &r) {
    MemoryFigures status = ReadMemoryStatus();
    r.memoryRead = true;
    r.physicalAvailable = static_cast<double>(status.availPhys);
    r.physicalTotal = static_cast<double>(status.totalPhys);
    r.pageFileAvailable = static_cast<double>(status.availPageFile);
    r.pageFileTotal = static_cast<double>(status.totalPageFile);
    r.virtualAvailable = static_cast<double>(status.availVirtual);
    r.virtualTotal = static_cast<double>(status.totalVirtual);
    r.memoryLoad = status.memoryLoad;
}

// Clusters of the fixed drives C to Z, stopping once as many have been found as the equipment record
// counts.
void ReadDiskSpace(SamplerReadings &r) {
    int32_t wanted = g_equipment ? g_equipment->fixedDisks : 0;
    int32_t found = 0;
    for (char letter = 'C'; letter <= 'Z' && found < wanted; ++letter) {
        char root[4] = {letter, ':', '\\', '\0'};
        if (GetDriveTypeA(root) != DRIVE_FIXED)
            continue;
        ++found;
        DWORD sectorsPerCluster, bytesPerSector, freeClusters, totalClusters;
        if (GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters)) {
            r.freeClusters += freeClusters;
            r.totalClusters += totalClusters;
        }
    }
}

uint32_t ScreenArea() {
    if (g_foreground.screenArea == 0) {
        long long area =
            static_cast<long long>(GetSystemMetrics(SM_CXSCREEN)) * GetSystemMetrics(SM_CYSCREEN);
        g_foreground.screenArea = area < 1 ? 1 : static_cast<uint32_t>(area);
    }
    return g_foreground.screenArea;
}

// Screen change, window move and task switch against the previous tick's foreground window.
void ReadForeground(SamplerReadings &r) {
    HWND window = GetForegroundWindow();
    if (!window) {
        r.screenChange = 0;
        return;
    }
    RECT rect;
    if (!GetWindowRect(window, &rect))
        SetRectEmpty(&rect);
    int32_t width = rect.right - rect.left;
    int32_t height = rect.bottom - rect.top;
    uint32_t share = WindowShare(width, height, ScreenArea());
    bool same = window == g_foreground.window;
    HDC dc = GetWindowDC(window);
    if (same) {
        uint32_t changed = 0;
        for (int i = 0; i < kScreenPoints; ++i) {
            COLORREF colour =
                dc ? GetPixel(dc, g_foreground.point[i].x, g_foreground.point[i].y) : CLR_INVALID;
            if (colour != g_foreground.colour[i])
                ++changed;
            g_foreground.colour[i] = colour;
        }
        r.screenChange = ScreenChangeValue(changed, share);
    } else {
        for (int i = 0; i < kScreenPoints; ++i) {
            POINT &p = g_foreground.point[i];
            p.x = SamplePointCoordinate(NextSampleRandom(g_foreground.randomSeed), width);
            p.y = SamplePointCoordinate(NextSampleRandom(g_foreground.randomSeed), height);
            g_foreground.colour[i] = dc ? GetPixel(dc, p.x, p.y) : CLR_INVALID;
        }
        r.screenChange = share;
    }
    if (dc)
        ReleaseDC(window, dc);
    r.windowMoved = same && !EqualRect(&rect, &g_foreground.rect);
    g_foreground.rect = rect;
    g_foreground.window = window;
    HWND topLevel = TopLevelWindow(window);
    r.taskSwitch = topLevel != g_foreground.topLevel;
    g_foreground.topLevel = topLevel;
}

// Holds the printer lock for its lifetime.
struct PrinterLockGuard {
    PrinterLockGuard() { EnterCriticalSection(&g_app.printerLock); }
    ~PrinterLockGuard() { LeaveCriticalSection(&g_app.printerLock); }
    PrinterLockGuard(const PrinterLockGuard &) = delete;
    PrinterLockGuard &operator=(const PrinterLockGuard &) = delete;
};

void AddJobPages(SamplerReadings &r, const JOB_INFO_1A *jobs, DWORD count) {
    for (DWORD i = 0; i < count && r.printJobCount < kMaxPrintJobs; ++i)
        r.printJobPages[r.printJobCount++] = static_cast<int32_t>(jobs[i].TotalPages);
}

void ReadPrinterJobs(HANDLE printer, SamplerReadings &r) {
    BYTE probe[64];
    DWORD needed = 0, returned = 0;
    EnumJobsA(printer, 0, kJobsPerPrinter, 1, probe, sizeof probe, &needed, &returned);
    if (needed == 0)
        return;
    BYTE *buffer = static_cast<BYTE *>(calloc(1, needed));
    if (!buffer)
        return;
    if (EnumJobsA(printer, 0, kJobsPerPrinter, 1, buffer, needed, &needed, &returned))
        AddJobPages(r, reinterpret_cast<const JOB_INFO_1A *>(buffer), returned);
    free(buffer);
}

void ReadPrintJobs(SamplerReadings &r) {
    PrinterLockGuard lock;
    DWORD count = 0;
    const PRINTER_INFO_2A *printers = GetPrinterList(&count);
    for (DWORD i = 0; printers && i < count; ++i) {
        const PRINTER_INFO_2A &info = printers[i];
        if (!info.pPortName || !strstr(info.pPortName, "LP") || !info.pPrinterName)
            continue;
        HANDLE printer;
        if (!OpenPrinterA(info.pPrinterName, &printer, nullptr))
            continue;
        ReadPrinterJobs(printer, r);
        ClosePrinter(printer);
    }
}

// K32EnumProcessModules (kernel32 from Windows 7 on) or EnumProcessModules (psapi.dll of NT); null
// where neither exists (Windows 95, NT 4 without PSAPI).
using EnumModulesCall = BOOL(WINAPI *)(HANDLE, HMODULE *, DWORD, DWORD *);

EnumModulesCall EnumProcessModulesCall() {
    static bool looked = false;
    static EnumModulesCall call = nullptr;
    if (!looked) {
        looked = true;
        FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), "K32EnumProcessModules");
        if (!found)
            if (HMODULE psapi = LoadLibraryA("psapi.dll"))
                found = GetProcAddress(psapi, "EnumProcessModules");
        call = reinterpret_cast<EnumModulesCall>(reinterpret_cast<void *>(found));
    }
    return call;
}

// Processes with their module counts, and threads by priority, from one snapshot of both: the system
// lists every thread whenever it lists the processes, so a second snapshot would list them all again.
void CountProcessesAndThreads(SamplerReadings &r) {
    bool processes = ToolHelpAvailable(kNeedProcesses | kNeedModules);
    bool threads = ToolHelpAvailable(kNeedThreads);
    if (!processes && !threads)
        return;
    DWORD flags = (processes ? TH32CS_SNAPPROCESS : 0) | (threads ? TH32CS_SNAPTHREAD : 0);
    HANDLE snapshot = g_toolhelp.CreateToolhelp32Snapshot(flags, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    if (processes) {
        EachProcess(snapshot, [&](const PROCESSENTRY32 &entry) {
            ++r.processes;
            r.modules += CountModulesOf(entry.th32ProcessID);
            return true;
        });
        r.processesRead = true;
    }
    if (threads) {
        EachThread(snapshot, [&](const THREADENTRY32 &entry) {
            ++r.threads;
            ++r.priorityCounts[PrioritySlot(entry.tpBasePri, entry.tpDeltaPri)];
            return true;
        });
        r.threadsRead = true;
    }
    CloseHandle(snapshot);
}

BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<uint32_t *>(counter);
    return TRUE;
}

void CountSoftware(SamplerReadings &r) {
    CountProcessesAndThreads(r);
    r.windowsRead = EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&r.windows)) != FALSE;
}

TickDate Today() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return TickDate{now.wDay, now.wMonth, now.wYear};
}

// The input counters of the interval, cleared as they are taken so that no event is lost between the
// reading and the clearing.
InputCounters TakeInputCounters() {
    auto take = [](uint32_t &counter) {
        return static_cast<uint32_t>(InterlockedExchange(reinterpret_cast<volatile LONG *>(&counter), 0));
    };
    InputCounters input;
    input.pointerActions = take(g_input.pointerActions);
    input.navigationActions = take(g_input.navigationActions);
    input.keystrokes = take(g_input.keystrokes);
    input.helpKeys = take(g_input.helpKeys);
    input.rightClicks = take(g_input.rightClicks);
    input.functionKeys = take(g_input.functionKeys);
    input.commNotifications = take(g_input.commNotifications);
    return input;
}

// Steps 2 and 4's readings, in the order of the tick.
void ReadMachine(SamplerReadings &r) {
    memset(&r, 0, sizeof r);
    if (UsingSystemCounters())
        ReadSystemCounters(r);
    else
        ReadStatistics(r);
    ReadMemory(r);
    ReadDiskSpace(r);
    ReadForeground(r);
    ReadPrintJobs(r);
    r.today = Today();
    CountSoftware(r);
}

// The open monitors, in the order of their slots.
void NotifyMonitors() {
    for (HWND window : g_monitorWindow)
        if (window && IsWindow(window))
            SendMessageA(window, g_app.newDataMessage, 0, 0);
}

} // namespace

void StartPerformanceStatistics() {
    static const char *const kServers[] = {"KERNEL", "VFAT", "VMM"};
    static const char *const kStatistics[] = {"KERNEL\\CPUUsage", "VFAT\\BReadsSec", "VFAT\\BWritesSec",
                                              "VFAT\\ReadsSec",   "VFAT\\WritesSec", "VMM\\cPageIns",
                                              "VMM\\cPageOuts"};
    QueryStartValues("PerfStats\\StartSrv", kServers, 3);
    QueryStartValues("PerfStats\\StartStat", kStatistics, 7);
    ChooseStatisticsSource();
}

void SamplerTick() {
    InitializeHistoryLock();
    InputCounters input = TakeInputCounters();
    EnterCriticalSection(&g_historyLock);
    TickKind kind = BeginSamplerTick(g_state, timeGetTime(), input, *g_history, *g_sample);
    LeaveCriticalSection(&g_historyLock);
    if (kind == TickKind::kActive) {
        ReadMachine(g_readings);
        EnterCriticalSection(&g_historyLock);
        bool saveDue = RecordSamplerTick(g_state, g_readings, input, *g_history, *g_sample);
        LeaveCriticalSection(&g_historyLock);
        if (saveDue)
            SaveHistory();
        NotifyMonitors();
    } else if (UsingSystemCounters()) {
        NoteProcessorTimes(); // the next active tick's usage covers its own second only
    }
    EndTick(g_state.clock, timeGetTime());
}

uint32_t CountModulesOf(DWORD processId) {
    EnumModulesCall enumModules = EnumProcessModulesCall();
    if (enumModules && processId != 0) {
        if (HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId)) {
            HMODULE first;
            DWORD needed = 0;
            BOOL listed = enumModules(process, &first, sizeof first, &needed);
            CloseHandle(process);
            if (listed)
                return needed / sizeof(HMODULE);
        }
    }
    uint32_t count = 0;
    if (ToolHelpAvailable(kNeedModules))
        WalkModulesOf(processId, [&](const MODULEENTRY32 &) { return ++count, true; });
    return count;
}

void ResetSampler() {
    memset(&g_state, 0, sizeof g_state);
    memset(&g_foreground, 0, sizeof g_foreground);
}

void HoldSampler(bool hold) {
    InterlockedExchange(&g_samplerHeld, hold ? 1 : 0);
}

bool SamplerHeld() {
    return InterlockedCompareExchange(&g_samplerHeld, 0, 0) != 0;
}
