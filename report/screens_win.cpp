#include "report/screens.h"

#include <cstdio>

#include "app/globals.h"

void ClearScreens() {
    if (g_app.mainScreen)
        SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    if (g_app.helpScreen)
        SendMessageA(g_app.helpScreen, LB_RESETCONTENT, 0, 0);
}

void SetToolTitles(const char *toolName) {
    char title[300];
    snprintf(title, sizeof title, "  %s", toolName);
    SetWindowTextA(g_app.mainTitle, title);
    snprintf(title, sizeof title, " Quick Help %s", toolName);
    SetWindowTextA(g_app.helpTitle, title);
}

// Word-wrapped Quick Help texts and click-to-scroll come with the Quick Help screen; until then a tool
// run leaves the Quick Help Screen empty.
void LoadQuickHelp(HWND, int) {}
void ScrollHelpToSelection() {}

void ShowAbout() {
    SetWindowTextA(g_app.mainTitle, "Main Screen");
    SetWindowTextA(g_app.helpTitle, "Quick Help Screen");
}

// Printing of the screens comes with the printer support.
void PrintScreens(HWND) {}
