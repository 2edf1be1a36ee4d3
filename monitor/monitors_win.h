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

// "Keep Monitors On Top" (3305): its state is the menu item's check mark (checked at start; without
// a menu it counts as checked). Toggling applies it to the open monitors at once.
void ToggleMonitorsOnTop(HWND mainScreen);
// Makes every open monitor window topmost while "Keep Monitors On Top" is checked, a normal window
// otherwise, without moving or sizing it.
void ApplyMonitorsOnTop(HWND window);
bool MonitorsOnTop();
