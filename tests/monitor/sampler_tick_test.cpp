// One sampler tick driven by scripted readings: which measure lands in which sample word and
// histogram, what an idle tick or a value not read leaves alone. The rules themselves: rates_test.cpp.
#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <set>
#include <vector>

#include "monitor/sampler_tick.h"

namespace {
using Words = std::vector<uint32_t>;

uint32_t Sum(const uint32_t *histogram, int slots = kUsageSlots) {
    return std::accumulate(histogram, histogram + slots, 0u);
}

// Pointer, navigation, keystrokes, help, right clicks, function keys, communication notifications.
constexpr InputCounters kTyping = {5, 3, 1, 1, 2, 4, 7};

struct SamplerTickTest : testing::Test {
    PerformanceHistory history{};
    SamplerReadings r{};
    PerformanceSample sample{};
    SamplerState state{};
    uint32_t nowMs = 10000;
    bool saveDue = false;

    void SetUp() override {
        r.cpuRead = r.memoryRead = r.pagingRead = r.diskCountersRead = true;
        r.processesRead = r.threadsRead = r.windowsRead = r.windowMoved = r.taskSwitch = true;
        r.cpuUsage = 37, r.memoryLoad = 61, r.screenChange = 40;
        r.physicalAvailable = 25, r.physicalTotal = 100, r.pageFileAvailable = 50, r.pageFileTotal = 200;
        r.virtualAvailable = 3, r.virtualTotal = 4;
        r.pageIns = 100, r.pageOuts = 50, r.freeClusters = 30, r.totalClusters = 120;
        r.disk = DiskCounters{4096, 2048, 8, 4};
        r.printJobCount = 3, r.printJobPages[0] = 0, r.printJobPages[1] = 250, r.printJobPages[2] = 12;
        r.today = TickDate{14, 3, 2024};
        r.processes = 12, r.modules = 600, r.threads = 3, r.windows = 9;
        r.priorityCounts[8] = 2, r.priorityCounts[32] = 1;
    }

    // One tick as the gatherer runs it, a second after the last; remembers whether a save fell due.
    TickKind Tick(const InputCounters &input = kTyping) {
        TickKind kind = BeginSamplerTick(state, nowMs, input, history, sample);
        saveDue = kind == TickKind::kActive && RecordSamplerTick(state, r, input, history, sample);
        EndTick(state.clock, nowMs += 1000);
        return kind;
    }
};

TEST_F(SamplerTickTest, TheFirstTickOnlyTakesTheTimeAnActiveTickFillsTheSampleAndEachHistogram) {
    ASSERT_EQ(Tick(), TickKind::kFirst);
    PerformanceSample zero{};
    EXPECT_TRUE(state.clock.started && memcmp(&sample, &zero, sizeof sample) == 0 &&
                history.monitoredSeconds == 0);
    ASSERT_EQ(Tick(), TickKind::kActive);
    const uint32_t kOne = 0x3F800000; // 1.0f
    const uint32_t expected[kSampleBytes / 4] = {
        kOne, kOne, 14, 3,  2024, 1,  37, 0,  0,  0, 0, 0,       // seconds, date, days seen, cpu; 7-11 unused
        40,   3,    1,  37, 25,   25, 75, 61, 0,  1, 0, 12,  0,  // screen change .. modem
        25,   0,    0,  0,  0,    0,  0,  0,  12, 3, 9, 500, 0}; // disk free .. modules; 37 unused
    for (int w = 0; w < kSampleBytes / 4; ++w)
        EXPECT_EQ(sample.word[w], expected[w]) << "sample word " << w;
    // Each measure adds one count to its histogram.
    const PerformanceHistory &h = history;
    int n = 0;
    for (const uint32_t *histogram :
         {h.cpu, h.screenChange, h.displayActivity, h.physicalFree, h.pageFileFree, h.virtualFree,
          h.memoryLoad, h.paging, h.modem, h.diskFree, h.transfers, h.bytesRead, h.bytesWritten, h.reads,
          h.writes, h.readSize, h.writeSize})
        EXPECT_EQ(Sum(histogram), 1u) << "usage histogram " << n++;
    for (const uint32_t *histogram : {h.processes, h.threads, h.windows, h.modules})
        EXPECT_EQ(Sum(histogram, kSoftwareSlots), 1u) << "software histogram " << n++;
    EXPECT_EQ(h.cpu[37] + h.virtualFree[75] + h.modules[500], 3u);
    // Every print job counts, the last one stays in the sample; the threads' priorities add up.
    EXPECT_EQ(h.printPages[0] + h.printPages[100] + h.printPages[12], 3u);
    EXPECT_EQ(h.priority[8] + h.priority[32], 3u);
    EXPECT_EQ(
        Words({h.keystrokes, h.typingSeconds, h.helpKeys, h.pointerActions, h.rightClicks, h.functionKeys,
               h.navigationActions, h.windowMoves, h.taskSwitches, h.daysSeen, h.modemPeak}),
        Words({1, 1, 1, 5, 2, 4, 3, 1, 1, 1, 7}));
}

TEST_F(SamplerTickTest, CumulativeMeasuresGrowTheThirdActiveTickSavesTwoQuietMinutesAreIdle) {
    Tick();
    Tick();
    EXPECT_FALSE(saveDue) << "a new date: the active count starts at 0";
    r.pageIns += 300;
    r.disk = DiskCounters{8192, 4096, 16, 8};
    const InputCounters click = {1, 0, 0, 0, 0, 0, 14};
    Tick(click);
    EXPECT_FALSE(saveDue);
    EXPECT_EQ(Words({sample.word[kSamplePaging], sample.word[kSampleModem], sample.word[kSampleTransfers],
                     sample.word[kSampleBytesRead], sample.word[kSampleWrites]}),
              Words(5, 100));
    EXPECT_EQ(history.typingSeconds, 1u) << "a second without keystrokes is no typing second";
    Tick(click);
    EXPECT_TRUE(saveDue);
    // After two minutes without input a tick is idle and counts only the monitored second.
    for (int i = 0; i < 119; ++i)
        ASSERT_EQ(Tick({}), TickKind::kActive) << i;
    EXPECT_EQ(Tick({}), TickKind::kIdle);
    EXPECT_EQ(history.monitoredSeconds + SampleFloat(sample, kSampleMonitoredSeconds), 246.0f);
    EXPECT_EQ(history.activeSeconds + SampleFloat(sample, kSampleActiveSeconds), 244.0f);
}

TEST_F(SamplerTickTest, ValuesNotReadRecordNothingAndForgetPreviousReadingsJobCountsAreLimited) {
    Tick();
    Tick();
    r.cpuRead = r.memoryRead = r.pagingRead = r.diskCountersRead = false;
    r.processesRead = r.threadsRead = r.windowsRead = false;
    r.printJobCount = -1;
    sample.word[kSampleCpu] = 77;
    const PerformanceHistory before = history;
    Tick();
    // Only what needs none of those readings moves on. The record's fields stand in file order, so
    // memory and paging, the disk rates with their peaks and the software counts are each one run.
    const PerformanceHistory &h = history;
    EXPECT_EQ(memcmp(h.cpu, before.cpu, sizeof h.cpu), 0);
    EXPECT_EQ(memcmp(h.physicalFree, before.physicalFree, 5 * sizeof h.physicalFree + 4), 0);
    EXPECT_EQ(memcmp(h.printPages, before.printPages, sizeof h.printPages), 0);
    EXPECT_EQ(memcmp(h.transfers, before.transfers, 7 * (sizeof h.transfers + 4)), 0);
    EXPECT_EQ(memcmp(h.processes, before.processes, 4 * sizeof h.processes + sizeof h.priority), 0);
    EXPECT_EQ(Sum(h.diskFree), 2u);
    EXPECT_EQ(sample.word[kSampleCpu], 77u);
    // The next readings have nothing to grow from: 0, not the growth of two intervals.
    r.pagingRead = r.diskCountersRead = true;
    r.pageIns += 1000;
    r.disk.bytesRead += 100000;
    Tick();
    EXPECT_EQ(sample.word[kSamplePaging] + sample.word[kSampleBytesRead], 0u);
    EXPECT_EQ(history.pagingPeak, 0u);
    // Jobs past the limit are not counted.
    r.printJobCount = kMaxPrintJobs + 60;
    Tick();
    EXPECT_EQ(Sum(history.printPages), 3u + kMaxPrintJobs);
}

TEST(SamplePoints, RandomsSpreadOverTheirRangeAndCoordinatesStayInsideTheExtent) {
    uint32_t seed = 1;
    std::set<uint32_t> seen;
    for (int i = 0; i < 1000; ++i)
        seen.insert(NextSampleRandom(seed));
    EXPECT_TRUE(seen.size() > 900 && *seen.rbegin() <= 32767) << seen.size() << " values";
    EXPECT_EQ(std::pair(SamplePointCoordinate(32767, 640), SamplePointCoordinate(1000, 0)),
              std::pair(640, 0));
}
} // namespace
