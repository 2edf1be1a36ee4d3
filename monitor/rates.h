// The arithmetic of one sampler tick that needs no window types: the tick clock, the idle window,
// `percent of peak` for interval and cumulative rates, histogram slots, the date and days-seen rule
// and the save schedule. monitor/sampler_win.cpp gathers the readings and calls these.
//
// Choices made here:
// - A value that was not read (the statistics key did not open, or a value was missing from it)
//   records nothing for that tick: its histogram and sample field are left alone. A cumulative
//   counter not read also forgets its previous reading (ForgetReading), so the next reading starts
//   afresh instead of spreading two intervals' growth over one and inflating the peak for good. The
//   four disk counters go together: if any one is missing, none of the seven disk rates is recorded.
// - A CPU usage above 100 cannot come from the system; it is taken as a misreading and, like a value
//   not read, records nothing (CpuUsageSlot gives false). Other percentages are clamped to 100.
// - Thread priorities: base plus delta taken as an unsigned 32-bit sum and capped at 32, so levels
//   above 32 and negative sums both land in slot 32.
#pragma once

#include <cstddef>
#include <cstdint>

#include "monitor/performance.h"

// ---- Tick clock ----

struct TickClock {
    bool started;        // a tick has run before
    uint32_t previousMs; // multimedia clock at the end of the previous tick
    double interval;     // seconds since then, at least 1.0
};

// Step 1's timing. False on the first tick: nothing is measured and no second counted (only the time
// is remembered, by EndTick). Otherwise sets interval = (now - previous) / 1000, at least 1.0; the
// difference is taken unsigned, so a clock that wraps after 49.7 days still gives the true interval.
bool BeginTick(TickClock &clock, uint32_t nowMs);
// Step 7: the clock read again after all the work becomes the previous tick time.
void EndTick(TickClock &clock, uint32_t nowMs);

// ---- Idle window ----

constexpr int kIdleSlots = 120;

struct IdleWindow {
    uint32_t slot[kIdleSlots]; // input counts of the last 120 ticks, slot 0 the newest
};

// Shifts slots 0..118 one place up (119 is dropped) and puts this interval's keystrokes plus pointer
// actions (summed without wrapping to 0) into slot 0. True when the user is idle: slot 0 and all the
// shifted slots 1..119 are 0, that is after 120 ticks without input.
bool PushIdleWindow(IdleWindow &window, uint32_t keystrokes, uint32_t pointerActions);

// ---- Percent of peak ----

constexpr uint32_t kRateLimit = 1000000000; // a rate this high or higher is taken as nonsense

// `interval rate` of a count gathered in the interval: rate = count / interval, truncated. A rate of
// kRateLimit or more gives 0 and leaves the peak alone; with a peak of 0 the rate becomes the peak and
// the result is 0; otherwise peak = larger of peak and rate, result = rate * 100 / peak.
uint32_t IntervalRatePercent(uint32_t count, double interval, uint32_t &peak);

// `cumulative rate` of a counter that only grows. With no previous reading (0) the result is 0.
// Otherwise rate = (reading - previous, unsigned 32-bit) / interval, truncated; kRateLimit or more (a
// counter that went backwards) gives 0 and leaves the peak alone; otherwise peak = largest of peak,
// rate and 1, result = rate * 100 / peak. The reading always becomes the previous reading.
uint32_t CumulativeRatePercent(uint32_t reading, uint32_t &previous, double interval, uint32_t &peak);

// The system's cumulative processor times (NT-style systems), in any one unit; kernel time includes
// idle time.
struct ProcessorTimes {
    uint64_t idle, kernel, user;
};
// CPU usage 0..100 between two readings: the busy share of the time that passed. False when no time
// passed or a counter went back (the next reading starts afresh).
bool CpuUsageFromTimes(const ProcessorTimes &previous, const ProcessorTimes &now, uint32_t *usage);

// A cumulative counter that could not be read this tick: nothing is recorded and the next reading is
// treated as the first.
inline void ForgetReading(uint32_t &previous) {
    previous = 0;
}

// ---- Disk counters ----

struct DiskCounters { // the four VFAT counters, cumulative despite their names
    uint32_t bytesRead, bytesWritten, reads, writes;
};

struct DiskPrevious { // previous readings of the five cumulative disk measures; 0: none
    uint32_t bytesRead, bytesWritten, reads, writes, transfers;
};

struct DiskRates { // percents of peak, each 0..100
    uint32_t bytesRead, bytesWritten, reads, writes, readSize, writeSize, transfers;
};

// Integer quotient with the divisor at least 1.
uint32_t AverageSize(uint32_t bytes, uint32_t count);

// The seven disk measures of one tick, each against its own peak in history (peaks only; the caller
// records the results in the histograms).
DiskRates ComputeDiskRates(const DiskCounters &counters, DiskPrevious &previous, double interval,
                           PerformanceHistory &history);

// The disk counters were not read: nothing is recorded and every previous reading is forgotten.
void ForgetDiskReadings(DiskPrevious &previous);

// ---- Histogram slots and values ----

// CPU usage: false (record nothing) above 100.
bool CpuUsageSlot(uint32_t value, uint32_t *slot);
// Any other percentage: at most 100.
uint32_t UsageSlot(uint32_t value);
// Process, thread, window and module counts: at most 500.
uint32_t SoftwareSlot(uint32_t count);
// Thread priority: base + delta as unsigned 32-bit, at most 32 (a negative sum lands in 32).
uint32_t PrioritySlot(int32_t basePriority, int32_t deltaPriority);
// Pages of a print job: below 1 gives 0, above 100 gives 100.
uint32_t PrintPagesSlot(int64_t pages);

// Adds one count to slot value (clamped to the last slot) of a histogram of slotCount slots.
void AddToHistogram(uint32_t *histogram, int slotCount, uint32_t value);

// available * 100 / total in double arithmetic, truncated, at most 100; 0 when total is 0.
uint32_t PercentFree(double available, double total);
// Fixed-disk space free from the summed clusters: free * 100 / total (total at least 1), at most 100.
uint32_t SpaceFreePercent(uint64_t freeClusters, uint64_t totalClusters);
// Share of the screen a window covers: width * height * 100 / screen area (area at least 1), at most
// 100; 0 for an empty or inverted rectangle.
uint32_t WindowShare(int32_t width, int32_t height, uint32_t screenArea);
// Screen change of the same foreground window: changed points (of 100) * share / 100, at most 100.
uint32_t ScreenChangeValue(uint32_t changedPoints, uint32_t share);
// Display activity: 3 * n * n, plus 10 when the window moved, at most 100.
uint32_t DisplayActivity(uint32_t navigationActions, bool windowMoved);

// ---- Date and save schedule ----

struct TickDate {
    uint32_t day, month, year;
};

// Step 3 on the history: active seconds + 1.0; when the date differs from the stored one, days seen
// + 1 and the active-tick count goes back to 0, otherwise it grows by 1; the date is stored. True
// when the date changed.
bool CountActiveTick(PerformanceHistory &history, TickDate today, uint32_t &activeTicks);

constexpr uint32_t kSaveEveryActiveTicks = 1200;

// Step 5: save when the active-tick count modulo 1200 is 2 (the second active tick after a reset,
// then every 1200 active ticks).
bool HistorySaveDue(uint32_t activeTicks);
