// Load bands, the usage pattern classes and the interpretation report.
#include <gtest/gtest.h>

#include <vector>

#include "advice/bottle.h"
#include "report/usage_pattern.h"
#include "tests/report_buffer_helpers.h"

namespace {

struct Histogram {
    uint32_t slot[kUsageSlots] = {};
    Histogram(std::initializer_list<std::pair<int, uint32_t>> counts) {
        for (auto [value, count] : counts)
            slot[value] += count;
    }
};

TEST(UsagePattern, ClassesFollowTheQuarterRulesInOrder) {
    struct Case {
        const char *what;
        Histogram h;
        UsagePattern expected;
    } cases[] = {
        {"empty", {}, kPatternLow},
        {"only zeros", {{0, 50}}, kPatternLow},
        {"all at 100", {{100, 7}}, kPatternOverloaded},
        {"all at 60", {{60, 7}}, kPatternHigh},
        {"all at 30", {{30, 7}}, kPatternNormal},
        {"ten at 5..95",
         {{5, 1}, {15, 1}, {25, 1}, {35, 1}, {45, 1}, {55, 1}, {65, 1}, {75, 1}, {85, 1}, {95, 1}},
         kPatternRandom},
        {"quarters of 25%",
         {{24, 1}, {25, 1}, {49, 1}, {50, 1}, {74, 1}, {75, 1}, {100, 1}, {1, 1}},
         kPatternBalanced},
        {"70/25", {{10, 70}, {40, 5}, {90, 25}}, kPatternModifiedLow},
        {"70/10", {{10, 70}, {40, 20}, {90, 10}}, kPatternLow},
        {"q4 exactly 0.2", {{10, 70}, {40, 10}, {90, 20}}, kPatternRandom},
        {"q4 just over half", {{75, 51}, {74, 49}}, kPatternOverloaded},
        {"q4 exactly half", {{75, 50}, {74, 50}}, kPatternRandom},
        {"q1 exactly half", {{24, 50}, {25, 50}}, kPatternRandom},
        {"a quarter at 0.3 is not balanced", {{1, 30}, {30, 30}, {60, 20}, {80, 20}}, kPatternRandom},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ClassifyUsagePattern(c.h.slot), c.expected) << c.what;
}

TEST(UsagePattern, BandsShareTheSamplesAboveZero) {
    struct Case {
        Histogram h;
        std::vector<int> shares;
    } cases[] = {
        {{}, {100, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {{{0, 9}}, {100, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {{{0, 9}, {1, 1}, {10, 1}, {11, 1}}, {66, 33, 0, 0, 0, 0, 0, 0, 0, 0}},
        {{{20, 1}, {21, 1}, {91, 1}, {100, 1}}, {0, 25, 25, 0, 0, 0, 0, 0, 0, 50}},
    };
    for (const Case &c : cases) {
        int shares[kLoadBands];
        LoadBandShares(c.h.slot, shares);
        EXPECT_EQ(std::vector<int>(shares, shares + kLoadBands), c.shares);
    }
}

TEST(UsagePattern, PercentHistogramScalesCountsToTheFullScale) {
    uint32_t counts[kSoftwareSlots] = {};
    counts[25] = 3;  // 25 processes of 50: slot 50
    counts[49] = 1;  // 98
    counts[75] = 2;  // past the full scale: 100
    counts[500] = 1; // 100
    uint32_t percent[kUsageSlots];
    PercentHistogram(counts, kSoftwareSlots, 50, percent);
    EXPECT_EQ(percent[50], 3u);
    EXPECT_EQ(percent[98], 1u);
    EXPECT_EQ(percent[100], 3u);
    EXPECT_EQ(percent[0], 0u);
}

TEST(UsagePattern, InterpretationReport) {
    auto report = NewReport();
    WritePatternReport(*report, kBottleReadings, kPatternHigh);
    EXPECT_EQ(ReportText(*report), "\006Pattern\n\003High Usage Pattern\n\n\006Characteristics\n"
                                   "Delays noticeable\t\003Yes\nSlows related hardware\t\003Yes\n"
                                   "Slows entire PC\t\003Yes\nBoosts related hardware\t\003No\n"
                                   "Boosts entire computer\t\003No\n\n\006Interpretation\n"
                                   "Hardware suitablity\t\003Fair\nBoost suggestion impact\t\003High\n"
                                   "Estimated remaining life\t\00312 - 24 months\n\n");
    EXPECT_EQ(UsagePatternExample(kPatternRandom), 2787);
}

} // namespace
