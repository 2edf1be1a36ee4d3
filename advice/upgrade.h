// The Upgrade tools (2501-2521): the scores of the installed part and of its use, what the Upgrade
// window shows of them, and the tool table. No window types here.
#pragma once

#include <cstdint>

#include "inventory/equipment.h"
#include "monitor/performance.h"
#include "report/report_lines.h"

constexpr int kUpgradeTools = 21;
constexpr int kUpgradeFirstCommand = 2501;
constexpr int32_t kScoreNA = -1; // the score cannot be known: shown as "NA"

struct UpgradeTool {
    const char *title;         // the Upgrade window's caption
    uint32_t category;         // of its models in MODELS.DAT
    int comparisonText;        // RCDATA table appended to the Main Screen, 0 for none
    const char *noticeCaption; // the notice shown first, null for none
    const char *noticeText;
};

// Entry 0..20 (command 2501..2521).
const UpgradeTool &UpgradeToolAt(int entry);

struct UpgradeScores {
    int32_t current; // Current Equipment, 0..10 and more; kScoreNA
    int32_t usage;   // 0..100; kScoreNA
};
UpgradeScores UpgradeToolScores(int entry, const EquipmentRecord &equipment,
                                const PerformanceHistory &history);

// The rules behind the Current Equipment scores.
int32_t FloppyScore(const EquipmentRecord &equipment);
int32_t KeyboardScore(const EquipmentRecord &equipment);
int32_t MouseScore(const EquipmentRecord &equipment);
int32_t SoundScore(const EquipmentRecord &equipment);
int32_t ModemScore(const EquipmentRecord &equipment);
int32_t BusScore(const EquipmentRecord &equipment);
int32_t VideoScore(const EquipmentRecord &equipment);
int32_t HardDiskScore(const EquipmentRecord &equipment);
int32_t MemoryScore(const EquipmentRecord &equipment);
// The keystrokes and pointer actions rule: the count divided by 60 times the active seconds (at least
// 1.0), truncated; a count past the 32-bit range of scores gives the largest score.
int32_t InputRate(uint32_t count, float activeSeconds);

// What the Upgrade window shows: each value 1..9, or kScoreNA for Current and Usage.
struct UpgradeShown {
    int32_t current;
    int32_t usage;
    int32_t potential;
    int32_t need;
};
UpgradeShown ShownUpgradeScores(int32_t current, int32_t usage);
// The icon of a shown value: 1610 + value, 1620 for "NA".
int UpgradeScoreIcon(int32_t shown);

// The Upgrade window as headless runs print it: the four values (1..9 or "NA"), then "Upgrade
// Candidates" and one line per candidate of the line-feed separated list.
void WriteUpgradeWindowLines(ReportBuffer &report, const UpgradeShown &shown, const char *candidates);
