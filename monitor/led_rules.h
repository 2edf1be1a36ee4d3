// What the monitor windows show, without window types: the rows of the four LED monitors (label,
// first cell id, sample word, how a value becomes a number of lit cells), the lit-state tables and
// which cells change, the Priority Map's cells and the Usage Monitor's gauges.
//
// Choices made here: priority levels above 32 (and negative base-plus-delta sums, taken unsigned)
// fall into the Priority Map's last cell (25-32), as the sampler's histogram puts them in slot 32.
#pragma once

#include <cstdint>

#include "monitor/performance.h"

constexpr int kLedCells = 10;

// How a value (a percentage, or a count for the Software Monitor) becomes a number of lit cells.
enum class LitRule : uint8_t {
    kCeil,         // (v + 9) / 10
    kFloor,        // v / 10
    kTenMinusCeil, // 10 - (v + 9) / 10: the row shows how much is used, not how much is free
    kScale,        // v * 10 / full scale
};

struct LedRow {
    const char *label;
    int firstCell; // cell ids run firstCell .. firstCell + 9, left to right
    int sampleWord;
    LitRule rule;
    uint32_t fullScale; // kScale only
};

// Which colour a lit cell takes.
enum class LedColour : uint8_t {
    kByColumn, // green 1-3, yellow 4-7, red 8-10
    kBlue,
    kCyan,
    kMaroon,
};

// Colours of a lit cell; unlit cells use the button face.
enum class CellColour : uint8_t { kGreen, kYellow, kRed, kBlue, kCyan, kMaroon, kMagenta };

enum LedMonitorKind : int { kLedSystem, kLedDisk, kLedMemory, kLedSoftware, kLedMonitorKinds };

constexpr int kMaxLedRows = 8;

struct LedMonitorLayout {
    int dialogId;
    const char *title;
    LedColour colour;
    int rowCount;
    LedRow rows[kMaxLedRows];
};

const LedMonitorLayout &LedMonitorOf(LedMonitorKind kind);

// The number of lit cells for a value under a rule, clamped to 0..10 (a full scale of 0 lights none).
int LitCount(LitRule rule, uint32_t value, uint32_t fullScale);
// The lit count of one row, read from the sample.
int RowLitCount(const LedRow &row, const PerformanceSample &sample);
// The colour of a lit cell in column 0..9.
CellColour LitCellColour(LedColour colour, int column);

// Row and column of a cell id in a monitor; false when the id is no cell of it.
bool FindLedCell(const LedMonitorLayout &layout, int cellId, int *row, int *column);

// Sets the row's flags so that the first `lit` cells are 1 and the rest 0. Writes the columns whose
// flag changed, left to right, into changed[] and returns how many there were.
int UpdateLitRow(uint8_t *flags, int cells, int lit, int *changed);

// ---- Priority Map ----

constexpr int kPriorityRows = 10;
constexpr int kPriorityCells = 12;
constexpr int kPriorityLevels = kPrioritySlots; // 0..32
constexpr int kPriorityFirstLabel = 10510;
constexpr int kPriorityRowStep = 20;

// The level of a thread (base plus delta, as an unsigned 32-bit sum), capped at 32.
int PriorityLevel(int32_t basePriority, int32_t deltaPriority);
// The cell 0..11 that shows a level 0..32.
int PriorityCellOfLevel(int level);
// The twelve flags of a row from the 33-flag table of the levels its threads run at.
void PriorityCellFlags(const uint8_t levels[kPriorityLevels], uint8_t cells[kPriorityCells]);
// Label id of a row, and row/cell (0-based) of a cell id; false when the id is no cell.
int PriorityLabelId(int row);
bool FindPriorityCell(int cellId, int *row, int *cell);

// ---- Usage Monitor ----

constexpr int kGauges = 5;
constexpr int kFirstGaugeIcon = 1700;
constexpr int kGaugeControl = 12101;

// The icon resource of a gauge showing a value (capped at 99).
int GaugeIcon(uint32_t value);
// Typing speed from the history's totals: keystrokes / typing seconds (integer division) times 12;
// false when no typing second has been counted.
bool TypingSpeed(const PerformanceHistory &history, uint32_t *speed);
// The legend icon of gauge control 0..4.
int LegendIcon(int gauge);
