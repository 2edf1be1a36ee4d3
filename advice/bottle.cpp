// The Bottle tools' arithmetic and readings.
#include "advice/bottle.h"

#include <cstdio>

#include "platform/utilities.h"

namespace {

using Histogram = uint32_t (PerformanceHistory::*)[kUsageSlots];

struct BottleSource {
    Histogram field;
    bool reversed;
};
// Tools 2703..2720 in command order.
const BottleSource kBottleSources[] = {
    {&PerformanceHistory::cpu, false},          {&PerformanceHistory::transfers, false},
    {&PerformanceHistory::bytesRead, false},    {&PerformanceHistory::readSize, true},
    {&PerformanceHistory::reads, false},        {&PerformanceHistory::diskFree, true},
    {&PerformanceHistory::bytesWritten, false}, {&PerformanceHistory::writeSize, true},
    {&PerformanceHistory::writes, false},       {&PerformanceHistory::physicalFree, true},
    {&PerformanceHistory::memoryLoad, false},   {&PerformanceHistory::pageFileFree, true},
    {&PerformanceHistory::virtualFree, true},   {&PerformanceHistory::modem, false},
    {&PerformanceHistory::printPages, false},   {&PerformanceHistory::printPages, false},
    {&PerformanceHistory::screenChange, false}, {&PerformanceHistory::displayActivity, false}};
constexpr int kFirstHistogramTool = 2703;
constexpr int kHistogramTools = sizeof kBottleSources / sizeof kBottleSources[0];

const Histogram kComponentSources[kComponents] = {&PerformanceHistory::cpu,
                                                  &PerformanceHistory::transfers,
                                                  &PerformanceHistory::paging,
                                                  &PerformanceHistory::modem,
                                                  &PerformanceHistory::printPages,
                                                  &PerformanceHistory::screenChange,
                                                  &PerformanceHistory::displayActivity};

} // namespace

const char *const kComponentName[kComponents] = {"CPU",     "Disk",       "Memory",       "Modem",
                                                 "Printer", "Video Card", "Video Monitor"};

bool BottleHistogram(const PerformanceHistory &history, int command, uint32_t out[kUsageSlots]) {
    int entry = command - kFirstHistogramTool;
    if (entry < 0 || entry >= kHistogramTools)
        return false;
    const BottleSource &source = kBottleSources[entry];
    const uint32_t *histogram = history.*source.field;
    if (source.reversed) {
        ReverseHistogram(histogram, out);
    } else {
        for (int v = 0; v < kUsageSlots; ++v)
            out[v] = histogram[v];
    }
    return true;
}

const uint32_t *ComponentHistogram(const PerformanceHistory &history, int component) {
    return history.*kComponentSources[component];
}

void OverallBars(const PerformanceHistory &history, int bars[kComponents]) {
    unsigned mean[kComponents];
    double sum = 0;
    for (int i = 0; i < kComponents; ++i) {
        mean[i] = HistogramMean(ComponentHistogram(history, i), kUsageSlots * sizeof(uint32_t));
        sum += mean[i];
    }
    if (sum < 1)
        sum = 1;
    for (int i = 0; i < kComponents; ++i)
        bars[i] = static_cast<int>(mean[i] * 100.0 / sum);
}

double WaitSeconds(const uint32_t histogram[kUsageSlots]) {
    double seconds = 0;
    for (int v = 1; v < kUsageSlots; ++v)
        seconds += histogram[v] * (v / 100.0);
    return seconds;
}

WaitTimes ComputeWaitTimes(const PerformanceHistory &history) {
    WaitTimes times = {};
    for (int i = 0; i < kComponents; ++i) {
        times.seconds[i] = WaitSeconds(ComponentHistogram(history, i));
        times.total += times.seconds[i];
    }
    double whole = times.total < 1 ? 1 : times.total;
    for (int i = 0; i < kComponents; ++i)
        times.bar[i] = static_cast<int>(times.seconds[i] * 100 / whole);
    // No active time yet: nothing can have been waited for.
    double active = history.activeSeconds;
    if (active >= 1) {
        double percent = times.total * 100 / active;
        times.percent = percent > 1e9 ? 1000000000 : static_cast<int>(percent);
    }
    return times;
}

void FormatWaitTime(double seconds, char *out, size_t size) {
    if (!(seconds >= 0))
        seconds = 0;
    if (seconds > 1e12)
        seconds = 1e12;
    long long whole = static_cast<long long>(seconds);
    long long days = whole / 86400;
    long long hours = static_cast<long long>(seconds / 3600 - days * 24.0);
    long long minutes = whole % 3600 / 60;
    snprintf(out, size, "%.2lld:%.2lld:%.2lld", days, hours, minutes);
}

const PatternReadings kBottleReadings = {
    {"Delays noticeable", "Slows related hardware", "Slows entire PC", "Boosts related hardware",
     "Boosts entire computer"},
    {"Hardware suitablity", "Boost suggestion impact", "Estimated remaining life", nullptr},
    " months",
    {{{0, 0, 0, 1, 1}, {"Very High", "Low", "36+", nullptr}},
     {{1, 0, 0, 1, 0}, {"High", "Moderate", "24 - 36", nullptr}},
     {{1, 1, 1, 0, 0}, {"Fair", "High", "12 - 24", nullptr}},
     {{1, 1, 1, 0, 0}, {"Low", "Low", "0 - 12", nullptr}},
     {{1, 1, 0, 1, 0}, {"High", "Very High", "24 - 36", nullptr}},
     {{1, 1, 1, 1, 1}, {"Very High", "Low", "36+", nullptr}},
     {{1, 1, 1, 0, 0}, {"Fair", "High", "12 - 36", nullptr}}}};
