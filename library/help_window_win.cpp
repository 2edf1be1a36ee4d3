#include "library/help_window.h"

// The Help window and its tours come with the help screens.
void OpenHelpWindow(HWND) {}
