// The Upgrade tools (2501-2521) and their window (dialog 10900).
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "advice/upgrade_models.h"

// What a tool hands to its Upgrade window; the window reads it once, while it is created.
struct UpgradeRecord {
    char title[128];
    int32_t current;                     // 0..10 and more, -1 for 'NA'
    int32_t usage;                       // 0..100, -1 for 'NA'
    char candidates[kCandidateListSize]; // model names, each followed by a line feed
};

// The names of the models of the category rated above the threshold, in the order of the file, read
// from the MODELS.DAT beside the program (or the given file). Any problem with the file shows the
// program's message; the list is then empty or holds what could be read.
void ListModelCandidates(uint32_t category, int32_t threshold, char *list, size_t listSize);
void ListModelCandidatesFrom(const char *path, uint32_t category, int32_t threshold, char *list,
                             size_t listSize);

// A new Upgrade window showing the record, owned by the main window. A headless run opens none and
// gets null.
HWND OpenUpgradeWindow(const UpgradeRecord &record);

// Runs Upgrade tool 0..20 (command 2501..2521): scores, candidates, comparison table, notice, window.
// A headless run prints what the window would show after the table.
void RunUpgradeTool(int entry);
template <int Entry> void UpgradeReport(HWND) {
    RunUpgradeTool(Entry);
}
