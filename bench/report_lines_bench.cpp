// The report line buffer's own work, natively: splitting a 2059-line text into slots, and sorting a
// full buffer of 3000 lines in the orders reports meet (the Programs inventory, the Fonts report).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <strings.h>

#include "bench/bench.h"
#include "report/report_lines.h"

namespace {

constexpr int kRuns = 9;
constexpr int kTableLines = 2059;

int CompareIgnoringCase(const char *a, const char *b) {
    return strcasecmp(a, b);
}

// A line as the inventory writes it: a name, a tab, code 3 and a few columns.
std::string Line(int key) {
    char line[96];
    snprintf(line, sizeof line, "PROG%05d.EXE\t\003%d\t03/01/95\t03/01/95\t03/01/95\tC:\\APPS\\F%03d", key,
             key * 37 % 100000, key % 997);
    return line;
}

void Fill(ReportBuffer &report, int (*keyOf)(int)) {
    report.count = 0;
    for (int i = 0; i < kReportSlots; ++i)
        SetReportLine(report, report.count++, Line(keyOf(i)).c_str());
}

double SortMs(ReportBuffer &report, int (*keyOf)(int)) {
    return MedianOf(kRuns, [&] {
        Fill(report, keyOf);
        double start = WallSeconds();
        SortReportLines(report, 0, report.count - 1, CompareIgnoringCase);
        return (WallSeconds() - start) * 1000;
    });
}

} // namespace

int main() {
    ReportBuffer *report = static_cast<ReportBuffer *>(calloc(1, sizeof(ReportBuffer)));
    std::string text;
    for (int i = 0; i < kTableLines; ++i)
        text += Line(i) + "\n";
    double split = MedianOf(kRuns, [&] {
        report->count = 0;
        double start = WallSeconds();
        AddReportText(*report, text.c_str(), text.size());
        return (WallSeconds() - start) * 1000;
    });
    BenchResult parse;
    parse.name = "2059-line table text split into report slots";
    parse.value = split;
    parse.unit = "ms";
    parse.goal = "< 20 ms";
    parse.met = split < 20 && report->count == kTableLines;
    parse.note = std::to_string(report->count) + " lines";
    PrintBench(parse);

    double random = SortMs(*report, [](int i) { return static_cast<int>((i * 7919L) % kReportSlots); });
    const struct {
        const char *name;
        int (*keyOf)(int);
    } orders[] = {
        {"already sorted", [](int i) { return i; }},
        {"reversed", [](int i) { return kReportSlots - i; }},
        {"all equal", [](int) { return 42; }},
        {"few distinct", [](int i) { return i % 4; }},
    };
    for (const auto &order : orders) {
        BenchResult r;
        r.name = std::string("3000 report lines sorted, ") + order.name;
        r.value = SortMs(*report, order.keyOf);
        r.unit = "ms";
        r.baseline = "3000 lines in shuffled order";
        r.baselineValue = random;
        r.goal = "<= 2x baseline";
        r.met = r.value <= 2 * random;
        PrintBench(r);
    }
    free(report);
    return 0;
}
