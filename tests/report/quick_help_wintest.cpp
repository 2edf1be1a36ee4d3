// The Quick Help Screen in the real list box: loading, wrapping to its width, click-to-scroll.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/globals_win.h"
#include "monitor/performance.h"
#include "report/main_screen_win.h"
#include "report/screens_win.h"
#include "resources/resource_ids.h"
#include "tests/wintest_env.h"

namespace {

std::string Item(HWND list, int i) {
    char text[1024] = "";
    if (SendMessageA(list, LB_GETTEXTLEN, i, 0) < static_cast<LRESULT>(sizeof text))
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    return text;
}

int Count(HWND list) {
    return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
}

void ClickMainLine(int index, WORD code = LBN_SELCHANGE) {
    SendMessageA(g_app.mainScreen, LB_SETCURSEL, index, 0);
    SendMessageA(g_app.main, WM_COMMAND, MAKEWPARAM(IDC_MAIN_SCREEN, code),
                 reinterpret_cast<LPARAM>(g_app.mainScreen));
    PumpMessages();
}

TEST(QuickHelpScreen, AboutTextIsWrappedToTheListsWidth) {
    SendMessageA(g_app.helpScreen, LB_RESETCONTENT, 0, 0);
    LoadQuickHelp(g_app.helpScreen, IDH_ABOUT);
    int n = Count(g_app.helpScreen);
    ASSERT_GT(n, 20);
    EXPECT_EQ(Item(g_app.helpScreen, 0), "OVERVIEW");
    EXPECT_EQ(Item(g_app.helpScreen, n - 1), " ");
    RECT r;
    GetWindowRect(g_app.helpScreen, &r);
    HDC dc = GetDC(g_app.helpScreen);
    for (int i = 0; i < n; ++i) {
        std::string line = Item(g_app.helpScreen, i);
        SIZE size;
        GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &size);
        if (line.find(' ') != std::string::npos) {
            EXPECT_LE(size.cx, r.right - r.left) << line;
        }
    }
    ReleaseDC(g_app.helpScreen, dc);
}

TEST(QuickHelpScreen, MissingTextLeavesTheClosingSpaceOnly) {
    SendMessageA(g_app.helpScreen, LB_RESETCONTENT, 0, 0);
    LoadQuickHelp(g_app.helpScreen, 9999);
    ASSERT_EQ(Count(g_app.helpScreen), 1);
    EXPECT_EQ(Item(g_app.helpScreen, 0), " ");
}

TEST(QuickHelpScreen, ClickingAMainScreenLineScrollsToItsCaption) {
    SendMessageA(g_app.main, WM_COMMAND, CMD_ABOUT, 0);
    PumpMessages();
    ASSERT_EQ(Count(g_app.mainScreen), 22);
    ASSERT_EQ(std::string(g_report->line[19]).rfind("Date Last Used\t", 0), 0u);
    ClickMainLine(19);
    int top = static_cast<int>(SendMessageA(g_app.helpScreen, LB_GETTOPINDEX, 0, 0));
    int selected = static_cast<int>(SendMessageA(g_app.helpScreen, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(Item(g_app.helpScreen, selected), "Date Last Used");
    EXPECT_EQ(top, selected);

    // A double click does the same; the key is the first 12 characters of the caption.
    SendMessageA(g_app.helpScreen, LB_SETTOPINDEX, 0, 0);
    ClickMainLine(18, LBN_DBLCLK);
    selected = static_cast<int>(SendMessageA(g_app.helpScreen, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(Item(g_app.helpScreen, selected), "Running (dd:hh:mm)");
}

TEST(QuickHelpScreen, ShortLinesAndUnknownCaptionsLeaveItWhereItWas) {
    SendMessageA(g_app.main, WM_COMMAND, CMD_ABOUT, 0);
    PumpMessages();
    SendMessageA(g_app.helpScreen, LB_SETTOPINDEX, 3, 0);
    SendMessageA(g_app.helpScreen, LB_SETCURSEL, 3, 0);
    ClickMainLine(4); // " "
    EXPECT_EQ(SendMessageA(g_app.helpScreen, LB_GETCURSEL, 0, 0), 3);
    // A caption with no explanation.
    SetReportLine(*g_report, 4, "Nothing explains this line");
    ClickMainLine(4);
    EXPECT_EQ(SendMessageA(g_app.helpScreen, LB_GETCURSEL, 0, 0), 3);
}

TEST(AboutContent, BothScreensAndTheirTitles) {
    g_history->monitoredSeconds = 90061;
    g_history->month = 0;
    g_history->daysSeen = 0;
    SendMessageA(g_app.main, WM_COMMAND, CMD_ABOUT, 0);
    PumpMessages();
    EXPECT_EQ(g_report->count, 22);
    EXPECT_EQ(Count(g_app.mainScreen), 22);
    EXPECT_STREQ(g_report->line[18], "Running (dd:hh:mm)\t\00301:01:01");
    SYSTEMTIME now;
    GetSystemTime(&now);
    char today[64];
    snprintf(today, sizeof today, "Date Last Used\t\003%.2d/%.2d/%.2d", now.wMonth, now.wDay,
             now.wYear % 100);
    EXPECT_STREQ(g_report->line[19], today);
    EXPECT_STREQ(g_report->line[21], "Dates Used\t\0031");
    EXPECT_EQ(Item(g_app.helpScreen, 0), "OVERVIEW");
    char title[64];
    GetWindowTextA(g_app.mainTitle, title, sizeof title);
    EXPECT_STREQ(title, "Main Screen");
    GetWindowTextA(g_app.helpTitle, title, sizeof title);
    EXPECT_STREQ(title, "Quick Help Screen");
    *g_history = PerformanceHistory{};
}

} // namespace
