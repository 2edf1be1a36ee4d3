// The rules of one sampler tick: clock, idle window, percent of peak, slots, values, date and saves.
#include <gtest/gtest.h>

#include <vector>

#include "monitor/rates.h"

namespace {
using Words = std::vector<uint32_t>;

TEST(Tick, ClockOfAtLeastASecondAcrossAWrapAndIdleAfter120TicksWithoutInput) {
    TickClock clock{};
    EXPECT_FALSE(BeginTick(clock, 5000));
    EndTick(clock, 0); // a clock reading of 0 is still a previous tick
    EXPECT_TRUE(BeginTick(clock, 400) && clock.interval == 1.0);
    EndTick(clock, 0xFFFFF000u);
    ASSERT_TRUE(BeginTick(clock, 0x00000BB8u));
    EXPECT_DOUBLE_EQ(clock.interval, 7.096) << "4096 + 3000 ms later";
    // Idle after 120 ticks without input; the newest count stands in slot 0.
    IdleWindow w{};
    EXPECT_TRUE(PushIdleWindow(w, 0, 0)) << "idle until the first input";
    for (uint32_t i = 1; i <= 121; ++i)
        ASSERT_FALSE(PushIdleWindow(w, i, 0));
    EXPECT_EQ(Words({w.slot[0], w.slot[1], w.slot[119]}), Words({121, 120, 2})) << "the oldest dropped";
    ASSERT_FALSE(PushIdleWindow(w, 2, 3));
    EXPECT_EQ(w.slot[0], 5u);
    for (int tick = 1; tick <= 119; ++tick)
        ASSERT_FALSE(PushIdleWindow(w, 0, 0)) << tick;
    EXPECT_TRUE(PushIdleWindow(w, 0, 0)) << "the 120th empty tick drops the input";
    EXPECT_FALSE(PushIdleWindow(w, 0, 1)) << "one click resumes at once";
    EXPECT_FALSE(PushIdleWindow(w, 0xFFFFFFFFu, 1)) << "a huge count does not wrap to no input";
    EXPECT_EQ(w.slot[0], 0xFFFFFFFFu);
}

// Interval rates (previous unused) and cumulative rates, against the peak before and after.
TEST(Rates, PercentOfPeak) {
    const struct {
        const char *name;
        bool cumulative;
        uint32_t count, previous;
        double interval;
        uint32_t peakBefore, percent, peakAfter;
    } cases[] = {
        {"first non-zero rate sets the peak and gives 0", false, 50, 0, 1.0, 0, 0, 50},
        {"a new peak gives 100", false, 80, 0, 1.0, 50, 100, 80},
        {"rate and percent truncated", false, 10, 0, 3.0, 9, 33, 9},
        {"an interval under a second counts as one", false, 7, 0, 0.5, 14, 50, 14},
        {"a billion is nonsense", false, 1000000000, 0, 1.0, 7, 0, 7},
        {"just under a billion", false, 999999999, 0, 1.0, 7, 100, 999999999},
        {"no previous reading", true, 5000, 0, 1.0, 0, 0, 0},
        {"first growth sets the peak and gives 100", true, 1100, 1000, 1.0, 0, 100, 100},
        {"no growth keeps a peak of at least 1", true, 1000, 1000, 1.0, 0, 0, 1},
        {"counter went backwards", true, 999, 1000, 1.0, 100, 0, 100},
        {"wrap of the counter is real growth", true, 10, 0xFFFFFFF0u, 1.0, 100, 26, 100},
        {"a billion over two seconds is fine", true, 1000000001, 1, 2.0, 1000000000, 50, 1000000000}};
    for (const auto &c : cases) {
        uint32_t previous = c.previous, peak = c.peakBefore;
        uint32_t percent = c.cumulative ? CumulativeRatePercent(c.count, previous, c.interval, peak)
                                        : IntervalRatePercent(c.count, c.interval, peak);
        EXPECT_EQ(Words({percent, peak}), Words({c.percent, c.peakAfter})) << c.name;
        EXPECT_EQ(previous, c.cumulative ? c.count : c.previous) << c.name;
    }
    uint32_t previous = 1000, peak = 10;
    ForgetReading(previous);
    EXPECT_EQ(CumulativeRatePercent(900000, previous, 1.0, peak), 0u) << "a forgotten reading starts afresh";
    EXPECT_EQ(peak, 10u);
}

TEST(Rates, CpuUsageFromProcessorTimes) {
    struct Case {
        ProcessorTimes before, after;
        bool read;
        uint32_t usage;
    } const cases[] = {
        {{100, 300, 50}, {100 + 75, 300 + 100, 50}, true, 25},    // kernel time includes idle time
        {{0, 0, 0}, {0, 40, 60}, true, 100},                      // user and kernel work, no idle
        {{0, 0, 0}, {200, 200, 0}, true, 0},                      // all idle
        {{0, 0, 0}, {1, 2, 1}, true, 67},                         // rounded: 2 busy of 3
        {{0, 0, 0}, {500, 200, 100}, true, 0},                    // idle beyond the total: 0, not wrapped
        {{5, 5, 5}, {5, 5, 5}, false, 0},                         // no time passed
        {{5, 9, 5}, {6, 8, 9}, false, 0},                         // a counter went back
        {{0, 0, 0}, {~0ull / 8, ~0ull / 4, ~0ull / 4}, true, 75}, // large totals do not overflow the product
    };
    for (const Case &c : cases) {
        uint32_t usage = 12345;
        EXPECT_EQ(CpuUsageFromTimes(c.before, c.after, &usage), c.read) << c.after.kernel;
        EXPECT_EQ(usage, c.read ? c.usage : 12345u) << c.after.kernel;
    }
}

TEST(Rates, SevenDiskMeasuresWithTheirOwnPeaks) {
    PerformanceHistory h{};
    DiskPrevious previous{};
    // First reading: nothing known before; the two size rates set their peaks.
    DiskRates r = ComputeDiskRates({100000, 50000, 100, 50}, previous, 1.0, h);
    EXPECT_EQ(r.bytesRead + r.bytesWritten + r.reads + r.writes + r.readSize + r.writeSize + r.transfers, 0u);
    EXPECT_EQ(h.readSizePeak + h.writeSizePeak, 2000u);
    // A second later each rate is its own peak; then counters going backwards leave the peaks alone.
    r = ComputeDiskRates({102000, 51000, 102, 51}, previous, 1.0, h);
    EXPECT_EQ(Words({r.bytesRead, r.bytesWritten, r.reads, r.writes, r.transfers, r.readSize, r.writeSize}),
              Words(7, 100));
    r = ComputeDiskRates({10, 10, 1, 1}, previous, 1.0, h);
    EXPECT_EQ(r.bytesRead + r.reads + r.transfers, 0u);
    EXPECT_EQ(Words({h.bytesReadPeak, h.bytesWrittenPeak, h.readsPeak, h.writesPeak, h.transfersPeak}),
              Words({2000, 1000, 2, 1, 3}));
    // Divisors are at least 1, and each count adds at least 1 transfer.
    ForgetDiskReadings(previous);
    EXPECT_EQ(previous.transfers + previous.bytesRead + previous.writes, 0u);
    ComputeDiskRates({0, 0, 0, 0}, previous, 1.0, h);
    EXPECT_EQ(previous.transfers, 2u);
}

TEST(TickSlots, CapsFloorsAndValues) {
    uint32_t slot = 77;
    EXPECT_TRUE(CpuUsageSlot(100, &slot) && slot == 100);
    EXPECT_TRUE(!CpuUsageSlot(101, &slot) && slot == 100) << "a misreading records nothing";
    EXPECT_EQ(Words({UsageSlot(100), UsageSlot(250), SoftwareSlot(500), SoftwareSlot(501),
                     PrioritySlot(8, -2), PrioritySlot(31, 1), PrioritySlot(31, 15), PrioritySlot(1, -15)}),
              Words({100, 100, 500, 500, 6, 32, 32, 32}));
    EXPECT_EQ(Words({PrintPagesSlot(-3), PrintPagesSlot(0), PrintPagesSlot(1), PrintPagesSlot(100),
                     PrintPagesSlot(4000)}),
              Words({0, 0, 1, 100, 100}));
    EXPECT_EQ(Words({PercentFree(1, 3), PercentFree(5, 0), PercentFree(4e9, 4e9), SpaceFreePercent(0, 0),
                     SpaceFreePercent(5000000000ull, 10000000000ull)}),
              Words({33, 0, 100, 0, 50}));
    const uint32_t kScreen = 640 * 480;
    EXPECT_EQ(Words({WindowShare(320, 240, kScreen), WindowShare(800, 600, kScreen),
                     WindowShare(-5, 240, kScreen), WindowShare(10, -1, kScreen), WindowShare(10, 10, 0)}),
              Words({25, 100, 0, 0, 100}));
    EXPECT_EQ(Words({ScreenChangeValue(10, 50), ScreenChangeValue(3, 33), ScreenChangeValue(300, 90),
                     DisplayActivity(0, true), DisplayActivity(3, true), DisplayActivity(5, false),
                     DisplayActivity(6, false), DisplayActivity(0xFFFFFFFFu, true)}),
              Words({5, 0, 100, 10, 37, 75, 100, 100}));
    // Histograms clamp to their last slot.
    PerformanceHistory h{};
    AddToHistogram(h.priority, kPrioritySlots, 40);
    for (uint32_t value : {100u, 1000u, 0u})
        AddToHistogram(h.cpu, kUsageSlots, value);
    EXPECT_EQ(Words({h.cpu[0], h.cpu[100], h.priority[32], h.processes[0]}), Words({1, 2, 1, 0}));
}

TEST(TickDate, EachChangedFieldStartsANewDayAndResetsTheActiveCountThatSchedulesSaves) {
    PerformanceHistory h{};
    uint32_t active = 0;
    EXPECT_TRUE(CountActiveTick(h, {14, 3, 1997}, active)) << "an empty history's first tick";
    EXPECT_FALSE(CountActiveTick(h, {14, 3, 1997}, active));
    EXPECT_FALSE(CountActiveTick(h, {14, 3, 1997}, active));
    EXPECT_EQ(active, 2u);
    EXPECT_TRUE(CountActiveTick(h, {15, 3, 1997}, active));
    EXPECT_EQ(active, 0u);
    EXPECT_TRUE(CountActiveTick(h, {15, 4, 1997}, active));
    EXPECT_TRUE(CountActiveTick(h, {15, 4, 1998}, active));
    EXPECT_EQ(h.daysSeen, 4u);
    EXPECT_EQ(h.activeSeconds, 6.0f);
    EXPECT_EQ(Words({h.day, h.month, h.year}), Words({15, 4, 1998}));
    // Saves fall due on the second active tick, then every 1200.
    for (uint32_t ticks : {0u, 1u, 3u, 1200u, 1201u})
        EXPECT_FALSE(HistorySaveDue(ticks)) << ticks;
    for (uint32_t ticks : {2u, 1202u, 2402u})
        EXPECT_TRUE(HistorySaveDue(ticks)) << ticks;
}
} // namespace
