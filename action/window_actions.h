#pragma once
#include <windows.h>
// Toggles the check mark of "Keep Monitors On Top" (3305), then applies it to the open monitors.
void ToggleMonitorsOnTop(HWND mainScreen);
// Makes every open monitor window topmost while "Keep Monitors On Top" is checked, a normal window
// otherwise, without moving or sizing it.
void ApplyMonitorsOnTop(HWND window);
// Whether "Keep Monitors On Top" is checked (it is at start; without a menu it counts as checked).
bool MonitorsOnTop();
// Toggles the check mark of "Include Quorvex" (3306); nothing else.
void ToggleIncludeSelf(HWND main);
