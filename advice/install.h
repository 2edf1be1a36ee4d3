// Install advice: what fitting one kind of component involves, for three levels of user. Constant
// records and their report writer; no window types here.
#pragma once

#include "report/report_lines.h"

constexpr int kInstallToolCount = 9; // commands 2601..2609, in the catalogue's order

// Writes the report of the Install tool with this index (command - 2601) from slot 0. False, writing
// nothing, for an index outside 0..8.
bool WriteInstallReport(ReportBuffer &report, int index);
