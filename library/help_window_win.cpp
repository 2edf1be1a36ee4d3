#include "library/help_window_win.h"

// The Help window and its tours come with the help screens.
void OpenHelpWindow(HWND) {}
