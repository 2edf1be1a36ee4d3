// The once-a-second sampler of the data thread: starting the system's statistics, one tick, and the
// open monitor windows that each tick notifies.
#pragma once

#include <windows.h>

// Starts the system's performance statistics, which the sampler reads every second.
void StartPerformanceStatistics();

// One sampler tick (the data thread's timer runs it once a second).
void SamplerTick();
// Forgets the previous tick and all in-memory sampler state, as at start-up: the next tick is a first
// tick again (tests).
void ResetSampler();

constexpr int kMaxMonitorWindows = 6;
// Monitor windows receive the new-data message after every active tick, in the order they were
// registered. A window registers when it opens and unregisters when it is destroyed; registering a
// seventh window, or one already registered, does nothing.
void RegisterMonitorWindow(HWND window);
void UnregisterMonitorWindow(HWND window);
