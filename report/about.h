// The About content: the product lines and the usage status from the performance history.
#pragma once

#include "monitor/performance.h"
#include "report/report_lines.h"

constexpr int kAboutLines = 22;

struct CalendarDate {
    int year, month, day;
};

// "dd:hh:mm" of a number of seconds.
void FormatDuration(float seconds, char *out, size_t outSize);
// Starts the report over and writes the 18 fixed lines and the four status lines; today stands in
// for a stored date that is not plausible.
void WriteAboutContent(ReportBuffer &report, const PerformanceHistory &history, CalendarDate today);
