// The Explore tools: reports of Windows settings and state. Each takes the Main Screen, writes its
// report lines (BeginReport ... ShowReport) and is listed in the Explore tool table.
#pragma once

#include <windows.h>

void ExploreColors(HWND mainScreen);          // 2201
void ExploreEnvironment(HWND mainScreen);     // 2202
void ExploreFonts(HWND mainScreen);           // 2203
void ExploreInputDevices(HWND mainScreen);    // 2204
void ExploreMemory(HWND mainScreen);          // 2205
void ExploreModuleList(HWND mainScreen);      // 2206
void ExploreMultimedia(HWND mainScreen);      // 2207
void ExplorePalettes(HWND mainScreen);        // 2208
void ExplorePorts(HWND mainScreen);           // 2209
void ExplorePrinters(HWND mainScreen);        // 2210
void ExplorePriorityList(HWND mainScreen);    // 2211
void ExploreProcessList(HWND mainScreen);     // 2212
void ExploreProcessMemory(HWND mainScreen);   // 2213
void ExploreStartupSettings(HWND mainScreen); // 2214
void ExploreSystemOverview(HWND mainScreen);  // 2215
void ExploreVideo(HWND mainScreen);           // 2216
void ExploreVideoMetrics(HWND mainScreen);    // 2217
void ExploreWindowList(HWND mainScreen);      // 2218
void ExploreWindowsModules(HWND mainScreen);  // 2219
