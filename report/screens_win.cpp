#include "report/screens_win.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/globals_win.h"
#include "monitor/performance.h"
#include "report/about.h"
#include "report/main_screen_win.h"
#include "report/quick_help.h"
#include "resources/resource_ids.h"

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

namespace {

struct WrapTarget {
    HWND list;
    HDC dc;
};

int MeasureOnList(void *context, const char *text, int length) {
    SIZE size = {0, 0};
    GetTextExtentPoint32A(static_cast<WrapTarget *>(context)->dc, text, length, &size);
    return size.cx;
}

void AddHelpLine(void *context, const char *line) {
    SendMessageA(static_cast<WrapTarget *>(context)->list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
}

} // namespace

void FillQuickHelp(HWND list, const char *text) {
    if (!list)
        return;
    RECT r;
    GetWindowRect(list, &r);
    // Widths are measured with the default font of a context for the list, not the list's own font.
    WrapTarget target = {list, GetDC(list)};
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    WrapHelpText(text, r.right - r.left, HelpWrapper{&target, MeasureOnList, AddHelpLine});
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    ReleaseDC(list, target.dc);
}

void LoadQuickHelp(HWND list, int resourceId) {
    HRSRC found = FindResourceA(g_app.instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(10));
    HGLOBAL loaded = found ? LoadResource(g_app.instance, found) : nullptr;
    const char *data = loaded ? static_cast<const char *>(LockResource(loaded)) : nullptr;
    if (!data) {
        FillQuickHelp(list, "");
        return;
    }
    // The resource need not be terminated: copy it into a terminated buffer of the help text limit.
    DWORD size = SizeofResource(g_app.instance, found);
    if (size > kHelpTextLimit - 1)
        size = kHelpTextLimit - 1;
    char *text = static_cast<char *>(calloc(size + 1, 1));
    if (!text)
        return;
    memcpy(text, data, size);
    FillQuickHelp(list, text);
    free(text);
}

void ScrollHelpToSelection() {
    if (!g_report || !g_app.mainScreen || !g_app.helpScreen)
        return;
    LRESULT selected = SendMessageA(g_app.mainScreen, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) {
        LRESULT slot = SendMessageA(g_app.mainScreen, LB_GETITEMDATA, selected, 0);
        // A line of codes alone gives the empty key, which stops the search at the first item.
        char key[kHelpKeyLength + 1];
        if (slot >= 0 && slot < kReportSlots && BuildHelpSearchKey(g_report->line[slot], key)) {
            int count = static_cast<int>(SendMessageA(g_app.helpScreen, LB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                char item[512];
                if (SendMessageA(g_app.helpScreen, LB_GETTEXTLEN, i, 0) >= static_cast<LRESULT>(sizeof item))
                    continue;
                SendMessageA(g_app.helpScreen, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item));
                if (HelpLineMatches(item, key)) {
                    SendMessageA(g_app.helpScreen, LB_SETTOPINDEX, i, 0);
                    SendMessageA(g_app.helpScreen, LB_SETCURSEL, i, 0);
                    break;
                }
            }
        }
    }
    InvalidateRect(g_app.helpScreen, nullptr, TRUE);
    UpdateWindow(g_app.helpScreen);
}

void ShowAbout() {
    SetWindowTextA(g_app.mainTitle, "Main Screen");
    SetWindowTextA(g_app.helpTitle, "Quick Help Screen");
    SYSTEMTIME now;
    GetSystemTime(&now);
    WriteAboutContent(*g_report, *g_history, CalendarDate{now.wYear, now.wMonth, now.wDay});
    if (g_app.mainScreen)
        SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    ShowReportLines(g_report->count);
    if (g_app.helpScreen) {
        SendMessageA(g_app.helpScreen, LB_RESETCONTENT, 0, 0);
        LoadQuickHelp(g_app.helpScreen, IDH_ABOUT);
    }
    if (g_app.main) {
        InvalidateRect(g_app.main, nullptr, FALSE);
        UpdateWindow(g_app.main);
    }
}
