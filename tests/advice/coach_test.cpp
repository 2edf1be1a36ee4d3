// Coach scores from crafted histories, the disk ages and the bar's clamping.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "advice/coach.h"

namespace {

TEST(Coach, ScoresFromTheHistory) {
    auto h = std::make_unique<PerformanceHistory>();
    h->keystrokes = 60000;
    h->activeSeconds = 3600;
    h->monitoredSeconds = 14400;
    h->pointerActions = 20000; // a quarter of 80,000 actions
    h->helpKeys = 30;
    h->functionKeys = 100;
    h->rightClicks = 50;
    h->taskSwitches = 47;
    h->processes[10] = 4; // ten programs, three threads each
    h->threads[30] = 4;
    h->cpu[40] = 1;
    h->memoryLoad[70] = 1;
    h->physicalFree[24] = 1;
    h->printPages[50] = 1;
    struct Row {
        int index;
        long score;
    } rows[] = {
        {1, 2},    // Drag: 2.5 tenths of the input
        {2, 47},   // Duration: 470 / 10
        {3, 86},   // Efficiency: 100 - (40 + 24 + 50) / 8
        {4, 5},    // Expertise: 150 / 30
        {5, 7},    // Integration: 47 mod 10
        {6, 0},    // Paper Trail: 400 / 3600
        {7, 3},    // Preference: 10 - 7.5 tenths
        {8, -7},   // Program Power: 30 / 10 - 10, signed
        {9, 0},    // Training Benefit: 30 per 60,000 keystrokes is 0 per thousand
        {10, 200}, // Typing Rate: 60,000 x 60 / (3600 x 5)
        {11, 70},  // Urgency: the memory load
        {12, 2},   // Utilization: a quarter of the time
        {13, 0},   // no such tool
    };
    for (const Row &r : rows)
        EXPECT_EQ(CoachScore(*h, r.index), r.score) << "tool " << r.index;
    h->helpKeys = 90; // 1.5 per thousand
    EXPECT_EQ(CoachScore(*h, 9), 1);
}

TEST(Coach, EmptyHistoryDividesByOne) {
    auto h = std::make_unique<PerformanceHistory>();
    h->taskSwitches = 3;
    h->threads[4] = 1;
    h->keystrokes = 10;
    EXPECT_EQ(CoachScore(*h, 2), 30);   // no processes counted: divided by one
    EXPECT_EQ(CoachScore(*h, 5), 0);    // 3 mod 1
    EXPECT_EQ(CoachScore(*h, 8), -6);   // 4 / 1 - 10
    EXPECT_EQ(CoachScore(*h, 10), 120); // 600 / (1 x 5), the seconds raised to one
    EXPECT_EQ(CoachScore(*h, 3), 100);  // nothing loaded
    EXPECT_EQ(CoachScore(*h, 7), 0);    // all typed: the Keyboard end
    h->keystrokes = 0;
    EXPECT_EQ(CoachScore(*h, 7), 10);
}

TEST(Coach, DiskAgesAndTheirScore) {
    struct Row {
        int year, month, age;
    } rows[] = {{2026, 12, 0}, {2027, 1, 0},   {2026, 11, 1}, {2025, 12, 12},
                {2025, 1, 23}, {2024, 12, 23}, {1980, 1, 23}};
    for (const Row &r : rows)
        EXPECT_EQ(DiskAgeInMonths(2026, 12, r.year, r.month), r.age) << r.year << "-" << r.month;
    EXPECT_EQ(DiskAgeInMonths(2027, 1, 2026, 12), 1);
    uint32_t counts[kDiskAgeMonths] = {};
    EXPECT_EQ(DiskEfficiencyScore(counts), 10);
    counts[23] = 5;
    EXPECT_EQ(DiskEfficiencyScore(counts), 1);
    counts[0] = 10; // mean 115 / 15 = 7
    EXPECT_EQ(DiskEfficiencyScore(counts), 3);
    counts[0] = 25; // mean 115 / 30 = 3
    EXPECT_EQ(DiskEfficiencyScore(counts), 7);
}

TEST(Coach, ShownScores) {
    EXPECT_EQ(std::vector<int>({ShownScore(-10), ShownScore(0), ShownScore(9), ShownScore(15)}),
              std::vector<int>({1, 1, 9, 9}));
}

} // namespace
