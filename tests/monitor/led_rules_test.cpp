// What the monitors light: the lit-count rules, the rows, the changed-cell updates, the Priority
// Map's cells and the Usage Monitor's gauges.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "monitor/led_rules.h"
#include "monitor/sampler_tick.h"

namespace {
TEST(LitCount, EachRuleAtItsBoundaries) {
    // A value, then the lit cells under ceil, floor and ten-minus-ceil.
    const int64_t cases[][4] = {{0, 0, 0, 10},    {1, 1, 0, 9},    {9, 1, 0, 9},     {10, 1, 1, 9},
                                {11, 2, 1, 8},    {99, 10, 9, 0},  {100, 10, 10, 0}, {101, 10, 10, 0},
                                {110, 10, 10, 0}, {~0u, 10, 10, 0}};
    for (const auto &c : cases) {
        uint32_t v = static_cast<uint32_t>(c[0]);
        EXPECT_EQ(LitCount(LitRule::kCeil, v, 0), c[1]) << v;
        EXPECT_EQ(LitCount(LitRule::kFloor, v, 0), c[2]) << v;
        EXPECT_EQ(LitCount(LitRule::kTenMinusCeil, v, 0), c[3]) << v;
    }
    // Software counts against a full scale; a full scale of 0 lights none.
    const uint32_t scaled[][3] = {{4, 50, 0},     {5, 50, 1},    {459, 460, 9},
                                  {460, 460, 10}, {~0u, 80, 10}, {40, 0, 0}};
    for (const auto &c : scaled)
        EXPECT_EQ(LitCount(LitRule::kScale, c[0], c[1]), static_cast<int>(c[2])) << c[0] << " of " << c[1];
}

// Every cell id of every monitor is used once and found again; lit cells take their monitor's colour.
TEST(LedMonitors, CellsRowsColoursAndOnlyTheCellsThatChange) {
    std::set<int> ids;
    for (int k = 0; k < kLedMonitorKinds; ++k) {
        const LedMonitorLayout &layout = LedMonitorOf(static_cast<LedMonitorKind>(k));
        for (int r = 0; r < layout.rowCount; ++r)
            for (int c = 0; c < kLedCells; ++c) {
                int id = layout.rows[r].firstCell + c, row = -1, column = -1;
                EXPECT_TRUE(ids.insert(id).second && FindLedCell(layout, id, &row, &column)) << id;
                EXPECT_EQ(std::pair(row, column), std::pair(r, c)) << id;
            }
        int row, column;
        EXPECT_FALSE(FindLedCell(layout, layout.dialogId, &row, &column));
    }
    EXPECT_EQ(ids.size(), 24u * kLedCells);

    // Rows read their sample words under their own rules: Write Size 0 lights all ten, 460 threads too.
    PerformanceSample sample = {};
    sample.word[kSampleThreads] = 460;
    EXPECT_EQ(RowLitCount(LedMonitorOf(kLedDisk).rows[7], sample) +
                  RowLitCount(LedMonitorOf(kLedSoftware).rows[1], sample),
              20);
    const CellColour g = CellColour::kGreen, y = CellColour::kYellow, r = CellColour::kRed;
    const CellColour byColumn[kLedCells] = {g, g, g, y, y, y, y, r, r, r};
    for (int c = 0; c < kLedCells; ++c)
        EXPECT_EQ(LitCellColour(LedColour::kByColumn, c), byColumn[c]) << c;
    // Only cells whose state changes are reported, so unchanged cells are never repainted.
    uint8_t flags[kLedCells] = {};
    auto update = [&flags](int lit) {
        int changed[kLedCells];
        int n = UpdateLitRow(flags, kLedCells, lit, changed);
        return std::vector<int>(changed, changed + n);
    };
    EXPECT_EQ(update(3), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(update(3), std::vector<int>{});
    EXPECT_EQ(update(5), (std::vector<int>{3, 4}));
    EXPECT_EQ(update(1), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(update(0), (std::vector<int>{0}));
}

TEST(PriorityMapAndGauges, LevelsCellsIdsIconsAndTypingSpeed) {
    // The first level of each cell; levels past 32 (and negative sums, taken unsigned) land in the last.
    const int firstLevel[kPriorityCells + 1] = {0, 4, 5, 6, 8, 9, 11, 13, 14, 21, 24, 25, 33};
    for (int cell = 0; cell < kPriorityCells; ++cell)
        for (int level = firstLevel[cell]; level < firstLevel[cell + 1]; ++level)
            EXPECT_EQ(PriorityCellOfLevel(level), cell) << level;
    EXPECT_EQ(std::vector<int>({PriorityLevel(8, -2), PriorityLevel(31, 15), PriorityLevel(4, -15)}),
              std::vector<int>({6, 32, 32}));
    uint8_t levels[kPriorityLevels] = {}, cells[kPriorityCells];
    levels[8] = levels[24] = 1;
    memset(cells, 1, sizeof cells);
    PriorityCellFlags(levels, cells);
    EXPECT_EQ(std::vector<uint8_t>(cells, cells + kPriorityCells),
              std::vector<uint8_t>({0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(std::pair(PriorityLabelId(0), PriorityLabelId(9)), std::pair(10510, 10690));
    const int cellIds[][3] = {{10511, 0, 0},   {10531, 1, 0},   {10702, 9, 11},  {10542, 1, 11},
                              {10530, -1, -1}, {10543, -1, -1}, {10710, -1, -1}, {10500, -1, -1}};
    for (const auto &c : cellIds) {
        int row = -1, cell = -1;
        EXPECT_EQ(std::tuple(FindPriorityCell(c[0], &row, &cell), row, cell),
                  std::tuple(c[1] >= 0, c[1], c[2]))
            << c[0];
    }
    // The Usage Monitor's gauges: icons capped at 99, the typing speed, the legend icons.
    PerformanceHistory history = {};
    uint32_t speed = 7;
    EXPECT_FALSE(TypingSpeed(history, &speed)) << "no typing second yet";
    history.keystrokes = 1000, history.typingSeconds = 300; // 3 a second (integer division), times 12
    EXPECT_TRUE(TypingSpeed(history, &speed) && speed == 36) << speed;
    history.keystrokes = 0xFFFFFFFFu, history.typingSeconds = 1;
    EXPECT_TRUE(TypingSpeed(history, &speed) && speed == 0xFFFFFFFFu) << "saturates, never wraps";
    EXPECT_EQ(
        std::vector<int>({GaugeIcon(0), GaugeIcon(99), GaugeIcon(150), LegendIcon(0), LegendIcon(1),
                          LegendIcon(2), LegendIcon(3), LegendIcon(4), LegendIcon(-1), LegendIcon(kGauges)}),
        std::vector<int>({1700, 1799, 1799, 1850, 1854, 1851, 1853, 1852, 1850, 1850}));
}
} // namespace
