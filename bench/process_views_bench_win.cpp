// The views of what is running (Module List, Process List, Priority List, Window List) with many
// processes, modules, threads and windows: the time per item must stay the same as they grow (the
// tools stay linear), and the Window List must stay near a plain enumeration of the same windows.
//   qv_process_views_bench_win.exe          the benchmark
//   qv_process_views_bench_win.exe hold DIR FIRST MODULES QUIT READY
//                                           a holder: loads DIR\mFIRST.dll ..., makes its windows and
//                                           threads, says it is ready and waits (bench_win.h)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/app_harness_win.h"
#include "bench/bench.h"
#include "bench/bench_win.h"
#include "platform/globals_win.h"
#include "report/report_lines.h"

namespace {

constexpr int kRuns = 5;
constexpr int kThreadsPerHolder = 10; // its main thread and nine waiting ones
constexpr int kWindowsPerHolder = 35;

std::string ModulePath(const std::string &folder, int index) {
    char name[32];
    snprintf(name, sizeof name, "\\m%03d.dll", index);
    return folder + name;
}

int Hold(const char *folder, int first, int modules, const char *quitName, const char *readyName) {
    for (int i = first; i < first + modules; ++i)
        if (!LoadLibraryA(ModulePath(folder, i).c_str()))
            return 1;
    for (int i = 0; i < kWindowsPerHolder; ++i) {
        char caption[32];
        snprintf(caption, sizeof caption, "Holder window %d", i);
        // Never shown: a top-level window that the window list finds, without drawing anything.
        CreateWindowExA(0, "STATIC", caption, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    HANDLE quit = HelperReady(quitName, readyName, kThreadsPerHolder);
    if (!quit)
        return 1;
    // The windows belong to this thread: answer their messages until told to quit.
    while (MsgWaitForMultipleObjects(1, &quit, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    return 0;
}

std::string ProgramFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    char *slash = strrchr(path, '\\');
    if (slash)
        *slash = 0;
    return path;
}

// Copies of the library as m000.dll ... in a folder of their own.
std::string MakeModules(int count) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "qv-bench-modules";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string source = ProgramFolder() + "\\qv_bench_module.dll";
    for (int i = 0; i < count; ++i)
        if (!CopyFileA(source.c_str(), ModulePath(folder, i).c_str(), FALSE))
            return std::string();
    return folder;
}

void RemoveModules(const std::string &folder, int count) {
    for (int i = 0; i < count; ++i)
        DeleteFileA(ModulePath(folder, i).c_str());
    RemoveDirectoryA(folder.c_str());
}

// Starts count holders; the first moduleHolders of them load ten distinct modules each.
bool StartHolders(const std::string &folder, int count, int moduleHolders, HelperProcesses &holders) {
    return StartHelperProcesses(
        count,
        [&](int i) {
            char arguments[MAX_PATH + 40];
            snprintf(arguments, sizeof arguments, "hold \"%s\" %d %d", folder.c_str(), i * 10,
                     i < moduleHolders ? 10 : 0);
            return std::string(arguments);
        },
        holders);
}

// Median wall time of one tool run, in milliseconds, and the lines it wrote.
double TimeTool(int tool, int *lines) {
    double ms = MedianOf(kRuns, [&] {
        double start = WallSeconds();
        RunToolAndPaint(tool);
        return (WallSeconds() - start) * 1000;
    });
    *lines = g_report->count;
    return ms;
}

// The plain enumeration: every top-level window and the facts the Window List shows of it, with no
// process names and no report.
BOOL CALLBACK ReadWindowFacts(HWND window, LPARAM count) {
    char text[257];
    GetWindowTextA(window, text, 256);
    DWORD processId;
    GetWindowThreadProcessId(window, &processId);
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    volatile LONG style = GetWindowLongA(window, GWL_STYLE);
    (void)style;
    volatile BOOL states = IsIconic(window) + IsZoomed(window) + IsWindowVisible(window);
    (void)states;
    ++*reinterpret_cast<int *>(count);
    return TRUE;
}

struct Scenario {
    int holders, moduleHolders;
    double ms[4];
    int lines[4];
    double plainWindowsMs;
    int windows;
};

const struct {
    int id;
    const char *name;
    const char *unit; // what the time is divided by
} kTools[] = {{2206, "Explore Module List", "module"},
              {2212, "Process List", "process"},
              {2211, "Priority List", "process"},
              {2218, "Window List", "window"}};

double Units(const Scenario &s, int tool) {
    return tool == 0 ? s.moduleHolders * 10.0 : s.holders;
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 7 && strcmp(argv[1], "hold") == 0)
        return Hold(argv[2], atoi(argv[3]), atoi(argv[4]), argv[5], argv[6]);
    Scenario scenarios[2] = {{10, 10, {}, {}, 0, 0}, {100, 50, {}, {}, 0, 0}};
    const int modules = 500;
    std::string folder = MakeModules(modules);
    if (folder.empty() || !StartFrameInProcess()) {
        fprintf(stderr, "set-up failed\n");
        return 1;
    }
    for (Scenario &s : scenarios) {
        HelperProcesses holders;
        bool started = StartHolders(folder, s.holders, s.moduleHolders, holders);
        for (int t = 0; started && t < 4; ++t)
            s.ms[t] = TimeTool(kTools[t].id, &s.lines[t]);
        s.plainWindowsMs = MedianOf(kRuns, [&] {
            s.windows = 0;
            double start = WallSeconds();
            EnumWindows(ReadWindowFacts, reinterpret_cast<LPARAM>(&s.windows));
            return (WallSeconds() - start) * 1000;
        });
        StopHelperProcesses(holders);
        if (!started) {
            fprintf(stderr, "the holder processes did not start\n");
            RemoveModules(folder, modules);
            return 1;
        }
    }
    RemoveModules(folder, modules);
    const Scenario &small = scenarios[0], &large = scenarios[1];
    for (int t = 0; t < 3; ++t) { // the Window List stops at a full report: compared below instead
        BenchResult r;
        char text[240];
        snprintf(text, sizeof text, "%s: time per %s, %d processes, %.0f modules, %d windows", kTools[t].name,
                 kTools[t].unit, large.holders, Units(large, 0), large.windows);
        r.name = text;
        r.value = large.ms[t] / Units(large, t);
        r.unit = "ms";
        snprintf(text, sizeof text, "the same with %d processes", small.holders);
        r.baseline = text;
        r.baselineValue = small.ms[t] / Units(small, t);
        r.goal = "linear: <= 1.5x baseline";
        r.met = r.baselineValue > 0 && r.value <= 1.5 * r.baselineValue;
        snprintf(text, sizeof text, "whole run %.0f ms (%d lines) and %.0f ms (%d lines)", large.ms[t],
                 large.lines[t], small.ms[t], small.lines[t]);
        r.note = text;
        PrintBench(r);
    }
    BenchResult plain;
    char text[200];
    snprintf(text, sizeof text, "Window List of %d top-level windows", large.windows);
    plain.name = text;
    plain.value = large.ms[3];
    plain.unit = "ms";
    plain.baseline = "plain enumeration reading the same facts";
    plain.baselineValue = large.plainWindowsMs;
    plain.goal = "<= 2x baseline";
    plain.met = plain.value <= 2 * plain.baselineValue;
    snprintf(
        text, sizeof text,
        "the report names each window's process and stops when full (%d lines); the plain enumeration reads "
        "every window",
        large.lines[3]);
    plain.note = text;
    PrintBench(plain);
    return 0;
}
