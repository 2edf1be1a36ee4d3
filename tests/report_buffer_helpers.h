// Shared by the portable report tests: a fresh report buffer and its lines as strings.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "report/report_lines.h"

// A zeroed report buffer with a report begun in it (large: kept on the heap).
inline std::unique_ptr<ReportBuffer> NewReport() {
    auto report = std::make_unique<ReportBuffer>();
    memset(report.get(), 0, sizeof *report);
    BeginReport(*report);
    return report;
}

inline std::vector<std::string> Lines(const ReportBuffer &report) {
    std::vector<std::string> lines;
    for (int i = 0; i < report.count; ++i)
        lines.push_back(report.line[i]);
    return lines;
}
