#include "monitor/sampler_tick.h"

#include <cstring>

float SampleFloat(const PerformanceSample &sample, int word) {
    float value;
    std::memcpy(&value, &sample.word[word], sizeof value);
    return value;
}

void SetSampleFloat(PerformanceSample &sample, int word, float value) {
    std::memcpy(&sample.word[word], &value, sizeof value);
}

namespace {

// Records v: one more count in its histogram slot, and the value in its sample word.
void Record(uint32_t *histogram, int slots, PerformanceSample &sample, int word, uint32_t value) {
    AddToHistogram(histogram, slots, value);
    sample.word[word] = value;
}

void RecordUsage(uint32_t *histogram, PerformanceSample &sample, int word, uint32_t value) {
    Record(histogram, kUsageSlots, sample, word, UsageSlot(value));
}

void RecordSoftware(uint32_t *histogram, PerformanceSample &sample, int word, uint32_t count) {
    Record(histogram, kSoftwareSlots, sample, word, SoftwareSlot(count));
}

void RecordMemory(SamplerState &state, const SamplerReadings &r, double interval, PerformanceHistory &h,
                  PerformanceSample &s) {
    if (r.memoryRead) {
        RecordUsage(h.physicalFree, s, kSamplePhysicalFree,
                    PercentFree(r.physicalAvailable, r.physicalTotal));
        RecordUsage(h.pageFileFree, s, kSamplePageFileFree,
                    PercentFree(r.pageFileAvailable, r.pageFileTotal));
        RecordUsage(h.virtualFree, s, kSampleVirtualFree, PercentFree(r.virtualAvailable, r.virtualTotal));
        RecordUsage(h.memoryLoad, s, kSampleMemoryLoad, r.memoryLoad);
    }
    if (r.pagingRead) {
        uint32_t paging =
            CumulativeRatePercent(r.pageIns + r.pageOuts, state.previousPaging, interval, h.pagingPeak);
        RecordUsage(h.paging, s, kSamplePaging, paging);
    } else {
        ForgetReading(state.previousPaging);
    }
}

void RecordDisks(SamplerState &state, const SamplerReadings &r, double interval, PerformanceHistory &h,
                 PerformanceSample &s) {
    RecordUsage(h.diskFree, s, kSampleDiskFree, SpaceFreePercent(r.freeClusters, r.totalClusters));
    if (!r.diskCountersRead) {
        ForgetDiskReadings(state.disk);
        return;
    }
    DiskRates rates = ComputeDiskRates(r.disk, state.disk, interval, h);
    RecordUsage(h.bytesRead, s, kSampleBytesRead, rates.bytesRead);
    RecordUsage(h.bytesWritten, s, kSampleBytesWritten, rates.bytesWritten);
    RecordUsage(h.reads, s, kSampleReads, rates.reads);
    RecordUsage(h.writes, s, kSampleWrites, rates.writes);
    RecordUsage(h.readSize, s, kSampleReadSize, rates.readSize);
    RecordUsage(h.writeSize, s, kSampleWriteSize, rates.writeSize);
    RecordUsage(h.transfers, s, kSampleTransfers, rates.transfers);
}

void RecordInput(const InputCounters &input, double interval, PerformanceHistory &h, PerformanceSample &s) {
    h.keystrokes += input.keystrokes;
    h.helpKeys += input.helpKeys;
    h.pointerActions += input.pointerActions;
    h.rightClicks += input.rightClicks;
    h.functionKeys += input.functionKeys;
    h.navigationActions += input.navigationActions;
    if (input.keystrokes != 0)
        ++h.typingSeconds;
    s.word[kSampleNavigationActions] = input.navigationActions;
    RecordUsage(h.modem, s, kSampleModem,
                IntervalRatePercent(input.commNotifications, interval, h.modemPeak));
}

void RecordDate(SamplerState &state, TickDate today, PerformanceHistory &h, PerformanceSample &s) {
    bool changed = CountActiveTick(h, today, state.activeTicks);
    SetSampleFloat(s, kSampleActiveSeconds, SampleFloat(s, kSampleActiveSeconds) + 1.0f);
    if (changed)
        ++s.word[kSampleDaysSeen];
    s.word[kSampleDay] = today.day;
    s.word[kSampleMonth] = today.month;
    s.word[kSampleYear] = today.year;
}

void RecordSoftwareCounts(const SamplerReadings &r, PerformanceHistory &h, PerformanceSample &s) {
    if (r.processesRead) {
        RecordSoftware(h.processes, s, kSampleProcesses, r.processes);
        RecordSoftware(h.modules, s, kSampleModules, r.modules);
    }
    if (r.threadsRead) {
        RecordSoftware(h.threads, s, kSampleThreads, r.threads);
        for (int slot = 0; slot < kPrioritySlots; ++slot)
            h.priority[slot] += r.priorityCounts[slot];
    }
    if (r.windowsRead)
        RecordSoftware(h.windows, s, kSampleWindows, r.windows);
}

} // namespace

TickKind BeginSamplerTick(SamplerState &state, uint32_t nowMs, const InputCounters &input,
                          PerformanceHistory &history, PerformanceSample &sample) {
    if (!BeginTick(state.clock, nowMs))
        return TickKind::kFirst;
    history.monitoredSeconds += 1.0f;
    SetSampleFloat(sample, kSampleMonitoredSeconds, SampleFloat(sample, kSampleMonitoredSeconds) + 1.0f);
    bool idle = PushIdleWindow(state.idle, input.keystrokes, input.pointerActions);
    return idle ? TickKind::kIdle : TickKind::kActive;
}

bool RecordSamplerTick(SamplerState &state, const SamplerReadings &r, const InputCounters &input,
                       PerformanceHistory &h, PerformanceSample &s) {
    double interval = state.clock.interval;
    uint32_t cpuSlot;
    if (r.cpuRead && CpuUsageSlot(r.cpuUsage, &cpuSlot))
        Record(h.cpu, kUsageSlots, s, kSampleCpu, cpuSlot);
    RecordMemory(state, r, interval, h, s);
    RecordDisks(state, r, interval, h, s);
    RecordUsage(h.screenChange, s, kSampleScreenChange, r.screenChange);
    h.windowMoves += r.windowMoved ? 1 : 0;
    s.word[kSampleWindowMoved] = r.windowMoved ? 1 : 0;
    h.taskSwitches += r.taskSwitch ? 1 : 0;
    s.word[kSampleTaskSwitch] = r.taskSwitch ? 1 : 0;
    int jobs = r.printJobCount < 0 ? 0 : (r.printJobCount > kMaxPrintJobs ? kMaxPrintJobs : r.printJobCount);
    for (int i = 0; i < jobs; ++i)
        Record(h.printPages, kUsageSlots, s, kSamplePrintPages, PrintPagesSlot(r.printJobPages[i]));
    RecordInput(input, interval, h, s);
    RecordUsage(h.displayActivity, s, kSampleDisplayActivity,
                DisplayActivity(input.navigationActions, r.windowMoved));
    RecordDate(state, r.today, h, s);
    RecordSoftwareCounts(r, h, s);
    return HistorySaveDue(state.activeTicks);
}

uint32_t NextSampleRandom(uint32_t &seed) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7FFF;
}

int32_t SamplePointCoordinate(uint32_t random, int32_t extent) {
    if (extent <= 0)
        return 0;
    return static_cast<int32_t>(static_cast<double>(random) / 32767.0 * extent);
}
