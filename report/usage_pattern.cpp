// The usage pattern of a load histogram: bands, class and interpretation report.
#include "report/usage_pattern.h"

#include <cstring>

const char *const kLoadBandLabel[kLoadBands] = {
    "0 - 10% Low", "10 - 20%",      "20 - 30%", "30 - 40% Normal", "40 - 50%",
    "50 - 60%",    "60 - 70% High", "70 - 80%", "80 - 90%",        "90 - 100% Overload"};

namespace {

double SumOf(const uint32_t *histogram, int first, int last) {
    double sum = 0;
    for (int v = first; v <= last; ++v)
        sum += histogram[v];
    return sum;
}

struct PatternInfo {
    const char *name;
    int example;
};
const PatternInfo kPatterns[kUsagePatterns] = {
    {"Low Usage Pattern", 2781},      {"Normal Usage Pattern", 2782},
    {"High Usage Pattern", 2783},     {"Overloaded Usage Pattern", 2784},
    {"Balanced Usage Pattern", 2785}, {"Modified Low Usage Pattern", 2786},
    {"Random Usage Pattern", 2787}};

} // namespace

void LoadBandShares(const uint32_t histogram[kUsageSlots], int shares[kLoadBands]) {
    double total = SumOf(histogram, 1, 100);
    for (int i = 0; i < kLoadBands; ++i)
        shares[i] = total > 0 ? static_cast<int>(SumOf(histogram, 10 * i + 1, 10 * i + 10) * 100 / total) : 0;
    if (total <= 0)
        shares[0] = 100;
}

void ReverseHistogram(const uint32_t histogram[kUsageSlots], uint32_t reversed[kUsageSlots]) {
    for (int v = 0; v < kUsageSlots; ++v)
        reversed[v] = histogram[100 - v];
}

void PercentHistogram(const uint32_t *counts, int slots, int fullScale, uint32_t percent[kUsageSlots]) {
    memset(percent, 0, kUsageSlots * sizeof percent[0]);
    for (int c = 0; c < slots; ++c) {
        double p = fullScale > 0 ? c * 100.0 / fullScale : 100.0;
        int slot = p >= 100 ? 100 : static_cast<int>(p);
        // Counts from a damaged file never wrap round to a small number.
        percent[slot] = counts[c] > UINT32_MAX - percent[slot] ? UINT32_MAX : percent[slot] + counts[c];
    }
}

UsagePattern ClassifyUsagePattern(const uint32_t histogram[kUsageSlots]) {
    double quarter[4] = {SumOf(histogram, 1, 24), SumOf(histogram, 25, 49), SumOf(histogram, 50, 74),
                         SumOf(histogram, 75, 100)};
    double total = quarter[0] + quarter[1] + quarter[2] + quarter[3];
    if (total < 1)
        total = 1;
    // The shares of the quarters compared as whole counts (share > 0.5 is 2 x count > total): exact
    // for any count, where a quotient compared with 0.2 can land either side of it with the
    // processor's extended precision.
    auto above = [&](double count, int numerator, int denominator) {
        return count * denominator > total * numerator;
    };
    auto below = [&](double count, int numerator, int denominator) {
        return count * denominator < total * numerator;
    };
    double q1 = quarter[0], q2 = quarter[1], q3 = quarter[2], q4 = quarter[3];
    // Each later rule that matches overrides the earlier ones.
    UsagePattern pattern = kPatternRandom;
    if (q1 == 0 && q2 == 0 && q3 == 0 && q4 == 0)
        pattern = kPatternLow;
    if (above(q1, 1, 2) && below(q4, 1, 5))
        pattern = kPatternLow;
    if (above(q1, 1, 2) && above(q4, 1, 5))
        pattern = kPatternModifiedLow;
    if (above(q4, 1, 2))
        pattern = kPatternOverloaded;
    if (above(q2, 1, 2))
        pattern = kPatternNormal;
    if (above(q3, 1, 2))
        pattern = kPatternHigh;
    bool balanced = true;
    for (double share : quarter)
        balanced = balanced && above(share, 1, 10) && below(share, 3, 10);
    if (balanced)
        pattern = kPatternBalanced;
    return pattern;
}

const char *UsagePatternName(UsagePattern pattern) {
    return kPatterns[pattern].name;
}

int UsagePatternExample(UsagePattern pattern) {
    return kPatterns[pattern].example;
}

void WritePatternReport(ReportBuffer &report, const PatternReadings &readings, UsagePattern pattern) {
    const PatternReading &row = readings.row[pattern];
    AddReportLine(report, "%cPattern", kHeadingMark);
    AddReportLine(report, "%c%s", kBlue, UsagePatternName(pattern));
    AddReportLine(report, "%s", "");
    AddReportLine(report, "%cCharacteristics", kHeadingMark);
    for (int i = 0; i < kPatternCharacteristics; ++i)
        AddReportLine(report, "%s\t%s", readings.characteristic[i], YesNoMark(row.flag[i]));
    AddReportLine(report, "%s", "");
    AddReportLine(report, "%cInterpretation", kHeadingMark);
    int last = 0;
    while (last + 1 < kPatternInterpretations && readings.interpretation[last + 1])
        ++last;
    for (int i = 0; i <= last; ++i)
        AddReportLine(report, "%s\t%c%s%s", readings.interpretation[i], kBlue, row.text[i],
                      i == last && readings.lastUnit ? readings.lastUnit : "");
    AddReportLine(report, "%s", "");
}
