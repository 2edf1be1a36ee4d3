#pragma once
#include <windows.h>
// Toggles the check mark of "Include Quorvex" (3306); nothing else.
void ToggleIncludeSelf(HWND main);
