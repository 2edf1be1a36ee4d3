// Install, Boost and Coach in the real main window: their reports, the clicks into their Quick Help,
// the Coach score window and the tip files beside the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "advice/boost_win.h"
#include "advice/coach.h"
#include "advice/coach_win.h"
#include "advice/install_win.h"
#include "advice/tips_win.h"
#include "monitor/performance.h"
#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "report/quick_help.h"
#include "report/screens_win.h"
#include "resources/resource_ids.h"
#include "tests/wintest_env.h"

namespace {

std::vector<std::string> g_messages;
int Record(const char *text, const char *caption, UINT) {
    g_messages.push_back(std::string(caption) + " " + text);
    return IDOK;
}

std::string Lower(std::string text) {
    for (char &c : text)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

// Clicks every Main Screen line that has a caption; the lines whose click does not select their own
// caption (in any case, perhaps wrapped) in the Quick Help Screen.
std::vector<std::string> MissedClicks() {
    std::vector<std::string> missed;
    int count = static_cast<int>(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const char *line = g_report->line[SendMessageA(g_app.mainScreen, LB_GETITEMDATA, i, 0)];
        char key[kHelpKeyLength + 1];
        if (!BuildHelpSearchKey(line, key))
            continue;
        std::string caption;
        for (const char *p = line; *p && *p != '\t'; ++p)
            if (*p > 10 && *p != '&')
                caption += *p;
        SendMessageA(g_app.mainScreen, LB_SETCURSEL, i, 0);
        SendMessageA(g_app.helpScreen, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        ScrollHelpToSelection();
        char help[512] = "";
        LRESULT selected = SendMessageA(g_app.helpScreen, LB_GETCURSEL, 0, 0);
        if (selected != LB_ERR)
            SendMessageA(g_app.helpScreen, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(help));
        // A long caption is wrapped: the click lands on its first part.
        if (!help[0] || Lower(caption).rfind(Lower(help), 0) != 0)
            missed.push_back(caption + " -> " + help);
    }
    return missed;
}

struct AdviceTest : testing::Test {
    std::unique_ptr<PerformanceHistory> saved = std::make_unique<PerformanceHistory>(*g_history);
    void SetUp() override {
        g_messages.clear();
        SetMessageAnswerer(Record);
    }
    void TearDown() override {
        SetMessageAnswerer(nullptr);
        *g_history = *saved;
    }
};

TEST_F(AdviceTest, InstallReportsExplainEveryCaption) {
    void (*const tools[])(HWND) = {RunInstallTool<0>, RunInstallTool<1>, RunInstallTool<2>,
                                   RunInstallTool<3>, RunInstallTool<4>, RunInstallTool<5>,
                                   RunInstallTool<6>, RunInstallTool<7>, RunInstallTool<8>};
    const int help[] = {2652, 2660, 2655, 2658, 2659, 2656, 2653, 2654, 2657};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(help[i]);
        std::vector<std::string> lines = RunTool(tools[i]);
        ASSERT_GE(lines.size(), 30u);
        ExpectClicksFindCaptions(help[i], lines);
    }
    EXPECT_TRUE(g_messages.empty());
}

TEST_F(AdviceTest, BoostToolsListTheirTipsAndEveryClickFindsIt) {
    for (int id = 2901; id <= 2910; ++id) {
        SCOPED_TRACE(id);
        Command(id);
        ASSERT_GE(g_report->count, 4);
        EXPECT_STREQ(g_report->line[0], "\6Tip\t\6Value\t\6Effort\t\6Downside");
        EXPECT_EQ(MissedClicks(), std::vector<std::string>());
    }
    EXPECT_EQ(WindowText(g_app.mainTitle), "  Video Display");
    EXPECT_EQ(WindowText(g_app.helpTitle), " Quick Help Video Display");
    // A loaded processor makes each CPU tip worth one more; with the history empty, one less.
    g_history->cpu[95] = 1;
    Command(2901);
    std::string loaded = g_report->line[1];
    *g_history = PerformanceHistory{};
    Command(2901);
    EXPECT_NE(loaded, g_report->line[1]);
    EXPECT_TRUE(g_messages.empty());
}

HWND ScoreWindow(const char *title) {
    HWND window = FindWindowA("#32770", title);
    return window && GetWindow(window, GW_OWNER) == g_app.main ? window : nullptr;
}

// How many places of the bar show the tool's icon, and whether every other one shows the empty place.
int FilledPlaces(HWND window, int iconId) {
    HICON full = LoadIconA(g_app.instance, MAKEINTRESOURCEA(iconId));
    HICON empty = LoadIconA(g_app.instance, MAKEINTRESOURCEA(IDI_SCORE_EMPTY));
    int filled = 0;
    for (int i = 0; i < kScoreIcons; ++i) {
        auto icon =
            reinterpret_cast<HICON>(SendDlgItemMessageA(window, IDC_SCORE_ICON_FIRST + i, STM_GETICON, 0, 0));
        if (icon == full && filled == i)
            ++filled;
        else if (icon != empty)
            return -1;
    }
    return filled;
}

TEST_F(AdviceTest, CoachToolsShowTheirScoreAndTips) {
    *g_history = PerformanceHistory{};
    g_history->keystrokes = 60000;
    g_history->activeSeconds = 3600;
    g_history->monitoredSeconds = 7200;
    g_history->pointerActions = 20000;
    const struct {
        int id;
        const char *name, *left, *right;
        int filled;
    } rows[] = {{3002, "Drag", "0%", "100%", 2},
                {3009, "Program Power", "Low", "High", 1},
                {3011, "Typing Rate", "Normal", "Fast", 9},
                {3013, "Utilization", "Low", "High", 5},
                {3008, "Preference", "Keyboard", "Mouse", 3}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        Command(r.id);
        HWND window = ScoreWindow(r.name);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(FilledPlaces(window, IDI_COACH_FIRST + r.id - 3001), r.filled);
        EXPECT_EQ(WindowText(GetDlgItem(window, IDC_SCORE_LEFT)), r.left);
        EXPECT_EQ(WindowText(GetDlgItem(window, IDC_SCORE_RIGHT)), r.right);
        EXPECT_EQ(std::string(g_report->line[0]), std::string("\6Ways To Improve ") + r.name);
    }
    // One score window at a time; its OK button closes it.
    EXPECT_EQ(ScoreWindow("Typing Rate"), nullptr);
    HWND last = ScoreWindow("Preference");
    SendMessageA(last, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindow(last));
    for (int id = 3001; id <= 3013; ++id) {
        SCOPED_TRACE(id);
        Command(id);
        EXPECT_GE(FilledPlaces(ScoreWindow(CoachToolAt(id - 3001)->name), IDI_COACH_FIRST + id - 3001), 1);
        EXPECT_EQ(MissedClicks(), std::vector<std::string>());
        ExpectClicksFindCaptions(3051 + id - 3001, {g_report->line[0], "Score\t5\tLow\tHigh"});
    }
    DestroyWindow(ScoreWindow("Utilization"));
    EXPECT_TRUE(g_messages.empty());
}

TEST_F(AdviceTest, TipFilesOfAWrongSizeOrMissingAreRefusedOnce) {
    char folder[MAX_PATH];
    ProgramDirectory(nullptr, folder, sizeof folder);
    auto write = [&](const char *name, const std::string &bytes) {
        std::string path = std::string(folder) + "\\" + name;
        FILE *f = fopen(path.c_str(), "wb");
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
        return path;
    };
    std::string two(2 * kTipRecordBytes, '\0');
    two[0] = 1;
    two[12] = 'A';
    two[kTipRecordBytes + 12] = 'B';
    std::string good = write("QVTWO.DAT", two), bad = write("QVBAD.DAT", std::string(1000, '\0'));
    TipRecord *tips = nullptr;
    EXPECT_EQ(ReadTipFile("QVTWO.DAT", 0, &tips), 1);
    ASSERT_NE(tips, nullptr);
    EXPECT_STREQ(tips[0].name, "B");
    free(tips);
    EXPECT_EQ(ReadTipFile("QVBAD.DAT", 0, &tips), 0);
    EXPECT_EQ(ReadTipFile("QVNONE.DAT", 0, &tips), 0);
    EXPECT_EQ(tips, nullptr);
    EXPECT_EQ(
        g_messages,
        std::vector<std::string>(
            {"Error! Unable to find or read data file QVBAD.DAT. Replace the file with a good copy.",
             "Error! Unable to find or read data file QVNONE.DAT. Replace the file with a good copy."}));
    DeleteFileA(good.c_str());
    DeleteFileA(bad.c_str());
    g_messages.clear();
    ShowBoostTips("Memory");
    EXPECT_EQ(g_messages,
              std::vector<std::string>(
                  {"Error! Unable to show tips due to error. If this occurs again call Technical Support."}));
}

} // namespace
