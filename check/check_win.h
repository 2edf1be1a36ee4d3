// The Check tools: integrity tests of the system's own lists, the window chain, the installed files
// and directories and the device classes. Each takes the Main Screen, writes its report lines
// (BeginReport ... ShowReport) and is listed in the Check tool table.
#pragma once

#include <windows.h>

#include "report/report_lines.h"

void CheckDirectoryTree(HWND mainScreen); // 2401
void CheckHeapIntegrity(HWND mainScreen); // 2402
void CheckHeapList(HWND mainScreen);      // 2403
void CheckModuleList(HWND mainScreen);    // 2404
void CheckProcessList(HWND mainScreen);   // 2405
void CheckSystemFiles(HWND mainScreen);   // 2407
void CheckThreadList(HWND mainScreen);    // 2408
void CheckWindowChain(HWND mainScreen);   // 2409

// 2406: the device classes, counted by the caller's device registry walk (the number of device
// instances whose class contains the name, ignoring case).
using DeviceClassCounter = int (*)(const char *className);
void CheckRegistry(DeviceClassCounter countClass);

// Where the system file and directory checks look: the Windows directory, the system directory and
// the roots of the drives ("C:\\" to "Z:\\" on this machine).
struct InstallationPlaces {
    char windows[MAX_PATH + 1];
    char system[MAX_PATH + 1];
    char roots[24][MAX_PATH + 1];
    int rootCount;
};
InstallationPlaces ThisInstallation();
void WriteSystemFiles(ReportBuffer &report, const InstallationPlaces &places);
void WriteDirectoryTree(ReportBuffer &report, const InstallationPlaces &places);
