// The Help window and its tours under Wine: one window and one bar at most, every tour to its end, and
// the bar flipping at the right edge of a narrow main window.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/help_tours.h"
#include "library/help_window_win.h"
#include "platform/globals_win.h"
#include "resources/resource_ids.h"
#include "tests/wintest_env.h"

namespace {

BOOL CALLBACK CountHelpWindows(HWND window, LPARAM param) {
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && WindowText(window) == "Help" && IsWindowVisible(window))
        ++*reinterpret_cast<int *>(param);
    return TRUE;
}

void ChooseTopic(int topic) {
    HWND list = GetDlgItem(HelpWindowHandle(), IDC_HELP_TOPICS);
    SendMessageA(list, LB_SETCURSEL, topic, 0);
    SendMessageA(HelpWindowHandle(), WM_COMMAND, MAKEWPARAM(IDC_HELP_TOPICS, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    PumpMessages();
}

// The line the bar's closed list shows.
std::string BarHeading() {
    char text[256] = "";
    HWND list = GetDlgItem(HelpTourBarHandle(), IDC_HELP_BAR_TEXT);
    LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (selected != CB_ERR && SendMessageA(list, CB_GETLBTEXTLEN, selected, 0) < 256)
        SendMessageA(list, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text));
    return text;
}

void PressBar(int id) {
    SendMessageA(HelpTourBarHandle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    PumpMessages();
}

class HelpWindow : public testing::Test {
protected:
    void SetUp() override {
        Command(CMD_HELP);
        ASSERT_NE(HelpWindowHandle(), nullptr);
    }
    void TearDown() override {
        if (HelpTourBarHandle())
            PressBar(IDOK);
        if (HelpWindowHandle())
            SendMessageA(HelpWindowHandle(), WM_COMMAND, IDCANCEL, 0);
        PumpMessages();
    }
};

TEST_F(HelpWindow, OpensOnceWithItsTopicsAndHelpText) {
    Command(CMD_HELP);
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountHelpWindows, reinterpret_cast<LPARAM>(&count));
    EXPECT_EQ(count, 1);
    HWND list = GetDlgItem(HelpWindowHandle(), IDC_HELP_TOPICS);
    std::vector<std::string> topics;
    for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
        char text[64] = "";
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        topics.push_back(text);
    }
    EXPECT_EQ(topics, (std::vector<std::string>{"Screen Overview", "Main Screen", "Menus", "Quick Help",
                                                "Toolbars"}));
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), 0);
    char first[64] = "";
    SendMessageA(g_app.helpScreen, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_STREQ(first, "OVERVIEW");
    EXPECT_EQ(QuickHelpLines(IDH_USING_HELP)[0], "OVERVIEW");
}

// Every tour shows each of its steps in turn, headed by its heading, and closes after the last.
TEST_F(HelpWindow, ToursRunToTheirEndAndClose) {
    for (int topic = 0; topic < kHelpTopicCount; ++topic) {
        ChooseTopic(topic);
        ASSERT_NE(HelpTourBarHandle(), nullptr) << kHelpTopicName[topic];
        std::vector<std::string> shown;
        for (int guard = 0; HelpTourBarHandle() && guard < 20; ++guard) {
            shown.push_back(BarHeading());
            PressBar(IDC_HELP_BAR_NEXT);
        }
        EXPECT_EQ(HelpTourBarHandle(), nullptr);
        ASSERT_EQ(static_cast<int>(shown.size()), TourStepCount(topic)) << kHelpTopicName[topic];
        for (int step = 0; step < TourStepCount(topic); ++step) {
            std::string text = TourStepText(topic, step);
            EXPECT_EQ(shown[step], text.substr(0, text.find('\n'))) << "the closed list shows the heading";
        }
    }
}

TEST_F(HelpWindow, OneTourAtATime) {
    ChooseTopic(kTopicToolbars);
    HWND bar = HelpTourBarHandle();
    PressBar(IDC_HELP_BAR_NEXT);
    ChooseTopic(kTopicMenus);
    EXPECT_EQ(HelpTourBarHandle(), bar);
    EXPECT_EQ(BarHeading(), "COACH");
    PressBar(IDOK);
    EXPECT_EQ(HelpTourBarHandle(), nullptr);
    ChooseTopic(kTopicMenus);
    EXPECT_EQ(BarHeading(), "MAIN MENU");
    // The heading comes back when the list closes up.
    HWND list = GetDlgItem(HelpTourBarHandle(), IDC_HELP_BAR_TEXT);
    SendMessageA(list, CB_SETCURSEL, 1, 0);
    SendMessageA(HelpTourBarHandle(), WM_COMMAND, MAKEWPARAM(IDC_HELP_BAR_TEXT, CBN_CLOSEUP),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(BarHeading(), "MAIN MENU");
    EXPECT_GT(SendMessageA(list, CB_GETCOUNT, 0, 0), 1);
}

// In a narrow main window the Toolbars tour reaches buttons too near the right edge for the bar: it
// then stands left of the button and points right.
TEST_F(HelpWindow, BarFlipsNearTheRightEdge) {
    RECT saved;
    GetWindowRect(g_app.main, &saved);
    MoveWindow(g_app.main, 0, 0, 560, 480, TRUE);
    PumpMessages();
    HICON left = LoadIconA(g_app.instance, MAKEINTRESOURCEA(IDI_POINT_LEFT));
    HICON right = LoadIconA(g_app.instance, MAKEINTRESOURCEA(IDI_POINT_RIGHT));
    RECT main;
    GetWindowRect(g_app.main, &main);
    ChooseTopic(kTopicToolbars);
    int flipped = 0, plain = 0;
    for (int button = 0; button < kTourToolbarButtons; ++button) {
        RECT bar, item;
        GetWindowRect(HelpTourBarHandle(), &bar);
        SendMessageA(g_app.topToolbar, TB_GETITEMRECT, button, reinterpret_cast<LPARAM>(&item));
        MapWindowPoints(g_app.topToolbar, nullptr, reinterpret_cast<POINT *>(&item), 2);
        HICON icon = reinterpret_cast<HICON>(
            SendDlgItemMessageA(HelpTourBarHandle(), IDC_HELP_BAR_ICON, STM_GETICON, 0, 0));
        if (item.right + (bar.right - bar.left) > main.right) {
            ++flipped;
            EXPECT_EQ(icon, right) << button;
            EXPECT_EQ(bar.right, item.left) << button;
        } else {
            ++plain;
            EXPECT_EQ(icon, left) << button;
            EXPECT_EQ(bar.left, item.right) << button;
        }
        EXPECT_EQ(bar.top, item.top) << button;
        PressBar(IDC_HELP_BAR_NEXT);
    }
    EXPECT_GT(flipped, 0);
    EXPECT_GT(plain, 0);
    MoveWindow(g_app.main, saved.left, saved.top, saved.right - saved.left, saved.bottom - saved.top, TRUE);
}

} // namespace
