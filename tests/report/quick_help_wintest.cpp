// The Quick Help Screen in the real list box: loading, wrapping to its width, click-to-scroll.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/globals_win.h"
#include "report/main_screen_win.h"
#include "report/screens_win.h"
#include "resources/resource_ids.h"
#include "tests/wintest_env.h"

namespace {

std::string Item(HWND list, LRESULT i) {
    char text[1024] = "";
    if (SendMessageA(list, LB_GETTEXTLEN, i, 0) < static_cast<LRESULT>(sizeof text))
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    return text;
}

LRESULT Ask(HWND list, UINT message) {
    return SendMessageA(list, message, 0, 0);
}

void ClickMainLine(int index, WORD code = LBN_SELCHANGE) {
    SendMessageA(g_app.mainScreen, LB_SETCURSEL, index, 0);
    SendMessageA(g_app.main, WM_COMMAND, MAKEWPARAM(IDC_MAIN_SCREEN, code),
                 reinterpret_cast<LPARAM>(g_app.mainScreen));
    PumpMessages();
}

TEST(QuickHelpScreen, TextIsWrappedToTheListsWidthAMissingOneIsTheClosingSpace) {
    SendMessageA(g_app.helpScreen, LB_RESETCONTENT, 0, 0);
    LoadQuickHelp(g_app.helpScreen, IDH_ABOUT);
    LRESULT n = Ask(g_app.helpScreen, LB_GETCOUNT);
    ASSERT_GT(n, 20);
    EXPECT_EQ(Item(g_app.helpScreen, n - 1), " ");
    RECT r;
    GetWindowRect(g_app.helpScreen, &r);
    HDC dc = GetDC(g_app.helpScreen);
    for (LRESULT i = 0; i < n; ++i) {
        std::string line = Item(g_app.helpScreen, i);
        SIZE size;
        GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &size);
        EXPECT_TRUE(size.cx <= r.right - r.left || line.find(' ') == std::string::npos) << line;
    }
    // The coverage check of the help texts takes a line of up to 14 characters as never wrapped.
    SIZE widest;
    GetTextExtentPoint32A(dc, "WWWWWWWWWWWWWW", 14, &widest);
    EXPECT_LE(widest.cx, r.right - r.left);
    ReleaseDC(g_app.helpScreen, dc);

    SendMessageA(g_app.helpScreen, LB_RESETCONTENT, 0, 0);
    LoadQuickHelp(g_app.helpScreen, 9999);
    ASSERT_EQ(Ask(g_app.helpScreen, LB_GETCOUNT), 1);
    EXPECT_EQ(Item(g_app.helpScreen, 0), " ");
}

TEST(QuickHelpScreen, AboutShowsTodayAClickOnALineScrollsToItsCaption) {
    SendMessageA(g_app.main, WM_COMMAND, CMD_ABOUT, 0);
    PumpMessages();
    ASSERT_EQ(Ask(g_app.mainScreen, LB_GETCOUNT), 22);
    SYSTEMTIME now;
    GetSystemTime(&now);
    char today[64];
    snprintf(today, sizeof today, "Date Last Used\t\003%.2d/%.2d/%.2d", now.wMonth, now.wDay,
             now.wYear % 100);
    EXPECT_STREQ(g_report->line[19], today);
    ClickMainLine(19);
    EXPECT_EQ(Item(g_app.helpScreen, Ask(g_app.helpScreen, LB_GETCURSEL)), "Date Last Used");
    EXPECT_EQ(Ask(g_app.helpScreen, LB_GETTOPINDEX), Ask(g_app.helpScreen, LB_GETCURSEL));
    // A double click does the same; the key is the first 12 characters of the caption.
    SendMessageA(g_app.helpScreen, LB_SETTOPINDEX, 0, 0);
    ClickMainLine(18, LBN_DBLCLK);
    EXPECT_EQ(Item(g_app.helpScreen, Ask(g_app.helpScreen, LB_GETCURSEL)), "Running (dd:hh:mm)");

    // Short lines and unknown captions leave it where it was; a line of codes alone goes to the top.
    const struct {
        const char *line;
        int selected;
    } cases[] = {
        {"\006\002\003\003", 3},           // four characters: not searched
        {"Nothing explains this line", 3}, // no caption
        {"\006\002\003\003\003", 0},       // an empty key matches the first line
        {"\t\t\t\t\t", 0},
    };
    for (const auto &c : cases) {
        SendMessageA(g_app.helpScreen, LB_SETTOPINDEX, 3, 0);
        SendMessageA(g_app.helpScreen, LB_SETCURSEL, 3, 0);
        SetReportLine(*g_report, 4, c.line);
        ClickMainLine(4);
        EXPECT_EQ(Ask(g_app.helpScreen, LB_GETCURSEL), c.selected) << c.line;
        EXPECT_EQ(Ask(g_app.helpScreen, LB_GETTOPINDEX), c.selected) << c.line;
    }
}

} // namespace
