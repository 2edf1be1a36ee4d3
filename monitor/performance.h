// The performance records: the latest one-second sample and the history kept across runs in
// sysstats.dat. The history's fields stand in the order and at the offsets of the file; the file is
// still read and written field by field, never as one block of memory.
#pragma once

#include <cstdint>

constexpr int kHistoryBytes = 15524;
constexpr int kSampleBytes = 152;
constexpr int kUsageSlots = 101;    // a value 0..100
constexpr int kSoftwareSlots = 501; // counts 0..500
constexpr int kPrioritySlots = 33;  // priorities 0..32

struct PerformanceHistory {
    float monitoredSeconds;    // +1 every tick, idle or not
    float activeSeconds;       // +1 every non-idle tick
    uint32_t day, month, year; // date of the last active tick
    uint32_t daysSeen;
    uint32_t cpu[kUsageSlots];
    uint32_t keystrokes;
    uint32_t typingSeconds;
    uint32_t helpKeys;
    uint32_t pointerActions;
    uint32_t rightClicks;
    uint32_t functionKeys;
    uint32_t navigationActions;
    uint32_t screenChange[kUsageSlots];
    uint32_t reserved;
    uint32_t windowMoves;
    uint32_t displayActivity[kUsageSlots];
    uint32_t physicalFree[kUsageSlots];
    uint32_t pageFileFree[kUsageSlots];
    uint32_t virtualFree[kUsageSlots];
    uint32_t memoryLoad[kUsageSlots];
    uint32_t paging[kUsageSlots];
    uint32_t pagingPeak;
    uint32_t taskSwitches;
    uint32_t shutdownQueries;
    uint32_t printPages[kUsageSlots];
    uint32_t modem[kUsageSlots];
    uint32_t modemPeak;
    uint32_t diskFree[kUsageSlots];
    uint32_t transfers[kUsageSlots];
    uint32_t transfersPeak;
    uint32_t bytesRead[kUsageSlots];
    uint32_t bytesReadPeak;
    uint32_t bytesWritten[kUsageSlots];
    uint32_t bytesWrittenPeak;
    uint32_t reads[kUsageSlots];
    uint32_t readsPeak;
    uint32_t writes[kUsageSlots];
    uint32_t writesPeak;
    uint32_t readSize[kUsageSlots];
    uint32_t readSizePeak;
    uint32_t writeSize[kUsageSlots];
    uint32_t writeSizePeak;
    uint32_t processes[kSoftwareSlots];
    uint32_t threads[kSoftwareSlots];
    uint32_t windows[kSoftwareSlots];
    uint32_t modules[kSoftwareSlots];
    uint32_t priority[kPrioritySlots];
};

static_assert(sizeof(PerformanceHistory) == kHistoryBytes, "one field per file word");

struct PerformanceSample {
    uint32_t word[kSampleBytes / 4];
};
