// The Windows side of the benchmarks: the process's own CPU time and memory counters, read the way
// the program would read them on Windows (not Wine's process size).
#pragma once

#include <windows.h>

// User plus kernel time of a process, in seconds (the current one by default).
double ProcessCpuSeconds(HANDLE process = GetCurrentProcess());

// The process's own counters: private bytes, GDI and USER objects.
struct ProcessCounters {
    double privateBytes;
    double workingSet;
    double committedPrivate; // committed private regions, summed from VirtualQueryEx
    unsigned gdiObjects;
    unsigned userObjects;
};
// The committed private memory of a process, region by region: what Windows counts as private bytes,
// whatever the memory counters of the system fill in.
double CommittedPrivateBytes(HANDLE process);

ProcessCounters ReadProcessCounters(HANDLE process = GetCurrentProcess());
