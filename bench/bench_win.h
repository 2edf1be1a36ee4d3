// The Windows side of the benchmarks: the process's own CPU time and memory counters, read the way
// the program would read them on Windows (not Wine's process size).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

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

// ---- Helper processes: copies of the benchmark program that make a busy machine ----

struct HelperProcesses {
    std::vector<HANDLE> processes;
    HANDLE quit = nullptr;
};

// Starts count copies of this program, copy i with the arguments argumentsOf(i) followed by the names
// of the quit event and the ready semaphore; waits until each has called HelperReady. False when one
// could not be started or did not get ready (those started are in helpers, to be stopped).
bool StartHelperProcesses(int count, const std::function<std::string(int)> &argumentsOf,
                          HelperProcesses &helpers);
// Sets the quit event and waits for every copy to end (ending those that do not).
void StopHelperProcesses(HelperProcesses &helpers);

// In a copy: starts threads - 1 threads that wait for the quit event, says it is ready, and returns
// the quit event (null when the names are not those of the benchmark's objects).
HANDLE HelperReady(const char *quitName, const char *readyName, int threads);
