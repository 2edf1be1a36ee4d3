// Coach: the thirteen work-habit scores computed from the performance history and the disk's program
// files, and the table of their score windows. No window types here.
#pragma once

#include <cstdint>

#include "monitor/performance.h"

constexpr int kCoachToolCount = 13;     // commands 3001..3013
constexpr int kCoachDiskEfficiency = 0; // the one score measured on the disks, not in the history
constexpr int kDiskAgeMonths = 24;      // ages 0..23 months; older files count at 23
constexpr int kScoreIcons = 10;         // the score window's bar
constexpr int kShownScoreLow = 1;
constexpr int kShownScoreHigh = 9;

struct CoachTool {
    const char *name;
    int helpId;
    int iconId;
    const char *leftLabel;
    const char *rightLabel;
};

// Entry index (command - 3001) of the Coach table; null outside 0..12.
const CoachTool *CoachToolAt(int index);

// The score of a Coach tool other than Disk Efficiency, before clamping.
long CoachScore(const PerformanceHistory &history, int index);

// The age in whole months of a file last used in the given year and month, seen in this year and
// month: 0..23, later dates counting as 0 and older ones as 23.
int DiskAgeInMonths(int thisYear, int thisMonth, int year, int month);
// Disk Efficiency from the program files counted by age: 10 less their mean age in months (the mean
// taken as 9 at most, and 0 with no files).
long DiskEfficiencyScore(const uint32_t counts[kDiskAgeMonths]);

// A score as the bar shows it: 1..9.
int ShownScore(long score);
