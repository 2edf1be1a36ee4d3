#include "bench/bench_win.h"

#include <psapi.h>

#include <cstdio>

double ProcessCpuSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    auto seconds = [](const FILETIME &t) {
        ULARGE_INTEGER v;
        v.LowPart = t.dwLowDateTime;
        v.HighPart = t.dwHighDateTime;
        return static_cast<double>(v.QuadPart) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

double CommittedPrivateBytes(HANDLE process) {
    double total = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char *at = nullptr;
         VirtualQueryEx(process, at, &region, sizeof region) == sizeof region && region.RegionSize > 0;
         at = static_cast<const char *>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += static_cast<double>(region.RegionSize);
        if (static_cast<const char *>(region.BaseAddress) + region.RegionSize < at)
            break; // wrapped round the top of the address space
    }
    return total;
}

ProcessCounters ReadProcessCounters(HANDLE process) {
    ProcessCounters counters{};
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS *>(&memory), sizeof memory))
        // Private bytes are the committed memory the page file backs; some systems fill only the
        // older field of the two.
        counters.privateBytes =
            static_cast<double>(memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage);
    counters.workingSet = static_cast<double>(memory.WorkingSetSize);
    counters.committedPrivate = CommittedPrivateBytes(process);
    counters.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    counters.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    return counters;
}

namespace {

HANDLE g_helperQuit;

DWORD WINAPI WaitForQuit(void *) {
    WaitForSingleObject(g_helperQuit, INFINITE);
    return 0;
}

} // namespace

bool StartHelperProcesses(int count, const std::function<std::string(int)> &argumentsOf,
                          HelperProcesses &helpers) {
    char quitName[64], readyName[64], self[MAX_PATH];
    snprintf(quitName, sizeof quitName, "QvBenchHelpersQuit%lu", GetCurrentProcessId());
    snprintf(readyName, sizeof readyName, "QvBenchHelpersReady%lu", GetCurrentProcessId());
    helpers.quit = CreateEventA(nullptr, TRUE, FALSE, quitName);
    HANDLE ready = CreateSemaphoreA(nullptr, 0, count, readyName);
    GetModuleFileNameA(nullptr, self, sizeof self);
    bool started = helpers.quit && ready;
    for (int i = 0; started && i < count; ++i) {
        std::string line =
            std::string("\"") + self + "\" " + argumentsOf(i) + " " + quitName + " " + readyName;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process;
        if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process))
            break;
        CloseHandle(process.hThread);
        helpers.processes.push_back(process.hProcess);
        // Ready, or ended without getting there.
        HANDLE either[2] = {ready, process.hProcess};
        started = WaitForMultipleObjects(2, either, FALSE, 60000) == WAIT_OBJECT_0;
    }
    if (ready)
        CloseHandle(ready);
    return started && static_cast<int>(helpers.processes.size()) == count;
}

void StopHelperProcesses(HelperProcesses &helpers) {
    if (helpers.quit)
        SetEvent(helpers.quit);
    for (HANDLE process : helpers.processes) {
        if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0)
            TerminateProcess(process, 1);
        CloseHandle(process);
    }
    helpers.processes.clear();
    if (helpers.quit)
        CloseHandle(helpers.quit);
    helpers.quit = nullptr;
}

HANDLE HelperReady(const char *quitName, const char *readyName, int threads) {
    g_helperQuit = OpenEventA(SYNCHRONIZE, FALSE, quitName);
    HANDLE ready = OpenSemaphoreA(SEMAPHORE_MODIFY_STATE, FALSE, readyName);
    if (!g_helperQuit || !ready)
        return nullptr;
    for (int i = 1; i < threads; ++i)
        CloseHandle(CreateThread(nullptr, 0, WaitForQuit, nullptr, 0, nullptr));
    ReleaseSemaphore(ready, 1, nullptr);
    CloseHandle(ready);
    return g_helperQuit;
}
