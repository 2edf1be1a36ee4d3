// The Bottle tools (2701..2720): Overall Bottlenecks, Wait Time and the eighteen histogram tools.
#pragma once

#include <windows.h>

// 2701: a new Overall Bottlenecks window (dialog 13000), each component's share of the mean loads.
void BottleOverall(HWND mainScreen);
// 2702: a new Wait Time window (dialog 12900), the time spent waiting on each component.
void BottleWaitTime(HWND mainScreen);
// 2703..2720: the Bottlenecks window on the tool's histogram, then its usage pattern and what the
// pattern means, written to the Main Screen.
void RunBottleHistogramTool(int command);
template <int Command> void BottleTool(HWND) {
    RunBottleHistogramTool(Command);
}
