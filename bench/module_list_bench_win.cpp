// Module List (Explore and Check) with many processes and distinct modules: the time per module
// should stay the same as both grow, i.e. the tools stay linear.
//   qv_module_list_bench_win.exe                 the benchmark
//   qv_module_list_bench_win.exe hold DIR FIRST COUNT READY QUIT
//                                                a holder: loads DIR\mFIRST.dll ... and waits
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/app_harness_win.h"
#include "bench/bench.h"
#include "platform/globals_win.h"
#include "report/report_lines.h"

namespace {

constexpr int kModulesPerProcess = 10;
constexpr int kRuns = 5;

std::string ModulePath(const std::string &folder, int index) {
    char name[32];
    snprintf(name, sizeof name, "\\m%03d.dll", index);
    return folder + name;
}

int Hold(const char *folder, int first, int count, const char *ready, const char *quit) {
    for (int i = first; i < first + count; ++i)
        if (!LoadLibraryA(ModulePath(folder, i).c_str()))
            return 1;
    HANDLE readyEvent = OpenEventA(EVENT_MODIFY_STATE, FALSE, ready);
    HANDLE quitEvent = OpenEventA(SYNCHRONIZE, FALSE, quit);
    if (!readyEvent || !quitEvent)
        return 1;
    SetEvent(readyEvent);
    WaitForSingleObject(quitEvent, 10 * 60 * 1000);
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

struct Holders {
    std::vector<HANDLE> processes;
    HANDLE quit = nullptr;
};

bool StartHolders(const std::string &folder, int count, Holders &holders) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    holders.quit = CreateEventA(nullptr, TRUE, FALSE, "qv-bench-holders-quit");
    for (int i = 0; i < count; ++i) {
        char ready[64];
        snprintf(ready, sizeof ready, "qv-bench-holder-ready-%d", i);
        HANDLE readyEvent = CreateEventA(nullptr, TRUE, FALSE, ready);
        char command[MAX_PATH * 3];
        snprintf(command, sizeof command, "\"%s\" hold \"%s\" %d %d %s qv-bench-holders-quit", self,
                 folder.c_str(), i * kModulesPerProcess, kModulesPerProcess, ready);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info;
        if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
            return false;
        CloseHandle(info.hThread);
        holders.processes.push_back(info.hProcess);
        HANDLE both[2] = {readyEvent, info.hProcess};
        DWORD woke = WaitForMultipleObjects(2, both, FALSE, 60000);
        CloseHandle(readyEvent);
        if (woke != WAIT_OBJECT_0)
            return false;
    }
    return true;
}

void StopHolders(Holders &holders) {
    SetEvent(holders.quit);
    for (HANDLE process : holders.processes) {
        if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0)
            TerminateProcess(process, 1);
        CloseHandle(process);
    }
    holders.processes.clear();
    CloseHandle(holders.quit);
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

} // namespace

int main(int argc, char **argv) {
    if (argc == 7 && strcmp(argv[1], "hold") == 0)
        return Hold(argv[2], atoi(argv[3]), atoi(argv[4]), argv[5], argv[6]);
    const int sizes[] = {10, 25, 50};
    const int most = sizes[2] * kModulesPerProcess;
    std::string folder = MakeModules(most);
    if (folder.empty() || !StartFrameInProcess()) {
        fprintf(stderr, "set-up failed\n");
        return 1;
    }
    const struct {
        int id;
        const char *name;
    } tools[] = {{2206, "Explore Module List"}, {2404, "Check Module List"}};
    double perModule[2][3] = {};
    double ms[2][3] = {};
    int lines[2][3] = {};
    for (int s = 0; s < 3; ++s) {
        Holders holders;
        bool started = StartHolders(folder, sizes[s], holders);
        for (int t = 0; started && t < 2; ++t) {
            ms[t][s] = TimeTool(tools[t].id, &lines[t][s]);
            perModule[t][s] = ms[t][s] / (sizes[s] * kModulesPerProcess);
        }
        StopHolders(holders);
        if (!started) {
            fprintf(stderr, "the holder processes did not start\n");
            RemoveModules(folder, most);
            return 1;
        }
    }
    RemoveModules(folder, most);
    for (int t = 0; t < 2; ++t) {
        BenchResult r;
        r.name = std::string(tools[t].name) + ": time per module, 50 processes / 500 modules";
        r.value = perModule[t][2];
        r.unit = "ms";
        r.baseline = "10 processes / 100 modules";
        r.baselineValue = perModule[t][0];
        r.goal = "linear: <= 1.5x baseline";
        r.met = perModule[t][0] > 0 && perModule[t][2] <= 1.5 * perModule[t][0];
        char note[200];
        snprintf(note, sizeof note,
                 "whole run %.0f / %.0f / %.0f ms at 10 / 25 / 50 processes; %d / %d / %d lines", ms[t][0],
                 ms[t][1], ms[t][2], lines[t][0], lines[t][1], lines[t][2]);
        r.note = note;
        PrintBench(r);
    }
    return 0;
}
