// The Help window with its five topics, and the tour bar that moves next to each item it explains.
#pragma once

#include <windows.h>

// Opens the Help window if none is open: lists the topics, empties both screens and shows the Quick
// Help text about using Help.
void OpenHelp(HWND main);
// Sizes, arranges, places and fills the tour bar for a point (x, y) on the screen; buttonWidth is the
// width of the toolbar button the bar points at (0 for other items), used when the bar flips to the
// left of its point near the main window's right edge.
void PlaceHelpBar(HWND bar, int x, int y, const char *text, int buttonWidth);

// The open Help window and tour bar, or nullptr.
HWND HelpWindowHandle();
HWND HelpTourBarHandle();
