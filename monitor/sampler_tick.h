// One sampler tick without window types: the gatherer (monitor/sampler_win.cpp) takes this tick's
// readings into a plain record and these functions store them in the sample and the history, in the
// order of the tick. The foreground window's state (points, rectangle, top-level window) stays with
// the gatherer, which hands over only the resulting screen change, window move and task switch.
#pragma once

#include <cstdint>

#include "monitor/input_counting.h"
#include "monitor/performance.h"
#include "monitor/rates.h"

// Sample words, in the order of the sample's fields.
enum SampleWord : int {
    kSampleMonitoredSeconds = 0,
    kSampleActiveSeconds = 1,
    kSampleDay = 2,
    kSampleMonth = 3,
    kSampleYear = 4,
    kSampleDaysSeen = 5,
    kSampleCpu = 6,
    kSampleScreenChange = 12,
    kSampleNavigationActions = 13,
    kSampleWindowMoved = 14,
    kSampleDisplayActivity = 15,
    kSamplePhysicalFree = 16,
    kSamplePageFileFree = 17,
    kSampleVirtualFree = 18,
    kSampleMemoryLoad = 19,
    kSamplePaging = 20,
    kSampleTaskSwitch = 21,
    kSampleShutdownQueries = 22, // mirrors the history's shutdown-query count
    kSamplePrintPages = 23,
    kSampleModem = 24,
    kSampleDiskFree = 25,
    kSampleTransfers = 26,
    kSampleBytesRead = 27,
    kSampleBytesWritten = 28,
    kSampleReads = 29,
    kSampleWrites = 30,
    kSampleReadSize = 31,
    kSampleWriteSize = 32,
    kSampleProcesses = 33,
    kSampleThreads = 34,
    kSampleWindows = 35,
    kSampleModules = 36,
};

// The float fields of the sample (monitored and active seconds) as their bits.
float SampleFloat(const PerformanceSample &sample, int word);
void SetSampleFloat(PerformanceSample &sample, int word, float value);

// Jobs of one tick beyond this many are not counted (20 jobs a printer: 12 printers' worth).
constexpr int kMaxPrintJobs = 240;

// What the gatherer read in one active tick. A flag that is false means the value was not read and
// its measure records nothing this tick.
struct SamplerReadings {
    bool cpuRead;
    uint32_t cpuUsage; // KERNEL\CPUUsage

    bool memoryRead;
    double physicalAvailable, physicalTotal;
    double pageFileAvailable, pageFileTotal;
    double virtualAvailable, virtualTotal;
    uint32_t memoryLoad;

    bool pagingRead;
    uint32_t pageIns, pageOuts; // VMM\cPageIns, VMM\cPageOuts

    uint64_t freeClusters, totalClusters; // summed over the fixed drives found
    bool diskCountersRead;                // all four VFAT counters
    DiskCounters disk;

    uint32_t screenChange; // already combined with the window's share of the screen
    bool windowMoved;
    bool taskSwitch;

    int printJobCount;
    int64_t printJobPages[kMaxPrintJobs]; // total pages of each job seen, in queue order

    TickDate today; // UTC

    bool processesRead; // processes and modules
    uint32_t processes, modules;
    bool threadsRead;
    uint32_t threads;
    uint32_t priorityCounts[kPrioritySlots]; // threads of this tick by priority slot
    bool windowsRead;
    uint32_t windows;
};

// Sampler state kept only in memory; zero at start-up.
struct SamplerState {
    TickClock clock;
    IdleWindow idle;
    uint32_t activeTicks;    // active ticks since the date last changed
    uint32_t previousPaging; // cumulative page-ins plus page-outs; 0: none
    DiskPrevious disk;
};

enum class TickKind {
    kFirst, // the first tick: only the time is remembered
    kIdle,  // no input for 120 ticks: only the monitored second is counted
    kActive // measure, record, date, software counts, save, notify
};

// Step 1: the clock, the monitored second in both records and the idle window fed with this
// interval's input. On kActive the gatherer reads the machine and calls RecordSamplerTick; in every
// case it clears the input counters and, after all the work, calls EndTick(state.clock, now).
TickKind BeginSamplerTick(SamplerState &state, uint32_t nowMs, const InputCounters &input,
                          PerformanceHistory &history, PerformanceSample &sample);

// Steps 2 to 4 of an active tick: every measure in its order, the input totals, the date and the
// software counts. True when the history is due to be saved (step 5).
bool RecordSamplerTick(SamplerState &state, const SamplerReadings &readings, const InputCounters &input,
                       PerformanceHistory &history, PerformanceSample &sample);

// Screen sample points: a random number 0..32767 from a seed the caller keeps, and the coordinate
// random / 32767 * extent, truncated.
uint32_t NextSampleRandom(uint32_t &seed);
int32_t SamplePointCoordinate(uint32_t random, int32_t extent);
