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

// While held, the data thread's timer does not tick the sampler (window tests tick it themselves).
void HoldSampler(bool hold);
bool SamplerHeld();
