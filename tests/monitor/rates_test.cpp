// Tick arithmetic of the performance sampler: clock, idle window, percent of peak, slots, date, saves.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "monitor/rates.h"

namespace {

std::unique_ptr<PerformanceHistory> ZeroHistory() {
    auto h = std::make_unique<PerformanceHistory>();
    memset(h.get(), 0, sizeof *h);
    return h;
}

// ---- Tick clock ----

TEST(TickClock, FirstTickOnlyRemembersTheTime) {
    TickClock clock{};
    EXPECT_FALSE(BeginTick(clock, 5000));
    EndTick(clock, 5010);
    EXPECT_TRUE(BeginTick(clock, 7510));
    EXPECT_DOUBLE_EQ(clock.interval, 2.5);
}

TEST(TickClock, IntervalIsAtLeastOneSecond) {
    TickClock clock{};
    EndTick(clock, 1000);
    ASSERT_TRUE(BeginTick(clock, 1400));
    EXPECT_DOUBLE_EQ(clock.interval, 1.0);
    EndTick(clock, 0); // a clock reading of 0 is still a previous tick
    EXPECT_TRUE(BeginTick(clock, 1000));
    EXPECT_DOUBLE_EQ(clock.interval, 1.0);
}

TEST(TickClock, ClockWrapGivesTheTrueInterval) {
    TickClock clock{};
    EndTick(clock, 0xFFFFF000u);
    ASSERT_TRUE(BeginTick(clock, 0x00000BB8u)); // 4096 + 3000 ms later
    EXPECT_DOUBLE_EQ(clock.interval, 7.096);
}

// ---- Idle window ----

TEST(IdleWindow, StartsIdleUntilTheFirstInput) {
    IdleWindow w{};
    EXPECT_TRUE(PushIdleWindow(w, 0, 0));
    EXPECT_FALSE(PushIdleWindow(w, 1, 0));
    EXPECT_EQ(w.slot[0], 1u);
}

TEST(IdleWindow, IdleAfter120TicksWithoutInput) {
    IdleWindow w{};
    ASSERT_FALSE(PushIdleWindow(w, 2, 3)); // the input sits in slot 0
    EXPECT_EQ(w.slot[0], 5u);
    for (int tick = 1; tick <= 119; ++tick) {
        SCOPED_TRACE(tick);
        ASSERT_FALSE(PushIdleWindow(w, 0, 0)); // still within the window
    }
    EXPECT_EQ(w.slot[119], 5u);
    EXPECT_TRUE(PushIdleWindow(w, 0, 0)); // the 120th empty tick drops it
    EXPECT_TRUE(PushIdleWindow(w, 0, 0));
    EXPECT_FALSE(PushIdleWindow(w, 0, 1)); // one click resumes at once
}

TEST(IdleWindow, NewestInSlotZeroOldestDropped) {
    IdleWindow w{};
    for (uint32_t i = 1; i <= 121; ++i)
        PushIdleWindow(w, i, 0);
    EXPECT_EQ(w.slot[0], 121u);
    EXPECT_EQ(w.slot[1], 120u);
    EXPECT_EQ(w.slot[119], 2u);
}

TEST(IdleWindow, HugeCountsDoNotWrapToIdle) {
    IdleWindow w{};
    EXPECT_FALSE(PushIdleWindow(w, 0xFFFFFFFFu, 1));
    EXPECT_EQ(w.slot[0], 0xFFFFFFFFu);
}

// ---- Interval rate ----

struct IntervalCase {
    const char *name;
    uint32_t count;
    double interval;
    uint32_t peakBefore;
    uint32_t percent;
    uint32_t peakAfter;
};

TEST(RateInterval, PercentOfPeak) {
    const IntervalCase cases[] = {
        {"first non-zero rate sets the peak and gives 0", 50, 1.0, 0, 0, 50},
        {"zero with no peak", 0, 1.0, 0, 0, 0},
        {"half the peak", 25, 1.0, 50, 50, 50},
        {"a new peak gives 100", 80, 1.0, 50, 100, 80},
        {"rate is truncated", 10, 3.0, 9, 33, 9},   // rate 3
        {"percent is truncated", 2, 1.0, 3, 66, 3}, // 200/3
        {"zero rate", 0, 1.0, 40, 0, 40},
        {"a billion is nonsense", 1000000000, 1.0, 7, 0, 7},
        {"just under a billion", 999999999, 1.0, 7, 100, 999999999},
        {"huge over a long interval is fine", 2000000000, 4.0, 1000000000, 50, 1000000000},
        {"huge with no peak", 0xFFFFFFFFu, 1.0, 0, 0, 0},
    };
    for (const IntervalCase &c : cases) {
        SCOPED_TRACE(c.name);
        uint32_t peak = c.peakBefore;
        EXPECT_EQ(IntervalRatePercent(c.count, c.interval, peak), c.percent);
        EXPECT_EQ(peak, c.peakAfter);
    }
}

// ---- Cumulative rate ----

struct CumulativeCase {
    const char *name;
    uint32_t reading;
    uint32_t previous;
    double interval;
    uint32_t peakBefore;
    uint32_t percent;
    uint32_t peakAfter;
};

TEST(RateCumulative, PercentOfPeak) {
    const CumulativeCase cases[] = {
        {"no previous reading", 5000, 0, 1.0, 0, 0, 0},
        {"first growth sets the peak and gives 100", 1100, 1000, 1.0, 0, 100, 100},
        {"no growth keeps a peak of at least 1", 1000, 1000, 1.0, 0, 0, 1},
        {"half the peak", 1050, 1000, 1.0, 100, 50, 100},
        {"over two seconds", 1100, 1000, 2.0, 100, 50, 100},
        {"rate truncated", 1010, 1000, 3.0, 9, 33, 9},
        {"counter went backwards", 999, 1000, 1.0, 100, 0, 100},
        {"wrap of the counter is real growth", 10, 0xFFFFFFF0u, 1.0, 100, 26, 100}, // 26 / 100
        {"a billion per second is nonsense", 1000000001, 1, 1.0, 5, 0, 5},
        {"a billion over two seconds is fine", 1000000001, 1, 2.0, 1000000000, 50, 1000000000},
    };
    for (const CumulativeCase &c : cases) {
        SCOPED_TRACE(c.name);
        uint32_t previous = c.previous, peak = c.peakBefore;
        EXPECT_EQ(CumulativeRatePercent(c.reading, previous, c.interval, peak), c.percent);
        EXPECT_EQ(peak, c.peakAfter);
        EXPECT_EQ(previous, c.reading); // always becomes the previous reading
    }
}

TEST(RateCumulative, BackwardsThenForwardsStartsFromTheLowerReading) {
    uint32_t previous = 5000, peak = 100;
    EXPECT_EQ(CumulativeRatePercent(10, previous, 1.0, peak), 0u); // counter reset
    EXPECT_EQ(peak, 100u);
    EXPECT_EQ(CumulativeRatePercent(60, previous, 1.0, peak), 50u);
}

TEST(RateCumulative, ForgottenReadingStartsAfresh) {
    uint32_t previous = 1000, peak = 10;
    ForgetReading(previous);
    EXPECT_EQ(CumulativeRatePercent(900000, previous, 1.0, peak), 0u);
    EXPECT_EQ(peak, 10u);
}

// ---- Disk rates ----

TEST(RateDisk, SevenMeasuresWithTheirOwnPeaks) {
    auto h = ZeroHistory();
    DiskPrevious previous{};
    // First reading: nothing known before, the two size rates set their peaks.
    DiskRates r = ComputeDiskRates({100000, 50000, 100, 50}, previous, 1.0, *h);
    EXPECT_EQ(r.bytesRead, 0u);
    EXPECT_EQ(r.transfers, 0u);
    EXPECT_EQ(r.readSize, 0u);
    EXPECT_EQ(h->readSizePeak, 1000u);
    EXPECT_EQ(h->writeSizePeak, 1000u);
    EXPECT_EQ(previous.transfers, 150u);
    // One second later.
    r = ComputeDiskRates({104000, 51000, 104, 51}, previous, 1.0, *h);
    EXPECT_EQ(h->bytesReadPeak, 4000u);
    EXPECT_EQ(r.bytesRead, 100u);
    EXPECT_EQ(h->bytesWrittenPeak, 1000u);
    EXPECT_EQ(r.bytesWritten, 100u);
    EXPECT_EQ(h->readsPeak, 4u);
    EXPECT_EQ(h->writesPeak, 1u);
    EXPECT_EQ(r.transfers, 100u);
    EXPECT_EQ(h->transfersPeak, 5u);
    EXPECT_EQ(r.readSize, 100u); // 104000 / 104 = 1000
    EXPECT_EQ(r.writeSize, 100u);
    // Counters went backwards: all cumulative rates give 0, peaks unchanged.
    r = ComputeDiskRates({10, 10, 1, 1}, previous, 1.0, *h);
    EXPECT_EQ(r.bytesRead, 0u);
    EXPECT_EQ(r.reads, 0u);
    EXPECT_EQ(r.transfers, 0u);
    EXPECT_EQ(h->bytesReadPeak, 4000u);
    EXPECT_EQ(h->transfersPeak, 5u);
}

TEST(RateDisk, DivisorsAtLeastOne) {
    EXPECT_EQ(AverageSize(4096, 0), 4096u);
    EXPECT_EQ(AverageSize(4096, 3), 1365u);
    auto h = ZeroHistory();
    DiskPrevious previous{};
    ComputeDiskRates({0, 0, 0, 0}, previous, 1.0, *h);
    EXPECT_EQ(previous.transfers, 2u); // each count at least 1
    DiskPrevious forgotten = previous;
    ForgetDiskReadings(forgotten);
    EXPECT_EQ(forgotten.transfers, 0u);
    EXPECT_EQ(forgotten.bytesRead, 0u);
}

// ---- Slots ----

TEST(TickSlots, CpuAbove100RecordsNothing) {
    uint32_t slot = 77;
    EXPECT_TRUE(CpuUsageSlot(0, &slot));
    EXPECT_EQ(slot, 0u);
    EXPECT_TRUE(CpuUsageSlot(100, &slot));
    EXPECT_EQ(slot, 100u);
    slot = 77;
    EXPECT_FALSE(CpuUsageSlot(101, &slot));
    EXPECT_EQ(slot, 77u);
}

TEST(TickSlots, Caps) {
    EXPECT_EQ(UsageSlot(100), 100u);
    EXPECT_EQ(UsageSlot(250), 100u);
    EXPECT_EQ(SoftwareSlot(499), 499u);
    EXPECT_EQ(SoftwareSlot(500), 500u);
    EXPECT_EQ(SoftwareSlot(501), 500u);
    EXPECT_EQ(SoftwareSlot(0xFFFFFFFFu), 500u);
    EXPECT_EQ(PrintPagesSlot(-3), 0u);
    EXPECT_EQ(PrintPagesSlot(0), 0u);
    EXPECT_EQ(PrintPagesSlot(1), 1u);
    EXPECT_EQ(PrintPagesSlot(100), 100u);
    EXPECT_EQ(PrintPagesSlot(4000), 100u);
}

TEST(TickSlots, Priority) {
    EXPECT_EQ(PrioritySlot(8, 0), 8u);
    EXPECT_EQ(PrioritySlot(8, 2), 10u);
    EXPECT_EQ(PrioritySlot(8, -2), 6u);
    EXPECT_EQ(PrioritySlot(31, 1), 32u);
    EXPECT_EQ(PrioritySlot(31, 15), 32u); // above 32 is capped
    EXPECT_EQ(PrioritySlot(1, -15), 32u); // a negative sum lands in 32 too
    EXPECT_EQ(PrioritySlot(0, 0), 0u);
}

TEST(TickSlots, HistogramsClampToTheirLastSlot) {
    auto h = ZeroHistory();
    AddToHistogram(h->priority, kPrioritySlots, PrioritySlot(4, -6));
    AddToHistogram(h->processes, kSoftwareSlots, 900);
    AddToHistogram(h->cpu, kUsageSlots, 100);
    AddToHistogram(h->cpu, kUsageSlots, 1000);
    AddToHistogram(h->cpu, kUsageSlots, 0);
    EXPECT_EQ(h->priority[32], 1u);
    EXPECT_EQ(h->processes[500], 1u);
    EXPECT_EQ(h->cpu[100], 2u);
    EXPECT_EQ(h->cpu[0], 1u);
    EXPECT_EQ(h->threads[500], 0u);
}

TEST(TickSlots, Values) {
    EXPECT_EQ(PercentFree(1, 3), 33u);
    EXPECT_EQ(PercentFree(5, 0), 0u);
    EXPECT_EQ(PercentFree(4e9, 4e9), 100u);
    EXPECT_EQ(SpaceFreePercent(0, 0), 0u); // no fixed drives: slot 0
    EXPECT_EQ(SpaceFreePercent(1, 3), 33u);
    EXPECT_EQ(SpaceFreePercent(5000000000ull, 10000000000ull), 50u);
    EXPECT_EQ(WindowShare(640, 480, 640 * 480), 100u); // maximised
    EXPECT_EQ(WindowShare(800, 600, 640 * 480), 100u); // larger than the screen
    EXPECT_EQ(WindowShare(320, 240, 640 * 480), 25u);
    EXPECT_EQ(WindowShare(-5, 240, 640 * 480), 0u);
    EXPECT_EQ(WindowShare(10, 10, 0), 100u); // area at least 1
    EXPECT_EQ(ScreenChangeValue(100, 25), 25u);
    EXPECT_EQ(ScreenChangeValue(10, 50), 5u);
    EXPECT_EQ(ScreenChangeValue(3, 33), 0u);
    EXPECT_EQ(DisplayActivity(0, false), 0u);
    EXPECT_EQ(DisplayActivity(0, true), 10u);
    EXPECT_EQ(DisplayActivity(3, true), 37u);
    EXPECT_EQ(DisplayActivity(6, false), 100u);
    EXPECT_EQ(DisplayActivity(0xFFFFFFFFu, true), 100u);
}

// ---- Date, days seen and the save schedule ----

TEST(TickDate, FirstActiveTickOfAnEmptyHistoryIsANewDay) {
    auto h = ZeroHistory();
    uint32_t active = 0;
    EXPECT_TRUE(CountActiveTick(*h, {14, 3, 1997}, active));
    EXPECT_EQ(h->daysSeen, 1u);
    EXPECT_EQ(active, 0u);
    EXPECT_EQ(h->activeSeconds, 1.0f);
    EXPECT_EQ(h->day, 14u);
    EXPECT_EQ(h->month, 3u);
    EXPECT_EQ(h->year, 1997u);
}

TEST(TickDate, SameDayCountsEachOtherFieldStartsANewDay) {
    auto h = ZeroHistory();
    uint32_t active = 0;
    CountActiveTick(*h, {14, 3, 1997}, active);
    EXPECT_FALSE(CountActiveTick(*h, {14, 3, 1997}, active));
    EXPECT_FALSE(CountActiveTick(*h, {14, 3, 1997}, active));
    EXPECT_EQ(active, 2u);
    EXPECT_TRUE(CountActiveTick(*h, {15, 3, 1997}, active)); // day
    EXPECT_EQ(active, 0u);
    EXPECT_TRUE(CountActiveTick(*h, {15, 4, 1997}, active)); // month
    EXPECT_TRUE(CountActiveTick(*h, {15, 4, 1998}, active)); // year
    EXPECT_EQ(h->daysSeen, 4u);
    EXPECT_EQ(h->activeSeconds, 6.0f);
}

TEST(TickSave, SecondActiveTickThenEvery1200) {
    EXPECT_FALSE(HistorySaveDue(0));
    EXPECT_FALSE(HistorySaveDue(1));
    EXPECT_TRUE(HistorySaveDue(2));
    EXPECT_FALSE(HistorySaveDue(3));
    EXPECT_FALSE(HistorySaveDue(1201));
    EXPECT_TRUE(HistorySaveDue(1202));
    EXPECT_TRUE(HistorySaveDue(2402));
}

TEST(TickSave, ScheduleOverARunThatCrossesMidnight) {
    auto h = ZeroHistory();
    h->day = 14;
    h->month = 3;
    h->year = 1997;      // the file was last saved earlier today
    uint32_t active = 0; // every start of the program
    int saves = 0, firstSave = 0;
    for (int tick = 1; tick <= 2500; ++tick) {
        TickDate today = tick <= 1300 ? TickDate{14, 3, 1997} : TickDate{15, 3, 1997};
        CountActiveTick(*h, today, active);
        if (HistorySaveDue(active)) {
            ++saves;
            if (firstSave == 0)
                firstSave = tick;
        }
    }
    // Same day: count 1, 2 (save at tick 2), ..., 1202 (save at tick 1202). Midnight at tick 1301
    // resets to 0; then 1 at 1302 and 2 at 1303 (save), 1202 at 2503 (beyond the run).
    EXPECT_EQ(firstSave, 2);
    EXPECT_EQ(saves, 3);
    EXPECT_EQ(h->daysSeen, 1u);
}

} // namespace
