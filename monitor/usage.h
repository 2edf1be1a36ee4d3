// Usage tracking: the input counters kept by the usage hook and the main window, and sysstats.dat.
#pragma once

#include <windows.h>

struct InputCounters {
    volatile LONG commNotifications; // WM_COMMNOTIFY messages since the sampler's last tick
};

extern InputCounters g_input;

// sysstats.dat: read at start, written at exit and on a shutdown query.
void LoadHistory();
void SaveHistory();
// Counts a Windows shutdown query in the performance records.
void CountShutdownQuery();
// The keyboard and mouse usage hook.
void InstallUsageHook();
void RemoveUsageHook();
