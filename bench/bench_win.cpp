#include "bench/bench_win.h"

#include <psapi.h>

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
