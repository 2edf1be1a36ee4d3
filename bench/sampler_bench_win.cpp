// The sampler's cost on a busy machine: 100 sleeping processes of 10 threads each (copies of this
// program started with /sleeper). First the CPU time of one SamplerTick() in this process against the
// bare Win32 queries whose results a tick needs; then the whole program, quorvex.exe started beside
// this one, sampling (one key press at the start makes the user active for the next 120 seconds) but
// otherwise left alone for a minute.
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>
#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/frame_win.h"
#include "bench/bench.h"
#include "bench/bench_win.h"
#include "inventory/equipment.h"
#include "monitor/performance.h"
#include "monitor/sampler_win.h"
#include "monitor/usage_win.h"
#include "platform/globals_win.h"
#include "platform/printers_win.h"
#include "platform/utilities_win.h"

namespace {

constexpr int kSleepers = 100;
constexpr int kThreadsPerSleeper = 10;
constexpr int kRuns = 6;
constexpr int kTicksPerRun = 5;
constexpr int kWindows = 3;            // the program's minute, in windows of
constexpr DWORD kWindowMs = 20 * 1000; // twenty seconds each
const char kBenchClass[] = "QUORVEX_BENCH";

// ---- Sleepers: copies of this program with ten threads each, waiting to be ended ----

std::string SleeperArguments(int) {
    return "/sleeper";
}

int RunSleeper(const char *quitName, const char *readyName) {
    HANDLE quit = HelperReady(quitName, readyName, kThreadsPerSleeper);
    if (!quit)
        return 1;
    WaitForSingleObject(quit, INFINITE);
    return 0;
}

// ---- sysstats.dat beside the programs: the runs below save it; it is put back afterwards ----

struct SavedFile {
    bool existed;
    std::vector<char> bytes;
};

SavedFile KeepFile(const char *path) {
    SavedFile saved = {false, {}};
    if (FILE *f = fopen(path, "rb")) {
        saved.existed = true;
        char chunk[4096];
        for (size_t n; (n = fread(chunk, 1, sizeof chunk, f)) > 0;)
            saved.bytes.insert(saved.bytes.end(), chunk, chunk + n);
        fclose(f);
    }
    return saved;
}

void RestoreFile(const char *path, const SavedFile &saved) {
    if (!saved.existed) {
        if (!DeleteFileA(path) && GetLastError() != ERROR_FILE_NOT_FOUND)
            fprintf(stderr, "%s was not removed (error %lu)\n", path, GetLastError());
        return;
    }
    if (FILE *f = fopen(path, "wb")) {
        fwrite(saved.bytes.data(), 1, saved.bytes.size(), f);
        fclose(f);
    }
}

uint32_t HistoryWord(const char *path, long offset) {
    uint32_t value = 0;
    if (FILE *f = fopen(path, "rb")) {
        if (fseek(f, offset, SEEK_SET) != 0 || fread(&value, sizeof value, 1, f) != 1)
            value = 0;
        fclose(f);
    }
    return value;
}

// ---- The baseline: what a tick has to ask the system, with nothing kept or counted around it ----

BOOL CALLBACK CountTopLevel(HWND, LPARAM count) {
    ++*reinterpret_cast<int *>(count);
    return TRUE;
}

volatile unsigned g_sink; // keeps the results alive

void BaselineQueriesWith(bool modules) {
    FILETIME idle, kernel, user;
    GetSystemTimes(&idle, &kernel, &user);
    MEMORYSTATUSEX memory = {};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatusEx(&memory);
    int fixed = 0;
    for (char letter = 'C'; letter <= 'Z' && fixed < g_equipment->fixedDisks; ++letter) {
        char root[4] = {letter, ':', '\\', '\0'};
        DWORD a, b, c, d;
        if (GetDriveTypeA(root) == DRIVE_FIXED && ++fixed)
            GetDiskFreeSpaceA(root, &a, &b, &c, &d);
    }
    // The foreground window, its rectangle, its top-level window and 100 of its pixels (one at a time:
    // cheaper here than copying the window out in one block).
    HWND window = GetForegroundWindow();
    RECT rect = {};
    GetWindowRect(window, &rect);
    g_sink = g_sink + (TopLevelWindow(window) != nullptr);
    HDC dc = GetWindowDC(window);
    for (int i = 0; i < 100; ++i)
        g_sink =
            g_sink + GetPixel(dc, i * (rect.right - rect.left) / 100, i * (rect.bottom - rect.top) / 100);
    ReleaseDC(window, dc);
    // Print queues of the local printers on LPT ports.
    DWORD count = 0;
    const PRINTER_INFO_2A *printers = GetPrinterList(&count);
    for (DWORD i = 0; i < count; ++i) {
        HANDLE printer;
        if (printers[i].pPortName && strstr(printers[i].pPortName, "LP") &&
            OpenPrinterA(printers[i].pPrinterName, &printer, nullptr)) {
            BYTE jobs[4096];
            DWORD needed, returned;
            EnumJobsA(printer, 0, 20, 1, jobs, sizeof jobs, &needed, &returned);
            ClosePrinter(printer);
        }
    }
    // Processes with their module counts (the loader list of each), threads, top-level windows.
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS | TH32CS_SNAPTHREAD, 0);
    PROCESSENTRY32 process = {};
    process.dwSize = sizeof process;
    for (BOOL more = Process32First(snapshot, &process); more; more = Process32Next(snapshot, &process)) {
        g_sink = g_sink + 1;
        HANDLE handle =
            modules ? OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process.th32ProcessID)
                    : nullptr;
        HMODULE first;
        DWORD needed = 0;
        if (handle && EnumProcessModules(handle, &first, sizeof first, &needed))
            g_sink = g_sink + needed;
        if (handle)
            CloseHandle(handle);
    }
    THREADENTRY32 thread = {};
    thread.dwSize = sizeof thread;
    for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread))
        g_sink = g_sink + static_cast<unsigned>(thread.tpBasePri);
    CloseHandle(snapshot);
    int windows = 0;
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    SYSTEMTIME now;
    GetSystemTime(&now);
    g_sink = g_sink + windows + now.wDay;
}

void BaselineQueries() {
    BaselineQueriesWith(true);
}
void BaselineWithoutModules() {
    BaselineQueriesWith(false);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// CPU milliseconds per call over one run of ticks.
double CpuMsPerTick(void (*work)()) {
    double start = ProcessCpuSeconds();
    for (int i = 0; i < kTicksPerRun; ++i) {
        work();
        PumpMessages();
    }
    return (ProcessCpuSeconds() - start) * 1000.0 / kTicksPerRun;
}

void ActiveTick() {
    g_input.keystrokes = 1; // the user is at the keyboard: every tick measures
    SamplerTick();
}

// The frame as the program sets it up before its data thread starts, with this program's main window
// in the foreground; the sampler is ticked here instead of on a data thread.
void SetUpFrame() {
    g_app.instance = GetModuleHandleA(nullptr);
    g_app.headless = true; // a failed save goes to standard error, not a message box
    g_app.newDataMessage = RegisterWindowMessageA("NEWDATAREADY");
    g_app.monitorActiveMessage = RegisterWindowMessageA("MONITORACTIVE");
    RegisterMainClass(kBenchClass);
    CreateMainWindow(kBenchClass, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    InitializeStage();
    InitializeHistoryLock();
    StartPerformanceStatistics();
    InitializeCriticalSection(&g_app.printerLock);
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        char root[4] = {letter, ':', '\\', '\0'};
        if (GetDriveTypeA(root) == DRIVE_FIXED)
            ++g_equipment->fixedDisks;
    }
    SetForegroundWindow(g_app.main);
    PumpMessages();
}

void MeasureTick() {
    SetUpFrame();
    for (int i = 0; i < 3; ++i) // the first tick, and the save on the second active one
        ActiveTick();
    std::vector<double> ticks, baselines, withoutModules;
    // Runs alternate which goes first, so that a drift of the machine's load falls on both alike.
    for (int run = 0; run < kRuns; ++run) {
        if (run % 2)
            baselines.push_back(CpuMsPerTick(BaselineQueries));
        ticks.push_back(CpuMsPerTick(ActiveTick));
        if (run % 2 == 0)
            baselines.push_back(CpuMsPerTick(BaselineQueries));
        withoutModules.push_back(CpuMsPerTick(BaselineWithoutModules));
    }
    DWORD foregroundOwner = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &foregroundOwner);
    for (int run = 0; run < kRuns; ++run) // for the log: how far the runs spread
        fprintf(stderr, "run %d: tick %.1f ms, queries %.1f ms, without the module counts %.1f ms%s\n", run,
                ticks[run], baselines[run], withoutModules[run],
                foregroundOwner == GetCurrentProcessId() ? ""
                                                         : " (the foreground window is another program's)");
    double wallStart = WallSeconds();
    ActiveTick();
    double wallMs = (WallSeconds() - wallStart) * 1000.0;
    BenchResult r;
    r.name = "sampler tick (CPU time)";
    r.value = Median(ticks);
    r.unit = "ms";
    r.baseline = "the tick's system queries alone";
    r.baselineValue = Median(baselines);
    r.goal = "<= 1.5x baseline";
    r.met = r.value <= 1.5 * r.baselineValue;
    char note[400];
    snprintf(note, sizeof note,
             "%d runs of %d active ticks; %d sleeping processes of %d threads; this program's main window "
             "in the foreground; one tick took %.0f ms of wall time; the queries without the module "
             "counts take %.1f ms",
             kRuns, kTicksPerRun, kSleepers, kThreadsPerSleeper, wallMs, Median(withoutModules));
    r.note = note;
    PrintBench(r);
    DestroyWindow(g_app.main);
    PumpMessages();
}

// ---- The whole program ----
// Under Wine another process's times come back as those of its first thread only, which sleeps in
// its message loop. The Linux process that runs the Windows process has them all in /proc, which
// Wine lets a program read through \\?\unix\. That process is found by its name and by the Wine
// prefix in its environment (other Wine prefixes on the machine may run programs of the same name).

std::string ReadUnixFile(const std::string &path) {
    std::string text, name = "\\\\?\\unix" + path;
    for (char &c : name)
        c = c == '/' ? '\\' : c;
    HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return text;
    char chunk[4096];
    for (DWORD n; ReadFile(file, chunk, sizeof chunk, &n, nullptr) && n > 0;)
        text.append(chunk, n);
    CloseHandle(file);
    return text;
}

// The Linux process of that name in this Wine prefix; 0 when there is none or more than one.
int FindUnixProcess(const char *name) {
    char prefix[MAX_PATH] = "";
    GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
    std::string wanted = std::string("WINEPREFIX=") + prefix + '\0';
    int found = 0, count = 0;
    WIN32_FIND_DATAA entry;
    HANDLE list = FindFirstFileA("\\\\?\\unix\\proc\\*", &entry);
    if (list == INVALID_HANDLE_VALUE)
        return 0;
    do {
        int pid = atoi(entry.cFileName);
        if (pid <= 0 || ReadUnixFile("/proc/" + std::to_string(pid) + "/comm") != std::string(name) + "\n")
            continue;
        if (prefix[0] &&
            ReadUnixFile("/proc/" + std::to_string(pid) + "/environ").find(wanted) == std::string::npos)
            continue;
        found = pid;
        ++count;
    } while (FindNextFileA(list, &entry));
    FindClose(list);
    return count == 1 ? found : 0;
}

// User plus system time of a Linux process (fields 14 and 15 of its stat line, in 1/100 s); -1 when
// it cannot be read.
double UnixCpuSeconds(int pid) {
    std::string stat = ReadUnixFile("/proc/" + std::to_string(pid) + "/stat");
    size_t field = stat.rfind(')');
    if (field == std::string::npos)
        return -1;
    unsigned long long user = 0, system = 0;
    if (sscanf(stat.c_str() + field + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &user,
               &system) != 2)
        return -1;
    return static_cast<double>(user + system) / 100.0;
}

void PressKey(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}

HWND WaitForWindow(const char *className, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(100))
        if (HWND window = FindWindowA(className, nullptr))
            return window;
    return nullptr;
}

void MeasureProgram(const char *historyPath) {
    BenchResult r;
    r.name = "whole program, active user, no input (CPU of one core)";
    r.unit = "%";
    r.goal = "<= 0.5 %";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program;
    char line[] = "quorvex.exe";
    if (!CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &program)) {
        r.note = "quorvex.exe did not start";
        PrintBench(r);
        return;
    }
    HWND main = WaitForWindow(kMainClass, 30000);
    bool ready = main && WaitForWindow("QXDynamic", 60000);
    uint32_t keystrokesBefore = HistoryWord(historyPath, 428);
    std::vector<double> percents, reported, server;
    int unixProgram = 0, unixServer = 0;
    if (ready) {
        Sleep(3000); // start-up settles
        unixProgram = FindUnixProcess("quorvex.exe");
        unixServer = FindUnixProcess("wineserver64");
        if (!unixServer)
            unixServer = FindUnixProcess("wineserver");
        SetForegroundWindow(main);
        PressKey(VK_SHIFT);
        Sleep(2000);
        for (int i = 0; i < kWindows; ++i) {
            double wall = WallSeconds(), cpu = ProcessCpuSeconds(program.hProcess);
            double unixCpu = unixProgram ? UnixCpuSeconds(unixProgram) : -1;
            double serverCpu = unixServer ? UnixCpuSeconds(unixServer) : -1;
            Sleep(kWindowMs);
            double seconds = WallSeconds() - wall;
            reported.push_back((ProcessCpuSeconds(program.hProcess) - cpu) * 100.0 / seconds);
            if (unixCpu >= 0)
                percents.push_back((UnixCpuSeconds(unixProgram) - unixCpu) * 100.0 / seconds);
            if (serverCpu >= 0)
                server.push_back((UnixCpuSeconds(unixServer) - serverCpu) * 100.0 / seconds);
        }
    }
    bool fromUnix = !percents.empty();
    if (!fromUnix)
        percents = reported;
    if (main)
        PostMessageA(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(program.hProcess, 15000) != WAIT_OBJECT_0)
        TerminateProcess(program.hProcess, 1);
    CloseHandle(program.hProcess);
    CloseHandle(program.hThread);
    // The save at exit shows whether the key press reached the program and the user counted as active.
    uint32_t keystrokes = HistoryWord(historyPath, 428) - keystrokesBefore;
    r.value = Median(percents);
    r.met = ready && keystrokes > 0 && r.value <= 0.5;
    char note[600];
    snprintf(note, sizeof note,
             "median of %d windows of %lu s; CPU time of %s (the system's process times say %.3f %%); "
             "the Wine server meanwhile %.2f %%; %d sleeping processes of %d threads; key presses the "
             "program counted: %u%s",
             kWindows, kWindowMs / 1000,
             fromUnix ? "the Linux process running quorvex.exe, from /proc" : "the quorvex process",
             Median(reported), server.empty() ? -1.0 : Median(server), kSleepers, kThreadsPerSleeper,
             keystrokes, ready ? "" : "; the program did not come up");
    r.note = note;
    PrintBench(r);
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 4 && strcmp(argv[1], "/sleeper") == 0)
        return RunSleeper(argv[2], argv[3]);
    char historyPath[MAX_PATH];
    GetModuleFileNameA(nullptr, historyPath, sizeof historyPath);
    if (char *slash = strrchr(historyPath, '\\'))
        strcpy(slash + 1, "sysstats.dat");
    SavedFile history = KeepFile(historyPath);
    HelperProcesses sleepers;
    if (!StartHelperProcesses(kSleepers, SleeperArguments, sleepers))
        fprintf(stderr, "only %zu of %d sleepers started\n", sleepers.processes.size(), kSleepers);
    MeasureTick();
    // The program would greet a missing history with a message box: give it an empty one.
    RestoreFile(historyPath,
                history.existed ? history : SavedFile{true, std::vector<char>(sizeof(PerformanceHistory))});
    MeasureProgram(historyPath);
    StopHelperProcesses(sleepers);
    RestoreFile(historyPath, history);
    return 0;
}
