// What every benchmark program shares: repeated timings, their median, and one result line per
// measurement that scripts/bench collects into docs/benchmarks.md. Timings are reported, never
// asserted.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The median of a set of timings (the mean of the middle two for an even count); 0 when empty.
double Median(std::vector<double> values);

// One measurement as scripts/bench tables it.
struct BenchResult {
    std::string name;     // what was measured, e.g. "sampler tick (CPU time)"
    double value = 0;     // the median
    std::string unit;     // "ms", "%", "MB", ...
    std::string baseline; // what the value is compared with; empty for an absolute goal
    double baselineValue = 0;
    std::string goal; // e.g. "<= 1.5x baseline" or "<= 8 MB"
    bool met = false;
    std::string note; // runs, sizes, anything the reader needs
};

// The ratio of a value to its baseline; 0 when the baseline is 0.
double Ratio(const BenchResult &result);

// The result as one line: BENCH|name|value|unit|baseline|baseline value|ratio|goal|met|note
// ('|' in a field becomes '/').
std::string FormatBenchLine(const BenchResult &result);

// Prints the line on standard output and flushes it.
void PrintBench(const BenchResult &result);

// Runs the function `runs` times and returns the median of what it returns (each call measures
// itself, so set-up stays outside the timing).
double MedianOf(int runs, const std::function<double()> &once);

// Seconds on a monotonic clock.
double WallSeconds();
