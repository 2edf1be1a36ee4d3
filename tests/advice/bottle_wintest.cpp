// The Bottle tools through the main window's commands on a crafted history: the Bottlenecks window,
// the pattern the Main Screen names, and the Overall Bottlenecks and Wait Time windows.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "app/catalogue.h"
#include "monitor/performance.h"
#include "platform/globals_win.h"
#include "resources/resource_ids.h"
#include "tests/wintest_env.h"

namespace {

struct BottleWindowTest : testing::Test {
    PerformanceHistory saved;
    void SetUp() override {
        saved = *g_history;
        *g_history = {};
    }
    void TearDown() override { *g_history = saved; }
};

int BarPosition(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageA(dialog, id, PBM_GETPOS, 0, 0));
}

// The newest dialog of that caption, closed through its OK button once the check has read it.
HWND FindDialog(const std::string &caption) {
    return FindWindowA("#32770", caption.c_str());
}

void Close(HWND dialog) {
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(BottleWindowTest, EveryHistogramToolShowsThePatternItsHistogramImplies) {
    using Field = uint32_t(PerformanceHistory::*)[kUsageSlots];
    // The stored value of each tool's histogram; "free" and "size" measures are read reversed.
    struct Case {
        int command;
        Field field;
        int stored;
        int band;
        const char *pattern;
    } cases[] = {
        {2703, &PerformanceHistory::cpu, 100, 9, "Overloaded Usage Pattern"},
        {2704, &PerformanceHistory::transfers, 30, 2, "Normal Usage Pattern"},
        {2705, &PerformanceHistory::bytesRead, 60, 5, "High Usage Pattern"},
        {2706, &PerformanceHistory::readSize, 95, 0, "Low Usage Pattern"},
        {2707, &PerformanceHistory::reads, 85, 8, "Overloaded Usage Pattern"},
        {2708, &PerformanceHistory::diskFree, 90, 0, "Low Usage Pattern"},
        {2709, &PerformanceHistory::bytesWritten, 45, 4, "Normal Usage Pattern"},
        {2710, &PerformanceHistory::writeSize, 40, 5, "High Usage Pattern"},
        {2711, &PerformanceHistory::writes, 12, 1, "Low Usage Pattern"},
        {2712, &PerformanceHistory::physicalFree, 0, 9, "Overloaded Usage Pattern"},
        {2713, &PerformanceHistory::memoryLoad, 70, 6, "High Usage Pattern"},
        {2714, &PerformanceHistory::pageFileFree, 65, 3, "Normal Usage Pattern"},
        {2715, &PerformanceHistory::virtualFree, 20, 7, "Overloaded Usage Pattern"},
        {2716, &PerformanceHistory::modem, 55, 5, "High Usage Pattern"},
        {2717, &PerformanceHistory::printPages, 2, 0, "Low Usage Pattern"},
        {2718, &PerformanceHistory::printPages, 2, 0, "Low Usage Pattern"},
        {2719, &PerformanceHistory::screenChange, 35, 3, "Normal Usage Pattern"},
        {2720, &PerformanceHistory::displayActivity, 99, 9, "Overloaded Usage Pattern"},
    };
    for (const Case &c : cases)
        (g_history->*c.field)[c.stored] = 5;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command);
        const ToolInfo *tool = ToolOfCommand(c.command);
        ASSERT_NE(tool, nullptr);
        Command(c.command);
        std::vector<std::string> lines = ReportLines();
        ASSERT_GE(lines.size(), 26u);
        EXPECT_EQ(lines[1], std::string("\003") + c.pattern);
        EXPECT_EQ(lines[15], std::string(c.pattern) + " Example");
        EXPECT_EQ(lines.size(), 26u) << "the example's title and ten bars close the report";
        HWND window = FindDialog(std::string("  ") + tool->name + " Bottlenecks");
        ASSERT_NE(window, nullptr);
        for (int band = 0; band < 10; ++band)
            EXPECT_EQ(BarPosition(window, IDC_BAND_FIRST + band), band == c.band ? 100 : 0) << band;
        Close(window);
        ExpectClicksFindCaptions(tool->helpId, lines);
    }
}

TEST_F(BottleWindowTest, OverallAndWaitTimeWindows) {
    g_history->cpu[100] = 90061; // 90061 s of waiting: 01:01:01
    g_history->displayActivity[50] = 2;
    Command(2701);
    HWND overall = FindDialog("Overall Bottlenecks");
    ASSERT_NE(overall, nullptr);
    EXPECT_EQ(BarPosition(overall, IDC_OVERALL_CPU), 66); // means 100 and 50
    EXPECT_EQ(BarPosition(overall, IDC_OVERALL_VIDEO_MONITOR), 33);
    EXPECT_EQ(BarPosition(overall, IDC_OVERALL_DISK), 0);
    Close(overall);
    Command(2702);
    HWND wait = FindDialog("Wait Time");
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(BarPosition(wait, IDC_WAIT_BAR_CPU), 99);
    EXPECT_EQ(WindowText(GetDlgItem(wait, IDC_WAIT_CPU)), "01:01:01");
    EXPECT_EQ(WindowText(GetDlgItem(wait, IDC_WAIT_VIDEO_MONITOR)), "00:00:00");
    EXPECT_EQ(WindowText(GetDlgItem(wait, IDC_WAIT_TOTAL)), "01:01:01");
    EXPECT_EQ(WindowText(GetDlgItem(wait, IDC_WAIT_PERCENT)), "0%") << "no active seconds yet";
    EXPECT_EQ(WindowText(GetDlgItem(wait, IDC_USE_TOTAL)), "00:00:00");
    Close(wait);
    for (int id : {2769, 2770})
        ExpectClicksFindCaptions(id, {});
}

} // namespace
