// One sampler tick driven by scripted readings: first tick, idle and active ticks, the date, the save
// schedule and the records each measure leaves in the sample and the history.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "monitor/sampler_tick.h"

namespace {

uint32_t Sum(const uint32_t *histogram, int slots) {
    uint32_t total = 0;
    for (int i = 0; i < slots; ++i)
        total += histogram[i];
    return total;
}

std::vector<std::pair<const char *, const uint32_t *>> UsageHistograms(const PerformanceHistory &h) {
    return {{"cpu", h.cpu},
            {"screen change", h.screenChange},
            {"display activity", h.displayActivity},
            {"physical free", h.physicalFree},
            {"page file free", h.pageFileFree},
            {"virtual free", h.virtualFree},
            {"memory load", h.memoryLoad},
            {"paging", h.paging},
            {"modem", h.modem},
            {"disk free", h.diskFree},
            {"transfers", h.transfers},
            {"bytes read", h.bytesRead},
            {"bytes written", h.bytesWritten},
            {"reads", h.reads},
            {"writes", h.writes},
            {"read size", h.readSize},
            {"write size", h.writeSize}};
}

std::vector<std::pair<const char *, const uint32_t *>> SoftwareHistograms(const PerformanceHistory &h) {
    return {
        {"processes", h.processes}, {"threads", h.threads}, {"windows", h.windows}, {"modules", h.modules}};
}

struct SamplerTickTest : testing::Test {
    std::unique_ptr<PerformanceHistory> history = std::make_unique<PerformanceHistory>();
    PerformanceSample sample{};
    SamplerState state{};
    std::unique_ptr<SamplerReadings> readings = std::make_unique<SamplerReadings>();
    uint32_t nowMs = 10000;

    void SetUp() override {
        memset(history.get(), 0, sizeof *history);
        SamplerReadings &r = *readings;
        memset(&r, 0, sizeof r);
        r.cpuRead = true;
        r.cpuUsage = 37;
        r.memoryRead = true;
        r.physicalAvailable = 25;
        r.physicalTotal = 100;
        r.pageFileAvailable = 50;
        r.pageFileTotal = 200;
        r.virtualAvailable = 3;
        r.virtualTotal = 4;
        r.memoryLoad = 61;
        r.pagingRead = true;
        r.pageIns = 100;
        r.pageOuts = 50;
        r.freeClusters = 30;
        r.totalClusters = 120;
        r.diskCountersRead = true;
        r.disk = DiskCounters{4096, 2048, 8, 4};
        r.screenChange = 40;
        r.printJobCount = 0;
        r.today = TickDate{14, 3, 2024};
        r.processesRead = true;
        r.processes = 12;
        r.modules = 600;
        r.threadsRead = true;
        r.threads = 3;
        r.priorityCounts[8] = 2;
        r.priorityCounts[32] = 1;
        r.windowsRead = true;
        r.windows = 9;
    }

    // One tick as the gatherer runs it; returns its kind and whether a save fell due.
    TickKind Tick(const InputCounters &input, bool *saveDue = nullptr) {
        TickKind kind = BeginSamplerTick(state, nowMs, input, *history, sample);
        bool due = false;
        if (kind == TickKind::kActive)
            due = RecordSamplerTick(state, *readings, input, *history, sample);
        if (saveDue)
            *saveDue = due;
        nowMs += 1000;
        EndTick(state.clock, nowMs);
        return kind;
    }

    static InputCounters Typing(uint32_t keys = 1) {
        InputCounters input{};
        input.keystrokes = keys;
        return input;
    }
};

TEST_F(SamplerTickTest, FirstTickRecordsOnlyTheTime) {
    EXPECT_EQ(Tick(Typing()), TickKind::kFirst);
    EXPECT_EQ(history->monitoredSeconds, 0.0f);
    EXPECT_EQ(SampleFloat(sample, kSampleMonitoredSeconds), 0.0f);
    EXPECT_EQ(Sum(history->cpu, kUsageSlots), 0u);
    EXPECT_TRUE(state.clock.started);
}

TEST_F(SamplerTickTest, SecondTickWithInputRecordsEveryMeasureOnce) {
    Tick(Typing());
    EXPECT_EQ(Tick(Typing()), TickKind::kActive);
    for (auto [name, histogram] : UsageHistograms(*history)) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Sum(histogram, kUsageSlots), 1u);
    }
    for (auto [name, histogram] : SoftwareHistograms(*history)) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Sum(histogram, kSoftwareSlots), 1u);
    }
    EXPECT_EQ(history->cpu[37], 1u);
    EXPECT_EQ(sample.word[kSampleCpu], 37u);
    EXPECT_EQ(sample.word[kSamplePhysicalFree], 25u);
    EXPECT_EQ(sample.word[kSamplePageFileFree], 25u);
    EXPECT_EQ(sample.word[kSampleVirtualFree], 75u);
    EXPECT_EQ(sample.word[kSampleMemoryLoad], 61u);
    EXPECT_EQ(sample.word[kSampleDiskFree], 25u);
    EXPECT_EQ(sample.word[kSampleScreenChange], 40u);
    EXPECT_EQ(sample.word[kSampleProcesses], 12u);
    EXPECT_EQ(sample.word[kSampleModules], 500u) << "capped at 500";
    EXPECT_EQ(history->modules[500], 1u);
    EXPECT_EQ(sample.word[kSampleThreads], 3u);
    EXPECT_EQ(sample.word[kSampleWindows], 9u);
    EXPECT_EQ(history->priority[8], 2u);
    EXPECT_EQ(history->priority[32], 1u);
    // The first cumulative readings have no previous reading: 0.
    EXPECT_EQ(sample.word[kSamplePaging], 0u);
    EXPECT_EQ(sample.word[kSampleBytesRead], 0u);
    EXPECT_EQ(history->monitoredSeconds, 1.0f);
    EXPECT_EQ(history->activeSeconds, 1.0f);
    EXPECT_EQ(SampleFloat(sample, kSampleMonitoredSeconds), 1.0f);
    EXPECT_EQ(SampleFloat(sample, kSampleActiveSeconds), 1.0f);
    EXPECT_EQ(history->keystrokes, 1u);
    EXPECT_EQ(history->typingSeconds, 1u);
}

TEST_F(SamplerTickTest, EveryActiveTickAddsOneToEachHistogram) {
    Tick(Typing());
    for (int tick = 1; tick <= 5; ++tick) {
        readings->pageIns += 100;
        readings->disk.bytesRead += 1000;
        readings->disk.reads += 2;
        ASSERT_EQ(Tick(Typing()), TickKind::kActive);
        for (auto [name, histogram] : UsageHistograms(*history)) {
            SCOPED_TRACE(name);
            EXPECT_EQ(Sum(histogram, kUsageSlots), static_cast<uint32_t>(tick));
        }
        for (auto [name, histogram] : SoftwareHistograms(*history)) {
            SCOPED_TRACE(name);
            EXPECT_EQ(Sum(histogram, kSoftwareSlots), static_cast<uint32_t>(tick));
        }
        EXPECT_EQ(Sum(history->priority, kPrioritySlots), 3u * tick);
    }
    EXPECT_EQ(history->pagingPeak, 100u);
    EXPECT_EQ(sample.word[kSamplePaging], 100u);
    EXPECT_EQ(history->activeSeconds, 5.0f);
}

TEST_F(SamplerTickTest, IdleAfter120TicksWithoutInputCountsOnlyMonitoredSeconds) {
    Tick(Typing());
    ASSERT_EQ(Tick(Typing()), TickKind::kActive);
    InputCounters none{};
    for (int i = 0; i < 119; ++i)
        ASSERT_EQ(Tick(none), TickKind::kActive) << "tick " << i;
    uint32_t cpuCount = Sum(history->cpu, kUsageSlots);
    float active = history->activeSeconds;
    PerformanceSample before = sample;
    EXPECT_EQ(Tick(none), TickKind::kIdle);
    EXPECT_EQ(Sum(history->cpu, kUsageSlots), cpuCount);
    EXPECT_EQ(history->activeSeconds, active);
    EXPECT_EQ(history->monitoredSeconds, 121.0f);
    EXPECT_EQ(SampleFloat(sample, kSampleMonitoredSeconds), 121.0f);
    for (int w = 0; w < kSampleBytes / 4; ++w) {
        if (w != kSampleMonitoredSeconds) {
            EXPECT_EQ(sample.word[w], before.word[w]) << "word " << w;
        }
    }
    // One click resumes on the next tick.
    InputCounters click{};
    click.pointerActions = 1;
    EXPECT_EQ(Tick(click), TickKind::kActive);
    EXPECT_EQ(Sum(history->cpu, kUsageSlots), cpuCount + 1);
}

TEST_F(SamplerTickTest, NewDateAddsADaySeenAndRestartsTheActiveCount) {
    Tick(Typing());
    Tick(Typing());
    EXPECT_EQ(history->daysSeen, 1u);
    EXPECT_EQ(sample.word[kSampleDaysSeen], 1u);
    EXPECT_EQ(state.activeTicks, 0u);
    Tick(Typing());
    Tick(Typing());
    EXPECT_EQ(history->daysSeen, 1u);
    EXPECT_EQ(state.activeTicks, 2u);
    readings->today = TickDate{15, 3, 2024};
    Tick(Typing());
    EXPECT_EQ(history->daysSeen, 2u);
    EXPECT_EQ(sample.word[kSampleDaysSeen], 2u);
    EXPECT_EQ(sample.word[kSampleDay], 15u);
    EXPECT_EQ(sample.word[kSampleMonth], 3u);
    EXPECT_EQ(sample.word[kSampleYear], 2024u);
    EXPECT_EQ(history->day, 15u);
    EXPECT_EQ(state.activeTicks, 0u);
}

TEST_F(SamplerTickTest, SaveFallsDueOnTheSecondActiveTickThenEvery1200) {
    Tick(Typing());
    std::vector<int> due;
    for (int tick = 1; tick <= 2500; ++tick) {
        bool saveDue;
        Tick(Typing(), &saveDue);
        if (saveDue)
            due.push_back(tick);
    }
    // Tick 1 changes the date (count 0); count 2 is tick 3.
    EXPECT_EQ(due, (std::vector<int>{3, 1203, 2403}));
}

TEST_F(SamplerTickTest, StatisticsNotReadRecordNothingAndForgetPreviousReadings) {
    Tick(Typing());
    Tick(Typing());
    readings->cpuRead = false;
    readings->pagingRead = false;
    readings->diskCountersRead = false;
    sample.word[kSampleCpu] = 77;
    Tick(Typing());
    EXPECT_EQ(Sum(history->cpu, kUsageSlots), 1u);
    EXPECT_EQ(Sum(history->paging, kUsageSlots), 1u);
    EXPECT_EQ(Sum(history->bytesRead, kUsageSlots), 1u);
    EXPECT_EQ(Sum(history->transfers, kUsageSlots), 1u);
    EXPECT_EQ(Sum(history->diskFree, kUsageSlots), 2u) << "space free is still measured";
    EXPECT_EQ(sample.word[kSampleCpu], 77u);
    EXPECT_EQ(state.previousPaging, 0u);
    EXPECT_EQ(state.disk.bytesRead, 0u);
}

TEST_F(SamplerTickTest, CpuAbove100RecordsNothing) {
    Tick(Typing());
    readings->cpuUsage = 101;
    Tick(Typing());
    EXPECT_EQ(Sum(history->cpu, kUsageSlots), 0u);
}

TEST_F(SamplerTickTest, InputTotalsModemAndDisplayActivity) {
    Tick(Typing());
    InputCounters input{};
    input.keystrokes = 0;
    input.pointerActions = 5;
    input.navigationActions = 3;
    input.helpKeys = 1;
    input.rightClicks = 2;
    input.functionKeys = 4;
    input.commNotifications = 7;
    readings->windowMoved = true;
    readings->taskSwitch = true;
    Tick(input);
    EXPECT_EQ(history->pointerActions, 5u);
    EXPECT_EQ(history->navigationActions, 3u);
    EXPECT_EQ(history->helpKeys, 1u);
    EXPECT_EQ(history->rightClicks, 2u);
    EXPECT_EQ(history->functionKeys, 4u);
    EXPECT_EQ(history->typingSeconds, 0u) << "no keystroke in the interval";
    EXPECT_EQ(sample.word[kSampleNavigationActions], 3u);
    EXPECT_EQ(sample.word[kSampleDisplayActivity], 37u) << "3 * 3 * 3 + 10";
    EXPECT_EQ(history->displayActivity[37], 1u);
    EXPECT_EQ(history->modemPeak, 7u) << "first rate becomes the peak";
    EXPECT_EQ(sample.word[kSampleModem], 0u);
    EXPECT_EQ(history->windowMoves, 1u);
    EXPECT_EQ(history->taskSwitches, 1u);
    EXPECT_EQ(sample.word[kSampleWindowMoved], 1u);
    EXPECT_EQ(sample.word[kSampleTaskSwitch], 1u);
}

TEST_F(SamplerTickTest, PrintJobsEachAddACountAndTheLastStaysInTheSample) {
    Tick(Typing());
    readings->printJobCount = 3;
    readings->printJobPages[0] = 0;
    readings->printJobPages[1] = 250;
    readings->printJobPages[2] = 12;
    Tick(Typing());
    EXPECT_EQ(history->printPages[0], 1u);
    EXPECT_EQ(history->printPages[100], 1u);
    EXPECT_EQ(history->printPages[12], 1u);
    EXPECT_EQ(sample.word[kSamplePrintPages], 12u);
}

TEST_F(SamplerTickTest, SampleRandomStaysInRangeAndCoordinatesInsideTheExtent) {
    uint32_t seed = 0;
    for (int i = 0; i < 1000; ++i) {
        uint32_t r = NextSampleRandom(seed);
        ASSERT_LE(r, 32767u);
        int32_t x = SamplePointCoordinate(r, 640);
        ASSERT_GE(x, 0);
        ASSERT_LE(x, 640);
    }
    EXPECT_EQ(SamplePointCoordinate(32767, 640), 640);
    EXPECT_EQ(SamplePointCoordinate(0, 640), 0);
    EXPECT_EQ(SamplePointCoordinate(1000, 0), 0);
}

} // namespace
