// The main window, its menu, toolbars and dispatch, as they run under Windows.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/frame_win.h"
#include "diagnose/reports_win.h"
#include "platform/printers_win.h"
#include "platform/globals_win.h"
#include "app/layout.h"
#include "monitor/usage_win.h"
#include "platform/utilities_win.h"
#include "report/main_screen_win.h"
#include "resources/resource_ids.h"
#include "tests/wintest_env.h"

namespace {

std::string MenuText(HMENU menu, UINT position) {
    char text[256] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

struct MenuItem {
    std::string text;
    UINT id;
    bool separator;
    bool checked;
};

std::vector<MenuItem> PopupItems(HMENU popup) {
    std::vector<MenuItem> items;
    int n = GetMenuItemCount(popup);
    for (int i = 0; i < n; ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE;
        GetMenuItemInfoA(popup, i, TRUE, &info);
        items.push_back({MenuText(popup, i), info.wID, (info.fType & MFT_SEPARATOR) != 0,
                         (info.fState & MFS_CHECKED) != 0});
    }
    return items;
}

TEST(Menu, PopupsInOrderAndEveryToolUnderItsFamily) {
    HMENU menu = LoadMenuA(g_app.instance, MAKEINTRESOURCEA(IDM_MAIN));
    ASSERT_NE(menu, nullptr);
    const char *popups[] = {"File",     "Action", "Coach",    "Explore", "Check",   "Boost", "Monitor",
                            "Diagnose", "Bottle", "Programs", "Upgrade", "Install", "Info",  "Help"};
    ASSERT_EQ(GetMenuItemCount(menu), 14);
    std::map<UINT, int> seen;
    for (int p = 0; p < 14; ++p) {
        SCOPED_TRACE(popups[p]);
        EXPECT_EQ(MenuText(menu, p), popups[p]);
        HMENU popup = GetSubMenu(menu, p);
        ASSERT_NE(popup, nullptr);
        for (const MenuItem &item : PopupItems(popup)) {
            if (item.separator)
                continue;
            ++seen[item.id];
            const ToolInfo *tool = ToolOfCommand(item.id);
            if (!tool)
                continue;
            EXPECT_EQ(item.text, tool->menuText) << item.id;
            const FamilyInfo *family = FamilyOfTool(item.id);
            // Keep Monitors On Top is the Action tool 3305 but lives in the Monitor popup.
            std::string expected = item.id == CMD_MONITORS_ON_TOP ? "Monitor" : family->name;
            EXPECT_EQ(popups[p], expected) << item.id;
        }
    }
    for (int i = 0; i < kToolCount; ++i)
        EXPECT_EQ(seen[ToolByIndex(i).id], 1) << ToolByIndex(i).id;
    for (UINT other : {CMD_PRINT, CMD_EXIT, CMD_INCLUDE_SELF, CMD_HELP, CMD_ABOUT})
        EXPECT_EQ(seen[other], 1) << other;
    EXPECT_EQ(seen.size(), static_cast<size_t>(kToolCount + 5));
    DestroyMenu(menu);
}

TEST(Menu, SeparatorsChecksAndFixedItems) {
    HMENU menu = LoadMenuA(g_app.instance, MAKEINTRESOURCEA(IDM_MAIN));
    auto layout = [&](int p) {
        std::string s;
        for (const MenuItem &item : PopupItems(GetSubMenu(menu, p)))
            s += item.separator ? std::string("-|") : std::to_string(item.id) + (item.checked ? "*|" : "|");
        return s;
    };
    EXPECT_EQ(layout(0), "1902|-|2|");
    EXPECT_EQ(MenuText(GetSubMenu(menu, 0), 0), "Print");
    EXPECT_EQ(MenuText(GetSubMenu(menu, 0), 2), "Exit");
    EXPECT_EQ(layout(1), "3301|3302|-|3303|3304|3306|");
    EXPECT_EQ(MenuText(GetSubMenu(menu, 1), 5), "Include Quorvex");
    EXPECT_EQ(layout(6), "2801|-|2802|2803|2804|2805|2806|-|3305*|");
    EXPECT_EQ(layout(13), "2023|3402|");
    EXPECT_EQ(MenuText(GetSubMenu(menu, 13), 1), "About Quorvex");
    DestroyMenu(menu);
}

BOOL CALLBACK CloseActionWindow(HWND window, LPARAM) {
    std::string title = WindowText(window);
    if (GetWindow(window, GW_OWNER) == g_app.main && (title == "Veduduzi Rero" || title == "Riduzu Zire"))
        DestroyWindow(window);
    return TRUE;
}

// Closes the Veduduzi Rero and Riduzu Zire windows the Action tools opened.
void CloseActionWindows() {
    EnumThreadWindows(GetCurrentThreadId(), CloseActionWindow, 0);
}

// While on, the Diagnose tests that wait for the user end at once and the printer test is cancelled;
// switched off, the keyboard and sound tests the tools left open are closed.
void AnswerDiagnoseTests(bool on) {
    SetPrintDialogAnswerer(on ? [](HWND) -> HDC { return nullptr; } : PrintDialogAnswerer(nullptr));
    SetMouseTestDriver(on ? [](HWND w) { PostMessageA(w, WM_RBUTTONDOWN, 0, 0); } : MouseTestDriver(nullptr));
    SetJoystickTestDriver(on ? [](HWND d) { PostMessageA(d, WM_COMMAND, IDOK, 0); }
                             : JoystickTestDriver(nullptr));
    SetVideoTestDriver(on ? [](HWND d) { PostMessageA(d, WM_COMMAND, IDOK, 0); } : VideoTestDriver(nullptr),
                       nullptr);
    for (const char *test : {"Keyboard Test", "Sound Card Test"})
        if (!on)
            DestroyWindow(FindWindowA(nullptr, test));
}

TEST(Dispatch, EveryToolRunsWithItsTitles) {
    HWND bottomBefore = g_app.bottomToolbar;
    // Tile Open Windows asks first: refused, it leaves the desktop as it is.
    SetMessageAnswerer([](const char *, const char *, UINT) { return IDCANCEL; });
    AnswerDiagnoseTests(true);
    for (int i = 0; i < kToolCount; ++i) {
        const ToolInfo &tool = ToolByIndex(i);
        SCOPED_TRACE(tool.id);
        SetWindowTextA(g_app.mainTitle, "");
        SetWindowTextA(g_app.helpTitle, "");
        Command(tool.id);
        EXPECT_EQ(WindowText(g_app.mainTitle), std::string("  ") + tool.name);
        EXPECT_EQ(WindowText(g_app.helpTitle), std::string(" Quick Help ") + tool.name);
    }
    EXPECT_EQ(g_app.bottomToolbar, bottomBefore) << "running a tool leaves the bottom toolbar alone";
    SetMessageAnswerer(nullptr);
    AnswerDiagnoseTests(false);
    CloseMonitors(); // the Monitor tools opened their windows, the Action tools theirs
    CloseActionWindows();
    // Running 3305 twice in the loop above would leave its mark where it was; once more flips it.
    HMENU menu = GetMenu(g_app.main);
    UINT before = GetMenuState(menu, CMD_MONITORS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED;
    Command(CMD_MONITORS_ON_TOP);
    EXPECT_NE(GetMenuState(menu, CMD_MONITORS_ON_TOP, MF_BYCOMMAND) & MF_CHECKED, before);
}

TEST(Dispatch, ExploreToolsShowTheirReportsAndQuickHelp) {
    const FamilyInfo &explore = FamilyAt(kFamilyExplore);
    for (int i = 0; i < explore.toolCount; ++i) {
        const ToolInfo &tool = explore.tools[i];
        SCOPED_TRACE(tool.name);
        Command(tool.id);
        // Ports, Printers and Windows Modules may rightly be empty here (no ports in the test's
        // record, no printer, no US-English version records in Wine's DLLs).
        EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), g_report->count);
        EXPECT_GT(SendMessageA(g_app.helpScreen, LB_GETCOUNT, 0, 0), 10);
        char first[64] = "";
        SendMessageA(g_app.helpScreen, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
        EXPECT_STREQ(first, "OVERVIEW");
    }
}

TEST(Dispatch, IncludeQuorvexTogglesItsMarkOnly) {
    HMENU menu = GetMenu(g_app.main);
    ASSERT_EQ(GetMenuState(menu, CMD_INCLUDE_SELF, MF_BYCOMMAND) & MF_CHECKED, 0u);
    SetWindowTextA(g_app.mainTitle, "unchanged");
    Command(CMD_INCLUDE_SELF);
    EXPECT_NE(GetMenuState(menu, CMD_INCLUDE_SELF, MF_BYCOMMAND) & MF_CHECKED, 0u);
    Command(CMD_INCLUDE_SELF);
    EXPECT_EQ(GetMenuState(menu, CMD_INCLUDE_SELF, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(WindowText(g_app.mainTitle), "unchanged");
}

TEST(Dispatch, UnknownCommandsDoNothing) {
    SetWindowTextA(g_app.mainTitle, "unchanged");
    for (int id : {0, 3, 2009, 2024, 2200, 2220, 2911, 3307, 3401, 65535})
        Command(id);
    EXPECT_EQ(WindowText(g_app.mainTitle), "unchanged");
    EXPECT_TRUE(IsWindow(g_app.main));
}

TEST(Dispatch, AboutSetsTheScreenTitles) {
    Command(CMD_ABOUT);
    EXPECT_EQ(WindowText(g_app.mainTitle), "Main Screen");
    EXPECT_EQ(WindowText(g_app.helpTitle), "Quick Help Screen");
}

TEST(Dispatch, MonitorToolsRunOnTheDataThread) {
    ASSERT_NE(g_app.dataWindow, nullptr);
    EXPECT_NE(GetWindowThreadProcessId(g_app.dataWindow, nullptr), GetCurrentThreadId());
    char cls[64];
    GetClassNameA(g_app.dataWindow, cls, sizeof cls);
    EXPECT_STREQ(cls, "QXDynamic");
    EXPECT_FALSE(IsWindowVisible(g_app.dataWindow));
    g_report->count = 7;
    Command(2806);
    EXPECT_EQ(WindowText(g_app.mainTitle), "  System Monitor");
    EXPECT_EQ(g_report->count, 0) << "Monitor tools start from an empty report";
    CloseMonitors();
}

TEST(Toolbars, TopToolbarHasFourteenButtonsInOrder) {
    ASSERT_NE(g_app.topToolbar, nullptr);
    EXPECT_EQ(GetDlgCtrlID(g_app.topToolbar), IDC_TOP_TOOLBAR);
    ASSERT_EQ(SendMessageA(g_app.topToolbar, TB_BUTTONCOUNT, 0, 0), kTopButtonCount);
    for (int i = 0; i < kTopButtonCount; ++i) {
        TBBUTTON b = {};
        SendMessageA(g_app.topToolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
        EXPECT_EQ(b.idCommand, TopButtonIds()[i]);
        EXPECT_EQ(b.iBitmap, i);
        EXPECT_TRUE(b.fsState & TBSTATE_ENABLED);
    }
}

TEST(Toolbars, EachFamilyButtonShowsItsBottomToolbar) {
    // Tile Open Windows asks first: refused, it leaves the desktop as it is.
    SetMessageAnswerer([](const char *, const char *, UINT) { return IDCANCEL; });
    AnswerDiagnoseTests(true);
    for (int f = 0; f < kFamilyCount; ++f) {
        const FamilyInfo &family = FamilyAt(f);
        SCOPED_TRACE(family.name);
        SetWindowTextA(g_app.mainTitle, "unchanged");
        Command(family.topButtonId);
        ASSERT_NE(g_app.bottomToolbar, nullptr);
        EXPECT_EQ(GetDlgCtrlID(g_app.bottomToolbar), family.base);
        EXPECT_EQ(GetDlgItem(g_app.main, family.base), g_app.bottomToolbar) << "the previous bar is gone";
        ASSERT_EQ(SendMessageA(g_app.bottomToolbar, TB_BUTTONCOUNT, 0, 0), family.buttonCount);
        for (int i = 0; i < family.buttonCount; ++i) {
            TBBUTTON b = {};
            SendMessageA(g_app.bottomToolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
            EXPECT_EQ(b.idCommand, family.buttons[i]);
            EXPECT_EQ(b.iBitmap, family.buttons[i] - family.base - 1);
        }
        EXPECT_EQ(WindowText(g_app.mainTitle), "unchanged") << "a family button runs no tool";
        // Every button reaches its tool.
        for (int i = 0; i < family.buttonCount; ++i) {
            TBBUTTON b = {};
            SendMessageA(g_app.bottomToolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
            Command(b.idCommand);
            EXPECT_EQ(WindowText(g_app.mainTitle), std::string("  ") + ToolOfCommand(b.idCommand)->name);
        }
    }
    SetMessageAnswerer(nullptr);
    AnswerDiagnoseTests(false);
    CloseMonitors();
    CloseActionWindows();
    // Bottle's buttons show images 2 to 19 of its strip.
    Command(CMD_TOP_BOTTLE);
    TBBUTTON first = {}, last = {};
    SendMessageA(g_app.bottomToolbar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageA(g_app.bottomToolbar, TB_GETBUTTON, 17, reinterpret_cast<LPARAM>(&last));
    EXPECT_EQ(first.iBitmap, 2);
    EXPECT_EQ(last.iBitmap, 19);
}

TEST(Toolbars, TooltipRequestsGetTheCatalogueName) {
    struct Case {
        int id;
        const char *text;
    } cases[] = {{2010, "Troubleshoot"}, {2022, "Print Screen"}, {2519, "Uninterruptable Power Supply"}};
    for (const Case &c : cases) {
        NMTTDISPINFOA info = {};
        info.hdr.code = TTN_GETDISPINFOA;
        info.hdr.idFrom = c.id;
        info.hdr.hwndFrom = g_app.topToolbar;
        SendMessageA(g_app.main, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        ASSERT_NE(info.lpszText, nullptr) << c.id;
        EXPECT_STREQ(info.lpszText, c.text);
    }
    NMTTDISPINFOA other = {};
    other.hdr.code = TTN_GETDISPINFOA;
    other.hdr.idFrom = 3306;
    SendMessageA(g_app.main, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other));
    EXPECT_EQ(other.lpszText, nullptr);
}

TEST(Toolbars, PicturesHaveTheirSizes) {
    auto size = [](int id) {
        HBITMAP b = LoadBitmapA(g_app.instance, MAKEINTRESOURCEA(id));
        BITMAP info = {};
        if (b) {
            GetObjectA(b, sizeof info, &info);
            DeleteObject(b);
        }
        return std::make_pair(static_cast<int>(info.bmWidth), static_cast<int>(info.bmHeight));
    };
    EXPECT_EQ(size(IDB_TOP_TOOLBAR), std::make_pair(32 * 14, 16));
    for (int f = 0; f < kFamilyCount; ++f)
        EXPECT_EQ(size(FamilyAt(f).bitmapId), std::make_pair(16 * FamilyAt(f).toolCount, 16))
            << FamilyAt(f).name;
    EXPECT_NE(LoadIconA(g_app.instance, MAKEINTRESOURCEA(IDI_APP)), nullptr);
}

TEST(MainWindow, ChildrenFollowTheLayout) {
    RECT window, bar, client;
    GetWindowRect(g_app.main, &window);
    EXPECT_EQ(window.right - window.left, 640);
    EXPECT_EQ(window.bottom - window.top, 480);
    GetWindowRect(g_app.topToolbar, &bar);
    GetClientRect(g_app.main, &client);
    // The layout was computed from the client area at creation, before any bottom toolbar.
    MainLayout l = ComputeMainLayout(client.right, client.bottom, bar.bottom - bar.top);
    struct Child {
        HWND w;
        ChildRect r;
    } children[] = {{g_app.mainScreen, l.mainScreen},
                    {g_app.mainTitle, l.mainTitle},
                    {g_app.helpScreen, l.helpScreen},
                    {g_app.helpTitle, l.helpTitle}};
    for (const Child &c : children) {
        RECT r;
        GetWindowRect(c.w, &r);
        MapWindowPoints(nullptr, g_app.main, reinterpret_cast<POINT *>(&r), 2);
        EXPECT_EQ(r.left, c.r.x);
        EXPECT_EQ(r.top, c.r.y);
        EXPECT_EQ(r.right - r.left, c.r.width);
        EXPECT_EQ(r.bottom - r.top, c.r.height);
        EXPECT_TRUE(GetWindowLongA(c.w, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    }
    EXPECT_EQ(GetDlgCtrlID(g_app.mainScreen), IDC_MAIN_SCREEN);
    LONG style = GetWindowLongA(g_app.mainScreen, GWL_STYLE);
    EXPECT_TRUE(style & LBS_OWNERDRAWFIXED);
    EXPECT_FALSE(style & LBS_HASSTRINGS);
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETHORIZONTALEXTENT, 0, 0), 1000);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(g_app.helpScreen, WM_GETFONT, 0, 0)), g_draw.normalFont);
}

TEST(MainWindow, SystemMenuHasNoSizeEntry) {
    HMENU system = GetSystemMenu(g_app.main, FALSE);
    EXPECT_EQ(GetMenuState(system, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(system, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST(MainWindow, MaximisedSizeIs640By480) {
    MINMAXINFO info = {};
    info.ptMaxSize = {1024, 768};
    SendMessageA(g_app.main, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxSize.x, 640);
    EXPECT_EQ(info.ptMaxSize.y, 480);
}

TEST(MainWindow, TitleBarsAreYellowOnBlack) {
    HDC dc = GetDC(g_app.mainTitle);
    LRESULT brush = SendMessageA(g_app.main, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(g_app.mainTitle));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(0, 0, 0));
    ReleaseDC(g_app.mainTitle, dc);
}

TEST(MainWindow, CommNotificationsAreCounted) {
    uint32_t before = g_input.commNotifications;
    SendMessageA(g_app.main, WM_COMMNOTIFY, 0, 0);
    SendMessageA(g_app.main, WM_COMMNOTIFY, 0, 0);
    EXPECT_EQ(g_input.commNotifications, before + 2);
}

TEST(MainWindow, RightClickAsksForHelp) {
    // The Help command is posted, not run at once; it must arrive without error.
    SendMessageA(g_app.main, WM_RBUTTONDOWN, 0, MAKELPARAM(5, 5));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, g_app.main, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(LOWORD(msg.wParam), CMD_HELP);
}

} // namespace
