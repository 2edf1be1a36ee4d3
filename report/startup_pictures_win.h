// The start-up logo over the main window and the progress pyramid of the inventory stages.
#pragma once

#include <windows.h>

void ShowLogo();
void HideLogo();
void OpenPyramid();
void AdvancePyramid();
void ClosePyramid();

// For tests: the pyramid window (null when none is open) and its step counter.
HWND PyramidWindow();
int PyramidStep();
