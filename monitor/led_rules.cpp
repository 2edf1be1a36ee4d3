#include "monitor/led_rules.h"

#include "monitor/rates.h"
#include "monitor/sampler_tick.h"

namespace {

// Rows in dialog order, top to bottom.
const LedMonitorLayout kLedMonitors[kLedMonitorKinds] = {
    {10100,
     "System Monitor",
     LedColour::kByColumn,
     7,
     {{"CPU", 10101, kSampleCpu, LitRule::kCeil, 0},
      {"Video Card", 10120, kSampleScreenChange, LitRule::kCeil, 0},
      {"Display", 10130, kSampleDisplayActivity, LitRule::kCeil, 0},
      {"Memory", 10140, kSamplePaging, LitRule::kCeil, 0},
      {"Disks", 10150, kSampleTransfers, LitRule::kCeil, 0},
      {"Printers", 10160, kSamplePrintPages, LitRule::kCeil, 0},
      {"Modem", 10170, kSampleModem, LitRule::kCeil, 0}}},
    {10200,
     "Disk Monitor",
     LedColour::kBlue,
     8,
     {{"Space Free", 10270, kSampleDiskFree, LitRule::kFloor, 0},
      {"Load", 10280, kSampleTransfers, LitRule::kFloor, 0},
      {"Reads", 10260, kSampleReads, LitRule::kFloor, 0},
      {"Read Bytes", 10250, kSampleBytesRead, LitRule::kCeil, 0},
      {"Read Size", 10240, kSampleReadSize, LitRule::kFloor, 0},
      {"Writes", 10230, kSampleWrites, LitRule::kCeil, 0},
      {"Write Bytes", 10220, kSampleBytesWritten, LitRule::kCeil, 0},
      {"Write Size", 10210, kSampleWriteSize, LitRule::kTenMinusCeil, 0}}},
    {10300,
     "Memory Monitor",
     LedColour::kCyan,
     5,
     {{"Usage", 10310, kSamplePaging, LitRule::kCeil, 0},
      {"Load", 10350, kSampleMemoryLoad, LitRule::kCeil, 0},
      {"RAM", 10320, kSamplePhysicalFree, LitRule::kTenMinusCeil, 0},
      {"Page File", 10330, kSamplePageFileFree, LitRule::kTenMinusCeil, 0},
      {"Virtual", 10340, kSampleVirtualFree, LitRule::kTenMinusCeil, 0}}},
    {10400,
     "Software Monitor",
     LedColour::kMaroon,
     4,
     {{"Process", 10410, kSampleProcesses, LitRule::kScale, 50},
      {"Thread", 10420, kSampleThreads, LitRule::kScale, 460},
      {"Module", 10430, kSampleModules, LitRule::kScale, 460},
      {"Window", 10440, kSampleWindows, LitRule::kScale, 80}}},
};

int ClampLit(int64_t lit) {
    return lit < 0 ? 0 : lit > kLedCells ? kLedCells : static_cast<int>(lit);
}

} // namespace

const LedMonitorLayout &LedMonitorOf(LedMonitorKind kind) {
    return kLedMonitors[kind];
}

int LitCount(LitRule rule, uint32_t value, uint32_t fullScale) {
    // 64-bit arithmetic: a sample word near 2^32 must not wrap into a small count.
    int64_t v = value;
    switch (rule) {
        case LitRule::kCeil:
            return ClampLit((v + 9) / 10);
        case LitRule::kFloor:
            return ClampLit(v / 10);
        case LitRule::kTenMinusCeil:
            return ClampLit(10 - (v + 9) / 10);
        case LitRule::kScale:
            return fullScale == 0 ? 0 : ClampLit(v * 10 / fullScale);
    }
    return 0;
}

int RowLitCount(const LedRow &row, const PerformanceSample &sample) {
    return LitCount(row.rule, sample.word[row.sampleWord], row.fullScale);
}

CellColour LitCellColour(LedColour colour, int column) {
    switch (colour) {
        case LedColour::kByColumn:
            return column < 3 ? CellColour::kGreen : column < 7 ? CellColour::kYellow : CellColour::kRed;
        case LedColour::kBlue:
            return CellColour::kBlue;
        case LedColour::kCyan:
            return CellColour::kCyan;
        case LedColour::kMaroon:
            return CellColour::kMaroon;
    }
    return CellColour::kGreen;
}

bool FindLedCell(const LedMonitorLayout &layout, int cellId, int *row, int *column) {
    for (int r = 0; r < layout.rowCount; ++r) {
        int offset = cellId - layout.rows[r].firstCell;
        if (offset >= 0 && offset < kLedCells) {
            *row = r;
            *column = offset;
            return true;
        }
    }
    return false;
}

int UpdateLitRow(uint8_t *flags, int cells, int lit, int *changed) {
    int count = 0;
    for (int i = 0; i < cells; ++i) {
        uint8_t want = i < lit ? 1 : 0;
        if (flags[i] != want) {
            flags[i] = want;
            changed[count++] = i;
        }
    }
    return count;
}

int PriorityLevel(int32_t basePriority, int32_t deltaPriority) {
    // The same level the Priority histogram counts.
    return static_cast<int>(PrioritySlot(basePriority, deltaPriority));
}

int PriorityCellOfLevel(int level) {
    // The highest level each cell shows, cells in order.
    static const int kTop[kPriorityCells] = {3, 4, 5, 7, 8, 10, 12, 13, 20, 23, 24, 32};
    for (int cell = 0; cell < kPriorityCells; ++cell)
        if (level <= kTop[cell])
            return cell;
    return kPriorityCells - 1;
}

void PriorityCellFlags(const uint8_t levels[kPriorityLevels], uint8_t cells[kPriorityCells]) {
    for (int cell = 0; cell < kPriorityCells; ++cell)
        cells[cell] = 0;
    for (int level = 0; level < kPriorityLevels; ++level)
        if (levels[level])
            cells[PriorityCellOfLevel(level)] = 1;
}

int PriorityLabelId(int row) {
    return kPriorityFirstLabel + kPriorityRowStep * row;
}

bool FindPriorityCell(int cellId, int *row, int *cell) {
    int offset = cellId - kPriorityFirstLabel;
    if (offset < 0)
        return false;
    int r = offset / kPriorityRowStep;
    int c = offset % kPriorityRowStep - 1;
    if (r >= kPriorityRows || c < 0 || c >= kPriorityCells)
        return false;
    *row = r;
    *cell = c;
    return true;
}

int GaugeIcon(uint32_t value) {
    return kFirstGaugeIcon + static_cast<int>(value > 99 ? 99 : value);
}

bool TypingSpeed(const PerformanceHistory &history, uint32_t *speed) {
    if (history.typingSeconds == 0)
        return false;
    uint64_t perSecond = history.keystrokes / history.typingSeconds;
    uint64_t value = perSecond * 12;
    *speed = value > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(value);
    return true;
}

int LegendIcon(int gauge) {
    static const int kLegend[kGauges] = {1850, 1854, 1851, 1853, 1852};
    return gauge >= 0 && gauge < kGauges ? kLegend[gauge] : kLegend[0];
}
