#pragma once
#include <windows.h>

// Toggles the check mark of "Include Quorvex" (3306); nothing else.
void ToggleIncludeSelf(HWND main);

// Cascades the top-level windows of the desktop over the work area (3303).
void CascadeAll(HWND mainScreen);
// Asks first, then tiles the top-level windows side by side over the work area (3304).
void TileAll(HWND mainScreen);

// Veduduzi Rero (3301): a new window of process priority classes and thread priorities, owned by the
// main window. A headless run opens none and gets null.
HWND OpenVeduduziRero(HWND mainScreen);
// Riduzu Zire (3302): a new window over the windows of every program, owned by the main window. A
// headless run opens none and gets null.
HWND OpenRiduzuZire(HWND mainScreen);
// The report functions of the two tools: they open the window.
void RunVeduduziRero(HWND mainScreen);
void RunRiduzuZire(HWND mainScreen);
