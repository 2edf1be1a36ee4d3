// The Bottle tools' arithmetic: which histogram each tool reads, the seven main components' mean
// loads and wait times, and what each usage pattern means for the hardware. No window types here.
#pragma once

#include <cstddef>
#include <cstdint>

#include "monitor/performance.h"
#include "report/usage_pattern.h"

// The histogram of a histogram tool (2703..2720), reversed where the tool reads a "free" or "size"
// measure as "used" or "small". False, out untouched, for any other command.
bool BottleHistogram(const PerformanceHistory &history, int command, uint32_t out[kUsageSlots]);

// The seven main components, in the order their windows list them.
constexpr int kComponents = 7;
extern const char *const kComponentName[kComponents];
const uint32_t *ComponentHistogram(const PerformanceHistory &history, int component);

// Each component's share of the sum of the seven mean loads, in percent (truncated).
void OverallBars(const PerformanceHistory &history, int bars[kComponents]);

// The time spent waiting on each component: a second sampled at v % load is v/100 of a second of
// waiting.
struct WaitTimes {
    double seconds[kComponents];
    double total;
    int bar[kComponents]; // share of the total, percent
    int percent;          // of the active time, 0 while there is none
};
double WaitSeconds(const uint32_t histogram[kUsageSlots]);
WaitTimes ComputeWaitTimes(const PerformanceHistory &history);
// Seconds as days, hours and minutes: "%.2d:%.2d:%.2d" (90061 seconds is "01:01:01").
void FormatWaitTime(double seconds, char *out, size_t size);

// What each usage pattern says about the hardware.
extern const PatternReadings kBottleReadings;
