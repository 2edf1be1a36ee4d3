// Tick arithmetic of the performance sampler.
#include "monitor/rates.h"

#include <algorithm>

namespace {

// count / interval truncated; the interval is never below one second, so the rate never exceeds count.
uint32_t RatePerSecond(uint32_t count, double interval) {
    if (!(interval >= 1.0))
        interval = 1.0;
    return static_cast<uint32_t>(static_cast<double>(count) / interval);
}

uint32_t PercentOfPeak(uint32_t rate, uint32_t peak) {
    return static_cast<uint32_t>(static_cast<uint64_t>(rate) * 100 / peak);
}

} // namespace

bool BeginTick(TickClock &clock, uint32_t nowMs) {
    if (!clock.started)
        return false;
    double interval = static_cast<double>(nowMs - clock.previousMs) / 1000.0;
    clock.interval = interval < 1.0 ? 1.0 : interval;
    return true;
}

void EndTick(TickClock &clock, uint32_t nowMs) {
    clock.started = true;
    clock.previousMs = nowMs;
}

bool PushIdleWindow(IdleWindow &window, uint32_t keystrokes, uint32_t pointerActions) {
    bool earlierInput = false;
    for (int i = kIdleSlots - 1; i > 0; --i) {
        window.slot[i] = window.slot[i - 1];
        if (window.slot[i] != 0)
            earlierInput = true;
    }
    uint32_t inputs = keystrokes + pointerActions;
    if (inputs < keystrokes) // never let a huge count wrap to "no input"
        inputs = UINT32_MAX;
    window.slot[0] = inputs;
    return inputs == 0 && !earlierInput;
}

uint32_t IntervalRatePercent(uint32_t count, double interval, uint32_t &peak) {
    uint32_t rate = RatePerSecond(count, interval);
    if (rate >= kRateLimit)
        return 0;
    if (peak == 0) {
        peak = rate;
        return 0;
    }
    peak = std::max(peak, rate);
    return PercentOfPeak(rate, peak);
}

uint32_t CumulativeRatePercent(uint32_t reading, uint32_t &previous, double interval, uint32_t &peak) {
    uint32_t before = previous;
    previous = reading;
    if (before == 0)
        return 0;
    uint32_t rate = RatePerSecond(reading - before, interval);
    if (rate >= kRateLimit)
        return 0;
    peak = std::max({peak, rate, 1u});
    return PercentOfPeak(rate, peak);
}

uint32_t AverageSize(uint32_t bytes, uint32_t count) {
    return bytes / std::max(count, 1u);
}

DiskRates ComputeDiskRates(const DiskCounters &c, DiskPrevious &previous, double interval,
                           PerformanceHistory &history) {
    DiskRates r{};
    r.bytesRead = CumulativeRatePercent(c.bytesRead, previous.bytesRead, interval, history.bytesReadPeak);
    r.bytesWritten =
        CumulativeRatePercent(c.bytesWritten, previous.bytesWritten, interval, history.bytesWrittenPeak);
    r.reads = CumulativeRatePercent(c.reads, previous.reads, interval, history.readsPeak);
    r.writes = CumulativeRatePercent(c.writes, previous.writes, interval, history.writesPeak);
    r.readSize = IntervalRatePercent(AverageSize(c.bytesRead, c.reads), interval, history.readSizePeak);
    r.writeSize = IntervalRatePercent(AverageSize(c.bytesWritten, c.writes), interval, history.writeSizePeak);
    uint32_t transfers = std::max(c.reads, 1u) + std::max(c.writes, 1u);
    r.transfers = CumulativeRatePercent(transfers, previous.transfers, interval, history.transfersPeak);
    return r;
}

void ForgetDiskReadings(DiskPrevious &previous) {
    previous = DiskPrevious{};
}

bool CpuUsageFromTimes(const ProcessorTimes &previous, const ProcessorTimes &now, uint32_t *usage) {
    if (now.idle < previous.idle || now.kernel < previous.kernel || now.user < previous.user)
        return false;
    uint64_t idle = now.idle - previous.idle;
    uint64_t total = (now.kernel - previous.kernel) + (now.user - previous.user);
    if (total == 0)
        return false;
    uint64_t busy = total > idle ? total - idle : 0;
    *usage = static_cast<uint32_t>(static_cast<double>(busy) * 100.0 / static_cast<double>(total) + 0.5);
    return true;
}

bool CpuUsageSlot(uint32_t value, uint32_t *slot) {
    if (value > 100)
        return false;
    *slot = value;
    return true;
}

uint32_t UsageSlot(uint32_t value) {
    return std::min(value, 100u);
}

uint32_t SoftwareSlot(uint32_t count) {
    return std::min(count, 500u);
}

uint32_t PrioritySlot(int32_t basePriority, int32_t deltaPriority) {
    uint32_t sum = static_cast<uint32_t>(basePriority) + static_cast<uint32_t>(deltaPriority);
    return std::min(sum, 32u);
}

uint32_t PrintPagesSlot(int64_t pages) {
    if (pages < 1)
        return 0;
    return pages > 100 ? 100u : static_cast<uint32_t>(pages);
}

void AddToHistogram(uint32_t *histogram, int slotCount, uint32_t value) {
    uint32_t last = static_cast<uint32_t>(slotCount - 1);
    ++histogram[std::min(value, last)];
}

uint32_t PercentFree(double available, double total) {
    if (!(total > 0.0) || !(available > 0.0))
        return 0;
    double percent = available * 100.0 / total;
    return percent >= 100.0 ? 100u : static_cast<uint32_t>(percent);
}

uint32_t SpaceFreePercent(uint64_t freeClusters, uint64_t totalClusters) {
    uint64_t total = std::max<uint64_t>(totalClusters, 1);
    uint64_t free = std::min(freeClusters, total);
    return static_cast<uint32_t>(free * 100 / total);
}

uint32_t WindowShare(int32_t width, int32_t height, uint32_t screenArea) {
    if (width <= 0 || height <= 0)
        return 0;
    uint64_t area = static_cast<uint64_t>(width) * static_cast<uint64_t>(height);
    uint64_t share = area * 100 / std::max(screenArea, 1u);
    return static_cast<uint32_t>(std::min<uint64_t>(share, 100));
}

uint32_t ScreenChangeValue(uint32_t changedPoints, uint32_t share) {
    uint64_t value = static_cast<uint64_t>(changedPoints) * share / 100;
    return static_cast<uint32_t>(std::min<uint64_t>(value, 100));
}

uint32_t DisplayActivity(uint32_t navigationActions, bool windowMoved) {
    uint64_t n = navigationActions;
    uint64_t value = 3 * n * n + (windowMoved ? 10 : 0);
    return static_cast<uint32_t>(std::min<uint64_t>(value, 100));
}

bool CountActiveTick(PerformanceHistory &history, TickDate today, uint32_t &activeTicks) {
    history.activeSeconds += 1.0f;
    bool changed = today.day != history.day || today.month != history.month || today.year != history.year;
    if (changed) {
        ++history.daysSeen;
        activeTicks = 0;
    } else {
        ++activeTicks;
    }
    history.day = today.day;
    history.month = today.month;
    history.year = today.year;
    return changed;
}

bool HistorySaveDue(uint32_t activeTicks) {
    return activeTicks % kSaveEveryActiveTicks == 2;
}
