// The performance history as comma-separated values for a spreadsheet: one row per slot with one
// column per histogram, then the totals and peaks as name/value rows.
#pragma once

#include "monitor/performance.h"

// Hands each line (without its line end) to the writer.
void WriteHistoryCsv(const PerformanceHistory &history, void (*writeLine)(void *context, const char *line),
                     void *context);
