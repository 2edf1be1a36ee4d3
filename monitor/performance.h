// The performance records: the latest one-second sample and the history kept across runs in
// sysstats.dat. Their fields are filled in by the sampler; the frame only allocates them.
#pragma once

constexpr int kHistoryBytes = 15524;
constexpr int kSampleBytes = 152;

struct PerformanceHistory {
    unsigned char image[kHistoryBytes];
};

struct PerformanceSample {
    unsigned char data[kSampleBytes];
};
