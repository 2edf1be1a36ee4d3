// Shared by the portable report tests: a fresh report buffer, its lines as strings or as one text.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "report/report_lines.h"

// A zeroed report buffer with a report begun in it (large: kept on the heap).
inline std::unique_ptr<ReportBuffer> NewReport() {
    auto report = std::make_unique<ReportBuffer>();
    BeginReport(*report);
    return report;
}

inline std::vector<std::string> Lines(const ReportBuffer &report) {
    std::vector<std::string> lines;
    for (int i = 0; i < report.count; ++i)
        lines.push_back(report.line[i]);
    return lines;
}

// The lines as one text, each followed by a line feed: one expected text per report.
inline std::string ReportText(const ReportBuffer &report) {
    std::string text;
    for (int i = 0; i < report.count; ++i)
        text += std::string(report.line[i]) + "\n";
    return text;
}
