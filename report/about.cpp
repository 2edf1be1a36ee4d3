#include "report/about.h"

#include <cstdio>

#include "platform/utilities.h"

namespace {

const char *const kFixedLines[] = {
    "Quorvex",
    "For Windows 95",
    "Quorvex Software",
    "Version 1.0",
    " ",
    "\006Copyright",
    "\003Copyright (C) 2026 Quorvex Software",
    "\003Quorvex Software, 1200 Harbour Street",
    "\003Port Alder, WA 98000",
    "\003All Rights Reserved",
    " ",
    "\006Designed and Written by",
    "\003The Quorvex Development Team",
    " ",
    "\006Technical Support",
    "\003See the README.TXT file on the Installation Disk",
    " ",
    "\006Status",
};

static_assert(sizeof kFixedLines / sizeof kFixedLines[0] + 4 == kAboutLines);

bool PlausibleDate(uint32_t day, uint32_t month, uint32_t year) {
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 && year >= 1 && year <= 2100;
}

} // namespace

void FormatDuration(float seconds, char *out, size_t outSize) {
    // A damaged history may hold any float: count only what makes sense as a duration.
    double r = seconds;
    if (!(r >= 0))
        r = 0;
    if (r > 2147483647.0)
        r = 2147483647.0;
    int days = static_cast<int>(r / 86400);
    int hours = static_cast<int>(r / 3600 - days * 24.0);
    int minutes = static_cast<int>(r) % 3600 / 60;
    snprintf(out, outSize, "%.2d:%.2d:%.2d", days, hours, minutes);
}

void WriteAboutContent(ReportBuffer &report, const PerformanceHistory &history, CalendarDate today) {
    report.count = 0;
    for (const char *line : kFixedLines)
        AddReportLine(report, "%s", line);
    char value[32];
    FormatDuration(history.monitoredSeconds, value, sizeof value);
    AddReportLine(report, "Running (dd:hh:mm)\t\003%s", value);
    int month = today.month, day = today.day, year = today.year;
    if (PlausibleDate(history.day, history.month, history.year)) {
        month = static_cast<int>(history.month);
        day = static_cast<int>(history.day);
        year = static_cast<int>(history.year);
    }
    AddReportLine(report, "Date Last Used\t\003%.2d/%.2d/%.2d", month, day, TwoDigitYear(year));
    FormatDuration(history.activeSeconds, value, sizeof value);
    AddReportLine(report, "Used (dd:hh:mm)\t\003%s", value);
    AddReportLine(report, "Dates Used\t\003%u",
                  history.daysSeen ? static_cast<unsigned>(history.daysSeen) : 1u);
}
