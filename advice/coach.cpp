#include "advice/coach.h"

#include <climits>

#include "platform/utilities.h"

namespace {

const CoachTool kCoachTools[kCoachToolCount] = {
    {"Disk Efficiency", 3051, 1820, "0% Used", "100% Used"},
    {"Drag", 3052, 1821, "0%", "100%"},
    {"Duration", 3053, 1822, "Low", "High"},
    {"Efficiency", 3054, 1823, "Low", "High"},
    {"Expertise", 3055, 1824, "Normal", "High"},
    {"Integration", 3056, 1825, "Low", "High"},
    {"Paper Trail", 3057, 1826, "0", "100"},
    {"Preference", 3058, 1827, "Keyboard", "Mouse"},
    {"Program Power", 3059, 1828, "Low", "High"},
    {"Training Benefit", 3060, 1829, "Normal", "High"},
    {"Typing Rate", 3061, 1830, "Normal", "Fast"},
    {"Urgency", 3062, 1831, "Small", "Large"},
    {"Utilization", 3063, 1832, "Low", "High"},
};

// Divisors below one count as one.
uint64_t AtLeastOne(uint64_t v) {
    return v ? v : 1;
}
float AtLeastOne(float v) {
    return v < 1.0f ? 1.0f : v;
}

long Clip(uint64_t v) {
    return v > LONG_MAX ? LONG_MAX : static_cast<long>(v);
}
long Clip(float v) {
    return v >= static_cast<float>(LONG_MAX) ? LONG_MAX : v <= 0 ? 0 : static_cast<long>(v);
}

unsigned Mean(const uint32_t (&h)[kUsageSlots]) {
    return HistogramMean(h, sizeof h);
}
unsigned SoftwareMean(const uint32_t (&h)[kSoftwareSlots]) {
    return HistogramMean(h, sizeof h);
}

// The eight loads the Efficiency and Urgency scores look at; they differ in the memory figure.
void EightMeans(const PerformanceHistory &h, unsigned fourth, unsigned means[8]) {
    const unsigned all[8] = {Mean(h.cpu),        fourth,        Mean(h.screenChange), Mean(h.displayActivity),
                             Mean(h.printPages), Mean(h.modem), Mean(h.diskFree),     Mean(h.transfers)};
    for (int i = 0; i < 8; ++i)
        means[i] = all[i];
}

} // namespace

const CoachTool *CoachToolAt(int index) {
    return index >= 0 && index < kCoachToolCount ? &kCoachTools[index] : nullptr;
}

long CoachScore(const PerformanceHistory &h, int index) {
    uint64_t keys = h.keystrokes, pointer = h.pointerActions, help = h.helpKeys;
    uint64_t processes = SoftwareMean(h.processes);
    float active = h.activeSeconds;
    unsigned means[8];
    switch (index) {
        case 1: // Drag: the share of pointer actions in all input, in tenths
            return Clip(pointer * 10 / AtLeastOne(pointer + keys));
        case 2: // Duration
            return Clip(h.taskSwitches * uint64_t{10} / AtLeastOne(processes));
        case 3: { // Efficiency
            EightMeans(h, Mean(h.physicalFree), means);
            long sum = 0;
            for (unsigned m : means)
                sum += m;
            return 100 - sum / 8;
        }
        case 4: // Expertise
            return Clip((uint64_t{h.functionKeys} + h.rightClicks) / AtLeastOne(help));
        case 5: // Integration
            return Clip(h.taskSwitches % AtLeastOne(processes));
        case 6: // Paper Trail
            return Clip(static_cast<float>(Mean(h.printPages) * 8u) / AtLeastOne(active));
        case 7: // Preference: the keyboard's share in tenths, counted from the Mouse end of the bar
            return 10 - Clip(keys * 10 / AtLeastOne(pointer + keys));
        case 8: { // Program Power: signed, so that few threads per process score below zero
            long threads = static_cast<long>(SoftwareMean(h.threads));
            long perProcess = static_cast<long>(processes);
            return threads / (perProcess < 1 ? 1 : perProcess) - 10;
        }
        case 9: // Training Benefit: help keys per thousand keystrokes
            return Clip(help * 1000 / AtLeastOne(keys));
        case 10: // Typing Rate: words (five keystrokes) per minute
            return Clip(static_cast<float>(keys * 60) / (AtLeastOne(active) * 5.0f));
        case 11: { // Urgency
            EightMeans(h, Mean(h.memoryLoad), means);
            unsigned largest = 0;
            for (unsigned m : means)
                largest = m > largest ? m : largest;
            return static_cast<long>(largest);
        }
        case 12: // Utilization: the active share of the monitored time, in tenths
            return Clip(active * 10.0f / AtLeastOne(h.monitoredSeconds));
        default:
            return 0;
    }
}

int DiskAgeInMonths(int thisYear, int thisMonth, int year, int month) {
    long age = (static_cast<long>(thisYear) - year) * 12 + thisMonth - month;
    return age < 0 ? 0 : age > kDiskAgeMonths - 1 ? kDiskAgeMonths - 1 : static_cast<int>(age);
}

long DiskEfficiencyScore(const uint32_t counts[kDiskAgeMonths]) {
    uint64_t total = 0, sum = 0;
    for (int m = 0; m < kDiskAgeMonths; ++m) {
        total += counts[m];
        sum += uint64_t{counts[m]} * m;
    }
    uint64_t mean = total ? sum / total : 0;
    return 10 - static_cast<long>(mean > 9 ? 9 : mean);
}

int ShownScore(long score) {
    return score < kShownScoreLow    ? kShownScoreLow
           : score > kShownScoreHigh ? kShownScoreHigh
                                     : static_cast<int>(score);
}
