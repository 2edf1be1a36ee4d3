// The Upgrade tools under Wine: each tool's window, notice and comparison table, the window's icons
// and list for given scores, and MODELS.DAT problems.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "advice/upgrade.h"
#include "advice/upgrade_win.h"
#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "resources/resource_ids.h"
#include "tests/wintest_env.h"

namespace {

std::vector<std::string> g_boxes; // "caption|text" of every message box asked for

int Answer(const char *text, const char *caption, UINT) {
    g_boxes.push_back(std::string(caption) + "|" + text);
    return IDOK;
}

struct UpgradeTest : testing::Test {
    void SetUp() override {
        g_boxes.clear();
        SetMessageAnswerer(Answer);
    }
    void TearDown() override { SetMessageAnswerer(nullptr); }
};

std::vector<std::string> ListLines(HWND list) {
    std::vector<std::string> lines;
    for (LRESULT i = 0, n = SendMessageA(list, LB_GETCOUNT, 0, 0); i < n; ++i) {
        char text[512] = "";
        if (SendMessageA(list, LB_GETTEXTLEN, i, 0) < static_cast<LRESULT>(sizeof text))
            SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        lines.push_back(text);
    }
    return lines;
}

// The icons the four score controls show, as resource ids (0 for an unknown one).
std::vector<int> ShownIcons(HWND window) {
    std::vector<int> ids;
    for (int control = IDC_UPGRADE_CURRENT; control <= IDC_UPGRADE_NEED; ++control) {
        HANDLE shown = reinterpret_cast<HANDLE>(SendDlgItemMessageA(window, control, STM_GETICON, 0, 0));
        int found = 0;
        for (int id = IDI_UPGRADE_SCORE + 1; id <= IDI_UPGRADE_NA && !found; ++id)
            if (shown && shown == LoadIconA(g_app.instance, MAKEINTRESOURCEA(id)))
                found = id;
        ids.push_back(found);
    }
    return ids;
}

std::string WriteFile(const char *name, const std::string &bytes) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string path = std::string(folder) + name;
    FILE *f = fopen(path.c_str(), "wb");
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
    return path;
}

TEST_F(UpgradeTest, WindowShowsScoreIconsAndCandidates) {
    struct Case {
        int current, usage;
        std::vector<int> icons;
    } cases[] = {{4, 50, {1614, 1615, 1617, 1613}},
                 {4, kScoreNA, {1614, 1620, 1614, 1611}},
                 {12, 100, {1619, 1619, 1619, 1611}},
                 {kScoreNA, kScoreNA, {1620, 1620, 1611, 1611}}};
    for (const Case &c : cases) {
        UpgradeRecord record = {"Memory Upgrade", c.current, c.usage, "64 MB\n128 MB\n"};
        HWND window = OpenUpgradeWindow(record);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(GetWindow(window, GW_OWNER), g_app.main);
        EXPECT_EQ(WindowText(window), "Memory Upgrade");
        EXPECT_EQ(ShownIcons(window), c.icons) << c.current << "/" << c.usage;
        EXPECT_EQ(ListLines(GetDlgItem(window, IDC_UPGRADE_CANDIDATES)),
                  (std::vector<std::string>{"64 MB", "128 MB", " "}));
        SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
        EXPECT_FALSE(IsWindow(window));
    }
}

BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM param) {
    auto *found = reinterpret_cast<std::pair<std::string, HWND> *>(param);
    if (GetWindow(window, GW_OWNER) == g_app.main && WindowText(window) == found->first)
        found->second = window;
    return found->second == nullptr;
}

TEST_F(UpgradeTest, EveryToolOpensItsWindow) {
    for (int entry = 0; entry < kUpgradeTools; ++entry) {
        const UpgradeTool &tool = UpgradeToolAt(entry);
        SCOPED_TRACE(tool.title);
        g_boxes.clear();
        Command(kUpgradeFirstCommand + entry);
        std::pair<std::string, HWND> found(tool.title, nullptr);
        EnumThreadWindows(GetCurrentThreadId(), FindOwnedDialog, reinterpret_cast<LPARAM>(&found));
        ASSERT_NE(found.second, nullptr);
        // The models shipped beside the program: every part scoring 'NA' is offered every model.
        std::vector<std::string> candidates = ListLines(GetDlgItem(found.second, IDC_UPGRADE_CANDIDATES));
        if (UpgradeToolScores(entry, *g_equipment, *g_history).current == kScoreNA) {
            EXPECT_GT(candidates.size(), 3u);
        }
        SendMessageA(found.second, WM_COMMAND, IDOK, 0);
        EXPECT_FALSE(IsWindow(found.second));
        ASSERT_EQ(g_boxes.size(), tool.noticeCaption ? 1u : 0u);
        if (tool.noticeCaption) {
            EXPECT_EQ(g_boxes[0], std::string(tool.noticeCaption) + "|" + tool.noticeText);
        }
        std::vector<std::string> lines = ReportLines();
        EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0),
                  tool.comparisonText ? g_report->count : 0);
        if (tool.comparisonText) {
            ASSERT_GE(lines.size(), 3u);
            EXPECT_EQ(lines[0][0], '\006');
            EXPECT_EQ(lines.back(), " ");
            ExpectClicksFindCaptions(2551 + entry, lines);
        }
    }
}

TEST_F(UpgradeTest, ModelsFileProblemsShowTheMessage) {
    const std::string error =
        "Error!|Unable to find or read data file MODELS.DAT. Replace the file with a good copy.";
    ModelRecord a = {7, 3, "Sound Blaster 16"}, b = {7, 9, "Turtle Beach Tropez"};
    std::string records(2 * kModelRecordSize, '\0');
    EncodeModelRecord(a, reinterpret_cast<unsigned char *>(&records[0]));
    EncodeModelRecord(b, reinterpret_cast<unsigned char *>(&records[kModelRecordSize]));
    struct Case {
        std::string bytes;
        int32_t threshold;
        const char *list;
        size_t boxes;
    } cases[] = {{records, -1, "Sound Blaster 16\nTurtle Beach Tropez\n", 0},
                 {records, 3, "Turtle Beach Tropez\n", 0},
                 {records.substr(0, kModelRecordSize) + "x", -1, "", 1}, // 137 bytes
                 {"", -1, "", 1}};
    for (const Case &c : cases) {
        g_boxes.clear();
        std::string path = WriteFile("qv_models.dat", c.bytes);
        char list[kCandidateListSize] = "old";
        ListModelCandidatesFrom(path.c_str(), 7, c.threshold, list, sizeof list);
        EXPECT_STREQ(list, c.list) << c.bytes.size();
        EXPECT_EQ(g_boxes, std::vector<std::string>(c.boxes, error)) << c.bytes.size();
        DeleteFileA(path.c_str());
    }
    g_boxes.clear();
    char list[kCandidateListSize] = "old";
    ListModelCandidatesFrom("C:\\no such folder\\MODELS.DAT", 7, -1, list, sizeof list);
    EXPECT_STREQ(list, "");
    EXPECT_EQ(g_boxes, std::vector<std::string>(1, error));
}

} // namespace
