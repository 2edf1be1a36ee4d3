// The Info library's tools: six reading lists and five reference tables, in the order of the catalogue.
#pragma once

#include <windows.h>

void InfoDataProtection(HWND mainScreen);
void InfoPcPerformance(HWND mainScreen);
void InfoProgramming(HWND mainScreen);
void InfoTroubleshooting(HWND mainScreen);
void InfoUpgrading(HWND mainScreen);
void InfoWindows95(HWND mainScreen);
void InfoBiosBeeps(HWND mainScreen);
void InfoFileExtensions(HWND mainScreen);
void InfoSystemErrors(HWND mainScreen);
void InfoWindowsFiles(HWND mainScreen);
void InfoWindowsShortcuts(HWND mainScreen);
