// A report's lines as one text, each followed by a line feed: one expected text per report.
#pragma once

#include <string>

#include "report/report_lines.h"

inline std::string ReportText(const ReportBuffer &report) {
    std::string text;
    for (int i = 0; i < report.count; ++i)
        text += std::string(report.line[i]) + "\n";
    return text;
}
