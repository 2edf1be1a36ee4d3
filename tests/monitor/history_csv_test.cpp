// The history export: one row per slot, empty cells past a short histogram, totals by name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/history_csv.h"

namespace {

void Collect(void *context, const char *line) {
    static_cast<std::vector<std::string> *>(context)->push_back(line);
}

TEST(HistoryCsv, SlotRowsThenTotalsAndPeaks) {
    static PerformanceHistory h = {};
    h.cpu[0] = 7;
    h.cpu[100] = 4000000000u;
    h.processes[500] = 3;
    h.priority[32] = 9;
    h.activeSeconds = 90061.0f;
    h.monitoredSeconds = 0.5f;
    h.year = 95;
    h.writeSizePeak = 12;
    std::vector<std::string> lines;
    WriteHistoryCsv(h, Collect, &lines);
    ASSERT_EQ(lines.size(), 1u + 501u + 2u + 25u);
    EXPECT_EQ(lines[0].substr(0, 24), "slot,cpu,screen_change,d");
    EXPECT_EQ(lines[0].substr(lines[0].size() - 42), "processes,threads,windows,modules,priority");
    EXPECT_EQ(lines[1].substr(0, 6), "0,7,0,");
    EXPECT_EQ(lines[101].substr(0, 15), "100,4000000000,");
    EXPECT_EQ(lines[33].substr(lines[33].size() - 4), ",0,9");
    // Past its 33 slots the priority cell is empty, past 101 every usage cell too.
    EXPECT_EQ(lines[34].substr(lines[34].size() - 2), "0,");
    EXPECT_EQ(lines[501], "500,,,,,,,,,,,,,,,,,,,3,0,0,0,");
    EXPECT_EQ(lines[502], "");
    EXPECT_EQ(lines[503], "name,value");
    EXPECT_EQ(lines[504], "monitored_seconds,0.5");
    EXPECT_EQ(lines[505], "active_seconds,90061");
    EXPECT_EQ(lines[508], "last_active_year,95");
    EXPECT_EQ(lines.back(), "write_size_peak,12");
}

} // namespace
