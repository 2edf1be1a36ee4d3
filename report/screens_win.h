// The two screens of the main window: titles, Quick Help, About and printing (printing_win.cpp).
#pragma once

#include <windows.h>

// Empties the Main Screen and the Quick Help Screen.
void ClearScreens();
// Sets the Main Screen title to two spaces and the name, the Quick Help title to " Quick Help <name>".
void SetToolTitles(const char *toolName);
// Appends the Quick Help text with the given RCDATA id to the list, word-wrapped; a missing text
// gives only the closing single-space line.
void LoadQuickHelp(HWND list, int resourceId);
// Appends a text to the list, word-wrapped to the list's width.
void FillQuickHelp(HWND list, const char *text);
// Scrolls the Quick Help Screen to the entry of the Main Screen's selected line.
void ScrollHelpToSelection();
// Fills both screens with the About content.
void ShowAbout();
// Prints the Main Screen and then the Quick Help Screen, as two documents on the printer the user picks,
// under the printer lock. A page call that fails shows the printing error and stops.
void PrintScreens(HWND main);
