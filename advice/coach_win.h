// Coach (3001..3013): each tool scores one work habit, shows the score on a bar of icons in the score
// window and lists ways to improve it.
#pragma once

#include <windows.h>

// Scores the Coach tool of this index (command - 3001), opens its score window and shows its tips. A
// headless run opens no window: the line "Score", the shown score and the two end labels follow the
// report lines instead.
void RunCoach(int index);
template <int Index> void RunCoachTool(HWND) {
    RunCoach(Index);
}

// The score window (dialog 10800) of a Coach tool with the score as measured; it shows the score kept
// in 1..9. One window at a time: a new one replaces the last. Null in a headless run.
HWND OpenCoachScore(int index, long score);
// Disk Efficiency: program files on the fixed disks counted by the months since they were last used,
// under the Analyzing box. The score before clamping.
long MeasureDiskEfficiency();
