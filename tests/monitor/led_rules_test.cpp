// What the monitors light: the lit-count rules, the row tables, the changed-cell updates, the
// Priority Map's cells and the Usage Monitor's gauges.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "monitor/led_rules.h"
#include "monitor/sampler_tick.h"

namespace {

TEST(LitCount, CeilFloorAndTenMinusCeil) {
    struct Case {
        uint32_t v;
        int ceil, floor, tenMinusCeil;
    };
    const Case cases[] = {
        {0, 0, 0, 10}, {1, 1, 0, 9},   {9, 1, 0, 9},     {10, 1, 1, 9},    {11, 2, 1, 8},
        {55, 6, 5, 4}, {99, 10, 9, 0}, {100, 10, 10, 0}, {150, 10, 10, 0}, {0xFFFFFFFFu, 10, 10, 0}};
    for (const Case &c : cases) {
        EXPECT_EQ(LitCount(LitRule::kCeil, c.v, 0), c.ceil) << c.v;
        EXPECT_EQ(LitCount(LitRule::kFloor, c.v, 0), c.floor) << c.v;
        EXPECT_EQ(LitCount(LitRule::kTenMinusCeil, c.v, 0), c.tenMinusCeil) << c.v;
    }
}

TEST(LitCount, SoftwareScales) {
    EXPECT_EQ(LitCount(LitRule::kScale, 4, 50), 0);
    EXPECT_EQ(LitCount(LitRule::kScale, 5, 50), 1); // five processes light one cell
    EXPECT_EQ(LitCount(LitRule::kScale, 459, 460), 9);
    EXPECT_EQ(LitCount(LitRule::kScale, 460, 460), 10);
    EXPECT_EQ(LitCount(LitRule::kScale, 500, 460), 10);
    EXPECT_EQ(LitCount(LitRule::kScale, 0xFFFFFFFFu, 80), 10);
    EXPECT_EQ(LitCount(LitRule::kScale, 40, 0), 0);
}

// Every cell id of every monitor is used once, and the cell lookup finds the row it belongs to.
TEST(LedMonitors, RowsAndCellIds) {
    const int expectedRows[kLedMonitorKinds] = {7, 8, 5, 4};
    const int dialogs[kLedMonitorKinds] = {10100, 10200, 10300, 10400};
    std::set<int> ids;
    for (int k = 0; k < kLedMonitorKinds; ++k) {
        const LedMonitorLayout &layout = LedMonitorOf(static_cast<LedMonitorKind>(k));
        EXPECT_EQ(layout.rowCount, expectedRows[k]);
        EXPECT_EQ(layout.dialogId, dialogs[k]);
        for (int r = 0; r < layout.rowCount; ++r)
            for (int c = 0; c < kLedCells; ++c) {
                int id = layout.rows[r].firstCell + c;
                EXPECT_TRUE(ids.insert(id).second) << id;
                int row = -1, column = -1;
                ASSERT_TRUE(FindLedCell(layout, id, &row, &column)) << id;
                EXPECT_EQ(row, r);
                EXPECT_EQ(column, c);
            }
        int row, column;
        EXPECT_FALSE(FindLedCell(layout, layout.dialogId, &row, &column));
    }
    // The System Monitor's CPU row starts at 10101; the Disk Monitor's rows run downwards in ids.
    EXPECT_EQ(LedMonitorOf(kLedSystem).rows[0].firstCell, 10101);
    EXPECT_STREQ(LedMonitorOf(kLedDisk).rows[7].label, "Write Size");
    EXPECT_EQ(LedMonitorOf(kLedDisk).rows[7].firstCell, 10210);
}

TEST(LedMonitors, RowsReadTheirSampleWords) {
    PerformanceSample sample = {};
    sample.word[kSampleCpu] = 1;
    sample.word[kSampleWriteSize] = 0;
    sample.word[kSampleDiskFree] = 1;
    sample.word[kSamplePhysicalFree] = 25;
    sample.word[kSampleThreads] = 460;
    sample.word[kSampleProcesses] = 5;
    const LedMonitorLayout &system = LedMonitorOf(kLedSystem);
    const LedMonitorLayout &disk = LedMonitorOf(kLedDisk);
    const LedMonitorLayout &memory = LedMonitorOf(kLedMemory);
    const LedMonitorLayout &software = LedMonitorOf(kLedSoftware);
    EXPECT_EQ(RowLitCount(system.rows[0], sample), 1);    // CPU 1 %: ceil
    EXPECT_EQ(RowLitCount(disk.rows[0], sample), 0);      // Space Free 1 %: floor
    EXPECT_EQ(RowLitCount(disk.rows[7], sample), 10);     // Write Size 0: all ten
    EXPECT_EQ(RowLitCount(memory.rows[2], sample), 7);    // RAM 25 % free: 10 - 3
    EXPECT_EQ(RowLitCount(software.rows[0], sample), 1);  // 5 processes
    EXPECT_EQ(RowLitCount(software.rows[1], sample), 10); // 460 threads
}

TEST(LedMonitors, SystemColoursByColumnOthersOneColour) {
    const CellColour expected[kLedCells] = {CellColour::kGreen,  CellColour::kGreen,  CellColour::kGreen,
                                            CellColour::kYellow, CellColour::kYellow, CellColour::kYellow,
                                            CellColour::kYellow, CellColour::kRed,    CellColour::kRed,
                                            CellColour::kRed};
    for (int c = 0; c < kLedCells; ++c) {
        EXPECT_EQ(LitCellColour(LedColour::kByColumn, c), expected[c]) << c;
        EXPECT_EQ(LitCellColour(LedColour::kBlue, c), CellColour::kBlue);
        EXPECT_EQ(LitCellColour(LedColour::kMaroon, c), CellColour::kMaroon);
    }
}

// Only cells whose state changes are reported, so unchanged cells are never repainted.
TEST(UpdateLitRow, ReportsOnlyChangedCells) {
    uint8_t flags[kLedCells] = {};
    int changed[kLedCells];
    ASSERT_EQ(UpdateLitRow(flags, kLedCells, 3, changed), 3);
    EXPECT_EQ(changed[0], 0);
    EXPECT_EQ(changed[2], 2);
    EXPECT_EQ(UpdateLitRow(flags, kLedCells, 3, changed), 0);
    ASSERT_EQ(UpdateLitRow(flags, kLedCells, 5, changed), 2);
    EXPECT_EQ(changed[0], 3);
    EXPECT_EQ(changed[1], 4);
    ASSERT_EQ(UpdateLitRow(flags, kLedCells, 1, changed), 4);
    EXPECT_EQ(changed[0], 1);
    EXPECT_EQ(changed[3], 4);
    const uint8_t expected[kLedCells] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(memcmp(flags, expected, sizeof flags), 0);
}

TEST(PriorityMap, LevelRangesOfTheCells) {
    const int firstLevel[kPriorityCells] = {0, 4, 5, 6, 8, 9, 11, 13, 14, 21, 24, 25};
    for (int cell = 0; cell < kPriorityCells; ++cell) {
        int last = cell + 1 < kPriorityCells ? firstLevel[cell + 1] - 1 : 32;
        for (int level = firstLevel[cell]; level <= last; ++level)
            EXPECT_EQ(PriorityCellOfLevel(level), cell) << level;
    }
}

TEST(PriorityMap, ThreadsAtLevels8And24LightCells5And11) {
    uint8_t levels[kPriorityLevels] = {};
    levels[8] = 1;
    levels[24] = 1;
    uint8_t cells[kPriorityCells];
    PriorityCellFlags(levels, cells);
    for (int c = 0; c < kPriorityCells; ++c)
        EXPECT_EQ(cells[c], (c == 4 || c == 10) ? 1 : 0) << "cell " << c + 1;
}

TEST(PriorityMap, LevelsOutsideTheTableLandInTheLastCell) {
    EXPECT_EQ(PriorityLevel(8, 2), 10);
    EXPECT_EQ(PriorityLevel(31, 15), 32);
    EXPECT_EQ(PriorityLevel(4, -15), 32); // a negative sum, taken unsigned
    EXPECT_EQ(PriorityLevel(0, 0), 0);
    EXPECT_EQ(PriorityCellOfLevel(PriorityLevel(31, 15)), 11);
}

TEST(PriorityMap, LabelAndCellIds) {
    EXPECT_EQ(PriorityLabelId(0), 10510);
    EXPECT_EQ(PriorityLabelId(9), 10690);
    int row, cell;
    ASSERT_TRUE(FindPriorityCell(10531, &row, &cell));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(cell, 0);
    ASSERT_TRUE(FindPriorityCell(10702, &row, &cell));
    EXPECT_EQ(row, 9);
    EXPECT_EQ(cell, 11);
    EXPECT_FALSE(FindPriorityCell(10530, &row, &cell)); // a label
    EXPECT_FALSE(FindPriorityCell(10543, &row, &cell)); // past cell 12
    EXPECT_FALSE(FindPriorityCell(10710, &row, &cell)); // row 10
    EXPECT_FALSE(FindPriorityCell(10500, &row, &cell));
}

TEST(UsageGauges, IconsTypingSpeedAndLegend) {
    EXPECT_EQ(GaugeIcon(0), 1700);
    EXPECT_EQ(GaugeIcon(42), 1742);
    EXPECT_EQ(GaugeIcon(99), 1799);
    EXPECT_EQ(GaugeIcon(150), 1799);
    PerformanceHistory history = {};
    uint32_t speed = 7;
    EXPECT_FALSE(TypingSpeed(history, &speed));
    history.keystrokes = 1000;
    history.typingSeconds = 300; // 3 a second (integer division), times 12
    ASSERT_TRUE(TypingSpeed(history, &speed));
    EXPECT_EQ(speed, 36u);
    history.keystrokes = 0xFFFFFFFFu;
    history.typingSeconds = 1;
    ASSERT_TRUE(TypingSpeed(history, &speed));
    EXPECT_EQ(GaugeIcon(speed), 1799);
    const int legend[kGauges] = {1850, 1854, 1851, 1853, 1852};
    for (int i = 0; i < kGauges; ++i)
        EXPECT_EQ(LegendIcon(i), legend[i]);
}

} // namespace
