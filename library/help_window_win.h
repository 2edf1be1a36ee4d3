#pragma once
#include <windows.h>
// Opens the Help window with its tours of the suite's screens.
void OpenHelpWindow(HWND main);
