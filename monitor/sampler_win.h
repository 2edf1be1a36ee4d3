// The once-a-second sampler of the data thread: starting the system's statistics, one tick, and the
// open monitor windows that each tick notifies.
#pragma once

#include <windows.h>

#include <cstdint>

// Starts the system's performance statistics, which the sampler reads every second.
void StartPerformanceStatistics();

// One sampler tick (the data thread's timer runs it once a second).
void SamplerTick();
// The modules of one process, as many as its module snapshot lists (process id 0: this process).
// Where the system can list a process's modules without a snapshot (EnumProcessModules) that list
// is counted: it is the same loader list, read without copying every module's name and path. A
// process it refuses (no right to read it, another word size, one still starting), and every process
// on a system without it, is counted through its module snapshot; 0 without the tool-help functions.
uint32_t CountModulesOf(DWORD processId);
// Forgets the previous tick and all in-memory sampler state, as at start-up: the next tick is a first
// tick again (tests).
void ResetSampler();

// While held, the data thread's timer does not tick the sampler (window tests tick it themselves).
void HoldSampler(bool hold);
bool SamplerHeld();
