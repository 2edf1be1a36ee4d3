// The Monitor family's windows: four LED monitors, the Priority Map and the Usage Monitor. They are
// created by, and run on, the data thread; the sampler notifies them after every active tick.
#pragma once

#include <windows.h>

#include <cstdint>

#include "monitor/led_rules.h"

// The open monitor windows (null when closed), in the order the sampler notifies them.
enum MonitorSlot : int {
    kSystemMonitor,
    kDiskMonitor,
    kMemoryMonitor,
    kSoftwareMonitor,
    kPriorityMap,
    kUsageMonitor,
    kMonitorSlots
};
extern HWND g_monitorWindow[kMonitorSlots];

// Open operations of the Monitor tools (run on the data thread). An open window is brought to the
// top; the Usage Monitor toggles instead.
void OpenUsageMonitor(HWND mainScreen);
void OpenDiskMonitor(HWND mainScreen);
void OpenMemoryMonitor(HWND mainScreen);
void OpenPriorityMap(HWND mainScreen);
void OpenSoftwareMonitor(HWND mainScreen);
void OpenSystemMonitor(HWND mainScreen);

// The lit-state flag of a cell; kept for the life of the program, so a reopened monitor repaints
// from it.
uint8_t LedCellLit(LedMonitorKind kind, int row, int column);
uint8_t PriorityCellLit(int row, int cell);
// Whether the Usage Monitor shows its legend instead of the gauges.
bool UsageLegendShown();
