// The measured stages on the real system.
#pragma once

#include <windows.h>

#include "inventory/measurements.h"

// The measured half of "Get All Equipment": every stage on the real system, into *g_equipment.
void RunMeasuredStages(HWND main);

// The system as the stages see it; tests replace single entries.
MeasurePlatform WindowsMeasurePlatform();
// The timing loop itself: 20,479 rounds of fourteen 16-bit divisions (x86 only).
void RunTimingLoop();
// The ten runs of the timer at real-time priority; the priority class is restored afterwards.
uint32_t MeasureBestLoopTime(const LoopTimer &timer);
