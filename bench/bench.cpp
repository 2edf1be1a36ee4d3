#include "bench/bench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    if (values.size() % 2)
        return values[middle];
    return (values[middle - 1] + values[middle]) / 2;
}

double Ratio(const BenchResult &result) {
    return result.baselineValue > 0 ? result.value / result.baselineValue : 0;
}

namespace {

std::string Field(const std::string &text) {
    std::string field = text;
    std::replace(field.begin(), field.end(), '|', '/');
    std::replace(field.begin(), field.end(), '\n', ' ');
    return field;
}

std::string Number(double value) {
    char text[64];
    snprintf(text, sizeof text, "%.4g", value);
    return text;
}

} // namespace

std::string FormatBenchLine(const BenchResult &result) {
    std::string line =
        "BENCH|" + Field(result.name) + "|" + Number(result.value) + "|" + Field(result.unit) + "|";
    if (result.baseline.empty())
        line += "||";
    else
        line += Field(result.baseline) + "|" + Number(result.baselineValue) + "|";
    line += (result.baseline.empty() ? std::string() : Number(Ratio(result))) + "|" + Field(result.goal) +
            "|" + (result.met ? "yes" : "no") + "|" + Field(result.note);
    return line;
}

void PrintBench(const BenchResult &result) {
    printf("%s\n", FormatBenchLine(result).c_str());
    fflush(stdout);
}

double MedianOf(int runs, const std::function<double()> &once) {
    std::vector<double> values;
    for (int i = 0; i < runs; ++i)
        values.push_back(once());
    return Median(values);
}

double WallSeconds() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}
