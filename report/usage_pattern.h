// The usage pattern of a histogram of load values (0..100 %): its spread over ten load bands, its
// class, and the interpretation report that the Bottle and Programs families write for it. No window
// types here.
#pragma once

#include <cstdint>

#include "monitor/performance.h"
#include "report/report_lines.h"

constexpr int kLoadBands = 10;
constexpr int kUsagePatterns = 7;

enum UsagePattern {
    kPatternLow = 0,
    kPatternNormal = 1,
    kPatternHigh = 2,
    kPatternOverloaded = 3,
    kPatternBalanced = 4,
    kPatternModifiedLow = 5,
    kPatternRandom = 6,
};

// The label of each band, from "0 - 10% Low" to "90 - 100% Overload".
extern const char *const kLoadBandLabel[kLoadBands];

// The share of each band in percent (truncated): band i holds slots 10i+1 .. 10i+10; slot 0 (samples
// at exactly 0 %) is left out. A histogram without samples puts 100 in the first band.
void LoadBandShares(const uint32_t histogram[kUsageSlots], int shares[kLoadBands]);
// The mirror image: slot v takes the count of slot 100 - v (a "free" measure read as "used").
void ReverseHistogram(const uint32_t histogram[kUsageSlots], uint32_t reversed[kUsageSlots]);
// A histogram of counts 0 .. slots - 1 as a percentage histogram: count c adds to slot
// c x 100 / fullScale, clamped to 0..100.
void PercentHistogram(const uint32_t *counts, int slots, int fullScale, uint32_t percent[kUsageSlots]);
// The class of a histogram's shape by its four quarter shares.
UsagePattern ClassifyUsagePattern(const uint32_t histogram[kUsageSlots]);

// "Low Usage Pattern" .. "Random Usage Pattern".
const char *UsagePatternName(UsagePattern pattern);
// The resource of the ideal histogram of the pattern (2781..2787).
int UsagePatternExample(UsagePattern pattern);

// What one family says about each pattern: five characteristics (Yes or No) and up to four
// interpretation texts, the last of which may carry a unit (" months").
constexpr int kPatternCharacteristics = 5;
constexpr int kPatternInterpretations = 4;
struct PatternReading {
    unsigned char flag[kPatternCharacteristics];
    const char *text[kPatternInterpretations];
};
struct PatternReadings {
    const char *characteristic[kPatternCharacteristics];
    const char *interpretation[kPatternInterpretations]; // null past the last
    const char *lastUnit;                                // after the last text, or null
    PatternReading row[kUsagePatterns];
};

// Appends the interpretation report of the pattern (its name, the characteristics, the interpretation
// and a closing empty line); the caller then loads the pattern's example after it.
void WritePatternReport(ReportBuffer &report, const PatternReadings &readings, UsagePattern pattern);
